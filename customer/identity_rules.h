#pragma once
// The customer identity's text rules, free of the GUI: how the registration edits filter keys, what
// leaving them keeps of the typed text, which kind a registration gets (a lettered number must be a valid
// CNPJ), the numeric key filter of the value edits and the "*" placeholder of code fields.

#include <optional>
#include <string>
#include <string_view>

namespace vq::customer {

// The two registration edits: the customer code's (dbeInscricao) and the issuing one (dbeNrInsJurClie).
enum class RegistrationEdit { Code, Issuing };

// `text` without blanks and the separators . - /.
std::string compactRegistration(std::string_view text);

// 14 characters, letters only in the first 12 and at least one of them, digits elsewhere.
bool alphanumericCnpjShape(std::string_view compact);

// What leaving dbeNrInsJurClie stores: an alphanumeric-CNPJ-shaped text is kept (its letters are the
// number), any other loses the characters of removeCaracteres.
std::string issuingRegistrationOnExit(std::string_view text);

struct Registration {
    char kind = 0;      // 'F', 'J', 'I' or 'O' (Consiste::Ajusta_Inscricao)
    std::string number; // normalised
};

// Kind and number of a typed registration; nothing when the text holds letters that do not make a valid
// CNPJ (the customer code: any letter; the issuing registration: an alphanumeric-CNPJ-shaped text).
std::optional<Registration> classifyRegistration(std::string_view typed, RegistrationEdit edit);

// Key filters: the key as it gets through (upper-cased where the edit says so), or 0 when dropped. Tab
// always gets through: it moves the focus and never types.
// Registration edits: digits and letters (upper-cased); the code edit also backspace, the issuing one
// also copy, paste and cut (3, 22, 24).
char16_t registrationKey(char16_t key, RegistrationEdit edit);
// Service code: backspace and digits.
char16_t serviceCodeKey(char16_t key);
// Billing company code: digits and letters.
char16_t companyCodeKey(char16_t key);
// Upper-case edits (state and municipal registration codes).
char16_t upperCaseKey(char16_t key);

// Vd_Caracter: "e"/"E" dropped while the data source is browsing or editing, "+" and "-" always, the
// decimal separator when `text` already holds one.
char16_t numericValueKey(char16_t key, std::string_view text, char16_t decimalSeparator, bool sourceActive);

// The "*" placeholder of code fields shows as one blank; any other value unchanged.
std::string placeholderText(std::string_view stored);

} // namespace vq::customer

#include "customer/identity_rules.h"

#include "customer/strip_characters.h"
#include "framework/validation/consiste.h"

#include <algorithm>

namespace vq::customer {
namespace {

bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}
bool isLetter(char16_t c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}
char16_t upper(char16_t c) {
    return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c;
}
bool hasLetter(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) { return isLetter(static_cast<char16_t>(c)); });
}

constexpr char16_t kBackspace = 8, kTab = 9, kCopy = 3, kPaste = 22, kCut = 24;

} // namespace

std::string compactRegistration(std::string_view text) {
    std::string out;
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '.' && c != '-' && c != '/')
            out.push_back(c);
    return out;
}

bool alphanumericCnpjShape(std::string_view compact) {
    if (compact.size() != 14 || !hasLetter(compact.substr(0, 12)))
        return false;
    for (std::size_t i = 0; i < compact.size(); ++i) {
        const auto c = static_cast<char16_t>(static_cast<unsigned char>(compact[i]));
        if (!isDigit(c) && !(i < 12 && isLetter(c)))
            return false;
    }
    return true;
}

std::string issuingRegistrationOnExit(std::string_view text) {
    if (alphanumericCnpjShape(compactRegistration(text)))
        return std::string(text);
    return removeCaracteres(text);
}

std::optional<Registration> classifyRegistration(std::string_view typed, RegistrationEdit edit) {
    const bool lettered =
        edit == RegistrationEdit::Code ? hasLetter(typed) : alphanumericCnpjShape(compactRegistration(typed));
    if (lettered && !Consiste::CGCOk(typed))
        return std::nullopt;
    Registration r;
    r.number = "C" + std::string(typed);
    r.kind = Consiste::Ajusta_Inscricao(r.number);
    return r;
}

char16_t registrationKey(char16_t key, RegistrationEdit edit) {
    if (isDigit(key) || key == kTab)
        return key;
    if (isLetter(key))
        return upper(key);
    if (edit == RegistrationEdit::Code)
        return key == kBackspace ? key : 0;
    return key == kCopy || key == kPaste || key == kCut ? key : 0;
}

char16_t serviceCodeKey(char16_t key) {
    return isDigit(key) || key == kBackspace || key == kTab ? key : 0;
}

char16_t companyCodeKey(char16_t key) {
    return isDigit(key) || isLetter(key) || key == kTab ? key : 0;
}

char16_t upperCaseKey(char16_t key) {
    return upper(key);
}

char16_t numericValueKey(char16_t key, std::string_view text, char16_t decimalSeparator, bool sourceActive) {
    if (sourceActive && (key == u'e' || key == u'E'))
        return 0;
    if (key == u'+' || key == u'-')
        return 0;
    if (key == decimalSeparator && decimalSeparator < 128 &&
        text.find(static_cast<char>(decimalSeparator)) != std::string_view::npos)
        return 0;
    return key;
}

std::string placeholderText(std::string_view stored) {
    return stored == "*" ? std::string(" ") : std::string(stored);
}

} // namespace vq::customer

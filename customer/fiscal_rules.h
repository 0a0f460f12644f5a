#pragma once
// The customer's fiscal attributes, free of the GUI: the CPRB indicator and its conversions, the coded
// fields of the fiscal page and of the invoice texts, the "*" placeholder fields, the key rules of the
// CST combo, the situation combo and the invoice-text grid, and the codes the record stores for the
// address and ordering choices.

#include "customer/coded_display_rule.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vq::customer {

class CustomerDataSets;

// CPRB indicator (IDINDCPRB): not a contributor, contributor.
enum class Tcprb { NaoContribuinte, Contribuinte };

// Contributor exactly when the text's first character is "1".
Tcprb ConvDadoToCprb(std::string_view text);
// "0" or "1".
std::string ConvCprbToDado(Tcprb cprb);
// The text of "cprbNAO" or "cprbSIM" (catalogue msgPadrao02).
std::string ConvCprbToInformacao(Tcprb cprb, const MessageLookup& msg);
inline constexpr std::string_view kCprbNaoKey = "cprbNAO";
inline constexpr std::string_view kCprbSimKey = "cprbSIM";

// IDINDCPRB: null shows nothing, anything else its CPRB text. A chosen text is stored as its code
// whatever the current value (a new customer's null included); an empty text changes nothing.
void applyCprbRule(Field& field, MessageLookup msg);

// Coded fields of the fiscal page and of the invoice texts, in their controls' item order.
const CodedDisplayRule& customerIdentifierRule(); // IDIDENTCLIE, item 0 is the empty item
const CodedDisplayRule& cstFirstDigitRule();      // CDCSTDIG1CLI, "0" to "8"
const CodedDisplayRule& entryExitRule();          // IDENTRSAIDMENS, message keys ENTRADA/SAIDA/AMBOS

// Code fields whose stored "*" (nothing chosen) shows as one blank.
std::span<const std::string_view> placeholderFields();

// Installs the conversions above on the form's datasets.
void installFiscalRules(CustomerDataSets& sets);

// ---- Keys. What a key does to a coded field: store a code, clear the field, pass or drop the key.
enum class KeyAction { Store, Clear, Pass, Drop };
struct KeyEffect {
    KeyAction action = KeyAction::Pass;
    std::string code; // Store
};
// dbcDigiCST: "0" to "8" store that digit; any other key passes.
KeyEffect cstDigitKey(char16_t key);
// dbcSituAtiv: "A"/"a" item 0, "I"/"i" item 1 (the key is consumed); nothing for other keys.
std::optional<int> situationKeyItem(char16_t key);
// Column IDENTRSAIDMENS of dbgMensCliente: A/E/S in either case store it, backspace clears; tab, carriage
// return, "&", "(" and "." pass; any other key is dropped.
KeyEffect entryExitKey(char16_t key);

// ---- Codes the record stores for the choices (item index, -1 when nothing is chosen).
std::string issueAddressCode(int item);        // dbcEndEmissao: 1 C, 2 E, 3 X, 4 T, else P
std::string cfopAddressCode(int item);         // cbbEndCFOP: 1 C, 2 E, 3 X, 4 T, 5 I, else P
std::string cfopInPersonAddressCode(int item); // cbbEndCFOPOPres: 0 P, 1 C, 2 E, 3 X, 4 T, else I
std::string orderInvoiceCode(int item);        // cbbLancExp: item 0 "1", otherwise "2"
int orderInvoiceItem(std::string_view stored); // "2" item 1, anything else item 0

} // namespace vq::customer

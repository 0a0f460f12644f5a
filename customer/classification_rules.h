#pragma once
// Qt-free rules of the commercial classification lookups: freight payment kinds, carrier numbers, tree
// codes and the key filters of the abbreviation.

#include <array>
#include <string>
#include <string_view>

namespace vq::customer {

// The freight combo's items in order: message key of the text and stored value.
struct FreightKind {
    std::string_view key, code;
};
inline constexpr std::array<FreightKind, 6> kFreightKinds{{{"FRETE_CIF", "0"},
                                                           {"FRETE_FOB", "1"},
                                                           {"FRETE_TERCEIROS", "2"},
                                                           {"FRETE_REMETENTE", "3"},
                                                           {"FRETE_DESTINATARIO", "4"},
                                                           {"SEM_FRETE", "9"}}};
// The item of a stored value (-1 for none or an unknown one).
int freightItem(std::string_view code);
// The stored value of a typed text, compared with the six display texts in order: an empty text gives
// "9", an unknown one "" (nothing stored).
std::string freightCodeOfText(std::string_view text, const std::array<std::string, 6>& texts);

// A carrier number as it is stored and looked up: kind, number and the failure key found before any call.
struct CarrierNumber {
    char kind = 0;        // 'J', 'F', 'I' or 'O'
    std::string number;   // without mask literals; 'O' of width 5 and 'I' of width 20
    std::string faultKey; // "CGC_inv" or "CPF_inv" when the shape fails its check digits
};
CarrierNumber classifyCarrier(std::string_view typed);

// A tree code as the picture reads it: without trailing blanks, empty positions and separators
// ("03.01.___" and "03.01." give "03.01").
std::string treeCode(std::string_view text);

// The abbreviation edit: letters upper-cased; only backspace and "A" to "Z" get through (0: dropped).
char16_t abbreviationKey(char16_t key);

} // namespace vq::customer

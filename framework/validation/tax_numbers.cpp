// CPF and CNPJ check digits, registration kind recognition and the edit masks of each kind.

#include "framework/validation/check_digits.h"
#include "framework/validation/consiste.h"

#include <algorithm>

namespace vq::Consiste {

namespace {

using namespace validation;

// Longest number the customer code can carry after its kind letter.
constexpr std::size_t maxRegistrationLength = 20;
constexpr std::size_t minOtherLegalLength = 6;

bool cpfDigitsOk(std::string_view n) {
    if (!hasDigits(n, 11) || isRepeated(n))
        return false;
    return digitIs(n, 9, mod11Digit(descendingSum(n.substr(0, 9), 10))) &&
           digitIs(n, 10, mod11Digit(descendingSum(n.substr(0, 10), 11)));
}

// The alphanumeric CNPJ values each character by its ASCII code minus 48, which leaves the digit-only
// numbers computing exactly as before.
bool cnpjCharsOk(std::string_view n) {
    if (n.size() != 14 || isRepeated(n) || !std::all_of(n.begin(), n.begin() + 12, isUpperAlnum) ||
        !isDigits(n.substr(12)))
        return false;
    const int dv1 = mod11Digit(weightedSum(n, {5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2}));
    const int dv2 = mod11Digit(weightedSum(n, {6, 5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2}));
    return digitIs(n, 12, dv1) && digitIs(n, 13, dv2);
}

} // namespace

bool CPFOk(std::string_view s) {
    return cpfDigitsOk(compactNumber(s));
}

bool CGCOk(std::string_view s) {
    return cnpjCharsOk(compactNumber(s));
}

char Ajusta_Inscricao(std::string& s) {
    std::string_view typed = s;
    if (!typed.empty() && typed.front() == 'C')
        typed.remove_prefix(1);
    std::string number = compactNumber(typed);
    char kind = kindFreeCode;
    if (cpfDigitsOk(number))
        kind = kindPerson;
    else if (cnpjCharsOk(number))
        kind = kindCompany;
    else if (isDigits(number) && number.size() >= minOtherLegalLength &&
             number.size() <= maxRegistrationLength)
        kind = kindOtherLegal;
    s = std::move(number);
    return kind;
}

std::string PictPess(char kind) {
    switch (kind) {
    case 'F':
    case 'f':
        return "999.999.999-99;0;_";
    case 'J':
    case 'j':
        // 'A' takes digits and letters, so one mask serves numeric and alphanumeric CNPJ; '>' upper-cases.
        return ">AA.AAA.AAA/AAAA-99;0;_";
    default:
        return {};
    }
}

std::string PictPess(std::string_view kind) {
    const std::string letter = AllTrim(kind);
    return letter.size() == 1 ? PictPess(letter.front()) : std::string();
}

} // namespace vq::Consiste

// State registration rules, states PA to TO.

#include "framework/validation/check_digits.h"
#include "framework/validation/state_rules.h"

#include <string>

namespace vq::validation {

namespace {

// RO: 11 minus the remainder, with 10 and 11 wrapping to 0 and 1.
constexpr int wrappingDigit(int sum) {
    return (11 - sum % 11) % 10;
}

// SP: the last figure of the remainder modulus 11.
constexpr int lastFigureDigit(int sum) {
    return sum % 11 % 10;
}

bool spFirstDigitOk(std::string_view n) {
    return digitIs(n, 8, lastFigureDigit(weightedSum(n, {1, 3, 4, 5, 6, 7, 8, 10})));
}

} // namespace

bool checkPA(std::string_view n) {
    return startsWithAny(n, {"15", "75", "76", "77", "78", "79"}) && standardNine(n);
}

bool checkPB(std::string_view n) {
    return standardNine(n);
}

// PE: the nine-digit number with two check digits, or the older fourteen-digit one with one.
bool checkPE(std::string_view n) {
    if (hasDigits(n, 9))
        return digitIs(n, 7, mod11Digit(descendingSum(n.substr(0, 7), 8))) &&
               digitIs(n, 8, mod11Digit(descendingSum(n.substr(0, 8), 9)));
    if (hasDigits(n, 14)) {
        const int dv = 11 - weightedSum(n, {5, 4, 3, 2, 1, 9, 8, 7, 6, 5, 4, 3, 2}) % 11;
        return digitIs(n, 13, dv > 9 ? dv - 10 : dv);
    }
    return false;
}

bool checkPI(std::string_view n) {
    return standardNine(n);
}

bool checkPR(std::string_view n) {
    return hasDigits(n, 10) && digitIs(n, 8, mod11Digit(weightedSum(n, {3, 2, 7, 6, 5, 4, 3, 2}))) &&
           digitIs(n, 9, mod11Digit(weightedSum(n, {4, 3, 2, 7, 6, 5, 4, 3, 2})));
}

bool checkRJ(std::string_view n) {
    return hasDigits(n, 8) && digitIs(n, 7, mod11Digit(weightedSum(n, {2, 7, 6, 5, 4, 3, 2})));
}

// RN: nine or ten digits; the digit is the sum times ten modulus 11, ten giving zero.
bool checkRN(std::string_view n) {
    if (!n.starts_with("20") || !(hasDigits(n, 9) || hasDigits(n, 10)))
        return false;
    const std::size_t body = n.size() - 1;
    const int sum = descendingSum(n.substr(0, body), static_cast<int>(body) + 1);
    return digitIs(n, body, sum * 10 % 11 % 10);
}

// RO: fourteen digits, or the older nine whose first three (the municipality) do not count.
bool checkRO(std::string_view n) {
    if (hasDigits(n, 14))
        return digitIs(n, 13, wrappingDigit(weightedSum(n, {6, 5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2})));
    if (hasDigits(n, 9))
        return digitIs(n, 8, wrappingDigit(descendingSum(n.substr(3, 5), 6)));
    return false;
}

// RR: weights 1 to 8, modulus 9.
bool checkRR(std::string_view n) {
    if (!hasDigits(n, 9) || !n.starts_with("24"))
        return false;
    int sum = 0;
    for (std::size_t i = 0; i < 8; ++i)
        sum += charValue(n[i]) * static_cast<int>(i + 1);
    return digitIs(n, 8, sum % 9);
}

bool checkRS(std::string_view n) {
    return hasDigits(n, 10) && digitIs(n, 9, mod11Digit(weightedSum(n, {2, 9, 8, 7, 6, 5, 4, 3, 2})));
}

bool checkSC(std::string_view n) {
    return standardNine(n);
}

bool checkSE(std::string_view n) {
    return standardNine(n);
}

// SP: twelve digits with check digits at positions 9 and 12, or a rural producer's "P" followed by twelve
// digits with only the first check digit.
bool checkSP(std::string_view n) {
    if (n.starts_with('P')) {
        const std::string_view digits = n.substr(1);
        return hasDigits(digits, 12) && spFirstDigitOk(digits);
    }
    return hasDigits(n, 12) && spFirstDigitOk(n) &&
           digitIs(n, 11, lastFigureDigit(weightedSum(n, {3, 2, 10, 9, 8, 7, 6, 5, 4, 3, 2})));
}

// TO: nine digits, or the older eleven whose third and fourth (the kind: 01, 02, 03 or 99) do not count.
bool checkTO(std::string_view n) {
    if (hasDigits(n, 9))
        return standardNine(n);
    if (!hasDigits(n, 11) || !startsWithAny(n.substr(2), {"01", "02", "03", "99"}))
        return false;
    const std::string counted = std::string(n.substr(0, 2)) + std::string(n.substr(4, 6));
    return digitIs(n, 10, mod11Digit(descendingSum(counted, 9)));
}

} // namespace vq::validation

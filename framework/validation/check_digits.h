#pragma once
// Text and arithmetic shared by the tax-number and state-registration checks.

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

namespace vq::validation {

// Space, tab, CR, LF, VT and FF. Any other byte (NUL, bytes of UTF-8 sequences) is not blank.
constexpr bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

constexpr bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
constexpr bool isUpperAlnum(char c) {
    return isDigit(c) || (c >= 'A' && c <= 'Z');
}

// Non-empty and only 0-9.
bool isDigits(std::string_view s);
// Exactly `length` characters, all 0-9.
bool hasDigits(std::string_view s, std::size_t length);
// Every character equal to the first one (true for an empty text).
bool isRepeated(std::string_view s);

// s with ASCII letters upper-cased; other bytes unchanged.
std::string upperAscii(std::string_view s);

// Drops blanks (around and inside) and the separators . - / and upper-cases ASCII letters. Every other
// byte stays, so the checks that follow refuse it.
std::string compactNumber(std::string_view s);

// Value of a character in a check-digit sum: its ASCII code minus 48 (0-9 for digits, 17-42 for A-Z).
constexpr int charValue(char c) {
    return static_cast<unsigned char>(c) - '0';
}

// Sum of charValue(s[i]) * weights[i] over the characters that s has.
int weightedSum(std::string_view s, std::initializer_list<int> weights);
// Sum of charValue(s[i]) * (first - i) over the whole of s.
int descendingSum(std::string_view s, int first);

// The common modulus-11 digit: remainder 0 or 1 gives 0, otherwise 11 minus the remainder.
constexpr int mod11Digit(int sum) {
    const int r = sum % 11;
    return r < 2 ? 0 : 11 - r;
}

// Whether character i of s is the digit d.
constexpr bool digitIs(std::string_view s, std::size_t i, int d) {
    return i < s.size() && isDigit(s[i]) && charValue(s[i]) == d;
}

} // namespace vq::validation

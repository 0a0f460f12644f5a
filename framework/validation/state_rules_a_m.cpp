// State registration rules, states AC to MT.

#include "framework/validation/check_digits.h"
#include "framework/validation/state_rules.h"

#include <algorithm>
#include <string>

namespace vq::validation {

namespace {

// Digits 0-7 of n as a number (n holds at least eight digits).
long firstEight(std::string_view n) {
    return std::stol(std::string(n.substr(0, 8)));
}

// "Sum times ten, modulus 11", ten giving zero.
constexpr int timesTenDigit(int sum) {
    return sum * 10 % 11 % 10;
}

// Thirteen digits with two modulus-11 digits: the shape shared by AC and DF.
bool thirteenTwoDigits(std::string_view n) {
    return hasDigits(n, 13) &&
           digitIs(n, 11, mod11Digit(weightedSum(n, {4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2}))) &&
           digitIs(n, 12, mod11Digit(weightedSum(n, {5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2})));
}

// BA: modulus 10 or 11 by the leading digit of the series, the second check digit computed first.
bool bahia(std::string_view n, char series) {
    const std::size_t body = n.size() - 2;
    const bool mod10 = std::string_view("0123458").find(series) != std::string_view::npos;
    const int modulus = mod10 ? 10 : 11;
    const auto digitFor = [&](int sum) {
        const int r = sum % modulus;
        return mod10 ? (r == 0 ? 0 : 10 - r) : mod11Digit(sum);
    };
    const int second = digitFor(descendingSum(n.substr(0, body), static_cast<int>(body) + 1));
    if (!digitIs(n, body + 1, second))
        return false;
    const std::string withSecond = std::string(n.substr(0, body)) + n[body + 1];
    return digitIs(n, body, digitFor(descendingSum(withSecond, static_cast<int>(body) + 2)));
}

} // namespace

bool startsWithAny(std::string_view n, std::initializer_list<std::string_view> prefixes) {
    return std::any_of(prefixes.begin(), prefixes.end(),
                       [&](std::string_view p) { return n.starts_with(p); });
}

bool standardNine(std::string_view n) {
    return hasDigits(n, 9) && digitIs(n, 8, mod11Digit(descendingSum(n.substr(0, 8), 9)));
}

bool checkAC(std::string_view n) {
    return n.starts_with("01") && thirteenTwoDigits(n);
}

bool checkAL(std::string_view n) {
    return hasDigits(n, 9) && n.starts_with("24") &&
           digitIs(n, 8, timesTenDigit(descendingSum(n.substr(0, 8), 9)));
}

bool checkAM(std::string_view n) {
    if (!hasDigits(n, 9))
        return false;
    const int sum = descendingSum(n.substr(0, 8), 9);
    return digitIs(n, 8, sum < 11 ? 11 - sum : mod11Digit(sum));
}

// AP: the number range sets the constant added to the sum and the digit used when 11 minus the remainder
// is 11.
bool checkAP(std::string_view n) {
    if (!hasDigits(n, 9) || !n.starts_with("03"))
        return false;
    const long body = firstEight(n);
    int p = 0;
    int d = 0;
    if (body >= 3000001 && body <= 3017000) {
        p = 5;
    } else if (body >= 3017001 && body <= 3019022) {
        p = 9;
        d = 1;
    }
    const int dv = 11 - (p + descendingSum(n.substr(0, 8), 9)) % 11;
    return digitIs(n, 8, dv == 10 ? 0 : dv == 11 ? d : dv);
}

bool checkBA(std::string_view n) {
    if (hasDigits(n, 8))
        return bahia(n, n[0]);
    if (hasDigits(n, 9))
        return bahia(n, n[1]);
    return false;
}

bool checkCE(std::string_view n) {
    return standardNine(n);
}

bool checkDF(std::string_view n) {
    return startsWithAny(n, {"07", "08"}) && thirteenTwoDigits(n);
}

bool checkES(std::string_view n) {
    return standardNine(n);
}

// GO: remainder 1 gives 1 inside one historic range and 0 elsewhere; one number is valid with either digit.
bool checkGO(std::string_view n) {
    if (!hasDigits(n, 9) ||
        !startsWithAny(n, {"10", "11", "15", "20", "21", "22", "23", "24", "25", "26", "27", "28", "29"}))
        return false;
    const long body = firstEight(n);
    if (body == 11094402)
        return digitIs(n, 8, 0) || digitIs(n, 8, 1);
    const int r = descendingSum(n.substr(0, 8), 9) % 11;
    int dv = 11 - r;
    if (r == 0)
        dv = 0;
    else if (r == 1)
        dv = body >= 10103105 && body <= 10119997 ? 1 : 0;
    return digitIs(n, 8, dv);
}

bool checkMA(std::string_view n) {
    return n.starts_with("12") && standardNine(n);
}

// MG: the first digit sums the figures of alternating 1/2 products over the number with a zero put after
// the municipality; the second is modulus 11 over the first twelve digits.
bool checkMG(std::string_view n) {
    if (!hasDigits(n, 13))
        return false;
    const std::string spread = std::string(n.substr(0, 3)) + '0' + std::string(n.substr(3, 8));
    int figures = 0;
    for (std::size_t i = 0; i < spread.size(); ++i) {
        const int product = charValue(spread[i]) * (i % 2 == 0 ? 1 : 2);
        figures += product / 10 + product % 10;
    }
    const int dv1 = (10 - figures % 10) % 10;
    if (!digitIs(n, 11, dv1))
        return false;
    return digitIs(n, 12, mod11Digit(weightedSum(n, {3, 2, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2})));
}

bool checkMS(std::string_view n) {
    return startsWithAny(n, {"28", "50"}) && standardNine(n);
}

// MT: eleven digits; shorter numbers are the same registration without its leading zeros.
bool checkMT(std::string_view n) {
    if (n.size() < 9 || n.size() > 11 || !isDigits(n))
        return false;
    const std::string full = std::string(11 - n.size(), '0') + std::string(n);
    return digitIs(full, 10, mod11Digit(weightedSum(full, {3, 2, 9, 8, 7, 6, 5, 4, 3, 2})));
}

} // namespace vq::validation

#include "framework/validation/check_digits.h"

#include <algorithm>

namespace vq::validation {

bool isDigits(std::string_view s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), isDigit);
}

bool hasDigits(std::string_view s, std::size_t length) {
    return s.size() == length && isDigits(s);
}

bool isRepeated(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [&](char c) { return c == s.front(); });
}

namespace {

constexpr char upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

} // namespace

std::string upperAscii(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), upper);
    return out;
}

std::string compactNumber(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (const char c : s) {
        if (!isBlank(c) && c != '.' && c != '-' && c != '/')
            out.push_back(upper(c));
    }
    return out;
}

int weightedSum(std::string_view s, std::initializer_list<int> weights) {
    int sum = 0;
    std::size_t i = 0;
    for (const int w : weights) {
        if (i >= s.size())
            break;
        sum += charValue(s[i++]) * w;
    }
    return sum;
}

int descendingSum(std::string_view s, int first) {
    int sum = 0;
    for (const char c : s)
        sum += charValue(c) * first--;
    return sum;
}

} // namespace vq::validation

#include "server/seed/check_digits.h"

#include <span>
#include <stdexcept>

namespace vq::seed {

namespace {

int digitAt(std::string_view s, std::size_t i) {
    const char c = s[i];
    if (c < '0' || c > '9')
        throw std::invalid_argument("check digits need a number of digits only");
    return c - '0';
}

// Modulus 11 over the digits with the given weights: remainder below 2 gives 0, else 11 - remainder.
char mod11(std::string_view digits, std::span<const int> weights) {
    int sum = 0;
    for (std::size_t i = 0; i < weights.size(); ++i)
        sum += digitAt(digits, i) * weights[i];
    const int r = sum % 11;
    return static_cast<char>('0' + (r < 2 ? 0 : 11 - r));
}

void requireLength(std::string_view s, std::size_t n) {
    if (s.size() != n)
        throw std::invalid_argument("wrong number of digits for a check-digit base");
}

} // namespace

std::string cpfWithCheckDigits(std::string_view base) {
    requireLength(base, 9);
    std::string out(base);
    static constexpr int kFirst[] = {10, 9, 8, 7, 6, 5, 4, 3, 2};
    static constexpr int kSecond[] = {11, 10, 9, 8, 7, 6, 5, 4, 3, 2};
    out += mod11(out, kFirst);
    out += mod11(out, kSecond);
    return out;
}

std::string cnpjWithCheckDigits(std::string_view base) {
    requireLength(base, 12);
    std::string out(base);
    static constexpr int kFirst[] = {5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2};
    static constexpr int kSecond[] = {6, 5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2};
    out += mod11(out, kFirst);
    out += mod11(out, kSecond);
    return out;
}

std::string spStateRegistration(std::string_view base8, std::string_view tail2) {
    requireLength(base8, 8);
    requireLength(tail2, 2);
    // 9th digit: weights 1,3,4,5,6,7,8,10, remainder's last digit; 12th: weights 3,2,10,9..2.
    static constexpr int kFirst[] = {1, 3, 4, 5, 6, 7, 8, 10};
    static constexpr int kSecond[] = {3, 2, 10, 9, 8, 7, 6, 5, 4, 3, 2};
    std::string out(base8);
    int sum = 0;
    for (std::size_t i = 0; i < 8; ++i)
        sum += digitAt(out, i) * kFirst[i];
    out += static_cast<char>('0' + (sum % 11) % 10);
    out += tail2;
    sum = 0;
    for (std::size_t i = 0; i < 11; ++i)
        sum += digitAt(out, i) * kSecond[i];
    out += static_cast<char>('0' + (sum % 11) % 10);
    return out;
}

} // namespace vq::seed

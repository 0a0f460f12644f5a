// Blank tests, trimming and the stored form of codes.

#include "framework/validation/check_digits.h"
#include "framework/validation/consiste.h"

#include <algorithm>

namespace vq::Consiste {

using validation::isBlank;

bool EmptyString(std::string_view s) {
    return std::all_of(s.begin(), s.end(), isBlank);
}

std::string AllTrim(std::string_view s) {
    const auto first = std::find_if_not(s.begin(), s.end(), isBlank);
    const auto last = std::find_if_not(s.rbegin(), s.rend(), isBlank).base();
    return first < last ? std::string(first, last) : std::string();
}

std::string Ajusta(std::string_view code, int width) {
    std::string text = AllTrim(code);
    if (width <= 0 || !validation::isDigits(text))
        return text;
    const auto w = static_cast<std::size_t>(width);
    // Leading zeros carry no value, so they may go to make the code fit; significant digits never do.
    const std::size_t surplusZeros =
        text.size() > w ? std::min(text.size() - w, text.find_first_not_of('0')) : 0;
    text.erase(0, surplusZeros);
    if (text.size() < w)
        text.insert(0, w - text.size(), '0');
    return text;
}

} // namespace vq::Consiste

#include "platform/data/utf8.h"

namespace vq {

namespace {
// Length of the well-formed sequence at s[i], or 0.
std::size_t sequenceLength(std::string_view s, std::size_t i) {
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[i + k]); };
    const unsigned char c = b(0);
    if (c < 0x80)
        return 1;
    std::size_t len = 0;
    unsigned char lo = 0x80, hi = 0xBF;
    if (c >= 0xC2 && c <= 0xDF)
        len = 2;
    else if (c >= 0xE0 && c <= 0xEF) {
        len = 3;
        if (c == 0xE0)
            lo = 0xA0;
        if (c == 0xED)
            hi = 0x9F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        len = 4;
        if (c == 0xF0)
            lo = 0x90;
        if (c == 0xF4)
            hi = 0x8F;
    } else
        return 0;
    if (i + len > s.size())
        return 0;
    if (b(1) < lo || b(1) > hi)
        return 0;
    for (std::size_t k = 2; k < len; ++k)
        if ((b(k) & 0xC0) != 0x80)
            return 0;
    return len;
}
} // namespace

std::size_t utf8Length(std::string_view s) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < s.size(); ++n) {
        const std::size_t len = sequenceLength(s, i);
        i += len ? len : 1;
    }
    return n;
}

bool isValidUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t len = sequenceLength(s, i);
        if (!len)
            return false;
        i += len;
    }
    return true;
}

} // namespace vq

#include "import/text_encoding.h"

#include <algorithm>
#include <array>

namespace vq::import {

namespace {

// 0x80..0x9F of Windows-1252; the unassigned ones keep their C1 value.
constexpr std::array<char16_t, 32> kHigh1252 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr std::array<detail::Utf8Of, 128> makeWindows1252() {
    std::array<detail::Utf8Of, 128> out{};
    for (unsigned b = 0x80; b <= 0xFF; ++b) {
        const char16_t c = b < 0xA0 ? kHigh1252[b - 0x80] : static_cast<char16_t>(b);
        detail::Utf8Of& u = out[b - 0x80];
        u.control = c < 0xA0;
        if (c < 0x800) {
            u.bytes = {static_cast<char>(0xC0 | (c >> 6)), static_cast<char>(0x80 | (c & 0x3F)), 0};
            u.length = 2;
        } else {
            u.bytes = {static_cast<char>(0xE0 | (c >> 12)), static_cast<char>(0x80 | ((c >> 6) & 0x3F)),
                       static_cast<char>(0x80 | (c & 0x3F))};
            u.length = 3;
        }
    }
    return out;
}

bool startsWith(std::string_view s, std::string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

} // namespace

const std::array<detail::Utf8Of, 128> detail::kWindows1252 = makeWindows1252();

ByteOrderMark byteOrderMark(std::string_view head, std::size_t& length) {
    using namespace std::string_view_literals;
    length = 0;
    if (startsWith(head, "\xEF\xBB\xBF"sv)) {
        length = 3;
        return ByteOrderMark::Utf8;
    }
    // UTF-32 LE starts like UTF-16 LE; both are refused alike.
    if (startsWith(head, "\xFF\xFE"sv) || startsWith(head, "\xFE\xFF"sv) ||
        startsWith(head, "\x00\x00\xFE\xFF"sv))
        return ByteOrderMark::Unsupported;
    return ByteOrderMark::None;
}

bool hasHighByte(std::string_view bytes) {
    return std::any_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

bool hasControlCharacter(std::string_view utf8) {
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        if ((b < 0x20 && b != '\t') || b == 0x7F)
            return true;
        // U+0080..U+009F is 0xC2 followed by 0x80..0x9F.
        if (b == 0xC2 && i + 1 < utf8.size() && static_cast<unsigned char>(utf8[i + 1]) < 0xA0)
            return true;
    }
    return false;
}

} // namespace vq::import

#include "platform/data/utf8_text.h"

#include <cstdint>

namespace vq::utf8 {

namespace {

struct Range {
    char32_t first;
    char32_t last;
};

constexpr Range kLetters[] = {
    {U'A', U'Z'},     {U'a', U'z'},     {0x00AA, 0x00AA}, {0x00B5, 0x00B5}, {0x00BA, 0x00BA},
    {0x00C0, 0x00D6}, {0x00D8, 0x00F6}, {0x00F8, 0x02AF}, {0x0370, 0x0373}, {0x0376, 0x0377},
    {0x037B, 0x037D}, {0x037F, 0x037F}, {0x0386, 0x0386}, {0x0388, 0x038A}, {0x038C, 0x038C},
    {0x038E, 0x03A1}, {0x03A3, 0x03F5}, {0x03F7, 0x0481}, {0x048A, 0x052F}, {0x1E00, 0x1EFF},
};

// step 1: every code point in the range is upper case and its lower case is c + delta.
// step 2: upper and lower case alternate, upper case first; the lower case is c + 1.
struct CaseRange {
    char32_t first;
    char32_t last;
    int delta;
    int step;
};

constexpr CaseRange kCases[] = {
    {U'A', U'Z', 32, 1},        {0x00C0, 0x00D6, 32, 1},   {0x00D8, 0x00DE, 32, 1},
    {0x0178, 0x0178, -0x79, 1}, {0x0386, 0x0386, 0x26, 1}, {0x0388, 0x038A, 0x25, 1},
    {0x038C, 0x038C, 0x40, 1},  {0x038E, 0x038F, 0x3F, 1}, {0x0391, 0x03A1, 32, 1},
    {0x03A3, 0x03AB, 32, 1},    {0x0400, 0x040F, 0x50, 1}, {0x0410, 0x042F, 32, 1},
    {0x04C0, 0x04C0, 15, 1},    {0x0100, 0x012F, 1, 2},    {0x0132, 0x0137, 1, 2},
    {0x0139, 0x0148, 1, 2},     {0x014A, 0x0177, 1, 2},    {0x0179, 0x017E, 1, 2},
    {0x0460, 0x0481, 1, 2},     {0x048A, 0x04BF, 1, 2},    {0x04C1, 0x04CE, 1, 2},
    {0x04D0, 0x052F, 1, 2},     {0x1E00, 0x1E95, 1, 2},    {0x1EA0, 0x1EFF, 1, 2},
};

bool isContinuation(unsigned char b) {
    return (b & 0xC0) == 0x80;
}

// Decodes one code point at text[i], advancing i; a bad byte yields U+FFFD and advances by one.
char32_t decodeOne(std::string_view text, std::size_t& i) {
    const auto b0 = static_cast<unsigned char>(text[i]);
    if (b0 < 0x80) {
        ++i;
        return b0;
    }
    int extra = 0;
    char32_t c = 0;
    char32_t min = 0;
    if ((b0 & 0xE0) == 0xC0) {
        extra = 1, c = b0 & 0x1F, min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        extra = 2, c = b0 & 0x0F, min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        extra = 3, c = b0 & 0x07, min = 0x10000;
    } else {
        ++i;
        return kReplacement;
    }
    if (i + static_cast<std::size_t>(extra) >= text.size()) {
        ++i;
        return kReplacement;
    }
    for (int k = 1; k <= extra; ++k) {
        const auto b = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
        if (!isContinuation(b)) {
            ++i;
            return kReplacement;
        }
        c = (c << 6) | (b & 0x3F);
    }
    if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        ++i;
        return kReplacement;
    }
    i += static_cast<std::size_t>(extra) + 1;
    return c;
}

template <typename Convert> std::string mapText(std::string_view text, Convert convert) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();)
        append(out, convert(decodeOne(text, i)));
    return out;
}

} // namespace

std::u32string decode(std::string_view text) {
    std::u32string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();)
        out.push_back(decodeOne(text, i));
    return out;
}

void append(std::string& out, char32_t c) {
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        c = kReplacement;
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

std::string encode(std::u32string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char32_t c : text)
        append(out, c);
    return out;
}

bool isLetter(char32_t c) {
    for (const Range& r : kLetters)
        if (c >= r.first && c <= r.last)
            return true;
    return false;
}

bool isDigit(char32_t c) {
    return c >= U'0' && c <= U'9';
}

char32_t toLower(char32_t c) {
    for (const CaseRange& r : kCases) {
        if (c < r.first || c > r.last)
            continue;
        if (r.step == 1)
            return static_cast<char32_t>(static_cast<std::int32_t>(c) + r.delta);
        return (c - r.first) % 2 == 0 ? c + 1 : c;
    }
    return c;
}

char32_t toUpper(char32_t c) {
    for (const CaseRange& r : kCases) {
        if (r.step == 1) {
            const auto upper = static_cast<char32_t>(static_cast<std::int32_t>(c) - r.delta);
            if (upper >= r.first && upper <= r.last)
                return upper;
        } else if (c > r.first && c <= r.last && (c - r.first) % 2 == 1) {
            return c - 1;
        }
    }
    return c;
}

std::string toUpper(std::string_view text) {
    return mapText(text, [](char32_t c) { return toUpper(c); });
}
std::string toLower(std::string_view text) {
    return mapText(text, [](char32_t c) { return toLower(c); });
}

} // namespace vq::utf8

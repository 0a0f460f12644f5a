#pragma once
// The encodings an import file may use, and the checks on a decoded line. Positions in a line count
// characters, so every line is handed on as UTF-8.

#include <array>
#include <cstring>
#include <string>
#include <string_view>

namespace vq::import {

enum class Encoding {
    Undecided, // ASCII so far
    Utf8,
    Windows1252 // reads Latin-1 too: its printable range is the same
};

enum class ByteOrderMark { None, Utf8, Unsupported /* UTF-16 or UTF-32 */ };

// The mark at the start of `head` (the file's first bytes, at least 4 when the file has them) and its length.
ByteOrderMark byteOrderMark(std::string_view head, std::size_t& length);

bool hasHighByte(std::string_view bytes);

namespace detail {
// The UTF-8 bytes of Windows-1252 0x80..0xFF, worked out once; the five unassigned bytes are the C1
// controls of the same value.
struct Utf8Of {
    std::array<char, 3> bytes{};
    unsigned char length = 0;
    bool control = false;
};
extern const std::array<Utf8Of, 128> kWindows1252;
} // namespace detail

// One Windows-1252 byte >= 0x80 as UTF-8 at `out` (room for 3 bytes); returns the end. Inline: the reader
// calls it for every such byte.
inline char* appendWindows1252Byte(char* out, unsigned char byte) {
    const detail::Utf8Of& u = detail::kWindows1252[byte - 0x80];
    std::memcpy(out, u.bytes.data(), 3);
    return out + u.length;
}
// The byte >= 0x80 is one of the five unassigned, read as a C1 control.
inline bool isWindows1252Control(unsigned char byte) {
    return detail::kWindows1252[byte - 0x80].control;
}

// A C0 control other than TAB, DEL or a C1 control (U+0080..U+009F) in valid UTF-8 text.
bool hasControlCharacter(std::string_view utf8);

} // namespace vq::import

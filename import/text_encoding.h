#pragma once
// The encodings an import file may use, and the checks on a decoded line. Positions in a line count
// characters, so every line is handed on as UTF-8.

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

// Windows-1252 bytes as UTF-8; its five unassigned bytes become the C1 controls of the same value.
void appendWindows1252(std::string& out, std::string_view bytes);

// A C0 control other than TAB, DEL or a C1 control (U+0080..U+009F) in valid UTF-8 text.
bool hasControlCharacter(std::string_view utf8);

} // namespace vq::import

#pragma once
// UTF-8 text as code points, and the letter/case rules used by masks and character-case edits.
// (Length and validity checks live in utf8.h.)

#include <string>
#include <string_view>

namespace vq::utf8 {

inline constexpr char32_t kReplacement = 0xFFFD;

// Malformed sequences (overlong, surrogates, truncated) decode to U+FFFD, one per bad byte.
std::u32string decode(std::string_view text);
std::string encode(std::u32string_view text);
void append(std::string& out, char32_t c);

// Letters of the Latin (with accents), Greek and Cyrillic scripts; digits are ASCII only.
bool isLetter(char32_t c);
bool isDigit(char32_t c);
char32_t toUpper(char32_t c);
char32_t toLower(char32_t c);
std::string toUpper(std::string_view text);
std::string toLower(std::string_view text);

} // namespace vq::utf8

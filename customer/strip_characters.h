#pragma once
// The characters a tax number is stripped of before its digits are checked: accented and plain letters
// (not w/W), punctuation and signs, space, carriage return and line feed. Every other character, digits
// first of all, survives.

#include <span>
#include <string>
#include <string_view>

namespace vq::customer {

inline constexpr std::size_t kStrippedCharacterCount = 156;

// The 156 one-character strings (UTF-8), in the order they are removed; some letters repeat.
std::span<const std::string_view> strippedCharacters();

// `text` without any occurrence of the table's characters (removeCaracteres).
std::string removeCaracteres(std::string_view text);

} // namespace vq::customer

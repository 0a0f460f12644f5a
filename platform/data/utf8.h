#pragma once

#include <cstddef>
#include <string_view>

namespace vq {

// Number of Unicode characters of a UTF-8 string (invalid bytes count one each).
std::size_t utf8Length(std::string_view s);

// Well-formed UTF-8: no overlongs, no surrogates, nothing above U+10FFFF.
bool isValidUtf8(std::string_view s);

} // namespace vq

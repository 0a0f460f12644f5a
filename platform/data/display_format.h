#pragma once
// Numeric display formats, pt-BR: "pos;neg;zero" sections of 0 (digit), # (optional digit), the first '.'
// (decimal comma), ',' before it (thousands dot), 'text' or "text" literals. '%' and every other character
// are plain literals (no scaling). Rounding is half away from zero.

#include <string>
#include <string_view>

namespace vq {

// An empty format gives formatNumber's plain text. A negative value without its own section gets a
// leading '-'; a value that rounds to zero uses the zero section (or the positive one) and never shows
// "-0". NaN and infinities give "NAN", "INF", "-INF".
std::string formatFloat(std::string_view format, double value);

} // namespace vq

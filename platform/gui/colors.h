#pragma once
// The three background colours forms use to tell the user about a field: required, normal, and
// disabled-looking. Named so tests and the automation driver can read them back.

#include <QColor>
#include <string>

namespace vq::gui::colors {

inline constexpr QColor Required{255, 255, 225}; // information background
inline constexpr QColor Normal{255, 255, 255};   // window
inline constexpr QColor Disabled{240, 240, 240}; // button face

// "required", "normal", "disabled", or "#rrggbb" for any other colour.
std::string name(const QColor& color);

} // namespace vq::gui::colors

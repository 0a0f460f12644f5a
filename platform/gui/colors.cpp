#include "platform/gui/colors.h"

namespace vq::gui::colors {

std::string name(const QColor& color) {
    const QRgb rgb = color.rgb();
    if (rgb == Required.rgb())
        return "required";
    if (rgb == Normal.rgb())
        return "normal";
    if (rgb == Disabled.rgb())
        return "disabled";
    return color.name().toStdString();
}

} // namespace vq::gui::colors

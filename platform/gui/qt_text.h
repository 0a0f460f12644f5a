#pragma once
// UTF-8 std::string <-> QString at the boundary between our code and Qt.

#include <QString>
#include <string>
#include <string_view>

namespace vq::gui {

inline QString qs(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
inline std::string ss(const QString& s) {
    return s.toStdString();
}

} // namespace vq::gui

#pragma once
// Texts of the base forms' own commands. A form's message components win (a module form may word them
// its own way), then the host catalogue, then the base forms' defaults below, so a base command never
// shows a bare key.

#include <QObject>
#include <initializer_list>
#include <string>
#include <string_view>

namespace vq::forms {

std::string formText(const QObject& form, std::string_view key);
// The same with %1, %2, ... replaced by the arguments.
std::string formText(const QObject& form, std::string_view key, std::initializer_list<std::string_view> args);

} // namespace vq::forms

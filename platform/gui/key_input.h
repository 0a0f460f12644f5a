#pragma once
// Keys sent as the user would type them, for the automation driver and tests: they reach the widget
// that has the focus inside a control (a grid's cell editor, say) and pass through its key slots.

#include <QWidget>
#include <optional>
#include <string_view>

namespace vq::gui {

struct KeyStroke {
    int key = 0;
    Qt::KeyboardModifiers modifiers;
};

// "Enter", "Tab", "Esc", "Space", "Delete", "Backspace", "F9", "Up", "Down", "Ctrl+Delete", "Shift+Tab",
// a single character...; nullopt for a name it does not know.
std::optional<KeyStroke> parseKeyName(std::string_view name);

// Press and release of one key at `control` (or at the focused widget inside it); a shortcut of the
// control's window (a menu item's F3, a tool button's Esc) fires instead, as with a real key.
void sendKey(QWidget& control, KeyStroke stroke);
// Each character of `text` as a key press.
void typeText(QWidget& control, std::string_view text);

} // namespace vq::gui

#include "platform/gui/key_input.h"

#include "platform/gui/form_base.h"
#include "platform/gui/qt_text.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QPointer>
#include <array>

namespace vq::gui {
namespace {

struct NamedKey {
    std::string_view name;
    int key;
};
constexpr std::array<NamedKey, 6> kAliases{{{"Enter", Qt::Key_Return},
                                            {"Return", Qt::Key_Return},
                                            {"Esc", Qt::Key_Escape},
                                            {"Escape", Qt::Key_Escape},
                                            {"Del", Qt::Key_Delete},
                                            {"Ins", Qt::Key_Insert}}};

QString textOf(const KeyStroke& s) {
    if (s.modifiers & (Qt::ControlModifier | Qt::AltModifier))
        return {};
    switch (s.key) {
    case Qt::Key_Return:
        return QStringLiteral("\r");
    case Qt::Key_Tab:
        return QStringLiteral("\t");
    case Qt::Key_Backspace:
        return QStringLiteral("\b");
    case Qt::Key_Escape:
        return QString(QChar(27));
    case Qt::Key_Space:
        return QStringLiteral(" ");
    default:
        return {};
    }
}

// The focused widget inside the control (a grid's cell editor, say), else the control. A window that is
// not active (offscreen, scripts) still remembers which of its widgets has the focus.
QWidget& receiver(QWidget& control) {
    QWidget* focus = QApplication::focusWidget();
    if (!focus)
        focus = control.window()->focusWidget();
    return focus && (focus == &control || control.isAncestorOf(focus)) ? *focus : control;
}

void send(QWidget& control, int key, Qt::KeyboardModifiers modifiers, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(&receiver(control), &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(&receiver(control), &release);
}

// The window a key press belongs to for its shortcuts: a top-level window, or the MDI sub-window an
// embedded form lives in (Qt's shortcut map keeps each sub-window's shortcuts to itself).
QWidget* shortcutScope(QWidget* w) {
    while (w && !w->isWindow() && w->windowType() != Qt::SubWindow)
        w = w->parentWidget();
    return w;
}

bool matches(const QKeySequence& seq, const KeyStroke& s) {
    return seq.count() == 1 && seq[0].key() == s.key && seq[0].keyboardModifiers() == s.modifiers;
}

bool actionTakes(const QAction& a, const QWidget& owner, const QWidget& target, const KeyStroke& s) {
    if (!a.isEnabled() || !a.isVisible())
        return false;
    const Qt::ShortcutContext context = a.shortcutContext();
    if (context == Qt::WidgetShortcut && &owner != &target)
        return false;
    if (context == Qt::WidgetWithChildrenShortcut && !(&owner == &target || owner.isAncestorOf(&target)))
        return false;
    for (const QKeySequence& seq : a.shortcuts())
        if (matches(seq, s))
            return true;
    return false;
}

// What Qt's shortcut map does with a key the window system delivers, which sent events skip: unless the
// focused widget claims the key (an edit's Ctrl+A, say), the first enabled, visible action or button of
// the same window with that shortcut fires instead of the key press.
bool fireShortcut(QWidget& target, const KeyStroke& s) {
    if (s.key == 0)
        return false;
    QKeyEvent claim(QEvent::ShortcutOverride, s.key, s.modifiers, textOf(s));
    claim.ignore();
    QApplication::sendEvent(&target, &claim);
    if (claim.isAccepted())
        return false;
    QWidget* scope = shortcutScope(&target);
    if (!scope)
        return false;
    QList<QWidget*> widgets = scope->findChildren<QWidget*>();
    widgets.prepend(scope);
    for (QWidget* w : widgets) {
        if (shortcutScope(w) != scope) // a dialog of its own
            continue;
        for (QAction* a : w->actions())
            if (actionTakes(*a, *w, target, s)) {
                a->trigger();
                return true;
            }
        auto* button = qobject_cast<QAbstractButton*>(w);
        if (button && button->isEnabled() && button->isVisibleTo(scope) && matches(button->shortcut(), s)) {
            button->click();
            return true;
        }
    }
    return false;
}

// Qt sends no focus events in a window that is not active, so a key that moved the focus there (Tab)
// would leave the form's own focus tracking behind: tell the form, as the focus signal would.
void followFocus(QWidget& window, const QPointer<QWidget>& before) {
    QWidget* now = window.focusWidget();
    if (QApplication::focusWidget() || !now || now == before.data())
        return;
    for (QWidget* w = now; w; w = w->parentWidget())
        if (auto* form = dynamic_cast<FormBase*>(w)) {
            form->focusManager().qtFocusMoved(now);
            return;
        }
}

} // namespace

std::optional<KeyStroke> parseKeyName(std::string_view name) {
    const QString text = qs(name);
    const int plus = text.lastIndexOf(u'+', text.size() - 2);
    const QString base = plus >= 0 ? text.mid(plus + 1) : text;
    QString normalized = text;
    for (const auto& alias : kAliases)
        if (base.compare(qs(alias.name), Qt::CaseInsensitive) == 0)
            normalized = text.left(plus + 1) + QKeySequence(alias.key).toString(QKeySequence::PortableText);
    const QKeySequence seq(normalized, QKeySequence::PortableText);
    if (seq.count() != 1 || seq[0].key() == Qt::Key_unknown)
        return std::nullopt;
    return KeyStroke{seq[0].key(), seq[0].keyboardModifiers()};
}

void sendKey(QWidget& control, KeyStroke stroke) {
    if (fireShortcut(receiver(control), stroke))
        return;
    QWidget* window = control.window();
    const QPointer<QWidget> before = window->focusWidget();
    send(control, stroke.key, stroke.modifiers, textOf(stroke));
    followFocus(*window, before);
}

void typeText(QWidget& control, std::string_view text) {
    for (const QChar c : qs(text)) {
        const int key = c.isLetter() ? c.toUpper().unicode() : c.unicode();
        send(control, key, c.isUpper() ? Qt::ShiftModifier : Qt::NoModifier, QString(c));
    }
}

} // namespace vq::gui

// Driver commands that type: set (replace the text), type (key by key) and key (one named key). Keys go
// through the control's key slots and masks exactly as the user's keys do.

#include "host/driver_impl.h"
#include "platform/gui/choices.h"
#include "platform/gui/edit.h"
#include "platform/gui/key_input.h"
#include "platform/gui/text_controls.h"

#include <QAbstractSpinBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <algorithm>

namespace vq::host {
namespace {

void pressDelete(QWidget& widget) {
    gui::sendKey(widget, {Qt::Key_Delete, Qt::NoModifier});
}

bool takesText(QWidget& widget) {
    return dynamic_cast<QLineEdit*>(&widget) || dynamic_cast<QPlainTextEdit*>(&widget) ||
           dynamic_cast<QTextEdit*>(&widget) || dynamic_cast<QAbstractSpinBox*>(&widget);
}

// Selects everything and deletes it as the user would.
void clearAsUser(QWidget& widget) {
    if (auto* line = dynamic_cast<QLineEdit*>(&widget)) {
        line->selectAll();
        pressDelete(*line);
        line->setCursorPosition(0);
    } else if (auto* memo = dynamic_cast<QPlainTextEdit*>(&widget)) {
        memo->selectAll();
        pressDelete(*memo);
    } else if (auto* rich = dynamic_cast<QTextEdit*>(&widget)) {
        rich->selectAll();
        pressDelete(*rich);
    } else if (auto* spin = dynamic_cast<QAbstractSpinBox*>(&widget)) {
        spin->selectAll();
        pressDelete(*spin);
    }
}

} // namespace

void Driver::Impl::cmdSet(const ScriptLine& line) {
    const std::string& name = line.words[1];
    const std::string text = line.words[2];
    QWidget& widget = usableWidget(*findComponent(name), name);
    if (auto* combo = dynamic_cast<gui::ComboBox*>(&widget); combo && !combo->isEditable()) {
        const std::vector<std::string> items = combo->Items();
        const auto it = std::find(items.begin(), items.end(), text);
        if (it == items.end())
            throw DriverError(name + " não tem o item " + text);
        userAction("set " + name,
                   [combo, index = static_cast<int>(it - items.begin())] { combo->Choose(index); });
        return;
    }
    QWidget* target = &widget;
    if (auto* combo = dynamic_cast<gui::ComboBox*>(&widget))
        target = combo->lineEdit();
    if (!target || !takesText(*target))
        throw DriverError(name + " não aceita texto digitado");
    userAction("set " + name, [target, &widget, text] {
        clearAsUser(*target);
        gui::typeText(widget, text);
    });
}

void Driver::Impl::cmdType(const ScriptLine& line) {
    const std::string& name = line.words[1];
    QWidget& widget = usableWidget(*findComponent(name), name);
    userAction("type " + name, [&widget, text = line.words[2]] { gui::typeText(widget, text); });
}

void Driver::Impl::cmdKey(const ScriptLine& line) {
    const std::string& name = line.words[1];
    const auto stroke = gui::parseKeyName(line.words[2]);
    if (!stroke)
        throw DriverError("tecla desconhecida: " + line.words[2]);
    QWidget& widget = usableWidget(*findComponent(name), name);
    userAction("key " + name, [&widget, s = *stroke] { gui::sendKey(widget, s); });
}

} // namespace vq::host

#include "platform/gui/text_controls.h"

#include "platform/gui/qt_text.h"

namespace vq::gui {

// ---- Memo

Memo::Memo(QWidget* parent) : ControlOf<QPlainTextEdit>(parent) {
    setTabChangesFocus(true);
    connect(this, &QPlainTextEdit::textChanged, this, [this] { userChanged(); });
}

std::string Memo::Text() const {
    return ss(toPlainText());
}

void Memo::showText(const QString& text) {
    const bool blocked = blockSignals(true);
    setPlainText(text);
    blockSignals(blocked);
}

void Memo::SetText(std::string_view text) {
    const QString value = qs(text);
    if (value == toPlainText())
        return;
    showText(value);
    if (OnChange)
        OnChange();
}

void Memo::handleKey(QKeyEvent* e) {
    const QString typed = e->text();
    if (MaxLength > 0 && typed.size() == 1 && (typed.at(0).isPrint() || typed.at(0) == u'\r') &&
        !textCursor().hasSelection() && toPlainText().size() >= MaxLength)
        return; // full
    ControlOf<QPlainTextEdit>::handleKey(e);
}

void Memo::userChanged() {
    fire("OnChange", OnChange);
}

// ---- RichMemo

RichMemo::RichMemo(QWidget* parent) : ControlOf<QTextEdit>(parent) {
    setTabChangesFocus(true);
    connect(this, &QTextEdit::textChanged, this, [this] { userChanged(); });
}

std::string RichMemo::Text() const {
    return ss(toPlainText());
}
std::string RichMemo::RichText() const {
    return ss(toHtml());
}

void RichMemo::showText(const QString& text, bool rich) {
    const bool blocked = blockSignals(true);
    if (rich)
        setHtml(text);
    else
        setPlainText(text);
    blockSignals(blocked);
}

void RichMemo::SetText(std::string_view text) {
    showText(qs(text), false);
    if (OnChange)
        OnChange();
}

void RichMemo::SetRichText(std::string_view html) {
    showText(qs(html), true);
    if (OnChange)
        OnChange();
}

void RichMemo::userChanged() {
    fire("OnChange", OnChange);
}

// ---- SpinEdit

SpinEdit::SpinEdit(QWidget* parent) : ControlOf<QSpinBox>(parent) {
    setRange(0, 999999);
    connect(this, &QSpinBox::valueChanged, this, [this] { fire("OnChange", OnChange); });
}

void SpinEdit::SetValue(int v) {
    if (v == value())
        return;
    const bool blocked = blockSignals(true);
    setValue(v);
    blockSignals(blocked);
    if (OnChange)
        OnChange();
}

} // namespace vq::gui

#include "platform/gui/control.h"

#include "platform/gui/form_base.h"

namespace vq::gui {

Control::Control(QWidget& self) : self_(self) {}

Control::~Control() = default;

std::string Control::Name() const {
    return self_.objectName().toStdString();
}

bool Control::Enabled() const {
    return !self_.testAttribute(Qt::WA_ForceDisabled);
}

void Control::SetEnabled(bool on) {
    self_.setEnabled(on);
}

bool Control::Visible() const {
    return !self_.isHidden();
}

void Control::SetVisible(bool on) {
    self_.setVisible(on);
}

void Control::SetColor(const QColor& color) {
    color_ = color;
    QPalette p = self_.palette();
    p.setColor(colorRole(), color);
    self_.setPalette(p);
    if (colorRole() == QPalette::Window)
        self_.setAutoFillBackground(true);
}

std::string Control::Hint() const {
    return self_.toolTip().toStdString();
}

void Control::SetHint(std::string_view hint) {
    self_.setToolTip(QString::fromUtf8(hint.data(), static_cast<qsizetype>(hint.size())));
}

bool Control::TabStop() const {
    return (self_.focusPolicy() & Qt::TabFocus) != 0;
}

void Control::SetTabStop(bool on) {
    const int policy = self_.focusPolicy();
    self_.setFocusPolicy(
        static_cast<Qt::FocusPolicy>(on ? (policy | Qt::TabFocus) : (policy & ~Qt::TabFocus)));
}

FormBase* Control::Form() const {
    for (QWidget* w = self_.parentWidget(); w; w = w->parentWidget())
        if (auto* f = dynamic_cast<FormBase*>(w))
            return f;
    return nullptr;
}

bool Control::CanFocus() const {
    if (FormBase* f = Form())
        return f->focusManager().canFocus(*this);
    return self_.isEnabled() && self_.isVisibleTo(self_.window());
}

bool Control::Focused() const {
    if (FormBase* f = Form())
        return f->focusManager().active() == this;
    return self_.hasFocus();
}

void Control::SetFocus() {
    if (FormBase* f = Form()) {
        f->focusManager().setFocus(*this);
        return;
    }
    self_.setFocus(Qt::OtherFocusReason);
}

bool Control::SelectNext(Control* current, bool forward, bool checkTabStop) {
    FormBase* f = Form();
    return f && f->focusManager().selectNext(self_, current, forward, checkTabStop);
}

char16_t Control::keyChar(const QKeyEvent& e) {
    const QString text = e.text();
    if (text.size() == 1)
        return text.at(0).unicode();
    switch (e.key()) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
        return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Escape:
        return 27;
    default:
        return 0;
    }
}

std::unique_ptr<QKeyEvent> Control::keyEventFor(char16_t ch, Qt::KeyboardModifiers modifiers) {
    int key = 0;
    switch (ch) {
    case 8:
        key = Qt::Key_Backspace;
        break;
    case 9:
        key = Qt::Key_Tab;
        break;
    case 13:
        key = Qt::Key_Return;
        break;
    case 27:
        key = Qt::Key_Escape;
        break;
    default:
        key = QChar(ch).toUpper().unicode();
    }
    return std::make_unique<QKeyEvent>(QEvent::KeyPress, key, modifiers, QString(QChar(ch)));
}

QKeyEvent* Control::filterKey(QKeyEvent* e, std::unique_ptr<QKeyEvent>& replacement) {
    const Qt::KeyboardModifiers modifiers = e->modifiers();
    FormBase* form = Form();
    const bool preview = form && form->KeyPreview;
    int key = e->key();
    for (const KeyEvent* slot : {preview ? &form->OnKeyDown : nullptr, &OnKeyDown}) {
        if (!slot || !*slot)
            continue;
        if (!fire("OnKeyDown", *slot, key, modifiers) || key == 0)
            return nullptr;
    }
    if (key != e->key())
        replacement = std::make_unique<QKeyEvent>(QEvent::KeyPress, key, modifiers, QString());
    QKeyEvent* current = replacement ? replacement.get() : e;
    const char16_t original = keyChar(*current);
    char16_t ch = original;
    if (ch != 0) {
        for (const KeyPressEvent* slot : {preview ? &form->OnKeyPress : nullptr, &OnKeyPress}) {
            if (!slot || !*slot)
                continue;
            if (!fire("OnKeyPress", *slot, ch) || ch == 0)
                return nullptr;
        }
    }
    if (ch != original)
        replacement = keyEventFor(ch, modifiers);
    return replacement ? replacement.get() : e;
}

} // namespace vq::gui

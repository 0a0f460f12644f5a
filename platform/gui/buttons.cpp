#include "platform/gui/buttons.h"

#include "platform/gui/menus.h"
#include "platform/gui/qt_text.h"

namespace vq::gui {

Button::Button(QWidget* parent) : ControlOf<QPushButton>(parent) {
    connect(this, &QAbstractButton::clicked, this, [this] { fire("OnClick", OnClick); });
}
std::string Button::Caption() const {
    return ss(text());
}
void Button::SetCaption(std::string_view caption) {
    setText(qs(caption));
}
void Button::Click() {
    if (OnClick)
        OnClick();
}

ToolButton::ToolButton(QWidget* parent) : ControlOf<QToolButton>(parent) {
    setFocusPolicy(Qt::NoFocus); // speed buttons never take the focus from the edit being typed in
    setAutoRaise(true);
    connect(this, &QAbstractButton::clicked, this, [this] { fire("OnClick", OnClick); });
}
std::string ToolButton::Caption() const {
    return ss(text());
}
void ToolButton::SetCaption(std::string_view caption) {
    setText(qs(caption));
}
void ToolButton::SetDown(bool down) {
    setCheckable(true);
    setChecked(down);
}
void ToolButton::Click() {
    if (OnClick)
        OnClick();
}
void ToolButton::FollowEnabled(MenuItem& item) {
    setEnabled(item.isEnabled());
    connect(&item, &QAction::enabledChanged, this, [this](bool on) { setEnabled(on); });
}

CheckBox::CheckBox(QWidget* parent) : ControlOf<QCheckBox>(parent) {
    connect(this, &QAbstractButton::clicked, this, [this] { userToggled(); });
}
std::string CheckBox::Caption() const {
    return ss(text());
}
void CheckBox::SetCaption(std::string_view caption) {
    setText(qs(caption));
}

void CheckBox::setStateQuietly(Qt::CheckState state) {
    const bool blocked = blockSignals(true);
    setCheckState(state);
    blockSignals(blocked);
}

void CheckBox::SetChecked(bool on) {
    const Qt::CheckState state = on ? Qt::Checked : Qt::Unchecked;
    if (checkState() == state)
        return;
    setStateQuietly(state);
    if (OnClick)
        OnClick();
}

void CheckBox::userToggled() {
    fire("OnClick", OnClick);
}

} // namespace vq::gui

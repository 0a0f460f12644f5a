#include "platform/gui/radio_button.h"

#include "platform/gui/guard.h"
#include "platform/gui/qt_text.h"

namespace vq::gui {

RadioButton::RadioButton(QWidget* parent) : ControlOf<QRadioButton>(parent) {
    // Only a change runs OnClick: clicking the checked button again does nothing, as in the classic control.
    connect(this, &QAbstractButton::toggled, this, [this](bool checked) {
        if (checked)
            fire("OnClick", OnClick);
    });
}

std::string RadioButton::Caption() const {
    return ss(text());
}
void RadioButton::SetCaption(std::string_view caption) {
    setText(qs(caption));
}

void RadioButton::SetChecked(bool on) {
    if (on == isChecked())
        return;
    const bool blocked = blockSignals(true); // code gets OnClick's exceptions, not the guard
    setChecked(on);
    blockSignals(blocked);
    if (on && OnClick)
        OnClick();
}

} // namespace vq::gui

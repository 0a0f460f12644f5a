#pragma once
// A single radio button (RadioGroup is the multi-item control). Buttons of one parent exclude each other.
// Delphi semantics: OnClick runs when the button becomes checked, from the user (inside the guard) or
// from SetChecked/Click (exceptions reach the caller); unchecking runs nothing, since another button of
// the group takes the check.

#include "platform/gui/control.h"

#include <QRadioButton>
#include <string>
#include <string_view>

namespace vq::gui {

class RadioButton : public ControlOf<QRadioButton> {
public:
    explicit RadioButton(QWidget* parent = nullptr);
    std::string Caption() const;
    void SetCaption(std::string_view caption);
    bool Checked() const { return isChecked(); }
    void SetChecked(bool on);
    void Click() { SetChecked(true); }
};

} // namespace vq::gui

#pragma once
// A single radio button (the layout tables have radio groups only). Buttons of one parent exclude each
// other. OnClick runs when the user clicks (inside the guard) and when code checks it (exceptions reach
// the caller), as the filter's all/list buttons expect.

#include "platform/gui/control.h"

#include <QRadioButton>
#include <string>
#include <string_view>

namespace vq::filter {

class RadioButton : public gui::ControlOf<QRadioButton> {
public:
    explicit RadioButton(QWidget* parent = nullptr);
    std::string Caption() const;
    void SetCaption(std::string_view caption);
    bool Checked() const { return isChecked(); }
    // Checking runs OnClick; unchecking does not (another button of the group takes the check).
    void SetChecked(bool on);
    void Click() { SetChecked(true); }
};

// Creates a radio button named `name` in `container`'s grid at (row, col).
RadioButton& addRadioButton(QWidget& container, std::string_view name, std::string_view caption, int row,
                            int col);

} // namespace vq::filter

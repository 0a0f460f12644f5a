#pragma once
// Buttons, tool buttons and the check box. OnClick runs inside the guard when the user clicks; Click()
// runs it for code (exceptions reach the caller), whatever the enabled state (the driver checks that).

#include "platform/gui/control.h"

#include <QCheckBox>
#include <QPushButton>
#include <QToolButton>
#include <string>
#include <string_view>

namespace vq::gui {

class MenuItem;

class Button : public ControlOf<QPushButton> {
public:
    explicit Button(QWidget* parent = nullptr);
    std::string Caption() const;
    void SetCaption(std::string_view caption);
    void Click();
};

class ToolButton : public ControlOf<QToolButton> {
public:
    explicit ToolButton(QWidget* parent = nullptr);
    std::string Caption() const;
    void SetCaption(std::string_view caption);
    bool Down() const { return isChecked(); }
    void SetDown(bool down);
    void Click();
    // Keeps Enabled equal to the menu item's from now on.
    void FollowEnabled(MenuItem& item);
};

// Delphi semantics: OnClick runs whenever Checked changes, from the user or from SetChecked.
class CheckBox : public ControlOf<QCheckBox> {
public:
    explicit CheckBox(QWidget* parent = nullptr);
    std::string Caption() const;
    void SetCaption(std::string_view caption);
    bool Checked() const { return checkState() == Qt::Checked; }
    void SetChecked(bool on);
    virtual void Click() { SetChecked(!Checked()); }

protected:
    void setStateQuietly(Qt::CheckState state);
    // The user toggled the box (state already changed); default: OnClick in the guard.
    virtual void userToggled();
};

} // namespace vq::gui

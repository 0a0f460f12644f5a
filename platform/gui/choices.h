#pragma once
// Combo box and radio group: items, the chosen index, and optional stored values per item.

#include "platform/gui/control.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <string>
#include <string_view>
#include <vector>

namespace vq::gui {

// DropDown lets the user type any text; DropDownList only picks an item.
enum class ComboStyle { DropDown, DropDownList };

// OnChange runs (inside the guard) when the user picks an item or types; SetItemIndex/SetText do not
// fire it.
class ComboBox : public ControlOf<QComboBox> {
public:
    explicit ComboBox(QWidget* parent = nullptr);

    NotifyEvent OnChange;
    std::vector<std::string> Values; // stored value of each item; empty: the item text is the value

    ComboStyle Style() const { return isEditable() ? ComboStyle::DropDown : ComboStyle::DropDownList; }
    void SetStyle(ComboStyle style);
    std::vector<std::string> Items() const;
    void SetItems(const std::vector<std::string>& items);
    int ItemIndex() const { return currentIndex(); }
    void SetItemIndex(int index); // -1: nothing chosen
    std::string Text() const;
    void SetText(std::string_view text); // a list style picks the matching item, or none
    std::string Value() const;           // Values[ItemIndex] (or Text without Values)
    void SetValue(std::string_view value);
    int IndexOfValue(std::string_view value) const;
    // As the user picking an item: exceptions reach the caller; OnChange runs after the choice.
    void Choose(int index);

protected:
    // A choice is about to be made; false refuses it quietly (data-aware combos edit and store here).
    virtual bool commitChoice(int index) {
        (void)index;
        return true;
    }
    virtual void restoreChoice() {}
    // The user typed into a DropDown combo.
    virtual void userTyped();
    void setIndexQuietly(int index);
};

// OnClick and OnChange run whenever the chosen item changes, from the user (inside the guard) or from
// SetItemIndex (exceptions reach the caller).
class RadioGroup : public ControlOf<QGroupBox> {
public:
    explicit RadioGroup(QWidget* parent = nullptr);

    NotifyEvent OnChange;
    std::vector<std::string> Values; // stored value of each item; empty: the item text

    std::string Caption() const;
    void SetCaption(std::string_view caption);
    std::vector<std::string> Items() const { return items_; }
    void SetItems(const std::vector<std::string>& items);
    int Columns() const { return columns_; }
    void SetColumns(int columns);
    int ItemIndex() const { return group_.checkedId(); }
    void SetItemIndex(int index);
    std::string Value() const;
    void SetValue(std::string_view value); // an unknown value chooses nothing
    int IndexOfValue(std::string_view value) const;
    // As the user clicking an item: exceptions reach the caller.
    void Choose(int index);

protected:
    QPalette::ColorRole colorRole() const override { return QPalette::Window; }
    void setIndexQuietly(int index);
    // See ComboBox.
    virtual bool commitChoice(int index) {
        (void)index;
        return true;
    }
    virtual void restoreChoice() { setIndexQuietly(last_); }

private:
    void rebuild();
    std::vector<std::string> items_;
    int columns_ = 1;
    int last_ = -1;
    QButtonGroup group_;
};

// Installs a filter on `child` that runs `owner`'s key slots for keys typed into the child (radio
// buttons, a grid's cell editor).
void filterKeysOf(Control& owner, QWidget& child);

} // namespace vq::gui

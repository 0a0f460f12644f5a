#pragma once
// Data-aware controls: each follows its field (state, current row, OnGetText text) and, when the user
// changes it, first puts the dataset in edit (a read-only dataset drops the key), then hands the value
// back. Text controls keep typed text pending until the focus leaves or the dataset asks before a post
// ("update data"); choice controls (list combo, check box, radio group) store the choice at once.
// Reloads fire OnChange directly; user changes fire it inside the guard.

#include "platform/gui/buttons.h"
#include "platform/gui/choices.h"
#include "platform/gui/edit.h"
#include "platform/gui/field_binding.h"
#include "platform/gui/text_controls.h"

#include <string>
#include <vector>

namespace vq::gui {

class DbEdit : public Edit, public FieldBinding {
public:
    explicit DbEdit(QWidget* parent = nullptr);
    void beforeExit() override; // writes pending text to the field; an invalid value keeps the focus

protected:
    void handleKey(QKeyEvent* e) override;
    void userChanged() override;
    void codeChanged() override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void load();
    void store();
    std::string defaultMask_; // used when the field has no mask of its own
};

// A DbEdit for date fields: dd/mm/yyyy unless the field has its own mask.
class DbDateEdit : public DbEdit {
public:
    explicit DbDateEdit(QWidget* parent = nullptr);
};

// The multi-line texts: typed text stays pending until the focus leaves or the dataset posts.
template <class TextControl> class DbText : public TextControl, public FieldBinding {
public:
    explicit DbText(QWidget* parent = nullptr);
    void beforeExit() override;

protected:
    void handleKey(QKeyEvent* e) override;
    void userChanged() override;
};
extern template class DbText<Memo>;
extern template class DbText<RichMemo>;

// Takes no more characters than a string field holds.
class DbMemo : public DbText<Memo> {
public:
    using DbText::DbText;
};

// Stores the plain text of what is typed.
class DbRichEdit : public DbText<RichMemo> {
public:
    using DbText::DbText;
};

// With Values, item i stands for the stored value Values[i]; without, the item text is stored.
class DbComboBox : public ComboBox, public FieldBinding {
public:
    explicit DbComboBox(QWidget* parent = nullptr);
    bool ReadOnly = false;
    void beforeExit() override; // a DropDown combo writes its typed text

protected:
    void handleKey(QKeyEvent* e) override;
    bool commitChoice(int index) override;
    void restoreChoice() override { load(); }
    void userTyped() override;
    void load();
};

// Ticked when the field holds one of ValueChecked ("S;Sim" lists the accepted ones, the first is
// stored), not ticked for ValueUnchecked, greyed otherwise (null included). Boolean fields map directly.
class DbCheckBox : public CheckBox, public FieldBinding {
public:
    explicit DbCheckBox(QWidget* parent = nullptr);
    std::string ValueChecked = "S";
    std::string ValueUnchecked = "N";
    bool ReadOnly = false;
    void Click() override; // as the user: edit, toggle, store, OnClick; exceptions reach the caller

protected:
    void nextCheckState() override;
    void userToggled() override;
    void load();
    void store();
};

// OnChange also runs when the field's value changes from the data.
class DbRadioGroup : public RadioGroup, public FieldBinding {
public:
    explicit DbRadioGroup(QWidget* parent = nullptr);
    bool ReadOnly = false;

protected:
    bool commitChoice(int index) override;
    void restoreChoice() override { load(true); }
    void load(bool force = false);

private:
    std::string value_;
    bool loaded_ = false;
};

} // namespace vq::gui

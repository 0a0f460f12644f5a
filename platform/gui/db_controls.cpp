#include "platform/gui/db_controls.h"

#include "platform/data/client_data_set.h"
#include "platform/data/field.h"
#include "platform/gui/qt_text.h"

#include <QKeySequence>
#include <type_traits>

namespace vq::gui {
namespace {

bool isEditingKey(const QKeyEvent& e) {
    if (e.matches(QKeySequence::Paste) || e.matches(QKeySequence::Cut))
        return true;
    if (e.key() == Qt::Key_Backspace || e.key() == Qt::Key_Delete)
        return true;
    const QString t = e.text();
    return t.size() == 1 && t.at(0).isPrint() && !(e.modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}

// Characters a numeric field can never take are refused before the dataset goes to edit.
bool acceptsChar(const vq::Field& f, QChar c) {
    switch (f.DataType()) {
    case FieldType::Integer:
    case FieldType::SmallInt:
        return c.isDigit() || c == u'-' || c == u'+';
    case FieldType::Float:
        return c.isDigit() || c == u'-' || c == u'+' || c == u',' || c == u'e' || c == u'E';
    default:
        return true;
    }
}

// Puts the dataset in edit before the user's change; false drops the change.
bool beginEdit(FieldDataLink& link) {
    bool editing = false;
    guarded("edição", [&] { editing = link.edit(); });
    return editing;
}

// Whether an editing key may go through to a bound control.
bool allowKey(FieldDataLink& link, const QKeyEvent& e) {
    vq::Field* f = link.field();
    if (!f)
        return false; // bound without a field: read-only
    const QString t = e.text();
    if (t.size() == 1 && t.at(0).isPrint() && !acceptsChar(*f, t.at(0)))
        return false;
    return beginEdit(link);
}

bool inList(const std::string& list, const std::string& value) {
    const QString v = qs(value);
    for (const QString& item : qs(list).split(u';'))
        if (item.compare(v, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

std::string firstOf(const std::string& list) {
    return list.substr(0, list.find(';'));
}

} // namespace

// ---- DbEdit

DbEdit::DbEdit(QWidget* parent) : Edit(parent) {
    link_.onDataChange = [this] { load(); };
    link_.onUpdateData = [this] { store(); };
}

void DbEdit::load() {
    vq::Field* f = Field();
    const std::string maskText = f && !f->EditMask().empty() ? f->EditMask() : defaultMask_;
    if (maskText != EditMask())
        SetEditMask(maskText);
    QString shown;
    if (f) {
        if (!mask().empty())
            shown = qs(maskEditText(mask(), f->Text()));
        else
            shown = qs(hasFocus() && link_.canModify() ? f->Text() : f->DisplayText());
        SetMaxLength(f->DataType() == FieldType::String && mask().empty() ? f->Size() : 0);
    }
    if (shown == text())
        return;
    showText(shown);
    if (OnChange)
        OnChange();
}

void DbEdit::store() {
    if (vq::Field* f = Field()) {
        checkMaskComplete();
        f->SetText(Text());
    }
}

void DbEdit::beforeExit() {
    link_.updateData();
}

void DbEdit::handleKey(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape && link_.isModified()) {
        link_.reset();
        selectAll();
        e->accept();
        return;
    }
    if (bound() && !isReadOnly() && isEditingKey(*e) && !allowKey(link_, *e)) {
        e->accept();
        return;
    }
    Edit::handleKey(e);
}

void DbEdit::userChanged() {
    if (bound())
        link_.modified();
    Edit::userChanged();
}

void DbEdit::codeChanged() {
    if (link_.editing())
        link_.modified();
}

void DbEdit::focusInEvent(QFocusEvent* e) {
    Edit::focusInEvent(e);
    if (bound() && !link_.isModified())
        guarded("foco", [this] { load(); }); // the editing form of the value (no display format)
}

void DbEdit::focusOutEvent(QFocusEvent* e) {
    Edit::focusOutEvent(e);
    if (bound() && !link_.isModified())
        guarded("foco", [this] { load(); });
}

DbDateEdit::DbDateEdit(QWidget* parent) : DbEdit(parent) {
    defaultMask_ = "!99/99/0000;1;_";
    SetEditMask(defaultMask_);
}

// ---- DbMemo, DbRichEdit

template <class TextControl> DbText<TextControl>::DbText(QWidget* parent) : TextControl(parent) {
    link_.onDataChange = [this] {
        vq::Field* f = Field();
        if constexpr (std::is_same_v<TextControl, Memo>)
            this->MaxLength = f && f->DataType() == FieldType::String ? f->Size() : 0;
        const QString value = f ? qs(f->Text()) : QString();
        if (value == this->toPlainText())
            return;
        this->showText(value);
        if (this->OnChange)
            this->OnChange();
    };
    link_.onUpdateData = [this] {
        if (vq::Field* f = Field())
            f->SetText(this->Text());
    };
}

template <class TextControl> void DbText<TextControl>::beforeExit() {
    link_.updateData();
}

template <class TextControl> void DbText<TextControl>::handleKey(QKeyEvent* e) {
    const bool editing = isEditingKey(*e) || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if (bound() && !this->isReadOnly() && editing && !allowKey(link_, *e)) {
        e->accept();
        return;
    }
    TextControl::handleKey(e);
}

template <class TextControl> void DbText<TextControl>::userChanged() {
    if (bound())
        link_.modified();
    TextControl::userChanged();
}

template class DbText<Memo>;
template class DbText<RichMemo>;

// ---- DbComboBox

DbComboBox::DbComboBox(QWidget* parent) : ComboBox(parent) {
    link_.onDataChange = [this] { load(); };
    link_.onUpdateData = [this] {
        if (vq::Field* f = Field())
            f->SetText(Values.empty() ? Text() : Value());
    };
}

void DbComboBox::load() {
    vq::Field* f = Field();
    if (!f)
        SetText("");
    else if (!Values.empty())
        setIndexQuietly(IndexOfValue(f->AsString()));
    else
        SetText(f->Text());
}

void DbComboBox::beforeExit() {
    link_.updateData();
}

void DbComboBox::handleKey(QKeyEvent* e) {
    if (bound() && Style() == ComboStyle::DropDown && isEditingKey(*e) &&
        (ReadOnly || !allowKey(link_, *e))) {
        e->accept();
        return;
    }
    ComboBox::handleKey(e);
}

bool DbComboBox::commitChoice(int index) {
    if (!bound())
        return true;
    vq::Field* f = Field();
    if (ReadOnly || !f || index < 0 || index >= count() || !link_.edit())
        return false;
    const std::string value = Values.empty() ? ss(itemText(index))
                              : static_cast<std::size_t>(index) < Values.size()
                                  ? Values[static_cast<std::size_t>(index)]
                                  : std::string();
    if (f->AsString() != value || f->IsNull())
        f->SetText(value);
    return true;
}

void DbComboBox::userTyped() {
    if (bound())
        link_.modified();
    ComboBox::userTyped();
}

// ---- DbCheckBox

DbCheckBox::DbCheckBox(QWidget* parent) : CheckBox(parent) {
    link_.onDataChange = [this] { load(); };
}

void DbCheckBox::load() {
    vq::Field* f = Field();
    Qt::CheckState state = Qt::Unchecked;
    if (f && f->IsNull())
        state = Qt::PartiallyChecked;
    else if (f && f->DataType() == FieldType::Boolean)
        state = f->AsBoolean() ? Qt::Checked : Qt::Unchecked;
    else if (f)
        state = inList(ValueChecked, f->AsString())     ? Qt::Checked
                : inList(ValueUnchecked, f->AsString()) ? Qt::Unchecked
                                                        : Qt::PartiallyChecked;
    setStateQuietly(state);
}

void DbCheckBox::store() {
    vq::Field* f = Field();
    if (!f)
        return;
    if (f->DataType() == FieldType::Boolean)
        f->SetAsBoolean(Checked());
    else
        f->SetText(firstOf(Checked() ? ValueChecked : ValueUnchecked));
}

void DbCheckBox::nextCheckState() {
    if (bound() && (ReadOnly || !Field() || !beginEdit(link_)))
        return;
    setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

void DbCheckBox::userToggled() {
    if (bound() && Field() && !guarded("edição", [this] { store(); })) {
        guarded("edição", [this] { load(); });
        return;
    }
    CheckBox::userToggled();
}

void DbCheckBox::Click() {
    if (!bound()) {
        CheckBox::Click();
        return;
    }
    if (ReadOnly || !Field() || !link_.edit())
        return;
    setStateQuietly(Checked() ? Qt::Unchecked : Qt::Checked);
    try {
        store();
    } catch (...) {
        load();
        throw;
    }
    if (OnClick)
        OnClick();
}

// ---- DbRadioGroup

DbRadioGroup::DbRadioGroup(QWidget* parent) : RadioGroup(parent) {
    link_.onDataChange = [this] { load(); };
}

void DbRadioGroup::load(bool force) {
    vq::Field* f = Field();
    const std::string v = f ? (Values.empty() ? f->Text() : f->AsString()) : std::string();
    const bool changed = !loaded_ || v != value_;
    if (!changed && !force)
        return;
    value_ = v;
    loaded_ = true;
    setIndexQuietly(IndexOfValue(v));
    if (changed && OnChange)
        OnChange();
}

bool DbRadioGroup::commitChoice(int index) {
    if (!bound())
        return true;
    vq::Field* f = Field();
    const auto& source = Values.empty() ? Items() : Values;
    if (ReadOnly || !f || index < 0 || static_cast<std::size_t>(index) >= source.size() || !link_.edit())
        return false;
    value_ = source[static_cast<std::size_t>(index)];
    loaded_ = true;
    f->SetText(value_);
    return true;
}

} // namespace vq::gui

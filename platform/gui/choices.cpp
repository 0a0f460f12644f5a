#include "platform/gui/choices.h"

#include "platform/gui/containers.h"
#include "platform/gui/qt_text.h"

#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>

namespace vq::gui {
namespace {

class KeyFilter : public QObject {
public:
    KeyFilter(Control& owner, QWidget& child) : QObject(&child), owner_(owner) {}

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() != QEvent::KeyPress || busy_)
            return false;
        auto* key = static_cast<QKeyEvent*>(e);
        std::unique_ptr<QKeyEvent> replacement;
        QKeyEvent* pass = owner_.filterKey(key, replacement);
        if (!pass)
            return true;
        if (pass == key)
            return false;
        busy_ = true;
        QApplication::sendEvent(watched, pass);
        busy_ = false;
        return true;
    }

private:
    Control& owner_;
    bool busy_ = false;
};

int indexIn(const std::vector<std::string>& values, std::string_view value) {
    for (std::size_t i = 0; i < values.size(); ++i)
        if (values[i] == value)
            return static_cast<int>(i);
    return -1;
}

// Commits a choice; when the commit refuses or throws, the shown choice goes back. True when it stands.
template <class Commit, class Restore> bool commitOrRestore(Commit commit, Restore restore) {
    bool accepted = false;
    try {
        accepted = commit();
    } catch (...) {
        restore();
        throw;
    }
    if (!accepted)
        restore();
    return accepted;
}

} // namespace

void filterKeysOf(Control& owner, QWidget& child) {
    child.installEventFilter(new KeyFilter(owner, child));
}

// ---- ComboBox

ComboBox::ComboBox(QWidget* parent) : ControlOf<QComboBox>(parent) {
    setInsertPolicy(QComboBox::NoInsert);
    connect(this, &QComboBox::activated, this,
            [this](int index) { guarded("seleção", [&] { Choose(index); }); });
}

void ComboBox::SetStyle(ComboStyle style) {
    setEditable(style == ComboStyle::DropDown);
    if (QLineEdit* edit = lineEdit())
        connect(edit, &QLineEdit::textEdited, this, [this] { userTyped(); });
}

std::vector<std::string> ComboBox::Items() const {
    std::vector<std::string> out;
    for (int i = 0; i < count(); ++i)
        out.push_back(ss(itemText(i)));
    return out;
}

void ComboBox::SetItems(const std::vector<std::string>& items) {
    const bool blocked = blockSignals(true);
    const QString text = currentText();
    clear();
    for (const auto& item : items)
        addItem(qs(item));
    setCurrentIndex(-1);
    if (isEditable())
        setEditText(text);
    blockSignals(blocked);
}

void ComboBox::setIndexQuietly(int index) {
    const bool blocked = blockSignals(true);
    setCurrentIndex(index >= 0 && index < count() ? index : -1);
    blockSignals(blocked);
}

void ComboBox::SetItemIndex(int index) {
    setIndexQuietly(index);
}

std::string ComboBox::Text() const {
    return ss(currentText());
}

void ComboBox::SetText(std::string_view text) {
    const int index = findText(qs(text), Qt::MatchExactly);
    setIndexQuietly(index);
    if (isEditable()) {
        const bool blocked = blockSignals(true);
        setEditText(qs(text));
        blockSignals(blocked);
    }
}

std::string ComboBox::Value() const {
    const int i = currentIndex();
    if (!Values.empty())
        return i >= 0 && static_cast<std::size_t>(i) < Values.size() ? Values[static_cast<std::size_t>(i)]
                                                                     : "";
    return Text();
}

int ComboBox::IndexOfValue(std::string_view value) const {
    return Values.empty() ? findText(qs(value), Qt::MatchExactly) : indexIn(Values, value);
}

void ComboBox::SetValue(std::string_view value) {
    if (Values.empty())
        SetText(value);
    else
        setIndexQuietly(IndexOfValue(value));
}

void ComboBox::Choose(int index) {
    if (!commitOrRestore([&] { return commitChoice(index); }, [&] { restoreChoice(); }))
        return;
    setIndexQuietly(index);
    if (OnChange)
        OnChange();
}

void ComboBox::userTyped() {
    fire("OnChange", OnChange);
}

// ---- RadioGroup

RadioGroup::RadioGroup(QWidget* parent) : ControlOf<QGroupBox>(parent) {
    initColor(colors::Disabled);
    setFocusPolicy(Qt::NoFocus);
    group_.setExclusive(true);
    connect(&group_, &QButtonGroup::idClicked, this, [this](int id) {
        if (id != last_)
            guarded("seleção", [&] { Choose(id); });
    });
}

std::string RadioGroup::Caption() const {
    return ss(title());
}
void RadioGroup::SetCaption(std::string_view caption) {
    setTitle(qs(caption));
}

void RadioGroup::SetItems(const std::vector<std::string>& items) {
    items_ = items;
    rebuild();
}

void RadioGroup::SetColumns(int columns) {
    columns_ = columns > 0 ? columns : 1;
    rebuild();
}

void RadioGroup::rebuild() {
    const int chosen = ItemIndex();
    for (QAbstractButton* b : group_.buttons()) {
        group_.removeButton(b);
        delete b;
    }
    QGridLayout& grid = gridOf(*this);
    const int rows = (static_cast<int>(items_.size()) + columns_ - 1) / columns_;
    for (std::size_t i = 0; i < items_.size(); ++i) {
        auto* b = new QRadioButton(qs(items_[i]), this);
        filterKeysOf(*this, *b);
        group_.addButton(b, static_cast<int>(i));
        const int n = static_cast<int>(i);
        grid.addWidget(b, rows > 0 ? n % rows : 0, rows > 0 ? n / rows : 0);
    }
    setIndexQuietly(chosen);
}

void RadioGroup::setIndexQuietly(int index) {
    if (QAbstractButton* b = group_.button(index)) {
        b->setChecked(true);
    } else if (QAbstractButton* current = group_.checkedButton()) {
        group_.setExclusive(false);
        current->setChecked(false);
        group_.setExclusive(true);
    }
    last_ = ItemIndex();
}

void RadioGroup::SetItemIndex(int index) {
    if (index == ItemIndex() || (index < 0 && ItemIndex() < 0))
        return;
    setIndexQuietly(index);
    if (OnClick)
        OnClick();
    if (OnChange)
        OnChange();
}

void RadioGroup::Choose(int index) {
    if (index == last_) {
        setIndexQuietly(index);
        return;
    }
    if (!commitOrRestore([&] { return commitChoice(index); }, [&] { restoreChoice(); }))
        return;
    setIndexQuietly(index);
    if (OnClick)
        OnClick();
    if (OnChange)
        OnChange();
}

std::string RadioGroup::Value() const {
    const int i = ItemIndex();
    const auto& source = Values.empty() ? items_ : Values;
    return i >= 0 && static_cast<std::size_t>(i) < source.size() ? source[static_cast<std::size_t>(i)] : "";
}

int RadioGroup::IndexOfValue(std::string_view value) const {
    return indexIn(Values.empty() ? items_ : Values, value);
}

void RadioGroup::SetValue(std::string_view value) {
    SetItemIndex(IndexOfValue(value));
}

} // namespace vq::gui

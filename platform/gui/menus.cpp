#include "platform/gui/menus.h"

#include "platform/gui/guard.h"
#include "platform/gui/qt_text.h"

#include <QKeySequence>

namespace vq::gui {
namespace {

std::vector<MenuItem*> itemsOf(const QWidget& w) {
    std::vector<MenuItem*> out;
    for (QAction* a : w.actions())
        if (auto* item = dynamic_cast<MenuItem*>(a))
            out.push_back(item);
    return out;
}

} // namespace

MenuItem::MenuItem(QObject* parent) : QAction(parent) {
    connect(this, &QAction::triggered, this, [this] {
        if (isCheckable())
            setChecked(checked_); // the shown mark is the handler's business
        fire("OnClick", OnClick);
    });
}

std::string MenuItem::Name() const {
    return ss(objectName());
}
std::string MenuItem::Caption() const {
    return ss(text());
}
void MenuItem::SetCaption(std::string_view caption) {
    setText(qs(caption));
}
std::string MenuItem::ShortCut() const {
    return ss(shortcut().toString(QKeySequence::PortableText));
}
void MenuItem::SetShortCut(std::string_view keys) {
    setShortcut(QKeySequence(qs(keys), QKeySequence::PortableText));
}

void MenuItem::SetChecked(bool on) {
    checked_ = on;
    setCheckable(true);
    setChecked(on);
}

void MenuItem::Click() {
    if (OnClick)
        OnClick();
}

QMenu& MenuItem::subMenu() {
    if (!menu()) {
        QWidget* owner = qobject_cast<QWidget*>(parent());
        auto* m = new QMenu(owner); // owned by the item's parent widget, or goes with the item
        if (!owner)
            connect(this, &QObject::destroyed, m, &QObject::deleteLater);
        m->setTitle(text());
        setMenu(m);
    }
    return *menu();
}

MenuItem& MenuItem::Add(MenuItem& child) {
    subMenu().addAction(&child);
    return child;
}

std::vector<MenuItem*> MenuItem::Items() const {
    return menu() ? itemsOf(*menu()) : std::vector<MenuItem*>{};
}

MainMenu::MainMenu(QWidget* parent) : QMenuBar(parent) {
    setNativeMenuBar(false);
}

MenuItem& MainMenu::Add(MenuItem& item) {
    addAction(&item);
    return item;
}

std::vector<MenuItem*> MainMenu::Items() const {
    return itemsOf(*this);
}

PopupMenu::PopupMenu(QWidget* parent) : QMenu(parent) {}

MenuItem& PopupMenu::Add(MenuItem& item) {
    addAction(&item);
    return item;
}

std::vector<MenuItem*> PopupMenu::Items() const {
    return itemsOf(*this);
}

void PopupMenu::Popup(const QPoint& globalPos) {
    if (OnPopup)
        OnPopup();
    popup(globalPos);
}

void PopupMenu::PopupAt(QWidget& widget) {
    Popup(widget.mapToGlobal(QPoint(0, widget.height())));
}

} // namespace vq::gui

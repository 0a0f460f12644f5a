#pragma once
// Main menu, popup menus and their items. An item is a QAction: Caption with "&" accelerators,
// ShortCut, Checked (shown only: clicking does not toggle it, the handler decides), Enabled, Visible,
// OnClick, and sub-items (a QMenu made on first use).

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vq::gui {

class MenuItem : public QAction {
public:
    explicit MenuItem(QObject* parent = nullptr);

    std::function<void()> OnClick;
    int Tag = 0;

    std::string Name() const;
    std::string Caption() const;
    void SetCaption(std::string_view caption);
    std::string ShortCut() const; // portable text, "Ctrl+E"
    void SetShortCut(std::string_view keys);
    bool Checked() const { return checked_; }
    void SetChecked(bool on);
    bool Enabled() const { return isEnabled(); }
    void SetEnabled(bool on) { setEnabled(on); }
    bool Visible() const { return isVisible(); }
    void SetVisible(bool on) { setVisible(on); }

    void Click(); // OnClick for code; exceptions reach the caller
    MenuItem& Add(MenuItem& child);
    std::vector<MenuItem*> Items() const;

private:
    QMenu& subMenu();
    bool checked_ = false;
};

class MainMenu : public QMenuBar {
public:
    explicit MainMenu(QWidget* parent = nullptr);
    MenuItem& Add(MenuItem& item);
    std::vector<MenuItem*> Items() const;
};

class PopupMenu : public QMenu {
public:
    explicit PopupMenu(QWidget* parent = nullptr);
    std::function<void()> OnPopup;
    MenuItem& Add(MenuItem& item);
    std::vector<MenuItem*> Items() const;
    // Shows the menu at a screen position / below a widget without waiting; OnPopup runs first.
    void Popup(const QPoint& globalPos);
    void PopupAt(QWidget& widget);
};

} // namespace vq::gui

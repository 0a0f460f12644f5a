#pragma once
// Page control with tab sheets. The user's tab click runs OnChanging (which may refuse with
// allow=false or by raising) and then OnChange, inside the guard; SelectPage() does the same for code
// and the driver, with exceptions reaching the caller. SetActivePage() switches without either event.
// Either way, a focus inside the page being left first moves to the page control, so exit handlers
// run and may keep the page.

#include "platform/gui/control.h"

#include <QGridLayout>
#include <QStackedWidget>
#include <QTabBar>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vq::gui {

class PageControl;

class TabSheet : public ControlOf<QWidget> {
public:
    explicit TabSheet(PageControl& owner);

    std::string Caption() const;
    void SetCaption(std::string_view caption);
    bool TabVisible() const;
    void SetTabVisible(bool on);
    void SetEnabled(bool on) override; // also the tab
    // A page's visibility is its tab's: the page control shows one page at a time by itself.
    bool Visible() const override { return TabVisible(); }
    void SetVisible(bool on) override { SetTabVisible(on); }
    int PageIndex() const;
    PageControl& pageControl() const { return owner_; }
    QGridLayout& grid();

protected:
    QPalette::ColorRole colorRole() const override { return QPalette::Window; }

private:
    PageControl& owner_;
};

class PageControl : public ControlOf<QWidget> {
public:
    explicit PageControl(QWidget* parent = nullptr);

    std::function<void(bool& allowChange)> OnChanging;
    NotifyEvent OnChange;

    TabSheet& AddPage(std::string_view name, std::string_view caption);
    int PageCount() const { return static_cast<int>(pages_.size()); }
    TabSheet* Pages(int index) const;
    TabSheet* ActivePage() const;
    int ActivePageIndex() const { return stack_->currentIndex(); }
    void SetActivePage(TabSheet* page);
    void SetActivePageIndex(int index) { SetActivePage(Pages(index)); }
    // As the user's choice of a tab: OnChanging, the switch, OnChange. False when refused.
    bool SelectPage(TabSheet& page);
    // Finds a page by name or caption (the driver's "select pgcX name").
    TabSheet* FindPage(std::string_view nameOrCaption) const;

    QTabBar& tabBar() const;
    int indexOf(const TabSheet& page) const;

private:
    friend class TabSheet;
    class Bar;
    void switchTo(int index);    // moves the focus off the old page, then shows the new one
    void userSelects(int index); // tab bar click or arrow key
    int neighbour(int from, int step) const;

    Bar* bar_;
    QStackedWidget* stack_;
    std::vector<TabSheet*> pages_;
    int syncing_ = 0;
};

} // namespace vq::gui

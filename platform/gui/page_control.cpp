#include "platform/gui/page_control.h"

#include "platform/gui/containers.h"
#include "platform/gui/form_base.h"
#include "platform/gui/qt_text.h"

#include <QMouseEvent>
#include <QVBoxLayout>

namespace vq::gui {

// Tab bar whose clicks and arrow keys ask the page control instead of switching by themselves.
class PageControl::Bar : public QTabBar {
public:
    explicit Bar(PageControl& owner) : QTabBar(&owner), owner_(owner) {}

protected:
    void mousePressEvent(QMouseEvent* e) override {
        const int index = tabAt(e->position().toPoint());
        if (e->button() == Qt::LeftButton && index >= 0 && index != currentIndex() && isTabEnabled(index)) {
            owner_.userSelects(index);
            e->accept();
            return;
        }
        QTabBar::mousePressEvent(e);
    }
    void keyPressEvent(QKeyEvent* e) override {
        std::unique_ptr<QKeyEvent> replacement;
        QKeyEvent* pass = owner_.filterKey(e, replacement);
        if (!pass)
            return;
        const int step = pass->key() == Qt::Key_Left ? -1 : pass->key() == Qt::Key_Right ? 1 : 0;
        if (step != 0) {
            if (const int next = owner_.neighbour(currentIndex(), step); next >= 0)
                owner_.userSelects(next);
            return;
        }
        QTabBar::keyPressEvent(pass);
    }
    void wheelEvent(QWheelEvent* e) override { e->ignore(); }

private:
    PageControl& owner_;
};

// ---- TabSheet

TabSheet::TabSheet(PageControl& owner) : ControlOf<QWidget>(nullptr), owner_(owner) {
    initColor(colors::Disabled);
    setFocusPolicy(Qt::NoFocus);
}

std::string TabSheet::Caption() const {
    const int i = PageIndex();
    return i >= 0 ? ss(owner_.tabBar().tabText(i)) : "";
}

void TabSheet::SetCaption(std::string_view caption) {
    if (const int i = PageIndex(); i >= 0)
        owner_.tabBar().setTabText(i, qs(caption));
}

bool TabSheet::TabVisible() const {
    const int i = PageIndex();
    return i >= 0 && owner_.tabBar().isTabVisible(i);
}

void TabSheet::SetTabVisible(bool on) {
    const int i = PageIndex();
    if (i < 0 || owner_.tabBar().isTabVisible(i) == on)
        return;
    owner_.tabBar().setTabVisible(i, on); // hiding the current tab makes the bar pick another
}

void TabSheet::SetEnabled(bool on) {
    setEnabled(on);
    if (const int i = PageIndex(); i >= 0)
        owner_.tabBar().setTabEnabled(i, on);
}

int TabSheet::PageIndex() const {
    return owner_.indexOf(*this);
}

QGridLayout& TabSheet::grid() {
    return gridOf(*this);
}

// ---- PageControl

PageControl::PageControl(QWidget* parent)
    : ControlOf<QWidget>(parent), bar_(new Bar(*this)), stack_(new QStackedWidget(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar_);
    layout->addWidget(stack_, 1);
    bar_->setFocusPolicy(Qt::TabFocus);
    setFocusProxy(bar_);
    setFocusPolicy(Qt::TabFocus);
    bar_->setDrawBase(true);
    // The bar moves by itself only when its current tab is hidden or removed; the pages follow quietly.
    connect(bar_, &QTabBar::currentChanged, this, [this](int index) {
        if (!syncing_ && index >= 0)
            stack_->setCurrentIndex(index);
    });
}

TabSheet& PageControl::AddPage(std::string_view name, std::string_view caption) {
    auto* page = new TabSheet(*this);
    page->setObjectName(qs(name));
    pages_.push_back(page);
    ++syncing_;
    stack_->addWidget(page);
    bar_->addTab(qs(caption));
    --syncing_;
    stack_->setCurrentIndex(bar_->currentIndex());
    return *page;
}

QTabBar& PageControl::tabBar() const {
    return *bar_;
}

int PageControl::indexOf(const TabSheet& page) const {
    for (std::size_t i = 0; i < pages_.size(); ++i)
        if (pages_[i] == &page)
            return static_cast<int>(i);
    return -1;
}

TabSheet* PageControl::Pages(int index) const {
    return index >= 0 && index < PageCount() ? pages_[static_cast<std::size_t>(index)] : nullptr;
}

TabSheet* PageControl::ActivePage() const {
    return Pages(stack_->currentIndex());
}

TabSheet* PageControl::FindPage(std::string_view nameOrCaption) const {
    for (TabSheet* p : pages_)
        if (p->Name() == nameOrCaption || p->Caption() == nameOrCaption)
            return p;
    return nullptr;
}

void PageControl::switchTo(int index) {
    if (index == stack_->currentIndex())
        return;
    TabSheet* old = ActivePage();
    if (FormBase* form = Form(); form && old) {
        Control* focused = form->ActiveControl();
        if (focused && old->isAncestorOf(&focused->widget()) && CanFocus())
            form->SetFocus(*this); // exit handlers of the focused control run, and may refuse
    }
    ++syncing_;
    bar_->setCurrentIndex(index);
    stack_->setCurrentIndex(index);
    --syncing_;
}

void PageControl::SetActivePage(TabSheet* page) {
    if (!page || &page->pageControl() != this)
        return;
    switchTo(page->PageIndex());
}

bool PageControl::SelectPage(TabSheet& page) {
    if (&page == ActivePage())
        return true;
    bool allow = true;
    if (OnChanging)
        OnChanging(allow);
    if (!allow)
        return false;
    switchTo(page.PageIndex());
    if (OnChange)
        OnChange();
    return true;
}

void PageControl::userSelects(int index) {
    if (TabSheet* page = Pages(index))
        guarded("troca de página", [&] { SelectPage(*page); });
}

int PageControl::neighbour(int from, int step) const {
    for (int i = from + step; i >= 0 && i < PageCount(); i += step)
        if (bar_->isTabVisible(i) && bar_->isTabEnabled(i))
            return i;
    return -1;
}

} // namespace vq::gui

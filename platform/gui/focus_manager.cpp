#include "platform/gui/focus_manager.h"

#include "platform/data/error.h"
#include "platform/gui/count_scope.h"
#include "platform/gui/guard.h"

#include <QApplication>
#include <algorithm>

namespace vq::gui {

FocusManager::FocusManager(QWidget& form) : QObject(&form), form_(form) {
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { onQtFocusChanged(now); });
}

Control* FocusManager::active() const {
    return active_ ? asControl(active_.data()) : nullptr;
}

bool FocusManager::canFocus(const Control& control) const {
    const QWidget& w = control.widget();
    if (&w != &form_ && !form_.isAncestorOf(&w))
        return false;
    return w.isEnabled() && (&w == &form_ || w.isVisibleTo(&form_));
}

Control* FocusManager::controlOf(QWidget* w) const {
    if (!w || !form_.isAncestorOf(w))
        return nullptr;
    for (; w && w != &form_; w = w->parentWidget())
        if (Control* c = asControl(w))
            return c;
    return nullptr;
}

std::vector<QPointer<QWidget>> FocusManager::chain(Control* c) const {
    std::vector<QPointer<QWidget>> out;
    for (QWidget* w = c ? &c->widget() : nullptr; w && w != &form_; w = w->parentWidget())
        if (asControl(w))
            out.emplace_back(w);
    return out;
}

void FocusManager::placeQtFocus(Control& c) {
    // A focus already inside the control (a radio button of a group, a grid's cell editor) stays put.
    if (QWidget* now = QApplication::focusWidget(); now && controlOf(now) == &c)
        return;
    CountScope s(suppress_);
    c.widget().setFocus(Qt::OtherFocusReason);
}

void FocusManager::setFocus(Control& target) {
    if (!canFocus(target))
        throw Error("Não é possível mover o foco para o controle " + target.Name() +
                    ": ele está desabilitado ou invisível.");
    runMove(target);
}

void FocusManager::runMove(Control& target) {
    const bool outermost = busy_ == 0;
    {
        CountScope s(busy_);
        try {
            moveTo(target);
        } catch (...) {
            if (outermost) {
                if (Control* now = active(); now && canFocus(*now))
                    placeQtFocus(*now);
            }
            throw;
        }
    }
    // Handlers may have hidden or disabled widgets meanwhile; Qt's focus follows ours at the end.
    if (outermost)
        if (Control* now = active(); now && canFocus(*now))
            placeQtFocus(*now);
}

void FocusManager::moveTo(Control& target) {
    QPointer<QWidget> targetWidget(&target.widget());
    Control* from = active();
    if (from == &target) {
        placeQtFocus(target);
        return;
    }
    const auto fromChain = chain(from);
    const auto toChain = chain(&target);
    std::size_t nExit = fromChain.size();
    std::size_t nEnter = toChain.size();
    for (std::size_t i = 0; i < fromChain.size(); ++i) {
        auto it = std::find(toChain.begin(), toChain.end(), fromChain[i]);
        if (it != toChain.end()) {
            nExit = i;
            nEnter = static_cast<std::size_t>(it - toChain.begin());
            break;
        }
    }
    const unsigned generation = moves_;
    for (std::size_t i = 0; i < nExit; ++i) {
        QWidget* w = fromChain[i].data();
        if (!w || std::find(exiting_.begin(), exiting_.end(), w) != exiting_.end())
            continue; // gone, or its exit handler is the one moving the focus now
        exiting_.push_back(w);
        try {
            if (Control* c = asControl(w)) {
                c->beforeExit();
                if (c->OnExit)
                    c->OnExit();
            }
        } catch (...) {
            exiting_.erase(std::find(exiting_.begin(), exiting_.end(), w));
            throw;
        }
        exiting_.erase(std::find(exiting_.begin(), exiting_.end(), w));
        if (moves_ != generation)
            return; // the handler placed the focus itself
    }
    if (!targetWidget)
        return;
    const unsigned mine = ++moves_;
    active_ = targetWidget;
    placeQtFocus(target);
    for (std::size_t i = nEnter; i-- > 0;) {
        QWidget* w = toChain[i].data();
        if (Control* c = w ? asControl(w) : nullptr; c && c->OnEnter)
            c->OnEnter();
        if (moves_ != mine)
            return;
    }
}

void FocusManager::onQtFocusChanged(QWidget* now) {
    if (suppress_ || busy_ || !now || !form_.isAncestorOf(now))
        return;
    Control* target = controlOf(now);
    if (!target || target == active())
        return;
    QPointer<QWidget> previous = active_;
    const bool ok = guarded("foco", [&] { runMove(*target); });
    if (!ok && previous && active_ == previous)
        if (Control* c = asControl(previous.data()); c && canFocus(*c))
            placeQtFocus(*c);
}

std::vector<Control*> FocusManager::tabOrder(const QWidget& container, bool checkTabStop) const {
    std::vector<Control*> out;
    for (QWidget* w = form_.nextInFocusChain(); w && w != &form_; w = w->nextInFocusChain()) {
        if (!container.isAncestorOf(w))
            continue;
        Control* c = asControl(w);
        if (!c)
            continue;
        const Qt::FocusPolicy policy = w->focusProxy() ? w->focusProxy()->focusPolicy() : w->focusPolicy();
        if (policy == Qt::NoFocus || (checkTabStop && !(policy & Qt::TabFocus)))
            continue;
        out.push_back(c);
    }
    return out;
}

Control* FocusManager::findNext(const QWidget& container, Control* current, bool forward,
                                bool checkTabStop) const {
    auto order = tabOrder(container, checkTabStop);
    if (order.empty())
        return nullptr;
    if (!forward)
        std::reverse(order.begin(), order.end());
    const auto at = std::find(order.begin(), order.end(), current);
    const std::size_t start =
        at == order.end() ? order.size() - 1 : static_cast<std::size_t>(at - order.begin());
    for (std::size_t step = 1; step <= order.size(); ++step) {
        Control* c = order[(start + step) % order.size()];
        if (c != current && canFocus(*c))
            return c;
    }
    return nullptr;
}

bool FocusManager::selectNext(const QWidget& container, Control* current, bool forward, bool checkTabStop) {
    Control* next = findNext(container, current, forward, checkTabStop);
    if (!next)
        return false;
    setFocus(*next);
    return true;
}

} // namespace vq::gui

#pragma once
// Per-form focus tracking. The form, not Qt, decides when exit and enter handlers run.
//
// Code path: setFocus(target) runs OnExit of the active control and of its containers up to the common
// ancestor (innermost first), then makes the target active and runs OnEnter of the target's containers
// (outermost first) and of the target. An exception from a handler reaches the caller; a failing exit
// leaves the focus where it was. A handler that moves the focus itself ends the outer move there.
//
// User path: when Qt moves the focus (mouse, Tab, a hidden widget), the same handlers run inside the
// guard; a failing exit puts the focus back on the control it left.

#include "platform/gui/control.h"

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <vector>

namespace vq::gui {

class FocusManager : public QObject {
public:
    explicit FocusManager(QWidget& form);

    Control* active() const;
    bool canFocus(const Control& control) const; // enabled and visible up to the form
    void setFocus(Control& target);              // throws vq::Error when the target cannot take the focus

    // Controls among the descendants of `container`, in tab order.
    std::vector<Control*> tabOrder(const QWidget& container, bool checkTabStop) const;
    // The focusable control after (or before) `current` among them, wrapping; nullptr when none.
    Control* findNext(const QWidget& container, Control* current, bool forward, bool checkTabStop) const;
    // Focuses findNext(...) through setFocus; false when there was nothing to move to.
    bool selectNext(const QWidget& container, Control* current, bool forward, bool checkTabStop);
    // Qt moved the focus without telling (a key in a window that is not active, as under a script): runs
    // the user path's handlers as its signal would have.
    void qtFocusMoved(QWidget* now) { onQtFocusChanged(now); }

private:
    void onQtFocusChanged(QWidget* now);
    Control* controlOf(QWidget* w) const; // nearest Control at or above w inside the form
    std::vector<QPointer<QWidget>> chain(Control* c) const;
    void moveTo(Control& target);
    void runMove(Control& target);
    void placeQtFocus(Control& c);

    QWidget& form_;
    QPointer<QWidget> active_;
    std::vector<QWidget*> exiting_;
    unsigned moves_ = 0;
    int busy_ = 0;     // a move is running: Qt focus changes are ours or follow-ups, not the user's
    int suppress_ = 0; // we are placing Qt's focus ourselves
};

} // namespace vq::gui

#include "platform/gui/ui_locks.h"

#include "platform/gui/control.h"

#include <QApplication>

namespace vq::gui {

WindowUpdateLock::WindowUpdateLock(QWidget& widget) : widget_(&widget), wasEnabled_(widget.updatesEnabled()) {
    widget.setUpdatesEnabled(false);
}

WindowUpdateLock::~WindowUpdateLock() {
    if (widget_ && wasEnabled_)
        widget_->setUpdatesEnabled(true);
}

BusyCursor::BusyCursor() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyCursor::~BusyCursor() {
    QApplication::restoreOverrideCursor();
}

void SetChildEnabled(QWidget& container, bool enabled) {
    for (QWidget* w : container.findChildren<QWidget*>())
        if (Control* c = asControl(w))
            c->SetEnabled(enabled);
}

} // namespace vq::gui

#pragma once
// Scoped UI states that must end however the command ends: locked window updates and the busy cursor.

#include <QPointer>
#include <QWidget>

namespace vq::gui {

// Stops repainting of a widget (normally the form) for one scope; nests, restores the previous state.
class WindowUpdateLock {
public:
    explicit WindowUpdateLock(QWidget& widget);
    ~WindowUpdateLock();
    WindowUpdateLock(const WindowUpdateLock&) = delete;
    WindowUpdateLock& operator=(const WindowUpdateLock&) = delete;

private:
    QPointer<QWidget> widget_;
    bool wasEnabled_;
};

// The wait cursor for one scope; nests.
class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

// Enables or disables every control inside `container` (its descendants, not the container itself).
void SetChildEnabled(QWidget& container, bool enabled);

} // namespace vq::gui

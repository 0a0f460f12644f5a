#include "platform/gui/application.h"

#include "platform/gui/guard.h"

namespace vq::gui {

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        reportException(std::current_exception(), "evento");
        return false;
    }
}

} // namespace vq::gui

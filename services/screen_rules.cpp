#include "services/screen_rules.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace vq::services {
namespace {

QSize screenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize();
}

} // namespace

bool smallScreen() {
    return screenSize() == QSize(640, 480);
}

bool screenHeight480() {
    return screenSize().height() == 480;
}

void setMaximized(QWidget& form, bool maximize) {
    form.setWindowState((form.windowState() & ~(Qt::WindowMaximized | Qt::WindowMinimized)) |
                        (maximize ? Qt::WindowMaximized : Qt::WindowNoState));
}

void fitToScreen(QWidget& form) {
    setMaximized(form, smallScreen());
}

} // namespace vq::services

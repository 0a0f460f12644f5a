#pragma once
// The host's QApplication: the last line of defence, should an exception slip past a guard inside an
// event handler, it is reported there instead of unwinding through Qt.

#include <QApplication>

namespace vq::gui {

class Application : public QApplication {
public:
    Application(int& argc, char** argv) : QApplication(argc, argv) {}
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace vq::gui

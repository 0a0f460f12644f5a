#pragma once
// The host's main window: the ERP's frame with the "Módulos" menu that opens the customer module.

#include <QMainWindow>
#include <functional>

namespace vq::host {

class MainWindow : public QMainWindow {
public:
    // `openCustomers` runs for "Módulos" → "Clientes"; `closing` when the window closes.
    MainWindow(std::function<void()> openCustomers, std::function<void()> closing);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::function<void()> openCustomers_;
    std::function<void()> closing_;
};

} // namespace vq::host

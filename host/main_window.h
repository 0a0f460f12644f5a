#pragma once
// The host's main window: the ERP's frame with the "Módulos" menu that opens the customer module, and
// the area where the module's forms appear.

#include <QMainWindow>
#include <functional>

class QMdiArea;

namespace vq::gui {
class FormBase;
}

namespace vq::host {

class MainWindow : public QMainWindow {
public:
    // `openCustomers` runs for "Módulos" → "Clientes"; `closing` when the window closes.
    MainWindow(std::function<void()> openCustomers, std::function<void()> closing);
    ~MainWindow() override;

    // Shows a non-modal module form inside the window (the host's showForm seam).
    void showForm(gui::FormBase& form);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::function<void()> openCustomers_;
    std::function<void()> closing_;
    QMdiArea* area_; // owned by the window
};

} // namespace vq::host

#include "host/main_window.h"

#include "framework/services/framework_settings.h"
#include "host/form_embedding.h"
#include "platform/gui/form_base.h"
#include "platform/gui/guard.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>

namespace vq::host {

MainWindow::MainWindow(std::function<void()> openCustomers, std::function<void()> closing)
    : openCustomers_(std::move(openCustomers)), closing_(std::move(closing)), area_(new QMdiArea(this)) {
    setObjectName(QStringLiteral("frmPrincipal"));
    setWindowTitle(QStringLiteral("ERP - Cadastro de Clientes"));
    resize(1024, 720);
    area_->setObjectName(QStringLiteral("mdiPrincipal"));
    // Forms wider than the window stay reachable.
    area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(area_);
    // Choosing a sub-window makes its form the active one, as activating a window of its own would.
    connect(area_, &QMdiArea::subWindowActivated, this, [](QMdiSubWindow* sub) {
        if (auto* form = sub ? dynamic_cast<gui::FormBase*>(sub->widget()) : nullptr)
            form->Activate();
    });

    QMenu* file = menuBar()->addMenu(QStringLiteral("&Arquivo"));
    QAction* quit = file->addAction(QStringLiteral("&Sair"));
    quit->setObjectName(QStringLiteral("mnuSair"));
    connect(quit, &QAction::triggered, this, &QWidget::close);

    QMenu* modules = menuBar()->addMenu(QStringLiteral("&Módulos"));
    QAction* customers = modules->addAction(QStringLiteral("&Clientes"));
    customers->setObjectName(QStringLiteral("mnuClientes"));
    connect(customers, &QAction::triggered, this, [this] {
        if (openCustomers_)
            gui::guarded("Módulos/Clientes", openCustomers_);
    });

    const FrameworkSettings& s = frameworkSettings();
    const std::string who = s.operatorName.empty() ? s.operatorCode : s.operatorCode + " - " + s.operatorName;
    statusBar()->addWidget(
        new QLabel(QString::fromStdString("Servidor " + s.serverHost + ":" + std::to_string(s.serverPort) +
                                          (who.empty() ? std::string() : "   Operador " + who) +
                                          "   Módulo " + std::to_string(s.activeModule))));
}

// The module frees its forms itself, later and in its own order.
MainWindow::~MainWindow() {
    releaseEmbeddedForms(*area_);
}

void MainWindow::showForm(gui::FormBase& form) {
    embedForm(*area_, form);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (closing_)
        closing_();
}

} // namespace vq::host

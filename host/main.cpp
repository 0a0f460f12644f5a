// erp-host: the ERP's host application for the customer module. Loads the module, starts the embedded
// application server when no server is configured, and opens the customer form; with --script it runs an
// automation script with no window instead.

#include "host/backend.h"
#include "host/driver.h"
#include "host/host_options.h"
#include "host/main_window.h"
#include "host/module_library.h"
#include "platform/data/error.h"
#include "platform/data/log.h"
#include "platform/gui/application.h"
#include "platform/gui/form_base.h"
#include "platform/gui/seams.h"

#include <QMessageBox>
#include <QTimer>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

namespace {

using namespace vq::host;

std::string readScript(const std::string& path) {
    if (path == "-")
        return {std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>()};
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw vq::Error("Não foi possível ler o roteiro " + path + ".");
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

int runScript(const HostOptions& options) {
    DriverOptions driverOptions;
    driverOptions.moduleDir = options.moduleDir;
    driverOptions.settingsFile = options.settingsFile;
    driverOptions.settings = options.overrides;
    if (options.seedCustomers >= 0)
        driverOptions.seedCustomers = options.seedCustomers;
    driverOptions.output = [](std::string_view line) { std::cout << line << std::endl; };
    Driver driver(std::move(driverOptions));
    const DriverResult result = driver.run(readScript(options.script));
    if (result.exitCode != 0)
        std::cerr << "erp-host: " << options.script << ": " << result.error << std::endl;
    return result.exitCode;
}

int runInteractive(const HostOptions& options) {
    BackendConfig config{loadSettings(options), {}, 1000};
    if (options.seedCustomers >= 0)
        config.seedCustomers = options.seedCustomers;
    Backend backend(std::move(config));
    ModuleLibrary module(options.moduleDir);

    bool quitting = false;
    MainWindow window([&module] { module.iniProc(nullptr); },
                      [&quitting] {
                          quitting = true;
                          QApplication::quit();
                      });
    // The module's non-modal forms appear inside the main window; modal ones stay dialogs.
    vq::gui::SeamOverride embed(vq::gui::seams::showForm(),
                                [&window](vq::gui::FormBase& form) { window.showForm(form); });
    window.showMaximized();
    if (options.openModule)
        QTimer::singleShot(0, &window, [&module, &quitting] {
            if (!quitting)
                module.iniProc(nullptr);
        });
    return QApplication::exec();
}

} // namespace

int main(int argc, char** argv) {
    HostOptions options;
    try {
        options = parseHostOptions(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::exception& e) {
        std::cerr << "erp-host: " << e.what() << "\n" << hostUsage();
        return 2;
    }
    if (options.help) {
        std::cout << hostUsage();
        return 0;
    }
    if (!options.script.empty())
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1); // a script needs no display
    vq::log::setLevel(options.script.empty() ? vq::log::Level::Info : vq::log::Level::Warn);

    vq::gui::Application app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("erp-host"));
    QApplication::setQuitOnLastWindowClosed(false); // the main window decides; module forms are windows too
    try {
        return options.script.empty() ? runInteractive(options) : runScript(options);
    } catch (const std::exception& e) {
        std::cerr << "erp-host: " << e.what() << std::endl;
        if (options.script.empty())
            QMessageBox::critical(nullptr, QStringLiteral("ERP - Cadastro de Clientes"),
                                  QString::fromStdString(e.what()));
        return 1;
    }
}

// The driver over the real module (loaded with dlopen) and the real embedded application server on a
// temporary SQLite database.

#include "framework/services/db_geral.h"
#include "framework/services/framework_settings.h"
#include "framework/services/vorlane.h"
#include "host/driver.h"
#include "host/module_library.h"
#include "platform/gui/form_base.h"
#include "platform/gui/form_registry.h"
#include "platform/gui/seams.h"
#include "tests/host/driver_suite.h"

#include <QTcpSocket>
#include <algorithm>
#include <dirent.h>
#include <gtest/gtest.h>
#include <memory>

namespace vq::host {
namespace {

using namespace e2e;

int threadCount() {
    int n = 0;
    if (DIR* dir = ::opendir("/proc/self/task")) {
        while (const dirent* e = ::readdir(dir))
            n += e->d_name[0] != '.';
        ::closedir(dir);
    }
    return n;
}

bool portOpen(int port) {
    QTcpSocket socket;
    socket.connectToHost(QStringLiteral("127.0.0.1"), static_cast<quint16>(port));
    return socket.waitForConnected(2000);
}

int liveForms(std::string_view className) {
    int n = 0;
    for (gui::FormBase* f : gui::forms::all())
        n += f->ClassName() == className;
    return n;
}

DriverOptions options() {
    return e2e::moduleOptions();
}

TEST(HostSession, EmbeddedServerStartsAndStopsCleanly) {
    portOpen(1); // whatever Qt's sockets start once is there before counting
    const int threadsBefore = threadCount();
    int port = 0;
    {
        Driver driver(options());
        const DriverResult r = driver.run("settings seed=5 operator=OPER01\nprint Vqm41200.boStCriado\n");
        ASSERT_EQ(r.exitCode, 0) << describe(r);
        EXPECT_EQ(printed(r, "Vqm41200.boStCriado"), "false");
        ASSERT_NE(driver.module(), nullptr);
        port = frameworkSettings().serverPort;
        EXPECT_GT(port, 0);
        EXPECT_EQ(frameworkSettings().operatorCode, "OPER01");
        EXPECT_NE(dtmDBGeral(), nullptr);
        EXPECT_TRUE(portOpen(port));

        EXPECT_TRUE(Vorlane::hasModule("PKG_VQM41200"));
        std::string shown;
        gui::SeamOverride message(gui::seams::message(), [&shown](const gui::Message& m) {
            shown = m.text;
            return gui::MessageButton::Ok;
        });
        EXPECT_FALSE(Vorlane::LoadBPL("VQM87100"));
        EXPECT_NE(shown.find("VQM87100"), std::string::npos) << shown;
    }
    EXPECT_FALSE(Vorlane::hasModule("PKG_VQM41200"));
    EXPECT_EQ(dtmDBGeral(), nullptr);
    EXPECT_FALSE(portOpen(port));
    EXPECT_LE(threadCount(), threadsBefore);
}

TEST(HostSession, MissingModuleNamesThePathTried) {
    try {
        ModuleLibrary library("/nonexistent/dir");
        FAIL() << "loaded";
    } catch (const std::exception& e) {
        EXPECT_NE(std::string(e.what()).find("/nonexistent/dir/libPKG_VQM41200.so"), std::string::npos)
            << e.what();
    }
}

class DriverModule : public e2e::DriverSuite<DriverModule> {
public: // read by the suite's set-up
    static DriverOptions options() { return e2e::moduleOptions(8); }

protected:
    // Scripts here may fail on purpose.
    DriverResult run(std::string_view script) { return driver_->run(script); }
};

TEST_F(DriverModule, IniProcNullOpensTheCustomerFormThroughTheFilter) {
    DriverResult r = run(R"(
        call IniProc null
        form TfrmFilCliente
        print Vqm41200.boStCriado
        click sbtConfirma
        form TfrmCliente
        print cdsCliente.recordCount Vqm41200.boStCriado Vqm41200.frmCliente calls
    )");
    ASSERT_EQ(r.exitCode, 0) << describe(r);
    EXPECT_EQ(printed(r, "Vqm41200.boStCriado"), "true");
    EXPECT_GT(std::stoi(printed(r, "cdsCliente.recordCount")), 0);
    EXPECT_EQ(printed(r, "Vqm41200.frmCliente"), "frmCliente");
    // The form's own reads at creation come first; the filter's GetCliente is among the calls.
    EXPECT_TRUE(std::ranges::any_of(r.output, [](const std::string& line) {
        return line.rfind("call=", 0) == 0 && line.find("GetCliente(") != std::string::npos;
    }));
    EXPECT_EQ(liveForms("TfrmCliente"), 1);

    // A second launch reuses the form.
    r = run("call CriaCliente\nform TfrmFilCliente\nclick sbtConfirma\nform TfrmCliente\n");
    ASSERT_EQ(r.exitCode, 0) << describe(r);
    EXPECT_EQ(liveForms("TfrmCliente"), 1);

    r = run("close TfrmCliente\nprint Vqm41200.boStCriado\n");
    ASSERT_EQ(r.exitCode, 0) << describe(r);
    EXPECT_EQ(printed(r, "Vqm41200.boStCriado"), "false");
}

TEST_F(DriverModule, ViewLaunchFiltersOnTheOneCustomerReadOnly) {
    DriverResult r = run("call IniProc null\nform TfrmFilCliente\nclick sbtConfirma\nform TfrmCliente\n"
                         "print cdsCliente.CDCLIENTE\nclose TfrmCliente\n");
    ASSERT_EQ(r.exitCode, 0) << describe(r);
    const std::string code = printed(r, "cdsCliente.CDCLIENTE");
    ASSERT_FALSE(code.empty());

    r = run("call IniProc [\"VISUALIZA_CLIENTE\", false, \"" + code + "\"]\n" +
            "form TfrmFilCliente\nprint Vqm41202.Filtro.TCLIENTE.list\nclick sbtConfirma\nform TfrmCliente\n"
            "print Vqm41200.boHabAlt cdsCliente.recordCount cdsCliente.CDCLIENTE\nclose TfrmCliente\n"
            "print Vqm41200.boStCriado\n");
    ASSERT_EQ(r.exitCode, 0) << describe(r);
    EXPECT_EQ(printed(r, "Vqm41202.Filtro.TCLIENTE.list"), "_" + code + "_");
    EXPECT_EQ(printed(r, "Vqm41200.boHabAlt"), "false");
    EXPECT_EQ(printed(r, "cdsCliente.recordCount"), "1");
    EXPECT_EQ(printed(r, "cdsCliente.CDCLIENTE"), code);
    EXPECT_EQ(printed(r, "Vqm41200.boStCriado"), "false");
}

TEST_F(DriverModule, KeysFireTheShortcutsOfTheWindowTheyArePressedIn) {
    const DriverResult r = run(R"(
        call IniProc null
        form TfrmFilCliente
        key sbtConfirma F10
        form TfrmCliente
        key dbeNmFantasia F10
        print cdsCliente.state
        key dbeNmFantasia F3
        print cdsCliente.state
        answer yes
        key dbeNmFantasia F11
        print cdsCliente.state
        key dbeNmFantasia Ctrl+H
        form TfrmHistCliente
        close TfrmHistCliente
        close TfrmCliente
    )");
    ASSERT_EQ(r.exitCode, 0) << describe(r); // F10 confirmed the filter, Ctrl+H opened the history
    // F10 of a disabled item does nothing; F3 edits, F11 cancels.
    EXPECT_EQ(printedAll(r, "cdsCliente.state"), (std::vector<std::string>{"1", "2", "1"}));
}

TEST_F(DriverModule, FormQueriesPrintLikeDatasets) {
    DriverResult r =
        run("call IniProc null\nform TfrmFilCliente\nclick sbtConfirma\nform TfrmCliente\n"
            "print qryRegiao.state qryRegiao.recordCount qryPrecoBase.state qryPrecoBase.recordCount\n"
            "print cdsCliente.CDREGIAOPED\n");
    ASSERT_EQ(r.exitCode, 0) << describe(r);
    EXPECT_EQ(printed(r, "qryRegiao.state"), "1"); // read on every record change
    EXPECT_EQ(printed(r, "qryPrecoBase.state"), "0");
    EXPECT_EQ(printed(r, "qryPrecoBase.recordCount"), "0");
    if (printed(r, "qryRegiao.recordCount") == "1") {
        r = run("print qryRegiao.NMREGIAOPED medNmRegiao.text\n");
        ASSERT_EQ(r.exitCode, 0) << describe(r);
        EXPECT_EQ(printed(r, "qryRegiao.NMREGIAOPED"), printed(r, "medNmRegiao.text"));
    }
    r = run("print qryPrecoBase.CDPRECOBASE\n");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.error.find("A consulta qryPrecoBase está fechada."), std::string::npos) << r.error;
    run("close TfrmCliente\n");
}

TEST_F(DriverModule, FailuresStopTheScriptAtTheirLine) {
    DriverResult r = run("print Vqm41200.boStCriado\nfrobnicate x\n");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.line, 2);
    EXPECT_TRUE(r.output.empty()) << "an unknown command fails before anything runs";

    r = run("print Vqm41200.boStCriado\nclick sbtNaoExiste\nprint Vqm41200.boStCriado\n");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.line, 2);
    EXPECT_EQ(r.output.size(), 1u);

    r = run("call IniProc null\nform TfrmFilCliente\nexpect error \"Nada\"\n");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.line, 3);
    EXPECT_TRUE(gui::forms::modalStack().empty()) << "the modal filter ended with the script";

    r = run("call CriaVisualizaCliente true\n");
    EXPECT_EQ(r.exitCode, 1) << "wrong argument count";
    EXPECT_EQ(r.line, 1);
    run("close TfrmCliente\n");
}

} // namespace
} // namespace vq::host

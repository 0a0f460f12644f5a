// The import form's load while the application keeps serving its events: a timer keeps ticking through a
// 100,000-line load, and cancelling or closing mid-load stops it with the rows read so far and confirm off.
// Deterministic: the load yields to events at its first line, where a zero timer is already due.

#include "framework/services/db_geral.h"
#include "import/Vqm41204.h"
#include "platform/data/error.h"
#include "platform/db/connection.h"
#include "platform/gui/buttons.h"
#include "platform/gui/containers.h"
#include "platform/gui/edit.h"
#include "tests/gui/gui_test_support.h"
#include "tests/module/module_test_support.h"

#include <QTemporaryDir>
#include <QTimer>
#include <fstream>
#include <gtest/gtest.h>

namespace vq {
namespace {

constexpr int kLines = 100000;

// One file of kLines valid lines (kind, CNPJ, name), written once for the binary.
const std::string& bigFile() {
    static QTemporaryDir dir;
    static const std::string path = [] {
        const std::string p = dir.filePath("clientes.txt").toStdString();
        std::ofstream out(p, std::ios::binary);
        for (int i = 0; i < kLines; ++i)
            out << "J11222333000181CLIENTE " << i % 10 << "\r\n";
        return p;
    }();
    return path;
}

class ImportLoad : public test::ModuleTest {
protected:
    void SetUp() override {
        ModuleTest::SetUp();
        db::Connection& db = *dtmDBGeral();
        db.execute("DELETE FROM COLLAYOUTIMP WHERE CDLAYOUTIMP = '0000000077'");
        db.execute("DELETE FROM ARQLAYOUTIMP WHERE CDLAYOUTIMP = '0000000077'");
        db.execute("DELETE FROM LAYOUTIMP WHERE CDLAYOUTIMP = '0000000077'");
        db.execute("INSERT INTO LAYOUTIMP (CDLAYOUTIMP, NMLAYOUTIMP) VALUES ('0000000077', 'Grande')");
        db.execute("INSERT INTO ARQLAYOUTIMP (CDLAYOUTIMP, NRSEQARQLAY, NMARQLAYIMP) VALUES "
                   "('0000000077', 1, :P_A)",
                   {{"P_A", Variant(bigFile())}});
        db.execute("INSERT INTO COLLAYOUTIMP (CDLAYOUTIMP, NRSEQTABELAY, NRSEQCOLULAY, NRPOSICOLLAY, "
                   "NRTAMCOLLAY, NRCASASDECIM, IDTDADCOLLAY, NMCOLUNAIMP) VALUES "
                   "('0000000077', '1', '1', 1, 1, 0, 'T', 'IDTPIJURCLIE'), "
                   "('0000000077', '1', '2', 2, 14, 0, 'T', 'NRINSJURCLIE'), "
                   "('0000000077', '1', '3', 16, 20, 0, 'T', 'NMRAZSOCCLIE')");
    }

    // Shows the import form, types the layout, runs `arm` and loads.
    void load(const std::function<void(TfrmImportCliente&)>& arm) {
        answers.on("TfrmImportCliente", [&](gui::FormBase& f) {
            auto& form = dynamic_cast<TfrmImportCliente&>(f);
            form.edtCdLayout->SetText("77");
            arm(form);
            try {
                form.btfCarregar->Click();
            } catch (const Abort&) {
                // A failed load ends the command after its message, as the GUI guard sees it.
            }
            rows = form.cdsCliente.RecordCount();
            confirmEnabled = form.sbtConfirma->Enabled();
            progressShown = form.panAnimacao->Visible();
            loadEnabled = form.btfCarregar->Enabled();
        });
        CriaImpCliente();
        test::flushDeletes();
    }

    test::ModalAnswers answers;
    gui::test::MessageRecorder messages;
    int rows = -1;
    bool confirmEnabled = true;
    bool progressShown = true;
    bool loadEnabled = false;
};

TEST_F(ImportLoad, ATimerKeepsTickingThroughALongLoad) {
    int ticks = 0;
    load([&](TfrmImportCliente& form) {
        auto* timer = new QTimer(&form);
        QObject::connect(timer, &QTimer::timeout, [&ticks] { ++ticks; });
        timer->start(0);
    });
    EXPECT_GT(ticks, 0);
    EXPECT_EQ(rows, kLines);
    EXPECT_TRUE(confirmEnabled);
    EXPECT_FALSE(progressShown);
    EXPECT_TRUE(loadEnabled);
    EXPECT_TRUE(messages.shown.empty()) << messages.shown.front().text;
}

TEST_F(ImportLoad, CancelAndCloseStopTheLoadKeepingTheRowsRead) {
    load([](TfrmImportCliente& form) {
        QTimer::singleShot(0, &form, [&form] {
            EXPECT_TRUE(form.Loading());
            EXPECT_FALSE(form.btfCarregar->Enabled()); // only cancel while loading
            EXPECT_TRUE(form.btnCancelar->Enabled());
            form.btnCancelar->Click();
        });
    });
    ASSERT_EQ(messages.shown.size(), 1U);
    EXPECT_EQ(messages.shown[0].text, "Importação cancelada.");
    EXPECT_GT(rows, 0);
    EXPECT_LT(rows, kLines);
    EXPECT_FALSE(confirmEnabled);
    EXPECT_FALSE(progressShown);
    EXPECT_TRUE(loadEnabled);

    // Closing mid-load cancels too; the form goes once the load has unwound.
    messages.shown.clear();
    load([](TfrmImportCliente& form) { QTimer::singleShot(0, &form, [&form] { form.Close(); }); });
    EXPECT_EQ(test::liveForms("TfrmImportCliente"), 0);
    ASSERT_FALSE(messages.shown.empty());
    EXPECT_EQ(messages.shown[0].text, "Importação cancelada.");
    EXPECT_LT(rows, kLines);
    EXPECT_FALSE(confirmEnabled);
}

} // namespace
} // namespace vq

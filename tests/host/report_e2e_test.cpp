// The customer data report through the driver, over the real module and the embedded server: the values
// handed to the report's query and the rows it lists (compared with COUNT(*)), the checks with their
// messages and focus, the region searches and their resets, save as and the report edit.

#include "framework/services/db_geral.h"
#include "host/driver.h"
#include "platform/db/connection.h"
#include "tests/host/e2e_support.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace vq::host {
namespace {

using namespace e2e;

class ReportE2E : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        qputenv("VQ_REPORT_DIR", dir_.path().toUtf8());
        DriverOptions o;
        o.moduleDir = VQ_HOST_MODULE_DIR;
        o.seedCustomers = 30;
        driver_ = std::make_unique<Driver>(std::move(o));
    }
    void TearDown() override {
        driver_.reset();
        qunsetenv("VQ_REPORT_DIR");
    }
    // The script runs inside the report form, opened as the customer form's print menu opens it; the form
    // is cancelled when the script ends.
    DriverResult run(const std::string& script) {
        return driver_->run("call CriaDadosCliente\nform TfrmDadCliente\n" + script);
    }
    static void ok(const DriverResult& r) { ASSERT_EQ(r.exitCode, 0) << describe(r); }
    static std::string count(const std::string& sql) {
        return std::to_string(dtmDBGeral()->query(sql).rows()[0][0].toInt());
    }
    QString path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }

    QTemporaryDir dir_;
    std::unique_ptr<Driver> driver_;
};

TEST_F(ReportE2E, SituationsChooseTheRowsAndNeitherIsRefused) {
    DriverResult r = run("print report.action\nclick sbtPreview\n"
                         "print report.action report.code report.title report.rows report.pages report.file "
                         "report.P_CDCLIENTE report.P_SGESTADO report.P_IDCLIEATIV report.P_TCLIEATIV "
                         "report.P_IDCLIEINAT report.P_TCLIEINAT report.P_CLIEDESDEINI report.P_TNASCFUND "
                         "report.P_OUTRO messages\n");
    ok(r);
    EXPECT_EQ(printedAll(r, "report.action"), (std::vector<std::string>{"none", "preview"}));
    EXPECT_EQ(printed(r, "report.code"), "Vqm412");
    EXPECT_EQ(printed(r, "report.title"), "Relação de Clientes");
    EXPECT_EQ(printed(r, "report.rows"),
              count("SELECT COUNT(*) FROM CLIENTE WHERE NVL(IDCLIEATIV, 'S') = 'S'"));
    EXPECT_GE(std::stoi(printed(r, "report.pages")), 1);
    EXPECT_EQ(printed(r, "report.file"), "");
    EXPECT_EQ(printed(r, "report.P_CDCLIENTE"), "T");
    EXPECT_EQ(printed(r, "report.P_SGESTADO"), "T");
    EXPECT_EQ(printed(r, "report.P_IDCLIEATIV"), "S");
    EXPECT_EQ(printed(r, "report.P_TCLIEATIV"), "");
    EXPECT_EQ(printed(r, "report.P_IDCLIEINAT"), "");
    EXPECT_EQ(printed(r, "report.P_TCLIEINAT"), "T");
    EXPECT_EQ(printed(r, "report.P_CLIEDESDEINI"), "date:0");
    EXPECT_EQ(printed(r, "report.P_TNASCFUND"), "T");
    EXPECT_EQ(printed(r, "report.P_OUTRO"), "<undeclared>");
    EXPECT_TRUE(linesStarting(r, "message=").empty());

    r = run("click ckbSituaClieInat\nclick sbtPrint\nprint report.action report.rows report.P_IDCLIEINAT\n");
    ok(r);
    EXPECT_EQ(printed(r, "report.action"), "print");
    EXPECT_EQ(printed(r, "report.rows"), count("SELECT COUNT(*) FROM CLIENTE"));
    EXPECT_EQ(printed(r, "report.P_IDCLIEINAT"), "N");

    r = run("click ckbSituaClie\nfocus depDeNascFund\nclick sbtPreview\n"
            "expect error \"Situação deve ser informada.\"\nprint ckbSituaClie.focused report.action\n");
    ok(r);
    EXPECT_EQ(printed(r, "ckbSituaClie.focused"), "true");
    EXPECT_EQ(printed(r, "report.action"), "print") << "nothing ran";
}

TEST_F(ReportE2E, ChecksComeInOrderWithTheirFocus) {
    DriverResult r =
        run("click rbtLMun\nclick rbtEstado\nclick rbtPais\nclick rbtSegmMerc\nclick rbtRamoAtiv\nclick "
            "rbtCliente\n"
            "click sbtPreview\nexpect error \"Cliente deve ser informado.\"\n"
            "print rbtCliente.focused btncliente.enabled\n"
            "click rbtTodos\nclick sbtPreview\nexpect error \"Ramo de atividade deve ser informado.\"\n"
            "click rbtTRamoAtiv\nclick sbtPreview\nexpect error \"Segmento de mercado deve ser informado.\"\n"
            "click rbtTSegmMerc\nclick sbtSalvarComo\nexpect error \"País deve ser informado.\"\n"
            "print rbtPais.focused messages\n"
            // The report edit runs none of them, and retitles the report.
            "answer text \"Clientes por Estado\"\nclick sbtReportEdit\nprint messages\n"
            "click rbtTPais\nclick sbtPreview\nprint report.title rbtTEstado.checked rbtTMun.checked\n");
    ok(r);
    EXPECT_EQ(printed(r, "rbtCliente.focused"), "true");
    EXPECT_EQ(printed(r, "btncliente.enabled"), "true");
    EXPECT_EQ(printed(r, "rbtPais.focused"), "true");
    EXPECT_EQ(linesStarting(r, "message=").size(), 4u) << "the report edit showed nothing";
    EXPECT_EQ(printed(r, "report.title"), "Clientes por Estado");
    EXPECT_EQ(printed(r, "rbtTEstado.checked"), "true");
    EXPECT_EQ(printed(r, "rbtTMun.checked"), "true");
    EXPECT_TRUE(QFile::exists(path("Vqm412.json")));

    // Dates: one end missing, then reversed, then equal.
    ok(run("set depAteClieDesde 10/01/2024\nclick sbtPreview\n"
           "expect error \"Cliente desde inicial deve ser informado.\"\n"
           "set depDeClieDesde 11/01/2024\nclick sbtPreview\n"
           "expect error \"Cliente desde inicial deve ser menor ou igual à final.\"\n"
           "set depDeClieDesde 10/01/2024\nset depDeNascFund 01/01/1990\nclick sbtPreview\n"
           "expect error \"Nascimento/Fundação final deve ser informado.\"\n"));
    r = run("set depDeClieDesde 10/01/2024\nset depAteClieDesde 10/01/2024\nset depDeNascFund 01/01/1990\n"
            "click sbtPreview\nexpect error \"Nascimento/Fundação final deve ser informado.\"\n"
            "print depAteNascFund.focused\nset depAteNascFund 01/01/1990\nclick sbtPreview\n"
            "print report.P_CLIEDESDEINI report.P_CLIEDESDEFIN report.P_TCLIEDESDE report.P_NASCFUNDFIN\n");
    ok(r);
    EXPECT_EQ(printed(r, "depAteNascFund.focused"), "true");
    EXPECT_EQ(printed(r, "report.P_CLIEDESDEINI"), "date:10/01/2024");
    EXPECT_EQ(printed(r, "report.P_CLIEDESDEFIN"), "date:10/01/2024");
    EXPECT_EQ(printed(r, "report.P_TCLIEDESDE"), "");
    EXPECT_EQ(printed(r, "report.P_NASCFUNDFIN"), "date:01/01/1990");
}

TEST_F(ReportE2E, RegionSearchesResetWhatDependsOnThem) {
    DriverResult r =
        run("click rbtPais\npick 0055\nclick btnPais\nclick rbtEstado\npick 0055SP\nclick btnEstado\n"
            "click rbtLMun\npick 0\nclick btnMun\n"
            "print Vqm41201.stCodPais Vqm41201.stCodEstado Vqm41201.stCodMun\n"
            "click sbtPreview\nprint report.rows report.P_SGESTADO\n"
            "pick 0055\nclick btnPais\n"
            "print Vqm41201.stCodEstado Vqm41201.stCodMun rbtTEstado.checked rbtTMun.checked "
            "btnEstado.enabled\n");
    ok(r);
    EXPECT_EQ(printed(r, "Vqm41201.stCodPais"), "_0055_");
    EXPECT_EQ(printed(r, "Vqm41201.stCodEstado"), "_0055SP_");
    EXPECT_EQ(printed(r, "Vqm41201.stCodMun").substr(0, 7), "_0055SP");
    EXPECT_EQ(printed(r, "report.P_SGESTADO"), "_0055SP_");
    const std::string municipality = printed(r, "Vqm41201.stCodMun");
    EXPECT_EQ(
        printed(r, "report.rows"),
        count("SELECT COUNT(*) FROM CLIENTE C JOIN ENDECLIE E ON E.CDCLIENTE = C.CDCLIENTE AND "
              "E.IDTPENDECLIE = 'P' WHERE NVL(C.IDCLIEATIV, 'S') = 'S' AND '_' || E.CDPAIS || E.SGESTADO || "
              "E.CDMUNICIPIO || '_' = '" +
              municipality + "'"));
    EXPECT_EQ(printedLast(r, "Vqm41201.stCodEstado"), "");
    EXPECT_EQ(printedLast(r, "Vqm41201.stCodMun"), "");
    EXPECT_EQ(printed(r, "rbtTEstado.checked"), "true");
    EXPECT_EQ(printed(r, "rbtTMun.checked"), "true");
    EXPECT_EQ(printed(r, "btnEstado.enabled"), "false");

    // A country without states.
    const std::string other =
        dtmDBGeral()->query("SELECT MIN(CDPAIS) FROM PAIS WHERE CDPAIS <> '0055'").rows()[0][0].asString();
    ok(run("click rbtPais\npick " + other +
           "\nclick btnPais\nclick rbtEstado\nclick btnEstado\n"
           "expect error \"Não há estado cadastrado para a país informado.\"\n"));
}

TEST_F(ReportE2E, SaveAsWritesThePdfAndAnUnwritablePathNone) {
    const QString pdf = path("clientes.pdf");
    DriverResult r =
        run("answer file " + pdf.toStdString() +
            "\nclick sbtSalvarComo\nprint report.action report.file report.pages report.rows messages\n");
    ok(r);
    EXPECT_EQ(printed(r, "report.action"), "pdf");
    EXPECT_EQ(printed(r, "report.file"), pdf.toStdString());
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5) == "%PDF-");
    EXPECT_TRUE(linesStarting(r, "message=").empty());

    // No name queued: cancelled, nothing written; a path in a missing folder: its message.
    const std::string bad = path("nao/existe/x.pdf").toStdString();
    r = run("click sbtSalvarComo\nprint report.file\nanswer file " + bad +
            "\nclick sbtSalvarComo\n"
            "expect error \"Não foi possível gravar o arquivo " +
            bad + ".\"\nprint report.file\n");
    ok(r);
    EXPECT_EQ(printedLast(r, "report.file"), pdf.toStdString());
    EXPECT_FALSE(QFile::exists(QString::fromStdString(bad)));
}

} // namespace
} // namespace vq::host

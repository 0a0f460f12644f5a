// The report engine end to end: PDF files with the right number of pages, wrapped texts, definitions
// from files, the report-parameter form's commands through their seams.

#include "framework/forms/frm_dados_ger_rel.h"
#include "framework/reports/report_engine.h"
#include "framework/reports/report_renderer.h"
#include "framework/reports/report_seams.h"
#include "platform/data/client_data_set.h"
#include "platform/data/error.h"
#include "platform/gui/buttons.h"
#include "tests/framework/services_test_support.h"

#include <QFile>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vq::reports {
namespace {

constexpr FieldSpec kFields[] = {{"SGESTADO", FieldType::String, 2, "UF"},
                                 {"CDCLIENTE", FieldType::String, 21, "Código"},
                                 {"NMRAZSOCCLIE", FieldType::String, 200, "Razão Social"},
                                 {"VRLIMCREDCLI", FieldType::Float, 0, "Limite"}};

void fill(ClientDataSet& cds, int rows, const std::string& name = "Cliente") {
    cds.CreateFields(kFields);
    cds.CreateDataSet();
    for (int i = 0; i < rows; ++i) {
        cds.Append();
        cds.FieldByName("SGESTADO").SetAsString(i < rows / 2 ? "RJ" : "SP");
        cds.FieldByName("CDCLIENTE").SetAsString("J" + std::to_string(1000 + i));
        cds.FieldByName("NMRAZSOCCLIE").SetAsString(name + " " + std::to_string(i));
        cds.FieldByName("VRLIMCREDCLI").SetAsFloat(1234.5 * i);
        cds.Post();
    }
    cds.First();
}

ReportDefinition listing(bool wrap = false) {
    ReportDefinition d;
    d.code = "Tst001";
    d.title = "Clientes por Estado";
    d.columns = {{"CDCLIENTE", "", 30, Align::Left, "", false},
                 {"NMRAZSOCCLIE", "", 60, Align::Left, "", wrap},
                 {"VRLIMCREDCLI", "", 30, Align::Right, "#,##0.00", false}};
    d.groups = {{"SGESTADO", "Estado", true}};
    return d;
}

// Pages of a PDF file: its page objects ("/Type /Page", not "/Pages").
int pdfPages(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QString text = QString::fromLatin1(f.readAll());
    return static_cast<int>(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"))));
}

TEST(ReportsEngine, PdfPageCountFollowsTheRows) {
    QTemporaryDir dir;
    for (int rows : {0, 1, 40, 300}) {
        ClientDataSet cds("cdsClientes");
        fill(cds, rows);
        ReportEngine engine;
        engine.SetDefinition(listing());
        engine.SetDataSet(&cds);
        const QString path = dir.filePath(QStringLiteral("r%1.pdf").arg(rows));
        const int pages = engine.SaveAsPdf(path.toStdString());
        EXPECT_EQ(pdfPages(path), pages) << rows;

        QPdfWriter probe(dir.filePath(QStringLiteral("probe.pdf")));
        const ReportDocument doc = engine.Prepare();
        const ReportRenderer renderer(doc);
        renderer.setUpDevice(probe);
        const auto layout = renderer.layout(probe);
        std::size_t details = 0;
        for (const auto& page : layout)
            for (const auto& band : page)
                details += band.kind == BandKind::Detail ? 1 : 0;
        EXPECT_EQ(details, static_cast<std::size_t>(rows));
        if (rows <= 40)
            EXPECT_EQ(pages, 1) << rows; // 40 short rows and their group lines fit one A4 page
        else
            EXPECT_GE(pages, 5) << rows;
    }
}

TEST(ReportsEngine, WrappedLongTextsTakeMoreRoomThanElidedOnes) {
    QTemporaryDir dir;
    ClientDataSet cds("cdsClientes");
    fill(cds, 60,
         "Comércio de produtos alimentícios em geral, bebidas, material de limpeza e outras atividades");
    ReportEngine engine;
    engine.SetDataSet(&cds);
    engine.SetDefinition(listing(false));
    const int elided = engine.SaveAsPdf(dir.filePath(QStringLiteral("a.pdf")).toStdString());
    engine.SetDefinition(listing(true));
    const int wrapped = engine.SaveAsPdf(dir.filePath(QStringLiteral("b.pdf")).toStdString());
    EXPECT_GT(wrapped, elided);
    EXPECT_EQ(cds.RecNo(), 1);
}

TEST(ReportsEngine, CellsUseTheColumnFormat) {
    ClientDataSet cds("cdsClientes");
    fill(cds, 3);
    ReportEngine engine;
    engine.SetDefinition(listing());
    engine.SetDataSet(&cds);
    const ReportDocument doc = engine.Prepare();
    EXPECT_EQ(doc.columnTitles, (std::vector<std::string>{"Código", "Razão Social", "Limite"}));
    EXPECT_EQ(doc.rows[2].cells[2], "2.469,00");
    EXPECT_EQ(doc.rows[0].groupValues, std::vector<std::string>{"RJ"});

    ReportDefinition bad = listing();
    bad.columns.push_back({"NAOEXISTE", "", 10, Align::Left, "", false});
    engine.SetDefinition(bad);
    EXPECT_THROW(engine.Prepare(), Error);
}

TEST(ReportsEngine, TheQueryGetsTheParametersTheFormSets) {
    ReportDefinition d = listing();
    d.sql = "SELECT * FROM CLIENTE WHERE (INSTR(:P_SGESTADO, SGESTADO) > 0 OR :P_TODOS = 'T')";
    ReportEngine engine;
    engine.SetDefinition(d);
    db::Params seen;
    engine.SetQueryRunner([&](const ReportDefinition&, const db::Params& p) {
        seen = p;
        ClientDataSet cds;
        fill(cds, 2);
        return cds.dataPacket();
    });
    engine.OnBeforeGetQueryParams = [](ReportParams& p) {
        if (Qrddlgs::ExistParam(p, "P_TODOS"))
            p.ParamByName("P_TODOS") = Variant("T");
        if (Qrddlgs::ExistParam(p, "P_NAODECLARADO"))
            p.ParamByName("P_NAODECLARADO") = Variant("x");
    };
    const ReportDocument doc = engine.Prepare();
    EXPECT_EQ(doc.rows.size(), 2u);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen.at("P_TODOS").asString(), "T");
    EXPECT_TRUE(seen.at("P_SGESTADO").isNull());
}

TEST(ReportsDefinition, JsonRoundTripAndFilesWinOverBuiltIns) {
    QTemporaryDir dir;
    ReportDefinition d = listing(true);
    d.sqlVariants["SQL_POSTGRESQL"] = "SELECT 1";
    const ReportDefinition back = fromJson(toJson(d));
    EXPECT_EQ(back.title, d.title);
    ASSERT_EQ(back.columns.size(), 3u);
    EXPECT_TRUE(back.columns[1].wrap);
    EXPECT_EQ(back.columns[2].align, Align::Right);
    EXPECT_EQ(back.groups[0].title, "Estado");
    EXPECT_EQ(back.sqlVariants.at("SQL_POSTGRESQL"), "SELECT 1");

    registerReport(d);
    EXPECT_EQ(findReport("tst001", dir.path().toStdString())->title, "Clientes por Estado");
    d.title = "Editado";
    saveReport(d, dir.path().toStdString());
    EXPECT_EQ(findReport("Tst001", dir.path().toStdString())->title, "Editado");
    EXPECT_FALSE(findReport("Nada", dir.path().toStdString()));

    EXPECT_THROW(fromJson("[1,2]"), Error);
    EXPECT_THROW(fromJson(R"({"columns": []})"), Error);
    EXPECT_THROW(fromJson(R"({"columns": [{"field": "A", "align": "diagonal"}]})"), Error);
    EXPECT_THROW(fromJson(R"({"columns": [{"field": "A", "width": -3}]})"), Error);
}

// A report form as a module derives it: one parameter check before the inherited command.
class TestReportForm : public TfrmDadosGerRel {
public:
    explicit TestReportForm(const std::string& dir) : TfrmDadosGerRel("TfrmDadTeste") {
        ReportCode = "Tst001";
        ReportDirectory = dir;
        fill(cds, 10);
        rpddPadrao.SetDataSet(&cds);
        DoCreate();
    }
    void sbtPreviewClick() override {
        if (!ativo)
            throw Error("Situação deve ser informada.");
        TfrmDadosGerRel::sbtPreviewClick();
    }
    void rpddPadraoBeforeGetQueryParams(ReportParams& params) override {
        ++paramCalls;
        TfrmDadosGerRel::rpddPadraoBeforeGetQueryParams(params);
    }
    ClientDataSet cds{"cdsClientes"};
    bool ativo = true;
    int paramCalls = 0;
};

TEST(ReportsForm, PreviewAndSaveAsGoThroughTheirSeams) {
    QTemporaryDir dir;
    registerReport(listing());
    TestReportForm f(dir.path().toStdString());
    std::vector<std::size_t> previewed;
    gui::SeamOverride preview(seams::preview(),
                              [&](const ReportDocument& doc) { previewed.push_back(doc.rows.size()); });
    f.sbtPreview->Click();
    EXPECT_EQ(previewed, std::vector<std::size_t>{10});
    EXPECT_EQ(f.paramCalls, 1);
    f.ativo = false;
    EXPECT_THROW(f.sbtPreview->Click(), Error);
    EXPECT_EQ(previewed.size(), 1u);

    const QString pdf = dir.filePath(QStringLiteral("saida.pdf"));
    std::string suggested;
    gui::SeamOverride name(seams::saveFileName(), [&](const std::string& s) -> std::optional<std::string> {
        suggested = s;
        return pdf.toStdString();
    });
    f.sbtSalvarComo->Click();
    EXPECT_EQ(suggested, "Tst001.pdf");
    EXPECT_EQ(pdfPages(pdf), 1);
}

TEST(ReportsForm, AMissingDefinitionNamesTheCodeAndDirectory) {
    QTemporaryDir dir;
    test::MessageRecorder messages;
    TestReportForm f(dir.path().toStdString());
    f.ReportCode = "Inexistente";
    EXPECT_THROW(f.sbtPrint->Click(), Abort);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Arquivo de definição do relatório Inexistente não encontrado em " +
                                          dir.path().toStdString() + ".");
}

TEST(ReportsForm, ReportEditRetitlesAndRefusesATitleInUse) {
    QTemporaryDir dir;
    test::MessageRecorder messages;
    ReportDefinition other = listing();
    other.code = "Outro";
    other.title = "Relatório Antigo";
    saveReport(other, dir.path().toStdString());
    registerReport(listing());
    TestReportForm f(dir.path().toStdString());

    std::vector<TextPrompt> prompts;
    std::string answer = "relatório antigo";
    gui::SeamOverride input(seams::inputText(), [&](const TextPrompt& p) -> std::optional<std::string> {
        prompts.push_back(p);
        return answer;
    });
    EXPECT_THROW(f.sbtReportEdit->Click(), Abort);
    ASSERT_EQ(prompts.size(), 1u);
    EXPECT_EQ(prompts[0].caption, "Título do Relatório");
    EXPECT_EQ(prompts[0].initial, "Clientes por Estado");
    EXPECT_EQ(messages.shown.back().text, "Já existe um relatório com o título relatório antigo.");
    EXPECT_EQ(findReport("Tst001", dir.path().toStdString())->title,
              "Clientes por Estado"); // built-in, unchanged

    answer = "  Clientes Ativos ";
    f.sbtReportEdit->Click();
    EXPECT_EQ(findReport("Tst001", dir.path().toStdString())->title, "Clientes Ativos");
    EXPECT_EQ(f.rpddPadrao.Definition().title, "Clientes Ativos");
}

} // namespace
} // namespace vq::reports

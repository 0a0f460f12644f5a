// The customer data report form over the in-process server: the parameters its controls hand to the
// report's query and the rows that come back, the checks of print, preview and save as with their focus,
// the searches and their resets, and the report edit.

#include "filter_report/Vqm41201.h"
#include "framework/reports/report_engine.h"
#include "framework/reports/report_params.h"
#include "framework/reports/report_seams.h"
#include "framework/services/db_geral.h"
#include "platform/db/connection.h"
#include "platform/gui/buttons.h"
#include "platform/gui/edit.h"
#include "platform/gui/guard.h"
#include "platform/gui/radio_button.h"
#include "tests/gui/gui_test_support.h"
#include "tests/module/module_test_support.h"

#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace vq {
namespace {

using Vqm41201::Index;

class ReportForm : public test::ModuleTest {
protected:
    void SetUp() override {
        ModuleTest::SetUp();
        reports::setDefaultQueryRunner(reports::connectionRunner(*dtmDBGeral()));
    }
    void TearDown() override {
        reports::setDefaultQueryRunner(nullptr);
        ModuleTest::TearDown();
    }

    // Opens the form (modal, answered) and runs `body` while it is shown.
    void withForm(const std::function<void(TfrmDadCliente&)>& body) {
        test::ModalAnswers answers;
        answers.on("TfrmDadCliente", [&](gui::FormBase& f) { body(dynamic_cast<TfrmDadCliente&>(f)); });
        CriaDadosCliente();
        test::flushDeletes();
    }
    // A user's action: a failing check shows its message and ends only the action.
    static void user(const std::function<void()>& action) { gui::guarded("test", action); }

    std::string lastMessage() const { return messages.shown.empty() ? "" : messages.shown.back().text; }
    static std::int64_t count(const std::string& sql) {
        return dtmDBGeral()->query(sql).rows()[0][0].toInt();
    }
    static const Variant& param(const char* name) { return reports::lastRun().params.at(name); }

    gui::test::MessageRecorder messages;
    std::size_t previewed = 0; // rows of the last document previewed
    gui::SeamOverride<gui::Seam<void(const reports::ReportDocument&)>> preview{
        reports::seams::preview(), [this](const reports::ReportDocument& d) { previewed = d.rows.size(); }};
};

TEST_F(ReportForm, SituationBoxesChooseTheCustomersListed) {
    const std::int64_t all = count("SELECT COUNT(*) FROM CLIENTE");
    const std::int64_t active = count("SELECT COUNT(*) FROM CLIENTE WHERE NVL(IDCLIEATIV, 'S') = 'S'");
    withForm([&](TfrmDadCliente& f) {
        EXPECT_TRUE(f.ckbSituaClie->Checked());
        EXPECT_FALSE(f.ckbSituaClieInat->Checked());
        user([&] { f.sbtPreview->Click(); });
        ASSERT_EQ(reports::lastRun().action, "preview") << lastMessage();
        EXPECT_EQ(reports::lastRun().params.size(), 16u);
        for (const char* p : {"P_CDCLIENTE", "P_CDPAIS", "P_SGESTADO", "P_CDMUNICIPIO", "P_CDATIVCLI",
                              "P_CDSEGMER", "P_TCLIEINAT", "P_TCLIEDESDE", "P_TNASCFUND"})
            EXPECT_EQ(param(p), Variant("T")) << p;
        EXPECT_EQ(param("P_IDCLIEATIV"), Variant("S"));
        EXPECT_EQ(param("P_TCLIEATIV"), Variant(""));
        EXPECT_EQ(param("P_IDCLIEINAT"), Variant(""));
        EXPECT_EQ(param("P_CLIEDESDEINI"), Variant(DateTime{}));
        EXPECT_EQ(param("P_NASCFUNDFIN"), Variant(DateTime{}));
        EXPECT_EQ(static_cast<std::int64_t>(previewed), active);

        f.ckbSituaClieInat->SetChecked(true);
        user([&] { f.sbtPreview->Click(); });
        EXPECT_EQ(param("P_IDCLIEINAT"), Variant("N"));
        EXPECT_EQ(param("P_TCLIEATIV"), Variant(""));
        EXPECT_EQ(static_cast<std::int64_t>(previewed), all);

        f.ckbSituaClie->SetChecked(false);
        user([&] { f.sbtPreview->Click(); });
        EXPECT_EQ(static_cast<std::int64_t>(previewed), all - active);

        f.ckbSituaClieInat->SetChecked(false);
        f.depDeClieDesde->SetFocus();
        user([&] { f.sbtPreview->Click(); });
        EXPECT_EQ(lastMessage(), "Situação deve ser informada.");
        EXPECT_TRUE(f.ckbSituaClie->Focused());
    });
}

TEST_F(ReportForm, ListChecksRunInTheirOrderAndFocusTheListButton) {
    withForm([&](TfrmDadCliente& f) {
        for (Index i : {Vqm41201::kMunicipio, Vqm41201::kPais, Vqm41201::kSegmento, Vqm41201::kRamo,
                        Vqm41201::kCliente, Vqm41201::kEstado})
            f.controls(i).list->Click();
        EXPECT_TRUE(f.controls(Vqm41201::kCliente).search->Enabled());
        Vqm41201::UnitState& u = Vqm41201::unit();
        const std::pair<std::string*, const char*> order[] = {
            {&u.stCodCliente, "Cliente deve ser informado."},
            {&u.stCodRamoAtiv, "Ramo de atividade deve ser informado."},
            {&u.stCodSegmMerc, "Segmento de mercado deve ser informado."},
            {&u.stCodPais, "País deve ser informado."},
            {&u.stCodEstado, "Estado deve ser informado."},
            {&u.stCodMun, "Município deve ser informado."},
        };
        for (std::size_t n = 0; n < std::size(order); ++n) {
            messages.shown.clear();
            user([&] { f.sbtSalvarComo->Click(); });
            EXPECT_EQ(lastMessage(), order[n].second);
            EXPECT_TRUE(f.controls(Vqm41201::kCheckOrder[n]).list->Focused()) << order[n].second;
            *order[n].first = "  ";
            user([&] { f.sbtPrint->Click(); });
            EXPECT_EQ(lastMessage(), order[n].second) << "a blank list is no list";
            *order[n].first = "_X_";
        }
        // The report edit runs no list check.
        QTemporaryDir dir;
        f.ReportDirectory = dir.path().toStdString();
        gui::SeamOverride title(reports::seams::inputText(), [](const reports::TextPrompt&) {
            return std::optional<std::string>("Clientes");
        });
        u.stCodCliente.clear();
        messages.shown.clear();
        user([&] { f.sbtReportEdit->Click(); });
        EXPECT_TRUE(messages.shown.empty()) << lastMessage();
        EXPECT_EQ(f.rpddPadrao.Definition().title, "Clientes");
    });
}

TEST_F(ReportForm, DateRangesNeedBothEndsInOrder) {
    withForm([&](TfrmDadCliente& f) {
        struct Case {
            gui::DateEdit *from, *to;
            const char *fromText, *toText, *message;
            gui::DateEdit* focus;
        };
        const Case cases[] = {
            {f.depDeClieDesde, f.depAteClieDesde, "", "01/02/2020",
             "Cliente desde inicial deve ser informado.", f.depDeClieDesde},
            {f.depDeClieDesde, f.depAteClieDesde, "01/02/2020", "", "Cliente desde final deve ser informado.",
             f.depAteClieDesde},
            {f.depDeClieDesde, f.depAteClieDesde, "02/02/2020", "01/02/2020",
             "Cliente desde inicial deve ser menor ou igual à final.", f.depDeClieDesde},
            {f.depDeNascFund, f.depAteNascFund, "", "01/02/2020",
             "Nascimento/Fundação inicial deve ser informado.", f.depDeNascFund},
            {f.depDeNascFund, f.depAteNascFund, "01/02/2020", "",
             "Nascimento/Fundação final deve ser informado.", f.depAteNascFund},
            {f.depDeNascFund, f.depAteNascFund, "03/02/2020", "01/02/2020",
             "Nascimento/Fundação inicial deve ser menor ou igual à final.", f.depDeNascFund},
        };
        for (const Case& c : cases) {
            c.from->SetText(c.fromText);
            c.to->SetText(c.toText);
            f.ckbSituaClie->SetFocus();
            messages.shown.clear();
            user([&] { f.sbtPreview->Click(); });
            EXPECT_EQ(lastMessage(), c.message);
            EXPECT_TRUE(c.focus->Focused()) << c.message;
            c.from->Clear();
            c.to->Clear();
        }
        // Equal dates pass, as dates; an invalid date in the focused field stops everything with its own
        // text.
        f.depDeClieDesde->SetText("05/03/2021");
        f.depAteClieDesde->SetText("05/03/2021");
        messages.shown.clear();
        reports::lastRun() = {};
        user([&] { f.sbtPreview->Click(); });
        EXPECT_TRUE(messages.shown.empty()) << lastMessage();
        EXPECT_EQ(param("P_CLIEDESDEINI"), Variant(makeDateTime({2021, 3, 5})));
        EXPECT_EQ(param("P_CLIEDESDEFIN"), Variant(makeDateTime({2021, 3, 5})));
        EXPECT_EQ(param("P_TCLIEDESDE"), Variant(""));
        f.depAteNascFund->SetFocus();
        f.depAteNascFund->SetText("31/02/2021");
        reports::lastRun() = {};
        user([&] { f.sbtPreview->Click(); });
        EXPECT_EQ(reports::lastRun().action, "none");
        EXPECT_NE(lastMessage().find("31/02/2021"), std::string::npos) << lastMessage();
        EXPECT_TRUE(f.depAteNascFund->Focused());
    });
}

TEST_F(ReportForm, SearchesResetTheRegionsBelowTheirChoice) {
    // The picker ticks the rows whose keys are queued here.
    std::vector<std::string> keys;
    std::vector<std::string> captions;
    gui::SeamOverride picker(gui::seams::listPicker(), [&](const gui::ChoiceRequest& r) -> gui::RowsChoice {
        captions.push_back(r.caption);
        std::vector<std::size_t> rows;
        for (std::size_t i = 0; i < r.keys.size(); ++i)
            if (std::find(keys.begin(), keys.end(), r.keys[i]) != keys.end())
                rows.push_back(i);
        return rows;
    });
    withForm([&](TfrmDadCliente& f) {
        Vqm41201::UnitState& u = Vqm41201::unit();
        f.controls(Vqm41201::kPais).list->Click();
        keys = {"0055"};
        user([&] { f.controls(Vqm41201::kPais).search->Click(); });
        EXPECT_EQ(u.stCodPais, "_0055_");
        f.controls(Vqm41201::kEstado).list->Click();
        keys = {"0055SP"};
        user([&] { f.controls(Vqm41201::kEstado).search->Click(); });
        EXPECT_EQ(u.stCodEstado, "_0055SP_");
        f.controls(Vqm41201::kMunicipio).list->Click();
        keys = {"0055SP0001"};
        user([&] { f.controls(Vqm41201::kMunicipio).search->Click(); });
        EXPECT_EQ(u.stCodMun, "_0055SP0001_");

        // New countries: state and municipality back to all, their lists emptied.
        keys = {"0055"};
        user([&] { f.controls(Vqm41201::kPais).search->Click(); });
        EXPECT_TRUE(u.stCodEstado.empty());
        EXPECT_TRUE(u.stCodMun.empty());
        EXPECT_TRUE(f.controls(Vqm41201::kEstado).all->Checked());
        EXPECT_TRUE(f.controls(Vqm41201::kMunicipio).all->Checked());
        EXPECT_FALSE(f.controls(Vqm41201::kEstado).search->Enabled());

        // A country without states.
        const std::string other = dtmDBGeral()
                                      ->query("SELECT MIN(CDPAIS) FROM PAIS WHERE CDPAIS <> '0055'")
                                      .rows()[0][0]
                                      .asString();
        u.stCodPais = "_" + other + "_";
        f.controls(Vqm41201::kEstado).list->Click();
        messages.shown.clear();
        user([&] { f.controls(Vqm41201::kEstado).search->Click(); });
        EXPECT_EQ(lastMessage(), "Não há estado cadastrado para a país informado.");

        // All countries clear the state list too.
        u.stCodEstado = "_0055SP_";
        f.controls(Vqm41201::kPais).all->Click();
        EXPECT_TRUE(u.stCodEstado.empty());
        EXPECT_TRUE(f.controls(Vqm41201::kEstado).all->Checked());
        EXPECT_EQ(captions.front(), "País");
    });
}

TEST_F(ReportForm, ParametersAreWrittenOnlyWhenTheQueryDeclaresThem) {
    withForm([&](TfrmDadCliente& f) {
        f.controls(Vqm41201::kEstado).list->Click();
        reports::ReportParams none(std::vector<std::string>{});
        f.rpddPadraoBeforeGetQueryParams(none);
        EXPECT_TRUE(none.values().empty());

        reports::ReportParams some(std::vector<std::string>{"P_SGESTADO", "P_CDMUNICIPIO", "P_CLIEDESDEINI"});
        Vqm41201::unit().stCodEstado = "_0055SP_";
        f.rpddPadraoBeforeGetQueryParams(some);
        EXPECT_EQ(some.value("P_SGESTADO"), Variant("_0055SP_"));
        EXPECT_EQ(some.value("P_CDMUNICIPIO"), Variant("T"));
        EXPECT_TRUE(some.value("P_CLIEDESDEINI").isNull())
            << "a range is written only with all three declared";

        Vqm41201::unit().stCodEstado.clear();
        user([&] { f.rpddPadraoBeforeGetQueryParams(some); });
        EXPECT_EQ(lastMessage(), "Estado deve ser informado.");
    });
}

} // namespace
} // namespace vq

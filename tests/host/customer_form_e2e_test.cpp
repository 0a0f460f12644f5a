// The customer form through the driver, over the real module and the embedded server on a SQLite file of
// the test's own: which remote calls each tab entry and move makes, what survives leaving a tab, what
// insert, edit and viewing only enable, and what the module code shows.

#include "host/driver.h"
#include "platform/db/connection.h"
#include "tests/host/e2e_support.h"

#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace vq::host {
namespace {

using namespace e2e;

using Lines = std::vector<std::string>;

// The remote calls printed, without the server's module name: `GetBancoPref(["F1"])`. The qualification
// every record change shows (GetQualifica) is left out: these tests look at the tabs' loads.
Lines callsOf(const DriverResult& r) {
    Lines calls;
    for (const std::string& line : r.output)
        if (line.rfind("call=", 0) == 0) {
            const std::size_t dot = line.find('.', line.find('.') + 1);
            if (line.compare(dot + 1, 13, "GetQualifica(") != 0)
                calls.push_back(line.substr(dot + 1));
        }
    return calls;
}

Lines messagesOf(const DriverResult& r) {
    Lines shown;
    for (const std::string& line : r.output)
        if (line.rfind("message=", 0) == 0)
            shown.push_back(line.substr(8));
    return shown;
}

std::string call(const std::string& method, const std::string& code) {
    return method + "([\"" + code + "\"])";
}

class CustomerFormScript : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir_ = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(dir_->isValid());
        databaseUrl_ = "sqlite:" + dir_->filePath("erp.db").toStdString();
        DriverOptions o;
        o.moduleDir = VQ_HOST_MODULE_DIR;
        o.seedCustomers = 16;
        o.defaultDatabaseUrl = databaseUrl_;
        o.settings["module"] = "16";
        driver_ = std::make_unique<Driver>(std::move(o));
        discoverCustomers();
    }
    static void TearDownTestSuite() {
        driver_.reset();
        dir_.reset();
    }
    void TearDown() override {
        // Whatever a case left behind (pending rows are dropped): the next one starts with a new form.
        driver_->run("answer yes\nclose TfrmCliente\n");
        driver_->run("settings module=16\n");
    }

    static DriverResult run(std::string_view script) {
        DriverResult r = driver_->run(script);
        EXPECT_EQ(r.exitCode, 0) << describe(r);
        return r;
    }
    // The form over every customer, on the grid page, with the calls so far printed away.
    static void open() {
        run("call IniProc null\nform TfrmFilCliente\nclick sbtConfirma\nform TfrmCliente\nprint calls "
            "messages\n");
    }
    // To the customer at `index`, from the grid page.
    static std::string goTo(std::size_t index) {
        std::string script = "click mnuFolhaDados\nclick Primeiro1\n";
        for (std::size_t i = 0; i < index; ++i)
            script += "click Proximo1\n";
        return script;
    }

    // Codes in the form's order, and which customers have a billing address and preferred banks.
    static void discoverCustomers() {
        codes_.clear();
        withBilling_ = withoutBilling_ = withBanks_ = std::nullopt;
        open();
        std::string script = "click mnuEndeClieCobr\nclick Primeiro1\n";
        std::string banks = "click mnuBancoPref\nclick Primeiro1\n";
        for (int i = 0; i < 16; ++i) {
            script += "print cdsCliente.CDCLIENTE cdsEndeClieCobr.recordCount\nclick Proximo1\n";
            banks += "print cdsBancoPref.recordCount\nclick Proximo1\n";
        }
        const DriverResult r = run(script + banks + "close TfrmCliente\n");
        Lines counts, bankCounts;
        for (const std::string& line : r.output) {
            if (line.rfind("cdsCliente.CDCLIENTE=", 0) == 0)
                codes_.push_back(line.substr(21));
            else if (line.rfind("cdsEndeClieCobr.recordCount=", 0) == 0)
                counts.push_back(line.substr(28));
            else if (line.rfind("cdsBancoPref.recordCount=", 0) == 0)
                bankCounts.push_back(line.substr(25));
        }
        ASSERT_EQ(codes_.size(), 16u);
        for (std::size_t i = 0; i < codes_.size(); ++i) {
            if (counts[i] == "0" && !withoutBilling_)
                withoutBilling_ = i;
            if (counts[i] != "0" && !withBilling_)
                withBilling_ = i;
            if (bankCounts[i] != "0" && !withBanks_)
                withBanks_ = i;
        }
        ASSERT_TRUE(withBilling_ && withoutBilling_ && withBanks_) << "the seed has each kind of customer";
    }

    static inline std::unique_ptr<QTemporaryDir> dir_;
    static inline std::string databaseUrl_;
    static inline std::unique_ptr<Driver> driver_;
    static inline Lines codes_;
    static inline std::optional<std::size_t> withBilling_, withoutBilling_, withBanks_;
};

TEST_F(CustomerFormScript, BillingAddressIsReadAgainOnlyWhileThereIsNone) {
    open();
    for (const std::size_t who : {*withBilling_, *withoutBilling_}) {
        const DriverResult r = run(goTo(who) + "print calls\n" +
                                   "click mnuEndeClieCobr\nclick mnuFolhaDados\nclick mnuEndeClieCobr\n"
                                   "print calls dbeCdCEPClie.mask cdsEndeClieCobr.CDPAIS\n");
        const std::string read = call("GetEndeClieCobr", codes_[who]);
        if (who == *withBilling_) {
            EXPECT_EQ(callsOf(r), Lines{read});
            EXPECT_EQ(printedLast(r, "dbeCdCEPClie.mask"),
                      printedLast(r, "cdsEndeClieCobr.CDPAIS") == "0055" ? "99.999-999;0;_" : "");
        } else {
            EXPECT_EQ(callsOf(r), (Lines{read, read}));
        }
    }
    // Banks, partners and the additional data are read at every entry.
    const std::string code = codes_[*withBanks_];
    const DriverResult r =
        run(goTo(*withBanks_) + "print calls\n" +
            "click mnuBancoPref\nclick mnuFolhaDados\nclick mnuBancoPref\n"
            "click mnuSocios\nclick mnuFolhaDados\nclick mnuSocios\n"
            "click mnuDadAdic\nclick mnuFolhaDados\nclick mnuDadAdic\nprint calls messages\n");
    const std::string additional = "GetInfoPaginaDadosAdicionais([\"\",\"T\",\"" + code + "\"])";
    EXPECT_EQ(callsOf(r), (Lines{call("GetBancoPref", code), call("GetBancoPref", code),
                                 call("GetSocios", code), call("GetSocios", code), additional, additional}));
    EXPECT_TRUE(messagesOf(r).empty()) << messagesOf(r).front();
}

TEST_F(CustomerFormScript, RowsBeingEditedOrUnsentSurviveTabChangesAndStopMoves) {
    open();
    const std::string code = codes_[*withBanks_];
    run(goTo(*withBanks_) + "click mnuBancoPref\nprint calls\n");
    // The other pages are locked while a bank row is edited.
    DriverResult r = run("cell dbgBancoPref 0 CDCONTCORR 98765\n"
                         "print calls cdsBancoPref.state cdsBancoPref.CDCONTCORR mnuFolhaDados.enabled\n"
                         "click Proximo1\nclick Ultimo1\nclick Primeiro1\nclick Anterior1\n"
                         "print calls cdsCliente.CDCLIENTE Vqm41200.boScroll\n");
    EXPECT_TRUE(callsOf(r).empty()) << callsOf(r).front();
    EXPECT_EQ(printedLast(r, "cdsBancoPref.state"), "2");
    EXPECT_EQ(printedLast(r, "cdsBancoPref.CDCONTCORR"), "98765");
    EXPECT_EQ(printedLast(r, "mnuFolhaDados.enabled"), "false");
    EXPECT_EQ(printedLast(r, "cdsCliente.CDCLIENTE"), code) << "no move while a bank is edited";
    EXPECT_EQ(printedLast(r, "Vqm41200.boScroll"), "false");
    run("answer yes\nclose TfrmCliente\nprint Vqm41200.boStCriado\n");

    // An invoice message typed and posted, not yet sent: still there after leaving and returning.
    open();
    const std::string before =
        printedLast(run(goTo(*withBanks_) + "click mnuDadAdic\nprint calls cdsMensCliente.recordCount\n"),
                    "cdsMensCliente.recordCount");
    r = run("key dbgMensCliente Insert\ncell dbgMensCliente 0 DSMENSCLIENTE \"Mensagem da nota\"\n"
            "click mnuFolhaDados\nclick mnuDadAdic\n"
            "print calls cdsMensCliente.state cdsMensCliente.DSMENSCLIENTE\n"
            "click Proximo1\nprint cdsCliente.CDCLIENTE\n"
            "key dbgMensCliente Down\nkey dbgMensCliente Esc\n"
            "click mnuDadosFiscais\nclick mnuDadAdic\n"
            "print calls cdsMensCliente.state cdsMensCliente.recordCount cdsMensCliente.DSMENSCLIENTE "
            "messages\n");
    EXPECT_TRUE(callsOf(r).empty()) << callsOf(r).front();
    EXPECT_EQ(printedLast(r, "cdsCliente.CDCLIENTE"), code) << "no move while a message is inserted";
    EXPECT_EQ(printedLast(r, "cdsMensCliente.state"), "1");
    EXPECT_EQ(printedLast(r, "cdsMensCliente.recordCount"), std::to_string(std::stoi(before) + 1));
    EXPECT_EQ(printedLast(r, "cdsMensCliente.DSMENSCLIENTE"), "Mensagem da nota");
    EXPECT_TRUE(messagesOf(r).empty()) << messagesOf(r).front();
}

TEST_F(CustomerFormScript, AMoveOnEachTabReadsOnlyThatTabsData) {
    struct TabCase {
        const char* item;
        const char* method; // nullptr: nothing read
    };
    const TabCase cases[] = {
        {"mnuFolhaDados", nullptr},
        {"mnuEndeClie", "GetEndeClieNorm"},
        {"mnuEndeClieCobr", "GetEndeClieCobr"},
        {"mnuEndeExt", "GetEndeExt"},
        {"mnuEndeExp", "GetEndeExp"},
        {"mnuEndEntreg", "GetEndEntrega"},
        {"mnuDadAdic", "GetInfoPaginaDadosAdicionais"},
        {"mnuDadosFiscais", nullptr},
        {"mnuFormPgto", "GetPrazoPgtoClie"},
        {"mnuDadosInter", "GetInterloc"},
        {"mnuObserv", "GetObserv"},
        {"mnuSocios", "GetSocios"},
        {"mnuBancoPref", "GetBancoPref"},
        {"mnuPersonalizao", "GetIdioma"},
        {"mnuPrcBase", "GetPrecoBaseCli"},
    };
    open();
    for (const TabCase& c : cases) {
        SCOPED_TRACE(c.item);
        const DriverResult r = run(goTo(2) + "click " + c.item + "\nprint calls\nclick Proximo1\n" +
                                   "print calls cdsCliente.CDCLIENTE Vqm41200.boScroll messages\n");
        EXPECT_EQ(printedLast(r, "cdsCliente.CDCLIENTE"), codes_[3]);
        EXPECT_EQ(printedLast(r, "Vqm41200.boScroll"), "false");
        EXPECT_TRUE(messagesOf(r).empty()) << messagesOf(r).front();
        const Lines calls = callsOf(r);
        if (!c.method) {
            EXPECT_TRUE(calls.empty()) << calls.front();
            continue;
        }
        EXPECT_FALSE(calls.empty());
        for (const std::string& made : calls)
            EXPECT_EQ(made.rfind(std::string(c.method) + "(", 0), 0u) << made;
    }
}

TEST_F(CustomerFormScript, AFailedLoadShowsOnceAndRestoresTheScrollFlag) {
    open();
    run(goTo(*withBanks_) + "click mnuBancoPref\nprint calls\n");
    {
        db::Connection db(databaseUrl_);
        db.execute("ALTER TABLE BANCOPREF RENAME TO BANCOPREF_FORA");
    }
    const DriverResult moved =
        run("click Proximo1\nprint Vqm41200.boScroll messages cdsBancoPref.recordCount\n"
            "click mnuFolhaDados\nclick mnuBancoPref\n"
            "print Vqm41200.boScroll pgcPadrao.activePage messages calls\n");
    {
        db::Connection db(databaseUrl_);
        db.execute("ALTER TABLE BANCOPREF_FORA RENAME TO BANCOPREF");
    }
    EXPECT_EQ(printedLast(moved, "Vqm41200.boScroll"), "false");
    EXPECT_EQ(printedLast(moved, "pgcPadrao.activePage"), "tshBancoPref") << "the tab changes all the same";
    EXPECT_EQ(printedLast(moved, "cdsBancoPref.recordCount"), "0") << "no banks of the customer before";
    const Lines shown = messagesOf(moved);
    ASSERT_EQ(shown.size(), 2u) << "one message for the move, one for the entry";
    for (const std::string& m : shown)
        EXPECT_EQ(m.rfind("error: ", 0), 0u) << m;

    // The data come back once the server answers again.
    const DriverResult r = run("click mnuFolhaDados\nclick mnuBancoPref\nprint calls messages\n");
    EXPECT_EQ(callsOf(r).size(), 1u);
    EXPECT_TRUE(messagesOf(r).empty()) << messagesOf(r).front();
}

TEST_F(CustomerFormScript, TheFormPageReadsItsLookupsOnceAndLeavesTheRegistrationFocused) {
    open();
    const DriverResult r = run(goTo(0) + "print calls\nclick mnuFormulario\nprint calls\n");
    const Lines calls = callsOf(r);
    EXPECT_EQ(
        std::ranges::count_if(calls, [](const std::string& c) { return c.rfind("GetPesqDivulg(", 0) == 0; }),
        1);
    EXPECT_LE(
        std::ranges::count_if(calls, [](const std::string& c) { return c.rfind("GetRamoAtiv(", 0) == 0; }),
        1);
    const DriverResult again = run("focus dbeCdInscEsta\nclick mnuFormulario\n"
                                   "print dbeCdInscEsta.focused dbeNmRazaoSoc.focused\n"
                                   "focus dbeNmFantasia\nclick mnuFormulario\nprint dbeNmRazaoSoc.focused\n");
    EXPECT_EQ(again.output[0], "dbeCdInscEsta.focused=true");
    EXPECT_EQ(again.output[1], "dbeNmRazaoSoc.focused=false");
    EXPECT_EQ(again.output[2], "dbeNmRazaoSoc.focused=true");
}

TEST_F(CustomerFormScript, AFailureWhileCreatingLeavesNoForm) {
    {
        db::Connection db(databaseUrl_);
        db.execute("ALTER TABLE PARAMFISCAL RENAME TO PARAMFISCAL_FORA");
    }
    const DriverResult r =
        driver_->run("call IniProc null\nprint Vqm41200.boStCriado Vqm41200.frmCliente messages\n");
    {
        db::Connection db(databaseUrl_);
        db.execute("ALTER TABLE PARAMFISCAL_FORA RENAME TO PARAMFISCAL");
    }
    EXPECT_EQ(r.exitCode, 0) << describe(r);
    EXPECT_EQ(printedLast(r, "Vqm41200.boStCriado"), "false");
    EXPECT_EQ(printedLast(r, "Vqm41200.frmCliente"), "");
    const Lines shown = messagesOf(r);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].rfind("error: ", 0), 0u) << shown[0];
    // The next launch builds the form.
    open();
    EXPECT_EQ(printedLast(run("print Vqm41200.boStCriado\n"), "Vqm41200.boStCriado"), "true");
}

TEST_F(CustomerFormScript, InsertAndEditFollowTheCustomerWithItsNormalAddress) {
    open();
    DriverResult r = run("print dbeInscricao.enabled dbeNrInsJurClie.enabled\nclick sbtIncluir\n"
                         "print pgcPadrao.activePage cdsCliente.state cdsEndeClieNorm.state "
                         "dbeInscricao.enabled lblInscricao.enabled dbeNrInsJurClie.enabled\n");
    EXPECT_EQ(r.output[0], "dbeInscricao.enabled=false");
    EXPECT_EQ(r.output[1], "dbeNrInsJurClie.enabled=false");
    EXPECT_EQ(printedLast(r, "pgcPadrao.activePage"), "tshFormulario");
    EXPECT_EQ(printedLast(r, "cdsCliente.state"), "3");
    EXPECT_EQ(printedLast(r, "cdsEndeClieNorm.state"), "3") << "a normal-address row is appended";
    EXPECT_EQ(printedLast(r, "dbeInscricao.enabled"), "true");
    EXPECT_EQ(printedLast(r, "lblInscricao.enabled"), "true");
    EXPECT_EQ(printedLast(r, "dbeNrInsJurClie.enabled"), "true");
    // Tabs that need a saved customer wait, with their menu items.
    std::string script = "print";
    for (const char* tab : {"EndeClieCobr", "EndeExt", "EndeExp", "EndEntrega", "FormPgto", "Interloc",
                            "Observ", "FolhaDados", "DadosPed", "BancoPref"})
        script += std::string(" tsh") + tab + ".enabled";
    script += " mnuEndeClieCobr.enabled mnuEndEntreg.enabled mnuInterloc.enabled mnuObserv.enabled "
              "mnuFolhaDados.enabled mnuDadosPed.enabled mnuBancoPref.enabled tshEndeClie.enabled "
              "tshDadosAdic.enabled\n";
    r = run(script);
    for (const std::string& line : r.output) {
        const bool stays = line.rfind("tshEndeClie.", 0) == 0 || line.rfind("tshDadosAdic.", 0) == 0;
        EXPECT_EQ(line.substr(line.find('=') + 1), stays ? "true" : "false") << line;
    }
    run("answer yes\nclick sbtCancelar\nclose TfrmCliente\n");

    open();
    const std::string code = codes_[1];
    r = run(goTo(1) + "click mnuEndeClie\nclick mnuFormulario\nprint calls\nclick sbtAlterar\n" +
            "print calls cdsCliente.state cdsEndeClieNorm.state cdsEndeClieNorm.CDCLIENTE "
            "dbeInscricao.enabled dbeNrInsJurClie.enabled dbeNrInsJurClie.color\n");
    const Lines calls = callsOf(r);
    EXPECT_NE(std::ranges::find(calls, call("GetEndeClieNorm", code)), calls.end())
        << "the normal address is read again for the edit";
    EXPECT_EQ(printedLast(r, "cdsCliente.state"), "2");
    EXPECT_EQ(printedLast(r, "cdsEndeClieNorm.state"), "2");
    EXPECT_EQ(printedLast(r, "cdsEndeClieNorm.CDCLIENTE"), code);
    EXPECT_EQ(printedLast(r, "dbeInscricao.enabled"), "false") << "tax numbers are typed only in insert";
    EXPECT_EQ(printedLast(r, "dbeNrInsJurClie.enabled"), "false");
    EXPECT_EQ(printedLast(r, "dbeNrInsJurClie.color"), "required");
    run("answer yes\nclick sbtCancelar\n");
}

TEST_F(CustomerFormScript, ViewingOnlyEnablesNoRecordCommandOnAnyTab) {
    run("call IniProc [\"VISUALIZA_CLIENTE\", false, \"" + codes_[*withBanks_] +
        "\"]\nform TfrmFilCliente\nclick sbtConfirma\nform TfrmCliente\n");
    const char* commands[] = {"mnuIncluir",      "mnuAlterar",         "mnuExcluir",        "mnuConfirmar",
                              "mnuCancelar",     "sbtIncluir",         "sbtAlterar",        "sbtExcluir",
                              "sbtConfirmar",    "sbtCancelar",        "sbtCadAut",         "sbtLocEntrCli",
                              "mnuCopiaEndereo", "mnuExcluirEndereco", "sbtExcluirEndereco"};
    for (const char* item :
         {"mnuFolhaDados",    "mnuFormulario", "mnuEndeClie",  "mnuEndeClieCobr", "mnuEndeExt",
          "mnuEndeExp",       "mnuEndEntreg",  "mnuDadAdic",   "mnuDadosFiscais", "mnuFormPgto",
          "mnuDadosInter",    "mnuFormInter",  "mnuEndeInter", "mnuCorres",       "mnuObserv",
          "mnuSituFinaGeral", "mnuSocios",     "mnuBancoPref", "mnuPersonalizao", "mnuGeral",
          "mnuPrcBase"}) {
        std::string script = std::string("click ") + item + "\nprint";
        for (const char* command : commands)
            script += std::string(" ") + command + ".enabled";
        const DriverResult r = run(script + "\n");
        for (const std::string& line : r.output)
            EXPECT_EQ(line.substr(line.find('=') + 1), "false") << item << ": " << line;
    }
    const DriverResult r =
        run("print dbgPadrao.readOnly dbgInterloc.readOnly dbgCorres.readOnly dbgObserv.readOnly "
            "dbgBancoPref.readOnly dbgSocios.readOnly dbgPrazoPgClie.readOnly dbgPrecoBase.readOnly "
            "dbgMensCliente.readOnly grbIdent.enabled grbEndeClie.enabled dbeDsCNAEFiscal.enabled\n");
    for (const std::string& line : r.output)
        EXPECT_EQ(line.substr(line.find('=') + 1),
                  line.find(".readOnly") != std::string::npos ? "true" : "false")
            << line;
    run("click mnuBancoPref\nprint messages\n");
    const DriverResult typed =
        run("cell dbgBancoPref 0 CDCONTCORR 98765\nprint cdsBancoPref.state messages\n");
    EXPECT_EQ(printedLast(typed, "cdsBancoPref.state"), "1") << "the grid does not edit in place";
    ASSERT_EQ(messagesOf(typed).size(), 1u) << messagesOf(typed).front();
    EXPECT_NE(messagesOf(typed)[0].find("não pode ser editada"), std::string::npos) << messagesOf(typed)[0];
}

TEST_F(CustomerFormScript, ModuleCodeShowsAndColoursItsControls) {
    struct ModuleCase {
        int module;
        bool adjustmentMonth, prospectTab, personalisation, prospectImport, permit, abbreviation, required;
    };
    const ModuleCase cases[] = {
        {0, false, false, false, false, false, false, false},
        {9, false, false, false, false, true, false, false},
        {16, true, false, true, false, false, true, true},
        {33, false, true, true, true, false, false, false},
    };
    const auto flag = [](bool on) { return std::string(on ? "true" : "false"); };
    for (const ModuleCase& c : cases) {
        SCOPED_TRACE(c.module);
        run("settings module=" + std::to_string(c.module) + "\n");
        open();
        const DriverResult r = run(
            "print grbMesReaj.visible tshDadoProsp.visible mnuDadoProsp.visible tshPersonalizacao.visible "
            "mnuPersonalizao.visible sbtImpProsp.visible mnuImpProsp.visible sbtAlvara.visible "
            "mnuAlvara.visible lblSigla.visible dbeSigla.visible depClieDesde.color dbeSegMerc.color "
            "depProspDesde.color\nclose TfrmCliente\n");
        EXPECT_EQ(printedLast(r, "grbMesReaj.visible"), flag(c.adjustmentMonth));
        EXPECT_EQ(printedLast(r, "tshDadoProsp.visible"), flag(c.prospectTab));
        EXPECT_EQ(printedLast(r, "mnuDadoProsp.visible"), flag(c.prospectTab));
        EXPECT_EQ(printedLast(r, "tshPersonalizacao.visible"), flag(c.personalisation));
        EXPECT_EQ(printedLast(r, "mnuPersonalizao.visible"), flag(c.personalisation));
        EXPECT_EQ(printedLast(r, "sbtImpProsp.visible"), flag(c.prospectImport));
        EXPECT_EQ(printedLast(r, "mnuImpProsp.visible"), flag(c.prospectImport));
        EXPECT_EQ(printedLast(r, "sbtAlvara.visible"), flag(c.permit));
        EXPECT_EQ(printedLast(r, "mnuAlvara.visible"), flag(c.permit));
        EXPECT_EQ(printedLast(r, "lblSigla.visible"), flag(c.abbreviation));
        EXPECT_EQ(printedLast(r, "dbeSigla.visible"), flag(c.abbreviation));
        for (const char* edit : {"depClieDesde", "dbeSegMerc", "depProspDesde"})
            EXPECT_EQ(printedLast(r, std::string(edit) + ".color"), c.required ? "required" : "normal")
                << edit;
    }
}

TEST_F(CustomerFormScript, CtrlDeleteInTheGridDeletesNothing) {
    open();
    const DriverResult r = run("print cdsCliente.recordCount\nanswer yes\nkey dbgPadrao Ctrl+Delete\n"
                               "print cdsCliente.recordCount messages\n");
    ASSERT_EQ(r.output.size(), 2u) << r.output.back();
    EXPECT_EQ(r.output[1], r.output[0]);
    EXPECT_TRUE(messagesOf(r).empty()) << messagesOf(r).front();
}

} // namespace
} // namespace vq::host

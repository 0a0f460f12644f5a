// The customer filter through the driver, over the real module and the embedded application server: the
// sixteen GetCliente arguments, each criterion's list, the checks, the searches, cancel and refresh, the
// saved options and a failing server. The criteria's lists select on SQLite and on PostgreSQL.

#include "framework/services/db_geral.h"
#include "host/driver.h"
#include "platform/db/connection.h"
#include "tests/host/e2e_support.h"
#include "tests/support/pg_fixture.h"

#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace vq::host {
namespace {

using namespace e2e;

// The calls printed after the first line printed for `marker` (scripts flush older calls before it).
std::vector<std::string> callsAfter(const DriverResult& r, const std::string& marker) {
    std::vector<std::string> out;
    bool seen = false;
    for (const std::string& line : r.output) {
        seen = seen || line.rfind(marker + "=", 0) == 0;
        // The qualification each record change shows is not the filter's.
        if (seen && line.rfind("call=", 0) == 0 && line.find(".GetQualifica(") == std::string::npos)
            out.push_back(line.substr(5));
    }
    EXPECT_TRUE(seen) << marker << " not printed";
    return out;
}

// The GetCliente call as the driver prints it, with `list` at pair `pair` and every other pair "all".
std::string getCliente(int pair = -1, const std::string& list = {}) {
    std::string args;
    for (int i = 0; i < 8; ++i)
        args += std::string(i ? "," : "") + (i == pair ? "\"" + list + "\",\"\"" : "\"\",\"T\"");
    return "Vqm41200.rdmClientes.GetCliente([" + args + "])";
}

// Opens the customer form through the filter with every criterion on "all".
constexpr const char* kOpen = "call IniProc null\nform TfrmFilCliente\nclick sbtConfirma\nform TfrmCliente\n";

class FilterTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(settingsDir_.isValid());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir_.path());
    }
    void start(std::string databaseUrl = "temporary") {
        DriverOptions o;
        o.moduleDir = VQ_HOST_MODULE_DIR;
        o.seedCustomers = 12;
        o.defaultDatabaseUrl = std::move(databaseUrl);
        driver_ = std::make_unique<Driver>(std::move(o));
    }
    DriverResult run(const std::string& script) {
        if (!driver_)
            start();
        return driver_->run(script);
    }
    static db::Connection& db() { return *dtmDBGeral(); }
    static std::string first(const std::string& sql) {
        const db::ResultSet rs = db().query(sql);
        return rs.empty() ? std::string() : rs.rows().front().front().toString();
    }
    static std::string count(const std::string& sql, const std::string& code) {
        return db().query(sql, {{"C", Variant(code)}}).rows().front().front().toString();
    }
    // The filter's saved options as the dialog keeps them.
    static void saveOption(const std::string& key, const std::string& value) {
        QSettings store(QSettings::IniFormat, QSettings::UserScope, "VQ", "FiltrosERP");
        store.remove("frmFilCliente");
        store.setValue("frmFilCliente/" + QString::fromStdString(key), QString::fromStdString(value));
    }

    QTemporaryDir settingsDir_;
    std::unique_ptr<Driver> driver_;
};

constexpr const char* kNormalAddress =
    "FROM CLIENTE T LEFT JOIN ENDECLIE E ON E.CDCLIENTE = T.CDCLIENTE AND E.IDTPENDECLIE = 'P' ";

// One criterion on its list: where its code comes from and where its pair travels.
struct ListCase {
    const char* listButton;
    const char* optionKey;
    int pair;        // in GetCliente's order
    const char* key; // an expression over T (CLIENTE) and E (its normal address)
};

constexpr ListCase kListCases[] = {
    {"rbtCliente", "stCliente", 0, "T.CDCLIENTE"},
    {"rbtRamoAtiv", "stRamo", 1, "T.CDATIVCLI"},
    {"rbtPais", "stPais", 2, "E.CDPAIS"},
    {"rbtEstado", "stEstado", 3, "E.SGESTADO"},
    {"rbtSegmMerc", "stSegmento", 4, "T.CDSEGMER"},
    {"rbtOrigem", "stOrigem", 5, "T.CDMODODIVULG"},
    {"rbtQualifica", "stQualifica", 6, "T.CDQUALIF"},
    {"rbtMunicipio", "stMunicipio", 7, "E.CDPAIS || E.SGESTADO || E.CDMUNICIPIO"},
};

class FilterListTest : public FilterTest, public ::testing::WithParamInterface<db::Dialect> {
protected:
    void SetUp() override {
        FilterTest::SetUp();
        if (GetParam() == db::Dialect::PostgreSQL) {
            test::PgServer* pg = test::sharedPgServer();
            if (!pg)
                GTEST_SKIP() << test::pgUnavailableReason();
            start(pg->createDatabase());
        } else {
            start();
        }
    }
};

// Each criterion alone on a list (loaded from the saved options, the list button clicked) travels in its
// own pair and selects the customers whose code or normal address matches.
TEST_P(FilterListTest, EachCriterionTravelsInItsOwnPairAndSelects) {
    ASSERT_EQ(run(kOpen).exitCode, 0);
    for (const ListCase& c : kListCases) {
        SCOPED_TRACE(c.listButton);
        const std::string code = first(std::string("SELECT ") + c.key + " " + kNormalAddress + "WHERE " +
                                       c.key + " IS NOT NULL ORDER BY T.CDCLIENTE");
        ASSERT_FALSE(code.empty());
        const std::string list = "_" + code + "_";
        saveOption(c.optionKey, list);
        const DriverResult r =
            run(std::string("click sbtFiltro\nform TfrmFilCliente\nclick sbtCarregarOpcoes\n") + "click " +
                c.listButton + "\nprint calls\nprint " + c.listButton +
                ".checked\nclick sbtConfirma\nform TfrmCliente\n" + "print calls cdsCliente.recordCount\n");
        ASSERT_EQ(r.exitCode, 0) << describe(r);
        EXPECT_EQ(callsAfter(r, std::string(c.listButton) + ".checked"),
                  std::vector<std::string>{getCliente(c.pair, list)});
        EXPECT_EQ(printed(r, "cdsCliente.recordCount"),
                  count(std::string("SELECT COUNT(*) ") + kNormalAddress + "WHERE " + c.key + " = :C", code));
        // Back to every customer for the next criterion.
        ASSERT_EQ(run(std::string("click sbtFiltro\nform TfrmFilCliente\nclick ") + c.listButton +
                      "\nclick rbtT" + (c.listButton + 3) + "\nclick sbtConfirma\nform TfrmCliente\n")
                      .exitCode,
                  0);
    }
    // A state also matches with its country, and "_SP_" never matches a municipality code.
    const std::string state = first(std::string("SELECT E.SGESTADO ") + kNormalAddress +
                                    "WHERE E.SGESTADO IS NOT NULL ORDER BY T.CDCLIENTE");
    saveOption("stEstado", "_0055" + state + "_");
    const DriverResult r =
        run("click sbtFiltro\nform TfrmFilCliente\nclick sbtCarregarOpcoes\nclick rbtEstado\n"
            "click sbtConfirma\nform TfrmCliente\nprint cdsCliente.recordCount\n");
    ASSERT_EQ(r.exitCode, 0) << describe(r);
    EXPECT_EQ(printed(r, "cdsCliente.recordCount"), count(std::string("SELECT COUNT(*) ") + kNormalAddress +
                                                              "WHERE E.CDPAIS = '0055' AND E.SGESTADO = :C",
                                                          state));

    // The state and municipality searches run on this database, restricted by the country and state lists.
    const DriverResult s =
        run("click sbtFiltro\nform TfrmFilCliente\nclick rbtPais\npick 0055\nclick btnPais\n"
            "click rbtEstado\npick " +
            state +
            "\nclick btnEstado\nprint qryEstado.recordCount\n"
            "click rbtMunicipio\npick none\nclick btnMunicipio\nprint qryMunicipio.recordCount\n"
            "click sbtCancel\nform TfrmCliente\nclose TfrmCliente\n");
    ASSERT_EQ(s.exitCode, 0) << describe(s);
    EXPECT_EQ(printed(s, "qryEstado.recordCount"),
              count("SELECT COUNT(*) FROM ESTADO WHERE CDPAIS = :C", "0055"));
    EXPECT_EQ(printed(s, "qryMunicipio.recordCount"),
              count("SELECT COUNT(*) FROM MUNICIPIO WHERE CDPAIS = '0055' AND SGESTADO = :C", state));
}

INSTANTIATE_TEST_SUITE_P(Db, FilterListTest, ::testing::Values(db::Dialect::SQLite, db::Dialect::PostgreSQL),
                         [](const ::testing::TestParamInfo<db::Dialect>& p) {
                             return std::string(p.param == db::Dialect::SQLite ? "SQLite" : "PostgreSQL");
                         });

TEST_F(FilterTest, EveryCriterionOnAllSendsSixteenAlternatingArgumentsAndLoadsEveryCustomer) {
    const DriverResult r = run(
        "call IniProc null\nform TfrmFilCliente\nprint calls\nprint sbtConfirma.caption\nclick sbtConfirma\n"
        "form TfrmCliente\nprint calls cdsCliente.recordCount pgcPadrao.enabled\n"
        "print Vqm41202.Filtro.TCLIENTE.all Vqm41202.Filtro.TPAIS.all "
        "Vqm41202.Filtro.TESTADO.all Vqm41202.Filtro.TMUNICIPIO.all Vqm41202.Filtro.TRAMO.all "
        "Vqm41202.Filtro.TSEGMENTO.all Vqm41202.Filtro.TQUALIFICACAO.all "
        "Vqm41202.Filtro.TORIGEM.all\nclose TfrmCliente\n");
    ASSERT_EQ(r.exitCode, 0) << describe(r);
    EXPECT_EQ(printed(r, "sbtConfirma.caption"), "Confirmar");
    EXPECT_EQ(callsAfter(r, "sbtConfirma.caption"), std::vector<std::string>{getCliente()});
    EXPECT_EQ(printed(r, "cdsCliente.recordCount"), "12");
    EXPECT_EQ(printed(r, "pgcPadrao.enabled"), "true");
    for (const char* entry :
         {"TCLIENTE", "TPAIS", "TESTADO", "TMUNICIPIO", "TRAMO", "TSEGMENTO", "TQUALIFICACAO", "TORIGEM"})
        EXPECT_EQ(printed(r, std::string("Vqm41202.Filtro.") + entry + ".all"), "true") << entry;
}

// Empty lists are reported in the check order (origin before qualification), with the focus on the list
// button, nothing sent and the dialog open.
TEST_F(FilterTest, EmptyListsAreReportedInOrderAndNothingIsSent) {
    const DriverResult r = run(R"(
        call IniProc null
        form TfrmFilCliente
        print calls
        print btnQualifica.enabled btnOrigem.enabled
        click rbtQualifica
        click rbtOrigem
        print btnQualifica.enabled btnOrigem.enabled rbtTQualifica.checked
        click sbtConfirma
        expect error "Origem deve ser informada"
        print rbtOrigem.focused calls
        click rbtTOrigem
        click sbtConfirma
        expect error "Qualificação deve ser informada"
        print rbtQualifica.focused
        click rbtMunicipio
        click rbtCliente
        click sbtConfirma
        expect error "Cliente deve ser informado"
        click rbtTCliente
        click sbtConfirma
        expect error "Município deve ser informado."
        form TfrmFilCliente
        print calls
    )");
    ASSERT_EQ(r.exitCode, 0) << describe(r);
    EXPECT_EQ(printedAll(r, "btnQualifica.enabled"), (std::vector<std::string>{"false", "true"}));
    EXPECT_EQ(printedAll(r, "btnOrigem.enabled"), (std::vector<std::string>{"false", "true"}));
    EXPECT_EQ(printed(r, "rbtTQualifica.checked"), "false");
    EXPECT_EQ(printed(r, "rbtOrigem.focused"), "true");
    EXPECT_EQ(printed(r, "rbtQualifica.focused"), "true");
    EXPECT_TRUE(callsAfter(r, "btnQualifica.enabled").empty());
}

// Searches: the state list follows the country choice, the municipality list follows country and state;
// choosing countries clears the state choice and keeps the municipalities.
TEST_F(FilterTest, CountryChoiceClearsTheStateAndKeepsTheMunicipality) {
    ASSERT_EQ(run(kOpen).exitCode, 0);
    const std::string state = first("SELECT SGESTADO FROM ESTADO WHERE CDPAIS = '0055' ORDER BY SGESTADO");
    const std::string town =
        first("SELECT CDPAIS || SGESTADO || CDMUNICIPIO FROM MUNICIPIO WHERE CDPAIS = '0055' "
              "AND SGESTADO = '" +
              state + "' ORDER BY CDMUNICIPIO");
    const DriverResult r =
        run("click sbtFiltro\nform TfrmFilCliente\n"
            "click rbtPais\npick 0055\nclick btnPais\n"
            "click rbtEstado\npick " +
            state +
            "\nclick btnEstado\n"
            "print qryEstado.recordCount Vqm41202.stEstado\n"
            "click rbtMunicipio\npick " +
            town +
            "\nclick btnMunicipio\n"
            "print qryMunicipio.recordCount Vqm41202.stMunicipio\n"
            "pick 0055\nclick btnPais\n"
            "print Vqm41202.stPais Vqm41202.stEstado rbtTEstado.checked btnEstado.enabled "
            "rbtMunicipio.checked Vqm41202.stMunicipio\nclick sbtCancel\nform TfrmCliente\n");
    ASSERT_EQ(r.exitCode, 0) << describe(r);
    EXPECT_EQ(printed(r, "qryEstado.recordCount"),
              count("SELECT COUNT(*) FROM ESTADO WHERE CDPAIS = :C", "0055"));
    EXPECT_EQ(printed(r, "qryMunicipio.recordCount"),
              count("SELECT COUNT(*) FROM MUNICIPIO WHERE CDPAIS = '0055' AND SGESTADO = :C", state));
    EXPECT_EQ(printedAll(r, "Vqm41202.stEstado"), (std::vector<std::string>{"_" + state + "_", ""}));
    EXPECT_EQ(printed(r, "Vqm41202.stPais"), "_0055_");
    EXPECT_EQ(printed(r, "rbtTEstado.checked"), "true");
    EXPECT_EQ(printed(r, "btnEstado.enabled"), "false");
    EXPECT_EQ(printed(r, "rbtMunicipio.checked"), "true");
    EXPECT_EQ(printedAll(r, "Vqm41202.stMunicipio"), (std::vector<std::string>(2, "_" + town + "_")));
}

TEST_F(FilterTest, ViewLaunchShowsTheCodeOnTheListButtonAndAnEmptyResultLeavesOnlyInsert) {
    ASSERT_EQ(run(kOpen + std::string("close TfrmCliente\n")).exitCode, 0);
    const std::string code = first("SELECT CDCLIENTE FROM CLIENTE ORDER BY CDCLIENTE");
    DriverResult r = run(
        "call IniProc [\"VISUALIZA_CLIENTE\", false, \"" + code + "\"]\nform TfrmFilCliente\n" +
        "print calls\nprint rbtCliente.checked rbtTCliente.checked btnCliente.enabled rbtCliente.focused\n"
        "click sbtConfirma\nform TfrmCliente\nprint calls\nclose TfrmCliente\n");
    ASSERT_EQ(r.exitCode, 0) << describe(r);
    EXPECT_EQ(printed(r, "rbtCliente.checked"), "true");
    EXPECT_EQ(printed(r, "rbtTCliente.checked"), "false");
    EXPECT_EQ(printed(r, "btnCliente.enabled"), "true");
    EXPECT_EQ(printed(r, "rbtCliente.focused"), "true");
    EXPECT_EQ(callsAfter(r, "rbtCliente.checked"), std::vector<std::string>{getCliente(0, "_" + code + "_")});

    // No customer of that code: the grid page, insert only.
    saveOption("stCliente", "_X0_");
    r = run(
        std::string(kOpen) +
        "click sbtFiltro\nform TfrmFilCliente\nclick sbtCarregarOpcoes\nclick rbtCliente\nclick sbtConfirma\n"
        "form TfrmCliente\nprint cdsCliente.recordCount pgcPadrao.enabled pgcPadrao.activePage "
        "sbtIncluir.enabled sbtAlterar.enabled sbtExcluir.enabled sbtProcurar.enabled sbtVerificar.enabled "
        "sbtImprimir.enabled sbtConfirmar.enabled sbtCancelar.enabled\nclose TfrmCliente\n");
    ASSERT_EQ(r.exitCode, 0) << describe(r);
    EXPECT_EQ(printed(r, "cdsCliente.recordCount"), "0");
    EXPECT_EQ(printed(r, "pgcPadrao.enabled"), "false");
    EXPECT_EQ(printed(r, "pgcPadrao.activePage"), "tshFolhaDados");
    EXPECT_EQ(printed(r, "sbtIncluir.enabled"), "true");
    for (const char* command : {"sbtAlterar", "sbtExcluir", "sbtProcurar", "sbtVerificar", "sbtImprimir",
                                "sbtConfirmar", "sbtCancelar"})
        EXPECT_EQ(printed(r, std::string(command) + ".enabled"), "false") << command;
}

// Cancel drops the picks of criteria confirmed as "all" and keeps those of criteria confirmed with a list;
// the refresh applies what the last confirm applied, not the cancelled picks.
TEST_F(FilterTest, CancelKeepsListPicksAndTheRefreshAppliesTheLastConfirmedSelection) {
    ASSERT_EQ(run(kOpen).exitCode, 0);
    const std::string c1 = first("SELECT CDCLIENTE FROM CLIENTE ORDER BY CDCLIENTE");
    const std::string c2 = first("SELECT MAX(CDCLIENTE) FROM CLIENTE");
    const std::string state = first(std::string("SELECT E.SGESTADO ") + kNormalAddress +
                                    "WHERE E.SGESTADO IS NOT NULL ORDER BY T.CDCLIENTE");
    const DriverResult r =
        run("print calls\nprint sbtFiltro.caption\n"
            "click sbtFiltro\nform TfrmFilCliente\nclick rbtCliente\npick " +
            c1 +
            "\nclick btnCliente\nclick sbtConfirma\nform TfrmCliente\n"
            "click sbtFiltro\nform TfrmFilCliente\npick " +
            c2 + "\nclick btnCliente\n" + "click rbtEstado\npick " + state + "\nclick btnEstado\n" +
            "click sbtCancel\nform TfrmCliente\n"
            "print Vqm41202.stCliente Vqm41202.stEstado Vqm41202.Filtro.TCLIENTE.list calls\n"
            "click sbtVerificar\n"
            "print calls cdsCliente.CDCLIENTE cdsCliente.recordCount Vqm41202.Filtro.TCLIENTE.list "
            "Vqm41202.stCliente\n"
            "click sbtFiltro\nform TfrmFilCliente\nprint Vqm41202.stCliente rbtCliente.checked\n"
            "click sbtCancel\nform TfrmCliente\nclose TfrmCliente\n");
    ASSERT_EQ(r.exitCode, 0) << describe(r);
    EXPECT_EQ(printedAll(r, "Vqm41202.stCliente"), (std::vector<std::string>(3, "_" + c2 + "_")));
    EXPECT_EQ(printed(r, "Vqm41202.stEstado"), "");
    EXPECT_EQ(printedAll(r, "Vqm41202.Filtro.TCLIENTE.list"), (std::vector<std::string>(2, "_" + c1 + "_")));
    EXPECT_EQ(callsAfter(r, "sbtFiltro.caption"), std::vector<std::string>(2, getCliente(0, "_" + c1 + "_")))
        << "the confirm, then the refresh with the confirmed list";
    EXPECT_EQ(printed(r, "cdsCliente.CDCLIENTE"), c1);
    EXPECT_EQ(printed(r, "cdsCliente.recordCount"), "1");
    EXPECT_EQ(printed(r, "rbtCliente.checked"), "true") << "the next opening starts from the working list";
}

// Saving writes the eight working lists; loading reads them back and leaves every radio button alone.
TEST_F(FilterTest, OptionsRoundTripWithoutTouchingTheRadioButtons) {
    const DriverResult r = run(
        std::string(kOpen) + "click sbtFiltro\nform TfrmFilCliente\nclick rbtPais\npick 0055\nclick btnPais\n"
                             "click sbtSalvarOpcoes\nexpect info \"Opções salvas.\"\nclick sbtCancel\n"
                             "form TfrmCliente\nclick sbtFiltro\nform TfrmFilCliente\n"
                             "print Vqm41202.stPais\nclick sbtCarregarOpcoes\n"
                             "print Vqm41202.stPais rbtTPais.checked btnPais.enabled calls\nclick sbtCancel\n"
                             "form TfrmCliente\nclose TfrmCliente\n");
    ASSERT_EQ(r.exitCode, 0) << describe(r);
    EXPECT_EQ(printedAll(r, "Vqm41202.stPais"), (std::vector<std::string>{"", "_0055_"}));
    EXPECT_EQ(printed(r, "rbtTPais.checked"), "true");
    EXPECT_EQ(printed(r, "btnPais.enabled"), "false");
    QSettings store(QSettings::IniFormat, QSettings::UserScope, "VQ", "FiltrosERP");
    store.beginGroup("frmFilCliente");
    EXPECT_EQ(store.childKeys(), (QStringList{"stCliente", "stEstado", "stMunicipio", "stOrigem", "stPais",
                                              "stQualifica", "stRamo", "stSegmento"}));
    EXPECT_EQ(store.value("stPais").toString(), "_0055_");
}

// A server failure while confirming: its message, the dialog open, Filtro and the working lists as they were.
TEST_F(FilterTest, FailingGetClienteKeepsTheDialogAndFiltro) {
    ASSERT_EQ(run(kOpen).exitCode, 0);
    const std::string code = first("SELECT CDCLIENTE FROM CLIENTE ORDER BY CDCLIENTE");
    db().execute("ALTER TABLE ENDECLIE RENAME TO ENDECLIE_FORA");
    const DriverResult r =
        run("click sbtFiltro\nform TfrmFilCliente\nclick rbtCliente\npick " + code +
            "\nclick btnCliente\nprint messages\nclick sbtConfirma\nform TfrmFilCliente\n"
            "print messages Vqm41202.Filtro.TCLIENTE.all Vqm41202.stCliente cdsCliente.recordCount\n"
            "click sbtCancel\nform TfrmCliente\n");
    db().execute("ALTER TABLE ENDECLIE_FORA RENAME TO ENDECLIE");
    ASSERT_EQ(r.exitCode, 0) << describe(r);
    const std::vector<std::string> messages = printedAll(r, "message");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages.front().rfind("error: ", 0), 0u) << messages.front();
    EXPECT_EQ(printed(r, "Vqm41202.Filtro.TCLIENTE.all"), "true");
    EXPECT_EQ(printed(r, "Vqm41202.stCliente"), "_" + code + "_");
    EXPECT_EQ(printed(r, "cdsCliente.recordCount"), "12");
    run("close TfrmCliente\n");
}

} // namespace
} // namespace vq::host

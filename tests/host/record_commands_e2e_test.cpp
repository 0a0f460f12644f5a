// The customer form's record commands through the driver, over the embedded server on a SQLite file the
// test reads back: what is sent, in which order, and what the database holds afterwards.

#include "host/driver.h"
#include "platform/db/connection.h"
#include "tests/host/driver_suite.h"

#include <QDir>
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace vq::host {
namespace {

using namespace e2e;

using e2e::callAt;
using e2e::kClose;
using e2e::kOpen;

class RecordCommands : public e2e::DriverSuite<RecordCommands> {
public: // read by the suite's set-up
    static constexpr const char* kDatabaseFile = "vq_record_commands";
    static DriverOptions options() {
        DriverOptions o = e2e::moduleOptions(6);
        o.settings = {{"module", "9"}};
        return o;
    }

protected:
    // Messages and calls are reported since their last print: a test sees only its own.
    void SetUp() override { driver_->run("print messages calls\n"); }
    // Scripts that may stop on a refusal.
    DriverResult run(const std::string& script) { return driver_->run(script); }
    // The open form's first customer, as the grid shows it first.
    std::string firstCustomer() {
        const DriverResult r = run(std::string(kOpen) + "print cdsCliente.CDCLIENTE\n" + kClose);
        EXPECT_EQ(r.exitCode, 0) << describe(r);
        return printed(r, "cdsCliente.CDCLIENTE");
    }
    void exec(const std::string& sql, const db::Params& params = {}) { db().execute(sql, params); }
    std::int64_t count(const std::string& sql, const std::string& code) {
        return db().query(sql, {{"C", Variant(code)}}).value(0, "N").toInt();
    }
    Variant valueOf(const std::string& sql, const std::string& code, const char* column) {
        return db().query(sql, {{"C", Variant(code)}}).value(0, column);
    }
};

TEST_F(RecordCommands, ANewCustomerIsSavedBeforeItsAddressAndTheTermsAreClearedAfterThePosts) {
    const DriverResult r =
        run(std::string(kOpen) +
            "click sbtIncluir\nset dbeInscricao 11144477735\nset dbeNmRazaoSoc \"Cliente Novo\"\n"
            "set dbeNmFantasia \"Cliente Novo\"\nselect rdgTipoCliente Privado\n"
            // The normal address needs its country, state and municipality.
            "click mnuEndeClie\npick 0055\nclick btpPaisNorm\npick SP\nclick btpEstadoNorm\npick 0001\n"
            "click btpMuniNorm\nset dbeEndeClie \"Rua A, 1\"\nset dbeCompEndCli Casa\n"
            "set dbeCEPClie 01001000\nprint calls\nclick sbtConfirmar\n"
            "print cdsCliente.state cdsCliente.CDCLIENTE cdsEndeClieNorm.state messages calls\n" +
            kClose);
    ASSERT_EQ(r.exitCode, 0) << describe(r);
    EXPECT_EQ(printed(r, "cdsCliente.state"), "1");
    EXPECT_EQ(printed(r, "cdsEndeClieNorm.state"), "1");
    EXPECT_TRUE(linesStarting(r, "message=").empty());
    const std::string code = printed(r, "cdsCliente.CDCLIENTE");
    ASSERT_FALSE(code.empty());
    const std::vector<std::string> calls = linesStarting(r, "call=");
    const long master = callAt(calls, "\"dspCliente\"])");
    const long address = callAt(calls, "\"dspEndeClieNorm\"])");
    const long terms = callAt(calls, "SetDelPrazoPagamento([\"" + code + "\"])");
    ASSERT_GE(master, 0);
    EXPECT_LT(master, address);
    EXPECT_LT(address, terms);
    EXPECT_EQ(count("SELECT COUNT(*) AS N FROM CLIENTE WHERE CDCLIENTE = :C", code), 1);
    EXPECT_EQ(count("SELECT COUNT(*) AS N FROM ENDECLIE WHERE CDCLIENTE = :C AND IDTPENDECLIE = 'P'", code),
              1);
}

TEST_F(RecordCommands, AnObservationWithoutTextStopsTheConfirmBeforeAnyCall) {
    exec("UPDATE CLIENTE SET IDTPFORPGTCL = 'F' WHERE CDCLIENTE = :C", {{"C", Variant(firstCustomer())}});
    run("print messages calls\n");
    const DriverResult r = run(std::string(kOpen) +
                               "click mnuObserv\nclick sbtIncluir\nprint calls\nclick sbtConfirmar\n"
                               "expect error \"Observação deve ser informada.\"\nprint calls cdsObserv.state "
                               "drgFormPgto.itemIndex\n" +
                               "answer yes\nclose TfrmCliente\n");
    ASSERT_EQ(r.exitCode, 0) << describe(r);
    const auto calls = linesStarting(r, "call=");
    const auto after = std::ranges::find(r.output, "cdsObserv.state=3");
    ASSERT_NE(after, r.output.end()) << "the observation stays in insert";
    EXPECT_EQ(printed(r, "drgFormPgto.itemIndex"), "1") << "the payment form shown again after the stop";
    // Nothing between the two prints of calls.
    const auto before =
        std::ranges::find_if(r.output, [](const std::string& l) { return l.rfind("call=", 0) != 0; });
    EXPECT_EQ(std::count_if(before, after, [](const std::string& l) { return l.rfind("call=", 0) == 0; }), 0);
}

TEST_F(RecordCommands, AFineWithoutInterestSavesTheInterestAsZeroAndTheReverse) {
    const std::string code = firstCustomer();
    const auto confirmWith = [&](const char* edit) {
        exec("UPDATE CLIENTE SET VRPEMULBCLI = NULL, VRPEMORBCLI = NULL WHERE CDCLIENTE = :C",
             {{"C", Variant(code)}});
        const DriverResult r = run(std::string(kOpen) + "click mnuDadAdic\nclick sbtAlterar\nset " + edit +
                                   " 2\nclick sbtConfirmar\nprint messages\n" + kClose);
        ASSERT_EQ(r.exitCode, 0) << describe(r);
        for (const std::string& m : linesStarting(r, "message="))
            ADD_FAILURE() << m;
    };
    const char* read = "SELECT VRPEMULBCLI, VRPEMORBCLI FROM CLIENTE WHERE CDCLIENTE = :C";
    confirmWith("dbeVrMulta");
    EXPECT_DOUBLE_EQ(valueOf(read, code, "VRPEMULBCLI").toDouble(), 2);
    EXPECT_FALSE(valueOf(read, code, "VRPEMORBCLI").isNull());
    EXPECT_DOUBLE_EQ(valueOf(read, code, "VRPEMORBCLI").toDouble(), 0);
    confirmWith("dbeVrMora");
    EXPECT_FALSE(valueOf(read, code, "VRPEMULBCLI").isNull());
    EXPECT_DOUBLE_EQ(valueOf(read, code, "VRPEMULBCLI").toDouble(), 0);
    EXPECT_DOUBLE_EQ(valueOf(read, code, "VRPEMORBCLI").toDouble(), 2);
}

TEST_F(RecordCommands, CancelAnsweredNoKeepsEveryPendingChangeAndYesRevertsThem) {
    const std::string code = firstCustomer();
    const db::Params c{{"C", Variant(code)}};
    exec("UPDATE CLIENTE SET IDUTGRFXVENDADIC = 'N', IDTPFORPGTCL = 'V' WHERE CDCLIENTE = :C", c);
    exec("DELETE FROM PRAZOPGTCLIE WHERE CDCLIENTE = :C", c);
    exec("INSERT INTO PRAZOPGTCLIE (CDCLIENTE, NRDIASPGTOCL, VRPERCPGTOCL) VALUES (:C, 30, 100)", c);
    const char* shown = "print cdsCliente.state cdsPrazoPgtoClie.state cdsPrazoPgtoClie.recordCount "
                        "cdsPrazoPgtoClie.NRDIASPGTOCL\n";
    const DriverResult r = run(std::string(kOpen) +
                               "click mnuFormPgto\nclick sbtAlterar\nkey dbgPrazoPgClie Down\ncell "
                               "dbgPrazoPgClie 1 NRDIASPGTOCL 60\n"
                               "answer no\nclick sbtCancelar\n" +
                               shown + "answer yes\nclick sbtCancelar\n" + shown + "print calls\n" + kClose);
    ASSERT_EQ(r.exitCode, 0) << describe(r);
    const auto all = [&](const char* prefix) { return linesStarting(r, prefix); };
    ASSERT_EQ(all("cdsCliente.state=").size(), 2u);
    // No: the record and the term being typed, as they were.
    EXPECT_EQ(all("cdsCliente.state=")[0], "cdsCliente.state=2");
    EXPECT_EQ(all("cdsPrazoPgtoClie.state=")[0], "cdsPrazoPgtoClie.state=3");
    EXPECT_EQ(all("cdsPrazoPgtoClie.NRDIASPGTOCL=")[0], "cdsPrazoPgtoClie.NRDIASPGTOCL=60");
    // Yes: the stored term back, nothing typed left, nothing removed.
    EXPECT_EQ(all("cdsCliente.state=")[1], "cdsCliente.state=1");
    EXPECT_EQ(all("cdsPrazoPgtoClie.state=")[1], "cdsPrazoPgtoClie.state=1");
    EXPECT_EQ(all("cdsPrazoPgtoClie.recordCount=")[1], "cdsPrazoPgtoClie.recordCount=1");
    EXPECT_EQ(all("cdsPrazoPgtoClie.NRDIASPGTOCL=")[1], "cdsPrazoPgtoClie.NRDIASPGTOCL=30");
    EXPECT_EQ(count("SELECT COUNT(*) AS N FROM PRAZOPGTCLIE WHERE CDCLIENTE = :C", code), 1);
    const auto calls = all("call=");
    EXPECT_GE(callAt(calls, "DelVendAdicClie([\"" + code + "\"])"), 0);
    EXPECT_LT(callAt(calls, "dspPrazoPgtoClie"), 0);
}

TEST_F(RecordCommands, DeletingACustomerAsksOnceAndARefusedDeletionRemovesNothing) {
    const std::string code = firstCustomer();
    exec("DELETE FROM PRECOBASECLI WHERE CDCLIENTE = :C", {{"C", Variant(code)}});
    exec("INSERT INTO PRECOBASECLI (CDCLIENTE, CDPRECOBASE, IDPRBASEPRIN) VALUES (:C, '01', 'S')",
         {{"C", Variant(code)}});
    // No: only the base prices were read.
    DriverResult r =
        run(std::string(kOpen) + "print calls\nanswer no\nclick sbtExcluir\nprint calls messages\n" + kClose);
    ASSERT_EQ(r.exitCode, 0) << describe(r);
    auto messages = linesStarting(r, "message=");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "message=confirm: Confirma a exclusão do registro?");
    auto all = linesStarting(r, "call=");
    const auto last = std::find_if(all.rbegin(), all.rend(), [](const std::string& c) {
        return c.find("GetPrecoBaseCli") != std::string::npos;
    });
    ASSERT_NE(last, all.rend());
    EXPECT_EQ(last, all.rbegin()) << "nothing after the base prices";

    // Changed by someone else meanwhile: refused, shown once, nothing removed.
    r = run(std::string(kOpen) + "print calls\n");
    ASSERT_EQ(r.exitCode, 0) << describe(r);
    exec("UPDATE CLIENTE SET NMRAZSOCCLIE = 'Alterado por outro' WHERE CDCLIENTE = :C",
         {{"C", Variant(code)}});
    r = run(std::string("answer yes\nclick sbtExcluir\nprint messages calls\n") + kClose);
    ASSERT_EQ(r.exitCode, 0) << describe(r);
    messages = linesStarting(r, "message=");
    EXPECT_EQ(std::ranges::count(
                  messages, std::string("message=error: Registro alterado ou excluído por outro usuário.")),
              1);
    EXPECT_EQ(count("SELECT COUNT(*) AS N FROM CLIENTE WHERE CDCLIENTE = :C", code), 1);
    EXPECT_EQ(count("SELECT COUNT(*) AS N FROM PRECOBASECLI WHERE CDCLIENTE = :C", code), 1);
    EXPECT_LT(callAt(linesStarting(r, "call="), "SetExcPrcBase"), 0);

    // Yes: the customer and every row of its own.
    r = run(std::string(kOpen) + "print calls\nanswer yes\nclick sbtExcluir\nprint calls messages\n" +
            kClose);
    ASSERT_EQ(r.exitCode, 0) << describe(r);
    all = linesStarting(r, "call=");
    EXPECT_LT(callAt(all, "SetAuxCodCliente"), callAt(all, "\"dspCliente\"])"));
    EXPECT_EQ(count("SELECT COUNT(*) AS N FROM CLIENTE WHERE CDCLIENTE = :C", code), 0);
    for (const char* table : {"PRECOBASECLI", "ENDECLIE", "INTECLIE"})
        EXPECT_EQ(count(std::string("SELECT COUNT(*) AS N FROM ") + table + " WHERE CDCLIENTE = :C", code), 0)
            << table;
}

// Contacts 01, 02, 03. Deleting 02 with the correspondence never read, refreshing on "Correspondência"
// (contact 03 current), then deleting 01 while 03's rows are shown, and the last contact.
TEST_F(RecordCommands, DeletingAContactSparesTheOtherContactsCorrespondence) {
    const std::string code = firstCustomer();
    const db::Params c{{"C", Variant(code)}};
    for (const char* table : {"CORINTECLI", "INTECLIE", "EVOLCONTATO", "MALADIRETA"})
        exec(std::string("DELETE FROM ") + table + " WHERE CDCLIENTE = :C", c);
    exec("INSERT INTO INTECLIE (CDCLIENTE, CDINTECLIE, NMINTECLIE) VALUES (:C, '01', 'Ana'), (:C, '02', "
         "'Bia'), (:C, '03', 'Cia')",
         c);
    exec("INSERT INTO CORINTECLI (CDCLIENTE, CDINTECLIE, CDTIPOCORR) VALUES (:C, '01', '001'), (:C, '02', "
         "'001'), (:C, '02', '002'), (:C, '03', '001'), (:C, '03', '002')",
         c);
    const auto corres = [&](const char* contact) {
        return count(
            std::string("SELECT COUNT(*) AS N FROM CORINTECLI WHERE CDCLIENTE = :C AND CDINTECLIE = '") +
                contact + "'",
            code);
    };
    const auto getCorres = [&](const char* contact) {
        return "GetCorres([\"" + code + "\",\"" + contact + "\"])";
    };

    DriverResult r = run(std::string(kOpen) +
                         "click mnuDadosInter\nkey dbgInterloc Down\nprint cdsInterloc.CDINTECLIE calls\n"
                         "answer yes\nclick sbtExcluir\nprint calls messages\n");
    ASSERT_EQ(r.exitCode, 0) << describe(r);
    ASSERT_EQ(printed(r, "cdsInterloc.CDINTECLIE"), "02");
    auto calls = linesStarting(r, "call=");
    EXPECT_LT(callAt(calls, "SetDelEvoInteClie([\"" + code + "\",\"02\"])"),
              callAt(calls, "SetDelMalaClie([\"" + code + "\",\"02\"])"));
    EXPECT_GE(callAt(calls, getCorres("02")), 0);
    EXPECT_EQ(linesStarting(r, "message=").size(), 1u) << "asked once";
    EXPECT_EQ(corres("02"), 0);
    EXPECT_EQ(corres("01"), 1);
    EXPECT_EQ(corres("03"), 2);

    r = run("click mnuCorres\nprint calls\nclick sbtVerificar\n"
            "print cdsInterloc.CDINTECLIE cdsCorres.CDINTECLIE cdsCorres.recordCount calls\n");
    ASSERT_EQ(r.exitCode, 0) << describe(r);
    EXPECT_EQ(printed(r, "cdsInterloc.CDINTECLIE"), "03") << "the refresh keeps the current contact";
    EXPECT_EQ(printed(r, "cdsCorres.CDINTECLIE"), "03");
    EXPECT_EQ(printed(r, "cdsCorres.recordCount"), "2");
    // Entering the page read its rows; the refresh reads them again after the customers.
    calls = linesStarting(r, "call=");
    const long reread = callAt(calls, "GetCliente(");
    ASSERT_GE(reread, 1);
    EXPECT_EQ(callAt(calls, getCorres("03")), 0);
    EXPECT_EQ(std::count_if(
                  calls.begin() + reread, calls.end(),
                  [&](const std::string& made) { return made.find(getCorres("03")) != std::string::npos; }),
              1);

    r = run("click mnuDadosInter\nkey dbgInterloc Up\nprint cdsInterloc.CDINTECLIE calls\n"
            "answer yes\nclick sbtExcluir\nprint calls messages\n");
    ASSERT_EQ(r.exitCode, 0) << describe(r);
    ASSERT_EQ(printed(r, "cdsInterloc.CDINTECLIE"), "01");
    EXPECT_GE(callAt(linesStarting(r, "call="), getCorres("01")), 0);
    EXPECT_EQ(corres("01"), 0);
    EXPECT_EQ(corres("03"), 2) << "the correspondence shown was another contact's";

    // The last contact: only the grid page, disabled, and only insert.
    r = run("answer yes\nclick sbtExcluir\nprint cdsInterloc.recordCount pgcInterloc.enabled "
            "pgcInterloc.activePage mnuIncluir.enabled mnuAlterar.enabled mnuExcluir.enabled messages\n" +
            std::string(kClose));
    ASSERT_EQ(r.exitCode, 0) << describe(r);
    EXPECT_EQ(printed(r, "cdsInterloc.recordCount"), "0");
    EXPECT_EQ(printed(r, "pgcInterloc.enabled"), "false");
    EXPECT_EQ(printed(r, "pgcInterloc.activePage"), "tshDadosInterloc");
    EXPECT_EQ(printed(r, "mnuIncluir.enabled"), "true");
    EXPECT_EQ(printed(r, "mnuAlterar.enabled"), "false");
    EXPECT_EQ(printed(r, "mnuExcluir.enabled"), "false");
    EXPECT_EQ(count("SELECT COUNT(*) AS N FROM CORINTECLI WHERE CDCLIENTE = :C", code), 0);
    EXPECT_EQ(count("SELECT COUNT(*) AS N FROM INTECLIE WHERE CDCLIENTE = :C", code), 0);
}

TEST_F(RecordCommands, NoInsertFromTheBillingAddress) {
    const DriverResult r =
        run(std::string(kOpen) + "click mnuEndeClieCobr\nprint mnuIncluir.enabled\n" + kClose);
    ASSERT_EQ(r.exitCode, 0) << describe(r);
    EXPECT_EQ(printed(r, "mnuIncluir.enabled"), "false");
}

TEST_F(RecordCommands, AServerRefusalMidConfirmIsShownOnceAndLeavesTheUnpostedRowsInEdit) {
    const std::string code = firstCustomer();
    DriverResult r =
        run(std::string(kOpen) + "click sbtAlterar\nset dbeNmFantasia \"Fantasia Nova\"\nprint messages\n");
    ASSERT_EQ(r.exitCode, 0) << describe(r);
    exec("UPDATE CLIENTE SET NMFANTCLIE = 'Outra' WHERE CDCLIENTE = :C", {{"C", Variant(code)}});
    r = run("click sbtConfirmar\nprint messages cdsCliente.state cdsEndeClieNorm.state "
            "Vqm41200.boScroll\nanswer yes\nclose TfrmCliente\n");
    ASSERT_EQ(r.exitCode, 0) << describe(r);
    const auto messages = linesStarting(r, "message=");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "message=error: Registro alterado ou excluído por outro usuário.");
    EXPECT_EQ(printed(r, "cdsCliente.state"), "1");
    EXPECT_EQ(printed(r, "cdsEndeClieNorm.state"), "2") << "the address was not posted";
    EXPECT_EQ(printed(r, "Vqm41200.boScroll"), "false");
    EXPECT_EQ(valueOf("SELECT NMFANTCLIE FROM CLIENTE WHERE CDCLIENTE = :C", code, "NMFANTCLIE").toString(),
              "Outra");
}

} // namespace
} // namespace vq::host

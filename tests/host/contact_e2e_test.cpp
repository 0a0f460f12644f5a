// The contacts, their correspondence and the observations through the driver over the embedded server on a
// SQLite file the test prepares: the checks with their messages, the calls in order, and what is stored.

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

using e2e::describe;
using e2e::linesStarting;
using e2e::printed;
using e2e::printedAll;

using e2e::callAt;
using e2e::countOf;

using e2e::kClose;
using e2e::kOpen;

class ContactE2E : public e2e::DriverSuite<ContactE2E> {
public: // read by the suite's set-up
    static constexpr const char* kDatabaseFile = "vq_contacts";
    static DriverOptions options() {
        DriverOptions o = e2e::moduleOptions(4);
        o.settings = {{"module", "9"}, {"operator", "OPER02"}, {"operator_name", "João Pereira"}};
        return o;
    }

protected:
    // The first customer with two contacts of the test's own: "01" receives type "001", "02" nothing.
    void SetUp() override {
        driver_->run("settings module=9\nprint messages calls\n");
        const DriverResult r = run(std::string(kOpen) + "print cdsCliente.CDCLIENTE\n" + kClose);
        ASSERT_EQ(r.exitCode, 0) << describe(r);
        code_ = printed(r, "cdsCliente.CDCLIENTE");
        for (const char* table : {"CORINTECLI", "EVOLCONTATO", "INTECLIE", "OBSERVCLIE"})
            exec(std::string("DELETE FROM ") + table + " WHERE CDCLIENTE = :C");
        exec(
            "INSERT INTO INTECLIE (CDCLIENTE, CDINTECLIE, NMINTECLIE, IDTPINTECLIE) VALUES (:C, '01', 'Ana', "
            "'G'), (:C, '02', 'Bia', 'D')");
        exec("INSERT INTO CORINTECLI (CDCLIENTE, CDINTECLIE, CDTIPOCORR) VALUES (:C, '01', '001')");
        run("print messages calls\n");
    }
    // Scripts that may stop on a refusal; ok() expects them to end well.
    DriverResult run(const std::string& script) { return driver_->run(script); }
    DriverResult ok(const std::string& script) { return DriverSuite::run(script); }
    void exec(const std::string& sql) { db().execute(sql, {{"C", Variant(code_)}}); }
    std::int64_t count(const std::string& where) {
        return db()
            .query("SELECT COUNT(*) AS N FROM " + where + " AND CDCLIENTE = :C", {{"C", Variant(code_)}})
            .value(0, "N")
            .toInt();
    }
    std::string call(const std::string& method, const std::string& args) {
        return method + "([" + args + "])";
    }
    std::string quoted(const std::string& s) { return "\"" + s + "\""; }

    std::string code_;
};

TEST_F(ContactE2E, ContactCodeIsAdjustedCheckedForRepeatsAndTheLevelIsRequired) {
    DriverResult r =
        ok(std::string(kOpen) +
           "select pgcPadrao tshInterloc\nclick mnuDadosInter\nclick sbtIncluir\nprint dbeCdInterloc.enabled "
           "pgcInterloc.activePage\n"
           "set dbeCdInterloc 7\nfocus dbeNmInter\nset dbeNmInter Rita\nselect dcbTipo Gerente\n"
           "print calls\nclick sbtConfirmar\n"
           "print cdsInterloc.CDINTECLIE cdsInterloc.IDTPINTECLIE dcbTipo.text calls messages\n");
    EXPECT_EQ(printed(r, "dbeCdInterloc.enabled"), "true");
    EXPECT_EQ(printed(r, "pgcInterloc.activePage"), "tshFormInter");
    EXPECT_EQ(printed(r, "cdsInterloc.CDINTECLIE"), "07");
    EXPECT_EQ(printed(r, "cdsInterloc.IDTPINTECLIE"), "G");
    EXPECT_TRUE(linesStarting(r, "message=").empty());
    std::vector<std::string> calls = linesStarting(r, "call=");
    EXPECT_GE(callAt(calls, call("getInteClie", quoted(code_) + ",\"07\"")), 0);
    EXPECT_GE(callAt(calls, "\"dspInterloc\"])"), 0);
    EXPECT_EQ(count("INTECLIE WHERE CDINTECLIE = '07' AND IDTPINTECLIE = 'G'"), 1);

    // The same code again is refused on leaving the code; the code edit keeps the focus.
    r = ok("click sbtIncluir\nset dbeCdInterloc 7\nfocus dbeNmInter\nexpect error \"Interlocutor já "
           "cadastrado.\"\n"
           "print dbeCdInterloc.focused calls\n");
    EXPECT_EQ(printed(r, "dbeCdInterloc.focused"), "true");
    calls = linesStarting(r, "call=");
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_NE(calls[0].find(call("getInteClie", quoted(code_) + ",\"07\"")), std::string::npos);

    // Without a level nothing is sent and the contact stays in insert.
    r = ok(std::string(
               "set dbeCdInterloc 8\nfocus dbeNmInter\nset dbeNmInter Rui\nprint calls\nclick sbtConfirmar\n"
               "expect error \"Nível deve ser informado.\"\nprint cdsInterloc.state dcbTipo.focused calls\n"
               "answer yes\nclick sbtCancelar\n") +
           kClose);
    EXPECT_EQ(printed(r, "cdsInterloc.state"), "3");
    EXPECT_EQ(printed(r, "dcbTipo.focused"), "true");
    calls = linesStarting(r, "call=");
    EXPECT_EQ(callAt(calls, "Confirmar("), -1);
    EXPECT_EQ(count("INTECLIE WHERE CDINTECLIE = '08'"), 0);
}

TEST_F(ContactE2E, AServerFailureOfTheCodeCheckIsShownAsSuchNeverAsATakenCode) {
    ok(std::string(kOpen) +
       "select pgcPadrao tshInterloc\nclick mnuDadosInter\nclick sbtIncluir\nprint messages\n");
    db().execute("ALTER TABLE INTECLIE RENAME TO INTECLIE_FORA");
    const DriverResult r =
        run("set dbeCdInterloc 9\nfocus dbeNmInter\nprint dbeCdInterloc.focused messages\n");
    db().execute("ALTER TABLE INTECLIE_FORA RENAME TO INTECLIE");
    ok("answer yes\nclick sbtCancelar\n" + std::string(kClose));
    ASSERT_EQ(r.exitCode, 0) << describe(r);
    const std::vector<std::string> shown = linesStarting(r, "message=");
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].rfind("message=error: ", 0), 0u) << shown[0];
    EXPECT_EQ(shown[0].find("Interlocutor já cadastrado."), std::string::npos) << shown[0];
    EXPECT_EQ(printed(r, "dbeCdInterloc.focused"), "true");
}

TEST_F(ContactE2E, ProspectModulesUseTheCodedRoleAndTheEmployeeLink) {
    DriverResult r =
        ok("settings module=16\n" + std::string(kOpen) +
           "select pgcPadrao tshInterloc\nclick mnuFormInter\nprint dcbTipo.visible "
           "lblNivel.visible dbeCargo.visible "
           "dbeCodCargo.visible BtnCodCargo.visible\nclick sbtAlterar\n"
           "focus dbeCodCargo\nset dbeCodCargo 1\nfocus depDtNasc\n"
           "print cdsInterloc.CDCARGOINTERLOC cdsInterloc.NMCARGOINTERLOC calls\n"
           "focus dbeCodCargo\nset dbeCodCargo 99\nfocus depDtNasc\nexpect error \"Cargo não cadastrado.\"\n"
           "set dbeCodCargo 2\nfocus dbeCdFunc\nfocus dbeTel1\n"
           "expect error \"Funcionario deve ser informado.\"\nprint dbeCdFunc.focused\n"
           "set dbeCdFunc 1\nfocus dbeTel1\n"
           "print cdsInterloc.CDFUNC cdsInterloc.CDEMPRESA cdsInterloc.NMFUNC\n"
           "focus dbeCdFunc\nset dbeCdFunc 77\nfocus dbeTel1\nexpect error \"Funcionário não cadastrado.\"\n"
           "print cdsInterloc.NMFUNC calls\nanswer yes\nclick sbtCancelar\n" +
           kClose + "settings module=9\n");
    EXPECT_EQ(printed(r, "dcbTipo.visible"), "false");
    EXPECT_EQ(printed(r, "lblNivel.visible"), "false");
    EXPECT_EQ(printed(r, "dbeCargo.visible"), "false");
    EXPECT_EQ(printed(r, "dbeCodCargo.visible"), "true");
    EXPECT_EQ(printed(r, "BtnCodCargo.visible"), "true");
    EXPECT_EQ(printed(r, "cdsInterloc.CDCARGOINTERLOC"), "00001");
    EXPECT_EQ(printed(r, "cdsInterloc.NMCARGOINTERLOC"), "Gerente de Compras");
    EXPECT_EQ(printed(r, "dbeCdFunc.focused"), "true");
    EXPECT_EQ(printed(r, "cdsInterloc.CDFUNC"), "0000000001");
    EXPECT_EQ(printed(r, "cdsInterloc.CDEMPRESA"), "01");
    EXPECT_EQ(printed(r, "cdsInterloc.NMFUNC"), "Beatriz Andrade");
    const std::vector<std::string> calls = linesStarting(r, "call=");
    EXPECT_GE(callAt(calls, call("GetCargoInterloc", "\"00001\",\"\"")), 0);
    EXPECT_GE(callAt(calls, call("GetFuncionario", "\"0000000001\",\"VD\"")), 0);
    EXPECT_GE(callAt(calls, call("GetFuncionario", "\"0000000077\",\"VD\"")), 0);
}

TEST_F(ContactE2E, CorrespondenceIsReadPerContactAndEachTypeOnlyOnce) {
    DriverResult r = ok(std::string(kOpen) +
                        "select pgcPadrao tshInterloc\nclick mnuCorres\nprint cdsCorres.recordCount calls\n");
    EXPECT_EQ(printed(r, "cdsCorres.recordCount"), "1");
    EXPECT_EQ(countOf(linesStarting(r, "call="), "GetCorres("), 1) << "read once on entering the page";
    EXPECT_GE(callAt(linesStarting(r, "call="), call("GetCorres", quoted(code_) + ",\"01\"")), 0);

    // An existing row is never edited; a repeated type is refused before anything is sent.
    r = ok("cell dbgCorres 0 CDTIPOCORR 002\nprint cdsCorres.state cdsCorres.CDTIPOCORR\n"
           "click sbtIncluir\ncell dbgCorres 1 CDTIPOCORR 1\nprint calls\nclick sbtConfirmar\n"
           "expect error \"Tipo de correspondência já cadastrado.\"\nprint cdsCorres.state calls\n"
           "answer yes\nclick sbtCancelar\n");
    EXPECT_EQ(printedAll(r, "cdsCorres.state"), (std::vector<std::string>{"1", "3"}));
    EXPECT_EQ(printed(r, "cdsCorres.CDTIPOCORR"), "001");
    std::vector<std::string> calls = linesStarting(r, "call=");
    EXPECT_GE(callAt(calls, call("GetAuxCorres", quoted(code_) + ",\"01\",\"001\"")), 0);
    EXPECT_EQ(callAt(calls, "Confirmar("), -1);

    // Another contact: its own rows, and the same type is accepted for it.
    r = ok("click mnuDadosInter\nkey dbgInterloc Down\nclick mnuCorres\nprint cdsCorres.recordCount calls\n"
           "click sbtIncluir\ncell dbgCorres 0 CDTIPOCORR 1\nclick sbtConfirmar\n"
           "print cdsCorres.state cdsCorres.NMTIPOCORR calls messages\n");
    EXPECT_EQ(printed(r, "cdsCorres.recordCount"), "0");
    EXPECT_EQ(printed(r, "cdsCorres.state"), "1");
    EXPECT_EQ(printed(r, "cdsCorres.NMTIPOCORR"), "Mala Direta");
    calls = linesStarting(r, "call=");
    EXPECT_GE(callAt(calls, call("GetCorres", quoted(code_) + ",\"02\"")), 0);
    EXPECT_LT(callAt(calls, call("GetTipoCorr", "\"001\",\"\"")),
              callAt(calls, call("GetAuxCorres", quoted(code_) + ",\"02\",\"001\"")));
    EXPECT_LT(callAt(calls, call("GetAuxCorres", quoted(code_) + ",\"02\",\"001\"")),
              callAt(calls, "\"dspCorres\"])"));
    EXPECT_EQ(count("CORINTECLI WHERE CDINTECLIE = '02' AND CDTIPOCORR = '001'"), 1);

    // The type search lists every type and writes the chosen one.
    r = ok("click mnuCorres\nclick sbtIncluir\npick 004\nkey dbgCorres Ctrl+Enter\n"
           "print cdsCorres.CDTIPOCORR calls\nanswer yes\nclick sbtCancelar\n");
    EXPECT_EQ(printed(r, "cdsCorres.CDTIPOCORR"), "004");
    EXPECT_GE(callAt(linesStarting(r, "call="), call("GetTipoCorr", "\"\",\"T\"")), 0);

    // An unknown type; then a move to another contact while the page is shown reads that contact's rows.
    r = ok(std::string(
               "click mnuCorres\nclick sbtIncluir\ncell dbgCorres 1 CDTIPOCORR 999\nclick sbtConfirmar\n"
               "expect error \"Tipo de correspondência não cadastrado.\"\nanswer yes\nclick sbtCancelar\n"
               "print calls\nkey dbgInterloc Up\nprint cdsInterloc.CDINTECLIE cdsCorres.CDINTECLIE calls\n") +
           kClose);
    EXPECT_EQ(printed(r, "cdsInterloc.CDINTECLIE"), "01");
    EXPECT_EQ(printed(r, "cdsCorres.CDINTECLIE"), "01");
    EXPECT_EQ(countOf(linesStarting(r, "call="), call("GetCorres", quoted(code_) + ",\"01\"")), 1);
}

TEST_F(ContactE2E, ACorrespondenceRowWaitsForItsContactToBeSaved) {
    const DriverResult r =
        ok(std::string(kOpen) +
           "click mnuDadosInter\nclick sbtIncluir\nclick mnuCorres\nclick sbtIncluir\n"
           "expect error \"Grave o interlocutor antes de informar a correspondência.\"\n"
           "print cdsCorres.state cdsInterloc.state\nclick mnuFormInter\nanswer yes\nclick sbtCancelar\n" +
           kClose);
    EXPECT_NE(printed(r, "cdsCorres.state"), "3");
    EXPECT_EQ(printed(r, "cdsInterloc.state"), "3");
}

TEST_F(ContactE2E, ANewObservationCarriesTheOperatorAndIsSavedAfterItsCheck) {
    const DriverResult r =
        ok(std::string(kOpen) +
           "click mnuObserv\nclick sbtIncluir\nprint cdsObserv.CDOPERADOR "
           "cdsObserv.NMOPERADOR dbgObserv.readOnly "
           "mnuInterloc.enabled mnuEndeClie.enabled calls\npick OPER03\nkey dbgObserv Ctrl+Enter\n"
           "set dreObserv \"Ligar na segunda\"\nclick sbtConfirmar\n"
           "print cdsObserv.state mnuEndeClie.enabled calls messages\n" +
           kClose);
    EXPECT_EQ(printed(r, "cdsObserv.CDOPERADOR"), "OPER02");
    EXPECT_EQ(printed(r, "cdsObserv.NMOPERADOR"), "João Pereira");
    EXPECT_EQ(printedAll(r, "mnuEndeClie.enabled"), (std::vector<std::string>{"false", "true"}));
    EXPECT_EQ(printed(r, "cdsObserv.state"), "1");
    const std::vector<std::string> calls = linesStarting(r, "call=");
    // The operator chosen in the search is checked before the save.
    EXPECT_LT(callAt(calls, call("GetOperador", "\"\",\"T\"")),
              callAt(calls, call("GetOperador", "\"OPER03\",\"\"")));
    EXPECT_LT(callAt(calls, call("GetOperador", "\"OPER03\",\"\"")), callAt(calls, "\"dspObserv\"])"));
    EXPECT_GE(callAt(calls, "\"dspObserv\"])"), 0);
    EXPECT_EQ(count("OBSERVCLIE WHERE CDOPERADOR = 'OPER03'"), 1);
}

TEST_F(ContactE2E, EditingAContactLocksTheOtherPagesAndTheCopyFillsItsAddress) {
    exec("UPDATE ENDECLIE SET NMBAIRCLIE = 'Jardim das Acácias do Vale Verde Norte', DSENDECLIE = 'Rua B, 2' "
         "WHERE CDCLIENTE = :C AND IDTPENDECLIE = 'P'");
    DriverResult r =
        ok(std::string(kOpen) +
           "select pgcPadrao tshInterloc\nclick mnuEndeInter\nprint mnuCopiaEndereo.enabled "
           "sbtCopiar.enabled\nclick sbtCopiar\n"
           "expect error \"Bairro com mais de 30 caracteres não cabe no endereço do interlocutor.\"\n"
           "print cdsInterloc.state\n" +
           kClose);
    EXPECT_EQ(printed(r, "mnuCopiaEndereo.enabled"), "true");
    EXPECT_EQ(printed(r, "sbtCopiar.enabled"), "true");
    EXPECT_EQ(printed(r, "cdsInterloc.state"), "1");

    exec("UPDATE ENDECLIE SET NMBAIRCLIE = 'Centro' WHERE CDCLIENTE = :C AND IDTPENDECLIE = 'P'");
    r = ok(std::string(kOpen) +
           "select pgcPadrao tshInterloc\nclick mnuEndeInter\nclick sbtCopiar\nprint cdsInterloc.state "
           "cdsInterloc.DSENDEINCLIE "
           "cdsInterloc.NMBAIRINCLIE mnuObserv.enabled mnuEndeClie.enabled dbnInterloc.enabled\n"
           "answer yes\nclick sbtCancelar\nprint cdsInterloc.state mnuObserv.enabled dbnInterloc.enabled\n"
           "click mnuFormInter\nprint mnuCopiaEndereo.enabled\n" +
           kClose);
    EXPECT_EQ(printed(r, "cdsInterloc.DSENDEINCLIE"), "Rua B, 2");
    EXPECT_EQ(printed(r, "cdsInterloc.NMBAIRINCLIE"), "Centro");
    EXPECT_EQ(printed(r, "mnuEndeClie.enabled"), "false");
    using Values = std::vector<std::string>;
    EXPECT_EQ(printedAll(r, "cdsInterloc.state"), (Values{"2", "1"}));
    EXPECT_EQ(printedAll(r, "mnuObserv.enabled"), (Values{"false", "true"}));
    EXPECT_EQ(printedAll(r, "dbnInterloc.enabled"), (Values{"false", "true"}));
    EXPECT_EQ(printed(r, "mnuCopiaEndereo.enabled"), "false");
}

} // namespace
} // namespace vq::host

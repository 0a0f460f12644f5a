// A prospect becoming a customer through the driver, over the embedded server on a SQLite file the test
// arranges and reads back: the offer on insert, one conversion call at confirm, a failed conversion
// retried, and module 33, which copies without converting.

#include "host/driver.h"
#include "platform/data/date_time.h"
#include "platform/db/connection.h"
#include "tests/host/driver_suite.h"

#include <QDir>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace vq::host {
namespace {

using e2e::describe;
using e2e::linesStarting;
using e2e::printed;
using e2e::printedLast;

using e2e::kOpen;
// A valid CNPJ for the new customer; its code is "J" and the number.
constexpr const char* kCnpj = "11222333000181";
constexpr const char* kCustomer = "J11222333000181";

class ProspectE2E : public e2e::DriverSuite<ProspectE2E> {
public: // read by the suite's set-up
    static constexpr const char* kDatabaseFile = "vq_prosp_e2e";
    static DriverOptions options() {
        DriverOptions o = e2e::moduleOptions(4);
        o.settings = {{"module", "16"}, {"operator", "OPER01"}};
        return o;
    }

protected:
    void SetUp() override { driver_->run("settings module=16\nprint messages calls\n"); }
    void TearDown() override { driver_->run("answer yes\nclose TfrmCliente\n"); }

    void exec(const std::string& sql, const db::Params& params = {}) { db().execute(sql, params); }
    std::int64_t count(const std::string& sql) { return db().query(sql).rows().at(0).at(0).toInt(); }
    std::string value(const std::string& sql) {
        const auto rs = db().query(sql);
        return rs.empty() ? std::string("<none>") : rs.rows()[0][0].toString();
    }

    // A prospect with three addresses, two contacts, a commercial contact with history and an observation.
    void addProspect(const std::string& p) {
        const std::string segment = value("SELECT MIN(CDSEGMER) FROM SEGMERCADO");
        exec("INSERT INTO PROSPECT (CDPROSPECT, IDTPIJURPROS, NRINSJURPROS, NMRAZSOCPROS, NMFANTPROS, "
             "CDSEGMER, "
             "DTCADAPROS) VALUES (:P, 'J', :N, 'Prospect Um Ltda', 'Prospect Um', :S, :D)",
             {{"P", Variant(p)},
              {"N", Variant(kCnpj)},
              {"S", Variant(segment)},
              {"D", Variant(makeDateTime({2026, 1, 5}, {0, 0, 0}))}});
        for (const char* kind : {"P", "C", "T"})
            exec(
                "INSERT INTO ENDEPROSP (CDPROSPECT, IDTPENDEPROS, CDPAIS, SGESTADO, CDMUNICIPIO, DSENDEPROS, "
                "NMBAIRPROS, NRCEPPROS, NRTELEXPROS) VALUES (:P, :K, '0055', 'SP', '0001', :E, 'Centro', "
                "'01001000', '4433')",
                {{"P", Variant(p)},
                 {"K", Variant(kind)},
                 {"E", Variant(std::string("Rua ") + kind + ", 1")}});
        exec(
            "INSERT INTO INTEPROSP (CDPROSPECT, CDINTEPROS, NMINTEPROS) VALUES (:P, '01', 'Ana'), (:P, '02', "
            "'Bia')",
            {{"P", Variant(p)}});
        exec(
            "INSERT INTO CONTATO (CDFILIAL, NRCONTATO, CDPROSPECT, IDTPCONTATO) VALUES ('0001', :P, :P, 'P')",
            {{"P", Variant(p)}});
        exec("INSERT INTO EVOLCONTATO (CDFILIAL, NRCONTATO, DTHREVOLCONT, CDPROSPECT, CDINTEPROS) VALUES "
             "('0001', :P, :D, :P, '02')",
             {{"P", Variant(p)}, {"D", Variant(makeDateTime({2026, 2, 1}, {9, 0, 0}))}});
        exec("INSERT INTO OBSPROS (CDPROSPECT, DSOBSERVPROS) VALUES (:P, 'Cliente promissor')",
             {{"P", Variant(p)}});
    }
    std::int64_t prospectRows(const std::string& p) {
        std::int64_t n = 0;
        for (const char* table : {"PROSPECT", "ENDEPROSP", "INTEPROSP", "OBSPROS", "CONTATO", "EVOLCONTATO"})
            n += count(std::string("SELECT COUNT(*) FROM ") + table + " WHERE CDPROSPECT = '" + p + "'");
        return n;
    }
    // The customer's own billing address and contact 01, as if saved before (the server keeps them).
    void addCustomersOwnRows() {
        exec(
            "INSERT INTO ENDECLIE (CDCLIENTE, IDTPENDECLIE, DSENDECLIE) VALUES (:C, 'C', 'Cobrança própria')",
            {{"C", Variant(kCustomer)}});
        exec("INSERT INTO INTECLIE (CDCLIENTE, CDINTECLIE, NMINTECLIE) VALUES (:C, '01', 'Própria')",
             {{"C", Variant(kCustomer)}});
    }
    // Insert choosing `prospect`, the registration typed, the complement the prospect lacks.
    static std::string insertChoosing(const std::string& prospect) {
        return "answer yes\npick " + prospect + "\nclick sbtIncluir\nset dbeInscricao " + kCnpj +
               "\nselect rdgTipoCliente Privado\nclick mnuEndeClie\nset dbeCompEndCli Sala\n";
    }

    // The calls of the prospect conversion, and the saves.
    static std::vector<std::string> prospectCalls(const DriverResult& r) {
        std::vector<std::string> out;
        for (const std::string& c : linesStarting(r, "call="))
            if (c.find("Prosp") != std::string::npos || c.find(".Confirmar(") != std::string::npos)
                out.push_back(c);
        return out;
    }
};

TEST_F(ProspectE2E, TheOfferCopiesTheChosenProspectOrNothing) {
    addProspect("JPE1");
    run(std::string(kOpen) + "print calls\n");
    DriverResult r = run("answer no\nclick sbtIncluir\nprint calls Vqm41200.boImpProsp\nanswer yes\nclick "
                         "sbtCancelar\n");
    auto calls = prospectCalls(r);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0], "call=Vqm41200.rdmClientes.GetProspect([])");
    EXPECT_EQ(printed(r, "Vqm41200.boImpProsp"), "false");

    // A search left without a choice copies nothing either.
    r = run("answer yes\npick none\nclick sbtIncluir\nprint calls Vqm41200.boImpProsp\nanswer yes\nclick "
            "sbtCancelar\n");
    EXPECT_EQ(prospectCalls(r), std::vector<std::string>{"call=Vqm41200.rdmClientes.GetProspect([])"});
    EXPECT_EQ(printed(r, "Vqm41200.boImpProsp"), "false");

    r = run(
        "answer yes\npick JPE1\nclick sbtIncluir\nprint calls cdsCliente.NMRAZSOCCLIE cdsCliente.NMFANTCLIE "
        "cdsCliente.NRINSJURCLIE cdsEndeClieNorm.DSENDECLIE cdsEndeClieNorm.NMBAIRCLIE "
        "cdsEndeClieNorm.NRTELEXCLIE cdsEndeClieNorm.SGESTADO Vqm41200.boImpProsp Vqm41200.boImpInterloc\n"
        "answer yes\nclick sbtCancelar\nprint Vqm41200.boImpProsp\n");
    calls = prospectCalls(r);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[1], "call=Vqm41200.rdmClientes.GetEndeProsp([\"JPE1\"])");
    EXPECT_EQ(printed(r, "cdsCliente.NMRAZSOCCLIE"), "Prospect Um Ltda");
    EXPECT_EQ(printed(r, "cdsCliente.NMFANTCLIE"), "Prospect Um");
    EXPECT_EQ(printed(r, "cdsEndeClieNorm.DSENDECLIE"), "Rua P, 1");
    EXPECT_EQ(printed(r, "cdsEndeClieNorm.NMBAIRCLIE"), "Centro");
    EXPECT_EQ(printed(r, "cdsEndeClieNorm.NRTELEXCLIE"), "4433");
    EXPECT_EQ(printed(r, "Vqm41200.boImpInterloc"), "true");
    EXPECT_EQ(printedLast(r, "Vqm41200.boImpProsp"), "false") << "cancelled: the prospect is forgotten";
    EXPECT_EQ(prospectRows("JPE1"), 9);
}

TEST_F(ProspectE2E, ConfirmConvertsInOneCallAndTheProspectIsGone) {
    addProspect("JPE2");
    addCustomersOwnRows();
    run(std::string(kOpen) + "print calls\n");
    const DriverResult r =
        run(insertChoosing("JPE2") +
            "print calls\nclick sbtConfirmar\nprint calls messages "
            "cdsCliente.state cdsCliente.CDCLIENTE Vqm41200.boImpProsp Vqm41200.boImpInterloc\n");
    EXPECT_TRUE(linesStarting(r, "message=error").empty());
    EXPECT_EQ(printed(r, "cdsCliente.state"), "1");
    EXPECT_EQ(printed(r, "cdsCliente.CDCLIENTE"), kCustomer);
    EXPECT_EQ(printed(r, "Vqm41200.boImpProsp"), "false");
    EXPECT_EQ(printed(r, "Vqm41200.boImpInterloc"), "false");
    const auto calls = prospectCalls(r);
    ASSERT_EQ(calls.size(), 3u); // GetProspect, GetEndeProsp, ConvertProspect
    EXPECT_NE(calls[2].find("ConvertProspect([\"" + std::string(kCustomer) + "\",\"JPE2\","),
              std::string::npos);
    for (const std::string& c : linesStarting(r, "call="))
        EXPECT_EQ(c.find("ImportaClienteProspect"), std::string::npos) << c;

    const std::string customer = std::string("CDCLIENTE = '") + kCustomer + "'";
    EXPECT_EQ(value("SELECT NMRAZSOCCLIE FROM CLIENTE WHERE " + customer), "Prospect Um Ltda");
    EXPECT_EQ(value("SELECT DSENDECLIE FROM ENDECLIE WHERE IDTPENDECLIE = 'P' AND " + customer), "Rua P, 1");
    EXPECT_EQ(value("SELECT DSENDECLIE FROM ENDECLIE WHERE IDTPENDECLIE = 'C' AND " + customer),
              "Cobrança própria");
    EXPECT_EQ(value("SELECT DSENDECLIE FROM ENDECLIE WHERE IDTPENDECLIE = 'T' AND " + customer), "Rua T, 1");
    EXPECT_EQ(value("SELECT NMINTECLIE FROM INTECLIE WHERE CDINTECLIE = '02' AND " + customer), "Ana");
    EXPECT_EQ(value("SELECT NMINTECLIE FROM INTECLIE WHERE CDINTECLIE = '03' AND " + customer), "Bia");
    EXPECT_EQ(value("SELECT CDINTECLIE FROM EVOLCONTATO WHERE " + customer), "03");
    EXPECT_EQ(value("SELECT CDOPERADOR FROM OBSERVCLIE WHERE " + customer), "OPER01");
    EXPECT_EQ(prospectRows("JPE2"), 0);
}

TEST_F(ProspectE2E, AFailedConversionChangesNothingAndConfirmingAgainRetries) {
    exec("DELETE FROM CLIENTE WHERE CDCLIENTE = :C", {{"C", Variant(kCustomer)}});
    exec("DELETE FROM ENDECLIE WHERE CDCLIENTE = :C", {{"C", Variant(kCustomer)}});
    exec("DELETE FROM INTECLIE WHERE CDCLIENTE = :C", {{"C", Variant(kCustomer)}});
    exec("DELETE FROM OBSERVCLIE WHERE CDCLIENTE = :C", {{"C", Variant(kCustomer)}});
    addProspect("JPE3");
    exec("CREATE TRIGGER jpe3_block BEFORE DELETE ON PROSPECT WHEN OLD.CDPROSPECT = 'JPE3' BEGIN SELECT "
         "RAISE(ABORT, 'exclusão bloqueada'); END");
    run(std::string(kOpen) + "print calls\n");
    DriverResult r =
        run(insertChoosing("JPE3") + "print calls\nclick sbtConfirmar\nprint calls messages "
                                     "Vqm41200.boImpProsp cdsCliente.state cdsEndeClieNorm.state "
                                     "sbtConfirmar.enabled mnuConfirmar.enabled\n");
    EXPECT_EQ(linesStarting(r, "message=error: "),
              std::vector<std::string>{"message=error: Conversão do prospect \"JPE3\" não gravada (exclusão "
                                       "bloqueada); nada foi gravado."});
    EXPECT_EQ(printed(r, "Vqm41200.boImpProsp"), "true");
    EXPECT_EQ(printed(r, "sbtConfirmar.enabled"), "true");
    EXPECT_EQ(count("SELECT COUNT(*) FROM CLIENTE WHERE CDCLIENTE = '" + std::string(kCustomer) + "'"), 0);
    EXPECT_EQ(prospectRows("JPE3"), 9);

    exec("DROP TRIGGER jpe3_block");
    r = run("print calls\nclick sbtConfirmar\nprint calls messages cdsCliente.state Vqm41200.boImpProsp\n");
    EXPECT_TRUE(linesStarting(r, "message=error").empty());
    const auto calls = prospectCalls(r);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_NE(calls[0].find("ConvertProspect("), std::string::npos);
    EXPECT_EQ(printed(r, "Vqm41200.boImpProsp"), "false");
    EXPECT_EQ(count("SELECT COUNT(*) FROM INTECLIE WHERE CDCLIENTE = '" + std::string(kCustomer) + "'"), 2);
    EXPECT_EQ(prospectRows("JPE3"), 0);
}

TEST_F(ProspectE2E, Module33CopiesTheProspectAndSavesPlainly) {
    exec("DELETE FROM CLIENTE WHERE CDCLIENTE = :C", {{"C", Variant(kCustomer)}});
    exec("DELETE FROM ENDECLIE WHERE CDCLIENTE = :C", {{"C", Variant(kCustomer)}});
    addProspect("JPE4");
    run("settings module=33\n" + std::string(kOpen) + "print calls\n");
    const DriverResult r = run(insertChoosing("JPE4") + "click sbtConfirmar\nprint calls messages "
                                                        "cdsCliente.state Vqm41200.boImpProsp\n");
    EXPECT_EQ(printed(r, "cdsCliente.state"), "1");
    EXPECT_EQ(printed(r, "Vqm41200.boImpProsp"), "false");
    for (const std::string& c : linesStarting(r, "call="))
        EXPECT_EQ(c.find("ConvertProspect"), std::string::npos);
    EXPECT_EQ(value("SELECT NMRAZSOCCLIE FROM CLIENTE WHERE CDCLIENTE = '" + std::string(kCustomer) + "'"),
              "Prospect Um Ltda");
    EXPECT_EQ(prospectRows("JPE4"), 9);
}

TEST_F(ProspectE2E, TheImportButtonReplacesTheEditedCustomersIdentity) {
    addProspect("JPE5");
    run("settings module=33\n" + std::string(kOpen) + "print calls\n");
    const DriverResult r = run("answer no\nclick sbtImpProsp\nprint calls cdsCliente.state\nanswer yes\npick "
                               "JPE5\nclick sbtImpProsp\nprint calls messages cdsCliente.state "
                               "cdsCliente.NMRAZSOCCLIE cdsCliente.NMFANTCLIE Vqm41200.boImporta "
                               "Vqm41200.boImpProsp\nanswer yes\nclick sbtCancelar\n");
    EXPECT_EQ(printed(r, "cdsCliente.state"), "1") << "No leaves the customer as it was";
    EXPECT_EQ(printedLast(r, "cdsCliente.state"), "2");
    EXPECT_EQ(printed(r, "cdsCliente.NMRAZSOCCLIE"), "Prospect Um Ltda");
    EXPECT_EQ(printed(r, "cdsCliente.NMFANTCLIE"), "Prospect Um");
    EXPECT_EQ(printed(r, "Vqm41200.boImporta"), "false");
    EXPECT_EQ(printed(r, "Vqm41200.boImpProsp"), "false") << "only the offer on insert converts";
    EXPECT_EQ(
        e2e::printedAll(r, "message"),
        (std::vector<std::string>{
            "confirm: Os dados do cliente serão substituídos pelos dados do prospect. Deseja continuar?",
            "confirm: Os dados do cliente serão substituídos pelos dados do prospect. Deseja continuar?"}));
    const auto calls = prospectCalls(r);
    EXPECT_EQ(calls, (std::vector<std::string>(2, "call=Vqm41200.rdmClientes.GetProspect([])")));
}

} // namespace
} // namespace vq::host

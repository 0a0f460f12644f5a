// The preferred banks, base price tables, partners and financial fields of the customer form through the
// driver, over the embedded server and its seeded database: the first customer, F00702210226, has no
// bank, the price tables 02 (principal) and 03, and no partner.

#include "framework/services/db_geral.h"
#include "host/driver.h"
#include "platform/db/connection.h"
#include "tests/host/driver_suite.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>

namespace vq::host {
namespace {

using e2e::printed;
using e2e::printedAll;
using e2e::printedLast;
using Lines = std::vector<std::string>;

constexpr const char* kCustomer = "F00702210226";

std::size_t callsTo(const DriverResult& r, std::string_view method) {
    const Lines calls = printedAll(r, "call");
    return static_cast<std::size_t>(std::count_if(calls.begin(), calls.end(), [&](const std::string& c) {
        return c.find(std::string(".") + std::string(method) + "(") != std::string::npos;
    }));
}

class CustomerGrids : public e2e::DriverSuite<CustomerGrids> {
protected:
    void SetUp() override {
        const DriverResult r =
            run("settings module=16 date=2026-12-07\ncall IniProc null\nform TfrmFilCliente\n"
                "click sbtConfirma\nform TfrmCliente\nprint cdsCliente.CDCLIENTE calls messages\n");
        ASSERT_EQ(printed(r, "cdsCliente.CDCLIENTE"), kCustomer);
    }
    void TearDown() override { run("answer yes\nclose TfrmCliente\nprint calls messages\n"); }
};

TEST_F(CustomerGrids, BankRowsAreCheckedSentOneByOneAndKeepOnePriority) {
    run("click mnuBancoPref\nprint calls\n");
    DriverResult r =
        run("click sbtIncluir\ncell dbgBancoPref 0 CDREDUCONT 1\ncell dbgBancoPref 0 CDAGENCIA\n"
            "print calls messages cdsBancoPref.CDBANCO cdsBancoPref.NMBANCO cdsBancoPref.CDAGENCIA "
            "cdsBancoPref.CDCONTCORR cdsBancoPref.IDPRIORBPREF tshFormulario.enabled\n");
    EXPECT_EQ(printedAll(r, "call"),
              Lines{std::string("Vqm41200.rdmClientes.GetVerifiBanco([\"") + kCustomer + "\",\"001\"])"});
    EXPECT_EQ(printed(r, "cdsBancoPref.CDBANCO"), "001");
    EXPECT_EQ(printed(r, "cdsBancoPref.NMBANCO"), "Banco do Brasil S.A.");
    EXPECT_EQ(printed(r, "cdsBancoPref.CDAGENCIA"), "12340");
    EXPECT_EQ(printed(r, "cdsBancoPref.CDCONTCORR"), "123456");
    EXPECT_EQ(printed(r, "cdsBancoPref.IDPRIORBPREF"), "N");
    EXPECT_EQ(printed(r, "tshFormulario.enabled"), "false") << "other pages wait for the row";

    r = run("click sbtConfirmar\nprint calls messages cdsBancoPref.state cdsBancoPref.recordCount "
            "tshFormulario.enabled\n");
    EXPECT_EQ(callsTo(r, "Confirmar"), 1u);
    EXPECT_EQ(callsTo(r, "GetPesqInstCobr"), 0u);
    EXPECT_TRUE(printedAll(r, "message").empty());
    EXPECT_EQ(printed(r, "cdsBancoPref.recordCount"), "1");
    EXPECT_EQ(printed(r, "tshFormulario.enabled"), "true");

    // An unknown account asks nobody; the same account again is refused by the server's answer.
    r = run("click sbtIncluir\ncell dbgBancoPref 1 CDREDUCONT 9\ncell dbgBancoPref 1 CDAGENCIA\n"
            "print calls messages\n");
    EXPECT_TRUE(printedAll(r, "call").empty());
    EXPECT_EQ(printedAll(r, "message"), Lines{"error: Código reduzido não cadastrado."});
    r = run("cell dbgBancoPref 1 CDREDUCONT 1\ncell dbgBancoPref 1 CDAGENCIA\nprint calls messages\n");
    EXPECT_EQ(callsTo(r, "GetVerifiBanco"), 1u);
    EXPECT_EQ(printedAll(r, "message"), Lines{"error: Código reduzido já cadastrado."});

    // An instruction is looked up only when filled.
    r = run("cell dbgBancoPref 1 CDREDUCONT 2\ncell dbgBancoPref 1 CDINS1COBRCL 99\n"
            "cell dbgBancoPref 1 CDINS2COBRCL\nprint calls messages cdsBancoPref.state\n");
    EXPECT_EQ(printedAll(r, "message"), Lines{"error: Instrução de cobrança não cadastrada."});
    EXPECT_EQ(printed(r, "cdsBancoPref.state"), "3");
    r = run("cell dbgBancoPref 1 CDINS1COBRCL 1\nclick sbtConfirmar\nprint calls messages "
            "cdsBancoPref.recordCount\n");
    EXPECT_TRUE(printedAll(r, "message").empty());
    EXPECT_EQ(callsTo(r, "Confirmar"), 1u);
    const Lines calls = printedAll(r, "call");
    const auto sent = std::ranges::find_if(
        calls, [](const std::string& c) { return c.find(".Confirmar(") != std::string::npos; });
    ASSERT_NE(sent, calls.end());
    EXPECT_NE(sent->find("Protestar"), std::string::npos) << "the instruction's name goes with the row";
    EXPECT_EQ(printed(r, "cdsBancoPref.recordCount"), "2");

    // Reopened: the rows just sent are what the priority checks work on.
    TearDown();
    SetUp();
    // Rows 001 and 237, both "N" (ordered by mark, then bank).
    run("click mnuBancoPref\nprint calls\n");
    r = run("click dbgBancoPref 0 IDPRIORBPREF\nprint calls messages\n");
    EXPECT_EQ(callsTo(r, "GetBancoPrio"), 2u) << "the click and the post each ask";
    EXPECT_EQ(callsTo(r, "Confirmar"), 1u);
    EXPECT_TRUE(printedAll(r, "message").empty());

    r = run("click dbgBancoPref 0 IDPRIORBPREF\nprint calls messages cdsBancoPref.state\n");
    EXPECT_EQ(callsTo(r, "GetBancoPrio"), 1u);
    EXPECT_EQ(callsTo(r, "Confirmar"), 0u);
    ASSERT_EQ(printedAll(r, "message").size(), 1u);
    EXPECT_EQ(printed(r, "cdsBancoPref.state"), "1");

    r = run("click dbgBancoPref 1 IDPRIORBPREF\nprint calls messages cdsBancoPref.IDPRIORBPREF\n");
    EXPECT_EQ(callsTo(r, "GetBancoPrio"), 0u) << "removing the mark needs no check";
    EXPECT_EQ(callsTo(r, "Confirmar"), 1u);

    // The Space toggle skips the instruction checks of its own post only.
    r = run("cell dbgBancoPref 0 IDPRIORBPREF\nkey dbgBancoPref Space\nprint calls messages\n");
    EXPECT_EQ(callsTo(r, "Confirmar"), 1u);
    EXPECT_EQ(callsTo(r, "GetPesqInstCobr"), 0u);
    r = run("cell dbgBancoPref 0 CDINS1COBRCL 99\ncell dbgBancoPref 0 CDAGENCIA\nprint calls messages\n");
    EXPECT_EQ(printedAll(r, "message"), Lines{"error: Instrução de cobrança não cadastrada."});
    run("answer yes\nclick sbtCancelar\nprint calls messages\n");

    r = run("key dbgBancoPref Delete\nkey dbgBancoPref Ctrl+Delete\nprint calls messages "
            "cdsBancoPref.recordCount "
            "cdsBancoPref.state\n");
    EXPECT_TRUE(printedAll(r, "call").empty());
    EXPECT_TRUE(printedAll(r, "message").empty());
    EXPECT_EQ(printed(r, "cdsBancoPref.recordCount"), "2");
    EXPECT_EQ(printed(r, "cdsBancoPref.state"), "1");
}

TEST_F(CustomerGrids, AccountLookupShowsEachNumberThroughItsBanksMask) {
    // Account 003 of the seed: bank 341 (mask "9999-99"), agency 34562, number 456789. The new row goes
    // below the customer's banks (other tests may have added some).
    DriverResult r = run("click mnuBancoPref\nprint calls cdsBancoPref.recordCount\n");
    const std::string row = printed(r, "cdsBancoPref.recordCount");
    r = run("click sbtIncluir\ncell dbgBancoPref " + row + " CDREDUCONT 3\ncell dbgBancoPref " + row +
            " CDAGENCIA\ncell dbgBancoPref " + row + " CDCONTCORR\nprint calls messages\n");
    EXPECT_TRUE(printedAll(r, "message").empty());
    // The account column has no button: its search opens with Ctrl+Enter in the cell's editor.
    r = run(
        "key dbgBancoPref F2\nkey dbgBancoPref Ctrl+Enter\nprint messages lookup cdsBancoPref.CDCONTCORR\n");
    EXPECT_TRUE(printedAll(r, "message").empty());
    EXPECT_EQ(printed(r, "lookup.caption"), "Conta Corrente");
    EXPECT_EQ(printed(r, "lookup.columns"), "Conta Corrente|CDREDUCONT|DSCONTCORR|CDPICTCONT");
    EXPECT_EQ(printedAll(r, "lookup.row"), Lines{"4567-89|003|Itaú - Cobrança|9999-99"})
        << "the list shows the number as the grid does, through the row's bank mask";
    EXPECT_EQ(printed(r, "cdsBancoPref.CDCONTCORR"), "456789") << "nothing chosen, nothing changed";
    run("answer yes\nclick sbtCancelar\nprint calls messages\n");
}

TEST_F(CustomerGrids, PriceTablesKeepOnePrincipal) {
    DriverResult r = run("click mnuPrcBase\nprint calls cdsPrecoBaseCli.recordCount\n");
    EXPECT_EQ(printed(r, "cdsPrecoBaseCli.recordCount"), "2");
    r = run("click sbtIncluir\ncell dbgPrecoBase 2 CDPRECOBASE 02\ncell dbgPrecoBase 2 IDPRBASEPRIN\n"
            "print calls messages cdsPrecoBaseCli.state\n");
    EXPECT_EQ(callsTo(r, "ValidaPrecoBase"), 1u);
    EXPECT_EQ(printedAll(r, "message"), Lines{"error: Preço base já cadastrado."});
    EXPECT_EQ(printed(r, "cdsPrecoBaseCli.state"), "3");

    r = run("cell dbgPrecoBase 2 CDPRECOBASE 4\ncell dbgPrecoBase 2 IDPRBASEPRIN\nclick sbtConfirmar\n"
            "print calls messages cdsPrecoBaseCli.recordCount\n");
    EXPECT_TRUE(printedAll(r, "message").empty());
    ASSERT_EQ(callsTo(r, "Confirmar"), 1u);
    for (const std::string& c : printedAll(r, "call")) {
        if (c.find(".Confirmar(") != std::string::npos) {
            EXPECT_NE(c.find("[\"F00702210226\",\"04\",\"Distribuidor\",\"N\"]"), std::string::npos) << c;
        }
    }

    r = run("cell dbgPrecoBase 1 IDPRBASEPRIN Sim\nclick sbtConfirmar\nprint calls messages "
            "cdsPrecoBaseCli.CDPRECOBASE cdsPrecoBaseCli.IDPRBASEPRIN\n");
    EXPECT_EQ(callsTo(r, "ValidaPrecoBase"), 0u);
    ASSERT_EQ(callsTo(r, "Confirmar"), 1u);
    for (const std::string& c : printedAll(r, "call"))
        if (c.find(".Confirmar(") != std::string::npos) {
            const auto first = c.find("\"03\"");
            const auto second = c.find("\"02\"");
            ASSERT_NE(first, std::string::npos) << c;
            EXPECT_LT(first, second) << "03 becomes principal, then 02 loses the mark";
            EXPECT_NE(c.find("{\"IDPRBASEPRIN\":\"N\"}"), std::string::npos) << c;
        }
    EXPECT_EQ(printed(r, "cdsPrecoBaseCli.CDPRECOBASE"), "03");
    EXPECT_EQ(printed(r, "cdsPrecoBaseCli.IDPRBASEPRIN"), "S");

    r = run(
        "cell dbgPrecoBase 2 IDPRBASEPRIN x\nprint cdsPrecoBaseCli.IDPRBASEPRIN calls\nclick sbtConfirmar\n"
        "print calls\n");
    EXPECT_EQ(printed(r, "cdsPrecoBaseCli.IDPRBASEPRIN"), "N");

    // Ctrl+Enter opens the code's lookup without a cell editor; it lists the five tables.
    r = run("click sbtIncluir\ncell dbgPrecoBase 3 CDPRECOBASE\npick 4\nkey dbgPrecoBase Ctrl+Enter\n"
            "print calls messages cdsPrecoBaseCli.CDPRECOBASE cdsPrecoBaseCli.DSPRECOBASE\n"
            "answer yes\nclick sbtCancelar\n");
    EXPECT_TRUE(printedAll(r, "message").empty());
    EXPECT_EQ(printed(r, "cdsPrecoBaseCli.CDPRECOBASE"), "05");
    EXPECT_EQ(printed(r, "cdsPrecoBaseCli.DSPRECOBASE"), "Exportação");
}

TEST_F(CustomerGrids, PartnersAreNumberedNormalisedAndCheckedForDuplicates) {
    run("click mnuSocios\nprint calls\n");
    DriverResult r = run("click sbtIncluir\ncell dbgSocios 0 NRINSSOCCLIE 1\nclick sbtConfirmar\n"
                         "print messages cdsSocios.state\n");
    EXPECT_EQ(printedAll(r, "message"), Lines{"error: Razão Social deve ser informada."});
    r = run(
        "cell dbgSocios 0 NMSOCIOCLIE \"Ana Lima\"\ncell dbgSocios 0 NRINSSOCCLIE \"\"\nclick sbtConfirmar\n"
        "print calls messages cdsSocios.state\n");
    EXPECT_EQ(printedAll(r, "message"), Lines{"error: Inscrição deve ser informada."});
    EXPECT_EQ(printed(r, "cdsSocios.state"), "3");

    r = run("cell dbgSocios 0 NRINSSOCCLIE 111.444.777-35\nclick sbtConfirmar\nprint calls messages "
            "cdsSocios.NRINSSOCCLIE cdsSocios.IDTPINSSOCCL cdsSocios.NRSEQSOCCLIE cdsSocios.state\n");
    EXPECT_TRUE(printedAll(r, "message").empty());
    EXPECT_EQ(callsTo(r, "GetValid_Socio"), 1u);
    EXPECT_EQ(callsTo(r, "Confirmar"), 1u);
    EXPECT_EQ(printed(r, "cdsSocios.NRINSSOCCLIE"), "11144477735");
    EXPECT_EQ(printed(r, "cdsSocios.IDTPINSSOCCL"), "F");
    EXPECT_EQ(printed(r, "cdsSocios.NRSEQSOCCLIE"), "01");

    r = run("cell dbgSocios 0 NMSOCIOCLIE \"Ana Lima Souza\"\nclick sbtConfirmar\nprint calls messages "
            "cdsSocios.NMSOCIOCLIE\n");
    EXPECT_TRUE(printedAll(r, "message").empty()) << "its own number is no duplicate";
    EXPECT_EQ(callsTo(r, "GetValid_Socio"), 0u);
    EXPECT_EQ(printed(r, "cdsSocios.NMSOCIOCLIE"), "Ana Lima Souza");

    r = run(
        "click sbtIncluir\ncell dbgSocios 1 NMSOCIOCLIE Outro\ncell dbgSocios 1 NRINSSOCCLIE 11144477735\n"
        "click sbtConfirmar\nprint calls messages cdsSocios.state\n");
    EXPECT_EQ(callsTo(r, "Confirmar"), 0u);
    EXPECT_EQ(printedAll(r, "message").size(), 1u);
    EXPECT_EQ(printed(r, "cdsSocios.state"), "3");
    run("answer yes\nclick sbtCancelar\nprint calls messages\n");
}

TEST_F(CustomerGrids, FinancialFieldsAreStoredByTheirItemsAndViewingOnlyLeavesThemDisabled) {
    // Module 9: the prospect modules' required dates would stop the confirm.
    DriverResult r = run("settings module=9\nclick mnuSituFinaGeral\nclick chbIdSitFinCli\n"
                         "print cdsCliente.state messages\n");
    EXPECT_EQ(printed(r, "cdsCliente.state"), "2") << "a click in browse edits the record";
    r = run(
        "select dbcGarantia \"9 - Outras\"\nselect dbcGrauGarantia \"99 - Outras\"\nclick mnuGeral\n"
        "select dbcAprovPed 1\nprint nedDias.enabled\nset nedDias 15\nselect dbcSitFin 2\n"
        "click sbtConfirmar\nprint messages cdsCliente.IDGARANTCLIE cdsCliente.IDGRAUGARANT "
        "cdsCliente.IDPFINAPRPED cdsCliente.NRDIAPFINAPR cdsCliente.IDSFINAPRPED cdsCliente.IDSITFINCLIE\n");
    EXPECT_TRUE(printedAll(r, "message").empty());
    EXPECT_EQ(printed(r, "nedDias.enabled"), "true");
    EXPECT_EQ(printedLast(r, "cdsCliente.IDGARANTCLIE"), "9");
    EXPECT_EQ(printedLast(r, "cdsCliente.IDGRAUGARANT"), "99");
    EXPECT_EQ(printedLast(r, "cdsCliente.IDPFINAPRPED"), "2");
    EXPECT_EQ(printedLast(r, "cdsCliente.NRDIAPFINAPR"), "15");
    EXPECT_EQ(printedLast(r, "cdsCliente.IDSFINAPRPED"), "3");
    EXPECT_EQ(printedLast(r, "cdsCliente.IDSITFINCLIE"), "P");

    // The approval item 1 just stored (value "2") enables the days only while editing.
    TearDown();
    SetUp();
    run("answer yes\nclose TfrmCliente\nprint calls messages\n");
    r = run("call IniProc [\"VISUALIZA_CLIENTE\", false, \"F00702210226\"]\n"
            "form TfrmFilCliente\nclick sbtConfirma\nform TfrmCliente\nclick mnuGeral\n"
            "print Vqm41200.boHabAlt cdsCliente.IDPFINAPRPED nedDias.enabled\n");
    EXPECT_EQ(printed(r, "Vqm41200.boHabAlt"), "false");
    EXPECT_EQ(printed(r, "cdsCliente.IDPFINAPRPED"), "2");
    EXPECT_EQ(printed(r, "nedDias.enabled"), "false");
}

TEST_F(CustomerGrids, ValueEditsDropTheMinusAndAStoredNegativeCapitalIsRefused) {
    // The key filter keeps "-" out of the value edits; the check below zero still meets a negative value
    // that came with the record, and the confirm stops on it until it is corrected.
    db::Connection& db = *dtmDBGeral();
    const std::string sql =
        "SELECT VRCAPITALCLI FROM CLIENTE WHERE CDCLIENTE = '" + std::string(kCustomer) + "'";
    const Variant stored = db.query(sql).rows().front().front();
    db.execute("UPDATE CLIENTE SET VRCAPITALCLI = -5 WHERE CDCLIENTE = :P0", {{"P0", Variant(kCustomer)}});
    DriverResult r = run("settings module=9\nclick sbtVerificar\nclick mnuSituFinaGeral\nclick sbtAlterar\n"
                         "click mnuGeral\nclick sbtConfirmar\nprint messages pgcPadrao.activePage "
                         "dbeVrCapital.text cdsCliente.state\n");
    EXPECT_EQ(printedAll(r, "message"), Lines{"error: Valor capital deve ser maior ou igual a zero."});
    EXPECT_EQ(printed(r, "pgcPadrao.activePage"), "tshSitFinanc");
    EXPECT_EQ(printed(r, "cdsCliente.state"), "2");

    r = run("focus dbeVrCapital\nset dbeVrCapital -7\nprint dbeVrCapital.text\nclick sbtConfirmar\n"
            "print messages cdsCliente.state cdsCliente.VRCAPITALCLI\n");
    EXPECT_EQ(printed(r, "dbeVrCapital.text"), "7");
    EXPECT_TRUE(printedAll(r, "message").empty());
    EXPECT_EQ(printed(r, "cdsCliente.state"), "1");
    EXPECT_EQ(printed(r, "cdsCliente.VRCAPITALCLI"), "7");
    db.execute("UPDATE CLIENTE SET VRCAPITALCLI = :P1 WHERE CDCLIENTE = :P0",
               {{"P0", Variant(kCustomer)}, {"P1", stored}});
}

TEST_F(CustomerGrids, CallCentreBoxOnThePersonalisationPageStoresItsMark) {
    // Module 33 shows "Personalização" and runs none of the prospect modules' date checks at the confirm.
    DriverResult r = run("settings module=33\nclick mnuPersonalizao\nprint dbcPosLigExt.caption "
                         "dbcPosLigExt.checked dbcPosLigExt.enabled cdsCliente.IDLIGEXTCLIE\n");
    EXPECT_EQ(printed(r, "dbcPosLigExt.caption"), "Habilita ligação via URA");
    EXPECT_EQ(printed(r, "dbcPosLigExt.checked"), "false");
    EXPECT_EQ(printed(r, "dbcPosLigExt.enabled"), "true");
    EXPECT_EQ(printed(r, "cdsCliente.IDLIGEXTCLIE"), "N");

    for (const char* mark : {"S", "N"}) {
        r = run("print calls\nclick dbcPosLigExt\nprint cdsCliente.state cdsCliente.IDLIGEXTCLIE\n"
                "click sbtConfirmar\nprint calls messages dbcPosLigExt.checked\n");
        EXPECT_EQ(printed(r, "cdsCliente.state"), "2") << "a click in browse edits the record";
        EXPECT_EQ(printed(r, "cdsCliente.IDLIGEXTCLIE"), mark);
        EXPECT_TRUE(printedAll(r, "message").empty());
        EXPECT_EQ(callsTo(r, "Confirmar"), 1u);
        for (const std::string& c : printedAll(r, "call"))
            if (c.find(".Confirmar(") != std::string::npos) {
                EXPECT_NE(c.find("\"IDLIGEXTCLIE\":\"" + std::string(mark) + "\""), std::string::npos) << c;
            }
        EXPECT_EQ(printed(r, "dbcPosLigExt.checked"), std::string(mark) == "S" ? "true" : "false");
    }
}

TEST_F(CustomerGrids, InvoiceSplitBoxStoresTwoWhenTickedAndOneWhenNot) {
    DriverResult r = run("settings module=33\nclick mnuGeral\nprint dbcIDGERNFCLIE.caption calls\n");
    EXPECT_EQ(printed(r, "dbcIDGERNFCLIE.caption"), "Quebra NF por Alíquota de Imposto");
    for (const char* mark : {"2", "1"}) {
        r = run("click dbcIDGERNFCLIE\nclick sbtConfirmar\nprint calls messages cdsCliente.IDGERNFCLIE\n");
        EXPECT_TRUE(printedAll(r, "message").empty());
        EXPECT_EQ(printed(r, "cdsCliente.IDGERNFCLIE"), mark);
        for (const std::string& c : printedAll(r, "call"))
            if (c.find(".Confirmar(") != std::string::npos) {
                EXPECT_NE(c.find("\"IDGERNFCLIE\":\"" + std::string(mark) + "\""), std::string::npos) << c;
            }
    }
}

} // namespace
} // namespace vq::host

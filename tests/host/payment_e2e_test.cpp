// The customer form's payment page and collection fields through the driver, over the embedded server and
// its seeded database: the first customer, F00702210226, pays by payment form 06 with terms 30/50 and
// 60/50.

#include "host/driver.h"
#include "tests/host/driver_suite.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>

namespace vq::host {
namespace {

using namespace e2e;

using Lines = std::vector<std::string>;

class PaymentPage : public DriverSuite<PaymentPage> {
protected:
    // Each test opens the form on every customer and leaves it closed, its edits discarded.
    void SetUp() override {
        const DriverResult r =
            run("settings module=16 date=2026-12-07\ncall IniProc null\nform TfrmFilCliente\n"
                "click sbtConfirma\nform TfrmCliente\nprint cdsCliente.CDCLIENTE calls messages\n");
        ASSERT_EQ(printed(r, "cdsCliente.CDCLIENTE"), "F00702210226");
    }
    void TearDown() override { run("answer yes\nclose TfrmCliente\nprint calls messages\n"); }
};

constexpr const char* kTerms = "Vqm41200.rdmClientes.GetPrazoPgtoClie([\"F00702210226\"])";

TEST_F(PaymentPage, EnteringThePageReadsTheTermsOnceAndShowsTheStoredKind) {
    DriverResult r = run("click mnuFormPgto\nprint calls drgFormPgto.itemIndex cdsPrazoPgtoClie.recordCount "
                         "dbgPrazoPgClie.visible dbeCdFormPgto.text dbeNmFormPgto.text speDiaFixo.enabled\n");
    EXPECT_EQ(printedAll(r, "call"), Lines{kTerms});
    EXPECT_EQ(printed(r, "drgFormPgto.itemIndex"), "2");
    EXPECT_EQ(printed(r, "cdsPrazoPgtoClie.recordCount"), "2");
    EXPECT_EQ(printed(r, "dbgPrazoPgClie.visible"), "true");
    EXPECT_EQ(printed(r, "dbeCdFormPgto.text"), "06");
    EXPECT_EQ(printed(r, "speDiaFixo.enabled"), "false");

    r = run("click mnuDadAdic\nprint calls\nclick mnuFormPgto\nprint calls\n");
    EXPECT_EQ(printedAll(r, "call"),
              Lines{"Vqm41200.rdmClientes.GetInfoPaginaDadosAdicionais([\"\",\"T\",\"F00702210226\"])"});
}

TEST_F(PaymentPage, TheKindChosenAdaptsThePageAndTheRecord) {
    run("click sbtAlterar\nclick mnuFormPgto\nprint calls\n");
    DriverResult r =
        run("select drgFormPgto 1\nprint calls speDiaFixo.text speParcela.text speDiaFixo.enabled "
            "dckProxMes.enabled dbeCdFormPgto.enabled dbgPrazoPgClie.visible cdsPrazoPgtoClie.state "
            "cdsCliente.IDTPFORPGTCL cdsCliente.NRDIAPGFIXCL cdsCliente.NRPARCPGTOCL "
            "cdsCliente.IDUTDIAPGTCL cdsCliente.CDFORMPGTO\n");
    EXPECT_TRUE(printedAll(r, "call").empty());
    EXPECT_EQ(printed(r, "speDiaFixo.text"), "1");
    EXPECT_EQ(printed(r, "speParcela.text"), "1");
    EXPECT_EQ(printed(r, "speDiaFixo.enabled"), "true");
    EXPECT_EQ(printed(r, "dckProxMes.enabled"), "true");
    EXPECT_EQ(printed(r, "dbeCdFormPgto.enabled"), "false");
    EXPECT_EQ(printed(r, "dbgPrazoPgClie.visible"), "false");
    EXPECT_EQ(printed(r, "cdsPrazoPgtoClie.state"), "0");
    EXPECT_EQ(printed(r, "cdsCliente.IDTPFORPGTCL"), "F");
    EXPECT_EQ(printed(r, "cdsCliente.NRDIAPGFIXCL"), "1");
    EXPECT_EQ(printed(r, "cdsCliente.NRPARCPGTOCL"), "1");
    EXPECT_EQ(printed(r, "cdsCliente.IDUTDIAPGTCL"), "I");
    EXPECT_EQ(printed(r, "cdsCliente.CDFORMPGTO"), "");

    // The day and instalments typed reach the record at once, and the spin edits keep their ranges.
    r = run("focus speDiaFixo\nset speDiaFixo 15\nfocus speParcela\nset speParcela 3\nclick dckProxMes\n"
            "print cdsCliente.NRDIAPGFIXCL cdsCliente.NRPARCPGTOCL cdsCliente.IDUTDIAPGTCL\n"
            "set speDiaFixo 32\nprint cdsCliente.NRDIAPGFIXCL\n");
    EXPECT_EQ(printed(r, "cdsCliente.NRDIAPGFIXCL"), "15");
    EXPECT_EQ(printed(r, "cdsCliente.NRPARCPGTOCL"), "3");
    EXPECT_EQ(printed(r, "cdsCliente.IDUTDIAPGTCL"), "E");
    EXPECT_NE(printedAll(r, "cdsCliente.NRDIAPGFIXCL").back(), "32");

    r = run("select drgFormPgto 0\nprint speDiaFixo.enabled cdsCliente.IDTPFORPGTCL cdsCliente.NRDIAPGFIXCL "
            "cdsCliente.IDUTDIAPGTCL dbeCdFormPgto.enabled dbgPrazoPgClie.visible\n");
    EXPECT_EQ(printed(r, "speDiaFixo.enabled"), "false");
    EXPECT_EQ(printed(r, "cdsCliente.IDTPFORPGTCL"), "X");
    EXPECT_EQ(printed(r, "cdsCliente.NRDIAPGFIXCL"), "");
    EXPECT_EQ(printed(r, "cdsCliente.IDUTDIAPGTCL"), "I");
    EXPECT_EQ(printed(r, "dbeCdFormPgto.enabled"), "false");
    EXPECT_EQ(printed(r, "dbgPrazoPgClie.visible"), "false");

    // Back to a payment form: the stored terms are read again and the code starts empty.
    r = run("select drgFormPgto 2\nprint calls cdsPrazoPgtoClie.recordCount dbgPrazoPgClie.visible "
            "dbeCdFormPgto.enabled cdsCliente.IDTPFORPGTCL cdsCliente.CDFORMPGTO\n");
    EXPECT_EQ(printedAll(r, "call"), Lines{kTerms});
    EXPECT_EQ(printed(r, "cdsPrazoPgtoClie.recordCount"), "2");
    EXPECT_EQ(printed(r, "dbgPrazoPgClie.visible"), "true");
    EXPECT_EQ(printed(r, "dbeCdFormPgto.enabled"), "true");
    EXPECT_EQ(printed(r, "cdsCliente.IDTPFORPGTCL"), "V");
    EXPECT_EQ(printed(r, "cdsCliente.CDFORMPGTO"), "");
}

TEST_F(PaymentPage, TermDaysAreUniqueAndAnEditedTermPostsWithItsOwnDays) {
    run("click sbtAlterar\nclick mnuFormPgto\nfocus dbgPrazoPgClie\n");
    DriverResult r = run("cell dbgPrazoPgClie 1 NRDIASPGTOCL 30\nfocus dbeCdFormPgto\n"
                         "print messages cdsPrazoPgtoClie.state\n");
    EXPECT_EQ(printed(r, "message"), "error: Prazo já cadastrado.");
    EXPECT_EQ(printed(r, "cdsPrazoPgtoClie.state"), "2");

    // Days beyond the field's largest value are refused, not stored.
    r = run("cell dbgPrazoPgClie 1 NRDIASPGTOCL 1000\nprint messages cdsPrazoPgtoClie.NRDIASPGTOCL\n");
    EXPECT_EQ(printed(r, "message"),
              "error: Campo Prazo (dias): o valor 1000 é maior que o máximo permitido, 999.");
    EXPECT_EQ(printed(r, "cdsPrazoPgtoClie.NRDIASPGTOCL"), "30");

    // Back to its own days, the row posts; so does a row edited without touching its days.
    r = run("cell dbgPrazoPgClie 1 NRDIASPGTOCL 60\nfocus dbeCdFormPgto\nfocus dbgPrazoPgClie\n"
            "cell dbgPrazoPgClie 0 NRDIASPGTOCL 30\nfocus dbeCdFormPgto\n"
            "print messages cdsPrazoPgtoClie.state cdsPrazoPgtoClie.recordCount\n");
    EXPECT_TRUE(printedAll(r, "message").empty());
    EXPECT_EQ(printed(r, "cdsPrazoPgtoClie.state"), "1");
    EXPECT_EQ(printed(r, "cdsPrazoPgtoClie.recordCount"), "2");

    // Ctrl+Delete removes a term without asking, and puts the customer in edit.
    r = run("key dbgPrazoPgClie Ctrl+Delete\nprint messages cdsPrazoPgtoClie.recordCount "
            "cdsPrazoPgtoClie.NRDIASPGTOCL\n");
    EXPECT_TRUE(printedAll(r, "message").empty());
    EXPECT_EQ(printed(r, "cdsPrazoPgtoClie.recordCount"), "1");

    // A new payment form code starts a new schedule: one empty row.
    r = run(
        "focus dbeCdFormPgto\nset dbeCdFormPgto 1\nprint cdsPrazoPgtoClie.state cdsPrazoPgtoClie.recordCount "
        "cdsCliente.NMFORMPGTO\n");
    EXPECT_EQ(printed(r, "cdsPrazoPgtoClie.state"), "3");
    EXPECT_EQ(printed(r, "cdsPrazoPgtoClie.recordCount"), "0");
    EXPECT_EQ(printed(r, "cdsCliente.NMFORMPGTO"), "");
}

TEST_F(PaymentPage, PercentagesAreCheckedOneByOneAndAddUpToAHundred) {
    run("click sbtAlterar\nclick mnuFormPgto\nfocus dbgPrazoPgClie\n");
    DriverResult r = run("cell dbgPrazoPgClie 1 VRPERCPGTOCL 49,99\nfocus dbeCdFormPgto\nprint messages\n");
    EXPECT_EQ(printed(r, "message"),
              "error: Soma do(s) percentual(is) do(s) prazo(s) de pagamento deve totalizar 100%.");
    r = run("cell dbgPrazoPgClie 1 VRPERCPGTOCL 0\nfocus dbeCdFormPgto\nprint messages\n"
            "cell dbgPrazoPgClie 1 VRPERCPGTOCL 100,01\nfocus dbeCdFormPgto\nprint messages\n"
            "cell dbgPrazoPgClie 1 VRPERCPGTOCL abc\nprint messages cdsPrazoPgtoClie.state\n");
    EXPECT_EQ(
        printedAll(r, "message"),
        (Lines{"error: Percentual deve ser maior que zero.", "error: Percentual deve estar entre 1 e 100%.",
               "error: Campo VRPERCPGTOCL: \"abc\" não é um número válido."}));
    EXPECT_EQ(printed(r, "cdsPrazoPgtoClie.state"), "2");
    r = run("key dbgPrazoPgClie Esc\ncell dbgPrazoPgClie 1 VRPERCPGTOCL 50\nfocus dbeCdFormPgto\n"
            "print messages cdsPrazoPgtoClie.state\n");
    EXPECT_TRUE(printedAll(r, "message").empty());
    EXPECT_EQ(printed(r, "cdsPrazoPgtoClie.state"), "1");

    // 10,1 + 66,6 + 23,3 is a whole schedule, though its double sum is 99.99999999999999.
    r = run("focus dbeCdFormPgto\nset dbeCdFormPgto 2\nfocus dbgPrazoPgClie\n"
            "cell dbgPrazoPgClie 0 NRDIASPGTOCL 0\ncell dbgPrazoPgClie 0 VRPERCPGTOCL 10,1\n"
            "key dbgPrazoPgClie Down\ncell dbgPrazoPgClie 1 NRDIASPGTOCL 30\n"
            "cell dbgPrazoPgClie 1 VRPERCPGTOCL 66,6\nkey dbgPrazoPgClie Down\n"
            "cell dbgPrazoPgClie 2 NRDIASPGTOCL 60\ncell dbgPrazoPgClie 2 VRPERCPGTOCL 23,3\n"
            "focus dbeCdFormPgto\nprint messages cdsPrazoPgtoClie.state cdsPrazoPgtoClie.recordCount\n");
    EXPECT_TRUE(printedAll(r, "message").empty());
    EXPECT_EQ(printed(r, "cdsPrazoPgtoClie.state"), "1");
    EXPECT_EQ(printed(r, "cdsPrazoPgtoClie.recordCount"), "3");

    // One term of 0 days and 100 %.
    r = run("focus dbeCdFormPgto\nset dbeCdFormPgto 3\nfocus dbgPrazoPgClie\n"
            "cell dbgPrazoPgClie 0 NRDIASPGTOCL 0\ncell dbgPrazoPgClie 0 VRPERCPGTOCL 100\n"
            "focus dbeCdFormPgto\nprint messages cdsPrazoPgtoClie.recordCount cdsCliente.NMFORMPGTO\n");
    EXPECT_TRUE(printedAll(r, "message").empty());
    EXPECT_EQ(printed(r, "cdsPrazoPgtoClie.recordCount"), "1");
    EXPECT_EQ(printed(r, "cdsCliente.NMFORMPGTO"), "Depósito em Conta");
}

TEST_F(PaymentPage, CollectionFieldsAreRangedAndLookedUp) {
    run("click sbtAlterar\nclick mnuDadAdic\nprint calls\n");
    DriverResult r =
        run("focus dbeVrMulta\nset dbeVrMulta 100,01\nfocus dbeVrMora\nprint messages\n"
            "focus dbeVrMulta\nset dbeVrMulta 100\nfocus dbeVrMora\nprint messages cdsCliente.VRPEMULBCLI\n");
    EXPECT_EQ(printedAll(r, "message"), Lines{"error: Percentual multa deve ser menor que 100%."});
    EXPECT_EQ(printed(r, "cdsCliente.VRPEMULBCLI"), "100");

    r = run("focus dbeCdTpAjust\nset dbeCdTpAjust 3\nfocus dbeVrMulta\nprint calls messages "
            "cdsCliente.CDAJUCTREC\n"
            "focus dbeCdTpAjust\nset dbeCdTpAjust 9\nfocus dbeVrMulta\nprint calls messages\n");
    EXPECT_EQ(printedAll(r, "call"), (Lines{"Vqm41200.rdmClientes.GetTpAjusteRec([\"0003\",\"N\"])",
                                            "Vqm41200.rdmClientes.GetTpAjusteRec([\"0009\",\"N\"])"}));
    EXPECT_EQ(printed(r, "cdsCliente.CDAJUCTREC"), "0003");
    EXPECT_EQ(printedAll(r, "message"), Lines{"error: Tipo de ajuste de conta a receber não cadastrado."});

    r = run("focus dbeCdTpAjust\nset dbeCdTpAjust 1\nfocus dbeCdContRece\nset dbeCdContRece 2\nfocus "
            "dbeCdTpBaixa\n"
            "set dbeCdTpBaixa 77\nfocus dbeVrMulta\nprint calls messages cdsCliente.CDTPCTRECEB "
            "cdsCliente.DSTPCTRECEB\nselect dbcMesReaj Março\nprint cdsCliente.NRMESREAJCLIE\n");
    EXPECT_EQ(printedAll(r, "call"), (Lines{"Vqm41200.rdmClientes.GetTpAjusteRec([\"0001\",\"N\"])",
                                            "Vqm41200.rdmClientes.GetTipContRec([\"000002\",\"\"])",
                                            "Vqm41200.rdmClientes.GetPesqTpBaixa([\"77\",\"\"])"}));
    EXPECT_EQ(printed(r, "cdsCliente.CDTPCTRECEB"), "000002");
    EXPECT_EQ(printed(r, "cdsCliente.DSTPCTRECEB"), "Duplicata de Serviço");
    EXPECT_EQ(printedAll(r, "message"), Lines{"error: Tipo de baixa a receber não cadastrada."});
    EXPECT_EQ(printed(r, "cdsCliente.NRMESREAJCLIE"), "03");
}

TEST_F(PaymentPage, ValidityDaysAndPaymentModality) {
    run("click sbtAlterar\nclick mnuPersonalizao\n");
    DriverResult r = run("focus dbeNrDias\nset dbeNrDias 181\nfocus dbdDtVencimento\nprint messages\n"
                         "focus dbeNrDias\nset dbeNrDias 180\nfocus dbdDtVencimento\nprint messages\n");
    EXPECT_EQ(printedAll(r, "message"), Lines{"error: Número de dias deve ser menor ou igual a 180"});

    r = run("click mnuGeral\nfocus dbeCdModPgto\nset dbeCdModPgto a3\nprint dbeCdModPgto.text\n"
            "focus dbeCdRegiao\nprint messages cdsCliente.CDMODPGTO cdsCliente.DSMODPGTO\n"
            "focus dbeCdModPgto\nset dbeCdModPgto 9\nfocus dbeCdRegiao\nprint messages\n");
    EXPECT_EQ(printed(r, "cdsCliente.CDMODPGTO"), "00003");
    EXPECT_EQ(printed(r, "cdsCliente.DSMODPGTO"), "30/60 dias");
    EXPECT_EQ(printedAll(r, "message"), Lines{"error: Modalidade de pagamento não cadastrada."});
}

TEST_F(PaymentPage, DaysTypedIntoTheGridReachTheCellWhole) {
    const DriverResult r = run("click mnuFormPgto\nclick sbtAlterar\nfocus dbgPrazoPgClie\n"
                               "key dbgPrazoPgClie Insert\ntype dbgPrazoPgClie 45\nkey dbgPrazoPgClie Tab\n"
                               "print cdsPrazoPgtoClie.NRDIASPGTOCL\n");
    EXPECT_EQ(printed(r, "cdsPrazoPgtoClie.NRDIASPGTOCL"), "45");
}

// Saves change the database: a session of their own.
class PaymentSave : public DriverSuite<PaymentSave> {};

TEST_F(PaymentSave, AFixedDayIsSavedAndTheStoredTermsGoOnlyOnceTheCustomerIsSaved) {
    run("settings module=33\ncall IniProc null\nform TfrmFilCliente\nclick sbtConfirma\nform TfrmCliente\n"
        "click mnuFormPgto\nclick sbtAlterar\nprint calls\n");

    // A confirm stopped by a later check, after the kind went from "V" to "F", removes nothing.
    DriverResult r =
        run("select drgFormPgto 1\nclick mnuDadAdic\nfocus dbeVrMulta\nset dbeVrMulta 100,01\n"
            "click sbtConfirmar\nprint calls messages cdsCliente.state\nanswer yes\nclick sbtCancelar\n"
            "click mnuFormPgto\nprint cdsPrazoPgtoClie.recordCount calls messages\n");
    const Lines stopped = printedAll(r, "call");
    EXPECT_EQ(callAt(stopped, "SetDelPrazoPagamento"), -1);
    EXPECT_EQ(callAt(stopped, "Confirmar("), -1);
    EXPECT_EQ(printed(r, "message"), "error: Percentual multa deve ser menor que 100%.");
    EXPECT_EQ(printed(r, "cdsPrazoPgtoClie.recordCount"), "2");

    // Day 15 with 3 instalments: the customer is saved first, then its stored terms are removed.
    r = run("click sbtAlterar\nselect drgFormPgto 1\nfocus speDiaFixo\nset speDiaFixo 15\nfocus speParcela\n"
            "set speParcela 3\nprint calls\nclick sbtConfirmar\nprint calls messages cdsCliente.state "
            "cdsCliente.IDTPFORPGTCL cdsCliente.NRDIAPGFIXCL cdsCliente.NRPARCPGTOCL\n");
    const Lines saved = printedAll(r, "call");
    const auto customer = callAt(saved, "\"dspCliente\"");
    const auto removal = callAt(saved, "SetDelPrazoPagamento([\"F00702210226\"])");
    ASSERT_GE(customer, 0);
    EXPECT_GT(removal, customer);
    EXPECT_TRUE(printedAll(r, "message").empty());
    EXPECT_EQ(printed(r, "cdsCliente.state"), "1");
    EXPECT_EQ(printed(r, "cdsCliente.IDTPFORPGTCL"), "F");
    EXPECT_EQ(printed(r, "cdsCliente.NRDIAPGFIXCL"), "15");
    EXPECT_EQ(printed(r, "cdsCliente.NRPARCPGTOCL"), "3");
    run("close TfrmCliente\nprint calls messages\n");
}

} // namespace
} // namespace vq::host

// The customer identity through erp-host's driver over the real module and server: the registration
// edits, the names, the billing company, the CNAE and the value key filter, with the remote calls made.

#include "host/driver.h"
#include "tests/host/driver_suite.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>

namespace vq::host {
namespace {

using namespace e2e;

// The calls of this concern's methods, in order (the form's other reads are left out).
std::vector<std::string> identityCalls(const DriverResult& r) {
    std::vector<std::string> calls;
    for (const std::string& c : printedAll(r, "call"))
        for (const char* method :
             {".GetValidaCliente(", ".CNAEFiscal(", ".Atualiza_Situacao(", ".Confirmar("})
            if (c.find(method) != std::string::npos)
                calls.push_back(c);
    return calls;
}

class Identity : public e2e::DriverSuite<Identity> {
public: // read by the suite's set-up
    static DriverOptions options() { return e2e::moduleOptions(6); }

protected:
    void SetUp() override {
        const DriverResult r = run(R"(
            settings module=0
            call IniProc null
            form TfrmFilCliente
            click sbtConfirma
            form TfrmCliente
            print calls messages
        )");
        ASSERT_EQ(r.exitCode, 0) << r.error;
    }
    void TearDown() override { run("close TfrmCliente\n"); }
};

TEST_F(Identity, IndividualInsertLooksTheCodeUpTwiceAndNamesTheCompanyAfterTheTradeName) {
    const DriverResult r = run(R"(
        click sbtIncluir
        focus dbeInscricao
        type dbeInscricao 40364478829
        focus dbeNmFantasia
        print calls messages cdsCliente.IDTPIJURINFO cdsCliente.IDTPIJURCLIE cdsCliente.NRINSJURCLIE
        print dbeInscricao.mask dbeNrInsJurClie.enabled dbeNrInsJurClie.color
        set dbeNmFantasia "Maria Souza"
        focus dbeCdAtendi
        type dbeCdAtendi 12x3
        focus dbeNmFantasia
        select rdgTipoCliente Privado
        click mnuEndeClie
        pick 0055
        click btpPaisNorm
        pick SP
        click btpEstadoNorm
        pick 0001
        click btpMuniNorm
        set dbeEndeClie "Rua A, 1"
        set dbeCompEndCli Casa
        set dbeCEPClie 01001000
        click sbtConfirmar
        print messages cdsCliente.state cdsCliente.CDCLIENTE cdsCliente.NRINSJURINFO cdsCliente.NMRAZSOCCLIE
        print cdsCliente.CDIDCLIENTE cdsCliente.CDOPERINCLUSAO cdsCliente.IDGRAVOBSCLIPED
    )");
    const auto calls = identityCalls(r);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0], R"(Vqm41200.rdmClientes.GetValidaCliente(["F40364478829","",""]))");
    EXPECT_EQ(calls[1], R"(Vqm41200.rdmClientes.GetValidaCliente(["","40364478829","F"]))");
    EXPECT_TRUE(printedAll(r, "message").empty());
    EXPECT_EQ(printedLast(r, "cdsCliente.IDTPIJURCLIE"), "F");
    EXPECT_EQ(printedLast(r, "dbeInscricao.mask"), "999.999.999-99;0;_");
    EXPECT_EQ(printedLast(r, "dbeNrInsJurClie.color"), "disabled");
    EXPECT_EQ(printedLast(r, "cdsCliente.state"), "1");
    EXPECT_EQ(printedLast(r, "cdsCliente.CDCLIENTE"), "F40364478829");
    // The service code typed after the registration does not touch it.
    EXPECT_EQ(printedLast(r, "cdsCliente.NRINSJURINFO"), "40364478829");
    EXPECT_EQ(printedLast(r, "cdsCliente.CDIDCLIENTE"), "123");
    EXPECT_EQ(printedLast(r, "cdsCliente.NMRAZSOCCLIE"), "Maria Souza");
    EXPECT_EQ(printedLast(r, "cdsCliente.IDGRAVOBSCLIPED"), "S");
}

TEST_F(Identity, AlphanumericCnpjKeepsItsLettersAndAnInvalidOneIsRefusedBeforeAnyLookup) {
    const DriverResult r = run(R"(
        click sbtIncluir
        focus dbeInscricao
        type dbeInscricao 12abc34501de99
        focus dbeNmFantasia
        print calls messages cdsCliente.state dbeInscricao.focused
        set dbeInscricao 12abc34501de35
        focus dbeNmFantasia
        print calls cdsCliente.IDTPIJURINFO cdsCliente.NRINSJURINFO cdsCliente.NRINSJURCLIE
        set dbeNmFantasia "Loja Alfa"
        set dbeNmRazaoSoc "Loja Alfa Ltda"
        select rdgTipoCliente Privado
        click mnuEndeClie
        pick 0055
        click btpPaisNorm
        pick SP
        click btpEstadoNorm
        pick 0001
        click btpMuniNorm
        set dbeEndeClie "Rua B, 2"
        set dbeCompEndCli Loja
        set dbeCEPClie 01001000
        click sbtConfirmar
        print messages cdsCliente.state cdsCliente.CDCLIENTE cdsCliente.NRINSJURCLIE
    )");
    EXPECT_EQ(printedAll(r, "message"), std::vector<std::string>{"error: CNPJ inválido."});
    EXPECT_EQ(printedAll(r, "cdsCliente.state").front(), "3");
    EXPECT_EQ(printedLast(r, "dbeInscricao.focused"), "true");
    const auto calls = identityCalls(r);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0], R"(Vqm41200.rdmClientes.GetValidaCliente(["J12ABC34501DE35","",""]))");
    EXPECT_EQ(printedLast(r, "cdsCliente.IDTPIJURINFO"), "J");
    // Saved and read again with its letters.
    EXPECT_EQ(printedAll(r, "message").size(), 1u);
    EXPECT_EQ(printedLast(r, "cdsCliente.state"), "1");
    EXPECT_EQ(printedLast(r, "cdsCliente.CDCLIENTE"), "J12ABC34501DE35");
    EXPECT_EQ(printedLast(r, "cdsCliente.NRINSJURCLIE"), "12ABC34501DE35");
}

TEST_F(Identity, TabLeavesTheNumberThroughItsCheckAsTheFocusCommandDoes) {
    const DriverResult r = run(R"(
        click sbtIncluir
        focus dbeInscricao
        type dbeInscricao 12abc34501de99
        key dbeInscricao Tab
        print messages dbeInscricao.focused
        set dbeInscricao 12abc34501de35
        key dbeInscricao Tab
        print messages dbeInscricao.focused cdsCliente.IDTPIJURINFO
        answer yes
        click sbtCancelar
    )");
    EXPECT_EQ(printedAll(r, "message"), std::vector<std::string>{"error: CNPJ inválido."});
    EXPECT_EQ(printedAll(r, "dbeInscricao.focused"), (std::vector<std::string>{"true", "false"}));
    EXPECT_EQ(printed(r, "cdsCliente.IDTPIJURINFO"), "J");
}

TEST_F(Identity, ClickingABoxLeavesTheNumberThroughItsCheckFirst) {
    const DriverResult r = run(R"(
        click sbtIncluir
        focus dbeInscricao
        type dbeInscricao 12abc34501de99
        click chbIdSitFinCli
        print messages chbIdSitFinCli.checked dbeInscricao.focused
        answer yes
        click sbtCancelar
    )");
    EXPECT_EQ(printedAll(r, "message"), std::vector<std::string>{"error: CNPJ inválido."});
    EXPECT_EQ(printed(r, "chbIdSitFinCli.checked"), "false")
        << "the refused exit keeps the click from landing";
    EXPECT_EQ(printed(r, "dbeInscricao.focused"), "true");
}

TEST_F(Identity, BirthDateAndExternalCodeAtConfirm) {
    const DriverResult first = run(R"(
        click sbtAlterar
        focus dbeCodExterno
        set dbeCodExterno ext-1
        click sbtConfirmar
        print messages
    )");
    EXPECT_TRUE(printedAll(first, "message").empty());
    const DriverResult r = run(R"(
        settings date=2026-12-07
        click Ultimo1
        click sbtAlterar
        focus depClieDesde
        set depClieDesde 01/01/2019
        focus depDtNascFund
        set depDtNascFund 01/01/2020
        click sbtConfirmar
        print messages depDtNascFund.focused
        focus depClieDesde
        set depClieDesde 01/01/2027
        focus depDtNascFund
        set depDtNascFund 08/12/2026
        click sbtConfirmar
        print messages
        set depDtNascFund 07/12/2026
        focus dbeCodExterno
        set dbeCodExterno ext-1
        click sbtConfirmar
        click sbtConfirmar
        print messages cdsCliente.state calls
        set dbeCodExterno ext-2
        click sbtConfirmar
        print messages cdsCliente.state cdsCliente.CDEXCLIENTE
    )");
    const auto messages = printedAll(r, "message");
    ASSERT_EQ(messages.size(), 4u);
    EXPECT_EQ(messages[0], "error: Dt.Nascimento/fundação deve ser menor que a data cliente desde.");
    EXPECT_EQ(messages[1], "error: Dt.Nascimento/fundação deve ser menor do que a data atual.");
    EXPECT_EQ(messages[2], "error: Código Externo já Cadastrado para outro Cliente.");
    EXPECT_EQ(messages[3], "error: Código Externo já Cadastrado para outro Cliente.");
    EXPECT_EQ(printedLast(r, "depDtNascFund.focused"), "true");
    EXPECT_EQ(printedAll(r, "cdsCliente.state").front(), "2");
    EXPECT_EQ(printedLast(r, "cdsCliente.state"), "1");
    EXPECT_EQ(printedLast(r, "cdsCliente.CDEXCLIENTE"), "EXT-2");
}

TEST_F(Identity, DuplicateCodeAndDuplicateFreeRegistration) {
    const DriverResult first = run("print cdsCliente.NRINSJURINFO cdsCliente.NRINSJURCLIE\n");
    const std::string taken = printedLast(first, "cdsCliente.NRINSJURINFO");
    DriverResult r = run("click sbtIncluir\nfocus dbeInscricao\ntype dbeInscricao " + taken +
                         "\nfocus dbeNmFantasia\nprint messages cdsCliente.state\n");
    EXPECT_EQ(printedAll(r, "message"), std::vector<std::string>{"error: Cliente já cadastrado."});
    EXPECT_EQ(printedLast(r, "cdsCliente.state"), "3");
    // A free code ("O"): the issuing registration of another customer asks, and No keeps the focus.
    r = run("set dbeInscricao 123\nfocus dbeNrInsJurClie\nprint messages cdsCliente.IDTPIJURINFO\n"
            "type dbeNrInsJurClie " +
            printedLast(first, "cdsCliente.NRINSJURCLIE") +
            "\nanswer no\nfocus dbeNmFantasia\nprint messages dbeNrInsJurClie.focused\n"
            "settings module=16\nfocus dbeNmFantasia\nprint messages\nsettings module=0\nanswer yes\nclick "
            "sbtCancelar\n");
    EXPECT_EQ(printedAll(r, "cdsCliente.IDTPIJURINFO").front(), "O");
    const auto messages = printedAll(r, "message");
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0], "confirm: Inscrição já cadastrada. Confirma operação?");
    EXPECT_EQ(messages[1], "error: Inscrição já cadastrada.");
    EXPECT_EQ(printedLast(r, "dbeNrInsJurClie.focused"), "true");
}

TEST_F(Identity, BillingCompanyRegistrationsCnaeAndValueKeys) {
    const DriverResult r = run(R"(
        click sbtAlterar
        select pgcPadrao tshDadosPed
        focus dbeCDEmpresa
        set dbeCDEmpresa 2
        focus dbeInscEsta
        print messages cdsCliente.CDEMPRESA cdsCliente.NMEMPRESA cdsCliente.CDINSCESTA cdsCliente.CDINSCMUNI dbeInscEsta.text
        set dbeInscEsta sp01
        focus dbeInscMuni
        print messages dbeInscEsta.focused
        set dbeInscEsta sc01
        focus dbeInscMuni
        select pgcPadrao tshFormulario
        print calls
        focus dbeCdCNAEFiscal
        set dbeCdCNAEFiscal ""
        focus dbeNmFantasia
        print calls
        focus dbeCdCNAEFiscal
        set dbeCdCNAEFiscal 9999999
        focus dbeNmFantasia
        print messages calls
        set dbeCdCNAEFiscal 0111301
        focus dbeNmFantasia
        print dbeDsCNAEFiscal.text
        select pgcPadrao tshDadosAdic
        focus dbeVrMulta
        set dbeVrMulta 1e2+3,4,5
        print dbeVrMulta.text
        answer yes
        answer yes
        click sbtCancelar
    )");
    EXPECT_EQ(printedLast(r, "cdsCliente.CDEMPRESA"), "02");
    EXPECT_EQ(printedLast(r, "cdsCliente.NMEMPRESA"), "Indústria Exemplo S.A.");
    EXPECT_EQ(printedLast(r, "cdsCliente.CDINSCESTA"), "*");
    EXPECT_EQ(printedLast(r, "cdsCliente.CDINSCMUNI"), "*");
    EXPECT_EQ(printedLast(r, "dbeInscEsta.text"), " ");
    const auto messages = printedAll(r, "message");
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0], "error: Inscrição Estadual não cadastrada.");
    EXPECT_EQ(messages[1], "error: CNAE fiscal não cadastrado.");
    EXPECT_EQ(printedLast(r, "dbeInscEsta.focused"), "true");
    // Leaving an empty CNAE calls nothing; an unknown one is asked for once.
    const auto calls = identityCalls(r);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0], R"(Vqm41200.rdmClientes.CNAEFiscal(["9999999"]))");
    EXPECT_EQ(printedLast(r, "dbeDsCNAEFiscal.text"), "CULTIVO DE ARROZ");
    EXPECT_EQ(printedLast(r, "dbeVrMulta.text"), "123,45");
}

TEST_F(Identity, InactivationIsAnnouncedBeforeTheSave) {
    const DriverResult r = run(R"(
        print calls
        click sbtAlterar
        select dbcSituAtiv Inativo
        click sbtConfirmar
        print messages calls cdsCliente.state cdsCliente.IDCLIEATIV cdsCliente.CDCLIENTE
    )");
    EXPECT_TRUE(printedAll(r, "message").empty());
    const auto calls = identityCalls(r);
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.front(), R"(Vqm41200.rdmClientes.Atualiza_Situacao(["D",")" +
                                 printedLast(r, "cdsCliente.CDCLIENTE") + R"("]))");
    EXPECT_EQ(printedLast(r, "cdsCliente.IDCLIEATIV"), "N");
}

} // namespace
} // namespace vq::host

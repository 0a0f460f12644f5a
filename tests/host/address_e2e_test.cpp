// The customer form's addresses through the driver over the real module and server: the geography chain
// (lookups, cascade, postal mask, failures), the copy of the normal address, the deletion of a secondary
// address with the calls it makes, the telephone key filters and the page lock.

#include "host/driver.h"
#include "tests/host/e2e_support.h"

#include <gtest/gtest.h>
#include <memory>

namespace vq::host {
namespace {

using namespace e2e;

class AddressE2E : public ::testing::Test {
protected:
    void SetUp() override {
        DriverOptions o;
        o.moduleDir = VQ_HOST_MODULE_DIR;
        o.seedCustomers = 12;
        driver_ = std::make_unique<Driver>(std::move(o));
        ok(run("call IniProc null\nform TfrmFilCliente\nclick sbtConfirma\nform TfrmCliente\n"));
    }
    void TearDown() override {
        run("close TfrmCliente\n");
        driver_.reset();
    }
    DriverResult run(std::string_view script) { return driver_->run(script); }
    static void ok(const DriverResult& r) {
        ASSERT_EQ(r.exitCode, 0) << "line " << r.line << ": " << r.error;
    }

    std::unique_ptr<Driver> driver_;
};

TEST_F(AddressE2E, NormalAddressLooksUpItsChainAndKeepsItOnAnotherCountry) {
    ok(run("click sbtAlterar\nselect pgcPadrao tshEndeClie\n"
           "focus dbePaisNorm\nset dbePaisNorm 32\nfocus dbeEndeClie\n"
           "print cdsEndeClieNorm.CDPAIS cdsEndeClieNorm.NMPAIS cdsEndeClieNorm.SGESTADO dbeCEPClie.mask\n"));
    DriverResult r = run("print cdsEndeClieNorm.CDMUNICIPIO\n");
    const std::string municipality = printed(r, "cdsEndeClieNorm.CDMUNICIPIO");
    EXPECT_FALSE(municipality.empty());

    r = run(
        "focus dbePaisNorm\nset dbePaisNorm 55\nfocus dbeEndeClie\n"
        "print cdsEndeClieNorm.CDPAIS cdsEndeClieNorm.NMPAIS cdsEndeClieNorm.CDMUNICIPIO dbeCEPClie.mask\n");
    ok(r);
    EXPECT_EQ(printed(r, "cdsEndeClieNorm.CDPAIS"), "0055");
    EXPECT_EQ(printed(r, "cdsEndeClieNorm.NMPAIS"), "Brasil");
    EXPECT_EQ(printed(r, "cdsEndeClieNorm.CDMUNICIPIO"), municipality); // another country keeps them
    EXPECT_EQ(printed(r, "dbeCEPClie.mask"), "99.999-999;0;_");

    // Unknown codes keep what was typed, stay in the edit and say so.
    ok(run(R"(
        focus dbePaisNorm
        set dbePaisNorm 99
        focus dbeEndeClie
        expect error "País não cadastrado."
        print dbePaisNorm.focused
        set dbePaisNorm 55
        focus dbeEstado
        set dbeEstado zz
        focus dbeCdMuniClie
        expect error "Estado não cadastrado."
        set dbeEstado sp
        focus dbeCdMuniClie
        set dbeCdMuniClie 9999
        focus dbeEndeClie
        expect error "Município não cadastrado."
        set dbeCdMuniClie 1
        focus dbeEndeClie
    )"));
    r = run("print cdsEndeClieNorm.SGESTADO cdsEndeClieNorm.CDMUNICIPIO cdsEndeClieNorm.NMMUNICIPIO\n");
    EXPECT_EQ(printed(r, "cdsEndeClieNorm.SGESTADO"), "SP");
    EXPECT_EQ(printed(r, "cdsEndeClieNorm.CDMUNICIPIO"), "0001");
    EXPECT_EQ(printed(r, "cdsEndeClieNorm.NMMUNICIPIO"), "Adamantina");

    // A cleared country clears state, municipality, the names and the district.
    r = run("focus dbePaisNorm\nset dbePaisNorm \"\"\nfocus dbeEndeClie\n"
            "print cdsEndeClieNorm.NMPAIS cdsEndeClieNorm.SGESTADO cdsEndeClieNorm.CDMUNICIPIO "
            "cdsEndeClieNorm.NMMUNICIPIO cdsEndeClieNorm.NMBAIRCLIE dbeCEPClie.mask\n");
    ok(r);
    for (const char* f : {"NMPAIS", "SGESTADO", "CDMUNICIPIO", "NMMUNICIPIO", "NMBAIRCLIE"})
        EXPECT_EQ(printed(r, std::string("cdsEndeClieNorm.") + f), "") << f;
    EXPECT_EQ(printed(r, "dbeCEPClie.mask"), "");

    // Searches: a state needs a country; the choices are written with their names.
    ok(run(R"(
        click btpEstadoNorm
        expect info "Não há estado cadastrado para o país informado."
        pick 0055
        click btpPaisNorm
        pick SP
        click btpEstadoNorm
        pick 0001
        click btpMuniNorm
    )"));
    r = run("print cdsEndeClieNorm.CDPAIS cdsEndeClieNorm.NMPAIS cdsEndeClieNorm.SGESTADO "
            "cdsEndeClieNorm.NMMUNICIPIO "
            "btpPaisNorm.enabled\n");
    EXPECT_EQ(printed(r, "cdsEndeClieNorm.NMPAIS"), "Brasil");
    EXPECT_EQ(printed(r, "cdsEndeClieNorm.SGESTADO"), "SP");
    EXPECT_EQ(printed(r, "cdsEndeClieNorm.NMMUNICIPIO"), "Adamantina");
}

TEST_F(AddressE2E, ANewCustomerWithoutAddressStopsOnItsCountry) {
    ok(run("click sbtIncluir\nset dbeInscricao 11144477735\nset dbeNmRazaoSoc \"Cliente Novo\"\n"
           "set dbeNmFantasia \"Cliente Novo\"\nprint calls\n"));
    const DriverResult r = run(R"(
        click sbtConfirmar
        expect error "País deve ser informado."
        print pgcPadrao.activePage dbePaisNorm.focused cdsCliente.state calls
        answer yes
        click sbtCancelar
    )");
    ok(r);
    EXPECT_EQ(printed(r, "pgcPadrao.activePage"), "tshEndeClie");
    EXPECT_EQ(printed(r, "dbePaisNorm.focused"), "true");
    EXPECT_EQ(printed(r, "cdsCliente.state"), "3");
    // The code's own checks look it up again; nothing is sent.
    for (const std::string& call : linesStarting(r, "call="))
        EXPECT_EQ(call.find(".Confirmar("), std::string::npos) << call;
}

TEST_F(AddressE2E, BillingAddressClearsItsChainOnAnyNewCountryAndCopiesTheNormalOne) {
    ok(run(R"(
        click sbtAlterar
        select pgcPadrao tshEndeClieCobr
        pick 0055
        click btpPaisCobr
        pick SP
        click btpEstadoCobr
        pick 0001
        click btpMuniCobr
        focus dbePaisPgto
        set dbePaisPgto 32
        focus dbeEndeClieCobr
    )"));
    DriverResult r = run("print cdsEndeClieCobr.CDPAIS cdsEndeClieCobr.NMPAIS cdsEndeClieCobr.SGESTADO "
                         "cdsEndeClieCobr.CDMUNICIPIO cdsEndeClieCobr.NMMUNICIPIO dbeCdCEPClie.mask\n");
    EXPECT_EQ(printed(r, "cdsEndeClieCobr.CDPAIS"), "0032");
    EXPECT_EQ(printed(r, "cdsEndeClieCobr.NMPAIS"), "Argentina");
    EXPECT_EQ(printed(r, "cdsEndeClieCobr.SGESTADO"), "");
    EXPECT_EQ(printed(r, "cdsEndeClieCobr.CDMUNICIPIO"), "");
    EXPECT_EQ(printed(r, "dbeCdCEPClie.mask"), "");

    // Copy: the billing address receives the normal one field by field (postal code without literals).
    constexpr const char* kFields[] = {"DSENDECLIE",   "DSCOMPENDCLI", "CDPAIS",      "NMPAIS",
                                       "SGESTADO",     "CDMUNICIPIO",  "NMMUNICIPIO", "NRCEPCLIE",
                                       "NRTELECLIE",   "NMCONTCLIE",   "DSEMAILCLIE", "NRCELULARCLI",
                                       "DSPTOREFECLI", "NMBAIRCLIE"};
    std::string print = "print";
    for (const char* f : kFields)
        print += std::string(" cdsEndeClieNorm.") + f + " cdsEndeClieCobr." + f;
    ok(run("print calls\n"));
    r = run("click sbtCopiar\n" + print + " calls\n");
    ok(r);
    for (const char* f : kFields)
        EXPECT_EQ(printed(r, std::string("cdsEndeClieCobr.") + f),
                  printed(r, std::string("cdsEndeClieNorm.") + f))
            << f;
    EXPECT_EQ(printed(r, "cdsEndeClieCobr.NRCEPCLIE").find('-'), std::string::npos);
    EXPECT_TRUE(linesStarting(r, "call=").empty()); // copying sends nothing

    // Key filters: telephone keeps digits, blanks, parentheses and dashes; extension only digits.
    r = run("focus dbeNrTelClieCobr\nset dbeNrTelClieCobr \"(11) 9a9x-1.2\"\nfocus dbeNrRamalCobr\n"
            "set dbeNrRamalCobr \"1a2-3\"\nprint dbeNrTelClieCobr.text dbeNrRamalCobr.text\n");
    ok(r);
    EXPECT_EQ(printed(r, "dbeNrTelClieCobr.text"), "(11) 99-12");
    EXPECT_EQ(printed(r, "dbeNrRamalCobr.text"), "123");
}

TEST_F(AddressE2E, DeletingABillingAddressAsksThenCallsTheServerAndSaysWhenThereIsNone) {
    // A customer with a billing address.
    DriverResult r = run("select pgcPadrao tshEndeClieCobr\nprint cdsEndeClieCobr.recordCount\n");
    ok(r);
    for (int i = 0; i < 12 && printed(r, "cdsEndeClieCobr.recordCount") == "0"; ++i)
        r = run("click Proximo1\nprint cdsEndeClieCobr.recordCount\n");
    ASSERT_EQ(printed(r, "cdsEndeClieCobr.recordCount"), "1");
    r = run("print cdsCliente.CDCLIENTE mnuExcluirEndereco.enabled mnuExcluirEndereco.caption "
            "sbtExcluirEndereco.enabled calls\n");
    const std::string code = printed(r, "cdsCliente.CDCLIENTE");
    EXPECT_EQ(printed(r, "mnuExcluirEndereco.enabled"), "true");
    EXPECT_EQ(printed(r, "mnuExcluirEndereco.caption"), "Excluir End. Cobrança");

    r = run(R"(
        answer no
        click sbtExcluirEndereco
        expect confirm "Confirma exclusão do end. cobrança?"
        print calls cdsEndeClieCobr.recordCount
    )");
    ok(r);
    EXPECT_TRUE(linesStarting(r, "call=").empty());

    r = run("answer yes\nclick sbtExcluirEndereco\nprint calls\n");
    ok(r);
    const auto calls = linesStarting(r, "call=");
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.front(), "call=Vqm41200.rdmClientes.ExcluirEndereco([\"" + code + "\",\"C\"])");

    // The customer read again: a second try finds nothing to delete and calls nothing.
    ok(run("close TfrmCliente\ncall IniProc null\nform TfrmFilCliente\nclick sbtConfirma\nform TfrmCliente\n"
           "select pgcPadrao tshEndeClieCobr\n"));
    r = run("print cdsCliente.CDCLIENTE\n");
    for (int i = 0; i < 12 && printed(r, "cdsCliente.CDCLIENTE") != code; ++i)
        r = run("click Proximo1\nprint cdsCliente.CDCLIENTE\n");
    ASSERT_EQ(printed(r, "cdsCliente.CDCLIENTE"), code);
    ok(run("print calls\n"));
    r = run(R"(
        click mnuExcluirEndereco
        expect error "Não existe end. cobrança cadastrado para este cliente."
        print calls
    )");
    ok(r);
    EXPECT_TRUE(linesStarting(r, "call=").empty()) << linesStarting(r, "call=").front();

    // Elsewhere the command is off and worded generally.
    r = run("select pgcPadrao tshEndeClie\nprint mnuExcluirEndereco.enabled mnuExcluirEndereco.caption\n");
    EXPECT_EQ(printed(r, "mnuExcluirEndereco.enabled"), "false");
    EXPECT_EQ(printed(r, "mnuExcluirEndereco.caption"), "Excluir Endereço");

    // The delivery locations are another module's routine, absent from this installation.
    ok(run("click sbtLocEntrCli\nexpect error \"Módulo VQM87100 não está disponível nesta instalação.\"\n"
           "print sbtLocEntrCli.caption\n"));
}

} // namespace
} // namespace vq::host

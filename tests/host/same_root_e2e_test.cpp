// The notice of companies registered under a new company's CNPJ root, through erp-host's driver over the
// real module and server: when GetMesmaRaiz is called (after the registration checks, for a company
// only), what lblMesmaRaiz shows, and that it neither asks nor refuses anything.

#include "host/driver.h"
#include "platform/db/connection.h"
#include "tests/host/driver_suite.h"

#include <QDir>
#include <cstdio>
#include <gtest/gtest.h>
#include <memory>
#include <unistd.h>

namespace vq::host {
namespace {

using namespace e2e;

// The registration calls of a new customer and the notice's, in order.
std::vector<std::string> registrationCalls(const DriverResult& r) {
    std::vector<std::string> calls;
    for (const std::string& c : printedAll(r, "call"))
        if (c.find(".GetValidaCliente(") != std::string::npos ||
            c.find(".GetMesmaRaiz(") != std::string::npos)
            calls.push_back(c);
    return calls;
}

class SameRootE2E : public DriverSuite<SameRootE2E> {
public: // read by the suite's set-up
    static constexpr const char* kDatabaseFile = "vq_same_root";
    static DriverOptions options() { return moduleOptions(4); }

protected:
    static void SetUpTestSuite() {
        DriverSuite::SetUpTestSuite();
        const DriverResult r =
            driver_->run("settings module=0\nprint calls\n" + std::string(kOpen) + "close TfrmCliente\n");
        ASSERT_EQ(r.exitCode, 0) << describe(r);
        town_ = db().query("SELECT NMMUNICIPIO FROM MUNICIPIO WHERE CDPAIS = '0055' AND SGESTADO = 'SP' AND "
                           "CDMUNICIPIO = '0001'")
                    .value(0, "NMMUNICIPIO")
                    .toString();
        // Two branches of a numeric root, a person whose CPF starts alike, two of an alphanumeric root.
        for (const auto& [code, name] : {std::pair{"J11222333000181", "Matriz Numérica Ltda"},
                                         {"J11222333000262", "Filial Numérica Ltda"},
                                         {"F11222333444", "Pessoa Com Raiz Igual"},
                                         {"J12ABC34501DE35", "Matriz Alfa Ltda"},
                                         {"J12ABC34502AB30", "Filial Alfa Ltda"}})
            db().execute(
                "INSERT INTO CLIENTE (CDCLIENTE, IDTPIJURINFO, NRINSJURINFO, IDTPIJURCLIE, NRINSJURCLIE, "
                "NMRAZSOCCLIE, IDCLIEATIV) VALUES (:C, :K, :N, :K, :N, :R, 'S')",
                {{"C", code}, {"K", std::string(code, 1)}, {"N", std::string(code).substr(1)}, {"R", name}});
        db().execute("INSERT INTO ENDECLIE (CDCLIENTE, IDTPENDECLIE, CDPAIS, SGESTADO, CDMUNICIPIO) VALUES "
                     "('J11222333000181', 'P', '0055', 'SP', '0001')");
    }
    void SetUp() override { run(std::string(kOpen) + "print calls messages\n"); }
    void TearDown() override { run("close TfrmCliente\n"); }
    // A new customer with `number` typed in its code edit, then the focus moved on.
    DriverResult typeNumber(const std::string& number) {
        return run("click sbtIncluir\nfocus dbeInscricao\ntype dbeInscricao " + number +
                   "\nfocus dbeNmFantasia\nprint calls messages lblMesmaRaiz.visible lblMesmaRaiz.caption\n");
    }

    static inline std::string town_;
};

TEST_F(SameRootE2E, NumericCnpjNamesTheBranchesAndTheSaveGoesOn) {
    DriverResult r = typeNumber("11222333000343");
    EXPECT_EQ(registrationCalls(r),
              (std::vector<std::string>{R"(Vqm41200.rdmClientes.GetValidaCliente(["J11222333000343","",""]))",
                                        R"(Vqm41200.rdmClientes.GetValidaCliente(["","11222333000343","J"]))",
                                        R"(Vqm41200.rdmClientes.GetMesmaRaiz(["11222333000343"]))"}));
    EXPECT_TRUE(printedAll(r, "message").empty());
    EXPECT_EQ(printedLast(r, "lblMesmaRaiz.visible"), "true");
    EXPECT_EQ(printedLast(r, "lblMesmaRaiz.caption"),
              "Empresa com a mesma raiz de CNPJ já cadastrada: J11222333000181 - Matriz Numérica Ltda (" +
                  town_ + "); J11222333000262 - Filial Numérica Ltda.");
    r = run(R"(
        set dbeNmFantasia "Filial Três"
        set dbeNmRazaoSoc "Filial Três Ltda"
        select rdgTipoCliente Privado
        click mnuEndeClie
        pick 0055
        click btpPaisNorm
        pick SP
        click btpEstadoNorm
        pick 0001
        click btpMuniNorm
        set dbeEndeClie "Rua C, 3"
        set dbeCompEndCli Sala
        set dbeCEPClie 01001000
        click sbtConfirmar
        print messages cdsCliente.state cdsCliente.CDCLIENTE lblMesmaRaiz.visible
    )");
    EXPECT_TRUE(printedAll(r, "message").empty());
    EXPECT_EQ(printedLast(r, "cdsCliente.state"), "1");
    EXPECT_EQ(printedLast(r, "cdsCliente.CDCLIENTE"), "J11222333000343");
    EXPECT_EQ(printedLast(r, "lblMesmaRaiz.visible"), "false");
}

TEST_F(SameRootE2E, AlphanumericCnpjNamesItsRootsCompanies) {
    const DriverResult r = typeNumber("12abc34503cd08");
    const auto calls = registrationCalls(r);
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[2], R"(Vqm41200.rdmClientes.GetMesmaRaiz(["12ABC34503CD08"]))");
    EXPECT_TRUE(printedAll(r, "message").empty());
    EXPECT_EQ(printedLast(r, "lblMesmaRaiz.visible"), "true");
    EXPECT_EQ(printedLast(r, "lblMesmaRaiz.caption"), "Empresa com a mesma raiz de CNPJ já cadastrada: "
                                                      "J12ABC34501DE35 - Matriz Alfa Ltda; J12ABC34502AB30 - "
                                                      "Filial Alfa Ltda.");
    run("answer yes\nclick sbtCancelar\n");
}

// A number the other tests do not save, so this one never meets "Cliente já cadastrado.".
TEST_F(SameRootE2E, CpfAsksNothingAndClearsANoticeShownBefore) {
    DriverResult r = typeNumber("11222333000424");
    EXPECT_EQ(printedLast(r, "lblMesmaRaiz.visible"), "true");
    r = run("focus dbeInscricao\nset dbeInscricao 40364478829\nfocus dbeNmFantasia\n"
            "print calls messages lblMesmaRaiz.visible lblMesmaRaiz.caption\n");
    EXPECT_EQ(registrationCalls(r),
              (std::vector<std::string>{R"(Vqm41200.rdmClientes.GetValidaCliente(["F40364478829","",""]))",
                                        R"(Vqm41200.rdmClientes.GetValidaCliente(["","40364478829","F"]))"}));
    EXPECT_EQ(printedLast(r, "lblMesmaRaiz.visible"), "false");
    EXPECT_EQ(printedLast(r, "lblMesmaRaiz.caption"), "");
    EXPECT_TRUE(printedAll(r, "message").empty());
    run("answer yes\nclick sbtCancelar\n");
}

} // namespace
} // namespace vq::host

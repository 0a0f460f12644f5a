// The commercial classification lookups through the driver, over the embedded server and its seeded
// database: typed codes and their stored forms, unknown codes, list choices and the names shown.

#include "tests/host/driver_suite.h"

#include <gtest/gtest.h>
#include <memory>

namespace vq::host {
namespace {

using e2e::printedAll;
// Scripts here print a value again after each change: the last one counts.
const auto printed = e2e::printedLast;

using Lines = std::vector<std::string>;

class ClassificationLookups : public e2e::DriverSuite<ClassificationLookups> {
protected:
    // Each test edits the first customer and leaves the form closed, its edits discarded.
    void SetUp() override {
        run("settings module=16 date=2026-12-07\ncall IniProc null\nform TfrmFilCliente\n"
            "click sbtConfirma\nform TfrmCliente\nclick sbtAlterar\nprint calls messages\n");
    }
    void TearDown() override { run("answer yes\nclose TfrmCliente\nprint calls messages\n"); }
};

TEST_F(ClassificationLookups, TypedCodesAreStoredInTheirWidthAndUnknownOnesRefused) {
    // The segment is a query of the host's database: no remote call.
    DriverResult r = run("click mnuFormulario\nprint calls\nfocus dbeSegMerc\nset dbeSegMerc 3\n"
                         "focus dbeNmFantasia\nprint calls messages edtSegMerc.text cdsCliente.CDSEGMER\n");
    EXPECT_TRUE(printedAll(r, "call").empty());
    EXPECT_EQ(printed(r, "edtSegMerc.text"), "Varejo");
    EXPECT_EQ(printed(r, "cdsCliente.CDSEGMER"), "00003");

    r = run("click mnuDadAdic\nprint calls\nfocus dbeVendedor\nset dbeVendedor 5\nfocus dbeVrMulta\n"
            "print calls messages cdsCliente.CDVENDEDOR dbeNmVendedor.text\n");
    EXPECT_EQ(printedAll(r, "call").back(), "Vqm41200.rdmClientes.GetVendedor([\"0005\",\"\"])");
    EXPECT_EQ(printed(r, "cdsCliente.CDVENDEDOR"), "0005");
    EXPECT_FALSE(printed(r, "dbeNmVendedor.text").empty());

    r = run("focus dbeVendedor\nset dbeVendedor 99\nfocus dbeVrMulta\nprint messages dbeVendedor.focused\n");
    EXPECT_EQ(printedAll(r, "message"), Lines{"error: Vendedor não cadastrado."});
    EXPECT_EQ(printed(r, "dbeVendedor.focused"), "true");
}

TEST_F(ClassificationLookups, BranchGroupAndRegion) {
    DriverResult r = run(
        "click mnuFormulario\nprint calls\nfocus medCdArvRamo\nset medCdArvRamo 03.01\nfocus dbeNmFantasia\n"
        "print calls messages cdsCliente.CDATIVCLI edtdsRamoAtiv.text\n");
    EXPECT_EQ(printedAll(r, "call").back(), "Vqm41200.rdmClientes.GetRamoAtiv([\"\",\"\",\"3\",\"03.01\"])");
    EXPECT_EQ(printed(r, "cdsCliente.CDATIVCLI"), "0000000012");
    EXPECT_EQ(printed(r, "edtdsRamoAtiv.text"), "Transporte e Logística");

    r = run("click mnuGeral\nprint calls\nfocus dbeCdGrupClie\nset dbeCdGrupClie 2a\nfocus dbeCdModPgto\n"
            "print calls messages dbeCdGrupClie.text cdsCliente.NMGRUPCLIE\n");
    EXPECT_EQ(printedAll(r, "call").back(), "Vqm41200.rdmClientes.GetPesqGrupClie([\"0000000002\",\"N\"])");
    EXPECT_EQ(printed(r, "cdsCliente.NMGRUPCLIE"), "Grandes Contas");

    r = run("focus dbeCdRegiao\nset dbeCdRegiao 9\nfocus dbeCdModPgto\nprint messages\n");
    EXPECT_EQ(printedAll(r, "message"), Lines{"error: Região não cadastrada."});
}

TEST_F(ClassificationLookups, ListChoicesCopyTheCodeAndShowTheName) {
    const DriverResult r =
        run("click mnuGeral\nprint calls\npick 0000000003\nclick btpGrupClie\n"
            "pick 005\nclick btnRegiao\npick 0002\nclick btpTipoTransp\n"
            "print calls messages cdsCliente.CDGRUPCLIE cdsCliente.NMGRUPCLIE "
            "cdsCliente.CDREGIAOPED medNmRegiao.text cdsCliente.CDTIPTRANS edtNmTipoTransp.text\n");
    EXPECT_EQ(printedAll(r, "call"), (Lines{"Vqm41200.rdmClientes.GetPesqGrupClie([\"\",\"T\"])",
                                            "Vqm41200.rdmClientes.GetTipoTransp([])"}));
    EXPECT_TRUE(printedAll(r, "message").empty());
    EXPECT_EQ(printed(r, "cdsCliente.CDGRUPCLIE"), "0000000003");
    EXPECT_EQ(printed(r, "cdsCliente.NMGRUPCLIE"), "Distribuidores");
    EXPECT_EQ(printed(r, "cdsCliente.CDREGIAOPED"), "005");
    EXPECT_EQ(printed(r, "medNmRegiao.text"), "Sul");
    EXPECT_EQ(printed(r, "cdsCliente.CDTIPTRANS"), "0002");
    EXPECT_EQ(printed(r, "edtNmTipoTransp.text"), "Aéreo");
}

TEST_F(ClassificationLookups, CarrierNumbersAreCheckedNormalisedAndFoundWithTheirType) {
    DriverResult r = run("click mnuGeral\nprint calls\nfocus dbeTipoTransp\nset dbeTipoTransp \"\"\n"
                         "focus dbeTransportadora\nset dbeTransportadora 10.203.040/0001-95\nfocus "
                         "dbeCdModPgto\nprint calls messages\n");
    EXPECT_TRUE(printedAll(r, "call").empty());
    EXPECT_EQ(printedAll(r, "message"), Lines{"error: CNPJ inválido."});

    r = run("focus dbeTransportadora\nset dbeTransportadora 10.203.040/0001-94\nfocus dbeCdModPgto\n"
            "print calls messages cdsCliente.NRINSJURTRAN cdsCliente.IDTPIJURTRAN cdsCliente.CDTIPTRANS "
            "edtNmTransportadora.text edtNmTipoTransp.text\n");
    EXPECT_EQ(printedAll(r, "call").back(),
              "Vqm41200.rdmClientes.GetVd_Transportadora([\"J\",\"10203040000194\"])");
    EXPECT_EQ(printed(r, "cdsCliente.NRINSJURTRAN"), "10203040000194");
    EXPECT_EQ(printed(r, "cdsCliente.CDTIPTRANS"), "0001");
    EXPECT_EQ(printed(r, "edtNmTransportadora.text"), "Transportadora Rápido Sul");
    EXPECT_EQ(printed(r, "edtNmTipoTransp.text"), "Rodoviário");

    // "Lista": the single carrier is hidden and the save clears it.
    r = run("select dbePesqTransp Lista\nprint dbeTransportadora.visible btnPesqListaTransp.visible "
            "cdsCliente.IDPESQTRANSP\nclick mnuFormulario\nfocus depProspDesde\nset depProspDesde "
            "01/02/2020\nclick "
            "sbtConfirmar\nprint messages cdsCliente.NRINSJURTRAN "
            "cdsCliente.IDPESQTRANSP\n");
    EXPECT_EQ(printed(r, "dbeTransportadora.visible"), "false");
    EXPECT_EQ(printed(r, "btnPesqListaTransp.visible"), "true");
    EXPECT_TRUE(printedAll(r, "message").empty()) << printedAll(r, "message").front();
    EXPECT_EQ(printed(r, "cdsCliente.NRINSJURTRAN"), "");
    EXPECT_EQ(printed(r, "cdsCliente.IDPESQTRANSP"), "L");
}

TEST_F(ClassificationLookups, FreightIndexAndAppliedMaterial) {
    DriverResult r = run("click mnuGeral\nselect dbcTipoPgto 1\nprint cdsCliente.IDPGFRETTRANCLI\n"
                         "select dbcTipoPgto 5\nprint cdsCliente.IDPGFRETTRANCLI dbcTipoPgto.text\n");
    EXPECT_EQ(printedAll(r, "cdsCliente.IDPGFRETTRANCLI"), (Lines{"1", "9"}));
    EXPECT_EQ(printed(r, "dbcTipoPgto.text"), "9 - Sem Ocorrência de Transporte");

    r = run("click dckMatAplic\nclick dckMatAplic\nprint cdsCliente.IDMATAPLICCLIE cdsCliente.CDARVMATAPLIC "
            "cdsCliente.CDPRODMATAPLIC dbeProdMatAplic.enabled\n");
    EXPECT_EQ(printed(r, "cdsCliente.CDARVMATAPLIC"), "");
    EXPECT_EQ(printed(r, "dbeProdMatAplic.enabled"), "false");

    r = run("click mnuSituFinaGeral\nfocus dbeSgIndice\nset dbeSgIndice IGPM\nfocus dbeNmIndice\nprint "
            "messages\n");
    EXPECT_EQ(printedAll(r, "message"), Lines{"error: Índice financeiro não cadastrado."});
    r = run("focus dbeSgIndice\nset dbeSgIndice \"\"\nfocus dbeNmIndice\nprint messages cdsCliente.CDINDICE "
            "cdsCliente.SGINDICE "
            "cdsCliente.CDTPINDICE cdsCliente.IDPERVALOR\n");
    EXPECT_EQ(printed(r, "cdsCliente.CDINDICE"), "*");
    EXPECT_EQ(printed(r, "cdsCliente.SGINDICE"), "*");
    EXPECT_EQ(printed(r, "cdsCliente.IDPERVALOR"), "*");
}

TEST_F(ClassificationLookups, TheAbbreviationIsAskedFirstThenItsLengthChecked) {
    run("answer yes\nclick sbtCancelar\nsettings module=64\nprint messages\n");
    DriverResult r = run(
        "click sbtAlterar\nclick mnuFormulario\nfocus dbeSigla\nset dbeSigla ab1\nprint dbeSigla.text calls\n"
        "focus depProspDesde\nset depProspDesde 01/02/2020\nprint calls\nclick sbtConfirmar\nprint calls "
        "messages\n");
    EXPECT_EQ(printed(r, "dbeSigla.text"), "AB");
    const Lines calls = printedAll(r, "call");
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.back().rfind("Vqm41200.rdmClientes.GetVdSigla([\"AB\",", 0), 0u) << calls.back();
    EXPECT_EQ(printedAll(r, "message"), Lines{"error: Sigla deve conter 3 dígitos."});
    run("settings module=16\n");
}

} // namespace
} // namespace vq::host

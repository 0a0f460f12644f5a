// The customer import through the driver, the real module and the embedded server over a SQLite file that
// holds the fixture layouts: layout choice, two files read once each with one GetDescLayout, conversions,
// the calls of the upload in order, a bad row that sends nothing, and a load that fails.

#include "tests/host/import_e2e_fixture.h"

namespace vq::host {
namespace {

TEST_F(ImportE2E, FilesAreReadConvertedCheckedAndSent) {
    // A CPF in the 14-wide column, a value in cents, a salesman code, "É" in UTF-8; a duplicate line.
    write("a.txt", line("F", "52998224725", "JOS\xC3\x89 DA SILVA", "", "00150", "7") + "\r\n" +
                       line("J", "11222333000181", "ACME LTDA", "ACME", "5", "12") + "\r\n");
    write("b.txt", line("J", "11222333000181", "ACME NOVA LTDA", "", "", ""));
    const DriverResult r =
        run(std::string(kOpen) +
            "print edtCdLayout.text edtNmLayout.text cdsCliente.recordCount sbtConfirma.enabled "
            "pgbImport.max pgbImport.position panAnimacao.visible calls\n"
            "print cdsCliente.CDCLIENTE cdsCliente.NMARQLAYIMP\n"
            "click sbtConfirma\n"
            "expect info \"Importação realizada com sucesso.\"\n"
            "print calls\n"
            "close TfrmImportCliente\n");
    const std::string out = joined(r);
    EXPECT_NE(
        out.find(
            "edtCdLayout.text=0000000001\nedtNmLayout.text=Clientes\ncdsCliente.recordCount=3\n"
            "sbtConfirma.enabled=true\npgbImport.max=53\npgbImport.position=53\npanAnimacao.visible=false\n"),
        std::string::npos)
        << out;
    // One GetDescLayout for the whole load.
    EXPECT_NE(out.find("call=Vqm41204.rdmImportCliente.GetArquivo([\"0000000001\"])\n"
                       "call=Vqm41204.rdmImportCliente.GetDescLayout([\"0000000001\"])\n"
                       "cdsCliente.CDCLIENTE="),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("cdsCliente.CDCLIENTE=J11222333000181\ncdsCliente.NMARQLAYIMP=b.txt\n"),
              std::string::npos)
        << out;
    // Inserted, inserted, then the duplicate renamed with its blank trade name; the seeded customers absent.
    const auto first = out.find("Confirmar(");
    const auto second = out.find("Confirmar(", first + 1);
    const auto rename = out.find("SetUpCliente([\"ACME NOVA LTDA\",\"\",\"J11222333000181\"])");
    ASSERT_NE(second, std::string::npos) << out;
    EXPECT_LT(second, rename) << out;
    for (const Row& c : codes_)
        EXPECT_NE(out.find("SetUpSitCliente([\"" + c[0].toString() + "\"])"), std::string::npos) << out;

    db::Connection db("sqlite:" + (dir_ / "erp.db").string());
    const auto row =
        db.query("SELECT NMRAZSOCCLIE, NMFANTCLIE, VRLIMCREDCLI, CDVENDEDOR, IDZERSALDCON FROM CLIENTE "
                 "WHERE CDCLIENTE = 'F52998224725'")
            .rows();
    ASSERT_EQ(row.size(), 1U);
    // Names lose the blanks that pad their columns; the trade name falls back to the company name.
    EXPECT_EQ(row[0][0].toString(), "JOS\xC3\x89 DA SILVA");
    EXPECT_EQ(row[0][1].toString(), "JOS\xC3\x89 DA SILVA");
    EXPECT_EQ(row[0][2].toDouble(), 1.5);
    EXPECT_EQ(row[0][3].toString(), "0007");
    EXPECT_EQ(row[0][4].toString(), "S");
    // The six flags every new customer gets, whatever the file says.
    const auto flags = db.query("SELECT IDVERSALDCLI, IDUTSALDCLI, IDUTSUBCLIEN, IDZERSALDCON, IDPRIPUBCLIE, "
                                "IDCALCDVCLIE FROM CLIENTE WHERE CDCLIENTE = 'F52998224725'")
                           .rows();
    std::string fixed;
    for (const Variant& v : flags.at(0))
        fixed += v.toString();
    EXPECT_EQ(fixed, "NNNSV1");
    // "5" with two decimals reads 0,05.
    EXPECT_DOUBLE_EQ(db.query("SELECT VRLIMCREDCLI FROM CLIENTE WHERE CDCLIENTE = 'J11222333000181'")
                         .rows()[0][0]
                         .toDouble(),
                     0.05);
    EXPECT_EQ(db.query("SELECT NMRAZSOCCLIE FROM CLIENTE WHERE CDCLIENTE = 'J11222333000181'")
                  .rows()[0][0]
                  .toString(),
              "ACME NOVA LTDA");
}

TEST_F(ImportE2E, ABadRowSendsNothingAndAFailedLoadLeavesConfirmOff) {
    write("a.txt", line("J", "11222333000181", "ACME LTDA", "", "", "") + "\n" +
                       line("F", "52998224724", "ERRADO", "", "", "") + "\n");
    write("b.txt", "ok\n");
    DriverResult r = run(std::string(kOpen) + "print calls\n"
                                              "click sbtConfirma\n"
                                              "print messages calls\n");
    std::string out = joined(r);
    EXPECT_NE(out.find("message=error: CPF inválido. (arquivo a.txt, linha 2)\n"
                       "message=info: Importação não realizada.\n"),
              std::string::npos)
        << out;
    EXPECT_EQ(out.find("call=", out.rfind("message=")), std::string::npos) << out; // nothing sent

    write("b.txt", line("J", "11222333000181", "NUMERO", "", "12,3x", "") + "\n");
    run("print messages\n");
    r = run(std::string(kOpen) +
            "print messages cdsCliente.recordCount sbtConfirma.enabled panAnimacao.visible\n"
            "close TfrmImportCliente\n");
    out = joined(r);
    EXPECT_NE(
        out.find("message=error: Número inválido. (arquivo b.txt, linha 1, campo VRLIMCREDCLI: \"12,3x\")\n"
                 "cdsCliente.recordCount=2\nsbtConfirma.enabled=false\npanAnimacao.visible=false\n"),
        std::string::npos)
        << out;
}

} // namespace
} // namespace vq::host

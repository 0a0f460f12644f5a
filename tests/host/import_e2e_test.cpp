// The customer import through the driver, the real module and the embedded server over a SQLite file that
// holds the fixture layouts: layout choice, two files read once each with one GetDescLayout, conversions,
// the calls of the upload in order, a bad row that sends nothing, and a load that fails.

#include "host/driver.h"
#include "platform/db/connection.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>

namespace vq::host {
namespace {

namespace fs = std::filesystem;

class ImportE2E : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device rd;
        dir_ = fs::temp_directory_path() / ("vq-import-e2e-" + std::to_string(rd()));
        fs::create_directories(dir_);
        DriverOptions o;
        o.moduleDir = VQ_HOST_MODULE_DIR;
        o.seedCustomers = 2;
        o.defaultDatabaseUrl = "sqlite:" + (dir_ / "erp.db").string();
        driver_ = std::make_unique<Driver>(o);
        ASSERT_EQ(driver_->run("print calls\n").exitCode, 0);
        db::Connection db(o.defaultDatabaseUrl);
        // Layout 1: kind (1), number (14), name (20), trade name (10), limit N 2 decimals (5), salesman (3).
        db.execute("INSERT INTO LAYOUTIMP (CDLAYOUTIMP, NMLAYOUTIMP) VALUES ('0000000001', 'Clientes')");
        db.execute(
            "INSERT INTO ARQLAYOUTIMP (CDLAYOUTIMP, NRSEQARQLAY, NMARQLAYIMP) VALUES "
            "('0000000001', 1, :P_A), ('0000000001', 2, :P_B)",
            {{"P_A", Variant((dir_ / "a.txt").string())}, {"P_B", Variant((dir_ / "b.txt").string())}});
        db.execute(
            "INSERT INTO COLLAYOUTIMP (CDLAYOUTIMP, NRSEQTABELAY, NRSEQCOLULAY, NRPOSICOLLAY, NRTAMCOLLAY, "
            "NRCASASDECIM, IDTDADCOLLAY, NMCOLUNAIMP) VALUES "
            "('0000000001', '1', '1', 1, 1, 0, 'T', 'IDTPIJURCLIE'), "
            "('0000000001', '1', '2', 2, 14, 0, 'T', 'NRINSJURCLIE'), "
            "('0000000001', '1', '3', 16, 20, 0, 'T', 'NMRAZSOCCLIE'), "
            "('0000000001', '1', '4', 36, 10, 0, 'T', 'NMFANTCLIE'), "
            "('0000000001', '1', '5', 46, 5, 2, 'N', 'VRLIMCREDCLI'), "
            "('0000000001', '1', '6', 51, 3, 0, 'T', 'CDVENDEDOR'), "
            "('0000000001', '1', '7', 1, 3, 0, 'T', 'NAOEXISTE')");
        codes_ = db.query("SELECT CDCLIENTE FROM CLIENTE ORDER BY CDCLIENTE").rows();
    }
    void TearDown() override {
        driver_.reset();
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    void write(const char* name, const std::string& bytes) {
        std::ofstream(dir_ / name, std::ios::binary) << bytes;
    }
    static std::string line(const std::string& kind, const std::string& number, const std::string& name,
                            const std::string& trade, const std::string& limit, const std::string& salesman) {
        // Widths count characters, as the reader does.
        auto pad = [](std::string s, std::size_t n) {
            std::size_t chars = 0;
            for (unsigned char c : s)
                chars += (c & 0xC0) != 0x80;
            return s + std::string(n > chars ? n - chars : 0, ' ');
        };
        return pad(kind, 1) + pad(number, 14) + pad(name, 20) + pad(trade, 10) + pad(limit, 5) +
               pad(salesman, 3);
    }
    DriverResult run(const std::string& script) {
        DriverResult r = driver_->run(script);
        EXPECT_EQ(r.exitCode, 0) << "line " << r.line << ": " << r.error;
        return r;
    }
    static std::string joined(const DriverResult& r) {
        std::string out;
        for (const auto& l : r.output)
            out += l + "\n";
        return out;
    }

    fs::path dir_;
    std::unique_ptr<Driver> driver_;
    std::vector<Row> codes_;
};

constexpr const char* kOpen = "call CriaImpCliente\n"
                              "form TfrmImportCliente\n"
                              "set edtCdLayout 1\n"
                              "click btfCarregar\n";

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
    const auto rename = out.find("SetUpCliente([\"ACME NOVA LTDA      \",\"\",\"J11222333000181\"])");
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
    // Text values keep their blanks as read; the trade name falls back to the company name.
    EXPECT_EQ(row[0][0].toString(), "JOS\xC3\x89 DA SILVA       ");
    EXPECT_EQ(row[0][1].toString(), "JOS\xC3\x89 DA SILVA       ");
    EXPECT_EQ(row[0][2].toDouble(), 1.5);
    EXPECT_EQ(row[0][3].toString(), "0007");
    EXPECT_EQ(row[0][4].toString(), "S");
    EXPECT_EQ(db.query("SELECT NMRAZSOCCLIE FROM CLIENTE WHERE CDCLIENTE = 'J11222333000181'")
                  .rows()[0][0]
                  .toString(),
              "ACME NOVA LTDA      ");
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

#pragma once
// The customer import through the driver, the real module and the embedded server over a SQLite file that
// holds the fixture layout "0000000001" (two files, a.txt and b.txt, in a private directory).

#include "host/driver.h"
#include "platform/db/connection.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>

namespace vq::host {

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

public:
    std::string path(const char* name) const { return (dir_ / name).string(); }
    db::Connection database() const { return db::Connection("sqlite:" + (dir_ / "erp.db").string()); }
    // Points the layout's second file somewhere else.
    void secondFileIs(const std::string& path) {
        database().execute("UPDATE ARQLAYOUTIMP SET NMARQLAYIMP = :P_A WHERE NRSEQARQLAY = 2",
                           {{"P_A", Variant(path)}});
    }

protected:
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

inline constexpr const char* kOpen = "call CriaImpCliente\n"
                                     "form TfrmImportCliente\n"
                                     "set edtCdLayout 1\n"
                                     "click btfCarregar\n";

} // namespace vq::host

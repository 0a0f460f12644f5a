// The import's server methods on both databases: layouts, their files and columns in order, the updates of
// registered customers, and the import's Confirmar taking the rows' file name without writing it.

#include "server/core/apply_delta.h"
#include "server/core/import_methods.h"
#include "tests/server/server_fixture.h"

namespace vq::test {
namespace {

class ImportMethodsTest : public ServerDbTest {
protected:
    void SetUp() override {
        ServerDbTest::SetUp();
        if (IsSkipped())
            return;
        exec("INSERT INTO LAYOUTIMP (CDLAYOUTIMP, NMLAYOUTIMP) VALUES ('0000000002', 'Segundo'), "
             "('0000000001', 'Primeiro')");
        exec("INSERT INTO ARQLAYOUTIMP (CDLAYOUTIMP, NRSEQARQLAY, NMARQLAYIMP) VALUES "
             "('0000000001', 10, '/dados/b.txt'), ('0000000001', 2, '/dados/a.txt'), "
             "('0000000002', 1, '/dados/c.txt')");
        // Sequences 10 and 9 (and 010) must come out as numbers, not as text.
        exec(
            "INSERT INTO COLLAYOUTIMP (CDLAYOUTIMP, NRSEQTABELAY, NRSEQCOLULAY, NRPOSICOLLAY, NRTAMCOLLAY, "
            "NRCASASDECIM, IDTDADCOLLAY, NMCOLUNAIMP) VALUES "
            "('0000000001', '1', '10', 21, 5, 0, 'T', 'C10'), ('0000000001', '1', '9', 1, 20, 0, 'T', 'C9'), "
            "('0000000001', '2', '1', 30, 5, 2, 'N', 'T2'), ('0000000001', '1', '011', 40, 1, 0, 'T', "
            "'C11'), "
            "('0000000002', '1', '1', 1, 1, 0, 'T', 'X')");
        exec("INSERT INTO CLIENTE (CDCLIENTE, NMRAZSOCCLIE, NMFANTCLIE, IDCLIEATIV) VALUES "
             "('J1', 'Antiga Ltda', 'Antiga', 'S')");
    }

    static std::vector<std::string> column(const DataPacket& p, std::string_view field) {
        std::vector<std::string> out;
        const int i = p.fieldIndex(field);
        for (const Row& r : p.rows())
            out.push_back(r.at(static_cast<std::size_t>(i)).toString());
        return out;
    }
};

TEST_P(ImportMethodsTest, LayoutsFilesAndColumnsComeInTheirOrder) {
    const DataPacket all = server::selectLayouts(conn(), "", "T");
    EXPECT_EQ(column(all, "CDLAYOUTIMP"), (std::vector<std::string>{"0000000001", "0000000002"}));
    ASSERT_EQ(all.fields().size(), 2U);
    EXPECT_EQ(all.fields()[1].name, "NMLAYOUTIMP");
    EXPECT_EQ(all.fields()[1].size, 50);

    EXPECT_EQ(column(server::selectLayouts(conn(), "0000000002", ""), "NMLAYOUTIMP"),
              std::vector<std::string>{"Segundo"});
    EXPECT_TRUE(server::selectLayouts(conn(), "0000000009", "").rows().empty());

    EXPECT_EQ(column(server::selectLayoutFiles(conn(), "0000000001"), "NMARQLAYIMP"),
              (std::vector<std::string>{"/dados/a.txt", "/dados/b.txt"}));

    const DataPacket cols = server::selectLayoutColumns(conn(), "0000000001");
    EXPECT_EQ(cols.fields().size(), 14U);
    EXPECT_EQ(cols.fields().back().name, "NMCOLUNAIMP");
    EXPECT_EQ(column(cols, "NMCOLUNAIMP"), (std::vector<std::string>{"C9", "C10", "C11", "T2"}));
}

TEST_P(ImportMethodsTest, RegisteredCustomersAreRenamedAndDeactivatedWithTheirHistory) {
    server::AuditTrail trail{{"", "Vqm41204.rdmImportCliente", "SetUpCliente", 0}};
    EXPECT_EQ(server::updateCustomerNames(conn(), trail, "Nova Ltda", "   ", "J1"), 1);
    EXPECT_EQ(
        scalar("SELECT NMRAZSOCCLIE || '/' || NMFANTCLIE FROM CLIENTE WHERE CDCLIENTE = 'J1'").toString(),
        "Nova Ltda/Antiga");
    EXPECT_EQ(server::updateCustomerNames(conn(), trail, "Nova Ltda", "Nova", "J1"), 1);
    EXPECT_EQ(scalar("SELECT NMFANTCLIE FROM CLIENTE WHERE CDCLIENTE = 'J1'").toString(), "Nova");
    EXPECT_EQ(server::updateCustomerNames(conn(), trail, "X", "Y", "J404"), 0);

    EXPECT_EQ(server::deactivateCustomer(conn(), trail, "J1"), 1);
    EXPECT_EQ(scalar("SELECT IDCLIEATIV FROM CLIENTE WHERE CDCLIENTE = 'J1'").toString(), "N");
    EXPECT_EQ(server::deactivateCustomer(conn(), trail, "J404"), 0);
    // an unchanged name writes nothing; each real change one row
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM HISTCLIENTE").toInt(), 3);
    EXPECT_EQ(scalar("SELECT DSVALNOVHIST FROM HISTCLIENTE WHERE NMCAMPOHIST = 'NMFANTCLIE'").toString(),
              "Nova");
}

TEST_P(ImportMethodsTest, ConfirmarTakesTheFileNameWithoutWritingIt) {
    const server::Provider& provider = server::requireProvider("dspImportCliente");
    DeltaBuilder d(provider, {"NMARQLAYIMP", "CDCLIENTE", "NMRAZSOCCLIE", "QTCNDPG1CLIE"});
    d.insert({Variant("clientes.txt"), Variant("J2"), Variant("Nova Ltda"), Variant(3)});
    EXPECT_EQ(server::applyDelta(conn(), provider, d.delta()), 1U);
    EXPECT_EQ(scalar("SELECT QTCNDPG1CLIE FROM CLIENTE WHERE CDCLIENTE = 'J2'").toDouble(), 3.0);
}

INSTANTIATE_TEST_SUITE_P(Db, ImportMethodsTest,
                         ::testing::Values(db::Dialect::SQLite, db::Dialect::PostgreSQL), dialectName);

} // namespace
} // namespace vq::test

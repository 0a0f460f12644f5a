// The contact page's own methods through the running server: the taken-code answer of getInteClie and
// the repeated-type rows of GetAuxCorres, on both databases.

#include "tests/server/seeded_server.h"

namespace vq::test {
namespace {

class ContactMethodsTest : public SeededServerTest {
protected:
    void exec(const std::string& sql) { server_->db().execute(sql); }
};

TEST_P(ContactMethodsTest, TakenContactCodeAndRepeatedCorrespondenceType) {
    exec("INSERT INTO INTECLIE (CDCLIENTE, CDINTECLIE, NMINTECLIE) VALUES ('JCT1', '07', 'Rita')");
    exec("INSERT INTO CORINTECLI (CDCLIENTE, CDINTECLIE, CDTIPOCORR) VALUES ('JCT1', '07', '002')");

    EXPECT_EQ(call("getInteClie", {"JCT1", "07"}), Variant("07"));
    EXPECT_EQ(call("getInteClie", {"JCT1", "08"}), Variant(""));
    EXPECT_EQ(call("getInteClie", {"JCT2", "07"}), Variant("")) << "another customer's contact is free";
    EXPECT_EQ(call("getInteClie", {"' OR ''='", "07"}), Variant(""));

    const DataPacket taken = rows("GetAuxCorres", {"JCT1", "07", "002"});
    ASSERT_EQ(taken.rowCount(), 1u);
    EXPECT_EQ(fieldOf(taken, 0, "CDTIPOCORR"), Variant("002"));
    EXPECT_EQ(rows("GetAuxCorres", {"JCT1", "07", "003"}).rowCount(), 0u);
    EXPECT_EQ(rows("GetAuxCorres", {"JCT1", "08", "002"}).rowCount(), 0u) << "another contact may have it";

    // The employee check copies code, company and name.
    const DataPacket one = rows("GetFuncionario", {"0000000004", "VD"});
    ASSERT_EQ(one.rowCount(), 1u);
    EXPECT_EQ(fieldOf(one, 0, "CDEMPRESA"), Variant("02"));
    EXPECT_EQ(fieldOf(one, 0, "NMFUNC"), Variant("Otávio Brandão"));
}

INSTANTIATE_TEST_SUITE_P(Db, ContactMethodsTest,
                         ::testing::Values(db::Dialect::SQLite, db::Dialect::PostgreSQL), dialectName);

} // namespace
} // namespace vq::test

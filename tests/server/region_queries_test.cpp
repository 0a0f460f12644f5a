// The shared region choice sources on SQLite and PostgreSQL: list parameters in the picker's form, the
// "all" switches, and keys that keep countries apart.

#include "services/region_queries.h"
#include "tests/server/seeded_server.h"

namespace vq::test {
namespace {

namespace region = services::region;

class RegionQueriesTest : public SeededServerTest {
protected:
    // The key column of every row the text gives with these parameters.
    std::vector<std::string> keys(const region::QueryText& text, const db::Params& params) {
        return queryRows(text.name, text.sql, params,
                         [&text](TADOIBQuery& q) { return q.FieldByName(text.keyField).AsString(); });
    }
    const Variant none{std::string()};
    const Variant all{std::string("T")};
};

TEST_P(RegionQueriesTest, StatesAndMunicipalitiesFollowTheListsOrTheirSwitches) {
    // A second country with a state named like a Brazilian one, to tell keys from abbreviations; the
    // server is shared by the program's tests, so the rows go again at the end.
    db::Connection& db = server_->db();
    const std::string code = db.query("SELECT MAX(CDPAIS) FROM PAIS").rows()[0][0].asString();
    ASSERT_NE(code, "0055");
    const db::Params byCode{{"P", Variant(code)}};
    db.execute("INSERT INTO ESTADO (CDPAIS, SGESTADO, NMESTADO) VALUES (:P, 'SP', 'Sparta')", byCode);
    db.execute("INSERT INTO MUNICIPIO (CDPAIS, SGESTADO, CDMUNICIPIO, NMMUNICIPIO) VALUES (:P, 'SP', '0001', "
               "'Alpha')",
               byCode);
    struct Cleanup {
        db::Connection& db;
        const db::Params& byCode;
        ~Cleanup() {
            db.execute("DELETE FROM MUNICIPIO WHERE CDPAIS = :P", byCode);
            db.execute("DELETE FROM ESTADO WHERE CDPAIS = :P", byCode);
        }
    } cleanup{db, byCode};
    const Variant otherList("_" + code + "_");

    const auto countries = keys(region::kRegionPais, {});
    EXPECT_EQ(static_cast<std::int64_t>(countries.size()), count("SELECT COUNT(*) FROM PAIS"));
    EXPECT_TRUE(std::is_sorted(countries.begin(), countries.end()));

    const auto brazil = keys(region::kRegionEstado, {{"P_CDPAIS", Variant("_0055_")}, {"P_TODOS", none}});
    EXPECT_EQ(brazil.size(), 27u);
    EXPECT_EQ(brazil.front(), "0055AC");
    EXPECT_EQ(keys(region::kRegionEstado,
                   {{"P_CDPAIS", Variant("_0055_" + otherList.asString())}, {"P_TODOS", none}})
                  .back(),
              code + "SP");
    // A code only inside another code is no match; no list and no switch gives nothing.
    EXPECT_TRUE(keys(region::kRegionEstado, {{"P_CDPAIS", Variant("_00550_")}, {"P_TODOS", none}}).empty());
    EXPECT_TRUE(keys(region::kRegionEstado, {{"P_CDPAIS", none}, {"P_TODOS", none}}).empty());
    EXPECT_EQ(keys(region::kRegionEstado, {{"P_CDPAIS", none}, {"P_TODOS", all}}).size(), 28u);

    const auto sp = keys(region::kRegionMunicipio, {{"P_CDPAIS", Variant("_0055_")},
                                                    {"P_TCDPAIS", none},
                                                    {"P_SGESTADO", Variant("_0055SP_")},
                                                    {"P_TSGESTADO", none}});
    EXPECT_EQ(static_cast<std::int64_t>(sp.size()),
              count("SELECT COUNT(*) FROM MUNICIPIO WHERE CDPAIS = '0055' AND SGESTADO = 'SP'"));
    EXPECT_EQ(sp.front(), "0055SP0001");
    // Every country, São Paulo's key: the other country's SP stays out.
    const auto spOnly = keys(
        region::kRegionMunicipio,
        {{"P_CDPAIS", none}, {"P_TCDPAIS", all}, {"P_SGESTADO", Variant("_0055SP_")}, {"P_TSGESTADO", none}});
    EXPECT_EQ(spOnly, sp);
    const auto other =
        keys(region::kRegionMunicipio,
             {{"P_CDPAIS", otherList}, {"P_TCDPAIS", none}, {"P_SGESTADO", none}, {"P_TSGESTADO", all}});
    EXPECT_EQ(other, std::vector<std::string>{code + "SP0001"});
    EXPECT_EQ(static_cast<std::int64_t>(
                  keys(region::kRegionMunicipio,
                       {{"P_CDPAIS", none}, {"P_TCDPAIS", all}, {"P_SGESTADO", none}, {"P_TSGESTADO", all}})
                      .size()),
              count("SELECT COUNT(*) FROM MUNICIPIO"));
}

INSTANTIATE_TEST_SUITE_P(Db, RegionQueriesTest,
                         ::testing::Values(db::Dialect::SQLite, db::Dialect::PostgreSQL), dialectName);

} // namespace
} // namespace vq::test

// The customer form's lookups through the running server over the seeded database, on SQLite and on
// PostgreSQL: the (code, switch) convention, the activity-branch tree, and codes that look like SQL.

#include "tests/server/seeded_server.h"

namespace vq::test {
namespace {

using Names = std::vector<std::string>;

class LookupMethodsTest : public SeededServerTest {};

TEST_P(LookupMethodsTest, FiscalParametersOfEveryCompanyFirstCompanyFirst) {
    const DataPacket p = rows("GetParamFiscal", {});
    EXPECT_EQ(fieldNames(p), (Names{"CDEMPRESA", "IDUTENDMODFISC"}));
    ASSERT_EQ(static_cast<std::int64_t>(p.rowCount()), count("SELECT COUNT(*) FROM EMPRESA"));
    EXPECT_EQ(fieldOf(p, 0, "CDEMPRESA"), Variant("01"));
    EXPECT_EQ(fieldOf(p, 0, "IDUTENDMODFISC"), Variant("S"));
}

TEST_P(LookupMethodsTest, ActivityBranchesByCodeOrTreeCodeWithinThePicturesLevels) {
    const DataPacket all = rows("GetRamoAtiv", {"", "T", "9", ""});
    EXPECT_EQ(fieldNames(all), (Names{"IDMARCADO", "CDARVATIVCLI", "CDATIVCLI", "DSATIVCLI"}));
    EXPECT_EQ(static_cast<std::int64_t>(all.rowCount()), count("SELECT COUNT(*) FROM ATIVCLIENTE"));
    for (std::size_t i = 1; i < all.rowCount(); ++i)
        EXPECT_LT(fieldOf(all, i - 1, "CDARVATIVCLI").toString(), fieldOf(all, i, "CDARVATIVCLI").toString());

    // The picture's levels bound the list: two levels leave the third out, one leaves only the roots.
    EXPECT_EQ(static_cast<std::int64_t>(rows("GetRamoAtiv", {"", "T", "2", ""}).rowCount()),
              count("SELECT COUNT(*) FROM ATIVCLIENTE WHERE CDNVATIVCLI <= '2'"));
    const DataPacket roots = rows("GetRamoAtiv", {"", "T", "1", ""});
    ASSERT_EQ(roots.rowCount(), 4u);
    EXPECT_EQ(fieldOf(roots, 0, "DSATIVCLI"), Variant("Comércio"));

    // The check by tree code, the form's page reload by branch code: the same branch.
    const DataPacket byTree = rows("GetRamoAtiv", {"", "", "3", "01.02"});
    ASSERT_EQ(byTree.rowCount(), 1u);
    EXPECT_EQ(fieldOf(byTree, 0, "CDATIVCLI"), Variant("0000000003"));
    const DataPacket byCode = rows("GetRamoAtiv", {"0000000003", "", "3", ""});
    ASSERT_EQ(byCode.rowCount(), 1u);
    EXPECT_EQ(fieldOf(byCode, 0, "CDARVATIVCLI"), Variant("01.02"));

    EXPECT_EQ(rows("GetRamoAtiv", {"", "", "3", "01.01.001"}).rowCount(), 1u);
    EXPECT_EQ(rows("GetRamoAtiv", {"", "", "2", "01.01.001"}).rowCount(), 0u); // deeper than the picture
    EXPECT_EQ(rows("GetRamoAtiv", {"", "", "3", "01.09"}).rowCount(), 0u);
    EXPECT_EQ(rows("GetRamoAtiv", {"", "", "3", ""}).rowCount(), 0u); // neither code: nothing
}

TEST_P(LookupMethodsTest, CodeAndSwitchListsEverythingOrFindsOneCode) {
    const DataPacket origins = rows("GetPesqDivulg", {"", "T"});
    EXPECT_EQ(fieldNames(origins), (Names{"CDMODODIVULG", "NMMODODIVULG"}));
    EXPECT_EQ(static_cast<std::int64_t>(origins.rowCount()), count("SELECT COUNT(*) FROM MODODIVULG"));
    const DataPacket fair = rows("GetPesqDivulg", {"00003", ""});
    ASSERT_EQ(fair.rowCount(), 1u);
    EXPECT_EQ(fieldOf(fair, 0, "NMMODODIVULG"), Variant("Feira Comercial"));
    EXPECT_EQ(rows("GetPesqDivulg", {"00099", ""}).rowCount(), 0u);
    EXPECT_EQ(rows("GetPesqDivulg", {"", ""}).rowCount(), 0u);

    // The language list passes the current language with "T": every language all the same.
    const DataPacket languages = rows("GetIdioma", {"POR", "T"});
    EXPECT_EQ(fieldNames(languages), (Names{"IDIDIOMA", "DSIDIOMA"}));
    EXPECT_EQ(static_cast<std::int64_t>(languages.rowCount()), count("SELECT COUNT(*) FROM IDIOMA"));
    const DataPacket english = rows("GetIdioma", {"ENG", ""});
    ASSERT_EQ(english.rowCount(), 1u);
    EXPECT_EQ(fieldOf(english, 0, "DSIDIOMA"), Variant("Inglês"));

    // The filter's origins carry the picker's mark column.
    const DataPacket marked = rows("GetOrigem", {});
    EXPECT_EQ(fieldNames(marked), (Names{"IDMARCADO", "CDMODODIVULG", "NMMODODIVULG"}));
    EXPECT_EQ(marked.rowCount(), origins.rowCount());
}

TEST_P(LookupMethodsTest, CodesThatLookLikeSqlAndMissingArgumentsAreRefusedOrFindNothing) {
    EXPECT_EQ(rows("GetIdioma", {"' OR '1'='1", ""}).rowCount(), 0u);
    EXPECT_EQ(rows("GetRamoAtiv", {"x' OR 1=1 --", "", "3", "01' OR '1'='1"}).rowCount(), 0u);
    EXPECT_EQ(rows("GetRamoAtiv", {"", "T", "1 OR 1=1", ""}).rowCount(),
              rows("GetRamoAtiv", {"", "T", "9", ""}).rowCount());
    EXPECT_EQ(count("SELECT COUNT(*) FROM IDIOMA"), 4);

    EXPECT_TRUE(call("GetIdioma", {"POR"}).is(VariantKind::ServerError));
    EXPECT_TRUE(call("GetRamoAtiv", {"", "T", "3"}).is(VariantKind::ServerError));
    EXPECT_TRUE(call("GetPesqDivulg", {1, "T"}).is(VariantKind::ServerError));
}

INSTANTIATE_TEST_SUITE_P(Db, LookupMethodsTest,
                         ::testing::Values(db::Dialect::SQLite, db::Dialect::PostgreSQL), dialectName);

} // namespace
} // namespace vq::test

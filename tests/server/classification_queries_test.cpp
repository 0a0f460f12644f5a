// The customer form's own read-only lookups of segments, cost centres and regions, as the form runs them
// through the query component, on the seeded database of either kind.

#include "platform/db/tadoib_query.h"
#include "tests/server/seeded_server.h"

namespace vq::test {
namespace {

class ClassificationQueriesTest : public SeededServerTest {};

// One code with an empty switch, every row with "T", nothing for an unknown code.
void checkCodeAndSwitch(db::Connection& db, const std::string& table, const std::string& code,
                        const std::string& name, const std::string& knownCode) {
    TADOIBQuery q(&db, "qry" + table);
    q.setSql("SELECT " + code + ", " + name + " FROM " + table + " WHERE (" + code + " = :P_" + code +
             " OR :P_T" + code + " = 'T') ORDER BY " + code);
    q.ParamByName("P_" + code) = "";
    q.ParamByName("P_T" + code) = "T";
    q.Open();
    EXPECT_EQ(q.RecordCount(),
              static_cast<int>(db.query("SELECT COUNT(*) FROM " + table).rows()[0][0].toInt()));
    EXPECT_GT(q.RecordCount(), 3);
    q.Close();
    q.ParamByName("P_" + code) = knownCode;
    q.ParamByName("P_T" + code) = "";
    q.Open();
    ASSERT_EQ(q.RecordCount(), 1);
    EXPECT_FALSE(q.FieldByName(name).AsString().empty());
    q.Close();
    q.ParamByName("P_" + code) = "nada";
    q.Open();
    EXPECT_TRUE(q.IsEmpty());
}

TEST_P(ClassificationQueriesTest, SegmentCostCentreAndRegionQueriesRunAsTheFormWritesThem) {
    db::Connection& db = server_->db();
    checkCodeAndSwitch(db, "SEGMERCADO", "CDSEGMER", "DSSEGMER", "00003");
    checkCodeAndSwitch(db, "CENTCUST", "CDCENTCUST", "NMCENTCUST", "1.02");

    TADOIBQuery qryRegiao(&db, "qryRegiao");
    qryRegiao.setSql("SELECT CDREGIAOPED, NMREGIAOPED FROM REGIAOPED WHERE CDREGIAOPED = :P_CDREGIAO");
    qryRegiao.ParamByName("P_CDREGIAO") = "004";
    qryRegiao.Open();
    ASSERT_EQ(qryRegiao.RecordCount(), 1);
    EXPECT_EQ(qryRegiao.FieldByName("NMREGIAOPED").AsString(), "Sudeste");
    EXPECT_EQ(qryRegiao.Fields()[1], (FieldDesc{"NMREGIAOPED", FieldType::String, 40}));
    qryRegiao.Close();
    qryRegiao.ParamByName("P_CDREGIAO") = "' OR '1'='1";
    qryRegiao.Open();
    EXPECT_TRUE(qryRegiao.IsEmpty());

    // Every seeded customer points at a segment, cost centre and region the lookups know.
    EXPECT_EQ(server_->count("SELECT COUNT(*) FROM CLIENTE C WHERE NOT EXISTS (SELECT 1 FROM SEGMERCADO S "
                             "WHERE S.CDSEGMER = C.CDSEGMER) OR NOT EXISTS (SELECT 1 FROM CENTCUST T WHERE "
                             "T.CDCENTCUST = C.CDCENTCUSTCLI) OR NOT EXISTS (SELECT 1 FROM REGIAOPED R WHERE "
                             "R.CDREGIAOPED = C.CDREGIAOPED)"),
              0);
}

INSTANTIATE_TEST_SUITE_P(Db, ClassificationQueriesTest,
                         ::testing::Values(db::Dialect::SQLite, db::Dialect::PostgreSQL), dialectName);

} // namespace
} // namespace vq::test

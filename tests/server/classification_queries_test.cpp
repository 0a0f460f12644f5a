// The customer form's own read-only lookups of segments, cost centres and regions, as the form runs them
// through the query component, on the seeded database of either kind.

#include "customer/classification_queries.h"
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

// The region, branch and currency index lists and checks, as the customer form stores their texts.
TEST_P(ClassificationQueriesTest, RegionBranchAndCurrencyIndexQueries) {
    db::Connection& db = server_->db();
    const auto open = [&db](const char* sql,
                            std::initializer_list<std::pair<const char*, const char*>> params) {
        auto q = std::make_unique<TADOIBQuery>(&db, "qry");
        q->setSql(sql);
        for (const auto& [name, value] : params)
            q->ParamByName(name) = value;
        q->Open();
        return q;
    };
    EXPECT_EQ(open(customer::kSqlPesqRegiao, {})->RecordCount(),
              server_->count("SELECT COUNT(*) FROM REGIAOPED"));
    EXPECT_EQ(open(customer::kSqlPesqRegiao, {})->FieldByName("CDREGIAOPED").AsString(), "001");
    EXPECT_EQ(open(customer::kSqlRegiao, {{"P_CDREGIAO", "009"}})->RecordCount(), 0);

    EXPECT_EQ(open(customer::kSqlPesqFiliOrig, {})->RecordCount(),
              server_->count("SELECT COUNT(*) FROM FILIAL"));
    const auto branch = open(customer::kSqlFiliOrig, {{"P_CDFILIAL", "0002"}});
    ASSERT_EQ(branch->RecordCount(), 1);
    EXPECT_EQ(branch->FieldByName("NMFILIAL").AsString(), "Filial Curitiba");
    EXPECT_TRUE(open(customer::kSqlFiliOrig, {{"P_CDFILIAL", "' OR '1'='1"}})->IsEmpty());

    // Only daily indexes with a value: the monthly IGPM and IPCA are not listed nor found.
    const auto all = open(customer::kSqlMoeda, {{"P_SGINDICE", ""}, {"P_TSGINDICE", "T"}});
    EXPECT_EQ(all->RecordCount(), 3);
    EXPECT_EQ(all->FieldByName("SGINDICE").AsString(), "R$");
    const auto dollar = open(customer::kSqlMoeda, {{"P_SGINDICE", "US$"}, {"P_TSGINDICE", ""}});
    ASSERT_EQ(dollar->RecordCount(), 1);
    EXPECT_EQ(dollar->FieldByName("CDINDICE").AsString(), "0002");
    EXPECT_EQ(dollar->FieldByName("CDTPINDICE").AsString(), "1");
    EXPECT_EQ(dollar->FieldByName("IDPERVALOR").AsString(), "2");
    EXPECT_TRUE(open(customer::kSqlMoeda, {{"P_SGINDICE", "IGPM"}, {"P_TSGINDICE", ""}})->IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(Db, ClassificationQueriesTest,
                         ::testing::Values(db::Dialect::SQLite, db::Dialect::PostgreSQL), dialectName);

} // namespace
} // namespace vq::test

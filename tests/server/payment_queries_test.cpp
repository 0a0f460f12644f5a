// The customer form's payment-form and payment-modality queries as the form stores them, run through the
// query component on the seeded database of either kind.

#include "customer/payment_queries.h"
#include "platform/db/tadoib_query.h"
#include "tests/server/seeded_server.h"

namespace vq::test {
namespace {

class PaymentQueriesTest : public SeededServerTest {};

TEST_P(PaymentQueriesTest, PaymentFormsListedWithTheSwitchOrFoundByCode) {
    db::Connection& db = server_->db();
    TADOIBQuery q(&db, "qryFormPgto");
    q.setSql(customer::kSqlFormPgto);
    q.ParamByName("P_CDFORMPGTO") = "";
    q.ParamByName("P_TCDFORMPGTO") = "T";
    q.Open();
    EXPECT_EQ(q.RecordCount(), static_cast<int>(server_->count("SELECT COUNT(*) FROM FORMPGTO")));
    EXPECT_EQ(q.FieldByName("CDFORMPGTO").AsString(), "01"); // ordered by code
    q.Close();
    q.ParamByName("P_CDFORMPGTO") = "06";
    q.ParamByName("P_TCDFORMPGTO") = "";
    q.Open();
    ASSERT_EQ(q.RecordCount(), 1);
    EXPECT_EQ(q.FieldByName("NMFORMPGTO").AsString(), "Dinheiro");
    q.Close();
    for (const char* code : {"6", "99", "' OR '1'='1"}) {
        q.ParamByName("P_CDFORMPGTO") = code;
        q.Open();
        EXPECT_TRUE(q.IsEmpty()) << code;
        q.Close();
    }
}

TEST_P(PaymentQueriesTest, ModalitiesListedWholeOrFoundByCode) {
    db::Connection& db = server_->db();
    TADOIBQuery all(&db, "qryPesqModPgto");
    all.setSql(customer::kSqlPesqModPgto);
    all.Open();
    EXPECT_EQ(all.RecordCount(), static_cast<int>(server_->count("SELECT COUNT(*) FROM MODPGTO")));
    EXPECT_EQ(all.FieldByName("CDMODPGTO").AsString(), "00001");
    EXPECT_EQ(all.Fields()[1], (FieldDesc{"DSMODPGTO", FieldType::String, 100}));

    TADOIBQuery one(&db, "qryModPgto");
    one.setSql(customer::kSqlModPgto);
    one.ParamByName("P_CDMODPGTO") = "00003";
    one.Open();
    ASSERT_EQ(one.RecordCount(), 1);
    EXPECT_EQ(one.FieldByName("DSMODPGTO").AsString(), "30/60 dias");
    one.Close();
    one.ParamByName("P_CDMODPGTO") = "3";
    one.Open();
    EXPECT_TRUE(one.IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(Db, PaymentQueriesTest,
                         ::testing::Values(db::Dialect::SQLite, db::Dialect::PostgreSQL), dialectName);

} // namespace
} // namespace vq::test

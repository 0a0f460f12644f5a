#include "platform/data/utf8.h"
#include "platform/db/connection.h"
#include "platform/db/db_error.h"
#include "platform/db/transaction.h"
#include "server/schema/ddl.h"
#include "test_databases.h"

#include <filesystem>
#include <unistd.h>

using namespace vq;
using namespace vq::db;
using vq::test::DialectTest;

namespace {

// Every abstract column type, created through the schema's DDL.
constexpr schema::Column kSampleColumns[] = {
    {"CDAMOSTRA", schema::ColumnType::String, 6, schema::kKey},
    {"NMAMOSTRA", schema::ColumnType::String, 10, 0},
    {"QTAMOSTRA", schema::ColumnType::Integer, 0, 0},
    {"NRAMOSTRA", schema::ColumnType::SmallInt, 0, 0},
    {"VRAMOSTRA", schema::ColumnType::Float, 0, 0},
    {"DTAMOSTRA", schema::ColumnType::DateTime, 0, 0},
    {"DSAMOSTRA", schema::ColumnType::Blob, 0, 0},
    {"IDAMOSTRA", schema::ColumnType::Boolean, 0, 0},
    {"NMOBRIG", schema::ColumnType::String, 5, schema::kNotNull},
};
constexpr schema::Table kSample{"AMOSTRA", kSampleColumns};

const char* kInsert =
    "INSERT INTO AMOSTRA (CDAMOSTRA, NMAMOSTRA, QTAMOSTRA, NRAMOSTRA, VRAMOSTRA, DTAMOSTRA, "
    "DSAMOSTRA, IDAMOSTRA, NMOBRIG) VALUES (:CD, :NM, :QT, :NR, :VR, :DT, :DS, :ID, :OB)";

Params sampleRow(const std::string& code) {
    return {{"CD", code},
            {"NM", "Ação Ltda"},
            {"QT", 2147483647},
            {"NR", -32768},
            {"VR", 0.1},
            {"DT", makeDateTime({2026, 12, 7}, {14, 30, 15, 123})},
            {"DS", "{\\rtf1 linha\\par 'aspas' \"duplas\"}"},
            {"ID", true},
            {"OB", "x"}};
}

class ConnectionTest : public DialectTest {
protected:
    void SetUp() override {
        DialectTest::SetUp();
        if (IsSkipped())
            return;
        db = open();
        db->execute(schema::createTableSql(kSample, db->dialect()));
    }
    std::unique_ptr<Connection> db;
};

} // namespace

TEST_P(ConnectionTest, ValuesRoundTripWithTheirTypes) {
    EXPECT_EQ(db->execute(kInsert, sampleRow("A1")), 1);
    Params nulls = sampleRow("A2");
    for (auto& [name, value] : nulls)
        if (name != "CD" && name != "OB")
            value = Variant();
    db->execute(kInsert, nulls);

    const ResultSet r = db->query("SELECT * FROM AMOSTRA ORDER BY CDAMOSTRA");
    ASSERT_EQ(r.rowCount(), 2u);
    // Free text is BLOB on SQLite and TEXT on PostgreSQL; the schema's resolver names both blob.
    // Without a resolver a text column of no declared length is as wide as its longest value.
    const FieldType blobType = GetParam() == Dialect::SQLite ? FieldType::Blob : FieldType::String;
    const int blobSize =
        blobType == FieldType::String ? static_cast<int>(utf8Length(sampleRow("A1")["DS"].asString())) : 0;
    const std::vector<FieldDesc> expected = {
        {"CDAMOSTRA", FieldType::String, 6},  {"NMAMOSTRA", FieldType::String, 10},
        {"QTAMOSTRA", FieldType::Integer, 0}, {"NRAMOSTRA", FieldType::SmallInt, 0},
        {"VRAMOSTRA", FieldType::Float, 0},   {"DTAMOSTRA", FieldType::DateTime, 0},
        {"DSAMOSTRA", blobType, blobSize},    {"IDAMOSTRA", FieldType::Boolean, 0},
        {"NMOBRIG", FieldType::String, 5}};
    EXPECT_EQ(r.fields(), expected);
    const Params in = sampleRow("A1");
    for (const auto& [name, value] : in) {
        const std::string column = name == "OB" ? "NMOBRIG" : name + "AMOSTRA";
        EXPECT_EQ(r.value(0, column), value) << column;
        if (name != "CD" && name != "OB") {
            EXPECT_TRUE(r.value(1, column).isNull()) << column;
        }
    }
    // The packet carries the same fields and accepts every value.
    EXPECT_EQ(r.toPacket().rowCount(), 2u);
}

TEST_P(ConnectionTest, ExpressionColumnsAreTypedByTheirValues) {
    db->execute(kInsert, sampleRow("A1"));
    db->execute(kInsert, sampleRow("A2"));
    const ResultSet r = db->query("SELECT COUNT(*) AS NRREG, MAX(VRAMOSTRA) AS VRMAX, "
                                  "NMAMOSTRA || '!' AS NMTEXTO FROM AMOSTRA GROUP BY NMAMOSTRA");
    EXPECT_EQ(r.fields()[0].type, FieldType::Integer);
    EXPECT_EQ(r.fields()[1].type, FieldType::Float);
    EXPECT_EQ(r.fields()[2], (FieldDesc{"NMTEXTO", FieldType::String, 10}));
    EXPECT_EQ(r.value(0, "NRREG"), Variant(2));
    EXPECT_EQ(r.value(0, "NMTEXTO"), Variant("Ação Ltda!"));
}

TEST_P(ConnectionTest, ParametersAreBoundNeverPasted) {
    Params row = sampleRow("A1");
    row["NM"] = "'); DROP";
    db->execute(kInsert, row);
    const ResultSet r =
        db->query("SELECT CDAMOSTRA FROM AMOSTRA WHERE NMAMOSTRA = :NM", {{"NM", "'); DROP"}});
    EXPECT_EQ(r.rowCount(), 1u);
    // A whole double finds the same digits in a text column; a missing parameter is refused.
    EXPECT_EQ(db->query("SELECT 1 FROM AMOSTRA WHERE NMOBRIG = :N", {{"N", 7.0}}).rowCount(), 0u);
    db->execute("UPDATE AMOSTRA SET NMOBRIG = '7'");
    EXPECT_EQ(db->query("SELECT 1 FROM AMOSTRA WHERE NMOBRIG = :N", {{"N", 7.0}}).rowCount(), 1u);
    try {
        db->query("SELECT * FROM AMOSTRA WHERE CDAMOSTRA = :P_CDAMOSTRA");
        FAIL() << "sem parâmetro";
    } catch (const DbError& e) {
        EXPECT_EQ(e.kind(), DbErrorKind::Refused);
        EXPECT_NE(std::string(e.what()).find("P_CDAMOSTRA"), std::string::npos);
    }
    EXPECT_THROW(db->execute("DELETE FROM AMOSTRA; DELETE FROM AMOSTRA"), DbError);
    EXPECT_EQ(db->query("SELECT * FROM AMOSTRA").rowCount(), 1u);
}

TEST_P(ConnectionTest, TransactionsRollBackUnlessCommitted) {
    {
        Transaction tx(*db);
        db->execute(kInsert, sampleRow("A1"));
        EXPECT_THROW(Transaction{*db}, DbError); // one at a time
    }
    EXPECT_EQ(db->query("SELECT * FROM AMOSTRA").rowCount(), 0u);
    EXPECT_FALSE(db->inTransaction());
    {
        Transaction tx(*db);
        db->execute(kInsert, sampleRow("A2"));
        tx.commit();
    }
    {
        Transaction tx(*db);
        db->execute("DELETE FROM AMOSTRA");
        tx.rollback();
    }
    EXPECT_EQ(db->query("SELECT * FROM AMOSTRA").rowCount(), 1u);
    // A failing statement inside a transaction: nothing of it stays, and the connection stays usable.
    try {
        Transaction tx(*db);
        db->execute(kInsert, sampleRow("A3"));
        db->execute(kInsert, sampleRow("A3"));
        tx.commit();
    } catch (const DbError&) {
    }
    EXPECT_EQ(db->query("SELECT * FROM AMOSTRA").rowCount(), 1u);
}

TEST_P(ConnectionTest, ConstraintViolationsAreClassified) {
    db->execute(kInsert, sampleRow("A1"));
    auto kindOf = [&](const Params& row) {
        try {
            db->execute(kInsert, row);
        } catch (const DbError& e) {
            return e.kind();
        }
        return DbErrorKind::General;
    };
    EXPECT_EQ(kindOf(sampleRow("A1")), DbErrorKind::UniqueViolation);
    Params tooLong = sampleRow("A2");
    tooLong["NM"] = "Ação Ltda.."; // 11 characters in a 10-character column
    EXPECT_EQ(kindOf(tooLong), DbErrorKind::CheckViolation);
    Params fits = sampleRow("A3");
    fits["NM"] = "Çãõéíóúâêô"; // 10 characters, more bytes
    EXPECT_EQ(db->execute(kInsert, fits), 1);
    Params missing = sampleRow("A4");
    missing["OB"] = Variant();
    EXPECT_EQ(kindOf(missing), DbErrorKind::NotNullViolation);
}

TEST_P(ConnectionTest, ReadOnlyQueriesRefuseWrites) {
    EXPECT_NO_THROW(db->queryReadOnly("SELECT * FROM AMOSTRA"));
    for (const char* sql :
         {"DELETE FROM AMOSTRA", "SELECT 1; DELETE FROM AMOSTRA", "UPDATE AMOSTRA SET NMOBRIG = 'x'"}) {
        try {
            db->queryReadOnly(sql);
            ADD_FAILURE() << sql;
        } catch (const DbError& e) {
            EXPECT_EQ(e.kind(), DbErrorKind::Refused) << sql;
        }
    }
}

TEST_P(ConnectionTest, ResolverGivesSchemaSizesAndTypes) {
    db->execute(kInsert, sampleRow("A1"));
    db->setFieldResolver([](std::string_view column) -> std::optional<FieldDesc> {
        if (column == "NMAMOSTRA")
            return FieldDesc{"NMAMOSTRA", FieldType::String, 40};
        if (column == "DSAMOSTRA")
            return FieldDesc{"DSAMOSTRA", FieldType::Blob, 0};
        if (column == "QTTEXTO")
            return FieldDesc{"QTTEXTO", FieldType::Integer, 0};
        return std::nullopt;
    });
    const DataPacket p = db->queryPacket("SELECT NMAMOSTRA, DSAMOSTRA, '42' AS QTTEXTO FROM AMOSTRA");
    EXPECT_EQ(p.fields()[0], (FieldDesc{"NMAMOSTRA", FieldType::String, 40}));
    EXPECT_EQ(p.fields()[1].type, FieldType::Blob);
    EXPECT_EQ(p.row(0)[2], Variant(42));
    // A value the resolved type cannot hold is an error, not a silent conversion.
    EXPECT_THROW(db->query("SELECT 'abc' AS QTTEXTO"), DbError);
}

VQ_FOR_BOTH_DIALECTS(ConnectionTest);

TEST(SqliteConnection, FileDatabasePersistsAndOpensInWalMode) {
    const auto dir = std::filesystem::temp_directory_path() / ("vqdb_test_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir / "com espaço");
    const std::string url = "sqlite:" + (dir / "com espaço" / "erp.db").string();
    {
        Connection db(url);
        db.execute("CREATE TABLE T (A VARCHAR(5))");
        db.execute("INSERT INTO T VALUES (:A)", {{"A", "x"}});
        EXPECT_EQ(db.query("PRAGMA journal_mode").value(0, "JOURNAL_MODE"), Variant("wal"));
    }
    Connection again(url);
    EXPECT_EQ(again.query("SELECT A FROM T").value(0, "A"), Variant("x"));
    std::filesystem::remove_all(dir);
    EXPECT_THROW(Connection("sqlite:/nao/existe/erp.db"), DbError);
}

// A database that counts VARCHAR sizes in bytes is refused on opening, before anything is read or written.
TEST(PostgresConnection, ANonUtf8DatabaseIsRefusedNamingItsEncoding) {
    if (!test::sharedPgServer())
        GTEST_SKIP() << test::pgUnavailableReason();
    const std::string url = test::sharedPgServer()->createDatabase("SQL_ASCII");
    try {
        Connection db(url);
        ADD_FAILURE() << "SQL_ASCII database accepted";
    } catch (const DbError& e) {
        EXPECT_EQ(e.kind(), DbErrorKind::Refused);
        EXPECT_NE(std::string(e.what()).find("usa a codificação SQL_ASCII"), std::string::npos) << e.what();
    }
}

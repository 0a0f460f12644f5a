#include "platform/db/connection.h"
#include "platform/db/db_error.h"
#include "platform/db/transaction.h"
#include "test_databases.h"

#include <filesystem>
#include <libpq-fe.h>
#include <soci/postgresql/soci-postgresql.h>
#include <soci/soci.h>
#include <unistd.h>

using namespace vq;
using namespace vq::db;
using vq::test::DialectTest;

namespace {

constexpr const char* kSelect = "SELECT A FROM T ORDER BY A";
constexpr const char* kInsert = "INSERT INTO T (A) VALUES (:A)";

class StatementCacheTest : public DialectTest {
protected:
    void SetUp() override {
        DialectTest::SetUp();
        if (IsSkipped())
            return;
        db = open();
        db->execute("CREATE TABLE T (A VARCHAR(5) PRIMARY KEY)");
        for (const char* a : {"a", "b", "c"})
            db->execute(kInsert, {{"A", a}});
    }

    // What the cache did since the last call.
    StatementStats delta() {
        const StatementStats now = db->statementStats();
        const StatementStats d{now.prepared - last_.prepared, now.reused - last_.reused, now.cached};
        last_ = now;
        return d;
    }

    std::vector<std::string> column(const ResultSet& r) {
        std::vector<std::string> out;
        for (std::size_t i = 0; i < r.rowCount(); ++i)
            out.push_back(r.rows()[i][0].toString());
        return out;
    }

    std::unique_ptr<Connection> db;

private:
    StatementStats last_;
};

const std::vector<std::string> kAbc{"a", "b", "c"};

} // namespace

TEST_P(StatementCacheTest, ARepeatedTextIsPreparedOnce) {
    delta();
    EXPECT_EQ(db->execute(kInsert, {{"A", "d"}}), 1);
    EXPECT_EQ(db->execute(kInsert, {{"A", "e"}}), 1);
    EXPECT_EQ(column(db->query(kSelect)), (std::vector<std::string>{"a", "b", "c", "d", "e"}));
    EXPECT_EQ(db->query(kSelect).rowCount(), 5u);
    StatementStats d = delta();
    EXPECT_EQ(d.prepared, 1u); // the SELECT; the INSERT was prepared in SetUp
    EXPECT_EQ(d.reused, 3u);
    // The read-only check still applies to a statement taken from the cache.
    EXPECT_EQ(db->queryReadOnly(kSelect).rowCount(), 5u);
    EXPECT_EQ(delta().reused, 1u);
    EXPECT_THROW(db->queryReadOnly("DELETE FROM T"), DbError);
}

TEST_P(StatementCacheTest, AStatementThatFailedMidwayRunsAgain) {
    // The third row overflows: two rows were read when the statement failed. The column keeps the
    // planner from computing the overflow before any row is read.
    const char* overflow = "SELECT CASE WHEN A = :BAD THEN abs(-9223372036854775807 - 1 + LENGTH(A) - 1) "
                           "ELSE 0 END AS V FROM T ORDER BY A";
    EXPECT_THROW(db->query(overflow, {{"BAD", "c"}}), DbError);
    delta();
    EXPECT_EQ(db->query(overflow, {{"BAD", "x"}}).rowCount(), 3u);
    EXPECT_EQ(delta().reused, 1u);

    // A visitor that throws leaves the statement in the middle of its rows.
    int seen = 0;
    auto stopAtB = [&](std::span<Variant> row) {
        ++seen;
        if (row[0] == Variant("b"))
            throw DbError("parou");
    };
    EXPECT_THROW(db->queryEach(kSelect, {}, stopAtB), DbError);
    EXPECT_EQ(seen, 2);
    delta();
    std::vector<std::string> all;
    db->queryEach(kSelect, {}, [&](std::span<Variant> row) { all.push_back(row[0].toString()); });
    EXPECT_EQ(all, kAbc);

    // A refused write, then the same text with a new key.
    EXPECT_THROW(db->execute(kInsert, {{"A", "a"}}), DbError);
    EXPECT_EQ(db->execute(kInsert, {{"A", "d"}}), 1);
    EXPECT_EQ(delta().prepared, 0u);
}

// A failure inside a transaction (PostgreSQL then refuses everything until the rollback): a text first
// met there, and one prepared in the rolled-back transaction, both run afterwards.
TEST_P(StatementCacheTest, StatementsMetInAFailedTransactionRunAfterIt) {
    const char* inTransaction = "SELECT COUNT(*) AS N FROM T WHERE A > :A";
    const char* afterFailure = "SELECT COUNT(*) AS N FROM T WHERE A < :A";
    {
        Transaction tx(*db);
        EXPECT_EQ(db->query(inTransaction, {{"A", "a"}}).value(0, "N"), Variant(2));
        EXPECT_THROW(db->execute(kInsert, {{"A", "a"}}), DbError);
        try {
            db->query(afterFailure, {{"A", "c"}}); // PostgreSQL: the transaction is aborted
        } catch (const DbError&) {
        }
    }
    EXPECT_FALSE(db->inTransaction());
    EXPECT_EQ(db->query(inTransaction, {{"A", "b"}}).value(0, "N"), Variant(1));
    EXPECT_EQ(db->query(afterFailure, {{"A", "c"}}).value(0, "N"), Variant(2));
    EXPECT_EQ(db->execute(kInsert, {{"A", "d"}}), 1);
}

// A visitor that runs the text its `each` is reading gets a statement of its own; the outer one keeps its
// place, also when the visitor runs more texts than the cache holds.
TEST_P(StatementCacheTest, TheSameTextInsideEachDoesNotDisturbTheOuterRead) {
    db->query(kSelect);
    std::vector<std::string> outer;
    std::vector<std::vector<std::string>> inner;
    db->queryEach(kSelect, {}, [&](std::span<Variant> row) {
        outer.push_back(row[0].toString());
        inner.push_back(column(db->query(kSelect)));
        if (outer.size() == 2)
            for (std::size_t i = 0; i < kStatementCacheSize + 5; ++i)
                db->query("SELECT " + std::to_string(i) + " AS N");
    });
    EXPECT_EQ(outer, kAbc);
    EXPECT_EQ(inner, std::vector<std::vector<std::string>>(3, kAbc));
    EXPECT_LE(db->statementStats().cached, kStatementCacheSize);
    delta();
    EXPECT_EQ(column(db->query(kSelect)), kAbc);
    EXPECT_EQ(delta().prepared, 0u);
}

TEST_P(StatementCacheTest, TheLeastRecentlyUsedTextLeavesBeyondTheSize) {
    auto text = [](std::size_t i) { return "SELECT A, " + std::to_string(i) + " AS N FROM T"; };
    for (std::size_t i = 0; i < kStatementCacheSize + 10; ++i) {
        db->query(text(i));
        db->query(kSelect); // kept in use, so never the least recent
    }
    EXPECT_EQ(db->statementStats().cached, kStatementCacheSize);
    delta();
    EXPECT_EQ(db->query(kSelect).rowCount(), 3u);
    EXPECT_EQ(db->query(text(kStatementCacheSize + 9)).rowCount(), 3u);
    EXPECT_EQ(delta().prepared, 0u);
    EXPECT_EQ(db->query(text(0)).value(0, "N"), Variant(0)); // evicted: prepared again
    EXPECT_EQ(delta().prepared, 1u);
    EXPECT_EQ(db->statementStats().cached, kStatementCacheSize);
}

TEST_P(StatementCacheTest, ASchemaChangeBetweenTwoRunsIsSeen) {
    const char* all = "SELECT * FROM T ORDER BY A";
    EXPECT_EQ(db->query(all).fields().size(), 1u);
    db->execute("ALTER TABLE T ADD COLUMN B VARCHAR(5)");
    db->execute("UPDATE T SET B = A || A");
    const ResultSet wider = db->query(all);
    ASSERT_EQ(wider.fields().size(), 2u);
    EXPECT_EQ(wider.value(2, "B"), Variant("cc"));

    // Dropped: the cached text fails as a new one would; created again with other columns, it runs.
    db->execute("DROP TABLE T");
    EXPECT_THROW(db->query(all), DbError);
    db->execute("CREATE TABLE T (A VARCHAR(5), C INTEGER, D INTEGER)");
    db->execute("INSERT INTO T (A, C, D) VALUES ('z', 1, 2)");
    const ResultSet other = db->query(all);
    ASSERT_EQ(other.fields().size(), 3u);
    EXPECT_EQ(other.value(0, "D"), Variant(2));
}

VQ_FOR_BOTH_DIALECTS(StatementCacheTest);

// Another connection changes the table between two runs of a cached text; closing a connection that holds
// cached statements releases the file (SQLite removes the WAL file only when the last connection closes).
class StatementCacheTwoConnectionsTest : public DialectTest {};

TEST_P(StatementCacheTwoConnectionsTest, ASchemaChangeByAnotherConnectionIsSeen) {
    const auto dir = std::filesystem::temp_directory_path() / ("vqdb_cache_" + std::to_string(::getpid()));
    std::string url;
    if (GetParam() == Dialect::SQLite) {
        std::filesystem::create_directories(dir);
        url = "sqlite:" + (dir / "erp.db").string();
    } else {
        url = test::sharedPgServer()->createDatabase();
    }
    {
        Connection reader(url);
        Connection writer(url);
        writer.execute("CREATE TABLE T (A VARCHAR(5))");
        writer.execute("INSERT INTO T (A) VALUES ('a')");
        EXPECT_EQ(reader.query("SELECT * FROM T").fields().size(), 1u);
        writer.execute("ALTER TABLE T ADD COLUMN B INTEGER");
        writer.execute("UPDATE T SET B = 7");
        const StatementStats before = reader.statementStats();
        const ResultSet r = reader.query("SELECT * FROM T");
        ASSERT_EQ(r.fields().size(), 2u);
        EXPECT_EQ(r.value(0, "B"), Variant(7));
        if (GetParam() == Dialect::SQLite) { // prepared again by the step, inside SQLite
            EXPECT_EQ(reader.statementStats().reused, before.reused + 1);
        }
    }
    if (GetParam() == Dialect::SQLite) {
        EXPECT_TRUE(std::filesystem::exists(dir / "erp.db"));
        EXPECT_FALSE(std::filesystem::exists(dir / "erp.db-wal"));
        std::filesystem::remove_all(dir);
    }
}

VQ_FOR_BOTH_DIALECTS(StatementCacheTwoConnectionsTest);

namespace {

PGconn* libpqHandle(Connection& db) {
    return static_cast<soci::postgresql_session_backend*>(db.session().get_backend())->conn_;
}

void runBehindTheCache(Connection& db, const char* sql) {
    PGresult* res = PQexec(libpqHandle(db), sql);
    ASSERT_EQ(PQresultStatus(res), PGRES_COMMAND_OK) << PQresultErrorMessage(res);
    PQclear(res);
}

} // namespace

// The server loses the prepared statements (DEALLOCATE ALL behind the cache, or a new server session after
// libpq resets the connection): the cached texts run again, inside a transaction as well as outside.
TEST(PostgresStatementCache, StatementsTheServerDroppedArePreparedAgain) {
    if (!test::sharedPgServer())
        GTEST_SKIP() << test::pgUnavailableReason();
    Connection db(test::sharedPgServer()->createDatabase());
    const char* count = "SELECT COUNT(*) AS N FROM pg_prepared_statements";
    EXPECT_EQ(db.query(count).value(0, "N"), Variant(1));

    runBehindTheCache(db, "DEALLOCATE ALL");
    EXPECT_EQ(db.query(count).value(0, "N"), Variant(1)); // outside a transaction: prepared at once
    runBehindTheCache(db, "DEALLOCATE ALL");
    {
        Transaction tx(db);
        EXPECT_THROW(db.query(count), DbError); // the failure ends the transaction's work
    }
    EXPECT_EQ(db.query(count).value(0, "N"), Variant(1));

    const int before = PQbackendPID(libpqHandle(db));
    PQreset(libpqHandle(db));
    ASSERT_NE(PQbackendPID(libpqHandle(db)), before);
    Transaction tx(db);
    EXPECT_EQ(db.query(count).value(0, "N"), Variant(1));
    tx.commit();
}

// Evicted statements are deallocated on the server, once outside a transaction.
TEST(PostgresStatementCache, EvictedStatementsLeaveTheServer) {
    if (!test::sharedPgServer())
        GTEST_SKIP() << test::pgUnavailableReason();
    Connection db(test::sharedPgServer()->createDatabase());
    {
        Transaction tx(db);
        for (std::size_t i = 0; i < kStatementCacheSize + 10; ++i)
            db.query("SELECT " + std::to_string(i) + " AS N");
        tx.commit();
    }
    EXPECT_EQ(db.query("SELECT COUNT(*) AS N FROM pg_prepared_statements").value(0, "N"),
              Variant(static_cast<std::int64_t>(kStatementCacheSize)));
}

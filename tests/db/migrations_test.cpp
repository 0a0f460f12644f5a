#include "platform/db/db_error.h"
#include "server/schema/migrations.h"
#include "server/schema/schema.h"
#include "test_databases.h"

using namespace vq;
using namespace vq::db;
using vq::test::DialectTest;

namespace {

class MigrationsTest : public DialectTest {
protected:
    void SetUp() override {
        DialectTest::SetUp();
        if (!IsSkipped())
            db = open();
    }
    std::int64_t versionRows() {
        return db->query("SELECT COUNT(*) AS N FROM SCHEMA_VERSION").value(0, "N").toInt();
    }
    std::unique_ptr<Connection> db;
};

} // namespace

TEST_P(MigrationsTest, FreshDatabaseGetsEveryTableWithItsColumns) {
    EXPECT_EQ(schema::schemaVersion(*db), 0);
    EXPECT_EQ(schema::applyMigrations(*db), schema::latestSchemaVersion());
    EXPECT_EQ(schema::schemaVersion(*db), schema::latestSchemaVersion());
    db->setFieldResolver(schema::fieldResolver());
    for (const schema::Table& t : schema::tables()) {
        const ResultSet r = db->query("SELECT * FROM " + std::string(t.name) + " WHERE 1 = 0");
        ASSERT_EQ(r.fields().size(), t.columns.size()) << t.name;
        for (std::size_t i = 0; i < t.columns.size(); ++i)
            EXPECT_EQ(r.fields()[i], schema::toFieldDesc(t.columns[i])) << t.name;
    }
    // The SQL functions the module's texts call are there.
    EXPECT_EQ(db->query("SELECT INSTR(NVL(NULL, 'ab'), 'b') AS N").value(0, "N"), Variant(2));
}

TEST_P(MigrationsTest, ApplyingAgainChangesNothing) {
    schema::applyMigrations(*db);
    db->execute("INSERT INTO PAIS (CDPAIS, NMPAIS) VALUES ('0055', 'Brasil')");
    EXPECT_EQ(schema::applyMigrations(*db), schema::latestSchemaVersion());
    EXPECT_EQ(versionRows(), static_cast<std::int64_t>(schema::migrations().size()));
    EXPECT_EQ(db->query("SELECT NMPAIS FROM PAIS").value(0, "NMPAIS"), Variant("Brasil"));
}

TEST_P(MigrationsTest, LaterMigrationsApplyOnceAndFailuresRollBack) {
    schema::applyMigrations(*db);
    const int base = schema::latestSchemaVersion();
    static constexpr schema::Step kAdd[] = {
        {schema::StepKind::AddColumn, "CLIENTE", "NMFANTCLIE"}, // already there: skipped
        {schema::StepKind::Sql,
         {},
         {},
         "CREATE TABLE TMP_EXTRA (A INTEGER)",
         "CREATE TABLE TMP_EXTRA (A INTEGER)"},
        {schema::StepKind::CreateIndex, "IX_CLIENTE_RAZSOC"},
    };
    static constexpr schema::Step kBroken[] = {
        {schema::StepKind::Sql,
         {},
         {},
         "CREATE TABLE TMP_BROKEN (A INTEGER)",
         "CREATE TABLE TMP_BROKEN (A INTEGER)"},
        {schema::StepKind::Sql, {}, {}, "SELECT * FROM NAO_EXISTE", "SELECT * FROM NAO_EXISTE"},
    };
    const schema::Migration good[] = {{base + 1, "Extra", kAdd}};
    EXPECT_EQ(schema::applyMigrations(*db, good), base + 1);
    EXPECT_EQ(schema::applyMigrations(*db, good), base + 1);
    EXPECT_NO_THROW(db->query("SELECT A FROM TMP_EXTRA"));

    const schema::Migration broken[] = {{base + 2, "Quebrada", kBroken}};
    EXPECT_THROW(schema::applyMigrations(*db, broken), DbError);
    EXPECT_EQ(schema::schemaVersion(*db), base + 1);
    EXPECT_THROW(db->query("SELECT A FROM TMP_BROKEN"), DbError);
}

TEST_P(MigrationsTest, TheDatabaseRefusesValuesTheSchemaDoesNot) {
    schema::applyMigrations(*db);
    const std::string insert = "INSERT INTO CLIENTE (CDCLIENTE, NMRAZSOCCLIE) VALUES (:C, :N)";
    EXPECT_EQ(db->execute(insert, {{"C", "J1"}, {"N", std::string(100, 'x')}}), 1);
    try {
        db->execute(insert, {{"C", "J2"}, {"N", std::string(101, 'x')}});
        FAIL() << "razão social com 101 caracteres aceita";
    } catch (const DbError& e) {
        EXPECT_EQ(e.kind(), DbErrorKind::CheckViolation);
    }
    EXPECT_THROW(db->execute(insert, {{"C", Variant()}, {"N", "x"}}), DbError);
}

VQ_FOR_BOTH_DIALECTS(MigrationsTest);

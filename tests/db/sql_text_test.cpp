#include "platform/db/sql_text.h"

#include <gtest/gtest.h>

using namespace vq::db;

TEST(SqlText, ParametersAreNamedOnceInOrderAndIgnoredInsideQuotesCommentsAndCasts) {
    const char* sql =
        "SELECT ':P_NO', \":P_NO\" -- :P_NO\n"
        "/* :P_NO */ FROM T WHERE A = :p_b AND B = :P_A AND C = :P_B AND D = x::text AND E[1:2] = 0";
    EXPECT_EQ(parameterNames(sql), (std::vector<std::string>{"P_B", "P_A"}));
}

TEST(SqlText, PlaceholdersAreNumberedPerNameForEachDriver) {
    const char* sql = "SELECT * FROM ESTADO WHERE (CDPAIS = :P_CDPAIS OR :P_TCDPAIS = 'T') AND X = :P_CDPAIS";
    const BoundSql lite = bindPlaceholders(sql, Dialect::SQLite);
    EXPECT_EQ(lite.text, "SELECT * FROM ESTADO WHERE (CDPAIS = ?1 OR ?2 = 'T') AND X = ?1");
    EXPECT_EQ(lite.params, (std::vector<std::string>{"P_CDPAIS", "P_TCDPAIS"}));
    const BoundSql pg = bindPlaceholders(sql, Dialect::PostgreSQL);
    EXPECT_EQ(pg.text, "SELECT * FROM ESTADO WHERE (CDPAIS = $1 OR $2 = 'T') AND X = $1");
}

TEST(SqlText, QuotedTextIsNeverRewritten) {
    // An apostrophe doubled inside a literal and a dollar-quoted body keep their parameter-like text.
    const BoundSql pg = bindPlaceholders("SELECT 'it''s :X', $f$ :Y $f$, :Z", Dialect::PostgreSQL);
    EXPECT_EQ(pg.text, "SELECT 'it''s :X', $f$ :Y $f$, $1");
    EXPECT_EQ(pg.params, (std::vector<std::string>{"Z"}));
    // An unterminated literal swallows the rest rather than exposing it.
    EXPECT_TRUE(bindPlaceholders("SELECT 'abc :X", Dialect::SQLite).params.empty());
}

TEST(SqlText, IsNullCallBecomesIfNullOnSqliteOnly) {
    const char* sql =
        "SELECT ISNULL (:P_CDEMPRESA, CDEMPRESA), x ISNULL, isnull/*c*/(a, b), T.ISNULL(1), 'ISNULL('";
    EXPECT_EQ(bindPlaceholders(sql, Dialect::SQLite).text,
              "SELECT IFNULL (?1, CDEMPRESA), x ISNULL, IFNULL/*c*/(a, b), T.ISNULL(1), 'ISNULL('");
    EXPECT_EQ(bindPlaceholders("SELECT ISNULL(a, b)", Dialect::PostgreSQL).text, "SELECT ISNULL(a, b)");
    EXPECT_EQ(bindPlaceholders("SELECT a FROM t WHERE a ISNULL", Dialect::SQLite).text,
              "SELECT a FROM t WHERE a ISNULL");
}

TEST(SqlText, ReadOnlyAcceptsOneSelectAndRefusesWrites) {
    EXPECT_TRUE(isReadOnlyQuery("  -- lookup\n SELECT CDPAIS FROM PAIS WHERE NMPAIS = 'DELETE';"));
    EXPECT_TRUE(isReadOnlyQuery("WITH X AS (SELECT 1 AS A) SELECT A FROM X"));
    EXPECT_TRUE(isReadOnlyQuery("SELECT REPLACE(NMPAIS, 'a', 'b') FROM PAIS"));
    EXPECT_FALSE(isReadOnlyQuery("DELETE FROM PAIS"));
    EXPECT_FALSE(isReadOnlyQuery("SELECT 1; DELETE FROM PAIS"));
    EXPECT_FALSE(isReadOnlyQuery("WITH X AS (DELETE FROM PAIS RETURNING *) SELECT * FROM X"));
    EXPECT_FALSE(isReadOnlyQuery("SELECT * INTO COPIA FROM PAIS"));
    EXPECT_FALSE(isReadOnlyQuery("PRAGMA writable_schema = 1"));
    EXPECT_FALSE(isReadOnlyQuery(""));
}

TEST(SqlText, SeveralStatements) {
    EXPECT_FALSE(hasSeveralStatements("SELECT 1;  -- fim\n"));
    EXPECT_FALSE(hasSeveralStatements("SELECT ';DROP'"));
    EXPECT_TRUE(hasSeveralStatements("SELECT 1; SELECT 2"));
}

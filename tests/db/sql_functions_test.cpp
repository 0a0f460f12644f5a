// The SQL functions the module's texts call behave alike on both databases.

#include "platform/db/connection.h"
#include "platform/db/sql_functions.h"
#include "test_databases.h"

using namespace vq;
using namespace vq::db;
using vq::test::DialectTest;

namespace {

class SqlFunctionsTest : public DialectTest {
protected:
    void SetUp() override {
        DialectTest::SetUp();
        if (IsSkipped())
            return;
        db = open();
        if (db->dialect() == Dialect::PostgreSQL)
            for (std::string_view sql : postgresFunctionStatements())
                db->execute(sql);
        db->execute("CREATE TABLE ESTADO (CDPAIS VARCHAR(4), SGESTADO VARCHAR(2), NMESTADO VARCHAR(30))");
        db->execute(
            "INSERT INTO ESTADO VALUES ('0055', 'SP', 'São Paulo'), ('0055', 'RJ', 'Rio de Janeiro'), "
            "('0595', 'AS', 'Asunción')");
    }

    Variant scalar(const std::string& expr, const Params& params = {}) {
        return db->query("SELECT " + expr + " AS V", params).value(0, "V");
    }

    std::vector<std::string> states(const std::string& sql, const Params& params) {
        std::vector<std::string> out;
        const ResultSet r = db->query(sql, params);
        for (const Row& row : r.rows())
            out.push_back(row[0].toString());
        return out;
    }

    std::unique_ptr<Connection> db;
};

} // namespace

TEST_P(SqlFunctionsTest, NullReplacements) {
    EXPECT_EQ(scalar("NVL(NULL, 'b')"), Variant("b"));
    EXPECT_EQ(scalar("NVL('a', 'b')"), Variant("a"));
    EXPECT_EQ(scalar("NVL(:P, 'x')", {{"P", Variant()}}), Variant("x"));
    EXPECT_EQ(scalar("NVL(:P, :Q)", {{"P", Variant()}, {"Q", "q"}}), Variant("q"));
    EXPECT_EQ(scalar("ISNULL(NULL, 'b')"), Variant("b"));
    EXPECT_EQ(scalar("NVLSTR('', 'b')"), Variant("b"));
    EXPECT_EQ(scalar("NVLSTR(NULL, 'b')"), Variant("b"));
    EXPECT_EQ(scalar("NVLSTR(' ', 'b')"), Variant(" "));
    EXPECT_EQ(scalar("NVLSTR(:P, 'b')", {{"P", ""}}), Variant("b"));
}

TEST_P(SqlFunctionsTest, PositionsCountCharacters) {
    EXPECT_EQ(scalar("INSTR('_0055_0001_', '0001')"), Variant(7));
    EXPECT_EQ(scalar("INSTR('ação', 'ç')"), Variant(2));
    EXPECT_EQ(scalar("INSTR('abc', 'z')"), Variant(0));
    EXPECT_EQ(scalar("INSTR('abc', '')"), Variant(1));
    EXPECT_TRUE(scalar("INSTR(NULL, 'a')").isNull());
    EXPECT_EQ(scalar("CHARINDEX('0001', '_0055_0001_')"), Variant(7));
    EXPECT_EQ(scalar("CHARINDEX('', 'abc')"), Variant(0));
    EXPECT_EQ(scalar("CHARINDEX(:P, :Q)", {{"P", "ç"}, {"Q", "ação"}}), Variant(2));
    EXPECT_TRUE(scalar("CHARINDEX(:P, 'abc')", {{"P", Variant()}}).isNull());
}

TEST_P(SqlFunctionsTest, StoredQueryTextsRunAsWritten) {
    // The company lookup: a null parameter lists everything.
    const std::string byIsNull =
        "SELECT SGESTADO FROM ESTADO E WHERE (SGESTADO = ISNULL(:P_SGESTADO, SGESTADO)) ORDER BY SGESTADO";
    EXPECT_EQ(states(byIsNull, {{"P_SGESTADO", Variant()}}), (std::vector<std::string>{"AS", "RJ", "SP"}));
    EXPECT_EQ(states(byIsNull, {{"P_SGESTADO", "RJ"}}), (std::vector<std::string>{"RJ"}));

    // States of the countries in an all-or-list selection, reading the list through the PARAM table.
    const std::string byList = "SELECT ES.SGESTADO FROM ESTADO ES, PARAM(:P_CDPAIS) P_CDPAIS "
                               "WHERE (INSTR(P_CDPAIS.PARAM, ES.CDPAIS) > 0 OR :P_TCDPAIS = 'T') "
                               "ORDER BY ES.SGESTADO";
    EXPECT_EQ(states(byList, {{"P_CDPAIS", "_0595_"}, {"P_TCDPAIS", ""}}), (std::vector<std::string>{"AS"}));
    EXPECT_EQ(states(byList, {{"P_CDPAIS", ""}, {"P_TCDPAIS", "T"}}).size(), 3u);
    EXPECT_TRUE(states(byList, {{"P_CDPAIS", "_0001_"}, {"P_TCDPAIS", ""}}).empty());

    // An optional restriction: an empty parameter means "any".
    const std::string byOptional = "SELECT SGESTADO FROM ESTADO WHERE CDPAIS = '0055' AND "
                                   "SGESTADO = NVLSTR(PARAM(:P_SGESTADO), SGESTADO) ORDER BY SGESTADO";
    EXPECT_EQ(states(byOptional, {{"P_SGESTADO", ""}}), (std::vector<std::string>{"RJ", "SP"}));
    EXPECT_EQ(states(byOptional, {{"P_SGESTADO", "SP"}}), (std::vector<std::string>{"SP"}));
}

VQ_FOR_BOTH_DIALECTS(SqlFunctionsTest);

// GetMesmaRaiz on SQLite and PostgreSQL: the companies sharing a CNPJ root with a number, and the plan
// that shows its one query reads the root index.

#include "server/core/lookups.h"
#include "tests/server/seeded_server.h"

namespace vq::test {
namespace {

struct Company {
    const char* code;
    const char* kind;
    const char* name;
};

// Roots the seed does not use: numeric 11222333 (with a person's CPF starting alike) and alphanumeric
// 12ABC345; 99888777 is one branch alone.
constexpr Company kCompanies[] = {
    {"J11222333000181", "J", "Matriz Numérica Ltda"}, {"J11222333000262", "J", "Filial Numérica Ltda"},
    {"F11222333444", "F", "Pessoa Com Raiz Igual"},   {"J12ABC34501DE35", "J", "Matriz Alfa Ltda"},
    {"J12ABC34502AB10", "J", "Filial Alfa Ltda"},     {"J99888777000100", "J", "Outra Empresa Ltda"},
};

class SameRootTest : public SeededServerTest {
protected:
    void SetUp() override {
        SeededServerTest::SetUp();
        if (!server_)
            return;
        removeCompanies();
        auto& db = server_->db();
        const db::ResultSet town = db.query(
            "SELECT CDPAIS, SGESTADO, CDMUNICIPIO, NMMUNICIPIO FROM MUNICIPIO ORDER BY CDPAIS, SGESTADO, "
            "CDMUNICIPIO");
        town_ = town.value(0, "NMMUNICIPIO").toString();
        for (const Company& c : kCompanies) {
            const std::string number = std::string(c.code).substr(1);
            db.execute(
                "INSERT INTO CLIENTE (CDCLIENTE, IDTPIJURINFO, NRINSJURINFO, IDTPIJURCLIE, NRINSJURCLIE, "
                "NMRAZSOCCLIE) VALUES (:C, :K, :N, :K, :N, :R)",
                {{"C", c.code}, {"K", c.kind}, {"N", number}, {"R", c.name}});
        }
        // Only the numeric head office has a normal address.
        db.execute("INSERT INTO ENDECLIE (CDCLIENTE, IDTPENDECLIE, CDPAIS, SGESTADO, CDMUNICIPIO) VALUES "
                   "('J11222333000181', 'P', :P, :E, :M)",
                   {{"P", town.value(0, "CDPAIS")},
                    {"E", town.value(0, "SGESTADO")},
                    {"M", town.value(0, "CDMUNICIPIO")}});
    }
    void TearDown() override {
        if (server_)
            removeCompanies();
    }
    void removeCompanies() {
        for (const Company& c : kCompanies) {
            server_->db().execute("DELETE FROM ENDECLIE WHERE CDCLIENTE = :C", {{"C", c.code}});
            server_->db().execute("DELETE FROM CLIENTE WHERE CDCLIENTE = :C", {{"C", c.code}});
        }
    }
    std::vector<std::string> codes(const DataPacket& p) {
        std::vector<std::string> out;
        for (std::size_t i = 0; i < p.rowCount(); ++i)
            out.push_back(fieldOf(p, i, "CDCLIENTE").toString());
        return out;
    }
    std::string town_;
};

TEST_P(SameRootTest, NumericCnpjListsTheCompanysOtherBranchesWithTheirMunicipality) {
    const DataPacket p = rows("GetMesmaRaiz", {"11.222.333/0003-43"});
    EXPECT_EQ(fieldNames(p), (std::vector<std::string>{"CDCLIENTE", "NMRAZSOCCLIE", "NMMUNICIPIO"}));
    // The person whose CPF starts with the same digits is no branch.
    ASSERT_EQ(codes(p), (std::vector<std::string>{"J11222333000181", "J11222333000262"}));
    EXPECT_EQ(fieldOf(p, 0, "NMRAZSOCCLIE"), Variant("Matriz Numérica Ltda"));
    EXPECT_EQ(fieldOf(p, 0, "NMMUNICIPIO"), Variant(town_));
    EXPECT_TRUE(fieldOf(p, 1, "NMMUNICIPIO").isNull());
}

TEST_P(SameRootTest, AlphanumericCnpjMatchesItsLettersWhateverTheCase) {
    EXPECT_EQ(codes(rows("GetMesmaRaiz", {"12.abc.345/0003-99"})),
              (std::vector<std::string>{"J12ABC34501DE35", "J12ABC34502AB10"}));
}

TEST_P(SameRootTest, TheNumbersOwnCustomerIsLeftOutWhenEditing) {
    EXPECT_EQ(codes(rows("GetMesmaRaiz", {"11222333000262"})), std::vector<std::string>{"J11222333000181"});
    EXPECT_EQ(codes(rows("GetMesmaRaiz", {"12ABC34501DE35"})), std::vector<std::string>{"J12ABC34502AB10"});
    EXPECT_EQ(rows("GetMesmaRaiz", {"99888777000100"}).rowCount(), 0u);
}

TEST_P(SameRootTest, NoCnpjNoRows) {
    for (const char* number : {"112.223.334-44", "11222333444", "", "1122233", "112223330001AB"}) {
        const DataPacket p = rows("GetMesmaRaiz", {number});
        EXPECT_EQ(p.rowCount(), 0u) << number;
        EXPECT_EQ(p.fields().size(), 3u) << number;
    }
    EXPECT_TRUE(call("GetMesmaRaiz", {}).is(VariantKind::ServerError));
}

// The lookup's own statement, planned by each database. PostgreSQL prefers a sequential scan of a table
// this small, so the test forbids it: a plan that still cannot use the index would then fail.
TEST_P(SameRootTest, TheQueryReadsTheRootIndex) {
    auto& db = server_->db();
    const std::string sql = server::requireLookup("GetMesmaRaiz").provider().selectSql();
    const db::Params params{{"P_RAIZ", "11222333"}, {"P_NRINSJURCLIE", "11222333000343"}};
    std::string plan;
    if (db.dialect() == db::Dialect::SQLite) {
        for (const auto& row : db.query("EXPLAIN QUERY PLAN " + sql, params).rows())
            plan += row.back().toString() + "\n";
    } else {
        db.execute("SET enable_seqscan = off");
        for (const auto& row : db.query("EXPLAIN " + sql, params).rows())
            plan += row.front().toString() + "\n";
        db.execute("SET enable_seqscan = on");
    }
    std::string lower;
    for (const char c : plan)
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_NE(lower.find("ix_cliente_raizcnpj"), std::string::npos) << plan;
}

INSTANTIATE_TEST_SUITE_P(Db, SameRootTest, ::testing::Values(db::Dialect::SQLite, db::Dialect::PostgreSQL),
                         dialectName);

} // namespace
} // namespace vq::test

// The demo data: valid tax numbers, names fitted to their columns, determinism, and a database in which
// every code a customer holds can be looked up.

#include "framework/validation/consiste.h"
#include "framework/validation/lib71800.h"
#include "platform/data/error.h"
#include "platform/data/utf8.h"
#include "server/seed/check_digits.h"
#include "server/seed/reference_data.h"
#include "server/seed/rng.h"
#include "server/seed/seed_database.h"
#include "server/seed/text_fit.h"
#include "tests/server/server_fixture.h"

#include <functional>

namespace vq::test {
namespace {

TEST(SeedCheckDigits, AgreeWithTheFrameworkValidation) {
    seed::Rng rng(42);
    for (int i = 0; i < 2000; ++i) {
        EXPECT_TRUE(Consiste::CPFOk(seed::cpfWithCheckDigits(rng.digits(9))));
        EXPECT_TRUE(Consiste::CGCOk(seed::cnpjWithCheckDigits(rng.digits(8) + "0001")));
        EXPECT_TRUE(
            Lib71800::ConsisteInscEstad("SP", seed::spStateRegistration(rng.digits(8), rng.digits(2))));
    }
    EXPECT_EQ(seed::cnpjWithCheckDigits("112223330001"), "11222333000181");
    EXPECT_THROW(seed::cpfWithCheckDigits("12345"), std::invalid_argument);
}

TEST(SeedNames, LongNamesAreShortenedToValidTextThatFits) {
    for (const auto& bank : seed::loadBanks()) {
        const std::string fitted = seed::fitName(bank.name, 30);
        EXPECT_LE(utf8Length(fitted), 30u) << bank.name;
        EXPECT_TRUE(isValidUtf8(fitted)) << bank.name;
        EXPECT_FALSE(fitted.empty());
    }
    EXPECT_EQ(seed::fitName("Banco do Brasil S.A.", 30), "Banco do Brasil S.A.");
    EXPECT_EQ(seed::fitName("BANCO COOPERATIVO SICREDI S.A.", 30), "BANCO COOPERATIVO SICREDI S.A.");
    EXPECT_EQ(seed::fitName("Vila Bela da Santíssima Trindade", 30), "Vila Bela da Sant. Trindade");
    EXPECT_EQ(seed::fitName("ÁÉÍÓÚÇÃÕÂÊ", 4), "ÁÉÍÓ"); // one long word: cut between characters
}

TEST(SeedCountries, BrazilKeepsTheModuleCodeAndOthersTheirIsoNumber) {
    const auto countries = seed::loadCountries();
    const auto find = [&](std::string_view iso) {
        return std::find_if(countries.begin(), countries.end(), [&](const auto& c) { return c.iso2 == iso; });
    };
    EXPECT_EQ(find("BR")->code, "0055");
    EXPECT_EQ(find("AR")->code, "0032");
    EXPECT_EQ(find("US")->code, "0840");
    for (std::size_t i = 1; i < countries.size(); ++i)
        EXPECT_LT(countries[i - 1].code, countries[i].code); // unique, sorted
}

// Collects a digest of everything generated.
class DigestSink : public seed::RowSink {
public:
    void beginTable(std::string_view table, std::vector<std::string>) override { mix(std::string(table)); }
    void row(Row values) override {
        for (const auto& v : values)
            mix(v.describe());
        ++rows;
    }
    void endTable() override {}
    std::size_t digest = 0, rows = 0;

private:
    void mix(const std::string& s) { digest = digest * 1099511628211ULL ^ std::hash<std::string>{}(s); }
};

TEST(SeedGenerator, SameOptionsSameRows) {
    DigestSink a, b, c;
    seed::generateCustomers(a, {200});
    seed::generateCustomers(b, {200});
    seed::generateCustomers(c, {200, 7});
    EXPECT_EQ(a.digest, b.digest);
    EXPECT_EQ(a.rows, b.rows);
    EXPECT_NE(a.digest, c.digest);
    EXPECT_EQ(seed::parseSeedSpec("demo")->customers, 1000);
    EXPECT_EQ(seed::parseSeedSpec("demo:25")->customers, 25);
    EXPECT_FALSE(seed::parseSeedSpec("demo:-1"));
    EXPECT_FALSE(seed::parseSeedSpec("demo:12x"));
    EXPECT_FALSE(seed::parseSeedSpec("prod"));
}

class SeedDatabaseTest : public ServerDbTest {};

TEST_P(SeedDatabaseTest, EveryCodeACustomerHoldsCanBeLookedUp) {
    const auto report = seed::seedDatabase(conn(), {120});
    EXPECT_EQ(report.rows.at("CLIENTE"), 120u);
    EXPECT_EQ(report.rows.at("ESTADO"), 27u);
    EXPECT_EQ(report.rows.at("MUNICIPIO"), 5571u);
    for (auto table : {"ENDECLIE", "INTECLIE", "CORINTECLI", "BANCOPREF", "PRECOBASECLI", "PRAZOPGTCLIE",
                       "SOCIOCLIE", "OBSERVCLIE", "BAIRRO", "PROSPECT", "VENDEDOR", "SERIENF", "CNAE"})
        EXPECT_GT(report.rows.count(table) ? report.rows.at(table) : 0, 0u) << table;

    // Each pair: customer-side column and the lookup it must find.
    const char* orphans[] = {
        "SELECT COUNT(*) FROM CLIENTE C LEFT JOIN VENDEDOR V ON V.CDVENDEDOR = C.CDVENDEDOR WHERE "
        "V.CDVENDEDOR IS NULL",
        "SELECT COUNT(*) FROM CLIENTE C LEFT JOIN ATIVCLIENTE A ON A.CDATIVCLI = C.CDATIVCLI WHERE "
        "A.CDATIVCLI IS NULL",
        "SELECT COUNT(*) FROM CLIENTE C LEFT JOIN CNAE N ON N.CDCNAE = C.CDCNAECLIE "
        "WHERE C.CDCNAECLIE IS NOT NULL AND N.CDCNAE IS NULL",
        "SELECT COUNT(*) FROM CLIENTE C LEFT JOIN SERIENF S ON S.CDEMPRESA = C.CDEMPRESA AND "
        "S.CDINSCESTA = C.CDINSCESTA AND S.CDINSCMUNI = C.CDINSCMUNI AND S.CDSERIE = C.CDSERIE "
        "WHERE C.CDSERIE <> '*' AND S.CDSERIE IS NULL",
        "SELECT COUNT(*) FROM CLIENTE C LEFT JOIN TRANSPORT T ON T.NRINSJURTRAN = C.NRINSJURTRAN "
        "WHERE C.NRINSJURTRAN IS NOT NULL AND T.NRINSJURTRAN IS NULL",
        "SELECT COUNT(*) FROM ENDECLIE E LEFT JOIN MUNICIPIO M ON M.CDPAIS = E.CDPAIS AND M.SGESTADO = "
        "E.SGESTADO "
        "AND M.CDMUNICIPIO = E.CDMUNICIPIO WHERE E.CDPAIS = '0055' AND M.CDMUNICIPIO IS NULL",
        "SELECT COUNT(*) FROM ENDECLIE E LEFT JOIN BAIRRO B ON B.CDPAIS = E.CDPAIS AND B.SGESTADO = "
        "E.SGESTADO "
        "AND B.CDMUNICIPIO = E.CDMUNICIPIO AND B.CDBAIRRO = E.CDBAIRRO WHERE E.CDBAIRRO IS NOT NULL AND "
        "B.CDBAIRRO IS NULL",
        "SELECT COUNT(*) FROM ENDECLIE E LEFT JOIN PAIS P ON P.CDPAIS = E.CDPAIS WHERE P.CDPAIS IS NULL",
        "SELECT COUNT(*) FROM BANCOPREF B LEFT JOIN CONTCORR C ON C.CDREDUCONT = B.CDREDUCONT "
        "AND C.CDBANCO = B.CDBANCO WHERE C.CDREDUCONT IS NULL",
    };
    for (const char* sql : orphans)
        EXPECT_EQ(scalar(sql).toInt(), 0) << sql;

    const auto ids = conn().query("SELECT IDTPIJURCLIE, NRINSJURCLIE, CDCLIENTE FROM CLIENTE");
    int people = 0, companies = 0;
    for (const auto& r : ids.rows()) {
        const std::string kind = r[0].toString(), number = r[1].toString();
        EXPECT_EQ(r[2].toString(), kind + number);
        EXPECT_TRUE(kind == "F" ? Consiste::CPFOk(number) : Consiste::CGCOk(number)) << number;
        (kind == "F" ? people : companies)++;
    }
    EXPECT_GT(people, 0);
    EXPECT_GT(companies, 0);
    for (auto kind : {"P", "C", "E", "X", "T"})
        EXPECT_GT(scalar("SELECT COUNT(*) FROM ENDECLIE WHERE IDTPENDECLIE = :P0", {kind}).toInt(), 0)
            << kind;

    EXPECT_THROW(seed::seedDatabase(conn(), {10}), Error); // never over existing customers
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM CLIENTE").toInt(), 120);
}

INSTANTIATE_TEST_SUITE_P(Db, SeedDatabaseTest,
                         ::testing::Values(db::Dialect::SQLite, db::Dialect::PostgreSQL), dialectName);

} // namespace
} // namespace vq::test

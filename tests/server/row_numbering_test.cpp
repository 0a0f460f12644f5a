// The invoice texts the customer form sends without a number are numbered by the save, per customer.

#include "platform/data/error.h"
#include "server/core/apply_delta.h"
#include "tests/server/server_fixture.h"

namespace vq::test {
namespace {

using server::applyDelta;
using server::requireProvider;

class RowNumberingTest : public ServerDbTest {
protected:
    const server::Provider& texts = requireProvider("dspMensCliente");

    void SetUp() override {
        ServerDbTest::SetUp();
        for (const char* code : {"J1", "J2"})
            exec("INSERT INTO CLIENTE (CDCLIENTE, NMRAZSOCCLIE, NMFANTCLIE) VALUES (:P0, 'Cliente', "
                 "'Cliente')",
                 {std::string(code)});
    }
    void insertTexts(const std::vector<std::pair<std::string, Variant>>& rows) {
        DeltaBuilder d(texts, {"CDCLIENTE", "NRMENSCLIENTE", "IDENTRSAIDMENS", "DSMENSCLIENTE"});
        for (const auto& [customer, number] : rows)
            d.insert({customer, number, "S", "Texto"});
        EXPECT_EQ(applyDelta(conn(), texts, d.delta()), rows.size());
    }
    std::string numbers(const std::string& customer) {
        std::string out;
        const auto rs = conn().query("SELECT NRMENSCLIENTE FROM MENSCLIENTE WHERE CDCLIENTE = :P0 ORDER BY "
                                     "NRMENSCLIENTE",
                                     {{"P0", Variant(customer)}});
        for (std::size_t r = 0; r < rs.rowCount(); ++r)
            out += (out.empty() ? "" : ",") + rs.value(r, "NRMENSCLIENTE").toString();
        return out;
    }
};

TEST_P(RowNumberingTest, TextsWithoutNumberTakeTheCustomersNextOne) {
    insertTexts({{"J1", Variant()}, {"J1", Variant()}, {"J2", Variant("")}});
    EXPECT_EQ(numbers("J1"), "00001,00002");
    EXPECT_EQ(numbers("J2"), "00001");
    insertTexts({{"J1", Variant("00007")}, {"J1", Variant("ABCDE")}});
    insertTexts({{"J1", Variant()}});
    EXPECT_EQ(numbers("J1"), "00001,00002,00007,00008,ABCDE"); // a given number stays; letters do not count
}

TEST_P(RowNumberingTest, AFailingRowTakesItsNumbersBack) {
    insertTexts({{"J1", Variant()}});
    DeltaBuilder d(texts, {"CDCLIENTE", "NRMENSCLIENTE", "DSMENSCLIENTE"});
    d.insert({"J1", Variant(), "Novo"});
    d.insert({"J1", Variant("00001"), "Repetido"}); // the key exists
    EXPECT_THROW(applyDelta(conn(), texts, d.delta()), Error);
    EXPECT_EQ(numbers("J1"), "00001");
    insertTexts({{"J1", Variant()}});
    EXPECT_EQ(numbers("J1"), "00001,00002");
}

INSTANTIATE_TEST_SUITE_P(Db, RowNumberingTest,
                         ::testing::Values(db::Dialect::SQLite, db::Dialect::PostgreSQL), dialectName);

} // namespace
} // namespace vq::test

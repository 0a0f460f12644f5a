// The address lookups and the secondary-address deletion on SQLite and PostgreSQL: the geography texts
// the forms run, and ExcluirEndereco through the running server.

#include "services/geography_queries.h"
#include "tests/server/seeded_server.h"

namespace vq::test {
namespace {

namespace geo = services::geography;

class AddressMethodsTest : public SeededServerTest {
protected:
    // The rows of a geography text with its parameters, as "key=name" lines.
    std::vector<std::string> lookUp(const geo::QueryText& text, const db::Params& params) {
        return queryRows(text.name, text.sql, params, [](TADOIBQuery& q) {
            return q.FieldByName(q.Fields().at(0).name).AsString() + "=" +
                   q.FieldByName(q.Fields().at(1).name).AsString();
        });
    }
    std::int64_t addresses(const std::string& customer, const std::string& kind) {
        return count("SELECT COUNT(*) FROM ENDECLIE WHERE CDCLIENTE = :C AND IDTPENDECLIE = :K",
                     {{"C", Variant(customer)}, {"K", Variant(kind)}});
    }
};

TEST_P(AddressMethodsTest, GeographyLookupsGiveOneRowByKeyOrEveryRowOfTheParent) {
    const Variant none{std::string()};
    EXPECT_EQ(lookUp(geo::kPais, {{"P_CDPAIS", Variant("0055")}, {"P_TCDPAIS", none}}),
              std::vector<std::string>{"0055=Brasil"});
    EXPECT_EQ(lookUp(geo::kPais, {{"P_CDPAIS", Variant("55")}, {"P_TCDPAIS", none}}).size(), 0u);
    EXPECT_GT(lookUp(geo::kPais, {{"P_CDPAIS", none}, {"P_TCDPAIS", Variant("T")}}).size(), 200u);

    EXPECT_EQ(lookUp(geo::kEstado,
                     {{"P_CDPAIS", Variant("0055")}, {"P_SGESTADO", Variant("SP")}, {"P_TSGESTADO", none}}),
              std::vector<std::string>{"SP=São Paulo"});
    EXPECT_EQ(lookUp(geo::kEstado,
                     {{"P_CDPAIS", Variant("0055")}, {"P_SGESTADO", none}, {"P_TSGESTADO", Variant("T")}})
                  .size(),
              27u);
    // No country: no state, whatever the switch says.
    EXPECT_TRUE(
        lookUp(geo::kEstado, {{"P_CDPAIS", none}, {"P_SGESTADO", none}, {"P_TSGESTADO", Variant("T")}})
            .empty());

    EXPECT_EQ(lookUp(geo::kMunicipio, {{"P_CDPAIS", Variant("0055")},
                                       {"P_SGESTADO", Variant("SP")},
                                       {"P_CDMUNICIPIO", Variant("0001")},
                                       {"P_TCDMUNICIPIO", none}}),
              std::vector<std::string>{"0001=Adamantina"});
    const auto acre = lookUp(geo::kMunicipio, {{"P_CDPAIS", Variant("0055")},
                                               {"P_SGESTADO", Variant("AC")},
                                               {"P_CDMUNICIPIO", none},
                                               {"P_TCDMUNICIPIO", Variant("T")}});
    ASSERT_FALSE(acre.empty());
    EXPECT_EQ(acre.front(), "0001=Acrelândia");

    // The districts of a municipality the seed gave customers to.
    TADOIBQuery first(&server_->db());
    first.setSql("SELECT SGESTADO, CDMUNICIPIO FROM BAIRRO ORDER BY SGESTADO, CDMUNICIPIO");
    first.Open();
    ASSERT_FALSE(first.IsEmpty());
    const Variant uf(first.FieldByName("SGESTADO").AsString());
    const Variant municipality(first.FieldByName("CDMUNICIPIO").AsString());
    const std::int64_t districts =
        count("SELECT COUNT(*) FROM BAIRRO WHERE CDPAIS = '0055' AND SGESTADO = :U AND CDMUNICIPIO = :M",
              {{"U", uf}, {"M", municipality}});
    ASSERT_GT(districts, 0);
    EXPECT_EQ(static_cast<std::int64_t>(
                  lookUp(geo::kPesqBairro,
                         {{"P_CDPAIS", Variant("0055")}, {"P_SGESTADO", uf}, {"P_CDMUNICIPIO", municipality}})
                      .size()),
              districts);
}

TEST_P(AddressMethodsTest, ExcluirEnderecoDeletesOnlyTheAddressOfThatKind) {
    for (const char* kind : {"P", "C", "E", "T"})
        server_->db().execute(
            "INSERT INTO ENDECLIE (CDCLIENTE, IDTPENDECLIE, DSENDECLIE) VALUES ('JEX1', :K, 'Rua')",
            {{"K", Variant(kind)}});
    server_->db().execute("INSERT INTO ENDECLIE (CDCLIENTE, IDTPENDECLIE) VALUES ('JEX2', 'C')");

    EXPECT_EQ(call("ExcluirEndereco", {"JEX1", "C"}), Variant(VariantArray{Variant("S"), Variant("")}));
    EXPECT_EQ(addresses("JEX1", "C"), 0);
    EXPECT_EQ(addresses("JEX2", "C"), 1);
    EXPECT_EQ(addresses("JEX1", "E"), 1);
    EXPECT_EQ(addresses("JEX1", "P"), 1);

    // Nothing left of that kind: "N" with the text to show.
    EXPECT_EQ(call("ExcluirEndereco", {"JEX1", "C"}),
              Variant(VariantArray{Variant("N"), Variant("Endereço não encontrado.")}));
    EXPECT_EQ(call("ExcluirEndereco", {"JEX1", "X"}),
              Variant(VariantArray{Variant("N"), Variant("Endereço não encontrado.")}));

    // The normal address and unknown letters are refused with a text; nothing goes.
    for (const char* kind : {"P", "", "c", "CE", "%"}) {
        SCOPED_TRACE(kind);
        const Variant refused = call("ExcluirEndereco", {"JEX1", kind});
        ASSERT_TRUE(refused.is(VariantKind::String));
        EXPECT_NE(refused.asString().find("não pode ser excluído"), std::string::npos);
    }
    EXPECT_EQ(count("SELECT COUNT(*) FROM ENDECLIE WHERE CDCLIENTE = 'JEX1'"), 3);
    EXPECT_EQ(call("ExcluirEndereco", {"JEX1", "T"}), Variant(VariantArray{Variant("S"), Variant("")}));
    EXPECT_TRUE(call("ExcluirEndereco", {"JEX1"}).is(VariantKind::ServerError));
}

INSTANTIATE_TEST_SUITE_P(Db, AddressMethodsTest,
                         ::testing::Values(db::Dialect::SQLite, db::Dialect::PostgreSQL), dialectName);

} // namespace
} // namespace vq::test

// Provider declarations: every provider the customer module saves through exists, reads on both
// databases with the fields its dataset defines, and keeps joined descriptions read-only.

#include "platform/data/error.h"
#include "server/core/provider.h"
#include "tests/server/server_fixture.h"

#include <stdexcept>

namespace vq::test {
namespace {

constexpr std::string_view kModuleProviders[] = {
    "dspCliente",    "dspEndeClieNorm", "dspEndeClieCobr", "dspEndeExt", "dspEndeExp",
    "dspEndEntrega", "dspInterloc",     "dspCorres",       "dspObserv",  "dspPrazoPgtoClie",
    "dspBancoPref",  "dspPrecoBaseCli", "dspSocios",       "dspIndice",  "dspMensCliente",
    "dspContCtbl",   "dspOrigem"};

TEST(ProviderTable, NamesResolveWithoutRegardToCase) {
    for (auto name : kModuleProviders)
        EXPECT_NE(server::findProvider(name), nullptr) << name;
    EXPECT_EQ(&server::requireProvider("DSPCLIENTE"), server::findProvider("dspCliente"));
    try {
        server::requireProvider("dspNada");
        ADD_FAILURE();
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Provedor \"dspNada\" não existe no servidor.");
    }
}

TEST(ProviderTable, CustomerPacketCarriesEveryDatasetFieldWithJoinedDescriptionsReadOnly) {
    const auto& p = server::requireProvider("dspCliente");
    EXPECT_EQ(p.columns().size(), 167u);
    ASSERT_EQ(p.keyColumns().size(), 1u);
    EXPECT_EQ(p.keyColumns()[0]->name, "CDCLIENTE");
    for (auto name : {"DSATIVCLI", "NMRAZSOCVEN", "DSSEGMER", "NMPRODMATAPLIC", "OPERADOR", "NMEMPRESA"}) {
        ASSERT_NE(p.column(name), nullptr) << name;
        EXPECT_FALSE(p.column(name)->writable) << name;
    }
    EXPECT_TRUE(p.column("NMFANTCLIE")->writable);
    EXPECT_EQ(p.column("OPERADOR")->field, (FieldDesc{"OPERADOR", FieldType::String, 64}));
    EXPECT_EQ(p.column("NRINSJURCLIE")->field.size, 20);
    EXPECT_EQ(p.column("DTCADACLIE")->field.type, FieldType::DateTime);

    const auto& bank = server::requireProvider("dspBancoPref");
    EXPECT_FALSE(bank.column("NMBANCO")->writable);
    EXPECT_EQ(bank.column("NMINSCOBR1")->field.size, 100);
    EXPECT_EQ(server::requireProvider("dspEndeClieNorm").columns().size(), 28u);
    EXPECT_EQ(server::requireProvider("dspEndeClieCobr").columns().size(), 23u);
}

TEST(ProviderTable, DeclarationsTheSchemaRefutesAreRejected) {
    using server::Provider;
    using server::ProviderDef;
    EXPECT_THROW(Provider(ProviderDef{"x", "CLIENTE", "CDCLIENTE", "CDCLIENTE, NMPAIS", "", "", ""}),
                 std::logic_error);
    EXPECT_THROW(Provider(ProviderDef{"x", "NAOEXISTE", "A", "A", "", "", ""}), std::logic_error);
    EXPECT_THROW(Provider(ProviderDef{"x", "CLIENTE", "NMFANTCLIE", "CDCLIENTE", "", "", ""}),
                 std::logic_error);
    EXPECT_THROW(Provider(ProviderDef{"x", "CLIENTE", "CDCLIENTE", "CDCLIENTE, XPTO=1", "", "", ""}),
                 std::logic_error);

    // A column filled on insert must be a table column outside the packet, taken from one inside it.
    const auto derived = [](std::string_view columns, std::string_view insertFrom) {
        return Provider(ProviderDef{"x", "INDICE", "CDINDICE", columns, "", "", "", server::Writes::Confirmar,
                                    insertFrom});
    };
    EXPECT_EQ(derived("CDINDICE, NMINDICE", "SGINDICE=CDINDICE").derivedOnInsert().size(), 1u);
    EXPECT_THROW(derived("CDINDICE, SGINDICE", "SGINDICE=CDINDICE"), std::logic_error);
    EXPECT_THROW(derived("CDINDICE, NMINDICE", "SGINDICE=CDTPINDICE"), std::logic_error);
    EXPECT_THROW(derived("CDINDICE, NMINDICE", "NMPAIS=CDINDICE"), std::logic_error);
    EXPECT_THROW(derived("CDINDICE, NMINDICE", "SGINDICE"), std::logic_error);
}

class ProviderReadTest : public ServerDbTest {};

TEST_P(ProviderReadTest, EveryProviderReadsWithItsDeclaredFields) {
    exec("INSERT INTO PAIS (CDPAIS, NMPAIS) VALUES ('0055', 'Brasil')");
    exec("INSERT INTO MUNICIPIO (CDPAIS, SGESTADO, CDMUNICIPIO, NMMUNICIPIO) VALUES ('0055', 'SP', '0001', "
         "'Adamantina')");
    exec("INSERT INTO OPERADOR (CDOPERADOR, NMOPERADOR) VALUES ('OPER01', 'Maria Silva')");
    exec(
        "INSERT INTO CLIENTE (CDCLIENTE, NMRAZSOCCLIE, CDOPERINCLUSAO) VALUES ('J1', 'Alfa Ltda', 'OPER01')");
    exec("INSERT INTO ENDECLIE (CDCLIENTE, IDTPENDECLIE, CDPAIS, SGESTADO, CDMUNICIPIO) VALUES "
         "('J1', 'P', '0055', 'SP', '0001'), ('J1', 'C', '0055', 'SP', '0002')");
    const db::Params params{{"P_CDCLIENTE", "J1"},   {"P_CDINTECLIE", "01"}, {"P_CDPROSPECT", "P1"},
                            {"P_IDTPENDECLIE", "C"}, {"P_CDINTEPROS", "01"}, {"P_NRCONTATO", "1"}};
    for (const auto& p : server::providers()) {
        SCOPED_TRACE(p.name());
        const DataPacket packet = server::readPacket(conn(), p, {}, params);
        EXPECT_EQ(packet.fields(), p.fields());
    }
    const auto norm = server::readPacket(conn(), server::requireProvider("dspEndeClieNorm"), {}, params);
    ASSERT_EQ(norm.rowCount(), 1u);
    EXPECT_EQ(norm.row(0)[static_cast<std::size_t>(norm.fieldIndex("NMMUNICIPIO"))], Variant("Adamantina"));
    const auto cobr = server::readPacket(conn(), server::requireProvider("dspEndeClieCobr"), {}, params);
    ASSERT_EQ(cobr.rowCount(), 1u);
    EXPECT_TRUE(cobr.row(0)[static_cast<std::size_t>(cobr.fieldIndex("NMMUNICIPIO"))].isNull());
    const auto cli = server::readPacket(conn(), server::requireProvider("dspCliente"));
    EXPECT_EQ(cli.row(0)[static_cast<std::size_t>(cli.fieldIndex("OPERADOR"))],
              Variant("OPER01 - Maria Silva"));
}

INSTANTIATE_TEST_SUITE_P(Db, ProviderReadTest,
                         ::testing::Values(db::Dialect::SQLite, db::Dialect::PostgreSQL), dialectName);

} // namespace
} // namespace vq::test

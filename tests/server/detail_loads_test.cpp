// The loading methods of the customer form's datasets through the running server: packets that fit the
// client datasets, joined descriptions read but never written, the shaped answers, and Confirmar refusing
// what no provider owns.

#include "contract/customer_filter.h"
#include "customer/customer_datasets.h"
#include "platform/net/net_connection.h"
#include "server/core/app_server.h"
#include "services/app_server.h"
#include "tests/framework/services_test_support.h"
#include "tests/server/server_fixture.h"

#include <string>

namespace vq::test {
namespace {

class DetailLoadsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        file_ = std::make_unique<TempDbFile>();
        server::ServerConfig config;
        config.port = 0;
        config.databaseUrl = file_->url();
        config.threads = 2;
        config.seed = seed::SeedOptions{5};
        server_ = server::startServer(config);
        db::Connection db(file_->url());
        for (const char* sql : {
                 "INSERT INTO PAIS (CDPAIS, NMPAIS) VALUES ('9901', 'País Teste')",
                 "INSERT INTO MUNICIPIO (CDPAIS, SGESTADO, CDMUNICIPIO, NMMUNICIPIO) VALUES ('9901', 'ZZ', "
                 "'0001', 'Cidade Teste')",
                 "INSERT INTO CLIENTE (CDCLIENTE, NMRAZSOCCLIE) VALUES ('LD1', 'Leitura Ltda')",
                 "INSERT INTO ENDECLIE (CDCLIENTE, IDTPENDECLIE, CDPAIS, SGESTADO, CDMUNICIPIO, DSENDECLIE) "
                 "VALUES ('LD1', 'C', '9901', 'ZZ', '0001', 'Rua A')",
                 "INSERT INTO OPERADOR (CDOPERADOR, NMOPERADOR) VALUES ('OPLD', 'Operadora Teste')",
                 "INSERT INTO TIPOCORR (CDTIPOCORR, NMTIPOCORR) VALUES ('901', 'Correio Teste')",
                 "INSERT INTO INTECLIE (CDCLIENTE, CDINTECLIE, NMINTECLIE) VALUES ('LD1', '01', 'Ana')",
                 "INSERT INTO CORINTECLI (CDCLIENTE, CDINTECLIE, CDTIPOCORR) VALUES ('LD1', '01', '901')",
                 "INSERT INTO VENDEDOR (CDVENDEDOR, NMRAZSOCVEN) VALUES ('V901', 'Vendedor Teste')",
                 "INSERT INTO VENDADICCLIE (CDCLIENTE, CDVENDEDOR, VRPECOMVEN) VALUES ('LD1', 'V901', 2.5)",
                 "INSERT INTO CONTCTBL (CDCONTCTBL, NMCONTCTBL, CDNVCONTCTBL) VALUES ('8', 'Raiz', '1'), "
                 "('8.1', 'Filha', '2'), ('8.1.1', 'Neta', '3')",
             })
            db.execute(sql);
    }
    static void TearDownTestSuite() {
        server_.reset();
        file_.reset();
    }

    void SetUp() override {
        conn_.ServerName = "Vqm41200.rdmClientes";
        conn_.Port = server_->port();
        conn_.SetTimeout(60000);
    }

    Variant call(std::string_view method, VariantArray args) { return conn_.Call(method, args); }
    // A refused save is recorded instead of waiting on a dialog.
    MessageRecorder messages_;
    static std::int64_t count(const std::string& sql) {
        db::Connection db(file_->url());
        return db.query(sql).rows()[0][0].toInt();
    }
    static Variant valueOf(const DataPacket& p, std::size_t row, std::string_view field) {
        return p.row(row)[static_cast<std::size_t>(p.fieldIndex(field))];
    }

    static std::unique_ptr<TempDbFile> file_;
    static std::unique_ptr<server::ServerHandle> server_;
    net::TNetConnection conn_;
};

customer::CustomerServices plainServices() {
    customer::CustomerServices services;
    services.msg = [](std::string_view key) { return std::string(key); };
    return services;
}

std::unique_ptr<TempDbFile> DetailLoadsTest::file_;
std::unique_ptr<server::ServerHandle> DetailLoadsTest::server_;

// The client refuses a packet whose fields differ from its own: every load answers exactly its fields.
TEST_F(DetailLoadsTest, EveryLoadAnswersTheClientDatasetsOwnFields) {
    customer::CustomerDataSets sets(plainServices());
    const auto fieldsOf = [&](std::string_view name) { return sets.dataSet(name).fieldDescs(); };
    for (const customer::DataSetDescriptor& d : customer::customerDataSetDescriptors()) {
        if (d.loadMethod.empty() || d.name == "cdsCliente")
            continue;
        SCOPED_TRACE(std::string(d.name));
        Variant answer;
        if (d.loadMethod == "GetCorres")
            answer = call(d.loadMethod, {"LD1", "01"});
        else if (d.loadMethod == "GetContCtbl")
            answer = call(d.loadMethod, {"", "T", 9});
        else if (d.loadMethod == "GetRamoAtiv")
            answer = call(d.loadMethod, {"", "T", "9", ""});
        else if (d.loadMethod == "getRetECF")
            answer = call(d.loadMethod, {}).asArray().at(0);
        else if (d.loadMethod == "GetInfoPaginaDadosAdicionais")
            answer = call(d.loadMethod, {"", "T", "LD1"}).asArray().at(d.name == "cdsIndice" ? 1 : 2);
        else
            answer = call(d.loadMethod, {"LD1"});
        ASSERT_TRUE(answer.is(VariantKind::Packet)) << answer.describe();
        EXPECT_EQ(answer.asPacket().fields(), fieldsOf(d.name));
        EXPECT_NO_THROW(sets.dataSet(d.name).SetData(answer));
    }
}

TEST_F(DetailLoadsTest, DescriptionsAreJoinedAndNeverWritten) {
    const Variant cobr = call("GetEndeClieCobr", {"LD1"});
    ASSERT_EQ(cobr.asPacket().rowCount(), 1u);
    EXPECT_EQ(valueOf(cobr.asPacket(), 0, "NMPAIS"), Variant("País Teste"));
    EXPECT_EQ(valueOf(cobr.asPacket(), 0, "NMMUNICIPIO"), Variant("Cidade Teste"));
    EXPECT_EQ(call("GetEndeClieNorm", {"LD1"}).asPacket().rowCount(), 0u); // other kinds stay apart

    const Variant corres = call("GetCorres", {"LD1", "01"});
    ASSERT_EQ(corres.asPacket().rowCount(), 1u);
    EXPECT_EQ(valueOf(corres.asPacket(), 0, "NMTIPOCORR"), Variant("Correio Teste"));
    EXPECT_EQ(call("GetCorres", {"LD1", "02"}).asPacket().rowCount(), 0u);

    // The client changes a description beside a real change: the change is saved, the description
    // stays what its own table says.
    customer::CustomerDataSets sets(plainServices());
    contract::CustomerFilter filter;
    filter.customer = {false, "_LD1_"};
    sets.cdsCliente().SetData(call("GetCliente", contract::toArgs(filter)));
    ClientDataSet& ds = sets.cdsEndeClieCobr();
    ds.SetData(cobr);
    ds.Edit();
    ds.FieldByName("NMPAIS").SetValue(Variant("Outro"));
    ds.FieldByName("DSENDECLIE").SetValue(Variant("Rua B"));
    ds.Post();
    ASSERT_TRUE(services::applyUpdates(conn_, ds, "dspEndeClieCobr"));
    const Variant again = call("GetEndeClieCobr", {"LD1"});
    EXPECT_EQ(valueOf(again.asPacket(), 0, "DSENDECLIE"), Variant("Rua B"));
    EXPECT_EQ(valueOf(again.asPacket(), 0, "NMPAIS"), Variant("País Teste"));
    EXPECT_EQ(count("SELECT COUNT(*) FROM PAIS WHERE NMPAIS = 'Outro'"), 0);
}

TEST_F(DetailLoadsTest, ShapedAnswers) {
    // Additional data: the index named by the code unless all are asked for, and the customer's messages.
    const Variant all = call("GetInfoPaginaDadosAdicionais", {"", "T", "LD1"});
    ASSERT_TRUE(all.is(VariantKind::Array));
    EXPECT_EQ(all.asArray().at(0), Variant("S"));
    const auto indexes = all.asArray().at(1).asPacket().rowCount();
    EXPECT_GT(indexes, 1u);
    const Variant one = call("GetInfoPaginaDadosAdicionais", {"0001", "", "LD1"});
    EXPECT_EQ(one.asArray().at(1).asPacket().rowCount(), 1u);

    // Ledger accounts: all, one by code, and the mask's levels.
    EXPECT_EQ(call("GetContCtbl", {"8.1", "", 9}).asPacket().rowCount(), 1u);
    EXPECT_EQ(call("GetContCtbl", {"8.2", "", 9}).asPacket().rowCount(), 0u);
    const auto everyAccount = call("GetContCtbl", {"", "T", 9}).asPacket().rowCount();
    const auto twoLevels = call("GetContCtbl", {"", "T", "2"}).asPacket().rowCount();
    EXPECT_LT(twoLevels, everyAccount);
    EXPECT_EQ(call("GetContCtbl", {"8.1.1", "", 2}).asPacket().rowCount(), 0u);

    // ECF retention codes in code order, and the customers for the retention picker by name.
    const Variant ret = call("getRetECF", {});
    ASSERT_EQ(ret.asArray().size(), 2u);
    const DataPacket& codes = ret.asArray()[0].asPacket();
    ASSERT_GT(codes.rowCount(), 1u);
    for (std::size_t i = 1; i < codes.rowCount(); ++i)
        EXPECT_LE(valueOf(codes, i - 1, "CDRETECF").toString(), valueOf(codes, i, "CDRETECF").toString());
    EXPECT_EQ(static_cast<std::int64_t>(ret.asArray()[1].asPacket().rowCount()),
              count("SELECT COUNT(*) FROM CLIENTE"));

    // Additional salespeople, with the customer's and the salesperson's names.
    VariantArray args{"LD1"};
    const Variant sellers = conn_.Call("GetVendAdicClie", args);
    ASSERT_EQ(sellers.asPacket().rowCount(), 1u);
    EXPECT_EQ(valueOf(sellers.asPacket(), 0, "NMRAZSOCVEN"), Variant("Vendedor Teste"));
    EXPECT_EQ(valueOf(sellers.asPacket(), 0, "NMRAZSOCCLIE"), Variant("Leitura Ltda"));
    EXPECT_EQ(args[0], Variant("LD1"));
}

TEST_F(DetailLoadsTest, ConfirmarRefusesUnknownProvidersAndForeignColumnsWritingNothing) {
    const std::int64_t partners = count("SELECT COUNT(*) FROM SOCIOCLIE");
    const auto& socios = server::requireProvider("dspSocios");
    DeltaBuilder good(socios, {"CDCLIENTE", "NRSEQSOCCLIE", "NMSOCIOCLIE"});
    good.insert({"LD1", "01", "Sócio"});

    const Variant unknown = call("Confirmar", {good.variant(), "dspNaoExiste"});
    ASSERT_TRUE(unknown.is(VariantKind::ServerError));
    EXPECT_EQ(count("SELECT COUNT(*) FROM SOCIOCLIE"), partners);

    // A delta naming a column of another table: none of its rows is written.
    DeltaBuilder foreign(socios, {"CDCLIENTE", "NRSEQSOCCLIE", "NMSOCIOCLIE", "NMRAZSOCCLIE"});
    foreign.insert({"LD1", "02", "Sócio", "Outro"}).insert({"LD1", "03", "Sócio", "Outro"});
    const Variant refused = call("Confirmar", {foreign.variant(), "dspSocios"});
    ASSERT_TRUE(refused.is(VariantKind::ServerError));
    EXPECT_NE(refused.asServerError().message.find("NMRAZSOCCLIE"), std::string::npos);
    EXPECT_EQ(count("SELECT COUNT(*) FROM SOCIOCLIE"), partners);

    EXPECT_EQ(call("Confirmar", {good.variant(), "dspSocios"}), Variant(1));
    EXPECT_EQ(count("SELECT COUNT(*) FROM SOCIOCLIE"), partners + 1);
}

} // namespace
} // namespace vq::test

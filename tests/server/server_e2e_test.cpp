// The real server on a loopback port over a temporary SQLite file, called through TNetConnection.

#include "contract/customer_filter.h"
#include "platform/data/error.h"
#include "platform/db/transaction.h"
#include "platform/net/framing.h"
#include "platform/net/net_connection.h"
#include "platform/net/rpc_message.h"
#include "server/core/app_server.h"
#include "server/core/apply_delta.h"
#include "tests/server/server_fixture.h"

#include <asio.hpp>
#include <chrono>
#include <thread>

namespace vq::test {
namespace {

using namespace std::chrono_literals;

VariantArray allCustomers() {
    return contract::toArgs(contract::CustomerFilter{});
}

class ServerE2ETest : public ::testing::Test {
protected:
    void SetUp() override {
        config_.port = 0;
        config_.databaseUrl = file_.url();
        config_.threads = 2;
        config_.seed = seed::SeedOptions{30};
        server_ = server::startServer(config_);
        conn_.ServerName = "Vqm41200.rdmClientes";
        conn_.Port = server_->port();
        conn_.SetTimeout(60000);
    }

    Variant call(std::string_view method, VariantArray args) { return conn_.Call(method, args); }

    TempDbFile file_;
    server::ServerConfig config_;
    std::unique_ptr<server::ServerHandle> server_;
    net::TNetConnection conn_;
};

TEST_F(ServerE2ETest, ReadsAndSavesCustomersThroughTheModule) {
    const Variant all = call("GetCliente", allCustomers());
    ASSERT_TRUE(all.is(VariantKind::Packet)) << all.describe();
    const DataPacket& packet = all.asPacket();
    ASSERT_EQ(packet.rowCount(), 30u);
    const auto code = static_cast<std::size_t>(packet.fieldIndex("CDCLIENTE"));
    const auto fantasy = static_cast<std::size_t>(packet.fieldIndex("NMFANTCLIE"));
    const Row first = packet.row(0);

    DeltaBuilder d(server::requireProvider("dspCliente"), {"CDCLIENTE", "NMFANTCLIE"});
    d.modify({first[code], first[fantasy]}, {{"NMFANTCLIE", "Nome Novo"}});
    EXPECT_EQ(call("Confirmar", {d.variant(), "dspCliente"}), Variant(1));

    VariantArray one = allCustomers();
    one[0] = "_" + first[code].toString() + "_";
    one[1] = "";
    const Variant again = call("GetCliente", one);
    ASSERT_EQ(again.asPacket().rowCount(), 1u);
    EXPECT_EQ(again.asPacket().row(0)[fantasy], Variant("Nome Novo"));

    // The same stale change again is a conflict the caller sees as a server failure.
    const Variant stale = call("Confirmar", {d.variant(), "dspCliente"});
    ASSERT_TRUE(stale.is(VariantKind::ServerError));
    EXPECT_EQ(stale.asServerError().message, server::kConflictMessage);
}

TEST_F(ServerE2ETest, FailuresComeBackAsMessages) {
    DeltaBuilder d(server::requireProvider("dspCliente"), {"CDCLIENTE"});
    d.insert({"J1"});
    const Variant unknown = call("Confirmar", {d.variant(), "dspNada"});
    ASSERT_TRUE(unknown.is(VariantKind::ServerError));
    EXPECT_EQ(unknown.asServerError().message, "Provedor \"dspNada\" não existe no servidor.");
    EXPECT_TRUE(call("GetCliente", {"", "T"}).is(VariantKind::ServerError));

    net::TNetConnection email;
    email.ServerName = "VQM41203.rdmInfEmailClie";
    email.Port = server_->port();
    const Variant notDelta = email.Call("SetEmailClie", {"J1"});
    ASSERT_TRUE(notDelta.is(VariantKind::ServerError)); // a code is no change log
}

// Lists are read, never written; the import's provider is written by the import's own Confirmar only.
TEST_F(ServerE2ETest, ConfirmarWritesOnlyThroughProvidersThatSave) {
    db::Connection db(file_.url());
    const auto count = [&](const char* table) {
        return db.query(std::string("SELECT COUNT(*) FROM ") + table).rows()[0][0].toInt();
    };
    const auto expectRefused = [&](const Variant& answer, const std::string& message) {
        ASSERT_TRUE(answer.is(VariantKind::ServerError)) << answer.describe();
        EXPECT_EQ(answer.asServerError().message, message);
    };
    const std::int64_t retentions = count("RETECF");
    const std::int64_t customers = count("CLIENTE");
    const std::int64_t origins = count("MODODIVULG");

    DeltaBuilder ret(server::requireProvider("dspRetECF"), {"NRSEQUENCIAL", "CDRETECF", "DSRETECF"});
    ret.insert({9001.0, "9001", "Retenção nova"});
    expectRefused(call("Confirmar", {ret.variant(), "dspRetECF"}),
                  "O provedor dspRetECF é somente leitura; nada foi gravado.");
    DeltaBuilder listed(server::requireProvider("dspClientesECF"), {"CDCLIENTE", "NMRAZSOCCLIE"});
    listed.insert({"RO1", "Somente leitura"});
    expectRefused(call("Confirmar", {listed.variant(), "dspclientesecf"}),
                  "O provedor dspClientesECF é somente leitura; nada foi gravado.");
    DeltaBuilder origin(server::requireProvider("dspOrigem"), {"CDMODODIVULG", "NMMODODIVULG"});
    origin.insert({"99999", "Origem nova"});
    expectRefused(call("Confirmar", {origin.variant(), "dspOrigem"}),
                  "O provedor dspOrigem é somente leitura; nada foi gravado.");

    DeltaBuilder imported(server::requireProvider("dspImportCliente"),
                          {"CDCLIENTE", "NMRAZSOCCLIE", "IDTPIJURCLIE", "NRINSJURCLIE"});
    imported.insert({"IMP1", "Importado Ltda", "J", "00000000000191"});
    expectRefused(call("Confirmar", {imported.variant(), "dspImportCliente"}),
                  "O provedor dspImportCliente só é gravado pela importação de clientes; nada foi gravado.");
    EXPECT_EQ(count("RETECF"), retentions);
    EXPECT_EQ(count("CLIENTE"), customers);
    EXPECT_EQ(count("MODODIVULG"), origins);

    net::TNetConnection import;
    import.ServerName = "Vqm41204.rdmImportCliente";
    import.Port = server_->port();
    VariantArray args{imported.variant()};
    EXPECT_EQ(import.Call("Confirmar", args), Variant(1));
    EXPECT_EQ(count("CLIENTE"), customers + 1);
}

TEST_F(ServerE2ETest, SeedingIsRefusedOverCustomersUnlessAskedOnlyForAnEmptyDatabase) {
    server_->stop();
    EXPECT_THROW(server::startServer(config_), Error);
    config_.seedIfEmpty = true;
    auto restarted = server::startServer(config_);
    net::TNetConnection c;
    c.ServerName = "Vqm41200.rdmClientes";
    c.Port = restarted->port();
    VariantArray args = allCustomers();
    EXPECT_EQ(c.Call("GetCliente", args).asPacket().rowCount(), 30u);
}

TEST_F(ServerE2ETest, AClientLeavingMidCallLeavesNoOpenTransaction) {
    constexpr int kRows = 3000;
    DeltaBuilder d(server::requireProvider("dspInterloc"), {"CDCLIENTE", "CDINTECLIE", "NMINTECLIE"});
    for (int i = 0; i < kRows; ++i)
        d.insert({"X" + std::to_string(i), "01", "Contato " + std::to_string(i)});
    {
        asio::io_context io;
        asio::ip::tcp::socket socket(io);
        socket.connect({asio::ip::make_address("127.0.0.1"), server_->port()});
        const std::string frame = net::makeFrame(
            net::encodeRequest({7, "Vqm41200.rdmClientes", "Confirmar", {d.variant(), "dspInterloc"}}));
        asio::write(socket, asio::buffer(frame));
    } // closed without reading the answer

    db::Connection db(file_.url());
    std::int64_t written = 0;
    for (int i = 0; i < 600 && written != kRows; ++i) {
        std::this_thread::sleep_for(100ms);
        written = db.query("SELECT COUNT(*) FROM INTECLIE WHERE CDCLIENTE LIKE 'X%'").rows()[0][0].toInt();
    }
    EXPECT_EQ(written, kRows); // the call ran to its end and committed, all rows or none

    db::Transaction tx(db); // the database is not held by a forgotten transaction
    db.execute("DELETE FROM INTECLIE WHERE CDCLIENTE LIKE 'X%'");
    tx.commit();
    EXPECT_TRUE(call("GetCliente", allCustomers()).is(VariantKind::Packet));
}

} // namespace
} // namespace vq::test

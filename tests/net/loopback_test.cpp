// TNetConnection against a real RpcServer on the loopback interface.
#include "net_test_support.h"
#include "platform/data/error.h"
#include "platform/data/packet.h"

#include <atomic>
#include <csignal>
#include <future>
#include <gtest/gtest.h>
#include <thread>

using namespace vq;
using namespace vq::net;
using vq::net::test::TestServer;

namespace {

Variant packetValue() {
    auto p = std::make_shared<DataPacket>(std::vector<FieldDesc>{{"CDCLIENTE", FieldType::String, 21},
                                                                 {"VRLIMCREDCLI", FieldType::Float, 0},
                                                                 {"DTCADCLIE", FieldType::DateTime, 0},
                                                                 {"IDATIVO", FieldType::Boolean, 0}});
    p->addRow({"J11222333000181", 1500.75, DateTime{46363.5}, true});
    p->addRow({"F12345678909", nullptr, nullptr, false});
    return std::shared_ptr<const DataPacket>(std::move(p));
}

Variant deltaValue() {
    auto d = std::make_shared<Delta>(std::vector<FieldDesc>{{"CDCLIENTE", FieldType::String, 21},
                                                            {"NMRAZSOCCLIE", FieldType::String, 60}});
    d->addRow({UpdateStatus::Inserted, {}, {"J1", "Novo"}, {}});
    d->addRow({UpdateStatus::Modified, {"J2", "Velho"}, {}, {{1, "Ação Ltda"}}});
    d->addRow({UpdateStatus::Deleted, {"J3", "Fora"}, {}, {}});
    return std::shared_ptr<const Delta>(std::move(d));
}

struct QuietLogs : ::testing::Test {
    test::LogCapture logs;
};
using Loopback = QuietLogs;

} // namespace

TEST_F(Loopback, EveryVariantKindTravelsBothWays) {
    TestServer server;
    auto conn = server.connect();
    const Variant values[] = {Variant(),
                              true,
                              0,
                              INT64_MIN,
                              INT64_MAX,
                              -0.5,
                              "",
                              "Razão Social Ação 漢字",
                              DateTime{46363.75},
                              Bytes{std::string("\0\x01\xff", 3)},
                              VariantArray{1, "dois", VariantArray{3.0, Variant()}},
                              packetValue(),
                              deltaValue(),
                              ServerError{"erro anterior"}};
    for (const auto& v : values) {
        VariantArray args{v};
        const Variant result = conn->Call("Echo", args);
        EXPECT_EQ(result, v) << v.describe();
        EXPECT_EQ(result.kind(), v.kind()) << v.describe();
        EXPECT_EQ(args, VariantArray{v}) << v.describe();
    }
}

TEST_F(Loopback, ByReferenceArgumentsAreWrittenBackAndCallsObserved) {
    TestServer server;
    auto conn = server.connect();
    std::vector<std::string> seen;
    conn->OnCall = [&](std::string_view module, std::string_view method, const VariantArray& args) {
        seen.push_back(std::string(module) + "." + std::string(method) + "/" + std::to_string(args.size()));
    };
    VariantArray args{41, "valor"};
    EXPECT_EQ(conn->Call("Inc", args), Variant("ok"));
    EXPECT_EQ(args, (VariantArray{42, "valor"}));
    EXPECT_EQ(conn->Call("Add", {2, 3}), Variant(5));
    EXPECT_EQ(seen, (std::vector<std::string>{"Test.rdmTeste.Inc/2", "Test.rdmTeste.Add/2"}));
}

TEST_F(Loopback, ServerFailureIsAValueWhileConnectionFailureThrows) {
    TestServer server;
    auto conn = server.connect();
    VariantArray none;
    const Variant failed = conn->Call("Fail", none);
    ASSERT_TRUE(failed.is(VariantKind::ServerError));
    EXPECT_EQ(failed.asServerError().message, "Cliente já cadastrado.");
    EXPECT_TRUE(conn->Connected());

    // Nothing listens on the port of a stopped server.
    const auto port = server.port();
    server.server().stop();
    try {
        conn->Call("Add", {1, 1});
        FAIL() << "expected ConnectionError";
    } catch (const ConnectionError& e) {
        EXPECT_NE(std::string(e.what()).find("127.0.0.1:" + std::to_string(port)), std::string::npos)
            << e.what();
    }
    EXPECT_FALSE(conn->Connected());
}

TEST_F(Loopback, TimeoutClosesAndTheNextCallReconnects) {
    TestServer server;
    auto conn = server.connect(100);
    EXPECT_THROW(conn->Call("Sleep", {600}), ConnectionError);
    EXPECT_FALSE(conn->Connected());
    conn->SetTimeout(5000);
    EXPECT_EQ(conn->Call("Add", {20, 22}), Variant(42));
}

TEST_F(Loopback, CallsResumeAfterTheServerRestartsOnTheSamePort) {
    auto first = std::make_unique<TestServer>();
    const auto port = first->port();
    auto conn = first->connect();
    EXPECT_EQ(conn->Call("Add", {1, 2}), Variant(3));
    first.reset();

    ServerOptions again;
    again.port = port;
    TestServer second(again);
    EXPECT_EQ(conn->Call("Add", {3, 4}), Variant(7)); // the dead socket is noticed and replaced
}

TEST_F(Loopback, IdleConnectionsAreClosedByTheServerAndClientsReconnectQuietly) {
    ServerOptions opts;
    opts.idleTimeout = std::chrono::milliseconds(150);
    TestServer server(opts);
    auto conn = server.connect();
    EXPECT_EQ(conn->Call("Add", {1, 1}), Variant(2));
    for (int i = 0; i < 100 && server.server().connectionCount() > 0; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(server.server().connectionCount(), 0u);
    EXPECT_EQ(conn->Call("Add", {2, 2}), Variant(4));
}

TEST_F(Loopback, ManyClientsAtOnce) {
    ServerOptions opts;
    opts.threads = 3;
    TestServer server(opts);
    constexpr int kClients = 12, kCalls = 60;
    std::atomic<int> good{0};
    std::vector<std::thread> clients;
    for (int c = 0; c < kClients; ++c)
        clients.emplace_back([&, c] {
            auto conn = server.connect();
            for (int i = 0; i < kCalls; ++i) {
                VariantArray args{c * 1000 + i, "x"};
                if (conn->Call("Inc", args) == Variant("ok") && args[0] == Variant(c * 1000 + i + 1))
                    ++good;
            }
        });
    for (auto& t : clients)
        t.join();
    EXPECT_EQ(good.load(), kClients * kCalls);
}

TEST_F(Loopback, AnswersAboveOneFrameArriveWhole) {
    TestServer server;
    auto conn = server.connect(60000);
    const auto size = static_cast<std::int64_t>(kMaxFrameSize) + 10;
    const Variant big = conn->Call("Fill", {size});
    ASSERT_TRUE(big.is(VariantKind::String)) << big.describe();
    EXPECT_EQ(big.asString().size(), static_cast<std::size_t>(size));
    EXPECT_EQ(big.asString().find_first_not_of('x'), std::string::npos);
    EXPECT_EQ(conn->Call("Add", {1, 1}), Variant(2)); // the stream stays in step
}

TEST_F(Loopback, SecretIsRequiredWhenConfigured) {
    ServerOptions opts;
    opts.secret = "chave-compartilhada";
    TestServer server(opts);

    auto without = server.connect();
    const Variant refused = without->Call("Add", {1, 1});
    ASSERT_TRUE(refused.is(VariantKind::ServerError));
    EXPECT_NE(refused.asServerError().message.find("segredo"), std::string::npos);

    auto wrong = server.connect();
    wrong->SetSecret("outra");
    EXPECT_THROW(wrong->Open(), ConnectionError);
    EXPECT_FALSE(wrong->Connected());

    auto right = server.connect();
    right->SetSecret("chave-compartilhada");
    EXPECT_EQ(right->Call("Add", {1, 1}), Variant(2));

    // The operator travels in the same hello; naming another one says hello again on the next call.
    right->SetOperator("OPER01");
    EXPECT_FALSE(right->Connected());
    EXPECT_EQ(right->Call("WhoAmI", {}), Variant("OPER01@0"));
    right->SetOperator("OPER01");
    EXPECT_TRUE(right->Connected());
    right->SetOperator("OPER02");
    EXPECT_EQ(right->Call("WhoAmI", {}), Variant("OPER02@0"));
    right->SetErpModule(16);
    EXPECT_FALSE(right->Connected());
    EXPECT_EQ(right->Call("WhoAmI", {}), Variant("OPER02@16"));
}

TEST_F(Loopback, AnOperatorIsNamedEvenWhereNoSecretIsRequired) {
    TestServer server;
    auto conn = server.connect();
    EXPECT_EQ(conn->Call("WhoAmI", {}), Variant("@0"));
    // The owner brings the identity up to date before each call; a change says hello again.
    int module = 9;
    conn->BeforeCall = [&module](TNetConnection& c) { c.SetErpModule(module); };
    EXPECT_EQ(conn->Call("WhoAmI", {}), Variant("@9"));
    module = 64;
    EXPECT_EQ(conn->Call("WhoAmI", {}), Variant("@64"));
    conn->SetOperator("OPER01");
    EXPECT_EQ(conn->Call("WhoAmI", {}), Variant("OPER01@64"));
}

TEST_F(Loopback, GracefulStopLetsTheRunningCallAnswer) {
    std::promise<void> entered;
    std::promise<void> release;
    auto releaseFuture = release.get_future().share();
    static std::function<Variant()> blocker;
    blocker = [&entered, releaseFuture]() {
        entered.set_value();
        releaseFuture.wait();
        return Variant("terminou");
    };
    TestServer server({}, [](MethodRegistry& r) {
        r.add(test::kModule, "Block", {}, [](CallContext&, VariantArray&) { return blocker(); });
    });
    auto idle = server.connect();
    EXPECT_EQ(idle->Call("Add", {1, 1}), Variant(2));

    auto busy = server.connect();
    auto inFlight = std::async(std::launch::async, [&] {
        VariantArray none;
        return busy->Call("Block", none);
    });
    entered.get_future().wait();
    auto stopping = std::async(std::launch::async, [&] { server.server().stop(); });
    for (int i = 0; i < 100 && server.server().connectionCount() > 1; ++i) // the idle one goes first
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(server.server().connectionCount(), 1u);
    release.set_value();
    EXPECT_EQ(inFlight.get(), Variant("terminou"));
    stopping.get();
    EXPECT_FALSE(server.server().running());
    EXPECT_THROW(idle->Call("Add", {1, 1}), ConnectionError);
    blocker = nullptr;
}

TEST_F(Loopback, SignalStopsTheServerGracefully) {
    TestServer server;
    std::signal(
        SIGTERM, +[](int) {}); // harmless until the runner's own handler is installed
    auto runner = std::async(std::launch::async, [&] { return runUntilSignal(server.server()); });
    auto conn = server.connect();
    EXPECT_EQ(conn->Call("Add", {1, 1}), Variant(2));
    // Raised until the runner has its handler in place and returns.
    for (int i = 0; i < 50 && runner.wait_for(std::chrono::milliseconds(100)) != std::future_status::ready;
         ++i)
        std::raise(SIGTERM);
    ASSERT_EQ(runner.wait_for(std::chrono::seconds(5)), std::future_status::ready);
    EXPECT_EQ(runner.get(), SIGTERM);
    EXPECT_FALSE(server.server().running());
}

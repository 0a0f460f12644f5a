// Progress of a long call: only for a client that asks (others see the five-element request and no
// progress message), throttled on the server, moving the client's deadline, and abandoning the call when
// the client has gone.
#include "net_test_support.h"
#include "platform/data/error.h"
#include "platform/net/progress_throttle.h"
#include "platform/net/request_handler.h"
#include "platform/net/rpc_message.h"

#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

using namespace vq;
using namespace vq::net;
using namespace std::chrono_literals;
using vq::net::test::TestServer;

namespace {

std::atomic<bool> g_abandoned{false};

// Steps(n, ms): n steps of ms each, reporting after each. Endless(): reports until the client is gone.
void addProgressMethods(MethodRegistry& registry) {
    registry.add(test::kModule, "Steps", {ArgKind::Int, ArgKind::Int},
                 [](CallContext& ctx, VariantArray& args) {
                     const std::int64_t n = args[0].toInt();
                     for (std::int64_t i = 1; i <= n; ++i) {
                         std::this_thread::sleep_for(std::chrono::milliseconds(args[1].toInt()));
                         reportProgress(ctx, i, n);
                     }
                     return Variant(n);
                 });
    registry.add(test::kModule, "Endless", {}, [](CallContext& ctx, VariantArray&) {
        try {
            for (std::int64_t i = 0; i < 2000; ++i) {
                std::this_thread::sleep_for(5ms);
                reportProgress(ctx, i, 2000);
            }
        } catch (const ProgressLost&) {
            g_abandoned = true;
            throw;
        }
        return Variant(false);
    });
}

struct Progress : ::testing::Test {
    test::LogCapture logs;
};

} // namespace

TEST(ProgressThrottleTest, FirstAndLastAlwaysGoAndTheRestAtMostOncePerInterval) {
    ProgressThrottle t(100ms);
    const auto t0 = ProgressThrottle::Clock::time_point{};
    EXPECT_TRUE(t.due(500, 5000, t0));
    EXPECT_FALSE(t.due(1000, 5000, t0 + 50ms));
    EXPECT_FALSE(t.due(1500, 5000, t0 + 99ms));
    EXPECT_TRUE(t.due(2000, 5000, t0 + 100ms));
    EXPECT_FALSE(t.due(2500, 5000, t0 + 150ms));
    EXPECT_TRUE(t.due(5000, 5000, t0 + 160ms)); // the last one
}

TEST(ProgressMessageTest, OnlyACallThatAsksChangesTheRequestAndProgressDecodesStrictly) {
    RpcRequest plain{7, "M.m", "X", {Variant(1)}};
    const std::string bytes = encodeRequest(plain);
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0x95u); // five elements, as before
    EXPECT_FALSE(decodeRequest(bytes).wantsProgress);
    plain.wantsProgress = true;
    const std::string asking = encodeRequest(plain);
    EXPECT_EQ(static_cast<unsigned char>(asking[0]), 0x96u);
    EXPECT_EQ(static_cast<unsigned char>(asking.back()), 0xc3u);
    EXPECT_TRUE(decodeRequest(asking).wantsProgress);
    EXPECT_EQ(recoverRequestId(asking), 7u);

    const auto message = decodeServerMessage(encodeProgress({7, 1200, 5000}));
    const auto& p = std::get<RpcProgress>(message);
    EXPECT_EQ(p.id, 7u);
    EXPECT_EQ(p.done, 1200);
    EXPECT_EQ(p.total, 5000);
    EXPECT_THROW(decodeResponse(encodeProgress({7, 1, 2})), DecodeError);
    EXPECT_THROW(decodeServerMessage(encodeProgress({7, -1, 2})), DecodeError);
    EXPECT_THROW(decodeClientMessage(encodeProgress({7, 1, 2})), DecodeError);
}

TEST_F(Progress, ReportsArriveBeforeTheAnswerAndEachMovesTheDeadline) {
    TestServer server({}, addProgressMethods);
    auto conn = server.connect(400);
    std::vector<std::pair<std::int64_t, std::int64_t>> seen;
    VariantArray args{Variant(4), Variant(150)}; // 600 ms in all, never 400 ms without a message
    const Variant result = conn->Call(
        "Steps", args, [&](std::int64_t done, std::int64_t total) { seen.emplace_back(done, total); });
    EXPECT_EQ(result.toInt(), 4);
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(seen.back(), (std::pair<std::int64_t, std::int64_t>{4, 4}));

    // without asking, the same call is cut off at the limit
    VariantArray again{Variant(4), Variant(150)};
    EXPECT_THROW(conn->Call("Steps", again), ConnectionError);
    // and a plain call on a fresh connection sees no progress message at all
    VariantArray quick{Variant(3), Variant(1)};
    EXPECT_EQ(conn->Call("Steps", quick).toInt(), 3);
}

TEST_F(Progress, AClientThatGoesAwayMakesTheServerAbandonTheCall) {
    g_abandoned = false;
    TestServer server({}, addProgressMethods);
    {
        test::RawClient raw(server.port());
        raw.sendFrame(encodeRequest(RpcRequest{1, test::kModule, "Endless", {}, true}));
        const auto first = raw.readFrame();
        ASSERT_TRUE(first);
        EXPECT_TRUE(std::holds_alternative<RpcProgress>(decodeServerMessage(*first)));
    } // closed
    for (int i = 0; i < 500 && !g_abandoned; ++i)
        std::this_thread::sleep_for(10ms);
    EXPECT_TRUE(g_abandoned);
}

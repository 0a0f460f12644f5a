// Server lists and moving to the next server when one cannot be connected, on loopback.
#include "net_test_support.h"
#include "platform/data/error.h"
#include "platform/net/server_address.h"

#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>

using namespace vq;
using namespace vq::net;
using vq::net::test::TestServer;

namespace {

std::atomic<int> g_firstMarks{0};
std::atomic<int> g_secondMarks{0};

// Mark(ms): waits, then counts in its server's counter; tells which server a call reached.
template <std::atomic<int>* Counter> void addMark(MethodRegistry& r) {
    r.add(test::kModule, "Mark", {ArgKind::Int}, [](CallContext&, VariantArray& a) {
        std::this_thread::sleep_for(std::chrono::milliseconds(a[0].toInt()));
        return Variant(++*Counter);
    });
}

// A loopback port nobody listens on: that of a server already stopped.
int deadPort() {
    TestServer gone;
    return gone.port();
}

struct Failover : ::testing::Test {
    test::LogCapture logs;
};

} // namespace

TEST(ServerList, ParsesOneOrManyAndRefusesBadItems) {
    EXPECT_EQ(parseServerList("erp.local:8090"), (std::vector<ServerAddress>{{"erp.local", 8090}}));
    const auto two = parseServerList(" 10.0.0.5:8090 , [::1]:8091");
    EXPECT_EQ(two, (std::vector<ServerAddress>{{"10.0.0.5", 8090}, {"::1", 8091}}));
    EXPECT_EQ(formatServerList(two), "10.0.0.5:8090,[::1]:8091");
    EXPECT_EQ(parseServerList(formatServerList(two)), two);

    for (const char* bad :
         {"", "erp.local", "erp.local:", ":8090", "a:0", "a:65536", "a:80x", "a:1,", "a:1,,b:2"})
        EXPECT_THROW(parseServerList(bad), Error) << bad;
}

TEST_F(Failover, MovesToTheNextServerWhenOneCannotBeConnected) {
    TestServer live;
    auto conn = live.connect();
    const int dead = deadPort();
    conn->Port = dead;
    conn->Fallbacks = {{"127.0.0.1", live.port()}};
    EXPECT_EQ(conn->Call("Add", {1, 2}), Variant(3));
    // The server that answered comes first from now on; the dead one is tried last.
    EXPECT_EQ(conn->Port, live.port());
    EXPECT_EQ(conn->Fallbacks, (std::vector<ServerAddress>{{"127.0.0.1", dead}}));
    EXPECT_EQ(conn->Call("Add", {2, 2}), Variant(4));
    EXPECT_TRUE(logs.contains("moved to 127.0.0.1:" + std::to_string(live.port())));

    conn->Port = deadPort();
    conn->Fallbacks = {{"127.0.0.1", dead}};
    try {
        conn->Open();
        FAIL() << "expected ConnectionError";
    } catch (const ConnectionError& e) { // every server tried is named
        const std::string text = e.what();
        EXPECT_NE(text.find("127.0.0.1:" + std::to_string(conn->Port)), std::string::npos) << text;
        EXPECT_NE(text.find("127.0.0.1:" + std::to_string(dead)), std::string::npos) << text;
    }
    EXPECT_FALSE(conn->Connected());
}

TEST_F(Failover, ACallThatFailedAfterBeingSentIsNotSentAgain) {
    g_firstMarks = 0;
    g_secondMarks = 0;
    auto first = std::make_unique<TestServer>(ServerOptions{}, addMark<&g_firstMarks>);
    TestServer second({}, addMark<&g_secondMarks>);
    auto conn = first->connect(100);
    conn->Fallbacks = {{"127.0.0.1", second.port()}};
    EXPECT_THROW(conn->Call("Mark", {500}), ConnectionError); // timed out with the call sent
    first.reset();                                            // lets a running call finish
    EXPECT_LE(g_firstMarks, 1);
    EXPECT_EQ(g_secondMarks, 0); // never repeated on the other server

    conn->SetTimeout(5000);
    EXPECT_EQ(conn->Call("Mark", {0}), Variant(1)); // the next call moves on, as it cannot connect
    EXPECT_EQ(conn->Port, second.port());
}

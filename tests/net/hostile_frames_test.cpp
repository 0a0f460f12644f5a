// Hostile bytes on the wire: each is answered or its connection closed, while others keep working.
#include "net_test_support.h"
#include "platform/data/msgpack_writer.h"
#include "platform/net/rpc_message.h"

#include <gtest/gtest.h>
#include <thread>

using namespace vq;
using namespace vq::net;
using vq::net::test::RawClient;
using vq::net::test::TestServer;

namespace {

struct Hostile : ::testing::Test {
    Hostile() {
        ServerOptions opts;
        opts.maxFrameSize = 1 << 20;
        opts.maxRequestSize = 1 << 20;
        opts.idleTimeout = std::chrono::milliseconds(400);
        opts.threads = 2;
        server = std::make_unique<TestServer>(opts);
        good = server->connect();
    }
    void expectGoodClientWorks() { EXPECT_EQ(good->Call("Add", {40, 2}), Variant(42)); }

    test::LogCapture logs;
    std::unique_ptr<TestServer> server;
    std::unique_ptr<TNetConnection> good;
};

std::string requestWith(std::uint32_t id, const std::function<void(MsgWriter&)>& args) {
    std::string out;
    MsgWriter w(out);
    w.arrayHeader(5);
    w.integer(1);
    w.integer(id);
    w.str(test::kModule);
    w.str("Echo");
    args(w);
    return out;
}

} // namespace

TEST_F(Hostile, UnreadableFramesCloseOnlyTheirConnection) {
    const std::string cases[] = {
        std::string("\x7f\xff\xff\xff", 4),                    // far above the limit
        std::string("\x00\x20\x00\x01", 4),                    // just above the 1 MiB limit
        makeFrame(""),                                         // empty frame
        makeFrame(std::string("\xc1\xc1\xc1garbage", 10)),     // reserved bytes
        makeFrame(std::string("\x93\x01\x02\x03", 4)),         // short array
        makeFrame(encodeResponse({3, RpcStatus::Ok, {}, {}})), // a response sent to the server
        makeFrame(std::string("\x81\xa1k\xa1v", 5)),           // a map
    };
    for (const auto& bytes : cases) {
        RawClient raw(server->port());
        raw.send(bytes);
        EXPECT_TRUE(raw.closedByPeer()) << testing::PrintToString(bytes);
        expectGoodClientWorks();
    }
    EXPECT_TRUE(logs.contains("rpc frame refused"));
    EXPECT_TRUE(logs.contains("rpc malformed frame"));
}

TEST_F(Hostile, RequestsOverSeveralFramesAreAssembledWithinTheLimit) {
    std::string big(300 * 1024, 'y');
    const std::string request = encodeRequest({4, test::kModule, "Echo", {big}});
    std::string bytes;
    for (const auto& f : splitIntoFrames(request, 100 * 1024))
        bytes.append(f.header.data(), f.header.size()).append(f.body);
    {
        RawClient raw(server->port());
        raw.send(bytes);
        const auto reply = raw.readFrame();
        ASSERT_TRUE(reply);
        EXPECT_EQ(decodeResponse(*reply).result, Variant(big));
    }
    // Frames each under the frame limit, adding up past the request limit (1 MiB here).
    big.assign(1100 * 1024, 'y');
    bytes.clear();
    const std::string tooBig = encodeRequest({5, test::kModule, "Echo", {big}});
    for (const auto& f : splitIntoFrames(tooBig, 512 * 1024))
        bytes.append(f.header.data(), f.header.size()).append(f.body);
    RawClient raw(server->port());
    raw.send(bytes);
    EXPECT_TRUE(raw.closedByPeer());
    RawClient empty(server->port());
    empty.send(std::string("\x80\x00\x00\x00", 4));
    EXPECT_TRUE(empty.closedByPeer());
    expectGoodClientWorks();
}

TEST_F(Hostile, ReadableIdsGetAnAnswerAndTheConnectionStays) {
    RawClient raw(server->port());
    const std::string deep = requestWith(5, [](MsgWriter& w) {
        w.arrayHeader(1);
        for (int i = 0; i < 200; ++i)
            w.arrayHeader(1);
        w.nil();
    });
    const std::string wrongKinds = requestWith(6, [](MsgWriter& w) { w.str("not an array"); });
    const std::string badExt = requestWith(7, [](MsgWriter& w) {
        w.arrayHeader(1);
        w.ext(2, "\x81\xa6"
                 "fields\x90"); // packet without rows
    });
    const std::string unfit = requestWith(8, [](MsgWriter& w) {
        std::string payload;
        MsgWriter p(payload);
        p.mapHeader(2);
        p.str("fields");
        p.arrayHeader(1);
        p.arrayHeader(3);
        p.str("CD");
        p.str("string");
        p.integer(2);
        p.str("rows");
        p.arrayHeader(1);
        p.arrayHeader(1);
        p.str("longer than two");
        w.arrayHeader(1);
        w.ext(2, payload);
    });
    std::uint32_t id = 5;
    for (const auto& payload : {deep, wrongKinds, badExt, unfit}) {
        raw.sendFrame(payload);
        const auto answer = raw.readFrame();
        ASSERT_TRUE(answer);
        const auto r = decodeResponse(*answer);
        EXPECT_EQ(r.id, id++);
        EXPECT_EQ(r.status, RpcStatus::Failed);
    }
    raw.sendFrame(encodeRequest({9, test::kModule, "Add", {1, "x"}})); // well formed, wrong kind
    const auto wrongArg = decodeResponse(raw.readFrame().value_or(""));
    EXPECT_EQ(wrongArg.status, RpcStatus::Failed);
    raw.sendFrame(encodeRequest({10, test::kModule, "Add", {1, 2}}));
    EXPECT_EQ(decodeResponse(raw.readFrame().value_or("")).result, Variant(3));
    expectGoodClientWorks();
}

TEST_F(Hostile, TruncatedAndStalledFramesAreDropped) {
    const auto full = makeFrame(encodeRequest({1, test::kModule, "Add", {1, 2}}));
    {
        RawClient raw(server->port());
        raw.send(full.substr(0, full.size() - 3));
        raw.shutdownWrite();
        EXPECT_TRUE(raw.closedByPeer());
    }
    {
        RawClient raw(server->port()); // announces a frame, then goes quiet: the idle limit ends it
        raw.send(full.substr(0, 6));
        EXPECT_TRUE(raw.closedByPeer(5000));
    }
    {
        RawClient raw(server->port()); // connects and never speaks
        EXPECT_TRUE(raw.closedByPeer(5000));
    }
    expectGoodClientWorks();
    EXPECT_TRUE(logs.contains("idle timeout"));
}

TEST_F(Hostile, ConnectionFloodIsBoundedAndRecovers) {
    ServerOptions opts;
    opts.maxConnections = 4;
    TestServer small(opts);
    std::vector<std::unique_ptr<RawClient>> flood;
    for (int i = 0; i < 4; ++i)
        flood.push_back(std::make_unique<RawClient>(small.port()));
    for (int i = 0; i < 50 && small.server().connectionCount() < 4; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    RawClient extra(small.port());
    EXPECT_TRUE(extra.closedByPeer());
    flood.clear();
    for (int i = 0; i < 100 && small.server().connectionCount() > 0; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    auto conn = small.connect();
    EXPECT_EQ(conn->Call("Add", {1, 1}), Variant(2));
}

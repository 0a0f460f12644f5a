// A no-op remote call on loopback against a raw TCP ping-pong of the same frame sizes: the ratio is
// what framing, decoding, dispatch and the thread pool cost on top of the bare round trip.
#include "platform/data/log.h"
#include "platform/net/framing.h"
#include "platform/net/net_connection.h"
#include "platform/net/rpc_message.h"
#include "platform/net/rpc_server.h"

#include <asio.hpp>
#include <benchmark/benchmark.h>
#include <chrono>
#include <thread>

using namespace vq;
using namespace vq::net;
using asio::ip::tcp;

namespace {

constexpr const char* kModule = "Bench.rdm";

// Answers every frame with a frame of `replySize` bytes, one connection at a time.
class PingPongServer {
public:
    explicit PingPongServer(std::size_t replySize)
        : acceptor_(io_, tcp::endpoint(asio::ip::address_v4::loopback(), 0)),
          reply_(makeFrame(std::string(replySize, 'r'))) {
        thread_ = std::thread([this] { serve(); });
    }
    ~PingPongServer() {
        asio::error_code ignored;
        acceptor_.close(ignored);
        thread_.join();
    }
    std::uint16_t port() const { return acceptor_.local_endpoint().port(); }

private:
    void serve() {
        asio::error_code ec;
        tcp::socket socket(io_);
        acceptor_.accept(socket, ec);
        if (ec)
            return;
        socket.set_option(tcp::no_delay(true));
        std::string body;
        for (;;) {
            FrameHeader header{};
            asio::read(socket, asio::buffer(header), ec);
            if (ec)
                return;
            body.resize(decodeFrameHeader(header));
            asio::read(socket, asio::buffer(body), ec);
            if (!ec)
                asio::write(socket, asio::buffer(reply_), ec);
            if (ec)
                return;
        }
    }

    asio::io_context io_;
    tcp::acceptor acceptor_;
    std::string reply_;
    std::thread thread_;
};

class PingPongClient {
public:
    PingPongClient(std::uint16_t port, std::size_t requestSize)
        : socket_(io_), request_(makeFrame(std::string(requestSize, 'q'))) {
        socket_.connect(tcp::endpoint(asio::ip::address_v4::loopback(), port));
        socket_.set_option(tcp::no_delay(true));
    }
    void roundTrip() {
        asio::write(socket_, asio::buffer(request_));
        FrameHeader header{};
        asio::read(socket_, asio::buffer(header));
        body_.resize(decodeFrameHeader(header));
        asio::read(socket_, asio::buffer(body_));
    }

private:
    asio::io_context io_;
    tcp::socket socket_;
    std::string request_;
    std::string body_;
};

struct Rig {
    Rig() : server(registry(), ServerOptions{}), raw(responseSize()) {
        log::setLevel(log::Level::Warn);
        server.start();
        conn.ServerName = kModule;
        conn.Port = server.port();
        conn.Open();
        rawClient = std::make_unique<PingPongClient>(raw.port(), requestSize());
    }
    static const MethodRegistry& registry() {
        static const MethodRegistry r = [] {
            MethodRegistry m;
            m.add(kModule, "Noop", {}, [](CallContext&, VariantArray&) { return Variant(); });
            return m;
        }();
        return r;
    }
    static std::size_t requestSize() { return encodeRequest({1, kModule, "Noop", {}}).size(); }
    static std::size_t responseSize() { return encodeResponse({1, RpcStatus::Ok, {}, {}}).size(); }

    RpcServer server;
    TNetConnection conn;
    PingPongServer raw;
    std::unique_ptr<PingPongClient> rawClient;
};

void BM_RawPingPong(benchmark::State& state) {
    Rig rig;
    for (auto _ : state)
        rig.rawClient->roundTrip();
}
BENCHMARK(BM_RawPingPong)->UseRealTime();

void BM_RpcNoopCall(benchmark::State& state) {
    Rig rig;
    VariantArray none;
    for (auto _ : state)
        benchmark::DoNotOptimize(rig.conn.Call("Noop", none));
}
BENCHMARK(BM_RpcNoopCall)->UseRealTime();

// Both in the same loop, so that the ratio compares like with like.
void BM_RpcOverRaw(benchmark::State& state) {
    Rig rig;
    VariantArray none;
    using Clock = std::chrono::steady_clock;
    Clock::duration raw{}, rpc{};
    for (auto _ : state) {
        const auto t0 = Clock::now();
        rig.rawClient->roundTrip();
        const auto t1 = Clock::now();
        benchmark::DoNotOptimize(rig.conn.Call("Noop", none));
        rpc += Clock::now() - t1;
        raw += t1 - t0;
    }
    const auto us = [&](Clock::duration d) {
        return std::chrono::duration<double, std::micro>(d).count() / static_cast<double>(state.iterations());
    };
    state.counters["raw_us"] = us(raw);
    state.counters["rpc_us"] = us(rpc);
    state.counters["ratio"] = us(raw) > 0 ? us(rpc) / us(raw) : 0.0;
}
BENCHMARK(BM_RpcOverRaw)->UseRealTime();

} // namespace

BENCHMARK_MAIN();

#pragma once
// The RPC server runtime: accepts connections on a thread pool and answers each frame through the
// method registry. One call at a time per connection; many connections at once.

#include "platform/net/framing.h"
#include "platform/net/method_registry.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace vq::net {

struct ServerOptions {
    std::string host = "127.0.0.1";
    std::uint16_t port = 0;                     // 0: any free port, see RpcServer::port()
    unsigned threads = 4;                       // 0: one per hardware thread
    std::size_t maxFrameSize = kMaxFrameSize;   // lowered, never raised, by this setting
    std::size_t maxRequestSize = kMaxFrameSize; // a request over several frames; up to kMaxMessageSize
    int maxDepth = 32;                          // nesting of each argument
    std::size_t maxConnections = 256;           // beyond it new connections are closed at once
    std::chrono::milliseconds idleTimeout = std::chrono::minutes(10);   // also bounds one frame's transfer
    std::chrono::milliseconds shutdownGrace = std::chrono::seconds(10); // then idle writers are cut
    std::string secret;                // non-empty: clients must say hello with it first
    std::size_t maxOperatorLength = 0; // characters of the operator a hello may name; 0: no limit
};

class RpcServer {
public:
    // The registry must stay alive and unchanged while the server runs.
    explicit RpcServer(const MethodRegistry& registry, ServerOptions options = {});
    ~RpcServer(); // stops
    RpcServer(const RpcServer&) = delete;
    RpcServer& operator=(const RpcServer&) = delete;

    // Binds and starts serving; throws vq::Error when the address cannot be bound.
    void start();
    std::uint16_t port() const; // the bound port once started
    const ServerOptions& options() const;

    // Graceful: stops accepting, closes idle connections, lets running calls finish and answer, then
    // closes the rest. Blocks until done; idempotent; must not be called from inside a handler.
    void stop();
    void wait(); // blocks until the server has stopped (returns at once if it never started)
    bool running() const;
    std::size_t connectionCount() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// Serves until SIGINT or SIGTERM arrives (then stops gracefully) or until someone else stops the
// server. Returns the signal number, or 0 when stopped otherwise.
int runUntilSignal(RpcServer& server);

} // namespace vq::net

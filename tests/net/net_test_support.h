#pragma once
// Loopback servers and raw sockets for the network tests.

#include "platform/data/log.h"
#include "platform/net/method_registry.h"
#include "platform/net/net_connection.h"
#include "platform/net/rpc_server.h"

#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace vq::net::test {

inline constexpr const char* kModule = "Test.rdmTeste";

// Methods of kModule: Echo(any) -> arg; Inc(byref int, string) adds one to the first and changes its
// (by-value) copy of the second; Fail() throws vq::Error; Crash() throws std::runtime_error;
// Sleep(int ms); Add(int, int); Fill(int n) returns n letters x.
void addTestMethods(MethodRegistry& registry);

// A running server over addTestMethods (plus whatever `extra` adds); stopped by the destructor.
class TestServer {
public:
    explicit TestServer(ServerOptions options = {}, void (*extra)(MethodRegistry&) = nullptr);
    ~TestServer();
    std::uint16_t port() const { return server_->port(); }
    RpcServer& server() { return *server_; }
    std::unique_ptr<TNetConnection> connect(int timeoutMs = 5000) const;

private:
    MethodRegistry registry_;
    std::unique_ptr<RpcServer> server_;
};

// Collects log lines while alive instead of printing them.
class LogCapture {
public:
    LogCapture();
    ~LogCapture();
    std::vector<std::string> lines() const;
    bool contains(std::string_view text) const;

private:
    mutable std::mutex mutex_;
    std::vector<std::string> lines_;
    log::Level previous_;
};

// A blocking TCP client on plain sockets for sending hand-made bytes; every wait is bounded.
class RawClient {
public:
    explicit RawClient(std::uint16_t port);
    ~RawClient();
    RawClient(const RawClient&) = delete;
    RawClient& operator=(const RawClient&) = delete;

    bool send(std::string_view bytes);
    void sendFrame(std::string_view payload);
    void shutdownWrite();
    // Reads one whole frame; empty when the peer closed or nothing came within the wait.
    std::optional<std::string> readFrame(int waitMs = 5000);
    // True when the peer closes the connection within the wait (data before the close is skipped).
    bool closedByPeer(int waitMs = 5000);

private:
    bool readExact(char* out, std::size_t n, int waitMs);
    int fd_ = -1;
};

} // namespace vq::net::test

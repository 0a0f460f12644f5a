#pragma once
// The application server as a library: erp-appserver runs it from the command line, the host embeds it
// on a free loopback port.

#include "server/seed/generator.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace vq::server {

struct ServerConfig {
    std::string host = "127.0.0.1";
    std::uint16_t port = 8090; // 0: any free port (see ServerHandle::port)
    std::string databaseUrl;   // "sqlite:PATH" or "postgresql://..."; required
    std::string secret;        // non-empty: clients must present it
    unsigned threads = 4;      // worker threads, also the size of the connection pool
    bool migrate = true;       // bring the schema up to date before serving
    // Demo data to load before serving. When the database already has customers: with seedIfEmpty
    // nothing is loaded (the embedded host's first start); otherwise startServer fails.
    std::optional<seed::SeedOptions> seed;
    bool seedIfEmpty = false;
};

class ServerHandle {
public:
    virtual ~ServerHandle() = default; // stops the server
    virtual std::uint16_t port() const = 0;
    virtual void stop() = 0;         // graceful; idempotent
    virtual int waitForSignal() = 0; // serves until SIGINT/SIGTERM or stop(); returns the signal or 0
};

// Opens the database, migrates, seeds if asked, registers the modules and starts listening. Throws
// vq::Error with a message for the operator when any step fails.
std::unique_ptr<ServerHandle> startServer(const ServerConfig& config);

} // namespace vq::server

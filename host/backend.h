#pragma once
// What the module talks to: the application server (an external one, or one embedded in this process on
// a free loopback port over a SQLite file, created and seeded on first start) and the host's read-only
// lookup connection dtmDBGeral on the same database. Construction publishes the settings to the
// framework; destruction stops the embedded server and drops the lookup connection.

#include "framework/services/framework_settings.h"

#include <cstdint>
#include <memory>
#include <string>

class QTemporaryDir;

namespace vq::server {
class ServerHandle;
}

namespace vq::host {

struct BackendConfig {
    FrameworkSettings settings;
    // The embedded server's database when the settings name none; "temporary" for a fresh file in a
    // temporary directory removed at the end (scripts and tests).
    std::string defaultDatabaseUrl;
    int seedCustomers = 1000; // demo customers written into a new, empty embedded database
};

inline constexpr const char* kTemporaryDatabase = "temporary";

// sqlite:<user data directory>/erp-clientes.db (the directory is created).
std::string userDatabaseUrl();

class Backend {
public:
    // Throws vq::Error (Portuguese, for the user) when the server or the database cannot be reached.
    explicit Backend(BackendConfig config);
    ~Backend();
    Backend(const Backend&) = delete;
    Backend& operator=(const Backend&) = delete;

    bool embedded() const { return server_ != nullptr; }
    std::uint16_t port() const;
    const std::string& databaseUrl() const { return databaseUrl_; }

private:
    std::unique_ptr<QTemporaryDir> tempDir_;
    std::unique_ptr<server::ServerHandle> server_;
    std::string databaseUrl_;
};

} // namespace vq::host

#pragma once
// The real server over a seeded database of either kind, on a loopback port, for tests that call the
// module's methods as the forms do. One per dialect and test program: started on first use, stopped by
// stopSeededServers() (call it from TearDownTestSuite).

#include "platform/db/connection.h"
#include "platform/db/tadoib_query.h"
#include "platform/net/net_connection.h"
#include "server/core/app_server.h"
#include "tests/server/server_fixture.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vq::test {

class SeededServer {
public:
    explicit SeededServer(db::Dialect dialect, int customers = 5);

    std::uint16_t port() const { return handle_->port(); }
    const std::string& url() const { return url_; }
    db::Connection& db() { return *db_; } // a direct connection, for arranging and checking rows

    std::int64_t count(const std::string& sql, const db::Params& params = {});
    // A connection to the customer module, as the customer form opens it.
    void connect(net::TNetConnection& conn) const;

private:
    std::unique_ptr<TempDbFile> file_;
    std::string url_;
    std::unique_ptr<server::ServerHandle> handle_;
    std::unique_ptr<db::Connection> db_;
};

// nullptr (with the test skipped) when the dialect is PostgreSQL and no private server can run.
SeededServer* seededServer(db::Dialect dialect);
void stopSeededServers();

// A test on the seeded server of each dialect (INSTANTIATE with both), with a connection to the module.
class SeededServerTest : public ::testing::TestWithParam<db::Dialect> {
protected:
    static void TearDownTestSuite() { stopSeededServers(); }
    void SetUp() override;

    Variant call(std::string_view method, VariantArray args) { return conn_.Call(method, args); }
    // The packet the method answers; std::runtime_error with the answer when it is not one.
    DataPacket rows(std::string_view method, VariantArray args);
    std::int64_t count(const std::string& sql, const db::Params& params = {}) {
        return server_->count(sql, params);
    }
    // Opens `sql` on the seeded database as a form's query component does, with these parameters, and
    // gives each row as `row` writes it.
    std::vector<std::string> queryRows(std::string_view name, std::string_view sql, const db::Params& params,
                                       const std::function<std::string(TADOIBQuery&)>& row);

    SeededServer* server_ = nullptr;
    net::TNetConnection conn_;
};

// The value of a packet's field in a row.
Variant fieldOf(const DataPacket& packet, std::size_t row, std::string_view field);
std::vector<std::string> fieldNames(const DataPacket& packet);

} // namespace vq::test

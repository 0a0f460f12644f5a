#include "server/core/app_server.h"

#include "platform/data/error.h"
#include "platform/data/log.h"
#include "platform/db/database_url.h"
#include "platform/net/rpc_server.h"
#include "server/core/audit_trail.h"
#include "server/core/lookups.h"
#include "server/core/methods.h"
#include "server/core/provider.h"
#include "server/schema/migrations.h"
#include "server/seed/seed_database.h"

#include <stdexcept>

namespace vq::server {

namespace {

void prepareDatabase(db::Connection& conn, const ServerConfig& config) {
    if (config.migrate) {
        const int version = schema::applyMigrations(conn);
        log::info("database " + conn.displayUrl() + " at schema version " + std::to_string(version));
    }
    if (!config.seed)
        return;
    if (config.seedIfEmpty && seed::customerCount(conn) > 0) {
        log::info("database already has customers; demo data not loaded");
        return;
    }
    seed::seedDatabase(conn, *config.seed);
}

class RunningServer : public ServerHandle {
public:
    explicit RunningServer(const ServerConfig& config)
        : pool_(config.databaseUrl, config.threads == 0 ? 4 : config.threads), services_{pool_} {
        {
            auto conn = pool_.acquire();
            prepareDatabase(*conn, config);
        }
        try {
            providers(); // a declaration the schema refutes stops the server here, not on the first call
            lookups();
        } catch (const std::logic_error& e) {
            throw Error(std::string("Declaração de provedor inválida: ") + e.what());
        }
        registerMethods(registry_, services_);
        net::ServerOptions options;
        options.host = config.host;
        options.port = config.port;
        options.threads = config.threads;
        options.secret = config.secret;
        options.maxOperatorLength = kOperatorCodeLength;
        rpc_ = std::make_unique<net::RpcServer>(registry_, options);
        rpc_->start();
        if (config.secret.empty() && config.host != "127.0.0.1" && config.host != "localhost" &&
            config.host != "::1")
            log::warn("listening on " + config.host +
                      " without a shared secret: any client that reaches it may call");
        log::info("erp-appserver listening on " + config.host + ":" + std::to_string(rpc_->port()) +
                  " over " + db::redactUrl(config.databaseUrl));
    }
    ~RunningServer() override { stop(); }

    std::uint16_t port() const override { return rpc_->port(); }
    void stop() override { rpc_->stop(); }
    int waitForSignal() override { return net::runUntilSignal(*rpc_); }

private:
    ConnectionPool pool_;
    Services services_;
    net::MethodRegistry registry_;
    std::unique_ptr<net::RpcServer> rpc_;
};

} // namespace

std::unique_ptr<ServerHandle> startServer(const ServerConfig& config) {
    if (config.databaseUrl.empty())
        throw Error("Informe o banco de dados do servidor (sqlite:CAMINHO ou postgresql://...).");
    return std::make_unique<RunningServer>(config);
}

} // namespace vq::server

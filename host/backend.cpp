#include "host/backend.h"

#include "framework/reports/report_engine.h"
#include "framework/services/db_geral.h"
#include "platform/data/error.h"
#include "platform/data/log.h"
#include "platform/db/connection.h"
#include "platform/db/database_url.h"
#include "server/core/app_server.h"
#include "server/schema/schema.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace vq::host {

std::string userDatabaseUrl() {
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (dir.isEmpty() || !QDir().mkpath(dir))
        throw Error("Não foi possível criar o diretório de dados do usuário (" + dir.toStdString() + ").");
    return "sqlite:" + (dir + QStringLiteral("/erp-clientes.db")).toStdString();
}

Backend::Backend(BackendConfig config) {
    FrameworkSettings& settings = frameworkSettings();
    settings = std::move(config.settings);
    databaseUrl_ = settings.databaseUrl.empty() ? config.defaultDatabaseUrl : settings.databaseUrl;
    if (databaseUrl_ == kTemporaryDatabase) {
        tempDir_ = std::make_unique<QTemporaryDir>();
        if (!tempDir_->isValid())
            throw Error("Não foi possível criar um diretório temporário para o banco de dados.");
        databaseUrl_ = "sqlite:" + tempDir_->filePath(QStringLiteral("erp.db")).toStdString();
    }

    if (settings.serverHost.empty()) {
        if (databaseUrl_.empty())
            databaseUrl_ = userDatabaseUrl();
        server::ServerConfig sc;
        sc.port = static_cast<std::uint16_t>(settings.serverPort); // 0: any free port
        sc.databaseUrl = databaseUrl_;
        sc.secret = settings.serverSecret;
        sc.threads = 2;
        sc.seed = seed::SeedOptions{.customers = config.seedCustomers};
        sc.seedIfEmpty = true;
        try {
            server_ = server::startServer(sc);
        } catch (const std::exception& e) {
            throw Error("Não foi possível iniciar o servidor de aplicação embutido sobre " +
                        db::redactUrl(databaseUrl_) + ": " + e.what());
        }
        settings.serverHost = "127.0.0.1";
        settings.serverPort = server_->port();
        log::info("embedded application server on 127.0.0.1:" + std::to_string(server_->port()) + " over " +
                  db::redactUrl(databaseUrl_));
    }

    if (databaseUrl_.empty()) {
        log::warn("no database configured: lookups that read the ERP database will fail");
        return;
    }
    try {
        auto lookups = std::make_shared<db::Connection>(databaseUrl_);
        lookups->setFieldResolver(schema::fieldResolver());
        setDtmDBGeral(std::move(lookups));
        // Reports read through the shared connection as it stands when they run.
        reports::setDefaultQueryRunner([](const reports::ReportDefinition& definition,
                                          const db::Params& params) {
            db::Connection* connection = dtmDBGeral();
            if (!connection)
                throw Error("Não há conexão com o banco de dados para o relatório " + definition.code + ".");
            return reports::connectionRunner(*connection)(definition, params);
        });
    } catch (const std::exception& e) {
        server_.reset();
        throw Error("Não foi possível abrir o banco de dados " + db::redactUrl(databaseUrl_) + ": " +
                    e.what());
    }
}

Backend::~Backend() {
    reports::setDefaultQueryRunner(nullptr);
    setDtmDBGeral(nullptr);
    if (server_) {
        server_->stop();
        server_.reset();
        log::info("embedded application server stopped");
    }
}

std::uint16_t Backend::port() const {
    return static_cast<std::uint16_t>(frameworkSettings().serverPort);
}

} // namespace vq::host

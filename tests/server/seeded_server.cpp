#include "tests/server/seeded_server.h"

#include "server/schema/schema.h"

#include <map>

namespace vq::test {

SeededServer::SeededServer(db::Dialect dialect, int customers) {
    if (dialect == db::Dialect::SQLite) {
        file_ = std::make_unique<TempDbFile>();
        url_ = file_->url();
    } else {
        url_ = sharedPgServer()->createDatabase();
    }
    server::ServerConfig config;
    config.port = 0;
    config.databaseUrl = url_;
    config.threads = 2;
    config.seed = seed::SeedOptions{customers};
    handle_ = server::startServer(config);
    db_ = std::make_unique<db::Connection>(url_);
    db_->setFieldResolver(schema::fieldResolver());
}

std::int64_t SeededServer::count(const std::string& sql, const db::Params& params) {
    return db_->query(sql, params).rows().at(0).at(0).toInt();
}

void SeededServer::connect(net::TNetConnection& conn) const {
    conn.ServerName = "Vqm41200.rdmClientes";
    conn.Port = port();
    conn.SetTimeout(60000);
}

namespace {
std::map<db::Dialect, std::unique_ptr<SeededServer>>& servers() {
    static std::map<db::Dialect, std::unique_ptr<SeededServer>> all;
    return all;
}
} // namespace

SeededServer* seededServer(db::Dialect dialect) {
    if (dialect == db::Dialect::PostgreSQL && !sharedPgServer())
        return nullptr;
    auto& s = servers()[dialect];
    if (!s)
        s = std::make_unique<SeededServer>(dialect);
    return s.get();
}

void stopSeededServers() {
    servers().clear();
}

void SeededServerTest::SetUp() {
    server_ = seededServer(GetParam());
    if (!server_)
        GTEST_SKIP() << pgUnavailableReason();
    server_->connect(conn_);
}

DataPacket SeededServerTest::rows(std::string_view method, VariantArray args) {
    const Variant answer = conn_.Call(method, args);
    if (!answer.is(VariantKind::Packet))
        throw std::runtime_error(std::string(method) + ": " + answer.describe());
    return answer.asPacket();
}

std::vector<std::string> SeededServerTest::queryRows(std::string_view name, std::string_view sql,
                                                     const db::Params& params,
                                                     const std::function<std::string(TADOIBQuery&)>& row) {
    TADOIBQuery q(&server_->db(), std::string(name));
    q.setSql(std::string(sql));
    for (const auto& [param, value] : params)
        q.ParamByName(param) = value;
    q.Open();
    std::vector<std::string> out;
    for (q.First(); !q.Eof(); q.Next())
        out.push_back(row(q));
    return out;
}

Variant fieldOf(const DataPacket& packet, std::size_t row, std::string_view field) {
    const int i = packet.fieldIndex(field);
    if (i < 0)
        throw std::out_of_range("no field " + std::string(field));
    return packet.row(row).at(static_cast<std::size_t>(i));
}

std::vector<std::string> fieldNames(const DataPacket& packet) {
    std::vector<std::string> out;
    for (const auto& f : packet.fields())
        out.push_back(f.name);
    return out;
}

} // namespace vq::test

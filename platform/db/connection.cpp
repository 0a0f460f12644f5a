#include "platform/db/connection.h"

#include "platform/data/log.h"
#include "platform/db/backend.h"
#include "platform/db/database_url.h"
#include "platform/db/db_error.h"
#include "platform/db/postgres_backend.h"
#include "platform/db/sqlite_backend.h"

#include <soci/postgresql/soci-postgresql.h>
#include <soci/soci.h>
#include <soci/sqlite3/soci-sqlite3.h>

namespace vq::db {

namespace {

std::unique_ptr<soci::session> openSession(const DatabaseUrl& url, const std::string& display) {
    try {
        if (url.dialect == Dialect::SQLite) {
            if (url.target.find('"') != std::string::npos)
                throw DbError(DbErrorKind::Refused,
                              "Caminho de banco SQLite com aspas não é aceito: " + display);
            return std::make_unique<soci::session>(soci::sqlite3, "db=\"" + url.target + "\"");
        }
        return std::make_unique<soci::session>(soci::postgresql, detail::sociConnectString(url.target));
    } catch (const soci::soci_error& e) {
        throw DbError(DbErrorKind::Connection,
                      "Não foi possível abrir o banco de dados " + display + ": " + e.get_error_message());
    }
}

std::string excerpt(std::string_view sql) {
    constexpr std::size_t kMax = 300;
    std::string out(sql.substr(0, kMax));
    for (char& c : out)
        if (c == '\n' || c == '\r' || c == '\t')
            c = ' ';
    return sql.size() > kMax ? out + "..." : out;
}

// The value of each placeholder, in order.
std::vector<const Variant*> boundValues(const BoundSql& bound, const Params& params) {
    std::vector<const Variant*> values;
    values.reserve(bound.params.size());
    for (const std::string& name : bound.params) {
        const auto it = params.find(name);
        if (it == params.end())
            throw DbError(DbErrorKind::Refused, "Parâmetro " + name + " sem valor.");
        values.push_back(&it->second);
    }
    return values;
}

} // namespace

Connection::Connection(std::string_view url) : displayUrl_(redactUrl(url)) {
    const DatabaseUrl parsed = parseDatabaseUrl(url);
    dialect_ = parsed.dialect;
    session_ = openSession(parsed, displayUrl_);
    if (dialect_ == Dialect::SQLite) {
        auto* be = static_cast<soci::sqlite3_session_backend*>(session_->get_backend());
        backend_ = detail::makeSqliteBackend(reinterpret_cast<::sqlite3*>(be->conn_));
        // Readers (the host's lookups) and the writer (the embedded server) share one file.
        if (parsed.target != ":memory:")
            execute("PRAGMA journal_mode = WAL");
    } else {
        auto* be = static_cast<soci::postgresql_session_backend*>(session_->get_backend());
        detail::requireUtf8Database(be->conn_, displayUrl_);
        backend_ = detail::makePostgresBackend(be->conn_);
    }
}

Connection::~Connection() = default;

StatementStats Connection::statementStats() const {
    return backend_->statementStats();
}

void Connection::queryEach(std::string_view sql, const Params& params,
                           const std::function<void(std::span<Variant>)>& visit) {
    try {
        const BoundSql bound = bindPlaceholders(sql, dialect_);
        backend_->each(bound, boundValues(bound, params), visit);
    } catch (const DbError& e) {
        log::warn("SQL falhou em " + displayUrl_ + ": " + e.what() + " | " + excerpt(sql));
        throw;
    }
}

ResultSet Connection::run(std::string_view sql, const Params& params, bool readOnly, std::int64_t* affected) {
    try {
        if (readOnly && !isReadOnlyQuery(sql))
            throw DbError(DbErrorKind::Refused, "Somente consultas (SELECT) são aceitas aqui.");
        const BoundSql bound = bindPlaceholders(sql, dialect_);
        const std::vector<const Variant*> values = boundValues(bound, params);
        detail::Outcome out = backend_->run(bound, values, readOnly);
        if (affected)
            *affected = out.affected;
        return ResultSet::build(std::move(out.columns), std::move(out.rows), resolver_);
    } catch (const DbError& e) {
        log::warn("SQL falhou em " + displayUrl_ + ": " + e.what() + " | " + excerpt(sql));
        throw;
    }
}

ResultSet Connection::query(std::string_view sql, const Params& params) {
    return run(sql, params, false, nullptr);
}

DataPacket Connection::queryPacket(std::string_view sql, const Params& params) {
    return run(sql, params, false, nullptr).toPacket();
}

ResultSet Connection::queryReadOnly(std::string_view sql, const Params& params) {
    return run(sql, params, true, nullptr);
}

std::int64_t Connection::execute(std::string_view sql, const Params& params) {
    std::int64_t affected = 0;
    run(sql, params, false, &affected);
    return affected;
}

void Connection::begin() {
    if (inTransaction_)
        throw DbError(DbErrorKind::Refused, "Já existe uma transação aberta nesta conexão.");
    // SQLite: take the write lock now, so two writers never deadlock upgrading a read lock.
    execute(dialect_ == Dialect::SQLite ? "BEGIN IMMEDIATE" : "BEGIN");
    inTransaction_ = true;
}

void Connection::commit() {
    try {
        execute("COMMIT");
    } catch (...) {
        try {
            execute("ROLLBACK"); // SQLite keeps the transaction open after a failed COMMIT
        } catch (...) {
        }
        inTransaction_ = false;
        throw;
    }
    inTransaction_ = false;
}

void Connection::rollback() {
    inTransaction_ = false;
    execute("ROLLBACK");
}

} // namespace vq::db

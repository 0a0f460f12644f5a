#include "server/schema/migrations.h"

#include "platform/data/error.h"
#include "platform/data/log.h"
#include "platform/db/db_error.h"
#include "platform/db/sql_functions.h"
#include "platform/db/transaction.h"
#include "server/schema/columns.h"
#include "server/schema/ddl.h"

#include <algorithm>
#include <chrono>

namespace vq::schema {

namespace detail {

namespace {
constexpr Column kSchemaVersion[] = {integer("NRVERSAO", kKey), str("DSVERSAO", 100), dtm("DTAPLICACAO")};
constexpr Table kSystemTables[] = {{"SCHEMA_VERSION", kSchemaVersion}};
} // namespace

Subject systemSubject() {
    return {kSystemTables, {}};
}

} // namespace detail

namespace {

constexpr Step kInitial[] = {
    {StepKind::CreateAllTables},
    {StepKind::CreateAllIndexes},
    {StepKind::SqlFunctions},
};

constexpr Step kHistory[] = {
    {StepKind::CreateTable, "HISTCLIENTE"},
    {StepKind::CreateIndex, "IX_HISTCLIENTE_CLIENTE"},
};

// The CNPJ root (first eight characters) of a company's number, indexed as an expression so that
// GetMesmaRaiz finds a company's other branches without a stored copy to keep in step on every write.
// The lookup's condition (lookup_table.cpp) must read SUBSTR(NRINSJURCLIE, 1, 8) exactly.
constexpr std::string_view kCnpjRootIndex =
    "CREATE INDEX IF NOT EXISTS IX_CLIENTE_RAIZCNPJ ON CLIENTE (SUBSTR(NRINSJURCLIE, 1, 8), IDTPIJURCLIE)";
constexpr Step kCnpjRoot[] = {{StepKind::Sql, {}, {}, kCnpjRootIndex, kCnpjRootIndex}};

constexpr Step kHistoryErpModule[] = {{StepKind::AddColumn, "HISTCLIENTE", "CDMODERPHIST"}};

constexpr Migration kMigrations[] = {
    {1, "Esquema inicial", kInitial},
    {2, "Índice da raiz do CNPJ", kCnpjRoot},
    {3, "Histórico de alterações de clientes", kHistory},
    {4, "Módulo do ERP no histórico de clientes", kHistoryErpModule},
};

// Serialises migrating servers on PostgreSQL (SQLite's BEGIN IMMEDIATE already does).
constexpr std::int64_t kMigrationLock = 4120041200;

bool hasColumn(db::Connection& c, std::string_view table, std::string_view column) {
    const db::Params p{{"T", std::string(table)}, {"C", std::string(column)}};
    if (c.dialect() == db::Dialect::SQLite)
        return !c.query("SELECT 1 FROM pragma_table_info(:T) WHERE upper(name) = upper(:C)", p).empty();
    return !c.query("SELECT 1 FROM information_schema.columns WHERE table_schema = current_schema() "
                    "AND table_name = lower(:T) AND column_name = lower(:C)",
                    p)
                .empty();
}

const Table& requireTable(std::string_view name) {
    if (const Table* t = findTable(name))
        return *t;
    throw Error("Migração cita a tabela " + std::string(name) + ", que o esquema não declara.");
}

void runStep(db::Connection& c, const Step& step) {
    const db::Dialect d = c.dialect();
    switch (step.kind) {
    case StepKind::CreateAllTables:
        for (const Table& t : tables())
            c.execute(createTableSql(t, d));
        break;
    case StepKind::CreateAllIndexes:
        for (const Index& i : indexes())
            c.execute(createIndexSql(i, d));
        break;
    case StepKind::SqlFunctions:
        if (d == db::Dialect::PostgreSQL)
            for (std::string_view sql : db::postgresFunctionStatements())
                c.execute(sql);
        break;
    case StepKind::CreateTable:
        c.execute(createTableSql(requireTable(step.table), d));
        break;
    case StepKind::CreateIndex: {
        const auto all = indexes();
        const auto it =
            std::find_if(all.begin(), all.end(), [&](const Index& i) { return i.name == step.table; });
        if (it == all.end())
            throw Error("Migração cita o índice " + std::string(step.table) + ", que o esquema não declara.");
        c.execute(createIndexSql(*it, d));
        break;
    }
    case StepKind::AddColumn: {
        const Column* col = findColumn(requireTable(step.table), step.column);
        if (!col)
            throw Error("Migração cita a coluna " + std::string(step.table) + "." + std::string(step.column) +
                        ", que o esquema não declara.");
        if (!hasColumn(c, step.table, step.column))
            c.execute(addColumnSql(step.table, *col, d));
        break;
    }
    case StepKind::Sql: {
        const std::string_view sql = d == db::Dialect::SQLite ? step.sqlite : step.postgres;
        if (!sql.empty())
            c.execute(sql);
        break;
    }
    }
}

void lockMigrations(db::Connection& c) {
    if (c.dialect() == db::Dialect::PostgreSQL)
        c.query("SELECT pg_advisory_xact_lock(:L)", {{"L", kMigrationLock}});
}

int readVersion(db::Connection& c) {
    const db::ResultSet r = c.query("SELECT MAX(NRVERSAO) AS NRVERSAO FROM SCHEMA_VERSION");
    const Variant& v = r.rows().at(0).at(0);
    return v.isNull() ? 0 : static_cast<int>(v.toInt());
}

DateTime now() {
    using namespace std::chrono;
    const auto ms = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
    return DateTime{25569.0 + static_cast<double>(ms) / 86400000.0}; // 1970-01-01 is day 25569
}

} // namespace

std::span<const Migration> migrations() {
    return kMigrations;
}

int latestSchemaVersion() {
    return kMigrations[std::size(kMigrations) - 1].version;
}

int schemaVersion(db::Connection& connection) {
    const bool exists =
        connection.dialect() == db::Dialect::SQLite
            ? !connection
                   .query("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'SCHEMA_VERSION'")
                   .empty()
            : !connection
                   .query("SELECT 1 FROM information_schema.tables WHERE table_schema = current_schema() "
                          "AND table_name = 'schema_version'")
                   .empty();
    return exists ? readVersion(connection) : 0;
}

int applyMigrations(db::Connection& connection) {
    return applyMigrations(connection, migrations());
}

int applyMigrations(db::Connection& connection, std::span<const Migration> list) {
    {
        db::Transaction tx(connection);
        lockMigrations(connection);
        connection.execute(createTableSql(*findTable("SCHEMA_VERSION"), connection.dialect()));
        tx.commit();
    }
    int version = readVersion(connection);
    for (const Migration& m : list) {
        if (m.version <= version)
            continue;
        db::Transaction tx(connection);
        lockMigrations(connection);
        if (readVersion(connection) >= m.version) { // another server got here first
            tx.commit();
            version = m.version;
            continue;
        }
        for (const Step& step : m.steps)
            runStep(connection, step);
        connection.execute("INSERT INTO SCHEMA_VERSION (NRVERSAO, DSVERSAO, DTAPLICACAO) VALUES (:V, :D, :T)",
                           {{"V", m.version}, {"D", std::string(m.description)}, {"T", now()}});
        tx.commit();
        version = m.version;
        log::info("Migração " + std::to_string(m.version) + " aplicada em " + connection.displayUrl() + ": " +
                  std::string(m.description));
    }
    return version;
}

} // namespace vq::schema

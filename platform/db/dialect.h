#pragma once
// The database kinds we connect to, and the legacy dialect keys stored beside a query's default text.

#include <optional>
#include <string_view>

namespace vq::db {

enum class Dialect { SQLite, PostgreSQL };

std::string_view dialectName(Dialect dialect); // "SQLite", "PostgreSQL"

// Keys of the per-dialect texts a query may carry: our own ("SQL_SQLITE", "SQL_POSTGRESQL") and the legacy
// ones kept with the module's texts ("SQL_ORACLE", "SQL_MSSQL", "SQL_IB"). Case-insensitive.
enum class DialectKey { SQLite, PostgreSQL, Oracle, MSSQL, InterBase };

std::optional<DialectKey> parseDialectKey(std::string_view key);
std::string_view dialectKeyName(DialectKey key);
DialectKey dialectKeyOf(Dialect dialect);

} // namespace vq::db

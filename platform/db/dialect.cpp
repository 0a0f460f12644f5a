#include "platform/db/dialect.h"

#include "platform/db/sql_text.h"

#include <array>

namespace vq::db {

namespace {
constexpr std::array<std::string_view, 5> kKeyNames = {"SQL_SQLITE", "SQL_POSTGRESQL", "SQL_ORACLE",
                                                       "SQL_MSSQL", "SQL_IB"};
}

std::string_view dialectName(Dialect dialect) {
    return dialect == Dialect::SQLite ? "SQLite" : "PostgreSQL";
}

std::optional<DialectKey> parseDialectKey(std::string_view key) {
    for (std::size_t i = 0; i < kKeyNames.size(); ++i)
        if (equalsNoCase(kKeyNames[i], key))
            return static_cast<DialectKey>(i);
    return std::nullopt;
}

std::string_view dialectKeyName(DialectKey key) {
    return kKeyNames[static_cast<std::size_t>(key)];
}

DialectKey dialectKeyOf(Dialect dialect) {
    return dialect == Dialect::SQLite ? DialectKey::SQLite : DialectKey::PostgreSQL;
}

} // namespace vq::db

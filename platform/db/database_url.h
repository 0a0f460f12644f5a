#pragma once
// Database URLs: "sqlite:PATH" (also "sqlite://PATH" and "sqlite::memory:"), "postgresql://user@host:port/db"
// (or "postgres://...") and "postgresql:KEY=VALUE ..." in libpq's key=value form.

#include "platform/db/dialect.h"

#include <string>
#include <string_view>

namespace vq::db {

struct DatabaseUrl {
    Dialect dialect = Dialect::SQLite;
    std::string target; // SQLite: the file path or ":memory:"; PostgreSQL: what libpq connects with
};

DatabaseUrl parseDatabaseUrl(std::string_view url); // throws DbError (Refused) for anything else

// The URL with any password replaced by "***", for logs and messages.
std::string redactUrl(std::string_view url);

} // namespace vq::db

#pragma once
// Internal: statements on a PostgreSQL connection (owned by the SOCI session), through libpq.

#include "platform/db/backend.h"

#include <memory>
#include <string>

typedef struct pg_conn PGconn;

namespace vq::db::detail {

// Sets the session's text formats (UTF-8, ISO dates, exact floats).
std::unique_ptr<Backend> makePostgresBackend(PGconn* connection);

// A libpq URI or key=value string rewritten as plain key=value pairs, the only form SOCI passes on intact
// (it splits on blanks and drops quoting). Values holding blanks, quotes or backslashes are refused: put
// such a password in ~/.pgpass or PGPASSWORD instead.
std::string sociConnectString(const std::string& libpqTarget);

} // namespace vq::db::detail

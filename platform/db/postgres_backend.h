#pragma once
// Internal: statements on a PostgreSQL connection (owned by the SOCI session), through libpq.

#include "platform/db/backend.h"

#include <memory>
#include <string>

typedef struct pg_conn PGconn;

namespace vq::db::detail {

// Sets the session's text formats (UTF-8, ISO dates, exact floats).
std::unique_ptr<Backend> makePostgresBackend(PGconn* connection);

// Refuses (DbError, Refused) a database whose server encoding is not UTF8: VARCHAR(N) would count bytes,
// so accented names at full width would not fit. `display` names the database in the message.
void requireUtf8Database(PGconn* connection, const std::string& display);

// A libpq URI or key=value string rewritten as plain key=value pairs, the only form SOCI passes on intact
// (it splits on blanks and drops quoting). Values holding blanks, quotes or backslashes are refused: put
// such a password in ~/.pgpass or PGPASSWORD instead.
std::string sociConnectString(const std::string& libpqTarget);

} // namespace vq::db::detail

#pragma once
// Internal: statements on a SQLite handle (owned by the SOCI session).

#include "platform/db/backend.h"

#include <memory>

struct sqlite3;

namespace vq::db::detail {

// Sets the busy timeout and registers the SQL functions on the handle.
std::unique_ptr<Backend> makeSqliteBackend(sqlite3* handle);

} // namespace vq::db::detail

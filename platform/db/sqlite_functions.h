#pragma once
// Internal: registers the functions of sql_functions.h (NVL, ISNULL, NVLSTR, INSTR, CHARINDEX, and PARAM as
// a scalar and as a table) on a SQLite handle.

struct sqlite3;

namespace vq::db::detail {

void registerSqliteFunctions(sqlite3* handle); // throws DbError when SQLite refuses a registration

} // namespace vq::db::detail

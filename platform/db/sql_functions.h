#pragma once
// The SQL functions the module's stored texts call, the same on every driver:
//   NVL(a, b), ISNULL(a, b)   a unless it is null, else b
//   NVLSTR(a, b)              a unless it is null or the empty string, else b
//   INSTR(text, part)         1-based character position of part in text, 0 when absent (1 for an empty part)
//   CHARINDEX(part, text)     the same with the arguments swapped, but an empty part gives 0
//   PARAM(x)                  x itself; in FROM, "PARAM(:P) P" is one row whose column P.PARAM holds x
// INSTR and CHARINDEX give null for a null argument.
// SQLite gets them natively on every connection; PostgreSQL needs them created once per database with the
// statements below (a schema migration runs them).

#include <span>
#include <string_view>

namespace vq::db {

std::span<const std::string_view> postgresFunctionStatements();

} // namespace vq::db

#pragma once
// DDL for the declared schema, per dialect. Every statement is idempotent (IF NOT EXISTS), so a migration
// that re-runs it on an up-to-date database changes nothing.

#include "platform/db/dialect.h"
#include "server/schema/schema.h"

#include <string>

namespace vq::schema {

// SQLite does not enforce declared sizes, so its columns carry CHECK constraints that do: a string longer
// than its column is refused on both databases alike.
std::string columnDefinition(const Column& column, db::Dialect dialect);
std::string createTableSql(const Table& table, db::Dialect dialect);
std::string createIndexSql(const Index& index, db::Dialect dialect);
std::string addColumnSql(std::string_view table, const Column& column, db::Dialect dialect);

} // namespace vq::schema

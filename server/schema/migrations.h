#pragma once
// Versioned schema migrations. SCHEMA_VERSION holds one row per applied migration. Each migration is a
// list of steps run in one transaction together with its version row; every step is idempotent, so a
// migration interrupted half-way, or run by two servers at once, leaves the database consistent.
// Migration 1 creates everything the schema declares; later ones add what changes.

#include "platform/db/connection.h"

#include <span>
#include <string_view>

namespace vq::schema {

enum class StepKind {
    CreateAllTables,  // every declared table
    CreateAllIndexes, // every declared index
    SqlFunctions,     // the SQL functions of platform/db/sql_functions.h (PostgreSQL only)
    CreateTable,      // table
    CreateIndex,      // index (by name)
    AddColumn,        // table.column, when missing
    Sql               // one statement per dialect; an empty text skips that dialect
};

struct Step {
    StepKind kind;
    std::string_view table = {};  // CreateTable, AddColumn; CreateIndex: the index name
    std::string_view column = {}; // AddColumn
    std::string_view sqlite = {}; // Sql
    std::string_view postgres = {};
};

struct Migration {
    int version;
    std::string_view description;
    std::span<const Step> steps;
};

std::span<const Migration> migrations();
int latestSchemaVersion();

// 0 when SCHEMA_VERSION does not exist or is empty.
int schemaVersion(db::Connection& connection);

// Applies every migration above the database's version, each in its own transaction; returns the version
// reached. Throws DbError when a step fails (that migration is rolled back, earlier ones stay).
int applyMigrations(db::Connection& connection);
int applyMigrations(db::Connection& connection, std::span<const Migration> list);

} // namespace vq::schema

#pragma once
// The ERP database schema, declared once as data for SQLite and PostgreSQL: tables of column definitions
// (name, abstract type, size, not-null, key) and indexes. DDL is generated from it per dialect (ddl.h) and
// applied by versioned migrations (migrations.h).
//
// A column name means the same thing in every table that has it (CDCLIENTE is always the 21-character
// customer code), so a result column can be described by its name alone (columnField).

#include "platform/data/packet.h"
#include "platform/db/result_set.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace vq::schema {

enum class ColumnType : std::uint8_t { String, Integer, SmallInt, Float, DateTime, Blob, Boolean };

inline constexpr unsigned kNotNull = 1;
inline constexpr unsigned kKey = 2 | kNotNull; // part of the primary key

struct Column {
    std::string_view name;
    ColumnType type = ColumnType::String;
    int size = 0; // characters, strings only
    unsigned flags = 0;

    bool key() const { return (flags & 2) != 0; }
    bool notNull() const { return (flags & kNotNull) != 0; }
};

struct Table {
    std::string_view name;
    std::span<const Column> columns;
};

struct Index {
    std::string_view name;
    std::string_view table;
    std::string_view columns; // comma-separated
    bool unique = false;
};

std::span<const Table> tables();
std::span<const Index> indexes();

const Table* findTable(std::string_view name);                       // case-insensitive
const Column* findColumn(const Table& table, std::string_view name); // case-insensitive

FieldDesc toFieldDesc(const Column& column);

// The packet field of table.column; throws vq::Error when the schema has no such column.
FieldDesc schemaField(std::string_view table, std::string_view column);
std::optional<FieldDesc> findSchemaField(std::string_view table, std::string_view column);

// The field of a column name in whichever table declares it.
std::optional<FieldDesc> columnField(std::string_view column);

// For db::Connection::setFieldResolver: result columns named like schema columns get their exact sizes.
db::FieldResolver fieldResolver();

} // namespace vq::schema

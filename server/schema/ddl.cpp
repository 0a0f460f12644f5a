#include "server/schema/ddl.h"

namespace vq::schema {

namespace {

std::string typeName(const Column& c, db::Dialect dialect) {
    const bool pg = dialect == db::Dialect::PostgreSQL;
    switch (c.type) {
    case ColumnType::String:
        return "VARCHAR(" + std::to_string(c.size) + ")";
    case ColumnType::Integer:
        return "INTEGER";
    case ColumnType::SmallInt:
        return "SMALLINT";
    case ColumnType::Float:
        return "DOUBLE PRECISION";
    case ColumnType::DateTime:
        return pg ? "TIMESTAMP(3)" : "TIMESTAMP"; // SQLite keeps "YYYY-MM-DD HH:MM:SS.mmm" text
    case ColumnType::Blob:
        return pg ? "TEXT" : "BLOB"; // free text of any length (formatted observations)
    case ColumnType::Boolean:
        return "BOOLEAN";
    }
    return "TEXT";
}

std::string sqliteCheck(const Column& c) {
    const std::string n(c.name);
    switch (c.type) {
    case ColumnType::String:
        return " CHECK (length(" + n + ") <= " + std::to_string(c.size) + ")";
    case ColumnType::Integer:
        return " CHECK (" + n + " BETWEEN -2147483648 AND 2147483647)";
    case ColumnType::SmallInt:
        return " CHECK (" + n + " BETWEEN -32768 AND 32767)";
    case ColumnType::Boolean:
        return " CHECK (" + n + " IN (0, 1))";
    default:
        return "";
    }
}

} // namespace

std::string columnDefinition(const Column& column, db::Dialect dialect) {
    std::string out = std::string(column.name) + " " + typeName(column, dialect);
    if (column.notNull())
        out += " NOT NULL";
    if (dialect == db::Dialect::SQLite)
        out += sqliteCheck(column);
    return out;
}

std::string createTableSql(const Table& table, db::Dialect dialect) {
    std::string out = "CREATE TABLE IF NOT EXISTS " + std::string(table.name) + " (";
    std::string key;
    for (const Column& c : table.columns) {
        out += "\n  " + columnDefinition(c, dialect) + ",";
        if (c.key())
            key += (key.empty() ? "" : ", ") + std::string(c.name);
    }
    if (key.empty())
        out.pop_back();
    else
        out += "\n  CONSTRAINT PK_" + std::string(table.name) + " PRIMARY KEY (" + key + ")";
    return out + "\n)";
}

std::string createIndexSql(const Index& index, db::Dialect) {
    return std::string("CREATE ") + (index.unique ? "UNIQUE " : "") + "INDEX IF NOT EXISTS " +
           std::string(index.name) + " ON " + std::string(index.table) + " (" + std::string(index.columns) +
           ")";
}

std::string addColumnSql(std::string_view table, const Column& column, db::Dialect dialect) {
    // A new NOT NULL column cannot be added to a table with rows unless it has a default; none has one.
    Column nullable = column;
    nullable.flags = 0;
    return "ALTER TABLE " + std::string(table) + " ADD COLUMN " + columnDefinition(nullable, dialect);
}

} // namespace vq::schema

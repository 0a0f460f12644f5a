#include "server/schema/schema.h"

#include "platform/data/error.h"
#include "platform/db/sql_text.h"
#include "server/schema/columns.h"

#include <map>
#include <string>
#include <vector>

namespace vq::schema {

namespace {

struct Registry {
    std::vector<Table> tables;
    std::vector<Index> indexes;
    std::map<std::string, FieldDesc, db::NameLess> byColumn; // first declaration of each column name
};

const Registry& registry() {
    static const Registry r = [] {
        Registry out;
        for (const detail::Subject& s :
             {detail::systemSubject(), detail::geographySubject(), detail::commercialSubject(),
              detail::financialSubject(), detail::fiscalSubject(), detail::customerSubject(),
              detail::customerDetailSubject(), detail::prospectSubject(), detail::importSubject(),
              detail::auditSubject()}) {
            out.tables.insert(out.tables.end(), s.tables.begin(), s.tables.end());
            out.indexes.insert(out.indexes.end(), s.indexes.begin(), s.indexes.end());
        }
        for (const Table& t : out.tables)
            for (const Column& c : t.columns)
                out.byColumn.emplace(std::string(c.name), toFieldDesc(c));
        return out;
    }();
    return r;
}

} // namespace

std::span<const Table> tables() {
    return registry().tables;
}
std::span<const Index> indexes() {
    return registry().indexes;
}

const Table* findTable(std::string_view name) {
    for (const Table& t : registry().tables)
        if (db::equalsNoCase(t.name, name))
            return &t;
    return nullptr;
}

const Column* findColumn(const Table& table, std::string_view name) {
    for (const Column& c : table.columns)
        if (db::equalsNoCase(c.name, name))
            return &c;
    return nullptr;
}

FieldDesc toFieldDesc(const Column& column) {
    FieldDesc f;
    f.name = std::string(column.name);
    switch (column.type) {
    case ColumnType::String:
        f.type = FieldType::String;
        f.size = column.size;
        break;
    case ColumnType::Integer:
        f.type = FieldType::Integer;
        break;
    case ColumnType::SmallInt:
        f.type = FieldType::SmallInt;
        break;
    case ColumnType::Float:
        f.type = FieldType::Float;
        break;
    case ColumnType::DateTime:
        f.type = FieldType::DateTime;
        break;
    case ColumnType::Blob:
        f.type = FieldType::Blob;
        break;
    case ColumnType::Boolean:
        f.type = FieldType::Boolean;
        break;
    }
    return f;
}

std::optional<FieldDesc> findSchemaField(std::string_view table, std::string_view column) {
    const Table* t = findTable(table);
    const Column* c = t ? findColumn(*t, column) : nullptr;
    if (!c)
        return std::nullopt;
    return toFieldDesc(*c);
}

FieldDesc schemaField(std::string_view table, std::string_view column) {
    if (auto f = findSchemaField(table, column))
        return *f;
    throw Error("O esquema do banco não tem a coluna " + std::string(table) + "." + std::string(column) +
                ".");
}

std::optional<FieldDesc> columnField(std::string_view column) {
    const auto& byColumn = registry().byColumn;
    const auto it = byColumn.find(column);
    if (it == byColumn.end())
        return std::nullopt;
    return it->second;
}

db::FieldResolver fieldResolver() {
    return [](std::string_view column) { return columnField(column); };
}

} // namespace vq::schema

#include "server/core/provider.h"

#include "platform/data/error.h"
#include "platform/data/field_value.h"
#include "platform/data/record_store.h"
#include "platform/db/sql_text.h"
#include "server/schema/schema.h"

#include <algorithm>
#include <charconv>
#include <memory>
#include <stdexcept>

namespace vq::server {

namespace {

std::string trim(std::string_view s) {
    const auto b = s.find_first_not_of(" \n\t");
    if (b == std::string_view::npos)
        return {};
    const auto e = s.find_last_not_of(" \n\t");
    return std::string(s.substr(b, e - b + 1));
}

// Splits on commas outside parentheses and quotes, so expressions may call functions.
std::vector<std::string> splitList(std::string_view list) {
    std::vector<std::string> out;
    int depth = 0;
    bool quoted = false;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= list.size(); ++i) {
        const char c = i < list.size() ? list[i] : ',';
        if (c == '\'')
            quoted = !quoted;
        else if (!quoted && c == '(')
            ++depth;
        else if (!quoted && c == ')')
            --depth;
        else if (!quoted && depth == 0 && c == ',') {
            std::string item = trim(list.substr(start, i - start));
            if (!item.empty())
                out.push_back(std::move(item));
            start = i + 1;
        }
    }
    return out;
}

[[noreturn]] void bad(std::string_view provider, const std::string& why) {
    throw std::logic_error("provider " + std::string(provider) + ": " + why);
}

// "NAME", "NAME=expression" or "NAME:SIZE=expression" (a computed text column no table declares);
// "NAME:float" carries a numeric column as the float field the client dataset declares.
ProviderColumn parseColumn(const ProviderDef& def, const std::string& item) {
    ProviderColumn col;
    const auto eq = item.find('=');
    std::string head = trim(std::string_view(item).substr(0, eq));
    int size = -1;
    bool asFloat = false;
    if (const auto colon = head.find(':'); colon != std::string::npos) {
        const std::string hint = head.substr(colon + 1);
        asFloat = hint == "float";
        size = 0;
        if (!asFloat)
            std::from_chars(hint.data(), hint.data() + hint.size(), size);
        head.resize(colon);
    }
    col.name = db::upperAscii(head);
    if (eq == std::string::npos) {
        const auto field = schema::findSchemaField(def.table, col.name);
        if (!field)
            bad(def.name, "column " + col.name + " is not in table " + std::string(def.table));
        col.writable = true;
        col.expression = "T." + col.name;
        col.field = *field;
        if (asFloat)
            col.field = {col.name, FieldType::Float, 0};
        return col;
    }
    col.expression = trim(std::string_view(item).substr(eq + 1));
    if (asFloat) {
        col.field = {col.name, FieldType::Float, 0};
    } else if (size > 0) {
        col.field = {col.name, FieldType::String, size};
    } else if (const auto field = schema::columnField(col.name)) {
        col.field = *field;
    } else {
        bad(def.name, "display column " + col.name + " needs a size or a schema column of that name");
    }
    return col;
}

bool sameName(std::string_view a, std::string_view b) {
    return db::equalsNoCase(a, b);
}

// "COLUMN=FIELD": COLUMN of the table and not in the packet, FIELD a table column of the packet.
DerivedColumn parseDerived(const ProviderDef& def, const Provider& provider, const std::string& item) {
    const auto eq = item.find('=');
    if (eq == std::string::npos)
        bad(def.name, "insertFrom item " + item + " is not COLUMN=FIELD");
    const std::string name = db::upperAscii(trim(std::string_view(item).substr(0, eq)));
    const std::string from = db::upperAscii(trim(std::string_view(item).substr(eq + 1)));
    const auto field = schema::findSchemaField(def.table, name);
    if (!field)
        bad(def.name, "column " + name + " is not in table " + std::string(def.table));
    if (provider.column(name))
        bad(def.name, "column " + name + " is in the packet and cannot be derived");
    const ProviderColumn* source = provider.column(from);
    if (!source || !source->writable)
        bad(def.name, "column " + name + " derives from " + from + ", not a table column of the packet");
    return {*field, from};
}

} // namespace

Provider::Provider(const ProviderDef& def)
    : name_(def.name), table_(def.table), joins_(trim(def.joins)), where_(trim(def.where)),
      orderBy_(trim(def.orderBy)), writes_(def.writes) {
    if (!schema::findTable(def.table))
        bad(def.name, "table " + std::string(def.table) + " is not in the schema");
    // "*" stands for every column of the table, in the table's order.
    std::vector<std::string> items;
    for (auto& item : splitList(def.columns)) {
        if (item != "*") {
            items.push_back(std::move(item));
            continue;
        }
        for (const auto& c : schema::findTable(def.table)->columns)
            items.emplace_back(c.name);
    }
    for (const auto& item : items) {
        ProviderColumn col = parseColumn(def, item);
        if (column(col.name))
            bad(def.name, "column " + col.name + " listed twice");
        columns_.push_back(std::move(col));
    }
    const auto keys = splitList(def.keys);
    if (keys.empty())
        bad(def.name, "no key columns");
    for (const auto& k : keys) {
        auto it = std::find_if(columns_.begin(), columns_.end(),
                               [&](const auto& c) { return sameName(c.name, k); });
        if (it == columns_.end() || !it->writable)
            bad(def.name, "key " + k + " is not a column of the table in the packet");
        it->key = true;
    }
    for (const auto& item : splitList(def.insertFrom))
        derived_.push_back(parseDerived(def, *this, item));
    fields_.reserve(columns_.size());
    for (const auto& c : columns_)
        fields_.push_back(c.field);
    select_ = selectSql(std::string_view());
}

const ProviderColumn* Provider::column(std::string_view name) const {
    for (const auto& c : columns_)
        if (sameName(c.name, name))
            return &c;
    return nullptr;
}

std::vector<const ProviderColumn*> Provider::keyColumns() const {
    std::vector<const ProviderColumn*> out;
    for (const auto& c : columns_)
        if (c.key)
            out.push_back(&c);
    return out;
}

std::string Provider::selectSql(std::string_view extraWhere) const {
    std::string sql = "SELECT ";
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        if (i > 0)
            sql += ", ";
        sql += columns_[i].expression + " AS " + columns_[i].name;
    }
    sql += " FROM " + table_ + " T";
    if (!joins_.empty())
        sql += " " + joins_;
    std::string where = where_;
    if (!extraWhere.empty())
        where =
            where.empty() ? std::string(extraWhere) : "(" + where + ") AND (" + std::string(extraWhere) + ")";
    if (!where.empty())
        sql += " WHERE " + where;
    if (!orderBy_.empty())
        sql += " ORDER BY " + orderBy_;
    return sql;
}

std::span<const Provider> providers() {
    static const std::vector<Provider> all = [] {
        std::vector<Provider> out;
        for (const auto& def : providerDefs())
            out.emplace_back(def);
        return out;
    }();
    return all;
}

const Provider* findProvider(std::string_view name) {
    for (const auto& p : providers())
        if (sameName(p.name(), name))
            return &p;
    return nullptr;
}

const Provider& requireProvider(std::string_view name) {
    if (const Provider* p = findProvider(name))
        return *p;
    throw Error("Provedor \"" + std::string(name) + "\" não existe no servidor.");
}

const Provider& providerToSave(std::string_view name, Writes writer) {
    const Provider& p = requireProvider(name);
    if (p.writes() == writer)
        return p;
    if (p.writes() == Writes::Import)
        throw Error("O provedor " + p.name() +
                    " só é gravado pela importação de clientes; nada foi gravado.");
    throw Error("O provedor " + p.name() + " é somente leitura; nada foi gravado.");
}

DataPacket readPacket(db::Connection& conn, const Provider& provider, std::string_view extraWhere,
                      const db::Params& params) {
    const std::vector<FieldDesc>& fields = provider.fields();
    auto packed = std::make_shared<PackedRows>(fields.size());
    // Each row is typed by the provider's fields and packed as it is read; no table of Variants is held.
    conn.queryEach(extraWhere.empty() ? provider.selectSql() : provider.selectSql(extraWhere), params,
                   [&](std::span<Variant> row) {
                       if (row.size() != fields.size())
                           throw FieldError("Linha com " + std::to_string(row.size()) + " valores para " +
                                            std::to_string(fields.size()) + " campos.");
                       for (std::size_t j = 0; j < fields.size(); ++j) {
                           if (row[j].isNull())
                               continue;
                           if (!hasFieldKind(fields[j].type, row[j].kind()))
                               row[j] = db::typedValue(fields[j], row[j]);
                           checkFits(fields[j], row[j]);
                           if (!hasFieldKind(fields[j].type, row[j].kind()))
                               packed->foreignKind[j] = true;
                       }
                       packed->rows.push_back(
                           packed->codec.pack(std::span<const Variant>(row.data(), row.size())));
                   });
    return DataPacket(fields, std::move(packed));
}

} // namespace vq::server

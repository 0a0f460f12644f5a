#include "platform/db/result_set.h"

#include "platform/data/utf8.h"
#include "platform/db/db_error.h"
#include "platform/db/sql_text.h"
#include "platform/db/sql_value.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace vq::db {

namespace {

[[noreturn]] void unreadable(const FieldDesc& field, const Variant& value) {
    throw DbError("Coluna " + field.name + ": o valor " + value.describe() + " não pode ser lido como " +
                  std::string(fieldTypeName(field.type)) + ".");
}

std::string textOf(const Variant& v) {
    switch (v.kind()) {
    case VariantKind::String:
        return v.asString();
    case VariantKind::Int:
        return std::to_string(v.toInt());
    case VariantKind::Double:
        return formatDouble(v.toDouble());
    case VariantKind::Bool:
        return v.toBool() ? "1" : "0";
    case VariantKind::DateTime:
        return formatTimestamp(v.toDateTime());
    case VariantKind::Bytes:
        return v.toBytes().data;
    default:
        return v.describe();
    }
}

std::optional<std::int64_t> intFromText(std::string_view s) {
    std::int64_t out = 0;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), out);
    if (r.ec != std::errc() || r.ptr != s.data() + s.size())
        return std::nullopt;
    return out;
}

std::optional<double> doubleFromText(std::string_view s) {
    double out = 0;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), out);
    if (r.ec != std::errc() || r.ptr != s.data() + s.size())
        return std::nullopt;
    return out;
}

Variant toInteger(const FieldDesc& f, const Variant& v) {
    switch (v.kind()) {
    case VariantKind::Int:
        return v;
    case VariantKind::Bool:
        return Variant(v.toBool() ? 1 : 0);
    case VariantKind::Double: {
        const double d = v.toDouble();
        if (std::trunc(d) == d && std::fabs(d) < 9.2e18)
            return Variant(static_cast<std::int64_t>(d));
        break;
    }
    case VariantKind::String:
        if (auto i = intFromText(v.asString()))
            return Variant(*i);
        break;
    default:
        break;
    }
    unreadable(f, v);
}

Variant toFloat(const FieldDesc& f, const Variant& v) {
    switch (v.kind()) {
    case VariantKind::Double:
        return v;
    case VariantKind::Int:
        return Variant(static_cast<double>(v.toInt()));
    case VariantKind::String:
        if (auto d = doubleFromText(v.asString()))
            return Variant(*d);
        break;
    default:
        break;
    }
    unreadable(f, v);
}

Variant toDateTime(const FieldDesc& f, const Variant& v) {
    switch (v.kind()) {
    case VariantKind::DateTime:
        return v;
    case VariantKind::Double:
        return Variant(DateTime{v.toDouble()});
    case VariantKind::Int:
        return Variant(DateTime{static_cast<double>(v.toInt())});
    case VariantKind::String:
        if (auto dt = parseTimestamp(v.asString()))
            return Variant(*dt);
        break;
    default:
        break;
    }
    unreadable(f, v);
}

Variant toBoolean(const FieldDesc& f, const Variant& v) {
    switch (v.kind()) {
    case VariantKind::Bool:
        return v;
    case VariantKind::Int:
        return Variant(v.toInt() != 0);
    case VariantKind::String: {
        const std::string s = upperAscii(v.asString());
        if (s == "T" || s == "TRUE" || s == "1")
            return Variant(true);
        if (s == "F" || s == "FALSE" || s == "0")
            return Variant(false);
        break;
    }
    default:
        break;
    }
    unreadable(f, v);
}

// The field type the values of an undescribed column suggest.
FieldType inferType(const std::vector<Row>& rows, std::size_t col) {
    bool any = false, ints = true, numbers = true, same = true;
    VariantKind kind = VariantKind::Null;
    for (const Row& row : rows) {
        const Variant& v = row[col];
        if (v.isNull())
            continue;
        if (!any)
            kind = v.kind();
        same = same && v.kind() == kind;
        any = true;
        ints = ints && v.is(VariantKind::Int);
        numbers = numbers && (v.is(VariantKind::Int) || v.is(VariantKind::Double));
    }
    if (!any)
        return FieldType::String;
    if (ints)
        return FieldType::Integer;
    if (numbers)
        return FieldType::Float;
    if (same) {
        switch (kind) {
        case VariantKind::Bool:
            return FieldType::Boolean;
        case VariantKind::DateTime:
            return FieldType::DateTime;
        case VariantKind::Bytes:
            return FieldType::Blob;
        default:
            break;
        }
    }
    return FieldType::String;
}

} // namespace

Variant typedValue(const FieldDesc& f, const Variant& v) {
    if (v.isNull())
        return v;
    switch (f.type) {
    case FieldType::String:
        return v.is(VariantKind::String) ? v : Variant(textOf(v));
    case FieldType::Integer:
    case FieldType::SmallInt:
        return toInteger(f, v);
    case FieldType::Float:
        return toFloat(f, v);
    case FieldType::DateTime:
        return toDateTime(f, v);
    case FieldType::Blob:
        return v.is(VariantKind::String) || v.is(VariantKind::Bytes) ? v : Variant(textOf(v));
    case FieldType::Boolean:
        return toBoolean(f, v);
    }
    return v;
}

int ResultSet::fieldIndex(std::string_view name) const {
    for (std::size_t i = 0; i < fields_.size(); ++i)
        if (equalsNoCase(fields_[i].name, name))
            return static_cast<int>(i);
    return -1;
}

const Variant& ResultSet::value(std::size_t row, std::string_view column) const {
    const int col = fieldIndex(column);
    if (col < 0)
        throw DbError(DbErrorKind::Refused, "Coluna " + std::string(column) + " não existe no resultado.");
    return rows_.at(row)[static_cast<std::size_t>(col)];
}

// Values were converted to the fields' kinds when the result was built.
DataPacket ResultSet::toPacket() const& {
    DataPacket packet(fields_);
    packet.mutableRows() = rows_;
    return packet;
}

DataPacket ResultSet::toPacket() && {
    DataPacket packet(fields_);
    packet.mutableRows() = std::move(rows_);
    return packet;
}

ResultSet ResultSet::build(std::vector<DriverColumn> columns, std::vector<Row> rows,
                           const FieldResolver& resolver) {
    ResultSet out;
    out.fields_.reserve(columns.size());
    for (std::size_t c = 0; c < columns.size(); ++c) {
        FieldDesc f;
        f.name = std::move(columns[c].name);
        const std::optional<FieldDesc> known = resolver ? resolver(f.name) : std::nullopt;
        if (known) {
            f.type = known->type;
            f.size = known->type == FieldType::String ? known->size : 0;
        } else if (columns[c].type) {
            f.type = *columns[c].type;
            f.size = f.type == FieldType::String ? columns[c].size : 0;
        } else {
            f.type = inferType(rows, c);
        }
        out.fields_.push_back(std::move(f));
    }
    // Row by row, converting in place: values already of their field's kind are neither copied nor
    // moved, which matters for wide results of many rows.
    std::vector<std::size_t> longest(out.fields_.size(), 0);
    for (Row& row : rows)
        for (std::size_t c = 0; c < out.fields_.size() && c < row.size(); ++c) {
            const FieldDesc& f = out.fields_[c];
            Variant& v = row[c];
            if (v.isNull())
                continue;
            const bool text = v.is(VariantKind::String);
            if (!(text && (f.type == FieldType::String || f.type == FieldType::Blob)))
                v = typedValue(f, v);
            // A text no longer in bytes than the declared size cannot be wider in characters.
            if (f.type == FieldType::String && v.is(VariantKind::String) &&
                (f.size <= 0 || v.asString().size() > static_cast<std::size_t>(f.size)))
                longest[c] = std::max(longest[c], utf8Length(v.asString()));
        }
    for (std::size_t c = 0; c < out.fields_.size(); ++c) {
        FieldDesc& f = out.fields_[c];
        if (f.type != FieldType::String)
            continue;
        // Unknown sizes take the data's width; a declared size grows rather than misdescribe the data
        // (the receiving dataset then refuses it with a clear message).
        const int widest = static_cast<int>(longest[c]);
        if (f.size == 0)
            f.size = std::max(widest, 1);
        else if (widest > f.size)
            f.size = widest;
    }
    out.rows_ = std::move(rows);
    return out;
}

} // namespace vq::db

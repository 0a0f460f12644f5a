#pragma once
// Rows read by a statement, with one field description per column.

#include "platform/data/packet.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vq::db {

// What the schema knows of a column name (type, string size); empty when it does not know it. Column
// names of the ERP mean the same thing in every table, so the name alone is enough.
using FieldResolver = std::function<std::optional<FieldDesc>(std::string_view columnName)>;

// A column as the driver described it, before the schema is asked.
struct DriverColumn {
    std::string name;              // upper-cased
    std::optional<FieldType> type; // empty: the driver could not tell (SQLite expression)
    int size = 0;                  // declared string length, 0 when unknown
};

// A value a driver read, brought to the field's kind as build() does; throws DbError when it cannot be.
Variant typedValue(const FieldDesc& f, const Variant& v);

class ResultSet {
public:
    ResultSet() = default;

    const std::vector<FieldDesc>& fields() const { return fields_; }
    const std::vector<Row>& rows() const& { return rows_; }
    std::vector<Row> rows() && { return std::move(rows_); } // a temporary's rows outlive it
    std::size_t rowCount() const { return rows_.size(); }
    bool empty() const { return rows_.empty(); }
    int fieldIndex(std::string_view name) const; // case-insensitive, -1 when absent

    // The value of a column in a row; throws DbError for an unknown column.
    const Variant& value(std::size_t row, std::string_view column) const;

    DataPacket toPacket() const&;
    DataPacket toPacket() &&; // takes the rows instead of copying them

    // Builds the result from what a driver read: each column's field comes from the resolver when it knows
    // the name, else from the driver's description, else from the values; values are converted to the
    // field's kind (an integer in a float field becomes a double, ISO text in a date-time field a date-time,
    // 0/1 in a boolean field a bool). A string field is never narrower than its longest value.
    static ResultSet build(std::vector<DriverColumn> columns, std::vector<Row> rows,
                           const FieldResolver& resolver);

private:
    std::vector<FieldDesc> fields_;
    std::vector<Row> rows_;
};

} // namespace vq::db

#pragma once
// Data packets (rows a dataset loads whole) and deltas (a dataset's change log).

#include "platform/data/variant.h"

#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vq {

enum class FieldType : std::uint8_t { String, Integer, SmallInt, Float, DateTime, Blob, Boolean };

std::string_view fieldTypeName(FieldType type); // wire name: "string", "integer", ...
std::optional<FieldType> fieldTypeFromName(std::string_view name);

struct FieldDesc {
    std::string name;
    FieldType type = FieldType::String;
    int size = 0; // characters for strings, 0 where none applies
    bool operator==(const FieldDesc&) const = default;
};

using Row = std::vector<Variant>;

// Throws FieldError when the value does not fit the field: wrong kind, string longer than its size,
// small integer out of range. Accepted kinds: string <- string; integer/smallint <- int;
// float <- double or int; datetime <- date-time; blob <- string or bytes; boolean <- bool; null always.
void checkFits(const FieldDesc& field, const Variant& value);
// The width of the row, then checkFits for each value.
void checkRow(const std::vector<FieldDesc>& fields, const Row& row);

struct PackedRows;

// Rows are held either as Variant rows (built with addRow) or packed as the decoder left them; packed
// rows become Variant rows on the first call of rows() or row(), once, safely from any thread.
class DataPacket {
public:
    DataPacket();
    explicit DataPacket(std::vector<FieldDesc> fields);
    // Rows already checked against the fields (the decoder's form); the codec must match the fields.
    DataPacket(std::vector<FieldDesc> fields, std::shared_ptr<const PackedRows> rows);
    DataPacket(const DataPacket& other);
    DataPacket(DataPacket&& other) noexcept;
    DataPacket& operator=(const DataPacket& other);
    DataPacket& operator=(DataPacket&& other) noexcept;
    ~DataPacket();

    const std::vector<FieldDesc>& fields() const { return fields_; }
    int fieldIndex(std::string_view name) const; // case-insensitive, -1 when absent

    std::size_t rowCount() const;
    const Row& row(std::size_t i) const { return rows().at(i); }
    const std::vector<Row>& rows() const;
    // Gives up the packed form: the rows become Variant rows for good.
    std::vector<Row>& mutableRows();

    // Each row in order without turning every packed row into Variants at once.
    void forEachRow(const std::function<void(const Row&)>& visit) const;
    // The packed rows, or null when the rows are Variant rows.
    const PackedRows* packedRows() const { return packed_.get(); }

    // Checks the row against the fields (count and checkFits) before adding it.
    void addRow(Row row);

    bool operator==(const DataPacket& other) const;

private:
    std::vector<FieldDesc> fields_;
    std::shared_ptr<const PackedRows> packed_;
    mutable std::unique_ptr<std::once_flag> unpacked_; // guards rows_ while packed_ is set
    mutable std::vector<Row> rows_;
};

enum class UpdateStatus : char { Unmodified = 'U', Inserted = 'I', Modified = 'M', Deleted = 'D' };

struct FieldChange {
    int field = 0;
    Variant value;
    bool operator==(const FieldChange&) const = default;
};

struct DeltaRow {
    UpdateStatus status = UpdateStatus::Inserted;
    Row oldValues;                    // Modified, Deleted: the full row as read
    Row newValues;                    // Inserted: the full row
    std::vector<FieldChange> changes; // Modified: only the fields that changed
    bool operator==(const DeltaRow&) const = default;
};

class Delta {
public:
    Delta() = default;
    explicit Delta(std::vector<FieldDesc> fields) : fields_(std::move(fields)) {}

    const std::vector<FieldDesc>& fields() const { return fields_; }
    int fieldIndex(std::string_view name) const;
    const std::vector<DeltaRow>& rows() const { return rows_; }
    std::size_t rowCount() const { return rows_.size(); }

    // Checks shape and values against the fields before adding.
    void addRow(DeltaRow row);

    bool operator==(const Delta&) const = default;

private:
    std::vector<FieldDesc> fields_;
    std::vector<DeltaRow> rows_;
};

} // namespace vq

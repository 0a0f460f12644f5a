#pragma once
// Row storage of a dataset. Each row is packed into one small heap buffer so that wide records that are
// mostly null cost a few bytes per field instead of a full Variant each; rows are addressed by ids that
// are never reused, which is what bookmarks and the change log hold on to.

#include "platform/data/packet.h"
#include "platform/data/row_format.h"
#include "platform/data/variant.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

namespace vq {

using RowId = std::uint64_t; // 0 is "no row"

// Layout: u32 total size, a bitmap of the non-null fields, then each non-null value as a kind byte and
// its payload (varint for integers and lengths, 8 bytes for doubles and dates, raw bytes for text).
class PackedRow {
public:
    PackedRow() = default;
    bool empty() const { return !data_; }
    std::size_t byteSize() const;
    PackedRow clone() const;

private:
    friend class RowCodec;
    friend class RowBuilder;
    std::unique_ptr<std::uint8_t[]> data_;
};

class RowCodec {
public:
    explicit RowCodec(std::size_t fieldCount = 0) : fieldCount_(fieldCount) {}
    std::size_t fieldCount() const { return fieldCount_; }

    // valueAt(i) gives field i's value (already fitted to the field); only scalar kinds are accepted.
    template <class ValueAt> PackedRow pack(ValueAt&& valueAt) const;
    PackedRow pack(std::span<const Variant> values) const;
    Row unpack(const PackedRow& row) const;
    // Each field's value read in place, in order, without making Variants (see Cell).
    template <class Visit> void forEachCell(const PackedRow& row, Visit&& visit) const;
    Variant value(const PackedRow& row, std::size_t field) const;
    // A text value read in place; false when the field holds no text.
    bool textAt(const PackedRow& row, std::size_t field, std::string_view& text) const;
    // Fields whose stored values differ (byte for byte), without decoding the rows.
    std::vector<int> changedFields(const PackedRow& a, const PackedRow& b) const;
    static bool sameBytes(const PackedRow& a, const PackedRow& b);

private:
    static std::size_t encodedSize(const Variant& v);
    static std::uint8_t* encode(std::uint8_t* out, const Variant& v);
    PackedRow allocate(std::size_t payload) const;
    std::size_t bitmapBytes() const { return (fieldCount_ + 7) / 8; }
    const std::uint8_t* locate(const PackedRow& row, std::size_t field) const; // null when null

    std::size_t fieldCount_;
};

template <class ValueAt> PackedRow RowCodec::pack(ValueAt&& valueAt) const {
    std::size_t payload = 0;
    for (std::size_t i = 0; i < fieldCount_; ++i)
        payload += encodedSize(valueAt(i));
    PackedRow row = allocate(payload);
    std::uint8_t* bitmap = row.data_.get() + 4;
    std::uint8_t* out = bitmap + bitmapBytes();
    for (std::size_t i = 0; i < fieldCount_; ++i) {
        const Variant& v = valueAt(i);
        if (v.isNull())
            continue;
        bitmap[i / 8] = static_cast<std::uint8_t>(bitmap[i / 8] | (1u << (i % 8)));
        out = encode(out, v);
    }
    return row;
}

// A value read in place from a packed row: `text` holds strings and bytes, `number` integers and booleans
// (0/1), `real` doubles and date-times.
struct Cell {
    VariantKind kind = VariantKind::Null;
    std::int64_t number = 0;
    double real = 0;
    std::string_view text;
};

template <class Visit> void RowCodec::forEachCell(const PackedRow& row, Visit&& visit) const {
    const std::uint8_t* bitmap = row.data_.get() + rowformat::kHeaderBytes;
    const std::uint8_t* in = bitmap + bitmapBytes();
    for (std::size_t i = 0; i < fieldCount_; ++i) {
        Cell c;
        if (bitmap[i / 8] & (1u << (i % 8))) {
            c.kind = static_cast<VariantKind>(*in++);
            switch (c.kind) {
            case VariantKind::Bool:
                c.number = *in++ != 0;
                break;
            case VariantKind::Int:
                c.number = rowformat::unzigzag(rowformat::getVarint(in));
                break;
            case VariantKind::Double:
            case VariantKind::DateTime:
                c.real = rowformat::getDouble(in);
                break;
            default: { // String, Bytes
                const auto n = static_cast<std::size_t>(rowformat::getVarint(in));
                c.text = std::string_view(reinterpret_cast<const char*>(in), n);
                in += n;
                break;
            }
            }
        }
        visit(c);
    }
}

// The rows of a data packet kept packed as they were decoded, already checked against the packet's
// fields. foreignKind[j] marks a field holding values that are not of the field's own kind (integers in a
// float field), which a dataset converts before storing them.
struct PackedRows {
    explicit PackedRows(std::size_t fieldCount) : codec(fieldCount), foreignKind(fieldCount, false) {}
    RowCodec codec;
    std::vector<PackedRow> rows;
    std::vector<bool> foreignKind;
};

class RecordStore {
public:
    explicit RecordStore(std::size_t fieldCount = 0, RowId firstId = 1)
        : codec_(fieldCount), firstId_(firstId) {}

    const RowCodec& codec() const { return codec_; }
    std::size_t fieldCount() const { return codec_.fieldCount(); }

    // A fresh id that holds no row yet (a row being inserted gets its id before it is stored).
    RowId newId();
    RowId nextId() const { return firstId_ + slots_.size(); }
    void reserve(std::size_t rows) { slots_.reserve(rows); }

    void put(RowId id, std::span<const Variant> values); // adds or replaces
    void putPacked(RowId id, PackedRow row);
    void erase(RowId id);
    bool contains(RowId id) const;

    Row row(RowId id) const;
    Variant value(RowId id, std::size_t field) const;
    const PackedRow& packed(RowId id) const;
    bool textAt(RowId id, std::size_t field, std::string_view& text) const {
        return codec_.textAt(packed(id), field, text);
    }

    std::size_t size() const { return rows_; }
    // Bytes held: packed rows with their allocation overhead, plus the slot table.
    std::size_t bytesUsed() const;

private:
    PackedRow& slot(RowId id);
    const PackedRow& slot(RowId id) const;
    static std::size_t allocated(const PackedRow& row);

    RowCodec codec_;
    RowId firstId_;
    std::vector<PackedRow> slots_;
    std::size_t rows_ = 0;
    std::size_t bytes_ = 0;
};

} // namespace vq

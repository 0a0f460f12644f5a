#pragma once
// Packs one row value by value into a buffer kept from row to row, so that decoding goes from wire bytes
// to a packed row without building Variants. Values come in ascending field order; a field not given is
// null. The bytes match what RowCodec::pack makes of the same values.

#include "platform/data/error.h"
#include "platform/data/record_store.h"
#include "platform/data/row_format.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace vq {

class RowBuilder {
public:
    explicit RowBuilder(std::size_t fieldCount)
        : bitmapBytes_((fieldCount + 7) / 8), buf_(rowformat::kHeaderBytes + bitmapBytes_ + 256) {
        clear();
    }

    void clear() {
        std::fill_n(buf_.begin() + rowformat::kHeaderBytes, bitmapBytes_, std::uint8_t{0});
        used_ = rowformat::kHeaderBytes + bitmapBytes_;
    }

    void putBool(std::size_t field, bool b) { *slot(field, VariantKind::Bool, 1) = b ? 1 : 0; }
    void putInt(std::size_t field, std::int64_t i) {
        const std::uint64_t z = rowformat::zigzag(i);
        rowformat::putVarint(slot(field, VariantKind::Int, rowformat::varintSize(z)), z);
    }
    void putDouble(std::size_t field, double d) {
        rowformat::putDouble(slot(field, VariantKind::Double, 8), d);
    }
    void putDateTime(std::size_t field, double days) {
        rowformat::putDouble(slot(field, VariantKind::DateTime, 8), days);
    }
    // kind is String or Bytes.
    void putText(std::size_t field, VariantKind kind, std::string_view text) {
        std::uint8_t* out = slot(field, kind, rowformat::varintSize(text.size()) + text.size());
        out = rowformat::putVarint(out, text.size());
        std::memcpy(out, text.data(), text.size());
    }

    PackedRow finish() const {
        if (used_ > rowformat::kMaxRowBytes)
            throw FieldError("Registro grande demais.");
        PackedRow row;
        row.data_ = std::make_unique_for_overwrite<std::uint8_t[]>(used_);
        const auto size32 = static_cast<std::uint32_t>(used_);
        std::memcpy(row.data_.get(), &size32, 4);
        std::memcpy(row.data_.get() + 4, buf_.data() + 4, used_ - 4);
        return row;
    }

private:
    // Marks the field present, writes its kind and reserves the payload; returns where the payload goes.
    std::uint8_t* slot(std::size_t field, VariantKind kind, std::size_t payload) {
        const std::size_t need = used_ + 1 + payload;
        if (need > buf_.size())
            buf_.resize(std::max(need, buf_.size() * 2));
        std::uint8_t& bits = buf_[rowformat::kHeaderBytes + field / 8];
        bits = static_cast<std::uint8_t>(bits | (1u << (field % 8)));
        buf_[used_] = static_cast<std::uint8_t>(kind);
        std::uint8_t* out = buf_.data() + used_ + 1;
        used_ = need;
        return out;
    }

    std::size_t bitmapBytes_;
    std::vector<std::uint8_t> buf_; // header, bitmap, values
    std::size_t used_ = 0;
};

} // namespace vq

#include "platform/data/record_store.h"

#include "platform/data/error.h"
#include "platform/data/row_format.h"

#include <bit>
#include <cstring>

namespace vq {

using namespace rowformat;

namespace {

// Skips one encoded value.
void skipValue(const std::uint8_t*& in) {
    switch (static_cast<VariantKind>(*in++)) {
    case VariantKind::Bool:
        ++in;
        break;
    case VariantKind::Int:
        getVarint(in);
        break;
    case VariantKind::Double:
    case VariantKind::DateTime:
        in += 8;
        break;
    default: // String, Bytes
        in += getVarint(in);
        break;
    }
}

Variant readValue(const std::uint8_t*& in) {
    switch (static_cast<VariantKind>(*in++)) {
    case VariantKind::Bool:
        return *in++ != 0;
    case VariantKind::Int:
        return unzigzag(getVarint(in));
    case VariantKind::Double:
        return getDouble(in);
    case VariantKind::DateTime:
        return DateTime{getDouble(in)};
    case VariantKind::String: {
        const auto n = getVarint(in);
        std::string s(reinterpret_cast<const char*>(in), n);
        in += n;
        return s;
    }
    default: {
        const auto n = getVarint(in);
        Bytes b{std::string(reinterpret_cast<const char*>(in), n)};
        in += n;
        return b;
    }
    }
}

} // namespace

std::size_t PackedRow::byteSize() const {
    return data_ ? totalSize(data_.get()) : 0;
}

PackedRow PackedRow::clone() const {
    PackedRow copy;
    if (data_) {
        const std::size_t n = byteSize();
        copy.data_ = std::make_unique_for_overwrite<std::uint8_t[]>(n);
        std::memcpy(copy.data_.get(), data_.get(), n);
    }
    return copy;
}

std::size_t RowCodec::encodedSize(const Variant& v) {
    switch (v.kind()) {
    case VariantKind::Null:
        return 0;
    case VariantKind::Bool:
        return 2;
    case VariantKind::Int:
        return 1 + varintSize(zigzag(v.toInt()));
    case VariantKind::Double:
    case VariantKind::DateTime:
        return 9;
    case VariantKind::String:
        return 1 + varintSize(v.asString().size()) + v.asString().size();
    case VariantKind::Bytes: {
        const std::size_t n = v.toBytes().data.size();
        return 1 + varintSize(n) + n;
    }
    default:
        throw FieldError("Valor " + v.describe() + " não pode ser guardado num campo.");
    }
}

std::uint8_t* RowCodec::encode(std::uint8_t* out, const Variant& v) {
    *out++ = static_cast<std::uint8_t>(v.kind());
    switch (v.kind()) {
    case VariantKind::Bool:
        *out++ = v.toBool() ? 1 : 0;
        return out;
    case VariantKind::Int:
        return putVarint(out, zigzag(v.toInt()));
    case VariantKind::Double:
        return putDouble(out, v.toDouble());
    case VariantKind::DateTime:
        return putDouble(out, v.toDateTime().days);
    case VariantKind::String: {
        const std::string& s = v.asString();
        out = putVarint(out, s.size());
        std::memcpy(out, s.data(), s.size());
        return out + s.size();
    }
    default: {
        const std::string b = v.toBytes().data;
        out = putVarint(out, b.size());
        std::memcpy(out, b.data(), b.size());
        return out + b.size();
    }
    }
}

PackedRow RowCodec::allocate(std::size_t payload) const {
    const std::size_t total = kHeaderBytes + bitmapBytes() + payload;
    if (total > kMaxRowBytes)
        throw FieldError("Registro grande demais.");
    PackedRow row;
    row.data_ = std::make_unique_for_overwrite<std::uint8_t[]>(total);
    const auto size32 = static_cast<std::uint32_t>(total);
    std::memcpy(row.data_.get(), &size32, 4);
    std::memset(row.data_.get() + 4, 0, bitmapBytes());
    return row;
}

PackedRow RowCodec::pack(std::span<const Variant> values) const {
    if (values.size() != fieldCount_)
        throw FieldError("Registro com " + std::to_string(values.size()) + " valores para " +
                         std::to_string(fieldCount_) + " campos.");
    return pack([&](std::size_t i) -> const Variant& { return values[i]; });
}

Row RowCodec::unpack(const PackedRow& row) const {
    Row out(fieldCount_);
    const std::uint8_t* bitmap = row.data_.get() + 4;
    const std::uint8_t* in = bitmap + bitmapBytes();
    for (std::size_t i = 0; i < fieldCount_; ++i)
        if (bitmap[i / 8] & (1u << (i % 8)))
            out[i] = readValue(in);
    return out;
}

const std::uint8_t* RowCodec::locate(const PackedRow& row, std::size_t field) const {
    const std::uint8_t* bitmap = row.data_.get() + 4;
    if (field >= fieldCount_ || !(bitmap[field / 8] & (1u << (field % 8))))
        return nullptr;
    std::size_t before = 0;
    for (std::size_t b = 0; b < field / 8; ++b)
        before += static_cast<std::size_t>(std::popcount(bitmap[b]));
    const auto partial = static_cast<unsigned>(bitmap[field / 8] & ((1u << (field % 8)) - 1));
    before += static_cast<std::size_t>(std::popcount(partial));
    const std::uint8_t* in = bitmap + bitmapBytes();
    for (std::size_t k = 0; k < before; ++k)
        skipValue(in);
    return in;
}

Variant RowCodec::value(const PackedRow& row, std::size_t field) const {
    const std::uint8_t* in = locate(row, field);
    return in ? readValue(in) : Variant{};
}

bool RowCodec::textAt(const PackedRow& row, std::size_t field, std::string_view& text) const {
    const std::uint8_t* in = locate(row, field);
    if (!in || static_cast<VariantKind>(*in) != VariantKind::String)
        return false;
    ++in;
    const auto n = getVarint(in);
    text = std::string_view(reinterpret_cast<const char*>(in), n);
    return true;
}

bool RowCodec::sameBytes(const PackedRow& a, const PackedRow& b) {
    const std::size_t n = a.byteSize();
    return n == b.byteSize() && (n == 0 || std::memcmp(a.data_.get(), b.data_.get(), n) == 0);
}

std::vector<int> RowCodec::changedFields(const PackedRow& a, const PackedRow& b) const {
    std::vector<int> changed;
    const std::uint8_t* bitsA = a.data_.get() + 4;
    const std::uint8_t* bitsB = b.data_.get() + 4;
    const std::uint8_t* inA = bitsA + bitmapBytes();
    const std::uint8_t* inB = bitsB + bitmapBytes();
    for (std::size_t i = 0; i < fieldCount_; ++i) {
        const bool hasA = bitsA[i / 8] & (1u << (i % 8));
        const bool hasB = bitsB[i / 8] & (1u << (i % 8));
        if (!hasA && !hasB)
            continue;
        const std::uint8_t* startA = inA;
        const std::uint8_t* startB = inB;
        if (hasA)
            skipValue(inA);
        if (hasB)
            skipValue(inB);
        if (hasA != hasB || inA - startA != inB - startB ||
            std::memcmp(startA, startB, static_cast<std::size_t>(inA - startA)) != 0)
            changed.push_back(static_cast<int>(i));
    }
    return changed;
}

RowId RecordStore::newId() {
    slots_.emplace_back();
    return firstId_ + slots_.size() - 1;
}

PackedRow& RecordStore::slot(RowId id) {
    if (id < firstId_ || id >= nextId())
        throw Error("Registro inexistente (" + std::to_string(id) + ").");
    return slots_[id - firstId_];
}

const PackedRow& RecordStore::slot(RowId id) const {
    return const_cast<RecordStore*>(this)->slot(id);
}

std::size_t RecordStore::allocated(const PackedRow& row) {
    // malloc rounds each block up to 16 bytes with an 8-byte header.
    return row.empty() ? 0 : (row.byteSize() + 8 + 15) / 16 * 16;
}

void RecordStore::put(RowId id, std::span<const Variant> values) {
    putPacked(id, codec_.pack(values));
}

void RecordStore::putPacked(RowId id, PackedRow row) {
    PackedRow& s = slot(id);
    if (s.empty())
        ++rows_;
    bytes_ -= allocated(s);
    bytes_ += allocated(row);
    s = std::move(row);
}

void RecordStore::erase(RowId id) {
    PackedRow& s = slot(id);
    if (s.empty())
        return;
    bytes_ -= allocated(s);
    --rows_;
    s = PackedRow();
}

bool RecordStore::contains(RowId id) const {
    return id >= firstId_ && id < nextId() && !slots_[id - firstId_].empty();
}

const PackedRow& RecordStore::packed(RowId id) const {
    const PackedRow& s = slot(id);
    if (s.empty())
        throw Error("Registro inexistente (" + std::to_string(id) + ").");
    return s;
}

Row RecordStore::row(RowId id) const {
    return codec_.unpack(packed(id));
}

Variant RecordStore::value(RowId id, std::size_t field) const {
    return codec_.value(packed(id), field);
}

std::size_t RecordStore::bytesUsed() const {
    return bytes_ + slots_.capacity() * sizeof(PackedRow);
}

} // namespace vq

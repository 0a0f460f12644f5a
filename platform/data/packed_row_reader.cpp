#include "platform/data/packed_row_reader.h"

#include "platform/data/utf8.h"

#include <bit>
#include <cstring>

namespace vq {

namespace {

using Byte = std::uint8_t;

enum class Wire { Bool, Int, Float, Str, Bin, DateTime, ExtBytes };

struct Scalar {
    Wire wire = Wire::Int;
    bool b = false;
    std::int64_t i = 0;
    double d = 0;
    std::string_view s;
};

// Callers check that n bytes are there.
std::uint64_t bigEndian(const Byte* p, int n) {
    std::uint64_t v = 0;
    for (int k = 0; k < n; ++k)
        v = (v << 8) | p[k];
    return v;
}

// A length of n bytes at p, then that many bytes.
bool takeSized(const Byte*& p, const Byte* end, int n, std::string_view& s) {
    if (end - p < n)
        return false;
    const std::uint64_t len = bigEndian(p, n);
    p += n;
    if (len > static_cast<std::uint64_t>(end - p))
        return false;
    s = std::string_view(reinterpret_cast<const char*>(p), static_cast<std::size_t>(len));
    p += len;
    return true;
}

bool takeInt(const Byte*& p, const Byte* end, int n, bool isSigned, std::int64_t& v) {
    if (end - p < n)
        return false;
    const std::uint64_t u = bigEndian(p, n);
    p += n;
    if (!isSigned) {
        if (u > static_cast<std::uint64_t>(INT64_MAX))
            return false;
        v = static_cast<std::int64_t>(u);
        return true;
    }
    const int unused = 64 - 8 * n; // sign-extend from n bytes
    v = static_cast<std::int64_t>(u << unused) >> unused;
    return true;
}

bool takeExt(const Byte*& p, const Byte* end, std::size_t n, Scalar& v) {
    if (static_cast<std::size_t>(end - p) < n + 1)
        return false;
    const auto type = static_cast<std::int8_t>(*p++);
    v.s = std::string_view(reinterpret_cast<const char*>(p), n);
    p += n;
    if (type == 1 && n == 8) {
        v.wire = Wire::DateTime;
        v.d = std::bit_cast<double>(bigEndian(reinterpret_cast<const Byte*>(v.s.data()), 8));
        return true;
    }
    v.wire = Wire::ExtBytes;
    return type == 5;
}

// One non-null scalar; false for nil, containers, other extension types and anything malformed.
bool takeScalar(const Byte*& p, const Byte* end, Scalar& v) {
    const Byte t = *p++;
    if (t <= 0x7f || t >= 0xe0) {
        v.wire = Wire::Int;
        v.i = static_cast<std::int8_t>(t); // positive and negative fixints alike
        return true;
    }
    if (t >= 0xa0 && t <= 0xbf) {
        const std::size_t n = t & 0x1f;
        if (static_cast<std::size_t>(end - p) < n)
            return false;
        v.wire = Wire::Str;
        v.s = std::string_view(reinterpret_cast<const char*>(p), n);
        p += n;
        return true;
    }
    v.wire = Wire::Int;
    switch (t) {
    case 0xc2:
    case 0xc3:
        v.wire = Wire::Bool;
        v.b = t == 0xc3;
        return true;
    case 0xcc:
        return takeInt(p, end, 1, false, v.i);
    case 0xcd:
        return takeInt(p, end, 2, false, v.i);
    case 0xce:
        return takeInt(p, end, 4, false, v.i);
    case 0xcf:
        return takeInt(p, end, 8, false, v.i);
    case 0xd0:
        return takeInt(p, end, 1, true, v.i);
    case 0xd1:
        return takeInt(p, end, 2, true, v.i);
    case 0xd2:
        return takeInt(p, end, 4, true, v.i);
    case 0xd3:
        return takeInt(p, end, 8, true, v.i);
    case 0xca:
    case 0xcb: {
        const int n = t == 0xca ? 4 : 8;
        if (end - p < n)
            return false;
        v.wire = Wire::Float;
        v.d = n == 4 ? std::bit_cast<float>(static_cast<std::uint32_t>(bigEndian(p, 4)))
                     : std::bit_cast<double>(bigEndian(p, 8));
        p += n;
        return true;
    }
    case 0xd9:
        v.wire = Wire::Str;
        return takeSized(p, end, 1, v.s);
    case 0xda:
        v.wire = Wire::Str;
        return takeSized(p, end, 2, v.s);
    case 0xdb:
        v.wire = Wire::Str;
        return takeSized(p, end, 4, v.s);
    case 0xc4:
        v.wire = Wire::Bin;
        return takeSized(p, end, 1, v.s);
    case 0xc5:
        v.wire = Wire::Bin;
        return takeSized(p, end, 2, v.s);
    case 0xc6:
        v.wire = Wire::Bin;
        return takeSized(p, end, 4, v.s);
    case 0xd4:
        return takeExt(p, end, 1, v);
    case 0xd5:
        return takeExt(p, end, 2, v);
    case 0xd6:
        return takeExt(p, end, 4, v);
    case 0xd7:
        return takeExt(p, end, 8, v);
    case 0xd8:
        return takeExt(p, end, 16, v);
    case 0xc7:
    case 0xc8:
    case 0xc9: {
        const int n = t == 0xc7 ? 1 : t == 0xc8 ? 2 : 4;
        if (end - p < n)
            return false;
        const std::uint64_t len = bigEndian(p, n);
        p += n;
        return len < static_cast<std::uint64_t>(end - p) && takeExt(p, end, static_cast<std::size_t>(len), v);
    }
    default:
        return false;
    }
}

bool isAscii(std::string_view s) {
    std::size_t i = 0;
    std::uint64_t high = 0;
    for (; i + 8 <= s.size(); i += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, s.data() + i, 8);
        high |= word;
    }
    for (; i < s.size(); ++i)
        high |= static_cast<Byte>(s[i]);
    return (high & 0x8080808080808080ull) == 0;
}

// Valid UTF-8 of at most size characters (size 0: any length).
bool fitsText(std::string_view s, int size) {
    if (isAscii(s))
        return size <= 0 || s.size() <= static_cast<std::size_t>(size);
    return isValidUtf8(s) && (size <= 0 || utf8Length(s) <= static_cast<std::size_t>(size));
}

// Writes the value when it fits the field as checkFits would accept it.
bool put(RowBuilder& b, std::size_t j, const FieldDesc& field, const Scalar& v,
         std::vector<bool>& foreignKind) {
    switch (field.type) {
    case FieldType::String:
        if (v.wire != Wire::Str || !fitsText(v.s, field.size))
            return false;
        b.putText(j, VariantKind::String, v.s);
        return true;
    case FieldType::Integer:
        if (v.wire != Wire::Int)
            return false;
        b.putInt(j, v.i);
        return true;
    case FieldType::SmallInt:
        if (v.wire != Wire::Int || v.i < -32768 || v.i > 32767)
            return false;
        b.putInt(j, v.i);
        return true;
    case FieldType::Float:
        if (v.wire == Wire::Float) {
            b.putDouble(j, v.d);
            return true;
        }
        if (v.wire != Wire::Int)
            return false;
        b.putInt(j, v.i); // kept an integer, as decoded; the dataset converts it
        foreignKind[j] = true;
        return true;
    case FieldType::DateTime:
        if (v.wire != Wire::DateTime)
            return false;
        b.putDateTime(j, v.d);
        return true;
    case FieldType::Blob:
        if (v.wire == Wire::Str) {
            if (!fitsText(v.s, 0))
                return false;
            b.putText(j, VariantKind::String, v.s);
            return true;
        }
        if (v.wire != Wire::Bin && v.wire != Wire::ExtBytes)
            return false;
        b.putText(j, VariantKind::Bytes, v.s);
        return true;
    case FieldType::Boolean:
        if (v.wire != Wire::Bool)
            return false;
        b.putBool(j, v.b);
        return true;
    }
    return false;
}

} // namespace

bool readPackedRowQuick(MsgReader& r, const std::vector<FieldDesc>& fields, RowBuilder& builder,
                        std::vector<bool>& foreignKind, PackedRow& out) {
    const std::string_view in = r.unread();
    const Byte* p = reinterpret_cast<const Byte*>(in.data());
    const Byte* const begin = p;
    const Byte* const end = p + in.size();
    if (p == end)
        return false;
    std::uint64_t n = 0;
    const Byte h = *p++;
    if (h >= 0x90 && h <= 0x9f) {
        n = h & 0x0f;
    } else if (h == 0xdc || h == 0xdd) {
        const int width = h == 0xdc ? 2 : 4;
        if (end - p < width)
            return false;
        n = bigEndian(p, width);
        p += width;
    } else {
        return false;
    }
    if (n != fields.size())
        return false;
    builder.clear();
    Scalar v;
    for (std::size_t j = 0; j < fields.size(); ++j) {
        if (p == end)
            return false;
        if (*p == 0xc0) {
            ++p;
            continue;
        }
        if (!takeScalar(p, end, v) || !put(builder, j, fields[j], v, foreignKind))
            return false;
    }
    out = builder.finish();
    r.consume(static_cast<std::size_t>(p - begin));
    return true;
}

} // namespace vq

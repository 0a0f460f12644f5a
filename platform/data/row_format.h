#pragma once
// Byte layout of the values inside a packed row, shared by the row codec and the row builder: a kind
// byte, then a zigzag varint for integers, 8 native bytes for doubles and dates, a varint length and the
// raw bytes for text.

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace vq::rowformat {

constexpr std::size_t kHeaderBytes = 4; // u32 total size of the row
constexpr std::size_t kMaxRowBytes = 0xffffffffu;

inline std::size_t varintSize(std::uint64_t v) {
    std::size_t n = 1;
    while (v >= 0x80) {
        v >>= 7;
        ++n;
    }
    return n;
}

inline std::uint8_t* putVarint(std::uint8_t* out, std::uint64_t v) {
    while (v >= 0x80) {
        *out++ = static_cast<std::uint8_t>(v | 0x80);
        v >>= 7;
    }
    *out++ = static_cast<std::uint8_t>(v);
    return out;
}

inline std::uint64_t getVarint(const std::uint8_t*& in) {
    std::uint64_t v = 0;
    for (int shift = 0;; shift += 7) {
        const std::uint8_t b = *in++;
        v |= static_cast<std::uint64_t>(b & 0x7f) << shift;
        if (!(b & 0x80))
            return v;
    }
}

inline std::uint64_t zigzag(std::int64_t i) {
    return (static_cast<std::uint64_t>(i) << 1) ^ static_cast<std::uint64_t>(i >> 63);
}

inline std::int64_t unzigzag(std::uint64_t u) {
    return static_cast<std::int64_t>(u >> 1) ^ -static_cast<std::int64_t>(u & 1);
}

inline std::uint8_t* putDouble(std::uint8_t* out, double d) {
    std::memcpy(out, &d, 8);
    return out + 8;
}

inline double getDouble(const std::uint8_t*& in) {
    double d = 0;
    std::memcpy(&d, in, 8);
    in += 8;
    return d;
}

inline std::uint32_t totalSize(const std::uint8_t* data) {
    std::uint32_t size = 0;
    std::memcpy(&size, data, 4);
    return size;
}

} // namespace vq::rowformat

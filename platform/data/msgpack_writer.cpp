#include "platform/data/msgpack_writer.h"

#include "platform/data/error.h"

#include <bit>

namespace vq {

void MsgWriter::be(std::uint64_t v, int bytes) {
    for (int i = bytes - 1; i >= 0; --i)
        byte(static_cast<std::uint8_t>(v >> (8 * i)));
}

void MsgWriter::nil() {
    byte(0xc0);
}

void MsgWriter::boolean(bool b) {
    byte(b ? 0xc3 : 0xc2);
}

void MsgWriter::integer(std::int64_t i) {
    if (i >= 0) {
        const auto u = static_cast<std::uint64_t>(i);
        if (u < 0x80)
            byte(static_cast<std::uint8_t>(u));
        else if (u <= 0xff)
            byte(0xcc), be(u, 1);
        else if (u <= 0xffff)
            byte(0xcd), be(u, 2);
        else if (u <= 0xffffffffu)
            byte(0xce), be(u, 4);
        else
            byte(0xcf), be(u, 8);
    } else if (i >= -32) {
        byte(static_cast<std::uint8_t>(i));
    } else if (i >= INT8_MIN) {
        byte(0xd0), be(static_cast<std::uint8_t>(i), 1);
    } else if (i >= INT16_MIN) {
        byte(0xd1), be(static_cast<std::uint16_t>(i), 2);
    } else if (i >= INT32_MIN) {
        byte(0xd2), be(static_cast<std::uint32_t>(i), 4);
    } else {
        byte(0xd3), be(static_cast<std::uint64_t>(i), 8);
    }
}

void MsgWriter::float64(double d) {
    byte(0xcb);
    be(std::bit_cast<std::uint64_t>(d), 8);
}

void MsgWriter::lengthPrefixed(std::uint8_t fix, std::uint32_t fixMax, std::uint8_t b8, std::uint8_t b16,
                               std::uint8_t b32, std::size_t n) {
    if (n > 0xffffffffu)
        throw Error("Valor grande demais para codificar (" + std::to_string(n) + ").");
    if (fix && n <= fixMax)
        byte(static_cast<std::uint8_t>(fix | n));
    else if (b8 && n <= 0xff)
        byte(b8), be(n, 1);
    else if (n <= 0xffff)
        byte(b16), be(n, 2);
    else
        byte(b32), be(n, 4);
}

void MsgWriter::str(std::string_view s) {
    lengthPrefixed(0xa0, 31, 0xd9, 0xda, 0xdb, s.size());
    out_.append(s);
}

void MsgWriter::bin(std::string_view b) {
    lengthPrefixed(0, 0, 0xc4, 0xc5, 0xc6, b.size());
    out_.append(b);
}

void MsgWriter::arrayHeader(std::uint32_t n) {
    lengthPrefixed(0x90, 15, 0, 0xdc, 0xdd, n);
}

void MsgWriter::mapHeader(std::uint32_t n) {
    lengthPrefixed(0x80, 15, 0, 0xde, 0xdf, n);
}

void MsgWriter::extHeader(std::int8_t type, std::size_t n) {
    switch (n) {
    case 1:
        byte(0xd4);
        break;
    case 2:
        byte(0xd5);
        break;
    case 4:
        byte(0xd6);
        break;
    case 8:
        byte(0xd7);
        break;
    case 16:
        byte(0xd8);
        break;
    default:
        if (n > 0xffffffffu)
            throw Error("Valor grande demais para codificar (" + std::to_string(n) + ").");
        if (n <= 0xff)
            byte(0xc7), be(n, 1);
        else if (n <= 0xffff)
            byte(0xc8), be(n, 2);
        else
            byte(0xc9), be(n, 4);
    }
    byte(static_cast<std::uint8_t>(type));
}

void MsgWriter::ext(std::int8_t type, std::string_view payload) {
    extHeader(type, payload.size());
    out_.append(payload);
}

void MsgWriter::fitExtHeader(std::size_t start, std::int8_t type, std::size_t n) {
    std::string header;
    MsgWriter(header).extHeader(type, n);
    out_.replace(start, kExtHeaderMax, header); // shifts the payload only when the header is shorter
}

} // namespace vq

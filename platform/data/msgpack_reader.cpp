#include "platform/data/msgpack_reader.h"

#include "platform/data/error.h"

#include <bit>
#include <string>

namespace vq {

void MsgReader::fail(const char* what) const {
    throw DecodeError(std::string("Dados mal formados na posição ") + std::to_string(pos_) + ": " + what + ".");
}

std::uint8_t MsgReader::peekByte() const {
    if (pos_ >= data_.size())
        fail("fim inesperado");
    return static_cast<std::uint8_t>(data_[pos_]);
}

std::uint8_t MsgReader::takeByte() {
    const auto b = peekByte();
    ++pos_;
    return b;
}

std::uint64_t MsgReader::takeBe(int bytes) {
    if (remaining() < static_cast<std::size_t>(bytes))
        fail("fim inesperado");
    std::uint64_t v = 0;
    for (int i = 0; i < bytes; ++i)
        v = (v << 8) | static_cast<std::uint8_t>(data_[pos_++]);
    return v;
}

std::string_view MsgReader::takeBytes(std::uint64_t n) {
    if (n > remaining())
        fail("tamanho declarado maior que os dados");
    const auto out = data_.substr(pos_, static_cast<std::size_t>(n));
    pos_ += static_cast<std::size_t>(n);
    return out;
}

MsgType MsgReader::peekType() const {
    const auto b = peekByte();
    if (b <= 0x7f || b >= 0xe0)
        return MsgType::Int;
    if (b <= 0x8f)
        return MsgType::Map;
    if (b <= 0x9f)
        return MsgType::Array;
    if (b <= 0xbf)
        return MsgType::Str;
    switch (b) {
    case 0xc0: return MsgType::Nil;
    case 0xc2:
    case 0xc3: return MsgType::Bool;
    case 0xc4:
    case 0xc5:
    case 0xc6: return MsgType::Bin;
    case 0xc7:
    case 0xc8:
    case 0xc9:
    case 0xd4:
    case 0xd5:
    case 0xd6:
    case 0xd7:
    case 0xd8: return MsgType::Ext;
    case 0xca:
    case 0xcb: return MsgType::Float;
    case 0xcc:
    case 0xcd:
    case 0xce:
    case 0xcf:
    case 0xd0:
    case 0xd1:
    case 0xd2:
    case 0xd3: return MsgType::Int;
    case 0xd9:
    case 0xda:
    case 0xdb: return MsgType::Str;
    case 0xdc:
    case 0xdd: return MsgType::Array;
    case 0xde:
    case 0xdf: return MsgType::Map;
    default: fail("byte de tipo reservado");
    }
}

void MsgReader::readNil() {
    if (takeByte() != 0xc0)
        fail("esperado nulo");
}

bool MsgReader::readBool() {
    const auto b = takeByte();
    if (b != 0xc2 && b != 0xc3)
        fail("esperado lógico");
    return b == 0xc3;
}

std::int64_t MsgReader::readInt() {
    const auto b = takeByte();
    if (b <= 0x7f)
        return b;
    if (b >= 0xe0)
        return static_cast<std::int8_t>(b);
    switch (b) {
    case 0xcc: return static_cast<std::int64_t>(takeBe(1));
    case 0xcd: return static_cast<std::int64_t>(takeBe(2));
    case 0xce: return static_cast<std::int64_t>(takeBe(4));
    case 0xcf: {
        const auto u = takeBe(8);
        if (u > static_cast<std::uint64_t>(INT64_MAX))
            fail("inteiro fora da faixa");
        return static_cast<std::int64_t>(u);
    }
    case 0xd0: return static_cast<std::int8_t>(takeBe(1));
    case 0xd1: return static_cast<std::int16_t>(takeBe(2));
    case 0xd2: return static_cast<std::int32_t>(takeBe(4));
    case 0xd3: return static_cast<std::int64_t>(takeBe(8));
    default: fail("esperado inteiro");
    }
}

double MsgReader::readFloat() {
    const auto b = takeByte();
    if (b == 0xca)
        return std::bit_cast<float>(static_cast<std::uint32_t>(takeBe(4)));
    if (b == 0xcb)
        return std::bit_cast<double>(takeBe(8));
    fail("esperado número");
}

std::string_view MsgReader::readStr() {
    const auto b = takeByte();
    if (b >= 0xa0 && b <= 0xbf)
        return takeBytes(b & 0x1f);
    switch (b) {
    case 0xd9: return takeBytes(takeBe(1));
    case 0xda: return takeBytes(takeBe(2));
    case 0xdb: return takeBytes(takeBe(4));
    default: fail("esperado texto");
    }
}

std::string_view MsgReader::readBin() {
    switch (takeByte()) {
    case 0xc4: return takeBytes(takeBe(1));
    case 0xc5: return takeBytes(takeBe(2));
    case 0xc6: return takeBytes(takeBe(4));
    default: fail("esperado binário");
    }
}

std::uint32_t MsgReader::readArrayHeader() {
    const auto b = takeByte();
    std::uint64_t n = 0;
    if (b >= 0x90 && b <= 0x9f)
        n = b & 0x0f;
    else if (b == 0xdc)
        n = takeBe(2);
    else if (b == 0xdd)
        n = takeBe(4);
    else
        fail("esperada lista");
    if (n > remaining()) // every element takes at least one byte
        fail("lista declara mais elementos que os dados");
    return static_cast<std::uint32_t>(n);
}

std::uint32_t MsgReader::readMapHeader() {
    const auto b = takeByte();
    std::uint64_t n = 0;
    if (b >= 0x80 && b <= 0x8f)
        n = b & 0x0f;
    else if (b == 0xde)
        n = takeBe(2);
    else if (b == 0xdf)
        n = takeBe(4);
    else
        fail("esperado mapa");
    if (n * 2 > remaining())
        fail("mapa declara mais entradas que os dados");
    return static_cast<std::uint32_t>(n);
}

MsgExt MsgReader::readExt() {
    const auto b = takeByte();
    std::uint64_t n = 0;
    switch (b) {
    case 0xd4: n = 1; break;
    case 0xd5: n = 2; break;
    case 0xd6: n = 4; break;
    case 0xd7: n = 8; break;
    case 0xd8: n = 16; break;
    case 0xc7: n = takeBe(1); break;
    case 0xc8: n = takeBe(2); break;
    case 0xc9: n = takeBe(4); break;
    default: fail("esperado tipo estendido");
    }
    const auto type = static_cast<std::int8_t>(takeByte());
    return {type, takeBytes(n)};
}

void MsgReader::skip(int maxDepth) {
    if (maxDepth <= 0)
        fail("aninhamento profundo demais");
    switch (peekType()) {
    case MsgType::Nil: readNil(); break;
    case MsgType::Bool: readBool(); break;
    case MsgType::Int: readInt(); break;
    case MsgType::Float: readFloat(); break;
    case MsgType::Str: readStr(); break;
    case MsgType::Bin: readBin(); break;
    case MsgType::Ext: readExt(); break;
    case MsgType::Array:
        for (auto n = readArrayHeader(); n > 0; --n)
            skip(maxDepth - 1);
        break;
    case MsgType::Map:
        for (auto n = readMapHeader(); n > 0; --n) {
            skip(maxDepth - 1);
            skip(maxDepth - 1);
        }
        break;
    }
}

} // namespace vq

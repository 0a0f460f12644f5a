#include "platform/data/variant_codec.h"

#include "platform/data/error.h"
#include "platform/data/field_value.h"
#include "platform/data/packed_row_reader.h"
#include "platform/data/record_store.h"
#include "platform/data/utf8.h"
#include "platform/data/utf8_text.h"

#include <bit>
#include <memory>

namespace vq {

namespace {

std::string beDouble(double d) {
    const auto u = std::bit_cast<std::uint64_t>(d);
    std::string out(8, '\0');
    for (int i = 0; i < 8; ++i)
        out[static_cast<std::size_t>(i)] = static_cast<char>(u >> (8 * (7 - i)));
    return out;
}

double doubleFromBe(std::string_view p) {
    if (p.size() != 8)
        throw DecodeError("Data/hora codificada com " + std::to_string(p.size()) + " bytes em vez de 8.");
    std::uint64_t u = 0;
    for (char c : p)
        u = (u << 8) | static_cast<std::uint8_t>(c);
    return std::bit_cast<double>(u);
}

std::string_view checkedUtf8(std::string_view s) {
    if (!isValidUtf8(s))
        throw DecodeError("Texto com codificação UTF-8 inválida.");
    return s;
}

// Input quoted in a message must itself be valid UTF-8, or the message could not travel back.
std::string quoted(std::string_view raw) {
    return utf8::encode(utf8::decode(raw.substr(0, 40)));
}

void encodeFields(MsgWriter& w, const std::vector<FieldDesc>& fields) {
    w.arrayHeader(static_cast<std::uint32_t>(fields.size()));
    for (const auto& f : fields) {
        w.arrayHeader(3);
        w.str(f.name);
        w.str(fieldTypeName(f.type));
        w.integer(f.size);
    }
}

void encodeRow(MsgWriter& w, const Row& row) {
    w.arrayHeader(static_cast<std::uint32_t>(row.size()));
    for (const auto& v : row)
        encodeVariant(w, v);
}

void encodeCell(MsgWriter& w, const Cell& c) {
    switch (c.kind) {
    case VariantKind::Bool:
        w.boolean(c.number != 0);
        break;
    case VariantKind::Int:
        w.integer(c.number);
        break;
    case VariantKind::Double:
        w.float64(c.real);
        break;
    case VariantKind::DateTime:
        w.ext(kExtDateTime, beDouble(c.real));
        break;
    case VariantKind::String:
        w.str(c.text);
        break;
    case VariantKind::Bytes:
        w.ext(kExtBytes, c.text);
        break;
    default:
        w.nil();
        break;
    }
}

std::vector<FieldDesc> decodeFields(MsgReader& r) {
    const auto n = r.readArrayHeader();
    std::vector<FieldDesc> fields;
    fields.reserve(n);
    for (std::uint32_t i = 0; i < n; ++i) {
        if (r.readArrayHeader() != 3)
            throw DecodeError("Definição de campo deve ter nome, tipo e tamanho.");
        FieldDesc f;
        f.name = checkedUtf8(r.readStr());
        const auto typeName = r.readStr();
        const auto type = fieldTypeFromName(typeName);
        if (!type)
            throw DecodeError("Tipo de campo desconhecido \"" + quoted(typeName) + "\".");
        f.type = *type;
        const auto size = r.readInt();
        if (size < 0 || size > 1'000'000)
            throw DecodeError("Tamanho de campo inválido: " + std::to_string(size) + ".");
        f.size = static_cast<int>(size);
        if (f.name.empty())
            throw DecodeError("Campo sem nome.");
        fields.push_back(std::move(f));
    }
    return fields;
}

// Row values are scalars: nesting inside a row is refused by the depth limit of 1.
Row decodeRow(MsgReader& r, const std::vector<FieldDesc>& fields) {
    const auto n = r.readArrayHeader();
    if (n != fields.size())
        throw DecodeError("Linha com " + std::to_string(n) + " valores para " +
                          std::to_string(fields.size()) + " campos.");
    Row row;
    row.reserve(n);
    for (std::uint32_t i = 0; i < n; ++i)
        row.push_back(decodeVariant(r, DecodeLimits{1}));
    return row;
}

// A packet row straight into packed form; a row the quick reader leaves is read as Variants and checked
// like addRow, so that faults are reported the same way whichever reader met them.
PackedRow readPacketRow(MsgReader& r, const std::vector<FieldDesc>& fields, RowBuilder& builder,
                        PackedRows& packed) {
    PackedRow row;
    if (readPackedRowQuick(r, fields, builder, packed.foreignKind, row))
        return row;
    const Row values = decodeRow(r, fields);
    checkRow(fields, values);
    for (std::size_t j = 0; j < fields.size(); ++j)
        if (!hasFieldKind(fields[j].type, values[j].kind()))
            packed.foreignKind[j] = true;
    return packed.codec.pack(std::span<const Variant>(values));
}

// Reads a map {"fields": [...], "rows": [...]} calling onRows once the fields are known.
template <class OnRows> std::vector<FieldDesc> decodeTable(MsgReader& r, OnRows onRows) {
    const auto entries = r.readMapHeader();
    std::vector<FieldDesc> fields;
    bool haveFields = false, haveRows = false;
    for (std::uint32_t i = 0; i < entries; ++i) {
        const auto key = r.readStr();
        if (key == "fields" && !haveFields) {
            fields = decodeFields(r);
            haveFields = true;
        } else if (key == "rows" && !haveRows) {
            if (!haveFields)
                throw DecodeError("\"rows\" antes de \"fields\".");
            onRows(fields);
            haveRows = true;
        } else {
            throw DecodeError("Chave inesperada \"" + quoted(key) + "\".");
        }
    }
    if (!haveFields || !haveRows)
        throw DecodeError("Pacote sem \"fields\" ou \"rows\".");
    if (!r.atEnd())
        throw DecodeError("Bytes sobrando após o pacote.");
    return fields;
}

} // namespace

void encodePacket(MsgWriter& w, const DataPacket& p) {
    w.mapHeader(2);
    w.str("fields");
    encodeFields(w, p.fields());
    w.str("rows");
    w.arrayHeader(static_cast<std::uint32_t>(p.rowCount()));
    const PackedRows* packed = p.packedRows();
    if (!packed) {
        p.forEachRow([&](const Row& row) { encodeRow(w, row); });
        return;
    }
    // Straight from the packed bytes, as encodeRow would write the unpacked row.
    const auto width = static_cast<std::uint32_t>(p.fields().size());
    for (const PackedRow& row : packed->rows) {
        w.arrayHeader(width);
        packed->codec.forEachCell(row, [&](const Cell& c) { encodeCell(w, c); });
    }
}

std::string encodePacket(const DataPacket& p) {
    std::string out;
    MsgWriter w(out);
    encodePacket(w, p);
    return out;
}

DataPacket decodePacket(std::string_view payload) {
    MsgReader r(payload);
    std::shared_ptr<PackedRows> packed;
    std::vector<FieldDesc> fields = decodeTable(r, [&](const std::vector<FieldDesc>& f) {
        packed = std::make_shared<PackedRows>(f.size());
        const auto n = r.readArrayHeader();
        packed->rows.reserve(n);
        RowBuilder builder(f.size());
        for (std::uint32_t i = 0; i < n; ++i)
            packed->rows.push_back(readPacketRow(r, f, builder, *packed));
    });
    return DataPacket(std::move(fields), std::move(packed));
}

void encodeDelta(MsgWriter& w, const Delta& d) {
    w.mapHeader(2);
    w.str("fields");
    encodeFields(w, d.fields());
    w.str("rows");
    w.arrayHeader(static_cast<std::uint32_t>(d.rowCount()));
    for (const auto& row : d.rows()) {
        w.arrayHeader(3);
        const char status = static_cast<char>(row.status);
        w.str(std::string_view(&status, 1));
        switch (row.status) {
        case UpdateStatus::Inserted:
            w.nil();
            encodeRow(w, row.newValues);
            break;
        case UpdateStatus::Modified:
            encodeRow(w, row.oldValues);
            w.mapHeader(static_cast<std::uint32_t>(row.changes.size()));
            for (const auto& c : row.changes) {
                w.integer(c.field);
                encodeVariant(w, c.value);
            }
            break;
        default:
            encodeRow(w, row.oldValues);
            w.nil();
            break;
        }
    }
}

std::string encodeDelta(const Delta& d) {
    std::string out;
    MsgWriter w(out);
    encodeDelta(w, d);
    return out;
}

Delta decodeDelta(std::string_view payload) {
    MsgReader r(payload);
    Delta delta;
    decodeTable(r, [&](const std::vector<FieldDesc>& fields) {
        delta = Delta(fields);
        const auto n = r.readArrayHeader();
        for (std::uint32_t i = 0; i < n; ++i) {
            if (r.readArrayHeader() != 3)
                throw DecodeError("Linha de delta deve ter situação, valores originais e novos.");
            const auto status = r.readStr();
            DeltaRow row;
            if (status == "I") {
                row.status = UpdateStatus::Inserted;
                r.readNil();
                row.newValues = decodeRow(r, fields);
            } else if (status == "M") {
                row.status = UpdateStatus::Modified;
                row.oldValues = decodeRow(r, fields);
                const auto changes = r.readMapHeader();
                for (std::uint32_t k = 0; k < changes; ++k) {
                    FieldChange c;
                    const auto index = r.readInt();
                    if (index < 0 || static_cast<std::size_t>(index) >= fields.size())
                        throw DecodeError("Índice de campo inválido no delta: " + std::to_string(index) +
                                          ".");
                    c.field = static_cast<int>(index);
                    c.value = decodeVariant(r, DecodeLimits{1});
                    row.changes.push_back(std::move(c));
                }
            } else if (status == "D") {
                row.status = UpdateStatus::Deleted;
                row.oldValues = decodeRow(r, fields);
                r.readNil();
            } else {
                throw DecodeError("Situação de linha de delta desconhecida.");
            }
            delta.addRow(std::move(row));
        }
    });
    return delta;
}

void encodeVariant(MsgWriter& w, const Variant& v) {
    switch (v.kind()) {
    case VariantKind::Null:
        w.nil();
        break;
    case VariantKind::Bool:
        w.boolean(v.toBool());
        break;
    case VariantKind::Int:
        w.integer(v.toInt());
        break;
    case VariantKind::Double:
        w.float64(v.toDouble());
        break;
    case VariantKind::String:
        w.str(v.asString());
        break;
    case VariantKind::DateTime:
        w.ext(kExtDateTime, beDouble(v.toDateTime().days));
        break;
    case VariantKind::Bytes:
        w.ext(kExtBytes, v.toBytes().data);
        break;
    case VariantKind::Array:
        w.arrayHeader(static_cast<std::uint32_t>(v.asArray().size()));
        for (const auto& e : v.asArray())
            encodeVariant(w, e);
        break;
    case VariantKind::Packet:
        w.extInPlace(kExtPacket, [&] { encodePacket(w, v.asPacket()); });
        break;
    case VariantKind::Delta:
        w.extInPlace(kExtDelta, [&] { encodeDelta(w, v.asDelta()); });
        break;
    case VariantKind::ServerError:
        w.ext(kExtServerError, v.asServerError().message);
        break;
    }
}

Variant decodeVariant(MsgReader& r, const DecodeLimits& limits) {
    if (limits.maxDepth <= 0)
        throw DecodeError("Aninhamento profundo demais.");
    switch (r.peekType()) {
    case MsgType::Nil:
        r.readNil();
        return {};
    case MsgType::Bool:
        return r.readBool();
    case MsgType::Int:
        return r.readInt();
    case MsgType::Float:
        return r.readFloat();
    case MsgType::Str:
        return std::string(checkedUtf8(r.readStr()));
    case MsgType::Bin:
        return Bytes{std::string(r.readBin())};
    case MsgType::Array: {
        const auto n = r.readArrayHeader();
        VariantArray a;
        a.reserve(n);
        const DecodeLimits inner{limits.maxDepth - 1};
        for (std::uint32_t i = 0; i < n; ++i)
            a.push_back(decodeVariant(r, inner));
        return a;
    }
    case MsgType::Map:
        throw DecodeError("Mapa não é um valor aceito.");
    case MsgType::Ext:
        break;
    }
    const MsgExt ext = r.readExt();
    switch (ext.type) {
    case kExtDateTime:
        return DateTime{doubleFromBe(ext.payload)};
    case kExtBytes:
        return Bytes{std::string(ext.payload)};
    case kExtServerError:
        return ServerError{std::string(checkedUtf8(ext.payload))};
    case kExtPacket:
        if (limits.maxDepth < 2)
            throw DecodeError("Aninhamento profundo demais.");
        return std::make_shared<const DataPacket>(decodePacket(ext.payload));
    case kExtDelta:
        if (limits.maxDepth < 2)
            throw DecodeError("Aninhamento profundo demais.");
        return std::make_shared<const Delta>(decodeDelta(ext.payload));
    default:
        throw DecodeError("Tipo estendido desconhecido: " + std::to_string(ext.type) + ".");
    }
}

std::string encodeVariant(const Variant& v) {
    std::string out;
    MsgWriter w(out);
    encodeVariant(w, v);
    return out;
}

Variant decodeVariant(std::string_view bytes, const DecodeLimits& limits) {
    MsgReader r(bytes);
    Variant v = decodeVariant(r, limits);
    if (!r.atEnd())
        throw DecodeError("Bytes sobrando após o valor.");
    return v;
}

} // namespace vq

#include "server/erp_rpc/json_variant.h"

#include "platform/data/error.h"
#include "platform/data/packet.h"
#include "platform/data/utf8.h"

#include <charconv>
#include <cstdio>

namespace vq::rpc {

using nlohmann::json;
using nlohmann::ordered_json;

namespace {

const char* kHex = "0123456789abcdef";

std::string toHex(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (unsigned char c : bytes) {
        out += kHex[c >> 4];
        out += kHex[c & 15];
    }
    return out;
}

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    throw Error("Texto hexadecimal inválido em $bytes.");
}

std::string fromHex(std::string_view hex) {
    if (hex.size() % 2 != 0)
        throw Error("Texto hexadecimal inválido em $bytes.");
    std::string out;
    for (std::size_t i = 0; i < hex.size(); i += 2)
        out += static_cast<char>(hexValue(hex[i]) * 16 + hexValue(hex[i + 1]));
    return out;
}

ordered_json fieldsJson(const std::vector<FieldDesc>& fields) {
    ordered_json out = ordered_json::array();
    for (const auto& f : fields)
        out.push_back(ordered_json::array({f.name, std::string(fieldTypeName(f.type)), f.size}));
    return out;
}

ordered_json cellJson(const Variant& v) {
    if (v.is(VariantKind::DateTime))
        return formatIsoDateTime(v.toDateTime());
    if (v.is(VariantKind::Bytes) && isValidUtf8(v.toBytes().data))
        return v.toBytes().data;
    return toJson(v);
}

ordered_json rowJson(const Row& row) {
    ordered_json out = ordered_json::array();
    for (const auto& v : row)
        out.push_back(cellJson(v));
    return out;
}

std::vector<FieldDesc> fieldsFromJson(const json& j) {
    if (!j.is_array())
        throw Error("\"fields\" deve ser uma lista de [nome, tipo, tamanho].");
    std::vector<FieldDesc> fields;
    for (const auto& f : j) {
        if (!f.is_array() || f.size() < 2 || !f[0].is_string() || !f[1].is_string())
            throw Error("Cada campo deve ser [nome, tipo, tamanho].");
        const auto type = fieldTypeFromName(f[1].get<std::string>());
        if (!type)
            throw Error("Tipo de campo desconhecido: " + f[1].get<std::string>());
        const int size = f.size() > 2 && f[2].is_number_integer() ? f[2].get<int>() : 0;
        fields.push_back({f[0].get<std::string>(), *type, size});
    }
    return fields;
}

Variant cellFromJson(const FieldDesc& field, const json& j) {
    if (field.type == FieldType::DateTime && j.is_string())
        return parseIsoDateTime(j.get<std::string>());
    if (field.type == FieldType::Float && j.is_number_integer())
        return static_cast<double>(j.get<std::int64_t>());
    return fromJson(j);
}

Row rowFromJson(const std::vector<FieldDesc>& fields, const json& j) {
    if (!j.is_array() || j.size() != fields.size())
        throw Error("Cada linha deve ser uma lista com um valor por campo.");
    Row row;
    for (std::size_t i = 0; i < fields.size(); ++i)
        row.push_back(cellFromJson(fields[i], j[i]));
    return row;
}

Variant packetFromJson(const json& j) {
    auto packet = std::make_shared<DataPacket>(fieldsFromJson(j.at("fields")));
    for (const auto& r : j.at("rows"))
        packet->addRow(rowFromJson(packet->fields(), r));
    return Variant(std::shared_ptr<const DataPacket>(std::move(packet)));
}

int changeIndex(const Delta& delta, const std::string& key) {
    const int byName = delta.fieldIndex(key);
    if (byName >= 0)
        return byName;
    int index = -1;
    const auto [end, ec] = std::from_chars(key.data(), key.data() + key.size(), index);
    if (ec != std::errc() || end != key.data() + key.size() || index < 0 ||
        index >= static_cast<int>(delta.fields().size()))
        throw Error("Campo desconhecido na alteração: " + key);
    return index;
}

Variant deltaFromJson(const json& j) {
    auto delta = std::make_shared<Delta>(fieldsFromJson(j.at("fields")));
    for (const auto& r : j.at("rows")) {
        if (!r.is_array() || r.size() != 3 || !r[0].is_string())
            throw Error("Cada linha do delta deve ser [situação, antigo, novo].");
        const std::string status = r[0].get<std::string>();
        DeltaRow row;
        if (status == "I") {
            row.status = UpdateStatus::Inserted;
            row.newValues = rowFromJson(delta->fields(), r[2]);
        } else if (status == "D") {
            row.status = UpdateStatus::Deleted;
            row.oldValues = rowFromJson(delta->fields(), r[1]);
        } else if (status == "M") {
            row.status = UpdateStatus::Modified;
            row.oldValues = rowFromJson(delta->fields(), r[1]);
            if (!r[2].is_object())
                throw Error("As alterações de uma linha \"M\" devem ser um objeto {campo: valor}.");
            for (const auto& [key, value] : r[2].items()) {
                const int index = changeIndex(*delta, key);
                row.changes.push_back({index, cellFromJson(delta->fields()[index], value)});
            }
        } else {
            throw Error("Situação de linha do delta desconhecida: " + status);
        }
        delta->addRow(std::move(row));
    }
    return Variant(std::shared_ptr<const Delta>(std::move(delta)));
}

} // namespace

std::string formatIsoDateTime(DateTime dt) {
    const CivilDate d = datePart(dt);
    const CivilTime t = timePart(dt);
    char buf[40];
    if (t.millisecond != 0)
        std::snprintf(buf, sizeof buf, "%04d-%02d-%02dT%02d:%02d:%02d.%03d", d.year, d.month, d.day, t.hour,
                      t.minute, t.second, t.millisecond);
    else
        std::snprintf(buf, sizeof buf, "%04d-%02d-%02dT%02d:%02d:%02d", d.year, d.month, d.day, t.hour,
                      t.minute, t.second);
    return buf;
}

DateTime parseIsoDateTime(std::string_view text) {
    CivilDate d;
    CivilTime t;
    int consumed = 0;
    const std::string s(text);
    const int n = std::sscanf(s.c_str(), "%4d-%2d-%2d%n", &d.year, &d.month, &d.day, &consumed);
    if (n != 3 || !isValidCivilDate(d))
        throw Error("Data inválida: " + s + " (use AAAA-MM-DD ou AAAA-MM-DDTHH:MM:SS).");
    std::string_view rest = text.substr(static_cast<std::size_t>(consumed));
    if (!rest.empty()) {
        const std::string r(rest.substr(1));
        const int m =
            std::sscanf(r.c_str(), "%2d:%2d:%2d.%3d", &t.hour, &t.minute, &t.second, &t.millisecond);
        if ((rest[0] != 'T' && rest[0] != ' ') || m < 2 || t.hour > 23 || t.minute > 59 || t.second > 59)
            throw Error("Hora inválida: " + s + ".");
    }
    return makeDateTime(d, t);
}

ordered_json toJson(const Variant& v) {
    switch (v.kind()) {
    case VariantKind::Null:
        return nullptr;
    case VariantKind::Bool:
        return v.toBool();
    case VariantKind::Int:
        return v.toInt();
    case VariantKind::Double:
        return v.toDouble();
    case VariantKind::String:
        return v.asString();
    case VariantKind::DateTime:
        return ordered_json{{"$datetime", formatIsoDateTime(v.toDateTime())}};
    case VariantKind::Bytes:
        return ordered_json{{"$bytes", toHex(v.toBytes().data)}};
    case VariantKind::ServerError:
        return ordered_json{{"$error", v.asServerError().message}};
    case VariantKind::Array: {
        ordered_json out = ordered_json::array();
        for (const auto& e : v.asArray())
            out.push_back(toJson(e));
        return out;
    }
    case VariantKind::Packet: {
        const DataPacket& p = v.asPacket();
        ordered_json rows = ordered_json::array();
        p.forEachRow([&](const Row& r) { rows.push_back(rowJson(r)); }); // no second copy of the rows
        return ordered_json{{"fields", fieldsJson(p.fields())}, {"rows", std::move(rows)}};
    }
    case VariantKind::Delta: {
        const Delta& d = v.asDelta();
        ordered_json rows = ordered_json::array();
        for (const auto& r : d.rows()) {
            const std::string status(1, static_cast<char>(r.status));
            ordered_json changes = ordered_json::object();
            for (const auto& c : r.changes)
                changes[d.fields()[static_cast<std::size_t>(c.field)].name] = cellJson(c.value);
            const bool inserted = r.status == UpdateStatus::Inserted;
            rows.push_back(ordered_json::array({status, inserted ? ordered_json() : rowJson(r.oldValues),
                                                inserted                            ? rowJson(r.newValues)
                                                : r.status == UpdateStatus::Deleted ? ordered_json()
                                                                                    : changes}));
        }
        return ordered_json{{"$delta", {{"fields", fieldsJson(d.fields())}, {"rows", std::move(rows)}}}};
    }
    }
    return nullptr;
}

Variant fromJson(const json& j) {
    switch (j.type()) {
    case json::value_t::null:
        return Variant();
    case json::value_t::boolean:
        return Variant(j.get<bool>());
    case json::value_t::number_integer:
        return Variant(j.get<std::int64_t>());
    case json::value_t::number_unsigned: {
        const auto u = j.get<std::uint64_t>();
        if (u > static_cast<std::uint64_t>(INT64_MAX))
            throw Error("Número inteiro grande demais: " + j.dump());
        return Variant(static_cast<std::int64_t>(u));
    }
    case json::value_t::number_float:
        return Variant(j.get<double>());
    case json::value_t::string:
        return Variant(j.get<std::string>());
    case json::value_t::array: {
        VariantArray out;
        for (const auto& e : j)
            out.push_back(fromJson(e));
        return Variant(std::move(out));
    }
    case json::value_t::object:
        if (j.contains("$datetime"))
            return parseIsoDateTime(j.at("$datetime").get<std::string>());
        if (j.contains("$bytes"))
            return Bytes{fromHex(j.at("$bytes").get<std::string>())};
        if (j.contains("$error"))
            return ServerError{j.at("$error").get<std::string>()};
        if (j.contains("$delta"))
            return deltaFromJson(j.at("$delta"));
        if (j.contains("fields") && j.contains("rows"))
            return packetFromJson(j);
        throw Error("Objeto JSON não reconhecido: " + j.dump());
    default:
        break;
    }
    throw Error("Valor JSON não suportado: " + j.dump());
}

} // namespace vq::rpc

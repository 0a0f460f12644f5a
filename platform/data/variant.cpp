#include "platform/data/variant.h"

#include "platform/data/error.h"
#include "platform/data/packet.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>

namespace vq {

std::string_view variantKindName(VariantKind kind) {
    static constexpr std::string_view kNames[] = {
        "nulo",    "lógico", "inteiro",         "número", "texto",           "data/hora",
        "binário", "lista",  "pacote de dados", "delta",  "erro do servidor"};
    return kNames[static_cast<std::size_t>(kind)];
}

Variant::Variant(std::shared_ptr<const DataPacket> p) {
    if (p)
        v_ = std::move(p);
}

Variant::Variant(std::shared_ptr<const Delta> d) {
    if (d)
        v_ = std::move(d);
}

void Variant::fail(VariantKind wanted) const {
    throw ConversionError("Não é possível converter o valor " + describe() + " (" +
                          std::string(variantKindName(kind())) + ") para " +
                          std::string(variantKindName(wanted)) + ".");
}

namespace {
std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

// The whole text, blanks around it aside, as a number; a leading '+' is accepted as from_chars does not.
template <class Number> std::optional<Number> parseNumber(std::string_view text) {
    const std::string_view s = trimmed(text);
    const char* first = s.data();
    const char* last = s.data() + s.size();
    if (s.size() > 1 && s.front() == '+' && s[1] != '-')
        ++first;
    Number out{};
    const auto [ptr, ec] = std::from_chars(first, last, out);
    if (s.empty() || ec != std::errc{} || ptr != last)
        return std::nullopt;
    return out;
}

std::string doubleText(double d) {
    char buf[64];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, d);
    return ec == std::errc{} ? std::string(buf, end) : std::string("?");
}

std::string dateText(DateTime dt) {
    const CivilDate d = datePart(dt);
    const CivilTime t = timePart(dt);
    char buf[48];
    if (t.hour || t.minute || t.second)
        std::snprintf(buf, sizeof buf, "%02d/%02d/%04d %02d:%02d:%02d", d.day, d.month, d.year, t.hour,
                      t.minute, t.second);
    else
        std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", d.day, d.month, d.year);
    return buf;
}
} // namespace

bool Variant::toBool() const {
    switch (kind()) {
    case VariantKind::Bool:
        return std::get<bool>(v_);
    case VariantKind::Int: {
        const auto i = std::get<std::int64_t>(v_);
        if (i == 0 || i == 1)
            return i == 1;
        break;
    }
    case VariantKind::String: {
        const auto s = trimmed(std::get<std::string>(v_));
        if (s == "True" || s == "true" || s == "T" || s == "1")
            return true;
        if (s == "False" || s == "false" || s == "F" || s == "0")
            return false;
        break;
    }
    default:
        break;
    }
    fail(VariantKind::Bool);
}

std::int64_t Variant::toInt() const {
    switch (kind()) {
    case VariantKind::Int:
        return std::get<std::int64_t>(v_);
    case VariantKind::Bool:
        return std::get<bool>(v_) ? 1 : 0;
    case VariantKind::Double: {
        const double d = std::get<double>(v_);
        // Only whole values in range: a fraction would be silently lost.
        if (std::isfinite(d) && d == std::trunc(d) && d >= -9.2e18 && d <= 9.2e18)
            return static_cast<std::int64_t>(d);
        break;
    }
    case VariantKind::String:
        if (const auto n = parseNumber<std::int64_t>(std::get<std::string>(v_)))
            return *n;
        break;
    default:
        break;
    }
    fail(VariantKind::Int);
}

double Variant::toDouble() const {
    switch (kind()) {
    case VariantKind::Double:
        return std::get<double>(v_);
    case VariantKind::Int:
        return static_cast<double>(std::get<std::int64_t>(v_));
    case VariantKind::DateTime:
        return std::get<DateTime>(v_).days;
    case VariantKind::String:
        if (const auto n = parseNumber<double>(std::get<std::string>(v_)))
            return *n;
        break;
    default:
        break;
    }
    fail(VariantKind::Double);
}

std::string Variant::toString() const {
    switch (kind()) {
    case VariantKind::Null:
        return {};
    case VariantKind::String:
        return std::get<std::string>(v_);
    case VariantKind::Bool:
        return std::get<bool>(v_) ? "True" : "False";
    case VariantKind::Int:
        return std::to_string(std::get<std::int64_t>(v_));
    case VariantKind::Double:
        return doubleText(std::get<double>(v_));
    case VariantKind::DateTime:
        return dateText(std::get<DateTime>(v_));
    case VariantKind::Bytes:
        return std::get<Bytes>(v_).data;
    case VariantKind::ServerError:
        return std::get<ServerError>(v_).message;
    default:
        break;
    }
    fail(VariantKind::String);
}

DateTime Variant::toDateTime() const {
    switch (kind()) {
    case VariantKind::DateTime:
        return std::get<DateTime>(v_);
    case VariantKind::Double:
        if (std::isfinite(std::get<double>(v_)))
            return {std::get<double>(v_)};
        break;
    case VariantKind::Int:
        return {static_cast<double>(std::get<std::int64_t>(v_))};
    default:
        break;
    }
    fail(VariantKind::DateTime);
}

Bytes Variant::toBytes() const {
    if (kind() == VariantKind::Bytes)
        return std::get<Bytes>(v_);
    if (kind() == VariantKind::String)
        return {std::get<std::string>(v_)};
    fail(VariantKind::Bytes);
}

const std::string& Variant::asString() const {
    if (kind() != VariantKind::String)
        fail(VariantKind::String);
    return std::get<std::string>(v_);
}

const VariantArray& Variant::asArray() const {
    if (kind() != VariantKind::Array)
        fail(VariantKind::Array);
    return std::get<VariantArray>(v_);
}

VariantArray& Variant::asArray() {
    if (kind() != VariantKind::Array)
        fail(VariantKind::Array);
    return std::get<VariantArray>(v_);
}

const DataPacket& Variant::asPacket() const {
    return *packetPtr();
}

const Delta& Variant::asDelta() const {
    return *deltaPtr();
}

std::shared_ptr<const DataPacket> Variant::packetPtr() const {
    if (kind() != VariantKind::Packet)
        fail(VariantKind::Packet);
    return std::get<std::shared_ptr<const DataPacket>>(v_);
}

std::shared_ptr<const Delta> Variant::deltaPtr() const {
    if (kind() != VariantKind::Delta)
        fail(VariantKind::Delta);
    return std::get<std::shared_ptr<const Delta>>(v_);
}

const ServerError& Variant::asServerError() const {
    if (kind() != VariantKind::ServerError)
        fail(VariantKind::ServerError);
    return std::get<ServerError>(v_);
}

std::string Variant::describe() const {
    constexpr std::size_t kMax = 60;
    switch (kind()) {
    case VariantKind::Null:
        return "nulo";
    case VariantKind::String: {
        const auto& s = std::get<std::string>(v_);
        return "\"" + (s.size() > kMax ? s.substr(0, kMax) + "..." : s) + "\"";
    }
    case VariantKind::Bytes:
        return std::to_string(std::get<Bytes>(v_).data.size()) + " bytes";
    case VariantKind::Array:
        return "lista de " + std::to_string(std::get<VariantArray>(v_).size()) + " elementos";
    case VariantKind::Packet:
        return "pacote de " + std::to_string(asPacket().rowCount()) + " linhas";
    case VariantKind::Delta:
        return "delta de " + std::to_string(asDelta().rowCount()) + " linhas";
    case VariantKind::ServerError:
        return "erro \"" + std::get<ServerError>(v_).message + "\"";
    default:
        return toString();
    }
}

bool Variant::operator==(const Variant& other) const {
    if (kind() != other.kind())
        return false;
    if (kind() == VariantKind::Packet)
        return asPacket() == other.asPacket();
    if (kind() == VariantKind::Delta)
        return asDelta() == other.asDelta();
    return v_ == other.v_;
}

} // namespace vq

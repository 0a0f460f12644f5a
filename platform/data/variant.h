#pragma once
// The value that crosses every layer: field values, remote-call arguments and results.

#include "platform/data/date_time.h"

#include <concepts>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace vq {

class DataPacket;
class Delta;
class Variant;

using VariantArray = std::vector<Variant>;

struct Bytes {
    std::string data;
    bool operator==(const Bytes&) const = default;
};

struct ServerError {
    std::string message;
    bool operator==(const ServerError&) const = default;
};

enum class VariantKind : std::uint8_t {
    Null,
    Bool,
    Int,
    Double,
    String,
    DateTime,
    Bytes,
    Array,
    Packet,
    Delta,
    ServerError
};

std::string_view variantKindName(VariantKind kind); // Portuguese, for messages

class Variant {
public:
    Variant() = default;
    Variant(std::nullptr_t) {}
    Variant(bool b) : v_(b) {}
    template <std::integral T>
        requires(!std::same_as<T, bool> && !std::same_as<T, char>)
    Variant(T i) : v_(static_cast<std::int64_t>(i)) {}
    Variant(double d) : v_(d) {}
    Variant(std::string s) : v_(std::move(s)) {}
    Variant(std::string_view s) : v_(std::string(s)) {}
    Variant(const char* s) : v_(std::string(s)) {}
    Variant(DateTime dt) : v_(dt) {}
    Variant(Bytes b) : v_(std::move(b)) {}
    Variant(VariantArray a) : v_(std::move(a)) {}
    Variant(std::shared_ptr<const DataPacket> p);
    Variant(std::shared_ptr<const Delta> d);
    Variant(ServerError e) : v_(std::move(e)) {}

    VariantKind kind() const { return static_cast<VariantKind>(v_.index()); }
    bool isNull() const { return kind() == VariantKind::Null; }
    bool is(VariantKind k) const { return kind() == k; }

    // Checked conversions: a value that cannot become the wanted kind throws ConversionError
    // naming the value and the kind.
    bool toBool() const;
    std::int64_t toInt() const;
    double toDouble() const;
    std::string toString() const; // null becomes the empty string
    DateTime toDateTime() const;
    Bytes toBytes() const;

    // Direct access without conversion; throws ConversionError on another kind.
    const std::string& asString() const;
    const VariantArray& asArray() const;
    VariantArray& asArray();
    const DataPacket& asPacket() const;
    const Delta& asDelta() const;
    std::shared_ptr<const DataPacket> packetPtr() const;
    std::shared_ptr<const Delta> deltaPtr() const;
    const ServerError& asServerError() const;

    // Short text for messages and logs ("nulo", "\"abc\"", "12", "07/12/2026"...).
    std::string describe() const;

    bool operator==(const Variant& other) const;

private:
    [[noreturn]] void fail(VariantKind wanted) const;

    std::variant<std::monostate, bool, std::int64_t, double, std::string, DateTime, Bytes, VariantArray,
                 std::shared_ptr<const DataPacket>, std::shared_ptr<const Delta>, ServerError>
        v_;
};

} // namespace vq

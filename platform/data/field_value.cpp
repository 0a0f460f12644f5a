#include "platform/data/field_value.h"

#include "platform/data/display_format.h"
#include "platform/data/edit_mask.h"
#include "platform/data/error.h"
#include "platform/data/text_ptbr.h"

#include <cmath>

namespace vq {

namespace {

[[noreturn]] void refuse(const FieldDesc& field, const Variant& value) {
    throw FieldError("Campo " + field.name + ": o valor " + value.describe() + " (" +
                     std::string(variantKindName(value.kind())) + ") não serve para um campo do tipo " +
                     std::string(fieldTypeName(field.type)) + ".");
}

[[noreturn]] void badText(const FieldDesc& field, std::string_view text, const char* what) {
    throw FieldError("Campo " + field.name + ": \"" + std::string(text.substr(0, 60)) + "\" não é " + what +
                     " válido.");
}

bool isBlankText(std::string_view text) {
    return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

std::string dateTimeText(DateTime dt) {
    const double fraction = dt.days - std::floor(dt.days);
    return fraction == 0.0 ? formatDate(dt) : formatDateTime(dt);
}

bool isNumeric(VariantKind k) {
    return k == VariantKind::Int || k == VariantKind::Double;
}

[[noreturn]] void notConvertible(std::string_view field, const Variant& value, const char* wanted) {
    throw ConversionError("Campo " + std::string(field) + ": o valor " + value.describe() +
                          " não pode ser lido como " + wanted + ".");
}

} // namespace

bool hasFieldKind(FieldType type, VariantKind kind) {
    switch (type) {
    case FieldType::String:
        return kind == VariantKind::String || kind == VariantKind::Null;
    case FieldType::Integer:
    case FieldType::SmallInt:
        return kind == VariantKind::Int || kind == VariantKind::Null;
    case FieldType::Float:
        return kind == VariantKind::Double || kind == VariantKind::Null;
    case FieldType::DateTime:
        return kind == VariantKind::DateTime || kind == VariantKind::Null;
    case FieldType::Blob:
        return kind == VariantKind::String || kind == VariantKind::Bytes || kind == VariantKind::Null;
    case FieldType::Boolean:
        return kind == VariantKind::Bool || kind == VariantKind::Null;
    }
    return false;
}

Variant fitValue(const FieldDesc& field, const Variant& value) {
    if (hasFieldKind(field.type, value.kind())) {
        checkFits(field, value);
        return value;
    }
    Variant fitted;
    const VariantKind k = value.kind();
    switch (field.type) {
    case FieldType::Float:
        if (k != VariantKind::Int)
            refuse(field, value);
        fitted = value.toDouble();
        break;
    case FieldType::Integer:
    case FieldType::SmallInt:
        if (k != VariantKind::Double)
            refuse(field, value);
        try {
            fitted = value.toInt(); // whole values only
        } catch (const ConversionError&) {
            refuse(field, value);
        }
        break;
    case FieldType::DateTime:
        if (!isNumeric(k) || !std::isfinite(value.toDouble()))
            refuse(field, value);
        fitted = DateTime{value.toDouble()};
        break;
    default:
        refuse(field, value);
    }
    checkFits(field, fitted);
    return fitted;
}

std::string valueText(const Variant& value) {
    switch (value.kind()) {
    case VariantKind::Double:
        return formatNumber(value.toDouble());
    case VariantKind::DateTime:
        return dateTimeText(value.toDateTime());
    default:
        return value.toString();
    }
}

Variant parseFieldText(const FieldDesc& field, std::string_view text) {
    if (text.empty() ||
        (field.type != FieldType::String && field.type != FieldType::Blob && isBlankText(text)))
        return {};
    switch (field.type) {
    case FieldType::String:
    case FieldType::Blob:
        return fitValue(field, std::string(text));
    case FieldType::Integer:
    case FieldType::SmallInt: {
        const auto i = parseInteger(text);
        if (!i)
            badText(field, text, "um número inteiro");
        return fitValue(field, *i);
    }
    case FieldType::Float: {
        const auto d = parseNumber(text);
        if (!d)
            badText(field, text, "um número");
        return *d;
    }
    case FieldType::DateTime: {
        const auto dt = parseDateTime(text);
        if (!dt)
            badText(field, text, "uma data");
        return *dt;
    }
    case FieldType::Boolean: {
        const Variant v{std::string(text)};
        try {
            return v.toBool();
        } catch (const ConversionError&) {
            badText(field, text, "um valor lógico");
        }
    }
    }
    return {};
}

std::string formattedText(const FieldDesc& field, std::string_view editMask, std::string_view displayFormat,
                          const Variant& value) {
    if (value.isNull())
        return {};
    if (!displayFormat.empty() && isNumeric(value.kind()) && field.type != FieldType::DateTime)
        return formatFloat(displayFormat, value.toDouble());
    if (!editMask.empty() && field.type == FieldType::String)
        return formatMaskText(editMask, value.asString());
    return valueText(value);
}

std::int64_t valueAsInteger(std::string_view field, const Variant& value) {
    switch (value.kind()) {
    case VariantKind::Null:
        return 0;
    case VariantKind::Int:
    case VariantKind::Bool:
        return value.toInt();
    case VariantKind::Double: {
        const double d = value.toDouble();
        if (!std::isfinite(d) || std::fabs(d) > 9.2e18)
            notConvertible(field, value, "número inteiro");
        return std::llround(d);
    }
    case VariantKind::String:
        if (const auto i = parseInteger(value.asString()))
            return *i;
        break;
    default:
        break;
    }
    notConvertible(field, value, "número inteiro");
}

double valueAsFloat(std::string_view field, const Variant& value) {
    switch (value.kind()) {
    case VariantKind::Null:
        return 0.0;
    case VariantKind::Int:
    case VariantKind::Double:
    case VariantKind::DateTime:
        return value.toDouble();
    case VariantKind::String:
        if (const auto d = parseNumber(value.asString()))
            return *d;
        break;
    default:
        break;
    }
    notConvertible(field, value, "número");
}

DateTime valueAsDateTime(std::string_view field, const Variant& value) {
    switch (value.kind()) {
    case VariantKind::Null:
        return {};
    case VariantKind::DateTime:
    case VariantKind::Int:
    case VariantKind::Double:
        return value.toDateTime();
    case VariantKind::String:
        if (isBlankText(value.asString()))
            return {};
        if (const auto dt = parseDateTime(value.asString()))
            return *dt;
        break;
    default:
        break;
    }
    notConvertible(field, value, "data");
}

bool valueAsBoolean(std::string_view field, const Variant& value) {
    if (value.isNull())
        return false;
    try {
        return value.toBool();
    } catch (const ConversionError&) {
        notConvertible(field, value, "valor lógico");
    }
}

Variant convertForField(const FieldDesc& field, const Variant& value) {
    if (hasFieldKind(field.type, value.kind()))
        return fitValue(field, value);
    switch (field.type) {
    case FieldType::String:
    case FieldType::Blob:
        if (value.kind() == VariantKind::Bytes)
            break;
        return fitValue(field, valueText(value));
    case FieldType::Boolean:
        if (value.kind() == VariantKind::Int)
            return fitValue(field, value.toBool());
        break;
    default:
        if (value.kind() == VariantKind::String)
            return parseFieldText(field, value.asString());
        break;
    }
    return fitValue(field, value);
}

} // namespace vq

#pragma once
// How a field's value is checked, converted and turned into text. Shared by fields, packet loading,
// locate and filters so that every way into a dataset applies the same rules.

#include "platform/data/packet.h"
#include "platform/data/variant.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace vq {

// True when the value already has the field's own kind (or is null) and only needs checkFits.
bool hasFieldKind(FieldType type, VariantKind kind);

// Brings a value to the field's own kind where nothing is lost (an integer into a float field, a whole
// double into an integer field, days into a date) and checks it; anything else is refused with a
// FieldError naming the field (wrong kind, text longer than the size, small integer out of range).
Variant fitValue(const FieldDesc& field, const Variant& value);

// Plain text of a value: pt-BR numbers without grouping, dd/mm/yyyy dates (with the time when there is
// one), "True"/"False"; null is empty.
std::string valueText(const Variant& value);

// Text typed for a field, read the pt-BR way; empty (or blank, outside string fields) text is null.
// Refused with a FieldError naming the field when it is not a value of the field's type.
Variant parseFieldText(const FieldDesc& field, std::string_view text);

// The display form of a value without handlers: the display format for numbers, the edit mask for
// strings, else valueText.
std::string formattedText(const FieldDesc& field, std::string_view editMask, std::string_view displayFormat,
                          const Variant& value);

// Typed reads (AsInteger, AsFloat, ...): null gives zero/false/the zero date; text is parsed pt-BR.
// A value that is not of the wanted kind throws ConversionError naming the field.
std::int64_t valueAsInteger(std::string_view field, const Variant& value);
double valueAsFloat(std::string_view field, const Variant& value);
DateTime valueAsDateTime(std::string_view field, const Variant& value);
bool valueAsBoolean(std::string_view field, const Variant& value);

// Typed writes: converts a value of another kind to what the field stores (an integer into a string
// field becomes its text), or refuses it with a FieldError naming the field.
Variant convertForField(const FieldDesc& field, const Variant& value);

} // namespace vq

#pragma once
// Short constructors for the customer form's field tables, so that each table row reads like the record
// layout it comes from: name, size, label, mask or format.

#include "platform/data/field.h"

#include <string_view>

namespace vq::customer {

// A string field; size 0 gives the default of 20 characters.
constexpr FieldSpec str(std::string_view name, int size, std::string_view label = {},
                        std::string_view editMask = {}) {
    return FieldSpec{name, FieldType::String, size, label, editMask, {}};
}

constexpr FieldSpec num(std::string_view name, std::string_view label = {}, std::string_view format = {}) {
    return FieldSpec{name, FieldType::Float, 0, label, {}, format};
}

constexpr FieldSpec date(std::string_view name, std::string_view label = {}) {
    return FieldSpec{name, FieldType::DateTime, 0, label, {}, {}};
}

// Free text of any length.
constexpr FieldSpec memo(std::string_view name, std::string_view label = {}) {
    return FieldSpec{name, FieldType::Blob, 0, label, {}, {}};
}

} // namespace vq::customer

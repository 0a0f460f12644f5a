#pragma once
// Check boxes bound to a coded field store one value when ticked and another when not ("S"/"N" mostly).

#include "platform/data/field.h"

#include <cstdint>
#include <string_view>

namespace vq::customer {

struct CheckBoxValues {
    std::string_view dataSet;
    std::string_view field;
    std::string_view checked;
    std::string_view unchecked;
};

enum class CheckState : std::uint8_t { Unchecked, Checked, Neither };

// The box's state for the field's value; trailing blanks do not count ("1 " reads as "1").
CheckState checkState(const CheckBoxValues& values, const Field& field);

// Stores the value of a ticked or unticked box. Trailing blanks of a value longer than the field are
// padding, not data: they are dropped so that the value fits.
void storeChecked(const CheckBoxValues& values, Field& field, bool checked);

} // namespace vq::customer

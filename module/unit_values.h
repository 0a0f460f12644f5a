#pragma once
// Unit-level state by unit and name, for the host's automation driver (VqUnitValue).

#include "platform/data/variant.h"

#include <optional>
#include <string_view>

namespace vq::module {

// Flags as bool, strings as string, integers as int, a form reference as the live form's Name (null
// when none). Unit and name match without regard to case; nullopt when unknown.
std::optional<Variant> unitValue(std::string_view unit, std::string_view name);

} // namespace vq::module

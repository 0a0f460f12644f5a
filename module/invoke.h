#pragma once
// Calling an exported routine by name with Variant arguments (VqInvoke).

#include "platform/data/variant.h"

#include <string>
#include <string_view>

namespace vq::module {

// Checks the arguments against the routine's signature and runs it inside the GUI guard (its own
// errors are shown and logged there). False, with `error` set, for an unknown routine or arguments
// that do not fit.
bool invoke(std::string_view routine, const VariantArray& args, std::string& error);

} // namespace vq::module

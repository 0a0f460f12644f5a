#pragma once
// A call's arguments bound, in order, to the named parameters of the statement that serves it.

#include "platform/data/variant.h"
#include "platform/db/params.h"

#include <string>
#include <string_view>
#include <vector>

namespace vq::server {

// "P_CDCLIENTE, P_CDINTECLIE" -> {"P_CDCLIENTE", "P_CDINTECLIE"}.
std::vector<std::string> nameList(std::string_view names);

// `names`: "P_CDCLIENTE, P_CDINTECLIE". Each argument is bound as text. Throws vq::Error naming the method
// when the call brings fewer arguments than names.
db::Params bindArguments(std::string_view method, std::string_view names, const VariantArray& args);

} // namespace vq::server

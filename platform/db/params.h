#pragma once
// Named parameter values for a statement: {{"P_CDCLIENTE", "J123"}, {"P_TODOS", "T"}}. Names match the
// text's ":NAME" without regard to case.

#include "platform/data/variant.h"
#include "platform/db/sql_text.h"

#include <map>
#include <string>

namespace vq::db {

using Params = std::map<std::string, Variant, NameLess>;

} // namespace vq::db

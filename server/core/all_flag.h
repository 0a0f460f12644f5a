#pragma once
// The "all" switch of the module's lookups and criteria: "T" beside (or in place of) a code asks for every
// row. Blanks around it and its case do not matter.

#include <string_view>

namespace vq::server {

bool isAllFlag(std::string_view flag);

} // namespace vq::server

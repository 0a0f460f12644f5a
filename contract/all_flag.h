#pragma once
// The "all" switch of remote method arguments: "T" beside a key or a list selects every row.

#include <string_view>

namespace vq::contract {

inline constexpr std::string_view kAllFlag = "T";

// Whether a switch argument says "all": "T" in either case, with blanks around it allowed, since a
// switch taken from a fixed-width field arrives padded.
bool isAllFlag(std::string_view flag);

} // namespace vq::contract

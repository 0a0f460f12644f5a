#pragma once
// The list form of a picked selection, as the list picker writes it and remote methods receive it: each
// code between underscores, "_a__b_"; a single code c reads "_c_".

#include <string>
#include <string_view>
#include <vector>

namespace vq::contract {

// The codes in list order, trimmed of blanks; empty codes and text outside underscores are skipped.
std::vector<std::string> listCodes(std::string_view list);

} // namespace vq::contract

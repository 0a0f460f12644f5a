#pragma once
// The customer columns an import layout may feed (arFields of unit Vqm41204): 111 names sorted without
// regard to case, each naming one value slot of an imported line.

#include <span>
#include <string_view>

namespace vq::import {

inline constexpr std::size_t kImportFieldCount = 111;

std::span<const std::string_view> arFields();

// Index of `name` in arFields (any letter case), or -1 when it is not an importable column.
int findImportField(std::string_view name);

} // namespace vq::import

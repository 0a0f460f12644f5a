#pragma once
// Ordering and matching of field values, shared by the index, Locate and filters.

#include "platform/data/variant.h"

#include <string_view>
#include <vector>

namespace vq {

// Total order: null first; numbers and dates by value; text by code point (UTF-8 bytes); booleans
// false first. Values of unrelated kinds compare by their text.
int compareValues(const Variant& a, const Variant& b);

// Text comparison for Locate and filters: optionally ignoring case (Unicode letters), optionally
// accepting `value` that starts with `key`.
bool textMatches(std::string_view value, std::string_view key, bool caseInsensitive, bool prefix);

// "A;B" -> {"A", "B"}, blanks around names dropped, empty names skipped.
std::vector<std::string_view> splitFieldList(std::string_view names);

} // namespace vq

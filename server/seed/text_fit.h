#pragma once
// Fitting reference names (banks, countries, municipalities) into narrow columns.

#include <cstddef>
#include <string>
#include <string_view>

namespace vq::seed {

// Returns `name` when it has at most `maxChars` characters; otherwise abbreviates the usual words
// ("Cooperativa" -> "Coop.", "Banco" -> "Bco.", ...) until it fits and, as a last resort, cuts at a
// word boundary (at a character boundary when one word is too long). Never splits a UTF-8 sequence;
// the same input always gives the same output.
std::string fitName(std::string_view name, std::size_t maxChars);

} // namespace vq::seed

#pragma once
// Preferred banks and base price tables: the display rules of their grids and the choice of rows that
// lose a mark when another row takes it.

#include <optional>
#include <string>
#include <string_view>

namespace vq::customer {

// An account number shown through its bank's picture ("" when the bank has none): the picture followed by
// ";0; " (literals not stored, blank shown as a space). A null number shows nothing.
std::string accountNumberText(std::string_view picture, std::string_view stored, bool isNull);

// The principal mark of a price table: "S" shows the text of key "S", any other filled value the text of
// the key equal to it; an empty value nothing.
// Set text: the text of "S" stores "S", any other filled text "N", an empty text changes nothing.
std::optional<std::string> principalValue(std::string_view text, std::string_view yesText);

// The priority toggle: "S" becomes "N", anything else "S".
std::string toggledMark(std::string_view mark);

} // namespace vq::customer

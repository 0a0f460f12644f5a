#pragma once
// pt-BR text <-> numbers, dates and times, independent of the process locale: decimal comma, no
// thousands separator in plain text, dd/mm/yyyy and hh:nn:ss.

#include "platform/data/date_time.h"

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace vq {

// Decimal digits of a non-negative number rounded half away from zero to `decimals` places, taken from
// its shortest round-trip form (so 0.125 rounds to 0.13). `integer` has no leading zeros ("" for zero);
// `fraction` has exactly `decimals` digits.
struct FixedDigits {
    std::string integer;
    std::string fraction;
};
FixedDigits fixedDigits(double absValue, int decimals);

// Shortest text that reads back to the same double: "1234,5", "-0,001", "0"; scientific "1,5E20" outside
// 1e-5 <= |v| < 1e15. NaN and infinities give "NAN", "INF", "-INF".
std::string formatNumber(double value);

// Accepts blanks around, a sign, digits with an optional decimal comma and an optional exponent
// ("1,5E20"). Refuses a dot (thousands or decimal), empty text, NaN/infinity words and overflow.
std::optional<double> parseNumber(std::string_view text);

// Blanks around, a sign and digits only; nullopt outside [min, max].
std::optional<std::int64_t> parseInteger(std::string_view text,
                                         std::int64_t min = std::numeric_limits<std::int64_t>::min(),
                                         std::int64_t max = std::numeric_limits<std::int64_t>::max());

// The zero date, NaN and values outside years 1..9999 format as empty text.
std::string formatDate(DateTime value);     // dd/mm/yyyy
std::string formatDateTime(DateTime value); // dd/mm/yyyy hh:nn:ss
std::string formatTime(DateTime value);     // hh:nn:ss of the time of day; empty for NaN

// dd/mm/yyyy (day and month may have one digit). A two-digit year yy means 20yy when yy < 50, else
// 19yy. The calendar is checked (31/02 is refused); empty text gives nullopt.
std::optional<DateTime> parseDate(std::string_view text);
// A date, optionally followed by blanks and a time (hh:nn or hh:nn:ss).
std::optional<DateTime> parseDateTime(std::string_view text);
// hh:nn or hh:nn:ss as a fraction of a day.
std::optional<DateTime> parseTime(std::string_view text);

} // namespace vq

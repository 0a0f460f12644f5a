#pragma once
// Text forms of values as the databases read and write them.

#include "platform/data/date_time.h"

#include <optional>
#include <string>
#include <string_view>

namespace vq::db {

// "YYYY-MM-DD HH:MM:SS.mmm": sorts chronologically as text, which SQLite relies on.
std::string formatTimestamp(DateTime value);

// "YYYY-MM-DD" optionally followed by ' ' or 'T' and "HH:MM[:SS[.fraction]]"; a trailing zone ("Z",
// "+03", "-03:00") is ignored. The fraction is rounded to the millisecond.
std::optional<DateTime> parseTimestamp(std::string_view text);

// Shortest text that reads back as the same double ("0.1", "123", "1e+300"); "NaN", "Infinity", "-Infinity".
std::string formatDouble(double value);

} // namespace vq::db

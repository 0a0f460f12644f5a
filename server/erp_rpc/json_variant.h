#pragma once
// Variants as JSON for the command-line client. Scalars and arrays map to themselves; the other kinds
// use tagged objects:
//   {"$datetime": "2026-12-07T10:30:00"}   {"$bytes": "00ff..."} (hex)   {"$error": "message"}
//   packet: {"fields": [["CDCLIENTE", "string", 21], ...], "rows": [[...], ...]}
//   delta:  {"$delta": {"fields": [...], "rows": [["I", null, [...]], ["M", [...], {"NMFANTCLIE": "X"}],
//                                                 ["D", [...], null]]}}
// Inside packet and delta rows a date-time cell is the bare ISO text and a blob cell a string.

#include "platform/data/variant.h"

#include <nlohmann/json.hpp>

namespace vq::rpc {

nlohmann::ordered_json toJson(const Variant& value);

// Throws vq::Error with a message naming what did not fit.
Variant fromJson(const nlohmann::json& value);

std::string formatIsoDateTime(DateTime dt);
DateTime parseIsoDateTime(std::string_view text); // "YYYY-MM-DD" with optional "THH:MM[:SS[.mmm]]"

} // namespace vq::rpc

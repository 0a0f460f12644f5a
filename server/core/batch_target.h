#pragma once
// The customers a batch assignment changes. Every customer ("T") or the codes of a picked list, narrowed
// by the country, state ("0055SP") or municipality ("0055SP0001") of one kind of address. The lists are
// parsed and written to a temporary table with bound values, never pasted into SQL; the chosen customers
// are numbered in a second temporary table so that the work can go in chunks. Both tables live inside the
// caller's transaction and vanish with it.

#include "platform/data/variant.h"
#include "platform/db/connection.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vq::server {

struct BatchSelection {
    std::optional<std::vector<std::string>> customers;          // nullopt: every customer
    std::vector<std::string> countries, states, municipalities; // empty: every one
    std::string addressKind;                                    // "P", "C", "E", "X", "T" or "" (any)
};

// The four selection strings of the batch forms, in the methods' order (country, state, municipality,
// address kind, customer list). A customer list "T" (any case, padded) is every customer; an empty one
// selects nobody. Geography without a kind takes an address of any kind (the forms always send one with
// geography; their customer list may not). Throws vq::Error for an unknown kind.
BatchSelection batchSelectionFrom(const Variant& countries, const Variant& states,
                                  const Variant& municipalities, const Variant& addressKind,
                                  const Variant& customers);

inline constexpr std::string_view kBatchTargetTable = "BATCHALVO"; // NRORDEM 1..n, CDCLIENTE
inline constexpr std::int64_t kBatchChunk = 500;

// Creates the temporary tables and numbers the chosen customers by code; answers how many there are.
// Must run inside a transaction.
std::int64_t fillBatchTarget(db::Connection& conn, const BatchSelection& selection);

// Runs `step(from, to)` over the numbered customers in chunks of kBatchChunk (from exclusive, to
// inclusive, as :P_DE and :P_ATE) and reports (done, total) after each.
void forEachBatchChunk(std::int64_t total,
                       const std::function<void(std::int64_t from, std::int64_t to)>& step,
                       const std::function<void(std::int64_t done, std::int64_t total)>& progress);

// The chunk's customers, for "CDCLIENTE IN (...)" with :P_DE and :P_ATE bound.
inline constexpr std::string_view kBatchChunkCustomers =
    "SELECT CDCLIENTE FROM BATCHALVO WHERE NRORDEM > :P_DE AND NRORDEM <= :P_ATE";

} // namespace vq::server

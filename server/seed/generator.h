#pragma once
// The demo data set: real Brazilian geography, banks, CNAE subclasses and countries, the module's lookup
// tables, and N customers of both kinds with valid CPF/CNPJ numbers, every address kind, contacts,
// banks, price tables and the rest. Deterministic: the same options give the same rows.

#include "server/seed/row_sink.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vq::seed {

struct SeedOptions {
    int customers = 1000;
    std::uint64_t rngSeed = 0x5EED20261207ULL;
};

// "demo" or "demo:N" (N from 0 to 10,000,000); nullopt for anything else.
std::optional<SeedOptions> parseSeedSpec(std::string_view spec);

// Reference and lookup tables (no customers).
void generateReference(RowSink& sink);
// Customers with their detail rows, districts of the municipalities they use, and a few prospects.
void generateCustomers(RowSink& sink, const SeedOptions& options);

inline void generateDemo(RowSink& sink, const SeedOptions& options) {
    generateReference(sink);
    generateCustomers(sink, options);
}

// Expands a fixed-table cell: "cnpj:" + 12 digits gets its check digits; anything else is returned as is.
std::string expandCell(std::string_view cell);

} // namespace vq::seed

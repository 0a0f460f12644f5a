#pragma once
// Small lookup tables of the demo database, declared as data: salespeople, segments, activity branches,
// payment forms, indexes, companies, registrations, series and the rest.

#include <span>
#include <string_view>
#include <vector>

namespace vq::seed {

struct FixedTable {
    std::string_view table;
    std::string_view columns; // comma-separated
    // Row after row; "" is null; numbers as text; "cnpj:" + 12 digits gets its check digits.
    std::span<const std::string_view> cells;
};

std::span<const FixedTable> fixedTables();

// The values of one column of a fixed table, in row order (codes the customers point at).
std::vector<std::string_view> fixedColumn(std::string_view table, std::string_view column);

} // namespace vq::seed

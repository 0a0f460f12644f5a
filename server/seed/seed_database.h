#pragma once
// Writes the demo data set into a database, in one transaction.

#include "platform/db/connection.h"
#include "server/seed/generator.h"

#include <cstddef>
#include <map>
#include <string>

namespace vq::seed {

struct SeedReport {
    std::map<std::string, std::size_t> rows; // per table written
    std::vector<std::string> skippedTables;  // reference tables that already had rows
};

// Refuses (vq::Error) when CLIENTE already has rows. Reference tables that already hold rows are left
// as they are; everything else is inserted in one transaction, so a failure leaves nothing behind.
// The schema must be current (schema::applyMigrations).
SeedReport seedDatabase(db::Connection& conn, const SeedOptions& options);

std::int64_t customerCount(db::Connection& conn);

} // namespace vq::seed

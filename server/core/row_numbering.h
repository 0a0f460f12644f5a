#pragma once
// Rows whose sequence is half their key and that the client sends without one: the server numbers them
// on insert, inside the save's transaction, as the owner's next number.

#include "platform/data/packet.h"
#include "platform/db/connection.h"
#include "server/core/provider.h"

#include <string>
#include <string_view>
#include <vector>

namespace vq::server {

// The next number of `owner` in a numbered table, zero-padded to the column's width ("00002"); "00001"
// for the first. Numbers that are not digits are skipped.
std::string nextRowNumber(db::Connection& conn, std::string_view table, std::string_view numberColumn,
                          std::string_view ownerColumn, const Variant& owner, int width);

// Whether `provider`'s inserted rows may need a number.
bool numbersRows(const Provider& provider);

// When `provider` numbers its rows and the inserted `values` (in the delta's field order, `cols`) carry
// no number, writes the next one into them. Returns whether it did.
bool numberInsertedRow(db::Connection& conn, const Provider& provider,
                       const std::vector<const ProviderColumn*>& cols, std::vector<Variant>& values);

} // namespace vq::server

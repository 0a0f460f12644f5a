#pragma once
// What goes when a customer's rows are removed: the commands that clear one kind of the customer's rows
// (payment terms, base prices, additional salespeople, a contact's history and mailings), and the rows a
// customer or a contact owns, removed in the transaction that deletes it so that none is left behind.

#include "platform/data/variant.h"
#include "platform/db/connection.h"

#include <cstdint>
#include <string_view>

namespace vq::server {

// SetDelPrazoPagamento(code), SetExcPrcBase(code), DelVendAdicClie(code), SetDelEvoInteClie(code, contact),
// SetDelMalaClie(code, contact): removes those rows; returns how many.
std::int64_t runRemovalCommand(db::Connection& conn, std::string_view method, const VariantArray& args);

// After a row of `table` was deleted: removes the rows it owns (a customer's addresses, contacts,
// observations, terms, banks...; a contact's correspondence). `key` holds the deleted row's key columns.
// Returns how many went.
std::int64_t removeOwnedRows(db::Connection& conn, std::string_view table, const db::Params& key);

// SetAuxCodCliente(code), before the customer row is deleted: the customer must still exist, so that a
// deletion another user already made is reported instead of failing later as a conflict.
void prepareCustomerDeletion(db::Connection& conn, const Variant& code);

} // namespace vq::server

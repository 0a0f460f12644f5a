#pragma once
// The customer form's "may this row be added" questions: a base price table and a partner's registration,
// each answered as a boolean for one customer.

#include "platform/data/variant.h"
#include "platform/db/connection.h"

#include <string_view>

namespace vq::server {

// ValidaPrecoBase(customer, table): true when the customer has no row of that base price table.
bool priceTableFree(db::Connection& conn, std::string_view customer, std::string_view table);
// GetValid_Socio(customer, number): true when the customer has no partner with that registration.
bool partnerFree(db::Connection& conn, std::string_view customer, std::string_view number);

// The text a refused duplicate key of a table gives the user ("" when the table has none of its own).
std::string_view duplicateRowMessage(std::string_view table);

} // namespace vq::server

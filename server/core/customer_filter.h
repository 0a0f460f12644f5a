#pragma once
// GetCliente: the customers matching the filter's eight criteria, as the packet of cdsCliente.

#include "platform/data/packet.h"
#include "platform/db/connection.h"

#include <array>
#include <string>

namespace vq::server {

// One criterion as the filter sends it: a list of "_code_" runs and the all flag ("T" = every code).
struct FilterPair {
    std::string list;
    std::string all;
};

// In the order GetCliente receives them: customer, activity branch, country, state, segment, origin,
// qualification, municipality.
using CustomerFilter = std::array<FilterPair, 8>;

CustomerFilter filterFromArgs(const VariantArray& sixteenStrings);

// A criterion whose flag is "T" selects everything; otherwise a customer matches when its code, wrapped
// in underscores, occurs in the list (an empty list matches nothing). Country, state and municipality
// are those of the customer's normal address; a state matches as "_SP_" or with its country ("_0055SP_"),
// a municipality as country + state + code ("_0055SP0001_"). The lists are bound as parameters only.
DataPacket selectCustomers(db::Connection& conn, const CustomerFilter& filter);

} // namespace vq::server

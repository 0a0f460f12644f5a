#pragma once
// GetCliente: the customers matching the filter's eight criteria, as the packet of cdsCliente.

#include "contract/customer_filter.h"
#include "platform/data/packet.h"
#include "platform/db/connection.h"

namespace vq::server {

// A criterion that is "all" selects everything; otherwise a customer matches when its code, wrapped in
// underscores, occurs in the list (an empty list matches nothing). Country, state and municipality are
// those of the customer's normal address; a state matches as "_SP_" or with its country ("_0055SP_"), a
// municipality as country + state + code ("_0055SP0001_"). The lists are bound as parameters only.
DataPacket selectCustomers(db::Connection& conn, const contract::CustomerFilter& filter);

} // namespace vq::server

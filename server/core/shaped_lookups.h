#pragma once
// Lookups whose answer is more than one table's rows for the arguments as given.

#include "platform/data/packet.h"
#include "platform/db/connection.h"

namespace vq::server {

// GetRamoAtiv(branch code, switch, levels, tree code): the branches of the lookup table, branches deeper
// than the picture's levels left out.
DataPacket loadActivityBranches(db::Connection& conn, const VariantArray& args);

} // namespace vq::server

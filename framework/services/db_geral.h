#pragma once
// The host's shared read-only database connection (the data module dtmDBGeral) and the queries that use
// it. The host sets the connection at start; a connection replaced later stays alive until the process
// ends, so queries created before the change never point at a closed session.

#include "platform/db/tadoib_query.h"

#include <memory>
#include <string>

namespace vq {

namespace db {
class Connection;
}

db::Connection* dtmDBGeral(); // nullptr until the host sets it
void setDtmDBGeral(std::shared_ptr<db::Connection> connection);

// A query on the shared connection (throws vq::Error when the host has set none).
std::unique_ptr<TADOIBQuery> newQuery(std::string name = {});
// Puts an existing query (a form member) on the shared connection.
TADOIBQuery& useDBGeral(TADOIBQuery& query);

} // namespace vq

#pragma once
// The customer filter's remote lists: qualifications and origins, with the picker's mark column.

#include "platform/data/packet.h"
#include "platform/db/connection.h"

namespace vq::server {

// GetQualifica(code, all-flag): every qualification ("T") or the one with the code.
DataPacket loadQualifications(db::Connection& conn, const VariantArray& args);

// GetOrigem(): every origin (provider "dspOrigem").
DataPacket loadOrigins(db::Connection& conn);

} // namespace vq::server

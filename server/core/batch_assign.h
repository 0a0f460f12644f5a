#pragma once
// The batch assignments of the customer module: one call changes every chosen customer (batch_target.h)
// inside one transaction, in chunks, reporting progress after each; any failure (a constraint, a trigger,
// the client gone) rolls everything back. Unknown retention sequentials, price tables or groups are
// refused before anything is written.

#include "platform/data/packet.h"
#include "platform/db/connection.h"
#include "platform/net/method_registry.h"

#include <cstdint>

namespace vq::server {

inline constexpr std::string_view kNoCustomers = "NO_CLIENTES";
inline constexpr std::string_view kSuccess = "SUC";

// setCadAuto(list, IRPJ sequential, CSLL sequential): -1 leaves that retention as it is; otherwise the
// sequential and its code (CDRETIRPJ / CDRETCSLL) are set. Answers how many customers were chosen.
std::int64_t assignRetentions(db::Connection& conn, const net::CallContext& ctx, const VariantArray& args);

// getClientesEnd(countries, states, municipalities, address kind): every customer that fits, by name, as
// the batch forms' customer list (IDMARCADO, CDCLIENTE, NRINSJURCLIE, NMRAZSOCCLIE, IDTPIJURCLIE).
DataPacket customersByAddress(db::Connection& conn, const VariantArray& args);

// setCadAutoTabPrecoClie(table, principal, countries, states, municipalities, kind, list): links the table
// where missing; with principal it becomes the customers' only principal table ("S", the others "N"),
// without it existing links keep their mark and new ones are "N". Answers "SUC" or "NO_CLIENTES".
std::string assignPriceTable(db::Connection& conn, const net::CallContext& ctx, const VariantArray& args);

// setCadAutGrupoClie(group, countries, states, municipalities, kind, list): CDGRUPCLIE := group.
std::string assignGroup(db::Connection& conn, const net::CallContext& ctx, const VariantArray& args);

} // namespace vq::server

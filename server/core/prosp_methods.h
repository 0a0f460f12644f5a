#pragma once
// The remote methods of the prospect conversion: one per step, each in a transaction of its own, and
// ConvertProspect, which runs every step in one.

#include "server/core/methods.h"

namespace vq::server {

// ConvertProspect(CDCLIENTE, CDPROSPECT, customer delta or null, [address deltas or null: P C E X T],
// move contacts, operator, now) -> [CDCLIENTE, [[CDINTEPROS, new CDINTECLIE], ...]]. The prospect is
// locked first; everything is written or nothing.
Variant convertProspect(Services& s, net::CallContext& ctx, VariantArray& args);

Variant importaClienteProspect(Services& s, net::CallContext& ctx, VariantArray& args);
Variant importaEnderecoProspect(Services& s, net::CallContext& ctx, VariantArray& args);
Variant importaInterProsp(Services& s, net::CallContext& ctx, VariantArray& args);
Variant setExcEndeProsp(Services& s, net::CallContext& ctx, VariantArray& args);
Variant setUpMalaProsp(Services& s, net::CallContext& ctx, VariantArray& args);
Variant setExcInteProsp(Services& s, net::CallContext& ctx, VariantArray& args);
Variant setAcaoProsp(Services& s, net::CallContext& ctx, VariantArray& args);
// SetTarefa, SetContato, SetMovocorr, SetAuditoria, SetPropostafas(packet, CDCLIENTE).
Variant setProspectRows(Services& s, net::CallContext& ctx, VariantArray& args);
// SetDelEstinteresse ... SetDelProspect(CDPROSPECT).
Variant setDelProspectPart(Services& s, net::CallContext& ctx, VariantArray& args);

} // namespace vq::server

#pragma once
// The remote methods of "Vqm41204.rdmImportCliente": the import layouts (read only) and the two updates of
// registered customers. Confirmar of the import is in the method table (provider dspImportCliente).

#include "platform/data/packet.h"
#include "platform/db/connection.h"
#include "server/core/audit_trail.h"
#include "server/core/methods.h"

#include <string>

namespace vq::server {

// CDLAYOUTIMP, NMLAYOUTIMP: every layout by code when `all` is "T", else the layout `code`.
DataPacket selectLayouts(db::Connection& conn, const std::string& code, const std::string& all);
// NMARQLAYIMP of the layout's files by NRSEQARQLAY.
DataPacket selectLayoutFiles(db::Connection& conn, const std::string& code);
// The layout's 14 column attributes by NRSEQTABELAY, NRSEQCOLULAY (digit strings ordered as numbers).
DataPacket selectLayoutColumns(db::Connection& conn, const std::string& code);
// NMRAZSOCCLIE, and NMFANTCLIE when not blank, of customer `code`; the rows changed. Both updates write
// what they change to `trail` in their transaction.
std::int64_t updateCustomerNames(db::Connection& conn, AuditTrail& trail, const std::string& name,
                                 const std::string& tradeName, const std::string& code);
// IDCLIEATIV := "N" for customer `code`; the rows changed.
std::int64_t deactivateCustomer(db::Connection& conn, AuditTrail& trail, const std::string& code);

Variant getLayout(Services& s, net::CallContext&, VariantArray& args);
Variant getArquivo(Services& s, net::CallContext&, VariantArray& args);
Variant getDescLayout(Services& s, net::CallContext&, VariantArray& args);
Variant setUpCliente(Services& s, net::CallContext&, VariantArray& args);
Variant setUpSitCliente(Services& s, net::CallContext&, VariantArray& args);

} // namespace vq::server

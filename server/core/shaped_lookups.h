#pragma once
// Lookups whose answer is more than one table's rows for the arguments as given.

#include "platform/data/packet.h"
#include "platform/db/connection.h"

namespace vq::server {

// GetRamoAtiv(branch code, switch, levels, tree code): the branches of the lookup table, branches deeper
// than the picture's levels left out.
DataPacket loadActivityBranches(db::Connection& conn, const VariantArray& args);

// GetTipoTransp(): [every transport type, every carrier with its type's name].
Variant loadTransportLists(db::Connection& conn);

// GetPesquisaListaTransp(every, customer, carrier number): every carrier when `every`; otherwise
// [the carriers with that number, how often the number is already in the customer's carrier list].
Variant searchCarrierList(db::Connection& conn, const VariantArray& args);

// GetVdSigla(abbreviation, tax number as the edit shows it): the other customers using the abbreviation.
// The number is compared without its mask's literals; a blank abbreviation is used by nobody.
DataPacket findAbbreviationUsers(db::Connection& conn, const VariantArray& args);

// GetValidaCliente(customer code, tax number, kind): one row, NRREG the number of customers with that code
// (number and kind empty) or with that tax number and kind (code empty). Any other combination is refused.
DataPacket countCustomers(db::Connection& conn, const VariantArray& args);

// GetMesmaRaiz(tax number as typed): the companies (code, name, municipality of the normal address) whose
// CNPJ shares its root, the first eight characters, with the number; customers with that very number are
// left out (the customer being edited, or a duplicate the registration checks report). Anything but a
// numeric or alphanumeric CNPJ (a CPF, a free code) answers no rows.
DataPacket findSameRootCompanies(db::Connection& conn, const VariantArray& args);

} // namespace vq::server

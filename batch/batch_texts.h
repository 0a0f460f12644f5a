#pragma once
// The batch forms' message catalogues and record layouts, as data.

#include "platform/data/field.h"

#include <span>
#include <string>
#include <vector>

namespace vq::batch {

const std::vector<std::string>& retentionMessages();  // TfrmCadRetECF
const std::vector<std::string>& priceTableMessages(); // TfrmCadTabPrecoClie
const std::vector<std::string>& groupMessages();      // TfrmCadAutGrupClie

std::span<const FieldSpec> retentionFields();         // cdsRetECF
std::span<const FieldSpec> retentionCustomerFields(); // cdsClientesECF
std::span<const FieldSpec> customerFields();          // cdsCliente of the price table and group forms
std::span<const FieldSpec> priceTableFields();        // qryPrecoBase
std::span<const FieldSpec> groupFields();             // cdsGrupoClie

// qryPrecoBase: one table, or every one with P_TODOS = "T".
inline constexpr const char* kSqlPrecoBase =
    "SELECT CDPRECOBASE, DSPRECOBASE FROM PRECOBASE WHERE (CDPRECOBASE = :P_CDPRECOBASE OR :P_TODOS = 'T') "
    "ORDER BY CDPRECOBASE";

} // namespace vq::batch

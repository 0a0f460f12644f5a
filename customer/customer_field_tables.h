#pragma once
// Record layouts of the customer form's datasets. Field names are the database column names and travel
// unchanged in the data packets; labels are the column titles of grids and lookups, or else the caption of
// the control that edits the field.

#include "platform/data/field.h"

#include <span>
#include <string_view>

namespace vq::customer {

// cdsCliente: one row per customer of the filter's selection.
std::span<const FieldSpec> masterFields();

// The five address datasets share one record; the kind is stored in IDTPENDECLIE.
enum class AddressKind { Normal, Billing, Exterior, Export, Delivery };
inline constexpr int kAddressKindCount = 5;

std::string_view addressKindCode(AddressKind kind); // "P", "C", "E", "X", "T"
std::span<const FieldSpec> addressFields(AddressKind kind);

// Detail and lookup datasets of the current customer.
std::span<const FieldSpec> contactFields();        // cdsInterloc
std::span<const FieldSpec> correspondenceFields(); // cdsCorres
std::span<const FieldSpec> observationFields();    // cdsObserv
std::span<const FieldSpec> paymentTermFields();    // cdsPrazoPgtoClie
std::span<const FieldSpec> preferredBankFields();  // cdsBancoPref
std::span<const FieldSpec> priceTableFields();     // cdsPrecoBaseCli
std::span<const FieldSpec> partnerFields();        // cdsSocios
std::span<const FieldSpec> currencyIndexFields();  // cdsIndice
std::span<const FieldSpec> invoiceMessageFields(); // cdsMensCliente
std::span<const FieldSpec> ledgerAccountFields();  // cdsContCtbl
std::span<const FieldSpec> ecfRetentionFields();   // cdsRetECF
std::span<const FieldSpec> extraSalesmanFields();  // cdsVendAdicClie
std::span<const FieldSpec> activityBranchFields(); // cdsRamoAtiv

// Work and lookup datasets whose fields come with their first packet.
inline std::span<const FieldSpec> noFields() {
    return {};
}

} // namespace vq::customer

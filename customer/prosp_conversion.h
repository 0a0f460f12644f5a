#pragma once
// The prospect conversion as the customer form does it, without widgets: the prospect datasets' fields,
// the copies of a prospect's identity and address into the customer's rows, and the one call that moves
// the rest on confirm.

#include "platform/data/client_data_set.h"
#include "platform/data/date_time.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace vq::customer {

// Fields of the prospect datasets by name ("cdsProspect", "cdsEndeProsp", ...); empty when unknown.
std::span<const FieldSpec> prospectDataSetFields(std::string_view dataSet);
std::span<const std::string_view> prospectDataSetNames();

// The prospect chosen for the customer being created; nothing is moved without one.
struct ProspectChoice {
    std::string code; // CDPROSPECT as it was when chosen
    bool moveContacts = false;
    bool chosen() const { return !code.empty(); }
};

// Identity: the current prospect row into the customer row being edited; existing values are replaced.
void copyProspectIdentity(const ClientDataSet& prospect, ClientDataSet& customer);
// One prospect address row into the customer's address row being edited: kind, geography, then the rest.
void copyProspectAddress(const ClientDataSet& prospectAddress, ClientDataSet& address);
// Moves `prospectAddresses` to its row of kind `kind` ("P"); false when there is none.
bool locateProspectAddress(ClientDataSet& prospectAddresses, std::string_view kind);

// ConvertProspect's arguments. `customer` and `addresses` (in the order P C E X T) are the datasets whose
// change logs go; a dataset with nothing pending goes as null.
VariantArray convertProspectArguments(const std::string& customerCode, const ProspectChoice& choice,
                                      const ClientDataSet& customer,
                                      const std::array<const ClientDataSet*, 5>& addresses,
                                      const std::string& operatorCode, DateTime now);

// ConvertProspect's answer: the customer code and each moved contact's {prospect code, new code}.
struct ConversionResult {
    std::string customer;
    std::vector<std::pair<std::string, std::string>> contacts;
};
// nullopt when the answer does not have that shape.
std::optional<ConversionResult> readConversionAnswer(const Variant& answer);

} // namespace vq::customer

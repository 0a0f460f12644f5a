#pragma once
// When a tab or record change reads a detail dataset again. A dataset with a row being edited or with
// changes not yet sent is never replaced: the rows would be lost without a word.

#include "platform/data/client_data_set.h"

#include <string>
#include <string_view>

namespace vq::customer {

// No row is being edited and no change waits to be sent.
bool mayReplaceRows(const ClientDataSet& dataSet);
// The rows belong to another customer than `code` (or there are none) and may be replaced.
bool needsReload(const ClientDataSet& dataSet, std::string_view code);
// The edit mask of an address's postal code for its country: Brazil's, or none.
std::string postalCodeMask(std::string_view country);

inline constexpr std::string_view kBrazil = "0055";
inline constexpr std::string_view kBrazilianPostalCodeMask = "99.999-999;0;_";

} // namespace vq::customer

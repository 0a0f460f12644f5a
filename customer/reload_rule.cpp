#include "customer/reload_rule.h"

namespace vq::customer {

bool mayReplaceRows(const ClientDataSet& dataSet) {
    return !dataSet.editing() && (!dataSet.Active() || dataSet.ChangeCount() == 0);
}

bool needsReload(const ClientDataSet& dataSet, std::string_view code) {
    if (!mayReplaceRows(dataSet))
        return false;
    if (!dataSet.Active() || dataSet.IsEmpty())
        return true;
    return dataSet.FieldByName("CDCLIENTE").AsString() != code;
}

std::string postalCodeMask(std::string_view country) {
    return country == kBrazil ? std::string(kBrazilianPostalCodeMask) : std::string();
}

} // namespace vq::customer

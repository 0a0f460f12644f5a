#pragma once
// GetCliente's arguments as the filter form and the automatic registration send them and the server
// reads them: sixteen strings, one (list, all switch) pair per criterion, in kCustomerFilterOrder.

#include "platform/data/variant.h"

#include <string>
#include <string_view>

namespace vq::contract {

inline constexpr std::string_view kGetCliente = "GetCliente";

// One criterion: every code, or the codes of `list`, where one code c reads "_c_" (an empty list
// selects nothing).
struct FilterCriterion {
    bool all = true;
    std::string list;
    bool operator==(const FilterCriterion&) const = default;
};

// A default filter selects every customer.
struct CustomerFilter {
    FilterCriterion customer, activityBranch, country, state, segment, origin, qualification, municipality;
    bool operator==(const CustomerFilter&) const = default;
};

// The criteria in the order GetCliente receives them.
inline constexpr FilterCriterion CustomerFilter::*kCustomerFilterOrder[] = {
    &CustomerFilter::customer,      &CustomerFilter::activityBranch, &CustomerFilter::country,
    &CustomerFilter::state,         &CustomerFilter::segment,        &CustomerFilter::origin,
    &CustomerFilter::qualification, &CustomerFilter::municipality};

// Per criterion its list (empty when all) and the switch ("T" when all, else empty).
VariantArray toArgs(const CustomerFilter& filter);
// The reverse, reading the switch with isAllFlag; anything but sixteen arguments raises vq::Error.
CustomerFilter customerFilterFromArgs(const VariantArray& args);

} // namespace vq::contract

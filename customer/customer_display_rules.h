#pragma once
// The coded fields of the customer form's datasets: display rules, check-box values, and the display
// conversions that the concern units (identity, payment, classification, fiscal...) install themselves.

#include "customer/check_box_values.h"
#include "customer/coded_display_rule.h"

#include <span>
#include <string_view>

namespace vq::customer {

struct FieldDisplayRule {
    std::string_view dataSet;
    CodedDisplayRule rule;
};

// Rules installed when the datasets are created.
std::span<const FieldDisplayRule> customerDisplayRules();
const CodedDisplayRule* findDisplayRule(std::string_view dataSet, std::string_view field);

// Stored values of the check boxes bound to the datasets' fields.
std::span<const CheckBoxValues> customerCheckBoxes();
const CheckBoxValues* findCheckBox(std::string_view dataSet, std::string_view field);

// Display conversions owned by a concern unit, which installs them with
// CustomerDataSets::installDisplayRule (or its own OnGetText) when the form is built.
struct PendingConversion {
    std::string_view dataSet;
    std::string_view field;
    std::string_view concern; // the source unit that owns it
};
std::span<const PendingConversion> pendingConversions();

} // namespace vq::customer

#pragma once
// A selection criterion's controls as the filter and the report lay them out: a group box holding the
// "all" and "Lista" radio buttons and the search button, two groups a row.

#include "platform/gui/form_builder.h"

#include <string_view>
#include <vector>

namespace vq::filter_report {

inline constexpr int kCriterionGroupColumns = 2;

struct CriterionGroup {
    std::string_view groupBox, caption;
    std::string_view allButton, allCaption;
    std::string_view listButton, searchButton, searchHint;
};

// Appends the criterion's rows under `panel`, the `index`-th group of the table.
void appendCriterionGroup(std::vector<gui::ControlSpec>& rows, const char* panel, const CriterionGroup& group,
                          int index);

} // namespace vq::filter_report

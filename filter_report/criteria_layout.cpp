#include "filter_report/criteria_layout.h"

namespace vq::filter_report {

void appendCriterionGroup(std::vector<gui::ControlSpec>& rows, const char* panel, const CriterionGroup& g,
                          int index) {
    using enum gui::Kind;
    const gui::Cell cell{index / kCriterionGroupColumns, index % kCriterionGroupColumns};
    rows.push_back({GroupBox, g.groupBox.data(), panel, g.caption.data(), "", "", cell});
    rows.push_back({RadioButton,
                    g.allButton.data(),
                    g.groupBox.data(),
                    g.allCaption.data(),
                    "",
                    "",
                    {0, 0},
                    {.checked = true}});
    rows.push_back({RadioButton, g.listButton.data(), g.groupBox.data(), "Lista", "", "", {0, 1}});
    rows.push_back({ToolButton,
                    g.searchButton.data(),
                    g.groupBox.data(),
                    "...",
                    "",
                    "",
                    {0, 2},
                    {.hint = g.searchHint.data(), .disabled = true}});
}

} // namespace vq::filter_report

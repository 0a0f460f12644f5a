#pragma once
// A report definition that lists what a grid shows: its visible columns (or, without columns of its own,
// every visible field of its dataset), titled as on screen. The base forms' print command uses it.

#include "framework/reports/report_definition.h"

#include <string>

namespace vq::gui {
class DbGrid;
}

namespace vq::forms {

// vq::Error when the grid has no dataset.
reports::ReportDefinition gridListing(const gui::DbGrid& grid, std::string title);

} // namespace vq::forms

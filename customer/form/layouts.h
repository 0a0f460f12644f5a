#pragma once
// The customer form's layout, one table per tab (layout_*.cpp), built in this order after the base
// form's components: commands and menus, the form page, the address tabs, then the other tabs in tab
// order.

#include "platform/gui/choices.h"
#include "platform/gui/form_builder.h"

#include <span>
#include <vector>

namespace vq::customer::form {

std::span<const gui::ControlSpec> commandsLayout();
std::span<const gui::ControlSpec> formPageLayout();
std::span<const gui::ColumnSpec> gridColumns();
std::vector<std::span<const gui::ControlSpec>> addressLayouts();
std::vector<std::span<const gui::ControlSpec>> dataLayouts();   // additional, fiscal, payment
std::vector<std::span<const gui::ControlSpec>> detailLayouts(); // contacts to order data
std::span<const gui::ControlSpec> identityLayout();             // rows added to the form page and to tshGeral

} // namespace vq::customer::form

#pragma once
// The customer form's layout, one table per tab (layout_*.cpp), built in this order after the base
// form's components: commands and menus, the form page, the address tabs, then the other tabs in tab
// order. Rows that the form keeps a handle on name it with bind<...>() (platform/gui/member_binder.h):
// `Self` is the form, and the binders need the widget classes complete.

#include "customer/Vqm41200.h"
#include "platform/gui/buttons.h"
#include "platform/gui/choices.h"
#include "platform/gui/containers.h"
#include "platform/gui/db_controls.h"
#include "platform/gui/db_grid.h"
#include "platform/gui/db_navigator.h"
#include "platform/gui/edit.h"
#include "platform/gui/form_builder.h"
#include "platform/gui/menus.h"
#include "platform/gui/page_control.h"
#include "platform/gui/text_controls.h"

#include <span>
#include <vector>

namespace vq::customer::form {

using Self = TfrmCliente;
using gui::bind;

std::span<const gui::ControlSpec> commandsLayout();
std::span<const gui::ControlSpec> formPageLayout();
std::span<const gui::ColumnSpec> gridColumns();
std::vector<std::span<const gui::ControlSpec>> addressLayouts();
std::vector<std::span<const gui::ControlSpec>> dataLayouts();   // additional, fiscal, payment
std::vector<std::span<const gui::ControlSpec>> detailLayouts(); // contacts to order data
std::span<const gui::ControlSpec> identityLayout();             // rows added to the form page and to tshGeral
std::span<const gui::ControlSpec> classificationLayout();       // rows added to the groups of several tabs

} // namespace vq::customer::form

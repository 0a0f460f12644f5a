#pragma once
// Small helpers of the identity units (identity_*.cpp).

#include "platform/data/client_data_set.h"
#include "platform/data/variant.h"
#include "platform/db/tadoib_query.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

class QObject;

namespace vq::gui {
class Control;
class PageControl;
class TabSheet;
} // namespace vq::gui

namespace vq::customer::form {

// Shows the text of `key` from the form's catalogues as an error and raises the silent abort.
[[noreturn]] void failWith(const QObject& form, std::string_view key);

// Writes `value` only when the field holds another one, so a data-aware edit is not reloaded for nothing.
void assign(ClientDataSet& dataSet, std::string_view field, const std::string& value);

// Runs a lookup query on the shared connection with its parameters; true when it found a row.
bool found(TADOIBQuery& query, std::initializer_list<std::pair<const char*, Variant>> params);

// The page of `pages` that holds `control` (nullptr when it sits on none of them).
gui::TabSheet* pageOf(gui::Control& control, const gui::PageControl& pages);

} // namespace vq::customer::form

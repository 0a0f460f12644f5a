#pragma once
// Small helpers the customer form's units share.

#include "platform/data/client_data_set.h"
#include "platform/data/data_source.h"

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <utility>

namespace vq {
class TADOIBQuery;
}

namespace vq::gui {
class ComboBox;
}

namespace vq::customer::form {

// A field of the current row as text; "" when the dataset is closed or empty.
std::string fieldText(const ClientDataSet& dataSet, std::string_view field);

// The source's dataset is in edit or insert state.
bool editing(const DataSource& source);

// Chooses the item whose stored value is `value` (-1, nothing, when none).
void chooseByValue(gui::ComboBox& combo, std::string_view value);

// Runs a lookup query on the host's database with its parameters; the first row's `field`, or "" when
// there is none.
std::string lookUp(TADOIBQuery& query, std::initializer_list<std::pair<const char*, std::string>> params,
                   const char* field);

} // namespace vq::customer::form

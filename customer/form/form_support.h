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

namespace vq::customer {
struct DialectQuery;
}

namespace vq::customer::form {

// Gives a query its generic text and the legacy dialect texts kept with it.
void setDialectQuery(TADOIBQuery& query, const DialectQuery& texts);

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

// A flag raised for a scope and lowered however it ends.
class FlagScope {
public:
    explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = false; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag_;
};

// The dataset's controls stay still while its rows are visited or posted, and follow again however it
// ends.
class ControlsDisabled {
public:
    explicit ControlsDisabled(ClientDataSet& dataSet) : dataSet_(dataSet) { dataSet_.DisableControls(); }
    ~ControlsDisabled() { dataSet_.EnableControls(); }
    ControlsDisabled(const ControlsDisabled&) = delete;
    ControlsDisabled& operator=(const ControlsDisabled&) = delete;

private:
    ClientDataSet& dataSet_;
};

} // namespace vq::customer::form

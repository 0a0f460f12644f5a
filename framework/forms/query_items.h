#pragma once
// A form's SQL queries as the automation driver prints them: NAME.state (1 open, 0 closed, as a dataset's
// browse and inactive), NAME.recordCount and NAME.FIELD of the current row.

#include "platform/db/tadoib_query.h"
#include "platform/gui/form_base.h"

#include <vector>

namespace vq::forms {

// The queries must outlive the form's use of the reader (members of the form itself, say).
gui::FormBase::ItemReader queryItems(std::vector<const TADOIBQuery*> queries);

} // namespace vq::forms

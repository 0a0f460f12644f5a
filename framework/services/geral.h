#pragma once
// Host facts of the framework unit Geral: the active ERP module and the working date.

#include "platform/data/date_time.h"

namespace vq::Geral {

int ModuloAtiv(); // the active module's code (16, 63, 64 and 69 are the prospect-aware ones)

// Today's date (midnight), or the working date the settings fix.
DateTime Date();
// Now: the working date (when set) with the current time of day.
DateTime Now();

} // namespace vq::Geral

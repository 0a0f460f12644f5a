#pragma once
// The built-in report "Vqm412", the customer listing of the customer data report: its query (a default
// text and a PostgreSQL variant that differ only in date arithmetic), the 16 parameters it declares, its
// columns and its grouping by state.

#include "framework/reports/report_definition.h"

namespace vq::Vqm41201 {

reports::ReportDefinition vqm412Definition();
// Registers it under its code (again on every call, so a test that replaced it gets it back).
void registerVqm412();

} // namespace vq::Vqm41201

#pragma once
// The package's ten units: their fixed initialisation order, the reverse finalisation and a reference
// count each, so that loading the package twice initialises each unit once.

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vq::module {

inline constexpr std::string_view kPackageName = "PKG_VQM41200";

// Unit names in initialisation order.
std::span<const char* const> unitNames();

void initializeUnits();
void finalizeUnits();
int unitReferenceCount(std::string_view unit); // -1 for an unknown unit

// "init Vqm41201", "fini Vqm41204", ... in the order they ran (the automation driver and tests read it).
const std::vector<std::string>& unitEvents();

} // namespace vq::module

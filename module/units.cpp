#include "module/units.h"

#include "batch/Vqm41205.h"
#include "batch/Vqm41206.h"
#include "batch/Vqm41207.h"
#include "customer/Vqm41200.h"
#include "filter_report/Vqm41201.h"
#include "filter_report/Vqm41202.h"
#include "import/Vqm41204.h"
#include "module/launchers.h"
#include "side_lists/Vqm41203.h"
#include "side_lists/Vqm41208.h"
#include "side_lists/Vqm41209.h"

#include <algorithm>
#include <array>

namespace vq::module {
namespace {

// Initialisation: the unit's state takes its initial values.
template <auto unit> void initialValues() {
    unit() = {};
}

// Finalisation: the unit's form is freed (its code goes away with the library) and its state (strings,
// lists, the filter record) released.
template <auto unit, auto form> void release() {
    auto& state = unit();
    delete (state.*form).data();
    state = {};
}

struct UnitRoutines {
    const char* name;
    void (*initialization)();
    void (*finalization)();
};

constexpr UnitRoutines kUnits[] = {
    {"Vqm41201", initialValues<&Vqm41201::unit>,
     release<&Vqm41201::unit, &Vqm41201::UnitState::frmDadCliente>},
    {"Vqm41202",
     [] {
         Vqm41200::unit().boIdCriado = false;
         Vqm41202::unit() = {};
     },
     release<&Vqm41202::unit, &Vqm41202::UnitState::frmFilCliente>},
    {"Vqm41203", initialValues<&Vqm41203::unit>,
     release<&Vqm41203::unit, &Vqm41203::UnitState::frmInfEmailClie>},
    {"Vqm41205", initialValues<&Vqm41205::unit>,
     release<&Vqm41205::unit, &Vqm41205::UnitState::frmCadRetECF>},
    {"Vqm41206", initialValues<&Vqm41206::unit>,
     release<&Vqm41206::unit, &Vqm41206::UnitState::frmCadTabPrecoClie>},
    {"Vqm41207", initialValues<&Vqm41207::unit>,
     release<&Vqm41207::unit, &Vqm41207::UnitState::frmCadAutGrupClie>},
    {"Vqm41208", initialValues<&Vqm41208::unit>,
     release<&Vqm41208::unit, &Vqm41208::UnitState::frmVendAdicClie>},
    {"Vqm41209",
     [] {
         Vqm41200::unit().boIdCriado = false;
         Vqm41209::unit() = {};
     },
     release<&Vqm41209::unit, &Vqm41209::UnitState::frmListaTransp>},
    {"Vqm41200",
     [] {
         Vqm41200::unit() = {};
         customer::satellites() = launcherEntries();
     },
     [] {
         release<&Vqm41200::unit, &Vqm41200::UnitState::frmCliente>();
         customer::satellites() = {};
     }},
    {"Vqm41204", initialValues<&Vqm41204::unit>,
     release<&Vqm41204::unit, &Vqm41204::UnitState::frmImportCliente>},
};

constexpr std::size_t kUnitCount = std::size(kUnits);

constexpr auto kNames = [] {
    std::array<const char*, kUnitCount> names{};
    for (std::size_t i = 0; i < kUnitCount; ++i)
        names[i] = kUnits[i].name;
    return names;
}();

std::array<int, kUnitCount> referenceCounts{};
std::vector<std::string> events;

} // namespace

std::span<const char* const> unitNames() {
    return kNames;
}

void initializeUnits() {
    for (std::size_t i = 0; i < kUnitCount; ++i)
        if (referenceCounts[i]++ == 0) {
            events.push_back(std::string("init ") + kUnits[i].name);
            kUnits[i].initialization();
        }
}

void finalizeUnits() {
    for (std::size_t i = kUnitCount; i-- > 0;) {
        if (referenceCounts[i] == 0)
            continue; // never initialised: nothing to undo
        if (--referenceCounts[i] == 0) {
            events.push_back(std::string("fini ") + kUnits[i].name);
            kUnits[i].finalization();
        }
    }
}

int unitReferenceCount(std::string_view unit) {
    for (std::size_t i = 0; i < kUnitCount; ++i)
        if (kUnits[i].name == unit)
            return referenceCounts[i];
    return -1;
}

const std::vector<std::string>& unitEvents() {
    return events;
}

} // namespace vq::module

#include "customer/form/unit_state.h"

#include "customer/form/satellites.h"

namespace vq {

Vqm41200::UnitState& Vqm41200::unit() {
    static UnitState state;
    return state;
}

customer::Satellites& customer::satellites() {
    static Satellites entries;
    return entries;
}

} // namespace vq

// TfrmCliente: steps of other concerns that this form's lifecycle already runs at their place. Each does
// nothing until its concern's unit fills it.

#include "customer/Vqm41200.h"

namespace vq {

void TfrmCliente::getRetECF() {}
void TfrmCliente::cbbEndCFOPChange() {}
void TfrmCliente::cbbEndCFOPOPresChange() {}

// ---- Checks and steps the record commands run.

void TfrmCliente::Vd_dbeCdSerie() {}

} // namespace vq

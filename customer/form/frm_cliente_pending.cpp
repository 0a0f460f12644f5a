// TfrmCliente: steps of other concerns that this form's lifecycle already runs at their place. Each does
// nothing until its concern's unit fills it.

#include "customer/Vqm41200.h"

namespace vq {

void TfrmCliente::pgcInterlocChange() {}
void TfrmCliente::pgcSituFinancChange() {}
void TfrmCliente::ControlaSituacaoFinanceira() {}
void TfrmCliente::getRetECF() {}
void TfrmCliente::cbbEndCFOPChange() {}
void TfrmCliente::cbbEndCFOPOPresChange() {}
void TfrmCliente::ImportaEnderecoProspectCliente(ClientDataSet& dataSet) {
    (void)dataSet;
}

// ---- Checks and steps the record commands run.

void TfrmCliente::Vd_dbeCdSerie() {}
void TfrmCliente::Vd_CodInterloc(bool) {}
void TfrmCliente::Vd_NmInterloc() {}
void TfrmCliente::contactAddressChecks(bool, bool) {}
void TfrmCliente::Vd_CargoInterloc(bool) {}
void TfrmCliente::Vd_ValorMenor(std::string_view, std::string_view) {}
void TfrmCliente::ImportaProspect() {}
void TfrmCliente::copyProspectAddress() {}
void TfrmCliente::ApagaProspect(bool) {}

} // namespace vq

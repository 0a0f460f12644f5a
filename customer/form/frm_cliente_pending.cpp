// TfrmCliente: steps of other concerns that this form's lifecycle already runs at their place. Each does
// nothing until its concern's unit fills it.

#include "customer/Vqm41200.h"

namespace vq {

void TfrmCliente::Vd_Qualifica() {}
void TfrmCliente::pgcInterlocChange() {}
void TfrmCliente::pgcSituFinancChange() {}
void TfrmCliente::ControlaSituacaoFinanceira() {}
void TfrmCliente::AjustaFormPgto() {}
void TfrmCliente::getRetECF() {}
void TfrmCliente::nameExitChecks() {}
void TfrmCliente::nameEnter() {}
void TfrmCliente::registrationExitCheck() {}
void TfrmCliente::paymentExitChecks() {}
void TfrmCliente::additionalDataExitChecks() {}
void TfrmCliente::cbbEndCFOPChange() {}
void TfrmCliente::cbbEndCFOPOPresChange() {}
void TfrmCliente::ImportaEnderecoProspectCliente(ClientDataSet& dataSet) {
    (void)dataSet;
}

} // namespace vq

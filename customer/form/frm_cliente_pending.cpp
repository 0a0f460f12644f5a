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
void TfrmCliente::addressExitChecks(customer::form::AddressPage& page) {
    (void)page;
}
void TfrmCliente::paymentExitChecks() {}
void TfrmCliente::additionalDataExitChecks() {}
void TfrmCliente::cbbEndCFOPChange() {}
void TfrmCliente::cbbEndCFOPOPresChange() {}
void TfrmCliente::Vd_DtVencimento(bool report) {
    (void)report;
}
void TfrmCliente::Vd_NrDias() {}
void TfrmCliente::vd_Divulg(gui::DbEdit& edit) {
    (void)edit;
}
void TfrmCliente::Vd_ModPagto() {}
void TfrmCliente::Vd_Idioma() {}
void TfrmCliente::Vd_Endereco() {}
void TfrmCliente::Vd_GrupClie() {}
void TfrmCliente::Vd_Regiao() {}
void TfrmCliente::Vd_FiliCad() {}

} // namespace vq

// TfrmCliente: steps of other concerns that this form's lifecycle already runs at their place. Each does
// nothing until its concern's unit fills it.

#include "customer/Vqm41200.h"

namespace vq {

void TfrmCliente::Vd_Qualifica() {}
void TfrmCliente::pgcInterlocChange() {}
void TfrmCliente::pgcSituFinancChange() {}
void TfrmCliente::ControlaSituacaoFinanceira() {}
void TfrmCliente::getRetECF() {}
void TfrmCliente::addressExitChecks(customer::form::AddressPage& page) {
    (void)page;
}
void TfrmCliente::nameExitChecks() {}
void TfrmCliente::nameEnter() {}
void TfrmCliente::registrationExitCheck() {}
void TfrmCliente::cbbEndCFOPChange() {}
void TfrmCliente::cbbEndCFOPOPresChange() {}
void TfrmCliente::Vd_Caracter(gui::Edit& edit, char16_t& key) {
    (void)edit;
    (void)key;
}
void TfrmCliente::Vd_Data_Geral(DataSource& source, gui::DbDateEdit& edit, gui::TabSheet* page,
                                gui::PageControl* pages) {
    (void)source;
    (void)edit;
    (void)page;
    (void)pages;
}

} // namespace vq

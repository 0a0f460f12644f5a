// TfrmCliente, fiscal concern: the invoice series (dbeCdSerie, btpSerieNF over qrySerieNF, filtered by
// the billing company and its registrations) and the permit modules opened from pmnAlvara.

#include "customer/Vqm41200.h"
#include "customer/form/form_support.h"
#include "customer/form/identity_support.h"
#include "framework/services/btn_pesquisa.h"
#include "framework/services/db_geral.h"
#include "framework/services/vorlane.h"
#include "platform/gui/buttons.h"
#include "platform/gui/db_controls.h"
#include "platform/gui/menus.h"

namespace vq {

namespace {

Variant textOf(const gui::DbEdit* edit) {
    return Variant(edit->Text());
}

} // namespace

// The series must be one of the billing company's, for its state and municipal registrations.
void TfrmCliente::Vd_dbeCdSerie() {
    gui::DbEdit& edit = *fiscalCtl.dbeCdSerie;
    // The "*" placeholder (no series) shows as a blank: nothing to look up.
    if (!cdsCliente().editing() || edit.Text().find_first_not_of(' ') == std::string::npos)
        return;
    if (customer::form::found(qrySerieNF, {{"P_CDEMPRESA", textOf(ident.dbeCDEmpresa)},
                                           {"P_CDINSCESTA", textOf(ident.dbeInscEsta)},
                                           {"P_CDINSCMUNI", textOf(ident.dbeInscMuni)},
                                           {"P_CDSERIE", Variant(edit.Text())},
                                           {"P_TCDSERIE", Variant("N")}}))
        return;
    try {
        customer::form::failWith(*this, "Serie_Cad");
    } catch (...) {
        validationFailed(sheet(Tab::DadosPed), &edit, true);
        throw;
    }
}

void TfrmCliente::dbeCdSerieExit() {
    Vd_dbeCdSerie();
}

void TfrmCliente::btpSerieNFBeforePesq(bool&) {
    useDBGeral(qrySerieNF);
    qrySerieNF.Close();
    qrySerieNF.ParamByName("P_CDEMPRESA").setValue(textOf(ident.dbeCDEmpresa));
    qrySerieNF.ParamByName("P_CDINSCESTA").setValue(textOf(ident.dbeInscEsta));
    qrySerieNF.ParamByName("P_CDINSCMUNI").setValue(textOf(ident.dbeInscMuni));
    qrySerieNF.ParamByName("P_CDSERIE").setValue(Variant("N"));
    qrySerieNF.ParamByName("P_TCDSERIE").setValue(Variant("T"));
}

void TfrmCliente::btpSerieNFAfterPesq() {
    editMasterIfBrowsing();
    cdsCliente().FieldByName("CDSERIE").SetAsString(fiscalCtl.btpSerieNF->Text("CDSERIE"));
}

// ---- Permits

void TfrmCliente::sbtAlvaraClick() {
    cmd.mnuAlvara->SetChecked(true);
    if (cmd.sbtAlvara->Enabled())
        fiscalCtl.pmnAlvara->PopupAt(*cmd.sbtAlvara);
}

void TfrmCliente::mnuAlvaraClick() {
    sbtAlvaraClick();
}

void TfrmCliente::mnuAlvaraPEdClick() {
    Vorlane::LoadBPL("Hwx26000", VariantArray{Variant(currentCode())});
}

void TfrmCliente::mnuAlvaraGerClick() {
    Vorlane::LoadBPL("VQM87700", VariantArray{Variant(currentCode()), Variant("CLIENTE")});
}

} // namespace vq

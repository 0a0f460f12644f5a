// TfrmCliente: creation, activation (automatic registration, the filter of a view launch), the enabled
// state that follows boHabAlt, and the close sequence.

#include "contract/customer_filter.h"
#include "customer/Vqm41200.h"
#include "framework/services/showavi.h"
#include "framework/services/vorlane.h"
#include "platform/gui/buttons.h"
#include "platform/gui/choices.h"
#include "platform/gui/containers.h"
#include "platform/gui/db_controls.h"
#include "platform/gui/db_grid.h"
#include "platform/gui/menus.h"
#include "platform/gui/page_control.h"
#include "services/app_server.h"
#include "services/screen_rules.h"

#include <utility>

namespace vq {
namespace {

// Groups that edit data: enabled only while changes are allowed.
constexpr const char* kEditGroups[] = {"grbIdent", "grbTransp", "grbEndeClie"};

} // namespace

void TfrmCliente::FormCreate() {
    TfrmPadrao::FormCreate();
    {
        Showavi::Scope opening(this, Showavi::kOpeningForm);
        services::connectToServer(netClientes);
    }
    pgcPadrao->SetActivePage(tshFolhaDados);
    Vqm41200::UnitState& u = Vqm41200::unit();
    u.stCodEx.clear();
    u.stCodAtend.clear();
}

void TfrmCliente::FormActivate() {
    TfrmPadrao::FormActivate();
    update();
    if (services::smallScreen())
        services::setMaximized(*this, true);
    Vqm41200::UnitState& u = Vqm41200::unit();
    // Each flag is taken before its work runs: the filter's closing re-activates this form, and a
    // failed registration must not start again at every activation.
    if (std::exchange(u.boCadAut, false))
        startAutomaticRegistration();
    if (std::exchange(u.boCriaFiltro, false)) {
        customer::satellites().CriaFilCliente(u.stFiltroCdCliente);
        HabilitaAlteracao();
    }
    HabilitaCampos();
}

void TfrmCliente::startAutomaticRegistration() {
    const Vqm41200::UnitState& u = Vqm41200::unit();
    services::readInto(netClientes, contract::kGetCliente, contract::toArgs(contract::CustomerFilter{}),
                       cdsCliente());
    sbtIncluirClick();
    ClientDataSet& master = cdsCliente();
    master.FieldByName("NRINSJURINFO").SetAsString(u.stNrInsJur);
    master.FieldByName("NRINSJURCLIE").SetAsString(u.stNrInsJurClie);
    ClientDataSet& address = data_->cdsEndeClieNorm();
    if (!address.editing())
        address.Append();
    address.FieldByName("CDPAIS").SetAsString(u.stCdPais);
    address.FieldByName("SGESTADO").SetAsString(u.stSgEstado);
    address.FieldByName("CDMUNICIPIO").SetAsString(u.stCdMinicipio);
    if (dbeNrInsJurClie->CanFocus())
        dbeNrInsJurClie->SetFocus();
}

void TfrmCliente::dtsPadraoStateChange() {
    TfrmPadrao::dtsPadraoStateChange();
    const DataSetState state = dtsPadrao.State();
    if (state == DataSetState::Insert) {
        // The customer and its normal address are entered together.
        ClientDataSet& address = data_->cdsEndeClieNorm();
        if (!address.Active())
            services::readInto(netClientes, "GetEndeClieNorm", VariantArray{Variant(currentCode())}, address);
        if (!Vqm41200::unit().boImporta && !address.editing())
            address.Append();
    }
    // The tax numbers are typed only while a customer is being inserted.
    const bool typing = state != DataSetState::Browse && state != DataSetState::Edit && changesAllowed();
    dbeInscricao->SetEnabled(typing);
    dbeNrInsJurClie->SetEnabled(typing);
    if (auto* label = findComponent<gui::Label>("lblInscricao"))
        label->SetEnabled(typing);
}

bool TfrmCliente::changesAllowed() const {
    return Vqm41200::unit().boHabAlt;
}

void TfrmCliente::HabilitaCampos() {
    const bool list = dbePesqTransp->ItemIndex() == 1;
    lblTranspLista->SetVisible(list);
    btnPesqListaTransp->SetVisible(list);
}

void TfrmCliente::HabilitaAlteracao() {
    const bool allowed = changesAllowed();
    dbgPadrao->SetReadOnly(!allowed);
    if (!allowed)
        dbgPadrao->SetEditing(false);
    for (const char* name : kEditGroups)
        component<gui::GroupBox>(name)->SetEnabled(allowed);
    ControlaBotoes(false);
    dtsPadraoStateChange();
}

void TfrmCliente::ControlaBotoes(bool browsing) {
    (void)browsing; // the base derives the commands from dtsPadrao's state
    updateCommands();
    const bool editing = dtsPadrao.State() == DataSetState::Edit || dtsPadrao.State() == DataSetState::Insert;
    mnuFiltrar->SetEnabled(!editing);
    sbtCadAut->SetEnabled(mnuIncluir->Enabled());
}

void TfrmCliente::FormClose(gui::CloseAction& action) {
    Vorlane::AtualizaLocalCache(Variant(VariantArray{Variant("CLIENTE"), Variant("ENDECLIE")}));
    netClientes.Close();
    Vqm41200::UnitState& u = Vqm41200::unit();
    u.boIdCriado = false;
    u.boStCriado = false;
    TfrmPadrao::FormClose(action);
    action = gui::CloseAction::Free;
}

} // namespace vq

// Launch routines. Each keeps the busy cursor while it creates its form and releases it before a modal
// showing, so the user never works a dialog under the hourglass.

#include "module/launchers.h"

#include "batch/Vqm41205.h"
#include "batch/Vqm41206.h"
#include "batch/Vqm41207.h"
#include "customer/Vqm41200.h"
#include "filter_report/Vqm41201.h"
#include "filter_report/Vqm41202.h"
#include "framework/validation/consiste.h"
#include "import/Vqm41204.h"
#include "module/owned_form.h"
#include "platform/data/error.h"
#include "platform/gui/ui_locks.h"
#include "services/screen_rules.h"
#include "side_lists/Vqm41203.h"
#include "side_lists/Vqm41208.h"
#include "side_lists/Vqm41209.h"

#include <optional>

namespace vq::module {
namespace {

using Busy = std::optional<gui::BusyCursor>;

// The customer form, created unless it exists; boStCriado marks it.
TfrmCliente& customerFormCreated() {
    Vqm41200::UnitState& u = Vqm41200::unit();
    if (!u.boStCriado || !u.frmCliente) {
        u.frmCliente = new TfrmCliente();
        u.boStCriado = true;
    }
    return *u.frmCliente;
}

// A child window of the host becomes a hidden top-level window before it is shown modally.
void showAsModalWindow(gui::FormBase& form) {
    if (form.parentWidget())
        form.setParent(nullptr, Qt::Window);
    form.hide();
    form.ShowModal();
}

template <class Form> void showNewModal(Busy& busy) {
    OwnedForm<Form> form(std::make_unique<Form>());
    services::setMaximized(*form.get(), false);
    busy.reset();
    form->ShowModal();
}

} // namespace

void CriaCliente() {
    Busy busy(std::in_place);
    TfrmCliente& created = customerFormCreated();
    QPointer<TfrmCliente> form(&created);
    Vqm41200::unit().boHabAlt = true;
    services::setMaximized(*form, false);
    form->Show();
    busy.reset();
    CriaFilCliente(std::string());
    if (form) {
        form->HabilitaCampos();
        form->HabilitaAlteracao();
    }
}

void CriaClienteModal(const std::string& ignored, const std::string& nrInsJurInfo,
                      const std::string& nrInsJurClie, const std::string& cdPais, const std::string& sgEstado,
                      const std::string& cdMunicipio, bool showModal, bool cadAut) {
    (void)ignored;
    Vqm41200::UnitState& u = Vqm41200::unit();
    u.stNrInsJur = nrInsJurInfo;
    u.stNrInsJurClie = nrInsJurClie;
    u.stCdPais = cdPais;
    u.stSgEstado = sgEstado;
    u.stCdMinicipio = cdMunicipio;
    u.boShowModal = showModal;
    u.boCadAut = cadAut;
    u.boHabAlt = true;
    Busy busy(std::in_place);
    TfrmCliente& form = customerFormCreated();
    if (showModal) {
        services::fitToScreen(form);
        busy.reset();
        form.HabilitaAlteracao();
        showAsModalWindow(form);
    } else {
        form.Show();
        services::fitToScreen(form);
    }
}

void CriaVisualizaCliente(bool allowChanges, const std::string& code) {
    Busy busy(std::in_place);
    Vqm41200::UnitState& u = Vqm41200::unit();
    u.boHabAlt = allowChanges;
    u.boCriaFiltro = true;
    u.stFiltroCdCliente = code;
    QPointer<TfrmCliente> form(&customerFormCreated());
    busy.reset();
    showAsModalWindow(*form);
    if (form)
        form->HabilitaAlteracao();
}

void CriaFilCliente(const std::string& code) {
    customerForm(); // the filter loads the customer form's datasets
    Busy busy(std::in_place);
    if (!Consiste::EmptyString(code))
        Vqm41202::unit().stCliente = "_" + code + "_";
    showNewModal<TfrmFilCliente>(busy);
}

void CriaDadosCliente() {
    Busy busy(std::in_place);
    showNewModal<TfrmDadCliente>(busy);
}

void CriaInfEmailClie(const std::string& code) {
    customerForm(); // the list calls the server through the customer form's connection
    Busy busy(std::in_place);
    Vqm41203::UnitState& u = Vqm41203::unit();
    if (!u.boIdCriado || !u.frmInfEmailClie) {
        u.stCdCliente = code;
        u.frmInfEmailClie = new TfrmInfEmailClie();
        u.boIdCriado = true;
    }
    QPointer<TfrmInfEmailClie> form = u.frmInfEmailClie;
    busy.reset();
    form->ShowModal();
    if (form)
        services::setMaximized(*form, services::screenHeight480());
}

void CriaVendAdicClie(const std::string& code) {
    Busy busy(std::in_place);
    Vqm41208::UnitState& u = Vqm41208::unit();
    if (!u.boIdCriado || !u.frmVendAdicClie) {
        u.stCliente = code;
        u.frmVendAdicClie = new TfrmVendAdicClie();
        u.boIdCriado = true;
    } else {
        // A list reused for another customer must not go on showing and saving the first one's group.
        u.frmVendAdicClie->ShowFor(code);
    }
    u.frmVendAdicClie->Show();
    if (u.frmVendAdicClie)
        services::setMaximized(*u.frmVendAdicClie, false);
}

void CriaListaTransp() {
    customerForm(); // the list shows the customer form's current customer
    Vqm41200::UnitState& mark = Vqm41200::unit();
    Vqm41209::UnitState& u = Vqm41209::unit();
    if (!mark.boIdCriado || !u.frmListaTransp) {
        u.frmListaTransp = new TfrmListaTransp();
        mark.boIdCriado = true;
    }
    QPointer<TfrmListaTransp> form = u.frmListaTransp;
    services::setMaximized(*form, false);
    form->ShowModal();
}

void CriaImpCliente() {
    Busy busy(std::in_place);
    showNewModal<TfrmImportCliente>(busy);
}

void showBatchForm(customer::BatchRoutine routine) {
    customerForm(); // batch forms call the server through the customer form's connection
    Busy none;
    switch (routine) {
    case customer::BatchRoutine::RetECF:
        return showNewModal<TfrmCadRetECF>(none);
    case customer::BatchRoutine::TabPrecoClie:
        return showNewModal<TfrmCadTabPrecoClie>(none);
    case customer::BatchRoutine::GrupClie:
        return showNewModal<TfrmCadAutGrupClie>(none);
    }
}

void IniProc(const Variant& param) {
    if (param.isNull())
        return CriaCliente();
    if (!param.is(VariantKind::Array))
        throw Error("Parâmetro de abertura do cadastro de clientes inválido: " + param.describe() + ".");
    const VariantArray& a = param.asArray();
    if (!a.empty() && a[0].toString() == "VISUALIZA_CLIENTE") {
        if (a.size() < 3)
            throw Error("Para visualizar um cliente informe a permissão de alteração e o código do cliente.");
        return CriaVisualizaCliente(a[1].toBool(), a[2].toString());
    }
    if (a.size() < 4)
        throw Error("Para o cadastramento automático informe a inscrição, o país, o estado e o município do "
                    "cliente.");
    const std::string taxNumber = a[0].toString();
    CriaClienteModal("DFS", taxNumber, taxNumber, a[1].toString(), a[2].toString(), a[3].toString(), true,
                     true);
}

customer::Satellites launcherEntries() {
    return customer::Satellites{
        .CriaFilCliente = [](const std::string& code) { CriaFilCliente(code); },
        .CriaImpCliente = [] { CriaImpCliente(); },
        .CriaInfEmailClie = [](const std::string& code) { CriaInfEmailClie(code); },
        .CriaVendAdicClie =
            [](const std::string& code) {
                Vqm41203::unit().stCdCliente = code;
                CriaVendAdicClie(code);
            },
        .CriaListaTransp = [] { CriaListaTransp(); },
        .CriaDadosCliente = [] { CriaDadosCliente(); },
        .reapplyFilter = [] { TfrmFilCliente::applyLastConfirmed(); },
        .showBatchForm = [](customer::BatchRoutine routine) { showBatchForm(routine); },
    };
}

} // namespace vq::module

// TfrmCliente: the commands that open the module's other forms, and the record commands edit, cancel and
// search on the active tab's dataset.

#include "customer/Vqm41200.h"
#include "customer/form/form_support.h"
#include "framework/forms/form_texts.h"
#include "framework/services/pesquisa.h"
#include "framework/validation/consiste.h"
#include "platform/data/error.h"
#include "platform/gui/buttons.h"
#include "platform/gui/choices.h"
#include "platform/gui/containers.h"
#include "platform/gui/db_controls.h"
#include "platform/gui/menus.h"
#include "platform/gui/page_control.h"
#include "platform/gui/seams.h"
#include "platform/gui/ui_locks.h"

namespace vq {
namespace {

// An entry the module has not filled (the form used outside the module) is a clear error, not a crash.
template <class Fn> const Fn& entry(const Fn& fn, const char* routine) {
    if (!fn)
        throw Error(std::string("A rotina ") + routine + " não está disponível.");
    return fn;
}

using customer::form::chooseByValue;
using customer::form::fieldText;
using enum customer::form::Tab;

void focusIfPossible(TfrmCliente& form, gui::Control* control) {
    if (control && control->CanFocus())
        form.SetFocus(*control);
}

void editOrAppend(ClientDataSet& ds) {
    if (ds.Active() && !ds.editing())
        ds.Edit(); // an empty dataset appends
}

void cancelIfEditing(ClientDataSet& ds) {
    if (ds.editing())
        ds.Cancel();
}

} // namespace

TfrmCliente& customerForm() {
    const Vqm41200::UnitState& u = Vqm41200::unit();
    // Between its close and its deferred delete the form still exists but its connection is closed.
    TfrmCliente* form = u.frmCliente;
    if (!form || !u.boStCriado)
        throw Error("O cadastro de clientes não está aberto.");
    return *form;
}

void TfrmCliente::sbtFiltroClick() {
    entry(customer::satellites().CriaFilCliente, "CriaFilCliente")(std::string());
    HabilitaCampos();
}

void TfrmCliente::RefreshData() {
    entry(customer::satellites().reapplyFilter, "de atualização do filtro")();
}

void TfrmCliente::sbtImportarClick() {
    entry(customer::satellites().CriaImpCliente, "CriaImpCliente")();
}

void TfrmCliente::sbtEmailClick() {
    entry(customer::satellites().CriaInfEmailClie, "CriaInfEmailClie")(currentCode());
}

void TfrmCliente::btpVendAdicClick() {
    // The module's entry also hands the code to the e-mail unit (Vqm41203.stCdCliente).
    entry(customer::satellites().CriaVendAdicClie, "CriaVendAdicClie")(currentCode());
}

void TfrmCliente::ButtonFlat1Click() {
    entry(customer::satellites().CriaListaTransp, "CriaListaTransp")();
}

void TfrmCliente::sbtCadAutClick() {
    cmd.pmnCadAuto->PopupAt(*cmd.sbtCadAut);
}

void TfrmCliente::showBatchForm(customer::BatchRoutine routine) {
    cmd.mnuCadAuto->SetChecked(true);
    entry(customer::satellites().showBatchForm, "de cadastramento automático")(routine);
}

void TfrmCliente::mnuCadAutECFClick() {
    showBatchForm(customer::BatchRoutine::RetECF);
}
void TfrmCliente::mnuCadAutTabPrecoCliClick() {
    showBatchForm(customer::BatchRoutine::TabPrecoClie);
}
void TfrmCliente::mnuCadAutGrupClieClick() {
    showBatchForm(customer::BatchRoutine::GrupClie);
}

// ---- Edit

void TfrmCliente::sbtAlterarClick() {
    gui::WindowUpdateLock lock(*this);
    ClientDataSet& master = cdsCliente();
    Tab tab = activeTab();
    const bool fromGrid = tab == FolhaDados;
    if (fromGrid) {
        pgcPadrao->SetActivePage(tshFormulario);
        pgcPadraoChange();
        tab = Formulario;
    }
    if (tab == Formulario) {
        if (fieldText(master, "IDTPIJURINFO") == "F")
            focusIfPossible(*this, form.dbeNmFantasia);
        else
            focusIfPossible(*this, form.dbeNmRazaoSoc);
    }
    switch (tab) {
    case Interloc:
        detail.tshFormInter->SetEnabled(true);
        if (detail.pgcInterloc->ActivePage() != detail.tshFormInter) {
            detail.pgcInterloc->SetActivePage(detail.tshFormInter);
            pgcInterlocChange();
        }
        focusIfPossible(*this, findComponent<gui::Control>("dbeNmInter"));
        if (!data_->cdsInterloc().IsEmpty())
            editOrAppend(data_->cdsInterloc());
        break;
    case DadoProsp:
        focusIfPossible(*this, form.depProspDesde);
        editOrAppend(master);
        break;
    case Observ:
        focusIfPossible(*this, findComponent<gui::Control>("dreObserv"));
        if (!data_->cdsObserv().IsEmpty())
            editOrAppend(data_->cdsObserv());
        break;
    case DadosPed:
        if (detail.pgcGeral->ActivePage() == detail.tshPrcBase && !data_->cdsPrecoBaseCli().IsEmpty())
            editOrAppend(data_->cdsPrecoBaseCli());
        break;
    default:
        break;
    }
    const bool masterPage =
        tab == Formulario || tab == FormPgto || tab == DadosAdic || tab == DadosFiscais ||
        tab == Personalizacao ||
        (tab == SitFinanc && detail.pgcSituFinanc->ActivePage() == detail.tshSituFinaGeral) ||
        (tab == DadosPed && detail.pgcGeral->ActivePage() == detail.tshGeral);
    if (masterPage && master.Active() && !master.IsEmpty() && !master.editing()) {
        master.Edit();
        if (tab == DadosPed)
            focusIfPossible(*this, findComponent<gui::Control>("dbeCdModPgto"));
    }
    if (customer::form::AddressPage* address = activeAddress())
        editOrAppend(data_->address(address->kind));
    else if (tab == BancoPref && !data_->cdsBancoPref().IsEmpty())
        editOrAppend(data_->cdsBancoPref());
    else if (tab == SitFinanc && detail.pgcSituFinanc->ActivePage() == detail.tshSocios &&
             !data_->cdsSocios().IsEmpty())
        editOrAppend(data_->cdsSocios());
    if (fieldText(master, "IDCLIEATIV").empty())
        chooseByValue(*form.dbcSituAtiv, "S");
    updateCommands(); // a detail row in edit: its cancel and confirm
}

// ---- Cancel

void TfrmCliente::sbtCancelarClick() {
    Vqm41200::unit().boTestaTota = false;
    gui::WindowUpdateLock lock(*this);
    // Asked first: No keeps every pending change, the payment terms' included.
    if (!gui::confirm(forms::formText(*this, "Canc")))
        return;
    const Tab tab = activeTab();
    ClientDataSet& terms = data_->cdsPrazoPgtoClie();
    if (tab == FormPgto)
        cancelIfEditing(terms);
    ClientDataSet& messages = data_->cdsMensCliente();
    if (messages.editing() || (messages.Active() && messages.ChangeCount() > 0)) {
        // Posted invoice messages wait for the confirm: cancelling drops them too.
        cancelIfEditing(messages);
        messages.CancelUpdates();
        InfoPaginaDadosAdicionais();
    }
    cancelIfEditing(data_->cdsPrecoBaseCli());
    for (int k = 0; k < customer::kAddressKindCount; ++k)
        cancelIfEditing(data_->address(static_cast<customer::AddressKind>(k)));
    cancelIfEditing(data_->cdsInterloc());
    cancelIfEditing(data_->cdsCorres());
    if (data_->cdsObserv().editing()) {
        data_->cdsObserv().Cancel();
        focusIfPossible(*this, findComponent<gui::Control>("dbgObserv"));
    }
    cancelIfEditing(cdsCliente());
    if (terms.Active()) {
        // Terms wait for the confirm: the typed ones go, the stored ones come back (emptying would hide
        // them and leave their removal pending).
        cancelIfEditing(terms);
        if (terms.ChangeCount() > 0)
            terms.CancelUpdates();
    }
    cancelIfEditing(data_->dataSet("cdsVerifiBanco"));
    if (tab == BancoPref)
        cancelIfEditing(data_->cdsBancoPref());
    if (tab == SitFinanc && detail.pgcSituFinanc->ActivePage() == detail.tshSocios)
        cancelIfEditing(data_->cdsSocios());

    const ClientDataSet& contacts = data_->cdsInterloc();
    const bool noContact = !contacts.Active() || contacts.IsEmpty();
    ControlaBotoes(!(tab == Interloc && noContact));
    if (tab == Interloc && noContact) {
        for (gui::TabSheet* page : {detail.tshFormInter, detail.tshEndeInter, detail.tshCorres})
            page->SetEnabled(false);
        onlyInsertEnabled();
    }
    const ClientDataSet& banks = data_->cdsBancoPref();
    if (tab == BancoPref && (!banks.Active() || banks.IsEmpty()))
        onlyInsertEnabled();
    const ClientDataSet& master = cdsCliente();
    if ((!master.Active() || master.IsEmpty()) && tab != Interloc && tab != BancoPref)
        noCustomerLeft();
    else if (tab == FormPgto || activeAddress())
        pgcPadraoChange();
    cmd.sbtCadAut->SetEnabled(mnuIncluir->Enabled());
}

// ---- Search

void TfrmCliente::sbtProcurarClick() {
    const Tab tab = activeTab();
    const std::string caption = forms::formText(*this, "Procurar");
    if (tab == Interloc) {
        const bool correspondence = detail.pgcInterloc->ActivePage() == detail.tshCorres;
        Procurar::Procura(correspondence ? data_->cdsCorres() : data_->cdsInterloc(), caption);
        return;
    }
    if (tab == DadosPed && detail.pgcGeral->ActivePage() == detail.tshPrcBase) {
        Procurar::Procura(data_->cdsPrecoBaseCli(), caption);
        return;
    }
    if (tab == BancoPref) {
        Procurar::Procura(data_->cdsBancoPref(), caption);
        return;
    }
    ClientDataSet& master = cdsCliente();
    {
        // The number is searched as stored; its mask comes back however the search ends.
        Field& number = master.FieldByName("NRINSJURINFO");
        struct MaskBack {
            TfrmCliente& form;
            Field& number;
            ~MaskBack() {
                number.SetEditMask(Consiste::PictPess(fieldText(form.cdsCliente(), "IDTPIJURINFO")));
                form.form.dbeInscricao->refresh();
            }
        } back{*this, number};
        number.SetEditMask("");
        TfrmPadrao::sbtProcurarClick();
    }
    if (customer::form::AddressPage* address = activeAddress())
        loadAddress(*address);
}

} // namespace vq

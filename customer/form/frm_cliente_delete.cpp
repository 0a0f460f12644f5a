// TfrmCliente: the delete command on each tab, and the deletion of a customer.

#include "customer/Vqm41200.h"
#include "customer/form/form_support.h"
#include "framework/forms/form_texts.h"
#include "framework/services/consiste_messages.h"
#include "framework/services/showavi.h"
#include "platform/gui/containers.h"
#include "platform/gui/menus.h"
#include "platform/gui/page_control.h"
#include "platform/gui/seams.h"
#include "services/app_server.h"

namespace vq {

using customer::form::fieldText;
using enum customer::form::Tab;

namespace {

bool hasRows(const ClientDataSet& ds) {
    return ds.Active() && !ds.IsEmpty();
}

void deleteCurrent(ClientDataSet& ds) {
    if (hasRows(ds) && !ds.editing())
        ds.Delete();
}

} // namespace

void TfrmCliente::sbtExcluirClick() {
    const Tab tab = activeTab();
    const auto ask = [this] { return gui::confirm(forms::formText(*this, "Excl")); };
    ClientDataSet& master = cdsCliente();
    switch (tab) {
    case Interloc: {
        ClientDataSet& contacts = data_->cdsInterloc();
        const bool contactPage = detail.pgcInterloc->ActivePage() != detail.tshCorres;
        if (contacts.State() == DataSetState::Browse && !contacts.IsEmpty() && contactPage) {
            if (ask())
                deleteContact();
        } else if (hasRows(data_->cdsCorres()) && ask()) {
            deleteCurrent(data_->cdsCorres());
        }
        break;
    }
    case DadosPed:
        if (detail.pgcGeral->ActivePage() == detail.tshPrcBase) {
            ClientDataSet& prices = data_->cdsPrecoBaseCli();
            if (hasRows(prices) && ask()) {
                deleteCurrent(prices);
                if (prices.IsEmpty())
                    onlyInsertEnabled();
            }
        } else {
            Exclui_Cli();
        }
        break;
    case SitFinanc:
        if (detail.pgcSituFinanc->ActivePage() == detail.tshSocios) {
            if (hasRows(data_->cdsSocios()) && ask()) {
                deleteCurrent(data_->cdsSocios());
                ControlaSituacaoFinanceira();
            }
        } else if (master.State() == DataSetState::Browse) {
            Exclui_Cli();
        }
        break;
    case BancoPref: {
        ClientDataSet& banks = data_->cdsBancoPref();
        if (hasRows(banks) && ask()) {
            deleteCurrent(banks);
            if (banks.IsEmpty()) {
                onlyInsertEnabled();
                detail.pgcInterloc->SetEnabled(false);
            }
        }
        break;
    }
    case FormPgto:
        // The terms' deletion is sent with the next confirm.
        if (hasRows(data_->cdsPrazoPgtoClie()) && ask()) {
            deleteCurrent(data_->cdsPrazoPgtoClie());
            ControlaBotoes(true);
        }
        break;
    case Observ:
        if (data_->cdsObserv().State() == DataSetState::Browse && hasRows(data_->cdsObserv()) && ask()) {
            deleteCurrent(data_->cdsObserv());
            ControlaBotoes(true);
        }
        break;
    default:
        if (master.State() == DataSetState::Browse)
            Exclui_Cli();
        break;
    }
    if (!master.Active() || master.IsEmpty())
        noCustomerLeft();
}

// The contact's history and mailings go first; then its correspondence row and the contact itself, each
// saved as it is deleted (the contact's deletion takes the rest of its correspondence on the server).
void TfrmCliente::deleteContact() {
    ClientDataSet& contacts = data_->cdsInterloc();
    const std::string code = currentCode();
    const std::string contact = fieldText(contacts, "CDINTECLIE");
    callChecked("SetDelEvoInteClie", {Variant(code), Variant(contact)});
    callChecked("SetDelMalaClie", {Variant(code), Variant(contact)});
    // Only this contact's correspondence may go with it.
    ClientDataSet& correspondence = data_->cdsCorres();
    const bool ours = hasRows(correspondence) && fieldText(correspondence, "CDCLIENTE") == code &&
                      fieldText(correspondence, "CDINTECLIE") == contact;
    // Closed, empty (perhaps another contact's nothing) or another contact's rows: read this contact's.
    if (!ours) {
        Showavi::Scope busy(this, Showavi::kSearching);
        services::readInto(netClientes, "GetCorres", VariantArray{Variant(code), Variant(contact)},
                           correspondence);
    }
    deleteCurrent(correspondence);
    contacts.Delete();
    if (contacts.IsEmpty()) {
        detail.pgcInterloc->SetEnabled(false);
        for (gui::TabSheet* page :
             {detail.tshDadosInterloc, detail.tshFormInter, detail.tshEndeInter, detail.tshCorres})
            page->SetEnabled(false);
        // Chosen after the pages are disabled: disabling the page shown moves the choice to the next one.
        detail.pgcInterloc->SetActivePage(detail.tshDadosInterloc);
        for (gui::MenuItem* item : {mnuDadosInter, mnuFormInter, mnuEndeInter, mnuCorres})
            item->SetEnabled(false);
        onlyInsertEnabled();
    }
}

void TfrmCliente::Exclui_Cli() {
    ClientDataSet& master = cdsCliente();
    const std::string code = currentCode();
    {
        Showavi::Scope busy(this, Showavi::kSearching);
        services::readInto(netClientes, "GetPrecoBaseCli", VariantArray{Variant(code)},
                           data_->cdsPrecoBaseCli());
    }
    if (!master.Active() || master.IsEmpty())
        Consiste::MensErro(forms::formText(*this, "N_Excl"));
    if (!gui::confirm(forms::formText(*this, "Excl")))
        return;
    // The customer's deletion removes its rows in one transaction; the base prices are cleared only once
    // it was accepted, so a refused deletion removes nothing.
    master.Delete();
    callChecked("SetExcPrcBase", {Variant(code)});
    if (pgcPadrao->ActivePage() != tshFolhaDados)
        pgcPadrao->SetActivePage(tshFolhaDados);
    detail.pgcInterloc->SetActivePage(detail.tshDadosInterloc);
    pgcPadraoChange();
}

} // namespace vq

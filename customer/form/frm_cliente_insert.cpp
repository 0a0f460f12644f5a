// TfrmCliente: the insert command on each tab, and the prospect offered when a customer is created.

#include "customer/Vqm41200.h"
#include "customer/form/form_support.h"
#include "platform/gui/buttons.h"
#include "platform/gui/choices.h"
#include "platform/gui/colors.h"
#include "platform/gui/containers.h"
#include "platform/gui/db_controls.h"
#include "platform/gui/db_grid.h"
#include "platform/gui/menus.h"
#include "platform/gui/page_control.h"
#include "platform/gui/seams.h"
#include "platform/gui/text_controls.h"
#include "platform/gui/ui_locks.h"

namespace vq {

using customer::form::chooseByValue;
using customer::form::fieldText;
using enum customer::form::Tab;

namespace {

bool browsing(const ClientDataSet& ds) {
    return ds.State() == DataSetState::Browse;
}

// Appends a row of a grid-edited list and puts the grid on the row's key column.
void appendInGrid(TfrmCliente& form, ClientDataSet& ds, const char* grid, const char* keyField) {
    if (auto* g = form.findComponent<gui::DbGrid>(grid)) {
        g->SetSelectedField(keyField);
        if (g->CanFocus())
            form.SetFocus(*g);
    }
    ds.Append();
}

} // namespace

void TfrmCliente::sbtIncluirClick() {
    Vqm41200::UnitState& u = Vqm41200::unit();
    u.bohabilita = true;
    u.boImporta = false;
    bool created = false;
    {
        gui::WindowUpdateLock lock(*this);
        const Tab tab = activeTab();
        ClientDataSet& prices = data_->cdsPrecoBaseCli();
        ClientDataSet& contacts = data_->cdsInterloc();
        ClientDataSet& correspondence = data_->cdsCorres();
        if (tab == DadosPed && detail.pgcGeral->ActivePage() == detail.tshPrcBase) {
            if (browsing(prices))
                appendInGrid(*this, prices, "dbgPrecoBase", "CDPRECOBASE");
            ControlaBotoes(false);
        } else if (tab == Observ && browsing(data_->cdsObserv())) {
            data_->cdsObserv().Append();
        } else if (tab == Interloc) {
            if (browsing(contacts) && detail.pgcInterloc->ActivePage() != detail.tshCorres) {
                detail.pgcInterloc->SetEnabled(true);
                pgcInterlocChange();
                detail.tshFormInter->SetEnabled(true);
                detail.pgcInterloc->SetActivePage(detail.tshFormInter);
                auto* code = findComponent<gui::DbEdit>("dbeCdInterloc");
                if (code) {
                    code->SetEnabled(changesAllowed());
                    if (code->CanFocus())
                        SetFocus(*code);
                }
                contacts.Append();
            } else if (browsing(correspondence)) {
                appendInGrid(*this, correspondence, "dbgCorres", "CDTIPOCORR");
            }
        } else if (tab == BancoPref) {
            if (browsing(data_->cdsBancoPref()))
                data_->cdsBancoPref().Append();
        } else if (tab == SitFinanc && detail.pgcSituFinanc->ActivePage() == detail.tshSocios &&
                   browsing(data_->cdsSocios())) {
            data_->cdsSocios().Append();
        } else {
            newCustomer();
            created = true;
        }
    }
    updateCommands(); // a detail row appended: its cancel and confirm
    if (created) {
        for (const char* name : {"dbeInscricao", "depDtNasc", "dbdDtValidGarantia"})
            if (auto* edit = findComponent<gui::DbEdit>(name))
                edit->SetText("");
    }
}

void TfrmCliente::newCustomer() {
    ClientDataSet& master = cdsCliente();
    pgcPadrao->SetEnabled(true);
    pgcPadrao->SetActivePage(tshFormulario);
    enableTaxNumberEdits(true);
    form.dbeNrInsJurClie->SetColor(gui::colors::Required);
    if (inModule(customer::ModuleRule::ProspectOnInsert)) {
        offerProspect();
    } else {
        cmd.sbtImpProsp->SetVisible(true);
        cmd.sbtImpProsp->SetEnabled(false);
        cmd.mnuImpProsp->SetEnabled(false);
    }
    if (!master.Active())
        master.CreateDataSet();
    if (master.IsEmpty()) {
        // The first customer: only the pages that need no saved customer.
        const auto enable = [this](Tab tab, bool on) {
            const customer::form::TabEntry& t = tabs[static_cast<std::size_t>(tab)];
            t.sheet->SetEnabled(on);
            t.item->SetEnabled(on);
        };
        for (Tab tab : {Formulario, EndeClie, DadosAdic, SitFinanc, DadosFiscais, Personalizacao})
            enable(tab, true);
        for (Tab tab : {FolhaDados, EndeClieCobr, EndeExt, EndeExp, EndEntrega, FormPgto, Interloc, Observ,
                        BancoPref, DadoProsp, DadosPed})
            enable(tab, false);
    }
    if (master.State() != DataSetState::Insert)
        master.Append();
    form.edtQualifica->SetText("");
    if (form.dbeInscricao->CanFocus())
        SetFocus(*form.dbeInscricao);
    ControlaBotoes(false);
    if (fieldText(master, "IDCLIEATIV").empty())
        chooseByValue(*form.dbcSituAtiv, "S");
}

} // namespace vq

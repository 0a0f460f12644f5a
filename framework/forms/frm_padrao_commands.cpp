// TfrmPadrao: what each command, page change, move and data event does in the base form.

#include "framework/forms/form_texts.h"
#include "framework/forms/frm_padrao.h"
#include "framework/forms/grid_listing.h"
#include "framework/reports/report_engine.h"
#include "framework/services/consiste_messages.h"
#include "framework/services/pesquisa.h"
#include "framework/services/showavi.h"
#include "platform/data/client_data_set.h"
#include "platform/gui/buttons.h"
#include "platform/gui/db_grid.h"
#include "platform/gui/db_navigator.h"
#include "platform/gui/menus.h"
#include "platform/gui/page_control.h"
#include "platform/gui/seams.h"
#include "platform/gui/ui_locks.h"

namespace vq {

void TfrmPadrao::focusFirstIn(QWidget& container) {
    if (gui::Control* first = focusManager().findNext(container, nullptr, true, true))
        SetFocus(*first);
}

bool TfrmPadrao::showEditPage() {
    gui::TabSheet* page = editsInGrid_ ? tshFolhaDados : tshFormulario;
    return pgcPadrao->ActivePage() == page || pgcPadrao->SelectPage(*page);
}

void TfrmPadrao::focusEditPage() {
    if (editsInGrid_)
        SetFocus(*dbgPadrao);
    else
        focusFirstIn(*tshFormulario);
}

// ---- Record commands

void TfrmPadrao::sbtIncluirClick() {
    ClientDataSet& ds = padraoDataSet();
    if (ds.editing())
        return;
    gui::WindowUpdateLock lock(*this);
    // The page first: its change handlers see the list as it was, and the grid page is left before
    // the editing state locks it.
    if (!showEditPage())
        return;
    ds.Append();
    focusEditPage();
}

void TfrmPadrao::sbtAlterarClick() {
    ClientDataSet& ds = padraoDataSet();
    if (ds.editing() || ds.IsEmpty())
        return;
    gui::WindowUpdateLock lock(*this);
    if (!showEditPage())
        return;
    ds.Edit();
    focusEditPage();
}

void TfrmPadrao::sbtExcluirClick() {
    ClientDataSet& ds = padraoDataSet();
    if (ds.editing())
        return;
    if (ds.IsEmpty())
        Consiste::MensErro(forms::formText(*this, "N_Excl"));
    if (!gui::confirm(forms::formText(*this, "Excl")))
        return;
    ds.Delete();
    if (ds.IsEmpty() && pgcPadrao->ActivePage() != tshFolhaDados)
        pgcPadrao->SelectPage(*tshFolhaDados);
}

void TfrmPadrao::sbtConfirmarClick() {
    ClientDataSet& ds = padraoDataSet();
    if (!ds.editing())
        return;
    // The focused control's pending text and exit check come first, as when the user leaves it.
    if (gui::Control* active = ActiveControl())
        active->beforeExit();
    ds.Post();
}

void TfrmPadrao::sbtCancelarClick() {
    ClientDataSet& ds = padraoDataSet();
    if (!ds.editing())
        return;
    if (!gui::confirm(forms::formText(*this, "Canc")))
        return;
    ds.Cancel();
    if (ds.IsEmpty() && pgcPadrao->ActivePage() != tshFolhaDados)
        pgcPadrao->SelectPage(*tshFolhaDados);
}

void TfrmPadrao::sbtVerificarClick() {
    ClientDataSet& ds = padraoDataSet();
    if (ds.editing())
        return;
    const Bookmark mark = ds.Active() ? ds.GetBookmark() : 0;
    {
        Showavi::Scope busy(this, Showavi::kUpdating, forms::formText(*this, "Atual_Oper"));
        RefreshData();
    }
    if (mark != 0 && ds.BookmarkValid(mark))
        ds.GotoBookmark(mark);
    updateCommands();
}

void TfrmPadrao::RefreshData() {}

void TfrmPadrao::sbtProcurarClick() {
    ClientDataSet& ds = padraoDataSet();
    if (ds.editing())
        return;
    Procurar::Procura(ds, forms::formText(*this, "Procurar"));
}

void TfrmPadrao::sbtImprimirClick() {
    reports::ReportEngine engine;
    engine.SetDefinition(forms::gridListing(*dbgPadrao, Caption()));
    engine.SetDataSet(&padraoDataSet());
    engine.Preview();
}

void TfrmPadrao::sbtFecharClick() {
    Close();
}

// ---- Pages

void TfrmPadrao::pgcPadraoChanging(bool& allowChange) {
    (void)allowChange;
}

void TfrmPadrao::pgcPadraoChange() {
    gui::TabSheet* page = pgcPadrao->ActivePage();
    mnuFolhaDados->SetChecked(page == tshFolhaDados);
    mnuFormulario->SetChecked(page == tshFormulario);
    updateCommands();
}

void TfrmPadrao::mnuFolhaDadosClick() {
    pgcPadrao->SelectPage(*tshFolhaDados);
}

void TfrmPadrao::mnuFormularioClick() {
    if (!editsInGrid_)
        pgcPadrao->SelectPage(*tshFormulario);
}

void TfrmPadrao::dbgPadraoDblClick() {
    if (!editsInGrid_ && tshFormulario->Enabled() && tshFormulario->TabVisible())
        pgcPadrao->SelectPage(*tshFormulario);
}

// ---- Moves: only while browsing, so a pending edit is never posted by a move.

void TfrmPadrao::Primeiro1Click() {
    if (dtsPadrao.State() == DataSetState::Browse)
        padraoDataSet().First();
}

void TfrmPadrao::Anterior1Click() {
    if (dtsPadrao.State() == DataSetState::Browse)
        padraoDataSet().Prior();
}

void TfrmPadrao::Proximo1Click() {
    if (dtsPadrao.State() == DataSetState::Browse)
        padraoDataSet().Next();
}

void TfrmPadrao::Ultimo1Click() {
    if (dtsPadrao.State() == DataSetState::Browse)
        padraoDataSet().Last();
}

void TfrmPadrao::dbnPadraoClick(gui::NavButton button) {
    (void)button;
}

// ---- Data events

void TfrmPadrao::dtsPadraoStateChange() {
    updateCommands();
}

void TfrmPadrao::dtsPadraoDataChange(Field* field) {
    // Only a change between "no rows" and "rows" (a load, the last delete) changes the commands; field
    // edits and moves leave them to the derived form's own rules.
    if (field)
        return;
    const ClientDataSet* ds = dtsPadrao.DataSet();
    const bool empty = !ds || !ds->Active() || ds->IsEmpty();
    const bool active = dtsPadrao.State() != DataSetState::Inactive;
    if (empty != lastEmpty_ || active != lastActive_)
        updateCommands();
}

// ---- Form events

void TfrmPadrao::FormCreate() {
    pgcPadrao->SetActivePage(tshFolhaDados);
    pgcPadraoChange();
}

void TfrmPadrao::FormActivate() {}

void TfrmPadrao::FormCloseQuery(bool& canClose) {
    ClientDataSet* ds = dtsPadrao.DataSet();
    if (!ds || !ds->editing())
        return;
    // Closing never drops typed data silently.
    if (!gui::confirm(forms::formText(*this, "Sair_Edit"))) {
        canClose = false;
        return;
    }
    ds->Cancel();
}

void TfrmPadrao::FormClose(gui::CloseAction& action) {
    (void)action;
}

} // namespace vq

// TfrmCliente: the tab menu, moves between customers, the navigator, the grid, print and the customer
// type.

#include "customer/Vqm41200.h"
#include "customer/form/form_support.h"
#include "framework/services/geral.h"
#include "framework/services/vorlane.h"
#include "framework/validation/consiste.h"
#include "platform/data/edit_mask.h"
#include "platform/gui/buttons.h"
#include "platform/gui/choices.h"
#include "platform/gui/db_grid.h"
#include "platform/gui/db_navigator.h"
#include "platform/gui/guard.h"
#include "platform/gui/menus.h"
#include "platform/gui/page_control.h"

namespace vq {

using customer::form::fieldText;
using enum customer::form::Tab;

// ---- Tabs

bool TfrmCliente::onTab(Tab tab) const {
    return pgcPadrao->ActivePage() == sheet(tab);
}

TfrmCliente::Tab TfrmCliente::activeTab() const {
    const gui::TabSheet* active = pgcPadrao->ActivePage();
    for (std::size_t i = 0; i < tabs.size(); ++i)
        if (tabs[i].sheet == active)
            return static_cast<Tab>(i);
    return FolhaDados;
}

const customer::form::AddressPage* TfrmCliente::activeAddress() const {
    const gui::TabSheet* active = pgcPadrao->ActivePage();
    for (const customer::form::AddressPage& page : addresses)
        if (page.sheet == active)
            return &page;
    return nullptr;
}

bool TfrmCliente::inModule(customer::ModuleRule rule) {
    return customer::appliesIn(rule, Geral::ModuloAtiv());
}

// Tab commands show their own failures (one dialog, OK), whoever runs them.
void TfrmCliente::selectTab(Tab tab, bool validateFirst) {
    gui::guarded(tabs[static_cast<std::size_t>(tab)].item->Name(), [&] {
        if (validateFirst)
            Validate();
        pgcPadrao->SetActivePage(sheet(tab));
        pgcPadraoChange();
    });
}

void TfrmCliente::selectInner(gui::PageControl& pages, gui::TabSheet& page) {
    pages.SetActivePage(&page);
    if (&pages == detail.pgcInterloc)
        pgcInterlocChange();
    else if (&pages == detail.pgcSituFinanc)
        pgcSituFinancChange();
    else
        pgcGeralChange();
}

void TfrmCliente::mnuEndeClieClick() {
    selectTab(EndeClie, true);
}
void TfrmCliente::mnuEndeClieCobrClick() {
    selectTab(EndeClieCobr, true);
}
void TfrmCliente::mnuEndeExtClick() {
    selectTab(EndeExt, true);
}
void TfrmCliente::mnuEndeExpClick() {
    selectTab(EndeExp, true);
}
void TfrmCliente::mnuEndEntregClick() {
    selectTab(EndEntrega, true);
}
void TfrmCliente::mnuDadAdicClick() {
    selectTab(DadosAdic, true);
}
void TfrmCliente::mnuDadosFiscaisClick() {
    selectTab(DadosFiscais, false);
}
void TfrmCliente::mnuFormPgtoClick() {
    pgcPadrao->SetActivePage(sheet(FormPgto));
    pgcPadraoChange();
}
void TfrmCliente::mnuObservClick() {
    selectTab(Observ, false);
}
void TfrmCliente::mnuBancoPrefClick() {
    pgcPadrao->SetActivePage(sheet(BancoPref));
    pgcPadraoChange();
}
void TfrmCliente::mnuPersonalizaoClick() {
    selectTab(Personalizacao, true);
}
void TfrmCliente::mnuDadoProspClick() {
    selectTab(DadoProsp, true);
}

// The base's handlers select their page as the user does, which runs pgcPadraoChange already; it runs
// here only when the base did not change the page (it was active), so a tab entry reads its data once.
void TfrmCliente::mnuFolhaDadosClick() {
    const bool wasActive = onTab(FolhaDados);
    TfrmPadrao::mnuFolhaDadosClick();
    if (wasActive)
        pgcPadraoChange();
}

void TfrmCliente::mnuFormularioClick() {
    gui::guarded("mnuFormulario", [&] {
        const bool wasActive = onTab(Formulario);
        TfrmPadrao::mnuFormularioClick();
        if (!wasActive && onTab(Formulario))
            return;
        Validate();
        pgcPadrao->SetActivePage(tshFormulario);
        pgcPadraoChange();
    });
}

void TfrmCliente::mnuDadosInterClick() {
    selectTab(Interloc, false);
    gui::guarded("mnuDadosInter", [&] { selectInner(*detail.pgcInterloc, *detail.tshDadosInterloc); });
}
void TfrmCliente::mnuFormInterClick() {
    selectTab(Interloc, false);
    gui::guarded("mnuFormInter", [&] { selectInner(*detail.pgcInterloc, *detail.tshFormInter); });
}
void TfrmCliente::mnuEndeInterClick() {
    selectTab(Interloc, false);
    gui::guarded("mnuEndeInter", [&] { selectInner(*detail.pgcInterloc, *detail.tshEndeInter); });
}
void TfrmCliente::mnuCorresClick() {
    selectTab(Interloc, false);
    gui::guarded("mnuCorres", [&] { selectInner(*detail.pgcInterloc, *detail.tshCorres); });
}
void TfrmCliente::mnuSituFinaGeralClick() {
    pgcPadrao->SetActivePage(sheet(SitFinanc));
    pgcPadraoChange();
    selectInner(*detail.pgcSituFinanc, *detail.tshSituFinaGeral);
}
void TfrmCliente::mnuSociosClick() {
    pgcPadrao->SetActivePage(sheet(SitFinanc));
    pgcPadraoChange();
    selectInner(*detail.pgcSituFinanc, *detail.tshSocios);
}
void TfrmCliente::mnuGeralClick() {
    selectTab(DadosPed, false);
    gui::guarded("mnuGeral", [&] { selectInner(*detail.pgcGeral, *detail.tshGeral); });
}
void TfrmCliente::mnuPrcBaseClick() {
    selectTab(DadosPed, false);
    gui::guarded("mnuPrcBase", [&] { selectInner(*detail.pgcGeral, *detail.tshPrcBase); });
}

// ---- Moves: never while a row of the customer is edited, or it would be posted under the next code.

void TfrmCliente::Primeiro1Click() {
    if (anyDetailEditing())
        return;
    TfrmPadrao::Primeiro1Click();
    pgcPadraoChange();
}
void TfrmCliente::Anterior1Click() {
    if (anyDetailEditing())
        return;
    TfrmPadrao::Anterior1Click();
    pgcPadraoChange();
}
void TfrmCliente::Proximo1Click() {
    if (anyDetailEditing())
        return;
    TfrmPadrao::Proximo1Click();
    pgcPadraoChange();
}
void TfrmCliente::Ultimo1Click() {
    if (anyDetailEditing())
        return;
    TfrmPadrao::Ultimo1Click();
    pgcPadraoChange();
}

void TfrmCliente::dbnPadraoClick(gui::NavButton button) {
    TfrmPadrao::dbnPadraoClick(button);
    if (onTab(Interloc)) {
        pgcPadraoChange();
        pgcInterlocChange();
        return;
    }
    dbnPadrao->SetDataSource(&dtsPadrao);
    pgcPadraoChange();
}

// ---- Grid

void TfrmCliente::dbgPadraoDrawColumnCell(QPainter& canvas, const QRect& rect, const std::string& fieldName) {
    if (fieldName != "NRINSJURINFO")
        return;
    const ClientDataSet& master = cdsCliente();
    const std::string text = formatMaskText(Consiste::PictPess(fieldText(master, "IDTPIJURINFO")),
                                            fieldText(master, "NRINSJURINFO"));
    canvas.fillRect(rect, canvas.background());
    canvas.drawText(rect.adjusted(1, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop, QString::fromStdString(text));
}

void TfrmCliente::dbgPadraoKeyDown(int& key, Qt::KeyboardModifiers modifiers) {
    // Customers are deleted with the delete command only.
    if (key == Qt::Key_Delete && (modifiers & Qt::ControlModifier))
        key = 0;
}

// ---- Print

void TfrmCliente::sbtImprimirClick() {
    cmd.pmnImpressora->PopupAt(*sbtImprimir);
}

void TfrmCliente::pmnClientesClick() {
    customer::satellites().CriaDadosCliente();
}

void TfrmCliente::pmnIntCliClick() {
    Vorlane::LoadBPL("Vqm53800");
}

// ---- Customer type

void TfrmCliente::rdgTipoClienteChange() {
    ClientDataSet& master = cdsCliente();
    if (!master.editing())
        return;
    const int index = form.rdgTipoCliente->ItemIndex();
    const std::vector<std::string> items = form.rdgTipoCliente->Items();
    const bool publico = index >= 0 && items[static_cast<std::size_t>(index)] == "Público";
    master.FieldByName("IDPRIPUBCLIE").SetAsString(publico ? "B" : "V");
}

} // namespace vq

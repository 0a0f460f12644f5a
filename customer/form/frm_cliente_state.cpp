// TfrmCliente: what follows the data state: tabs, tax-number edits, the normal address entered with the
// customer, and the record commands of the active tab.

#include "customer/Vqm41200.h"
#include "customer/command_rules.h"
#include "customer/form/form_support.h"
#include "customer/reload_rule.h"
#include "framework/services/btn_pesquisa.h"
#include "framework/validation/consiste.h"
#include "platform/gui/buttons.h"
#include "platform/gui/choices.h"
#include "platform/gui/colors.h"
#include "platform/gui/containers.h"
#include "platform/gui/db_controls.h"
#include "platform/gui/db_grid.h"
#include "platform/gui/db_navigator.h"
#include "platform/gui/menus.h"
#include "platform/gui/page_control.h"
#include "platform/gui/ui_locks.h"

namespace vq {

using customer::form::fieldText;
using enum customer::form::Tab;

namespace {

// Groups that edit data: enabled only while changes are allowed.
constexpr const char* kEditGroups[] = {
    "grbIdent",        "grbClassif",   "grbTransp",     "grbEndeClie",  "grbEndeClieCobr",
    "grbEndeExt",      "grbEndeExp",   "grbEndEntrega", "grbDadosAdic", "grbMesReaj",
    "grbDadosFiscais", "grbFormPgto",  "grbIdioma",     "grbValidade",  "grbInterloc",
    "grbEndeInter",    "grbDadoProsp", "grbPedidos",    "grbMatAplic",  "grbIndice",
};

bool editingState(DataSetState s) {
    return s == DataSetState::Edit || s == DataSetState::Insert;
}

} // namespace

bool TfrmCliente::changesAllowed() const {
    return Vqm41200::unit().boHabAlt;
}

bool TfrmCliente::browsingNow() const {
    if (customer::form::editing(dtsPadrao))
        return false;
    for (int k = 0; k < customer::kAddressKindCount; ++k)
        if (data_->address(static_cast<customer::AddressKind>(k)).editing())
            return false;
    return true;
}

bool TfrmCliente::anyDetailEditing() const {
    for (std::string_view name : data_->dataSetNames())
        if (name != "cdsCliente" && data_->descriptor(name).save != customer::SaveTiming::None &&
            data_->dataSet(name).editing())
            return true;
    return false;
}

DataSource* TfrmCliente::activeSource() const {
    const auto source = [this](std::string_view dataSet) { return data_->sourceOf(dataSet); };
    switch (activeTab()) {
    case Observ:
        return source("cdsObserv");
    case DadosPed:
        return detail.pgcGeral->ActivePage() == detail.tshPrcBase ? source("cdsPrecoBaseCli")
                                                                  : const_cast<DataSource*>(&dtsPadrao);
    case EndeClie:
    case EndeClieCobr:
    case EndeExt:
    case EndeExp:
    case EndEntrega:
        return data_->sourceOf(data_->address(activeAddress()->kind).Name());
    case BancoPref:
        return source("cdsBancoPref");
    case SitFinanc:
        if (detail.pgcSituFinanc->ActivePage() == detail.tshSocios)
            return source("cdsSocios");
        break;
    case Interloc:
        return source(detail.pgcInterloc->ActivePage() == detail.tshCorres ? "cdsCorres" : "cdsInterloc");
    default:
        break;
    }
    return const_cast<DataSource*>(&dtsPadrao);
}

void TfrmCliente::updateCommands() {
    TfrmPadrao::updateCommands();
    // The base's enabling runs on its own events; the tab's rules are applied over it.
    if (data_ && !destroying_)
        ControlaBotoes(browsingNow());
}

void TfrmCliente::ControlaBotoes(bool browsing) {
    const DataSource* source = activeSource();
    const ClientDataSet* ds = source->DataSet();
    const ClientDataSet& master = cdsCliente();
    const customer::form::AddressPage* address = activeAddress();
    const Tab tab = activeTab();
    customer::CommandInputs in;
    in.browsing = browsing;
    in.changesAllowed = changesAllowed();
    in.secondaryAddressTab = address && address->kind != customer::AddressKind::Normal;
    in.gridOrFormPage = tab == FolhaDados || tab == Formulario;
    in.source = source->State();
    in.sourceEmpty = !ds || !ds->Active() || ds->IsEmpty();
    in.master = master.State();
    in.masterEmpty = !master.Active() || master.IsEmpty();
    const customer::CommandStates s = customer::decideCommands(in);

    setCommandEnabled(Command::Incluir, s.insert);
    setCommandEnabled(Command::Alterar, s.edit);
    setCommandEnabled(Command::Excluir, s.remove);
    setCommandEnabled(Command::Procurar, s.search);
    setCommandEnabled(Command::Verificar, s.refresh);
    setCommandEnabled(Command::Cancelar, s.cancel);
    setCommandEnabled(Command::Confirmar, s.confirm);
    setCommandEnabled(Command::Imprimir, s.print);
    dbnPadrao->SetEnabled(s.navigator);
    cmd.mnuFiltrar->SetEnabled(s.filter);
    cmd.mnuImpProsp->SetEnabled(s.importProspect);
    cmd.sbtCadAut->SetEnabled(s.insert);
    cmd.sbtLocEntrCli->SetEnabled(s.edit);
    if (s.closeItem)
        setCommandEnabled(Command::Fechar, true);
    if (s.closeButton)
        sbtFechar->SetEnabled(true);
}

void TfrmCliente::enableTabs(DataSetState state) {
    gui::WindowUpdateLock lock(*this);
    const bool notInsert = state != DataSetState::Insert;
    const bool notEditing = !editingState(state);
    const auto enable = [this](Tab tab, bool on) {
        const customer::form::TabEntry& t = tabs[static_cast<std::size_t>(tab)];
        t.sheet->SetEnabled(on);
        t.item->SetEnabled(on);
    };
    for (Tab tab : {EndeExp, EndeExt, EndeClieCobr, EndEntrega, FormPgto})
        enable(tab, notInsert);
    for (Tab tab : {Interloc, Observ, FolhaDados})
        enable(tab, notEditing);
    detail.tshSocios->SetEnabled(notEditing);
    mnuSocios->SetEnabled(notEditing);
    enable(DadosPed, notInsert);
    detail.tshGeral->SetEnabled(notInsert);
    mnuGeral->SetEnabled(notInsert);
    detail.tshPrcBase->SetEnabled(notEditing);
    mnuPrcBase->SetEnabled(notEditing);
    if (!onTab(BancoPref))
        enable(BancoPref, notEditing);
    const bool permit = cdsCliente().State() == DataSetState::Browse;
    cmd.sbtAlvara->SetEnabled(permit);
    cmd.mnuAlvara->SetEnabled(permit);
}

void TfrmCliente::dtsPadraoStateChange() {
    TfrmPadrao::dtsPadraoStateChange();
    const DataSetState state = dtsPadrao.State();
    const bool allow = changesAllowed();
    if (editingState(state) || !allow)
        ControlaBotoes(false);
    ClientDataSet& master = cdsCliente();
    if (onTab(FormPgto)) {
        const std::string kind = fieldText(master, "IDTPFORPGTCL");
        if ((kind.empty() || kind == "X") && extra.drgFormPgto->ItemIndex() != 0)
            extra.drgFormPgto->SetItemIndex(0);
    }
    enableTabs(state);

    ClientDataSet& normal = data_->cdsEndeClieNorm();
    if (state == DataSetState::Insert) {
        cmd.sbtImpProsp->SetEnabled(false);
        pgcPadrao->SetActivePage(tshFormulario);
        pgcPadraoChange();
        if (!normal.Active())
            load(normal, "GetEndeClieNorm");
        // The customer and its normal address are entered together.
        if (!Vqm41200::unit().boImporta && !normal.editing())
            normal.Append();
    } else {
        // The tax numbers are typed only while a customer is being inserted.
        const bool typing = state != DataSetState::Browse && state != DataSetState::Edit && allow;
        enableTaxNumberEdits(typing);
    }
    if (state == DataSetState::Edit) {
        cmd.sbtImpProsp->SetEnabled(false);
        if (!normal.editing()) {
            if (customer::mayReplaceRows(normal))
                load(normal, "GetEndeClieNorm");
            if (normal.IsEmpty())
                normal.Append();
            else
                normal.Edit();
        }
        form.dbeNrInsJurClie->SetColor(gui::colors::Required);
        master.FieldByName("NRINSJURCLIE").SetEditMask(Consiste::PictPess("I"));
        form.dbeNrInsJurClie->refresh();
    }
}

void TfrmCliente::enableTaxNumberEdits(bool on) {
    form.dbeInscricao->SetEnabled(on);
    form.lblInscricao->SetEnabled(on);
    form.lblInscAux->SetEnabled(on);
    form.dbeNrInsJurClie->SetEnabled(on);
}

void TfrmCliente::HabilitaCampos() {
    const bool list = form.dbePesqTransp->ItemIndex() == 1;
    form.lblTranspLista->SetVisible(list);
    form.btnPesqListaTransp->SetVisible(list);
    // The single carrier for any other choice (a new customer has none yet and is saved as "P").
    if (cls.dbeTransportadora) {
        cls.dbeTransportadora->SetVisible(!list);
        detail.edtNmTransportadora->SetVisible(!list);
        lookups()["Transport"].button->SetVisible(!list);
    }
}

void TfrmCliente::HabilitaAlteracao() {
    const bool allowed = changesAllowed();
    for (const char* name : kEditGroups)
        if (auto* group = findComponent<gui::GroupBox>(name))
            group->SetEnabled(allowed);
    // dbgPadrao and every detail grid, whichever tab adds it.
    for (gui::DbGrid* grid : findChildren<gui::DbGrid*>()) {
        grid->SetReadOnly(!allowed);
        if (!allowed)
            grid->SetEditing(false);
    }
    // Filled from the CNAE lookup only.
    form.dbeDsCNAEFiscal->SetEnabled(false);
    ControlaBotoes(false);
    dtsPadraoStateChange();
}

} // namespace vq

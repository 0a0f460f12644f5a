// TfrmCliente: components, layout and wiring.

#include "customer/Vqm41200.h"
#include "customer/customer_messages.h"
#include "customer/form/layouts.h"
#include "framework/services/geral.h"
#include "framework/services/messages.h"
#include "framework/services/vorlane.h"
#include "platform/data/error.h"
#include "platform/gui/buttons.h"
#include "platform/gui/choices.h"
#include "platform/gui/containers.h"
#include "platform/gui/db_controls.h"
#include "platform/gui/db_grid.h"
#include "platform/gui/db_navigator.h"
#include "platform/gui/edit.h"
#include "platform/gui/menus.h"
#include "platform/gui/page_control.h"
#include "platform/gui/text_controls.h"
#include "services/app_server.h"

namespace vq {
namespace {

using customer::AddressKind;
using Tab = customer::form::Tab;

// One text for every database.
constexpr const char* kSqlSegMercado =
    "SELECT CDSEGMER, DSSEGMER FROM SEGMERCADO WHERE (CDSEGMER = :P_CDSEGMER OR "
    ":P_TCDSEGMER = 'T') ORDER BY CDSEGMER";
constexpr const char* kSqlCentCustoCli = "SELECT CDCENTCUST, NMCENTCUST FROM CENTCUST WHERE (CDCENTCUST = "
                                         ":P_CDCENTCUST OR :P_TCDCENTCUST = 'T') ORDER BY CDCENTCUST";
constexpr const char* kSqlRegiao =
    "SELECT CDREGIAOPED, NMREGIAOPED FROM REGIAOPED WHERE CDREGIAOPED = :P_CDREGIAO";

// The address tabs, by kind.
struct AddressRow {
    AddressKind kind;
    Tab tab;
};
constexpr AddressRow kAddresses[] = {
    {AddressKind::Normal, Tab::EndeClie},     {AddressKind::Billing, Tab::EndeClieCobr},
    {AddressKind::Exterior, Tab::EndeExt},    {AddressKind::Export, Tab::EndeExp},
    {AddressKind::Delivery, Tab::EndEntrega},
};

// Menu items and buttons with their handlers.
struct Wiring {
    const char* component;
    void (TfrmCliente::*handler)();
};
constexpr Wiring kHandlers[] = {
    {"sbtFiltro", &TfrmCliente::sbtFiltroClick},
    {"mnuFiltrar", &TfrmCliente::sbtFiltroClick},
    {"sbtImportar", &TfrmCliente::sbtImportarClick},
    {"mnuImportar", &TfrmCliente::sbtImportarClick},
    {"sbtEmail", &TfrmCliente::sbtEmailClick},
    {"mnuEmailCliente", &TfrmCliente::sbtEmailClick},
    {"btpVendAdic", &TfrmCliente::btpVendAdicClick},
    {"btnPesqListaTransp", &TfrmCliente::ButtonFlat1Click},
    {"sbtCadAut", &TfrmCliente::sbtCadAutClick},
    {"pmnCadAutECF", &TfrmCliente::mnuCadAutECFClick},
    {"mnuCadAutECF", &TfrmCliente::mnuCadAutECFClick},
    {"pmnCadAutTabPrecoCli", &TfrmCliente::mnuCadAutTabPrecoCliClick},
    {"mnuCadAutTabPrecoCli", &TfrmCliente::mnuCadAutTabPrecoCliClick},
    {"pmnCadAutGrupClie", &TfrmCliente::mnuCadAutGrupClieClick},
    {"pmnClientes", &TfrmCliente::pmnClientesClick},
    {"pmnIntCli", &TfrmCliente::pmnIntCliClick},
    {"mnuEndeClie", &TfrmCliente::mnuEndeClieClick},
    {"mnuEndeClieCobr", &TfrmCliente::mnuEndeClieCobrClick},
    {"mnuEndeExt", &TfrmCliente::mnuEndeExtClick},
    {"mnuEndeExp", &TfrmCliente::mnuEndeExpClick},
    {"mnuEndEntreg", &TfrmCliente::mnuEndEntregClick},
    {"mnuDadAdic", &TfrmCliente::mnuDadAdicClick},
    {"mnuDadosFiscais", &TfrmCliente::mnuDadosFiscaisClick},
    {"mnuFormPgto", &TfrmCliente::mnuFormPgtoClick},
    {"mnuObserv", &TfrmCliente::mnuObservClick},
    {"mnuBancoPref", &TfrmCliente::mnuBancoPrefClick},
    {"mnuPersonalizao", &TfrmCliente::mnuPersonalizaoClick},
    {"mnuDadoProsp", &TfrmCliente::mnuDadoProspClick},
    {"mnuDadosInter", &TfrmCliente::mnuDadosInterClick},
    {"mnuFormInter", &TfrmCliente::mnuFormInterClick},
    {"mnuEndeInter", &TfrmCliente::mnuEndeInterClick},
    {"mnuCorres", &TfrmCliente::mnuCorresClick},
    {"mnuSituFinaGeral", &TfrmCliente::mnuSituFinaGeralClick},
    {"mnuSocios", &TfrmCliente::mnuSociosClick},
    {"mnuGeral", &TfrmCliente::mnuGeralClick},
    {"mnuPrcBase", &TfrmCliente::mnuPrcBaseClick},
};

std::vector<std::string> catalogueItems(std::span<const customer::MessageText> texts) {
    std::vector<std::string> items;
    items.reserve(texts.size());
    for (const customer::MessageText& m : texts)
        items.push_back(std::string(m.key) + "|" + std::string(m.text));
    return items;
}

} // namespace

TfrmCliente::TfrmCliente(QWidget* parent) : TfrmPadrao("TfrmCliente", parent) {
    SetCaption("Cliente");
    data_ = std::make_unique<customer::CustomerDataSets>(customer::CustomerServices{
        [this](std::string_view key) { return Msg(*this, key); },
        [] {
            return customer::OperatorInfo{Vorlane::Operador(), Vorlane::NomeOperador()};
        },
        [] { return Geral::Now(); }});
    for (std::string_view name : data_->dataSetNames()) {
        addDataSet(std::string(name), data_->dataSet(name));
        const customer::DataSetDescriptor& d = data_->descriptor(name);
        if (!d.dataSource.empty())
            addDataSource(std::string(d.dataSource), *data_->sourceOf(name));
    }
    msgPadrao->SetItems(catalogueItems(customer::msgPadraoTexts()));
    (new TMessages(this, "msgPadrao02"))->SetItems(catalogueItems(customer::msgPadrao02Texts()));
    qrySegMercado.setSql(kSqlSegMercado);
    qryCentCustoCli.setSql(kSqlCentCustoCli);
    qryRegiao.setSql(kSqlRegiao);
    services::setupConnection(netClientes, services::kRdmClientes);
    buildLayout();
    // Bound once the controls its state-change handling touches exist.
    dtsPadrao.SetDataSet(&data_->cdsCliente());
    wireCommands();
    try {
        DoCreate();
    } catch (...) {
        // No half-built form: what the destructor would undo is undone here.
        destroying_ = true;
        dtsPadrao.SetDataSet(nullptr);
        throw;
    }
}

TfrmCliente::~TfrmCliente() {
    destroying_ = true;
    runDestroy();
    // The datasets go before the widgets bound to them: unbind the grid's source first.
    dtsPadrao.SetDataSet(nullptr);
}

void TfrmCliente::buildLayout() {
    namespace layout = customer::form;
    gui::buildForm(*this, layout::commandsLayout());
    gui::buildForm(*this, layout::formPageLayout());
    for (auto table : layout::addressLayouts())
        gui::buildForm(*this, table);
    for (auto table : layout::dataLayouts())
        gui::buildForm(*this, table);
    for (auto table : layout::detailLayouts())
        gui::buildForm(*this, table);
    gui::buildColumns(*this, layout::gridColumns());

    // The rows fill the handles; what is left are the base's pages, the caption labels the edits' rows
    // make, and the handles that repeat another one.
    tabs[static_cast<std::size_t>(Tab::FolhaDados)] = {tshFolhaDados, mnuFolhaDados};
    tabs[static_cast<std::size_t>(Tab::Formulario)] = {tshFormulario, mnuFormulario};
    for (const AddressRow& row : kAddresses) {
        customer::form::AddressPage& page = addressPage(row.kind);
        page.kind = row.kind;
        page.sheet = sheet(row.tab);
        page.item = tabs[static_cast<std::size_t>(row.tab)].item;
    }
    mnuInterloc = tabs[static_cast<std::size_t>(Tab::Interloc)].item;
    mnuSitFinac = tabs[static_cast<std::size_t>(Tab::SitFinanc)].item;
    mnuDadosPed = tabs[static_cast<std::size_t>(Tab::DadosPed)].item;
    for (auto [label, name] : {std::pair{&form.lblInscricao, "lblInscricao"},
                               {&form.lblInscAux, "lblInscAux"},
                               {&form.lblNmRazaoSoc, "lblNmRazaoSoc"},
                               {&form.lblComp, "lblComp"},
                               {&form.lblSigla, "lblSigla"}})
        *label = component<gui::Label>(name);
}

void TfrmCliente::wireCommands() {
    for (const Wiring& w : kHandlers) {
        const auto handler = w.handler;
        if (auto* item = findComponent<gui::MenuItem>(w.component))
            item->OnClick = [this, handler] { (this->*handler)(); };
        else
            component<gui::ToolButton>(w.component)->OnClick = [this, handler] { (this->*handler)(); };
    }
    form.dbePesqTransp->OnChange = [this] { HabilitaCampos(); };
    form.rdgTipoCliente->OnChange = [this] { rdgTipoClienteChange(); };
    tshFormulario->OnEnter = [this] { tshFormularioEnter(); };
    detail.pgcGeral->OnChange = [this] { pgcGeralChange(); };
    detail.pgcInterloc->OnChange = [this] { pgcInterlocChange(); };
    detail.pgcSituFinanc->OnChange = [this] { pgcSituFinancChange(); };
    extra.cbbEndCFOP->OnChange = [this] { cbbEndCFOPChange(); };
    extra.cbbEndCFOPOPres->OnChange = [this] { cbbEndCFOPOPresChange(); };
    cdsCliente().AfterScroll = [this](ClientDataSet&) { cdsClienteAfterScroll(); };
    dbgPadrao->OnKeyDown = [this](int& key, Qt::KeyboardModifiers mods) { dbgPadraoKeyDown(key, mods); };
    dbgPadrao->OnDrawColumnCell = [this](QPainter& canvas, const QRect& rect, int, gui::GridColumn& column,
                                         bool) { dbgPadraoDrawColumnCell(canvas, rect, column.FieldName); };
    // Moves wait while a row of the customer is edited.
    dbnPadrao->BeforeAction = [this](gui::NavButton) {
        if (anyDetailEditing())
            throw Abort();
    };
}

std::string TfrmCliente::currentCode() const {
    const ClientDataSet& ds = cdsCliente();
    return ds.Active() && !ds.IsEmpty() ? ds.FieldByName("CDCLIENTE").AsString() : std::string();
}

} // namespace vq

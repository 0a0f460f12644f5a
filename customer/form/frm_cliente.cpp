// TfrmCliente: components, layout and wiring.

#include "customer/Vqm41200.h"
#include "customer/customer_messages.h"
#include "customer/form/layouts.h"
#include "framework/forms/query_items.h"
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

// Menu items and buttons with their handlers, by the handle the layout fills.
using Handler = void (TfrmCliente::*)();
template <class Owner, class Component> struct Click {
    Component* Owner::*component;
    Handler handler;
};
using customer::form::Commands;
constexpr Click<Commands, gui::ToolButton> kCommandButtons[] = {
    {&Commands::sbtFiltro, &TfrmCliente::sbtFiltroClick},
    {&Commands::sbtImportar, &TfrmCliente::sbtImportarClick},
    {&Commands::sbtEmail, &TfrmCliente::sbtEmailClick},
    {&Commands::sbtCadAut, &TfrmCliente::sbtCadAutClick},
};
constexpr Click<Commands, gui::MenuItem> kCommandItems[] = {
    {&Commands::mnuFiltrar, &TfrmCliente::sbtFiltroClick},
    {&Commands::mnuImportar, &TfrmCliente::sbtImportarClick},
    {&Commands::mnuEmailCliente, &TfrmCliente::sbtEmailClick},
    {&Commands::pmnCadAutECF, &TfrmCliente::mnuCadAutECFClick},
    {&Commands::mnuCadAutECF, &TfrmCliente::mnuCadAutECFClick},
    {&Commands::pmnCadAutTabPrecoCli, &TfrmCliente::mnuCadAutTabPrecoCliClick},
    {&Commands::mnuCadAutTabPrecoCli, &TfrmCliente::mnuCadAutTabPrecoCliClick},
    {&Commands::pmnCadAutGrupClie, &TfrmCliente::mnuCadAutGrupClieClick},
    {&Commands::pmnClientes, &TfrmCliente::pmnClientesClick},
    {&Commands::pmnIntCli, &TfrmCliente::pmnIntCliClick},
    {&Commands::mnuHistorico, &TfrmCliente::mnuHistoricoClick},
};
constexpr Click<customer::form::FormPage, gui::ToolButton> kFormPageButtons[] = {
    {&customer::form::FormPage::btpVendAdic, &TfrmCliente::btpVendAdicClick},
    {&customer::form::FormPage::btnPesqListaTransp, &TfrmCliente::ButtonFlat1Click},
};
constexpr Click<TfrmCliente, gui::MenuItem> kInnerPageItems[] = {
    {&TfrmCliente::mnuDadosInter, &TfrmCliente::mnuDadosInterClick},
    {&TfrmCliente::mnuFormInter, &TfrmCliente::mnuFormInterClick},
    {&TfrmCliente::mnuEndeInter, &TfrmCliente::mnuEndeInterClick},
    {&TfrmCliente::mnuCorres, &TfrmCliente::mnuCorresClick},
    {&TfrmCliente::mnuSituFinaGeral, &TfrmCliente::mnuSituFinaGeralClick},
    {&TfrmCliente::mnuSocios, &TfrmCliente::mnuSociosClick},
    {&TfrmCliente::mnuGeral, &TfrmCliente::mnuGeralClick},
    {&TfrmCliente::mnuPrcBase, &TfrmCliente::mnuPrcBaseClick},
};
// The tab items with a handler of their own (the base's pages and the three with sub-items have none).
struct TabClick {
    Tab tab;
    Handler handler;
};
constexpr TabClick kTabItems[] = {
    {Tab::EndeClie, &TfrmCliente::mnuEndeClieClick},
    {Tab::EndeClieCobr, &TfrmCliente::mnuEndeClieCobrClick},
    {Tab::EndeExt, &TfrmCliente::mnuEndeExtClick},
    {Tab::EndeExp, &TfrmCliente::mnuEndeExpClick},
    {Tab::EndEntrega, &TfrmCliente::mnuEndEntregClick},
    {Tab::DadosAdic, &TfrmCliente::mnuDadAdicClick},
    {Tab::DadosFiscais, &TfrmCliente::mnuDadosFiscaisClick},
    {Tab::FormPgto, &TfrmCliente::mnuFormPgtoClick},
    {Tab::Observ, &TfrmCliente::mnuObservClick},
    {Tab::BancoPref, &TfrmCliente::mnuBancoPrefClick},
    {Tab::Personalizacao, &TfrmCliente::mnuPersonalizaoClick},
    {Tab::DadoProsp, &TfrmCliente::mnuDadoProspClick},
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
    services::setupConnection(netClientes, services::kRdmClientes);
    buildLayout();
    wireAddresses();
    buildPayment();
    buildFiscal();
    buildBanks();
    buildPriceTables();
    buildFinancial();
    buildPartners();
    buildContacts();
    addItemReader(forms::queryItems({&qrySegMercado,
                                     &qryCentCustoCli,
                                     &qryRegiao,
                                     &qryModPgto,
                                     &qryFormPgto,
                                     &qryPesqModPgto,
                                     &qryFiliOrig,
                                     &qryPesqCdExterno,
                                     &qryVerifiCdAtend,
                                     &qryVerifCliente,
                                     &qryInsJurClie,
                                     &qryEmpresa,
                                     &qryInscEstad,
                                     &qryInscMunicip,
                                     &qryPesqMensagem,
                                     &qrySerieNF,
                                     &qryContCorr,
                                     &qryPesqCCorrente,
                                     &qryPrecoBase,
                                     &qryPesqRegiao,
                                     &qryPesqFiliOrig,
                                     &qryMoeda,
                                     &geography.qryPais,
                                     &geography.qryEstado,
                                     &geography.qryMunicipio,
                                     &geography.qryPesqBairro}));
    // Bound once the controls its state-change handling touches exist.
    dtsPadrao.SetDataSet(&data_->cdsCliente());
    wireCommands();
    wireSaves();
    wirePayment();
    wireFiscal();
    wireBanks();
    wirePriceTables();
    wireFinancial();
    wirePartners();
    buildClassification();
    wireProspect();
    wireContacts();
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
    gui::buildForm(*this, layout::identityLayout());
    gui::buildForm(*this, layout::classificationLayout());
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
    bindIdentity();
}

void TfrmCliente::wireCommands() {
    const auto onClick = [this](auto* component, Handler handler) {
        component->OnClick = [this, handler] { (this->*handler)(); };
    };
    for (const auto& c : kCommandButtons)
        onClick(cmd.*c.component, c.handler);
    for (const auto& c : kCommandItems)
        onClick(cmd.*c.component, c.handler);
    for (const auto& c : kFormPageButtons)
        onClick(form.*c.component, c.handler);
    for (const auto& c : kInnerPageItems)
        onClick(this->*c.component, c.handler);
    for (const TabClick& c : kTabItems)
        onClick(tabs[static_cast<std::size_t>(c.tab)].item, c.handler);
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
    wireIdentity();
}

std::string TfrmCliente::currentCode() const {
    const ClientDataSet& ds = cdsCliente();
    return ds.Active() && !ds.IsEmpty() ? ds.FieldByName("CDCLIENTE").AsString() : std::string();
}

} // namespace vq

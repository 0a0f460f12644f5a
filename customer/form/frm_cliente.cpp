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

// Tabs in order, with their menu items.
struct TabRow {
    Tab tab;
    const char* sheet;
    const char* item;
};
constexpr TabRow kTabs[] = {
    {Tab::FolhaDados, "tshFolhaDados", "mnuFolhaDados"},
    {Tab::Formulario, "tshFormulario", "mnuFormulario"},
    {Tab::EndeClie, "tshEndeClie", "mnuEndeClie"},
    {Tab::EndeClieCobr, "tshEndeClieCobr", "mnuEndeClieCobr"},
    {Tab::EndeExt, "tshEndeExt", "mnuEndeExt"},
    {Tab::EndeExp, "tshEndeExp", "mnuEndeExp"},
    {Tab::EndEntrega, "tshEndEntrega", "mnuEndEntreg"},
    {Tab::DadosAdic, "tshDadosAdic", "mnuDadAdic"},
    {Tab::DadosFiscais, "tshDadosFiscais", "mnuDadosFiscais"},
    {Tab::FormPgto, "tshFormPgto", "mnuFormPgto"},
    {Tab::Interloc, "tshInterloc", "mnuInterloc"},
    {Tab::Observ, "tshObserv", "mnuObserv"},
    {Tab::SitFinanc, "tshSitFinanc", "mnuSitFinac"},
    {Tab::BancoPref, "tshBancoPref", "mnuBancoPref"},
    {Tab::Personalizacao, "tshPersonalizacao", "mnuPersonalizao"},
    {Tab::DadoProsp, "tshDadoProsp", "mnuDadoProsp"},
    {Tab::DadosPed, "tshDadosPed", "mnuDadosPed"},
};

// The address tabs' key controls, by kind.
struct AddressRow {
    AddressKind kind;
    Tab tab;
    const char *country, *state, *municipality, *postalCode;
};
constexpr AddressRow kAddresses[] = {
    {AddressKind::Normal, Tab::EndeClie, "dbePaisNorm", "dbeEstado", "dbeCdMuniClie", "dbeCEPClie"},
    {AddressKind::Billing, Tab::EndeClieCobr, "dbePaisPgto", "dbeEstadoPgto", "dbeCdMuniClieCobr",
     "dbeCdCEPClie"},
    {AddressKind::Exterior, Tab::EndeExt, "dbePaisExt", "dbeEstadoExt", "dbeMuniExt", "dbeCEPExt"},
    {AddressKind::Export, Tab::EndeExp, "dbePaisExp", "dbeEstadoExp", "dbeMuniExp", "dbeCEPExp"},
    {AddressKind::Delivery, Tab::EndEntrega, "dbeCdPaisEntrg", "dbeSgEstEntrg", "dbeCdMuniEntrg", nullptr},
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
    wireAddresses();
    buildPayment();
    // Bound once the controls its state-change handling touches exist.
    dtsPadrao.SetDataSet(&data_->cdsCliente());
    wireCommands();
    wireSaves();
    wirePayment();
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
    gui::buildColumns(*this, layout::gridColumns());

    const auto bind = [this]<class T>(T*& member, const char* name) { member = component<T>(name); };
    for (const TabRow& row : kTabs)
        tabs[static_cast<std::size_t>(row.tab)] = {component<gui::TabSheet>(row.sheet),
                                                   component<gui::MenuItem>(row.item)};
    for (const AddressRow& row : kAddresses) {
        customer::form::AddressPage& page = addressPage(row.kind);
        page.kind = row.kind;
        page.sheet = sheet(row.tab);
        page.item = tabs[static_cast<std::size_t>(row.tab)].item;
        bind(page.country, row.country);
        bind(page.state, row.state);
        bind(page.municipality, row.municipality);
        if (row.postalCode)
            bind(page.postalCode, row.postalCode);
    }

    bind(cmd.mnuCopiaEndereo, "mnuCopiaEndereo");
    bind(cmd.mnuImportar, "mnuImportar");
    bind(cmd.mnuExcluirEndereco, "mnuExcluirEndereco");
    bind(cmd.mnuImpProsp, "mnuImpProsp");
    bind(cmd.mnuFiltrar, "mnuFiltrar");
    bind(cmd.mnuEmailCliente, "mnuEmailCliente");
    bind(cmd.mnuAlvara, "mnuAlvara");
    bind(cmd.mnuCadAuto, "mnuCadAuto");
    bind(cmd.sbtFiltro, "sbtFiltro");
    bind(cmd.sbtImportar, "sbtImportar");
    bind(cmd.sbtEmail, "sbtEmail");
    bind(cmd.sbtCadAut, "sbtCadAut");
    bind(cmd.sbtCopiar, "sbtCopiar");
    bind(cmd.sbtExcluirEndereco, "sbtExcluirEndereco");
    bind(cmd.sbtImpProsp, "sbtImpProsp");
    bind(cmd.sbtAlvara, "sbtAlvara");
    bind(cmd.sbtLocEntrCli, "sbtLocEntrCli");
    cmd.pmnCadAuto = component<gui::PopupMenu>("pmnCadAuto");
    cmd.pmnImpressora = component<gui::PopupMenu>("pmnImpressora");
    for (auto [member, name] : {std::pair{&mnuInterloc, "mnuInterloc"},
                                {&mnuDadosInter, "mnuDadosInter"},
                                {&mnuFormInter, "mnuFormInter"},
                                {&mnuEndeInter, "mnuEndeInter"},
                                {&mnuCorres, "mnuCorres"},
                                {&mnuSitFinac, "mnuSitFinac"},
                                {&mnuSituFinaGeral, "mnuSituFinaGeral"},
                                {&mnuSocios, "mnuSocios"},
                                {&mnuDadosPed, "mnuDadosPed"},
                                {&mnuGeral, "mnuGeral"},
                                {&mnuPrcBase, "mnuPrcBase"}})
        bind(*member, name);

    bind(form.dbeInscricao, "dbeInscricao");
    bind(form.dbeNrInsJurClie, "dbeNrInsJurClie");
    bind(form.dbeNmRazaoSoc, "dbeNmRazaoSoc");
    bind(form.dbeNmCompRzScli, "dbeNmCompRzScli");
    bind(form.dbeNmFantasia, "dbeNmFantasia");
    bind(form.dbeSegMerc, "dbeSegMerc");
    bind(form.dbeOrigem, "dbeOrigem");
    bind(form.dbeCentCusto, "dbeCentCusto");
    bind(form.dbeQualifica, "dbeQualifica");
    bind(form.dbeSigla, "dbeSigla");
    bind(form.lblInscricao, "lblInscricao");
    bind(form.lblInscAux, "lblInscAux");
    bind(form.lblNmRazaoSoc, "lblNmRazaoSoc");
    bind(form.lblComp, "lblComp");
    bind(form.lblSigla, "lblSigla");
    bind(form.lblInadimplente, "lblInadimplente");
    form.depClieDesde = component<gui::DbDateEdit>("depClieDesde");
    form.depProspDesde = component<gui::DbDateEdit>("depProspDesde");
    bind(form.medCdArvRamo, "medCdArvRamo");
    bind(form.edtdsRamoAtiv, "edtdsRamoAtiv");
    bind(form.edtSegMerc, "edtSegMerc");
    bind(form.edtOrigem, "edtOrigem");
    bind(form.edtCentCusto, "edtCentCusto");
    bind(form.edtQualifica, "edtQualifica");
    bind(form.edtHomePage, "edtHomePage");
    bind(form.dbcSituAtiv, "dbcSituAtiv");
    bind(form.dbePesqTransp, "dbePesqTransp");
    bind(form.chbIdSitFinCli, "chbIdSitFinCli");
    bind(form.rdgTipoCliente, "rdgTipoCliente");
    bind(form.lblTranspLista, "lblTranspLista");
    bind(form.btpVendAdic, "btpVendAdic");
    bind(form.btnPesqListaTransp, "btnPesqListaTransp");

    bind(extra.grbMesReaj, "grbMesReaj");
    bind(extra.dbcMesReaj, "dbcMesReaj");
    bind(extra.dbeVrMulta, "dbeVrMulta");
    bind(extra.dbeVrMora, "dbeVrMora");
    bind(extra.dbeCdContCtbl, "dbeCdContCtbl");
    bind(extra.cbbEndCFOP, "cbbEndCFOP");
    bind(extra.cbbEndCFOPOPres, "cbbEndCFOPOPres");
    bind(extra.drgFormPgto, "drgFormPgto");
    bind(extra.speDiaFixo, "speDiaFixo");
    bind(extra.speParcela, "speParcela");

    bind(detail.pgcInterloc, "pgcInterloc");
    bind(detail.pgcSituFinanc, "pgcSituFinanc");
    bind(detail.pgcGeral, "pgcGeral");
    bind(detail.tshDadosInterloc, "tshDadosInterloc");
    bind(detail.tshFormInter, "tshFormInter");
    bind(detail.tshEndeInter, "tshEndeInter");
    bind(detail.tshCorres, "tshCorres");
    bind(detail.tshSituFinaGeral, "tshSituFinaGeral");
    bind(detail.tshSocios, "tshSocios");
    bind(detail.tshGeral, "tshGeral");
    bind(detail.tshPrcBase, "tshPrcBase");
    bind(detail.dbeCdIdioma, "dbeCdIdioma");
    bind(detail.dbeCdRegiao, "dbeCdRegiao");
    bind(detail.edtNmIdioma, "edtNmIdioma");
    bind(detail.edtNmTransportadora, "edtNmTransportadora");
    bind(detail.edtNmTipoTransp, "edtNmTipoTransp");
    bind(detail.medNmRegiao, "medNmRegiao");
    bind(detail.cbbLancExp, "cbbLancExp");
    bind(detail.dbcAprovPed, "dbcAprovPed");
    bind(detail.dbcSitFin, "dbcSitFin");
    bind(detail.nedDias, "nedDias");
    bind(detail.dcbIDUTGRFXVENDADIC, "dcbIDUTGRFXVENDADIC");
    bindIdentity();
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
    wireIdentity();
}

std::string TfrmCliente::currentCode() const {
    const ClientDataSet& ds = cdsCliente();
    return ds.Active() && !ds.IsEmpty() ? ds.FieldByName("CDCLIENTE").AsString() : std::string();
}

} // namespace vq

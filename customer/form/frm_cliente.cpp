// TfrmCliente: components, layout and wiring.

#include "customer/Vqm41200.h"
#include "customer/customer_messages.h"
#include "framework/services/geral.h"
#include "framework/services/messages.h"
#include "framework/services/vorlane.h"
#include "platform/gui/buttons.h"
#include "platform/gui/choices.h"
#include "platform/gui/containers.h"
#include "platform/gui/db_controls.h"
#include "platform/gui/form_builder.h"
#include "platform/gui/menus.h"
#include "platform/gui/page_control.h"
#include "services/app_server.h"

namespace vq {
namespace {

using enum gui::Kind;
using gui::bind;
using Self = TfrmCliente;

// Added to the base form's components (pnlFerramentas, mnuRegistro, pgcPadrao, tshFormulario).
// clang-format off
constexpr gui::ControlSpec kLayout[] = {
    {PopupMenu, "pmnCadAuto", "", "", "", "", {}, {}, bind<&Self::pmnCadAuto>()},
    {MenuItem, "pmnCadAutECF", "pmnCadAuto", "Cadastramento Automático Código de Retenções (ECF)"},
    {MenuItem, "pmnCadAutTabPrecoCli", "pmnCadAuto", "Cadastramento Automático Tabela de Preço por Cliente"},
    {MenuItem, "pmnCadAutGrupClie", "pmnCadAuto", "Cadastramento Automático Grupo de Cliente  "},
    {MenuSeparator, "", "mnuRegistro"},
    {MenuItem, "mnuImportar", "mnuRegistro", "Im&portar", "", "", {}, {.shortcut = "Ctrl+P"}, bind<&Self::mnuImportar>()},
    {MenuItem, "mnuFiltrar", "mnuRegistro", "Fi&ltrar", "", "", {}, {.shortcut = "Ctrl+L"}, bind<&Self::mnuFiltrar>()},
    {MenuItem, "mnuEmailCliente", "mnuRegistro", "E-&mail por Cliente", "", "", {}, {.shortcut = "Ctrl+M"}, bind<&Self::mnuEmailCliente>()},
    {MenuItem, "mnuCadAuto", "mnuRegistro", "Cadastramento A&utomático", "", "", {}, {.shortcut = "Ctrl+U"}, bind<&Self::mnuCadAuto>()},
    {MenuItem, "mnuCadAutECF", "mnuCadAuto", "Cadastramento Automático Códigos de Retençõs (ECF)"},
    {MenuItem, "mnuCadAutTabPrecoCli", "mnuCadAuto", "Cadastramento Automático Tabela de Preço por Cliente"},
    {ToolButton, "sbtFiltro", "pnlFerramentas", "Filtrar", "", "", {0, 11}, {.hint = "Filtrar", .follow = "mnuFiltrar"}, bind<&Self::sbtFiltro>()},
    {ToolButton, "sbtImportar", "pnlFerramentas", "Importar", "", "", {0, 12}, {.hint = "Importar", .follow = "mnuImportar"}, bind<&Self::sbtImportar>()},
    {ToolButton, "sbtEmail", "pnlFerramentas", "E-Mail", "", "", {0, 13}, {.hint = "E-Mail", .follow = "mnuEmailCliente"}, bind<&Self::sbtEmail>()},
    {ToolButton, "sbtCadAut", "pnlFerramentas", "Cad. Automático", "", "", {0, 14}, {.hint = "Cadastramento Automático Códigos de Retenções (ECF)", .popup = "pmnCadAuto"}, bind<&Self::sbtCadAut>()},
    {GroupBox, "grbIdent", "tshFormulario", "Identificação", "", "", {0, 0}},
    {DbEdit, "dbeInscricao", "grbIdent", "Inscrição", "dtsPadrao", "NRINSJURINFO", {0, 0}, {.label = "lblInscricao"}, bind<&Self::dbeInscricao>()},
    {DbEdit, "dbeNrInsJurClie", "grbIdent", "CNPJ/CPF", "dtsPadrao", "NRINSJURCLIE", {0, 1}, {.required = true}, bind<&Self::dbeNrInsJurClie>()},
    {DbEdit, "dbeNmRazaoSoc", "grbIdent", "Razão Social", "dtsPadrao", "NMRAZSOCCLIE", {1, 0}, {.width = 40}},
    {DbEdit, "dbeNmFantasia", "grbIdent", "Nome Fantasia", "dtsPadrao", "NMFANTCLIE", {1, 1}, {.width = 30}},
    {GroupBox, "grbTransp", "tshFormulario", "Transportadora", "", "", {1, 0}},
    {DbComboBox, "dbePesqTransp", "grbTransp", "Transportadora", "dtsPadrao", "IDPESQTRANSP", {0, 0}, {.items = "Padrão|Lista", .style = gui::ComboStyle::DropDownList}, bind<&Self::dbePesqTransp>()},
    {Label, "lblTranspLista", "grbTransp", "Lista", "", "", {0, 1}, {.hidden = true}, bind<&Self::lblTranspLista>()},
    {ToolButton, "btnPesqListaTransp", "grbTransp", "...", "", "", {0, 2}, {.hint = "Lista de transportadoras", .hidden = true}, bind<&Self::btnPesqListaTransp>()},
    {ToolButton, "btpVendAdic", "grbTransp", "Vendedores Adicionais", "", "", {1, 0}, {.hint = "Vendedores adicionais do cliente"}, bind<&Self::btpVendAdic>()},
    {TabSheet, "tshEndeClie", "pgcPadrao", "End. Cliente", "", "", {}, {}, bind<&Self::tshEndeClie>()},
    {GroupBox, "grbEndeClie", "tshEndeClie", "Endereço", "", "", {0, 0}},
    {DbEdit, "dbePaisNorm", "grbEndeClie", "País", "dtsEndeClieNorm", "CDPAIS", {0, 0}, {.width = 6}},
    {DbEdit, "dbeEstado", "grbEndeClie", "Estado", "dtsEndeClieNorm", "SGESTADO", {0, 1}, {.width = 4}},
    {DbEdit, "dbeCdMuniClie", "grbEndeClie", "Município", "dtsEndeClieNorm", "CDMUNICIPIO", {0, 2}, {.width = 6}},
};

constexpr gui::ColumnSpec kGridColumns[] = {
    {"dbgPadrao", "CDCLIENTE", "Código", 22},
    {"dbgPadrao", "NMRAZSOCCLIE", "Razão Social", 40},
    {"dbgPadrao", "NMFANTCLIE", "Nome Fantasia", 30},
};
// clang-format on

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
    // Bound once the controls its state-change handling touches exist.
    dtsPadrao.SetDataSet(&data_->cdsCliente());
    wireCommands();
    DoCreate();
}

TfrmCliente::~TfrmCliente() {
    runDestroy();
    // The datasets go before the widgets bound to them: unbind the grid's source first.
    dtsPadrao.SetDataSet(nullptr);
}

void TfrmCliente::buildLayout() {
    gui::buildForm(*this, kLayout);
    gui::buildColumns(*this, kGridColumns);
}

void TfrmCliente::wireCommands() {
    struct Wiring {
        const char* component;
        void (TfrmCliente::*handler)();
    };
    static constexpr Wiring kHandlers[] = {
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
    };
    for (const Wiring& w : kHandlers) {
        const auto handler = w.handler;
        if (auto* item = findComponent<gui::MenuItem>(w.component))
            item->OnClick = [this, handler] { (this->*handler)(); };
        else
            component<gui::ToolButton>(w.component)->OnClick = [this, handler] { (this->*handler)(); };
    }
    dbePesqTransp->OnChange = [this] { HabilitaCampos(); };
}

std::string TfrmCliente::currentCode() const {
    const ClientDataSet& ds = cdsCliente();
    return ds.Active() && !ds.IsEmpty() ? ds.FieldByName("CDCLIENTE").AsString() : std::string();
}

} // namespace vq

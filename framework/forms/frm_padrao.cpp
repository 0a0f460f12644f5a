#include "framework/forms/frm_padrao.h"

#include "framework/services/messages.h"
#include "platform/data/client_data_set.h"
#include "platform/data/error.h"
#include "platform/gui/buttons.h"
#include "platform/gui/containers.h"
#include "platform/gui/db_grid.h"
#include "platform/gui/db_navigator.h"
#include "platform/gui/form_builder.h"
#include "platform/gui/menus.h"
#include "platform/gui/page_control.h"

namespace vq {
namespace {

using enum gui::Kind;
using Command = TfrmPadrao::Command;

constexpr gui::ControlSpec kLayout[] = {
    {MainMenu, "mnuPadrao"},
    {MenuItem, "mnuExibir", "mnuPadrao", "&Exibir"},
    {MenuItem, "mnuFolhaDados", "mnuExibir", "Fo&lha de Dados (Grade)"},
    {MenuItem, "mnuFormulario", "mnuExibir", "&Formulário"},
    {MenuItem, "mnuRegistro", "mnuPadrao", "&Registro"},
    {MenuItem, "mnuIncluir", "mnuRegistro", "&Incluir", "", "", {}, "shortcut=F2"},
    {MenuItem, "mnuAlterar", "mnuRegistro", "&Alterar", "", "", {}, "shortcut=F3"},
    {MenuItem, "mnuExcluir", "mnuRegistro", "&Excluir", "", "", {}, "shortcut=F4"},
    {MenuItem, "mnuConfirmar", "mnuRegistro", "C&onfirmar", "", "", {}, "shortcut=F10;disabled"},
    {MenuItem, "mnuCancelar", "mnuRegistro", "&Cancelar", "", "", {}, "shortcut=F11;disabled"},
    {MenuSeparator, "", "mnuRegistro"},
    {MenuItem, "mnuVerificar", "mnuRegistro", "&Verificar", "", "", {}, "shortcut=F5"},
    {MenuItem, "mnuProcurar", "mnuRegistro", "&Procurar", "", "", {}, "shortcut=F6"},
    {MenuItem, "mnuImprimir", "mnuRegistro", "Imp&rimir", "", "", {}, "shortcut=F7"},
    {MenuSeparator, "", "mnuRegistro"},
    {MenuItem, "mnuFechar", "mnuRegistro", "&Fechar", "", "", {}, "shortcut=Ctrl+F4"},
    {MenuItem, "mnuNavegar", "mnuPadrao", "&Navegar"},
    {MenuItem, "Primeiro1", "mnuNavegar", "&Primeiro"},
    {MenuItem, "Anterior1", "mnuNavegar", "&Anterior"},
    {MenuItem, "Proximo1", "mnuNavegar", "Pró&ximo"},
    {MenuItem, "Ultimo1", "mnuNavegar", "Últi&mo"},
    {Panel, "pnlFerramentas", "", "", "", "", {0, 0}},
    {ToolButton,
     "sbtIncluir",
     "pnlFerramentas",
     "Incluir",
     "",
     "",
     {0, 0},
     "follow=mnuIncluir;hint=Incluir (F2)"},
    {ToolButton,
     "sbtAlterar",
     "pnlFerramentas",
     "Alterar",
     "",
     "",
     {0, 1},
     "follow=mnuAlterar;hint=Alterar (F3)"},
    {ToolButton,
     "sbtExcluir",
     "pnlFerramentas",
     "Excluir",
     "",
     "",
     {0, 2},
     "follow=mnuExcluir;hint=Excluir (F4)"},
    {ToolButton,
     "sbtConfirmar",
     "pnlFerramentas",
     "Confirmar",
     "",
     "",
     {0, 3},
     "follow=mnuConfirmar;hint=Confirmar (F10)"},
    {ToolButton,
     "sbtCancelar",
     "pnlFerramentas",
     "Cancelar",
     "",
     "",
     {0, 4},
     "follow=mnuCancelar;hint=Cancelar (F11)"},
    {ToolButton,
     "sbtVerificar",
     "pnlFerramentas",
     "Verificar",
     "",
     "",
     {0, 5},
     "follow=mnuVerificar;hint=Verificar (F5)"},
    {ToolButton,
     "sbtProcurar",
     "pnlFerramentas",
     "Procurar",
     "",
     "",
     {0, 6},
     "follow=mnuProcurar;hint=Procurar (F6)"},
    {ToolButton,
     "sbtImprimir",
     "pnlFerramentas",
     "Imprimir",
     "",
     "",
     {0, 7},
     "follow=mnuImprimir;hint=Imprimir (F7)"},
    {ToolButton, "sbtFechar", "pnlFerramentas", "Fechar", "", "", {0, 8}, "follow=mnuFechar;hint=Fechar"},
    {DbNavigator, "dbnPadrao", "pnlFerramentas", "", "dtsPadrao", "", {0, 9}},
    {PageControl, "pgcPadrao", "", "", "", "", {1, 0}},
    {TabSheet, "tshFolhaDados", "pgcPadrao", "Folha de Dados (Grade)"},
    {TabSheet, "tshFormulario", "pgcPadrao", "Formulário"},
    {DbGrid, "dbgPadrao", "tshFolhaDados", "", "dtsPadrao", "", {0, 0}},
};

// Each command's button, menu item and handler.
struct CommandRow {
    Command command;
    gui::ToolButton* TfrmPadrao::*button;
    gui::MenuItem* TfrmPadrao::*item;
    void (TfrmPadrao::*handler)();
};

constexpr CommandRow kCommands[] = {
    {Command::Incluir, &TfrmPadrao::sbtIncluir, &TfrmPadrao::mnuIncluir, &TfrmPadrao::sbtIncluirClick},
    {Command::Alterar, &TfrmPadrao::sbtAlterar, &TfrmPadrao::mnuAlterar, &TfrmPadrao::sbtAlterarClick},
    {Command::Excluir, &TfrmPadrao::sbtExcluir, &TfrmPadrao::mnuExcluir, &TfrmPadrao::sbtExcluirClick},
    {Command::Confirmar, &TfrmPadrao::sbtConfirmar, &TfrmPadrao::mnuConfirmar,
     &TfrmPadrao::sbtConfirmarClick},
    {Command::Cancelar, &TfrmPadrao::sbtCancelar, &TfrmPadrao::mnuCancelar, &TfrmPadrao::sbtCancelarClick},
    {Command::Verificar, &TfrmPadrao::sbtVerificar, &TfrmPadrao::mnuVerificar,
     &TfrmPadrao::sbtVerificarClick},
    {Command::Procurar, &TfrmPadrao::sbtProcurar, &TfrmPadrao::mnuProcurar, &TfrmPadrao::sbtProcurarClick},
    {Command::Imprimir, &TfrmPadrao::sbtImprimir, &TfrmPadrao::mnuImprimir, &TfrmPadrao::sbtImprimirClick},
    {Command::Fechar, &TfrmPadrao::sbtFechar, &TfrmPadrao::mnuFechar, &TfrmPadrao::sbtFecharClick},
};

// Menu items that are not commands, with their handlers.
struct ItemRow {
    gui::MenuItem* TfrmPadrao::*item;
    void (TfrmPadrao::*handler)();
};

constexpr ItemRow kItems[] = {
    {&TfrmPadrao::mnuFolhaDados, &TfrmPadrao::mnuFolhaDadosClick},
    {&TfrmPadrao::mnuFormulario, &TfrmPadrao::mnuFormularioClick},
    {&TfrmPadrao::Primeiro1, &TfrmPadrao::Primeiro1Click},
    {&TfrmPadrao::Anterior1, &TfrmPadrao::Anterior1Click},
    {&TfrmPadrao::Proximo1, &TfrmPadrao::Proximo1Click},
    {&TfrmPadrao::Ultimo1, &TfrmPadrao::Ultimo1Click},
};

const CommandRow& rowOf(Command command) {
    for (const auto& row : kCommands)
        if (row.command == command)
            return row;
    throw Error("Comando desconhecido.");
}

} // namespace

TfrmPadrao::TfrmPadrao(std::string className, QWidget* parent) : gui::FormBase(std::move(className), parent) {
    msgPadrao = new TMessages(this, "msgPadrao");
    addDataSource("dtsPadrao", dtsPadrao);
    gui::buildForm(*this, kLayout);
    mnuPadrao = component<gui::MainMenu>("mnuPadrao");
    const std::pair<gui::MenuItem**, const char*> items[] = {
        {&mnuExibir, "mnuExibir"},       {&mnuFolhaDados, "mnuFolhaDados"}, {&mnuFormulario, "mnuFormulario"},
        {&mnuRegistro, "mnuRegistro"},   {&mnuIncluir, "mnuIncluir"},       {&mnuAlterar, "mnuAlterar"},
        {&mnuExcluir, "mnuExcluir"},     {&mnuConfirmar, "mnuConfirmar"},   {&mnuCancelar, "mnuCancelar"},
        {&mnuVerificar, "mnuVerificar"}, {&mnuProcurar, "mnuProcurar"},     {&mnuImprimir, "mnuImprimir"},
        {&mnuFechar, "mnuFechar"},       {&mnuNavegar, "mnuNavegar"},       {&Primeiro1, "Primeiro1"},
        {&Anterior1, "Anterior1"},       {&Proximo1, "Proximo1"},           {&Ultimo1, "Ultimo1"}};
    for (const auto& [member, name] : items)
        *member = component<gui::MenuItem>(name);
    const std::pair<gui::ToolButton**, const char*> buttons[] = {
        {&sbtIncluir, "sbtIncluir"},     {&sbtAlterar, "sbtAlterar"},   {&sbtExcluir, "sbtExcluir"},
        {&sbtConfirmar, "sbtConfirmar"}, {&sbtCancelar, "sbtCancelar"}, {&sbtVerificar, "sbtVerificar"},
        {&sbtProcurar, "sbtProcurar"},   {&sbtImprimir, "sbtImprimir"}, {&sbtFechar, "sbtFechar"}};
    for (const auto& [member, name] : buttons)
        *member = component<gui::ToolButton>(name);
    pnlFerramentas = component<gui::Panel>("pnlFerramentas");
    dbnPadrao = component<gui::DbNavigator>("dbnPadrao");
    pgcPadrao = component<gui::PageControl>("pgcPadrao");
    tshFolhaDados = component<gui::TabSheet>("tshFolhaDados");
    tshFormulario = component<gui::TabSheet>("tshFormulario");
    dbgPadrao = component<gui::DbGrid>("dbgPadrao");
    pnlFerramentas->grid().setColumnStretch(10, 1);
    gui::gridOf(*this).setRowStretch(1, 1);
    // The tool bar does the record work; the navigator only moves.
    for (auto b : {gui::NavButton::Insert, gui::NavButton::Delete, gui::NavButton::Edit, gui::NavButton::Post,
                   gui::NavButton::Cancel, gui::NavButton::Refresh})
        dbnPadrao->SetButtonVisible(b, false);
    wire();
}

TfrmPadrao::~TfrmPadrao() {
    dtsPadrao.OnStateChange = nullptr;
    dtsPadrao.OnDataChange = nullptr;
}

void TfrmPadrao::wire() {
    for (const auto& row : kCommands) {
        const auto handler = row.handler;
        (this->*row.button)->OnClick = [this, handler] { (this->*handler)(); };
        (this->*row.item)->OnClick = [this, handler] { (this->*handler)(); };
    }
    for (const auto& row : kItems) {
        const auto handler = row.handler;
        (this->*row.item)->OnClick = [this, handler] { (this->*handler)(); };
    }
    pgcPadrao->OnChanging = [this](bool& allow) { pgcPadraoChanging(allow); };
    pgcPadrao->OnChange = [this] { pgcPadraoChange(); };
    dbnPadrao->OnNavClick = [this](gui::NavButton b) { dbnPadraoClick(b); };
    dbgPadrao->OnDblClick = [this] { dbgPadraoDblClick(); };
    // A dataset being destroyed leaves the source without one: only the base's own widgets are touched
    // then, never a derived handler whose members may already be gone.
    dtsPadrao.OnStateChange = [this](DataSource& source) {
        if (source.DataSet())
            dtsPadraoStateChange();
        else
            updateCommands();
    };
    dtsPadrao.OnDataChange = [this](DataSource& source, Field* field) {
        if (source.DataSet())
            dtsPadraoDataChange(field);
    };
    OnCreate = [this] { FormCreate(); };
    OnActivate = [this] { FormActivate(); };
    OnCloseQuery = [this](bool& canClose) { FormCloseQuery(canClose); };
    OnClose = [this](gui::CloseAction& action) { FormClose(action); };
}

gui::ToolButton& TfrmPadrao::commandButton(Command command) const {
    return *(this->*rowOf(command).button);
}
gui::MenuItem& TfrmPadrao::commandItem(Command command) const {
    return *(this->*rowOf(command).item);
}

void TfrmPadrao::setCommandVisible(Command command, bool visible) {
    commandItem(command).SetVisible(visible);
    commandButton(command).SetVisible(visible);
}

void TfrmPadrao::setCommandEnabled(Command command, bool enabled) {
    commandItem(command).SetEnabled(enabled);
}

ClientDataSet& TfrmPadrao::padraoDataSet() const {
    if (ClientDataSet* ds = dtsPadrao.DataSet())
        return *ds;
    throw Error("Não há dados ligados ao formulário " + Name() + ".");
}

void TfrmPadrao::updateCommands() {
    const ClientDataSet* ds = dtsPadrao.DataSet();
    const DataSetState state = dtsPadrao.State();
    const bool browsing = state == DataSetState::Browse;
    const bool editing = state == DataSetState::Edit || state == DataSetState::Insert;
    const bool rows = browsing && ds && !ds->IsEmpty();
    const bool allow = changesAllowed();
    lastActive_ = state != DataSetState::Inactive;
    lastEmpty_ = !ds || !ds->Active() || ds->IsEmpty();

    setCommandEnabled(Command::Incluir, browsing && allow);
    setCommandEnabled(Command::Alterar, rows && allow);
    setCommandEnabled(Command::Excluir, rows && allow);
    setCommandEnabled(Command::Confirmar, editing && allow);
    setCommandEnabled(Command::Cancelar, editing && allow);
    setCommandEnabled(Command::Verificar, browsing);
    setCommandEnabled(Command::Procurar, rows);
    setCommandEnabled(Command::Imprimir, browsing);
    for (gui::MenuItem* move : {Primeiro1, Anterior1, Proximo1, Ultimo1})
        move->SetEnabled(rows);
    dbnPadrao->SetEnabled(browsing);
    // The grid page is locked while a row is edited elsewhere; one edited in the grid itself keeps it.
    if (!editsInGrid_) {
        const bool gridOn = !editing || pgcPadrao->ActivePage() == tshFolhaDados;
        tshFolhaDados->SetEnabled(gridOn);
        mnuFolhaDados->SetEnabled(gridOn);
    }
}

} // namespace vq

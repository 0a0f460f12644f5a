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
using gui::bind;
using Self = TfrmPadrao;
using Command = TfrmPadrao::Command;

// clang-format off
constexpr gui::ControlSpec kLayout[] = {
    {MainMenu, "mnuPadrao", "", "", "", "", {}, {}, bind<&Self::mnuPadrao>()},
    {MenuItem, "mnuExibir", "mnuPadrao", "&Exibir", "", "", {}, {}, bind<&Self::mnuExibir>()},
    {MenuItem, "mnuFolhaDados", "mnuExibir", "Fo&lha de Dados (Grade)", "", "", {}, {}, bind<&Self::mnuFolhaDados>()},
    {MenuItem, "mnuFormulario", "mnuExibir", "&Formulário", "", "", {}, {}, bind<&Self::mnuFormulario>()},
    {MenuItem, "mnuRegistro", "mnuPadrao", "&Registro", "", "", {}, {}, bind<&Self::mnuRegistro>()},
    {MenuItem, "mnuIncluir", "mnuRegistro", "&Incluir", "", "", {}, {.shortcut = "F2"}, bind<&Self::mnuIncluir>()},
    {MenuItem, "mnuAlterar", "mnuRegistro", "&Alterar", "", "", {}, {.shortcut = "F3"}, bind<&Self::mnuAlterar>()},
    {MenuItem, "mnuExcluir", "mnuRegistro", "&Excluir", "", "", {}, {.shortcut = "F4"}, bind<&Self::mnuExcluir>()},
    {MenuItem, "mnuConfirmar", "mnuRegistro", "C&onfirmar", "", "", {}, {.shortcut = "F10", .disabled = true}, bind<&Self::mnuConfirmar>()},
    {MenuItem, "mnuCancelar", "mnuRegistro", "&Cancelar", "", "", {}, {.shortcut = "F11", .disabled = true}, bind<&Self::mnuCancelar>()},
    {MenuSeparator, "", "mnuRegistro"},
    {MenuItem, "mnuVerificar", "mnuRegistro", "&Verificar", "", "", {}, {.shortcut = "F5"}, bind<&Self::mnuVerificar>()},
    {MenuItem, "mnuProcurar", "mnuRegistro", "&Procurar", "", "", {}, {.shortcut = "F6"}, bind<&Self::mnuProcurar>()},
    {MenuItem, "mnuImprimir", "mnuRegistro", "Imp&rimir", "", "", {}, {.shortcut = "F7"}, bind<&Self::mnuImprimir>()},
    {MenuSeparator, "", "mnuRegistro"},
    {MenuItem, "mnuFechar", "mnuRegistro", "&Fechar", "", "", {}, {.shortcut = "Ctrl+F4"}, bind<&Self::mnuFechar>()},
    {MenuItem, "mnuNavegar", "mnuPadrao", "&Navegar", "", "", {}, {}, bind<&Self::mnuNavegar>()},
    {MenuItem, "Primeiro1", "mnuNavegar", "&Primeiro", "", "", {}, {}, bind<&Self::Primeiro1>()},
    {MenuItem, "Anterior1", "mnuNavegar", "&Anterior", "", "", {}, {}, bind<&Self::Anterior1>()},
    {MenuItem, "Proximo1", "mnuNavegar", "Pró&ximo", "", "", {}, {}, bind<&Self::Proximo1>()},
    {MenuItem, "Ultimo1", "mnuNavegar", "Últi&mo", "", "", {}, {}, bind<&Self::Ultimo1>()},
    {Panel, "pnlFerramentas", "", "", "", "", {0, 0}, {}, bind<&Self::pnlFerramentas>()},
    {ToolButton, "sbtIncluir", "pnlFerramentas", "Incluir", "", "", {0, 0}, {.hint = "Incluir (F2)", .follow = "mnuIncluir"}, bind<&Self::sbtIncluir>()},
    {ToolButton, "sbtAlterar", "pnlFerramentas", "Alterar", "", "", {0, 1}, {.hint = "Alterar (F3)", .follow = "mnuAlterar"}, bind<&Self::sbtAlterar>()},
    {ToolButton, "sbtExcluir", "pnlFerramentas", "Excluir", "", "", {0, 2}, {.hint = "Excluir (F4)", .follow = "mnuExcluir"}, bind<&Self::sbtExcluir>()},
    {ToolButton, "sbtConfirmar", "pnlFerramentas", "Confirmar", "", "", {0, 3}, {.hint = "Confirmar (F10)", .follow = "mnuConfirmar"}, bind<&Self::sbtConfirmar>()},
    {ToolButton, "sbtCancelar", "pnlFerramentas", "Cancelar", "", "", {0, 4}, {.hint = "Cancelar (F11)", .follow = "mnuCancelar"}, bind<&Self::sbtCancelar>()},
    {ToolButton, "sbtVerificar", "pnlFerramentas", "Verificar", "", "", {0, 5}, {.hint = "Verificar (F5)", .follow = "mnuVerificar"}, bind<&Self::sbtVerificar>()},
    {ToolButton, "sbtProcurar", "pnlFerramentas", "Procurar", "", "", {0, 6}, {.hint = "Procurar (F6)", .follow = "mnuProcurar"}, bind<&Self::sbtProcurar>()},
    {ToolButton, "sbtImprimir", "pnlFerramentas", "Imprimir", "", "", {0, 7}, {.hint = "Imprimir (F7)", .follow = "mnuImprimir"}, bind<&Self::sbtImprimir>()},
    {ToolButton, "sbtFechar", "pnlFerramentas", "Fechar", "", "", {0, 8}, {.hint = "Fechar", .follow = "mnuFechar"}, bind<&Self::sbtFechar>()},
    {DbNavigator, "dbnPadrao", "pnlFerramentas", "", "dtsPadrao", "", {0, 9}, {}, bind<&Self::dbnPadrao>()},
    {PageControl, "pgcPadrao", "", "", "", "", {1, 0}, {}, bind<&Self::pgcPadrao>()},
    {TabSheet, "tshFolhaDados", "pgcPadrao", "Folha de Dados (Grade)", "", "", {}, {}, bind<&Self::tshFolhaDados>()},
    {TabSheet, "tshFormulario", "pgcPadrao", "Formulário", "", "", {}, {}, bind<&Self::tshFormulario>()},
    {DbGrid, "dbgPadrao", "tshFolhaDados", "", "dtsPadrao", "", {0, 0}, {}, bind<&Self::dbgPadrao>()},
};
// clang-format on

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

// Forms: modal showing through the seam and through the local loop, closing, the active form, and
// forms declared as tables.
#include "db_test_support.h"
#include "gui_test_support.h"
#include "platform/data/error.h"
#include "platform/gui/buttons.h"
#include "platform/gui/containers.h"
#include "platform/gui/db_controls.h"
#include "platform/gui/db_grid.h"
#include "platform/gui/db_navigator.h"
#include "platform/gui/form_builder.h"
#include "platform/gui/form_registry.h"
#include "platform/gui/key_input.h"
#include "platform/gui/menus.h"
#include "platform/gui/page_control.h"

#include <QAction>
#include <QKeySequence>
#include <QTimer>
#include <array>
#include <gtest/gtest.h>

namespace vq::gui {
namespace {

using test::MessageRecorder;

TEST(Modal, AReplacedSeamAnswersWithoutAnyEventLoop) {
    FormBase dialog("TfrmFilCliente");
    std::string shown;
    SeamOverride modal(seams::showModal(), [&](FormBase& f) {
        shown = f.ClassName();
        f.SetModalResult(mr::Ok);
        return f.ModalResult();
    });
    EXPECT_EQ(dialog.ShowModal(), mr::Ok);
    EXPECT_EQ(shown, "TfrmFilCliente");
    EXPECT_EQ(dialog.Name(), "frmFilCliente");
}

TEST(Modal, TheLocalLoopRunsQueuedStepsAndEndsWhenTheCloseIsAllowed) {
    FormBase owner("TfrmCliente");
    int ownerActivations = 0;
    owner.OnActivate = [&] { ++ownerActivations; };
    owner.Show();
    EXPECT_EQ(forms::active(), &owner);
    EXPECT_EQ(ownerActivations, 1);

    FormBase dialog("TfrmFilCliente");
    int queries = 0;
    dialog.OnCloseQuery = [&](bool& canClose) { canClose = ++queries > 1; };
    std::vector<std::string> steps;
    // A driver steps the script from the event loop; the modal loop runs its steps.
    QTimer::singleShot(0, [&] {
        steps.push_back(forms::active() ? forms::active()->ClassName() : "-");
        dialog.SetModalResult(mr::Ok); // refused by the close query: the form stays
        QTimer::singleShot(0, [&] {
            steps.push_back("result " + std::to_string(dialog.ModalResult()));
            dialog.SetModalResult(mr::Ok);
        });
    });
    EXPECT_EQ(dialog.ShowModal(), mr::Ok);
    EXPECT_EQ(steps, (std::vector<std::string>{"TfrmFilCliente", "result 0"}));
    EXPECT_TRUE(dialog.isHidden());
    EXPECT_FALSE(dialog.Modal());
    EXPECT_EQ(forms::active(), &owner);
    EXPECT_EQ(ownerActivations, 2); // active again when the modal form went away

    QTimer::singleShot(0, [&] { dialog.Close(); });
    EXPECT_EQ(dialog.ShowModal(), mr::Cancel);
    QTimer::singleShot(0, [&] { dialog.abortModal(); }); // the driver's way out skips the query
    dialog.OnCloseQuery = [](bool& canClose) { canClose = false; };
    EXPECT_EQ(dialog.ShowModal(), mr::Cancel);
}

TEST(Close, ActionsHideFreeOrKeepTheForm) {
    MessageRecorder messages;
    QPointer<FormBase> form = new FormBase("TfrmEmail");
    bool destroyed = false;
    form->OnDestroy = [&] { destroyed = true; };
    CloseAction action = CloseAction::None;
    form->OnClose = [&](CloseAction& a) { a = action; };
    form->Show();
    form->Close();
    EXPECT_FALSE(form->isHidden());
    action = CloseAction::Hide;
    form->Close();
    EXPECT_TRUE(form->isHidden());
    form->Show();
    form->OnCloseQuery = [](bool&) { throw Error("Há alterações pendentes."); };
    form->close(); // the window's close button: inside the guard
    EXPECT_FALSE(form->isHidden());
    ASSERT_EQ(messages.shown.size(), 1u);
    form->OnCloseQuery = nullptr;
    action = CloseAction::Free;
    form->Close();
    EXPECT_TRUE(destroyed);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(form.isNull());
}

// A form declared as a table.
using K = Kind;

struct TableForm : FormBase {
    TableForm();
    ClientDataSet cds{"cdsCliente"};
    DataSource dts{"dtsPadrao", &cds};
    MenuItem* mnuIncluir = nullptr;
    ToolButton* sbtFiltro = nullptr;
    TabSheet* tshFormulario = nullptr;
    ComboBox* dbcSituAtiv = nullptr; // a member may be of a base class of the row's kind
    // Handles kept in groups: a member struct and an array of them.
    struct Group {
        Edit* medCep = nullptr;
    } group;
    struct Page {
        TabSheet* sheet = nullptr;
    };
    std::array<Page, 2> pages;
};

// clang-format off
constexpr ControlSpec kLayout[] = {
    {K::MainMenu, "mnuPrincipal"},
    {K::MenuItem, "mnuCadastro", "mnuPrincipal", "&Cadastro"},
    {K::MenuItem, "mnuIncluir", "mnuCadastro", "&Incluir", "", "", {}, {.shortcut = "Ctrl+I"}, bind<&TableForm::mnuIncluir>()},
    {K::MenuSeparator, "", "mnuCadastro"},
    {K::MenuItem, "mnuFiltrar", "mnuCadastro", "Fi&ltrar", "", "", {}, {.disabled = true}},
    {K::PopupMenu, "pmnImpressora"},
    {K::MenuItem, "pmnClientes", "pmnImpressora", "&Cliente"},
    {K::Panel, "pnlBotoes", "", "", "", "", {0, 0}},
    {K::ToolButton, "sbtIncluir", "pnlBotoes", "Incluir", "", "", {0, 0}, {.hint = "Incluir cliente", .follow = "mnuIncluir"}},
    {K::ToolButton, "sbtFiltro", "pnlBotoes", "Filtrar", "", "", {0, 1}, {.shortcut = "Esc", .follow = "mnuFiltrar", .popup = "pmnImpressora"}, bind<&TableForm::sbtFiltro>()},
    {K::PageControl, "pgcPadrao", "", "", "", "", {1, 0}},
    {K::TabSheet, "tshFolhaDados", "pgcPadrao", "Folha de Dados", "", "", {}, {}, bind<&TableForm::pages, 0, &TableForm::Page::sheet>()},
    {K::DbGrid, "dbgPadrao", "tshFolhaDados", "", "dtsPadrao", "", {0, 0}},
    {K::TabSheet, "tshFormulario", "pgcPadrao", "Formulário", "", "", {}, {}, bind<&TableForm::tshFormulario>()},
    {K::GroupBox, "grbIdent", "tshFormulario", "Identificação", "", "", {0, 0}},
    {K::DbEdit, "dbeCdCliente", "grbIdent", "Código", "dtsPadrao", "CDCLIENTE", {0, 0}, {.color = ColorRole::Disabled, .readOnly = true}},
    {K::DbEdit, "dbeNmCliente", "grbIdent", "Nome", "dtsPadrao", "NMCLIENTE", {0, 1}, {.label = "lblNmCliente", .width = 30, .required = true}},
    {K::DbComboBox, "dbcSituAtiv", "grbIdent", "Situação", "dtsPadrao", "IDCLIEATIV", {1, 0}, {.items = "Ativo|Inativo", .values = "S|N", .style = ComboStyle::DropDownList}, bind<&TableForm::dbcSituAtiv>()},
    {K::DbRadioGroup, "rdgTipoCliente", "grbIdent", "Tipo", "dtsPadrao", "IDPRIPUBCLIE", {1, 1}, {.items = "Privado|Público", .values = "V|B", .columns = 2}},
    {K::MaskEdit, "medCep", "grbIdent", "CEP", "", "", {2, 0}, {.hint = "CEP", .mask = "99.999-999;0;_"}, bind<&TableForm::group, &TableForm::Group::medCep>()},
    {K::DbNavigator, "dbnPadrao", "", "", "dtsPadrao", "", {2, 0}},
};
constexpr ColumnSpec kColumns[] = {
    {"dbgPadrao", "CDCLIENTE", "Código", 8, {.readOnly = true}},
    {"dbgPadrao", "NMCLIENTE", "Nome", 30},
    {"dbgPadrao", "IDCLIEATIV", "Ativo", 3, {.pick = "S|N"}},
};
// clang-format on

TableForm::TableForm() : FormBase("TfrmTabela") {
    test::openCustomers(cds, 2);
    addDataSource("dtsPadrao", dts);
    addDataSet("cdsCliente", cds);
    buildForm(*this, kLayout);
    buildColumns(*this, kColumns);
}

TEST(FormTable, BuildsNamedBoundControlsInTheirPlaces) {
    TableForm f;
    auto* name = f.component<DbEdit>("dbeNmCliente");
    EXPECT_EQ(name->Text(), "Cliente 1");
    EXPECT_EQ(name->Color(), colors::Required);
    EXPECT_EQ(f.component<Label>("lblNmCliente")->Caption(), "Nome");
    EXPECT_TRUE(f.component<DbEdit>("dbeCdCliente")->ReadOnly());
    EXPECT_EQ(f.component<DbComboBox>("dbcSituAtiv")->Text(), "Ativo");
    EXPECT_EQ(f.component<DbRadioGroup>("rdgTipoCliente")->Value(), "V");
    EXPECT_EQ(f.component<Edit>("medCep")->EditMask(), "99.999-999;0;_");
    EXPECT_EQ(f.component<ToolButton>("sbtIncluir")->Hint(), "Incluir cliente");
    EXPECT_FALSE(f.component<ToolButton>("sbtFiltro")->Enabled()); // follows mnuFiltrar
    EXPECT_EQ(f.component<MenuItem>("mnuIncluir")->ShortCut(), "Ctrl+I");
    EXPECT_EQ(f.component<ToolButton>("sbtFiltro")->shortcut(), QKeySequence(Qt::Key_Escape));
    // Rows that name a member fill it with the component they made.
    EXPECT_EQ(f.mnuIncluir, f.component<MenuItem>("mnuIncluir"));
    EXPECT_EQ(f.sbtFiltro, f.component<ToolButton>("sbtFiltro"));
    EXPECT_EQ(f.tshFormulario, f.component<TabSheet>("tshFormulario"));
    EXPECT_EQ(f.dbcSituAtiv, f.component<DbComboBox>("dbcSituAtiv"));
    EXPECT_EQ(f.group.medCep, f.component<Edit>("medCep"));
    EXPECT_EQ(f.pages[0].sheet, f.component<TabSheet>("tshFolhaDados"));
    EXPECT_EQ(f.pages[1].sheet, nullptr);
    EXPECT_EQ(f.component<MenuItem>("mnuCadastro")->Items().size(), 3u);
    auto* pages = f.component<PageControl>("pgcPadrao");
    EXPECT_EQ(pages->PageCount(), 2);
    EXPECT_EQ(f.component<TabSheet>("tshFormulario")->Caption(), "Formulário");
    auto* grid = f.component<DbGrid>("dbgPadrao");
    ASSERT_EQ(grid->Columns().size(), 3u);
    EXPECT_EQ(grid->model()->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), "Nome");
    EXPECT_FALSE(grid->canEditColumn(0));
    EXPECT_TRUE(f.component<DbNavigator>("dbnPadrao")->ButtonEnabled(NavButton::Next));
    EXPECT_THROW(f.component<DbGrid>("dbeNmCliente"), Error); // wrong kind
    EXPECT_THROW(f.component("naoExiste"), Error);
    EXPECT_EQ(f.dataSet("cdsCliente"), &f.cds);

    pages->SetActivePage(f.component<TabSheet>("tshFormulario"));
    f.SetFocus(*f.component<DbEdit>("dbeCdCliente"));
    f.SelectNext(f.ActiveControl()); // table order is tab order
    EXPECT_EQ(f.ActiveControl(), name);
}

struct Empty : FormBase {
    Empty() : FormBase("TfrmVazio") { addDataSource("dtsPadrao", dts); }
    DataSource dts{"dtsPadrao"};
    DbGrid* dbgLista = nullptr;
};

TEST(FormTable, MistakesInATableAreReportedByName) {
    // clang-format off
    const ControlSpec badParent[] = {{K::DbEdit, "dbeX", "grbNada"}};
    const ControlSpec repeated[] = {{K::Panel, "pnlA"}, {K::Panel, "pnlA"}};
    const ControlSpec badFollow[] = {{K::ToolButton, "sbtA", "", "", "", "", {}, {.follow = "mnuNada"}}};
    const ControlSpec badPopup[] = {{K::Edit, "edtA", "", "", "", "", {}, {.popup = "pmnNada"}}};
    const ControlSpec badShortcut[] = {{K::Edit, "edtA", "", "", "", "", {}, {.shortcut = "F2"}}};
    const ControlSpec badSource[] = {{K::DbEdit, "dbeX", "", "", "dtsOutro", "CAMPO"}};
    const ControlSpec notAContainer[] = {{K::Edit, "edtA"}, {K::Edit, "edtB", "edtA"}};
    const ControlSpec wrongMember[] = {{K::DbEdit, "dbeLista", "", "", "", "", {}, {}, bind<&Empty::dbgLista>()}};
    const ControlSpec otherForm[] = {{K::DbGrid, "dbgLista", "", "", "", "", {}, {}, bind<&TableForm::tshFormulario>()}};
    const ControlSpec otherFormPath[] = {{K::DbGrid, "dbgLista", "", "", "", "", {}, {}, bind<&TableForm::group, &TableForm::Group::medCep>()}};
    // clang-format on
    for (auto table :
         {std::span<const ControlSpec>(badParent), std::span<const ControlSpec>(repeated),
          std::span<const ControlSpec>(badFollow), std::span<const ControlSpec>(badPopup),
          std::span<const ControlSpec>(badShortcut), std::span<const ControlSpec>(badSource),
          std::span<const ControlSpec>(notAContainer), std::span<const ControlSpec>(wrongMember),
          std::span<const ControlSpec>(otherForm), std::span<const ControlSpec>(otherFormPath)}) {
        Empty f;
        try {
            buildForm(f, table);
            ADD_FAILURE() << "accepted a bad table: " << table.back().name;
        } catch (const Error& e) {
            EXPECT_NE(std::string(e.what()).find("frmVazio"), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find(table.back().name), std::string::npos) << e.what();
        }
        EXPECT_EQ(f.dbgLista, nullptr);
    }
}

} // namespace
} // namespace vq::gui

namespace vq::gui {
namespace {

TEST(FormTable, KeysFireTheirWindowsShortcutsUnlessTheFocusedEditClaimsThem) {
    TableForm f;
    TableForm other; // another window with the same shortcuts
    int inserts = 0, filters = 0, others = 0, selects = 0;
    f.mnuIncluir->OnClick = [&] { ++inserts; };
    f.sbtFiltro->OnClick = [&] { ++filters; };
    other.mnuIncluir->OnClick = [&] { ++others; };
    QAction selectAll(&f);
    selectAll.setShortcut(QKeySequence(QStringLiteral("Ctrl+A")));
    f.addAction(&selectAll);
    QObject::connect(&selectAll, &QAction::triggered, [&] { ++selects; });
    auto key = [](QWidget& w, const char* name) { sendKey(w, *parseKeyName(name)); };

    auto& grid = *f.component<DbGrid>("dbgPadrao");
    key(grid, "Ctrl+I");
    EXPECT_EQ(inserts, 1);
    EXPECT_EQ(others, 0);
    key(grid, "Esc"); // sbtFiltro follows the disabled mnuFiltrar
    EXPECT_EQ(filters, 0);
    f.component<MenuItem>("mnuFiltrar")->SetEnabled(true);
    key(grid, "Esc");
    EXPECT_EQ(filters, 1);
    f.mnuIncluir->SetVisible(false);
    key(grid, "Ctrl+I");
    EXPECT_EQ(inserts, 1);

    key(*f.component<DbEdit>("dbeNmCliente"), "Ctrl+A"); // the edit's own select-all
    EXPECT_EQ(selects, 0);
    key(*f.component<ToolButton>("sbtIncluir"), "Ctrl+A");
    EXPECT_EQ(selects, 1);
}

} // namespace
} // namespace vq::gui

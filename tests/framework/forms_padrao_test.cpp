// The record-maintenance base forms: commands enabled by the data state, the insert / confirm / cancel /
// delete flow through the tool buttons, handler overrides that call the base first, menus mirroring the
// buttons, the grid-only variant and the close guard.

#include "framework/forms/frm_padrao.h"
#include "framework/forms/frm_padrao_grid.h"
#include "framework/reports/report_document.h"
#include "framework/reports/report_seams.h"
#include "platform/data/client_data_set.h"
#include "platform/data/error.h"
#include "platform/gui/buttons.h"
#include "platform/gui/db_controls.h"
#include "platform/gui/menus.h"
#include "platform/gui/page_control.h"
#include "tests/framework/services_test_support.h"

#include <QApplication>
#include <QKeyEvent>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace vq {
namespace {

using Command = TfrmPadrao::Command;

constexpr FieldSpec kFields[] = {{"CODIGO", FieldType::String, 5, "Código"},
                                 {"NOME", FieldType::String, 30, "Nome"}};

void typeInto(QWidget& w, const QString& text) {
    for (QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(&w, &press);
    }
}

// A maintenance form as a module would derive it; its insert adds a step after the base's.
class TestForm : public TfrmPadrao {
public:
    explicit TestForm(int rows = 0) : TfrmPadrao("TfrmTeste") {
        cds.CreateFields(kFields);
        cds.CreateDataSet();
        for (int i = 1; i <= rows; ++i) {
            cds.Append();
            cds.FieldByName("CODIGO").SetAsString(std::to_string(i));
            cds.FieldByName("NOME").SetAsString("Nome " + std::to_string(i));
            cds.Post();
        }
        cds.First();
        dtsPadrao.SetDataSet(&cds);
        for (const char* field : {"CODIGO", "NOME"}) {
            auto* edit = new gui::DbEdit(tshFormulario);
            edit->setObjectName(QString::fromLatin1("dbe") + QString::fromLatin1(field));
            edit->SetDataSource(&dtsPadrao);
            edit->SetDataField(field);
            tshFormulario->grid().addWidget(edit);
        }
        SetCaption("Teste");
        DoCreate();
    }
    ~TestForm() override { runDestroy(); }

    void sbtIncluirClick() override {
        TfrmPadrao::sbtIncluirClick();
        steps.push_back("derived after base: state " + std::to_string(static_cast<int>(cds.State())) +
                        ", page " + pgcPadrao->ActivePage()->objectName().toStdString());
    }
    bool changesAllowed() const override { return allow; }

    ClientDataSet cds{"cdsTeste"};
    std::vector<std::string> steps;
    bool allow = true;
};

struct Enabled {
    bool incluir, alterar, excluir, confirmar, cancelar, verificar, procurar;
};

Enabled enabledOf(const TfrmPadrao& f) {
    auto on = [&](Command c) { return f.commandItem(c).isEnabled(); };
    return {on(Command::Incluir),  on(Command::Alterar),   on(Command::Excluir), on(Command::Confirmar),
            on(Command::Cancelar), on(Command::Verificar), on(Command::Procurar)};
}

constexpr Command kAll[] = {Command::Incluir,   Command::Alterar,  Command::Excluir,
                            Command::Confirmar, Command::Cancelar, Command::Verificar,
                            Command::Procurar,  Command::Imprimir, Command::Fechar};

void expectButtonsMirrorMenu(const TfrmPadrao& f) {
    for (Command c : kAll)
        EXPECT_EQ(f.commandButton(c).isEnabled(), f.commandItem(c).isEnabled())
            << f.commandButton(c).objectName().toStdString();
}

TEST(FormsPadrao, CommandsFollowTheStateAndButtonsMirrorTheirMenuItems) {
    test::MessageRecorder messages;
    TestForm f;
    auto e = enabledOf(f); // empty list, browsing
    EXPECT_TRUE(e.incluir);
    EXPECT_FALSE(e.alterar || e.excluir || e.procurar || e.confirmar || e.cancelar);
    EXPECT_TRUE(e.verificar);
    EXPECT_EQ(f.pgcPadrao->ActivePage(), f.tshFolhaDados);
    EXPECT_TRUE(f.mnuFolhaDados->Checked());
    expectButtonsMirrorMenu(f);

    f.sbtIncluir->Click();
    e = enabledOf(f);
    EXPECT_TRUE(e.confirmar && e.cancelar);
    EXPECT_FALSE(e.incluir || e.alterar || e.excluir || e.verificar || e.procurar);
    EXPECT_FALSE(f.tshFolhaDados->Enabled()); // no scrolling away from a pending row
    EXPECT_FALSE(f.mnuFolhaDados->isEnabled());
    EXPECT_EQ(f.pgcPadrao->ActivePage(), f.tshFormulario);
    EXPECT_TRUE(f.mnuFormulario->Checked());
    expectButtonsMirrorMenu(f);

    // Typed text still pending in the focused edit is posted by confirm.
    auto* codigo = f.component<gui::DbEdit>("dbeCODIGO");
    ASSERT_EQ(f.ActiveControl(), codigo);
    typeInto(*codigo, "A1");
    f.sbtConfirmar->Click();
    EXPECT_EQ(f.cds.State(), DataSetState::Browse);
    ASSERT_EQ(f.cds.RecordCount(), 1);
    EXPECT_EQ(f.cds.FieldByName("CODIGO").AsString(), "A1");
    e = enabledOf(f);
    EXPECT_TRUE(e.incluir && e.alterar && e.excluir && e.procurar && e.verificar);
    EXPECT_FALSE(e.confirmar || e.cancelar);
    EXPECT_TRUE(f.tshFolhaDados->Enabled());
    expectButtonsMirrorMenu(f);
    EXPECT_TRUE(messages.shown.empty());
}

TEST(FormsPadrao, NoChangesAllowedLeavesOnlyBrowsingCommands) {
    TestForm f(2);
    f.allow = false;
    f.updateCommands();
    const auto e = enabledOf(f);
    EXPECT_FALSE(e.incluir || e.alterar || e.excluir || e.confirmar || e.cancelar);
    EXPECT_TRUE(e.verificar && e.procurar);
}

TEST(FormsPadrao, CancelAsksFirstAndKeepsTheRowOnNo) {
    test::MessageRecorder messages;
    TestForm f(1);
    f.sbtAlterar->Click();
    ASSERT_EQ(f.cds.State(), DataSetState::Edit);
    f.cds.FieldByName("NOME").SetAsString("Alterado");

    messages.answer = gui::MessageButton::No;
    f.sbtCancelar->Click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, gui::MessageKind::Confirmation);
    EXPECT_EQ(messages.shown[0].text, "Confirma o cancelamento das alterações?");
    EXPECT_EQ(f.cds.State(), DataSetState::Edit);
    EXPECT_EQ(f.cds.FieldByName("NOME").AsString(), "Alterado");

    messages.answer = gui::MessageButton::Yes;
    f.sbtCancelar->Click();
    EXPECT_EQ(f.cds.State(), DataSetState::Browse);
    EXPECT_EQ(f.cds.FieldByName("NOME").AsString(), "Nome 1");
}

TEST(FormsPadrao, CancellingTheOnlyNewRowReturnsToTheGrid) {
    test::MessageRecorder messages;
    messages.answer = gui::MessageButton::Yes;
    TestForm f;
    f.sbtIncluir->Click();
    f.sbtCancelar->Click();
    EXPECT_TRUE(f.cds.IsEmpty());
    EXPECT_EQ(f.pgcPadrao->ActivePage(), f.tshFolhaDados);
}

TEST(FormsPadrao, DeleteAsksAndAnEmptyListSaysThereIsNothing) {
    test::MessageRecorder messages;
    TestForm f(2);
    messages.answer = gui::MessageButton::No;
    f.sbtExcluir->Click();
    EXPECT_EQ(f.cds.RecordCount(), 2);
    EXPECT_EQ(messages.shown.back().text, "Confirma a exclusão do registro?");

    messages.answer = gui::MessageButton::Yes;
    f.mnuExcluir->Click();
    f.sbtExcluir->Click();
    EXPECT_TRUE(f.cds.IsEmpty());
    EXPECT_FALSE(f.commandItem(Command::Excluir).isEnabled());

    messages.shown.clear();
    EXPECT_THROW(f.sbtExcluir->Click(), Abort);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, gui::MessageKind::Error);
    EXPECT_EQ(messages.shown[0].text, "Não há registro para excluir.");
}

TEST(FormsPadrao, OverridesRunAfterTheBaseWhetherFromButtonMenuOrShortcut) {
    TestForm f;
    f.sbtIncluir->Click();
    ASSERT_EQ(f.steps.size(), 1u);
    EXPECT_EQ(f.steps[0], "derived after base: state 3, page tshFormulario");

    f.cds.Cancel();
    f.mnuIncluir->Click();
    EXPECT_EQ(f.steps.size(), 2u);
    f.cds.Cancel();
    f.mnuIncluir->trigger(); // what the F2 shortcut does
    EXPECT_EQ(f.steps.size(), 3u);
    EXPECT_EQ(f.mnuIncluir->ShortCut(), "F2");
    EXPECT_EQ(f.mnuConfirmar->ShortCut(), "F10");
}

TEST(FormsPadrao, HidingACommandHidesButtonAndMenuItem) {
    TestForm f;
    f.setCommandVisible(Command::Imprimir, false);
    EXPECT_FALSE(f.sbtImprimir->Visible());
    EXPECT_FALSE(f.mnuImprimir->isVisible());
    f.setCommandVisible(Command::Imprimir, true);
    EXPECT_TRUE(f.sbtImprimir->Visible());
    EXPECT_TRUE(f.mnuImprimir->isVisible());
}

TEST(FormsPadrao, MovesWorkOnlyWhileBrowsing) {
    TestForm f(3);
    f.Proximo1->Click();
    EXPECT_EQ(f.cds.RecNo(), 2);
    f.Ultimo1->Click();
    EXPECT_EQ(f.cds.RecNo(), 3);
    f.sbtAlterar->Click();
    EXPECT_FALSE(f.Primeiro1->isEnabled());
    f.Primeiro1->Click(); // even when called directly, a pending edit is never posted by a move
    EXPECT_EQ(f.cds.State(), DataSetState::Edit);
    EXPECT_EQ(f.cds.RecNo(), 3);
}

TEST(FormsPadrao, ClosingWhileEditingAsksBeforeDroppingTheEdit) {
    test::MessageRecorder messages;
    TestForm f(1);
    f.sbtAlterar->Click();
    bool canClose = true;
    messages.answer = gui::MessageButton::No;
    f.FormCloseQuery(canClose);
    EXPECT_FALSE(canClose);
    EXPECT_EQ(f.cds.State(), DataSetState::Edit);
    canClose = true;
    messages.answer = gui::MessageButton::Yes;
    f.FormCloseQuery(canClose);
    EXPECT_TRUE(canClose);
    EXPECT_EQ(f.cds.State(), DataSetState::Browse);
}

TEST(FormsPadrao, PrintPreviewsTheGridListing) {
    TestForm f(3);
    std::vector<reports::ReportDocument> previews;
    gui::SeamOverride preview(reports::seams::preview(),
                              [&](const reports::ReportDocument& doc) { previews.push_back(doc); });
    f.sbtImprimir->Click();
    ASSERT_EQ(previews.size(), 1u);
    EXPECT_EQ(previews[0].definition.title, "Teste");
    EXPECT_EQ(previews[0].columnTitles, (std::vector<std::string>{"Código", "Nome"}));
    ASSERT_EQ(previews[0].rows.size(), 3u);
    EXPECT_EQ(previews[0].rows[2].cells[1], "Nome 3");
    EXPECT_EQ(f.cds.RecNo(), 1); // the listing does not move the form's row
}

class GridForm : public TfrmPadraoGrid {
public:
    GridForm() : TfrmPadraoGrid("TfrmGradeTeste") {
        cds.CreateFields(kFields);
        cds.CreateDataSet();
        dtsPadrao.SetDataSet(&cds);
        DoCreate();
    }
    ~GridForm() override { runDestroy(); }
    ClientDataSet cds{"cdsGrade"};
};

TEST(FormsPadrao, GridOnlyFormEditsOnTheGridPage) {
    GridForm f;
    EXPECT_FALSE(f.tshFormulario->TabVisible());
    EXPECT_FALSE(f.mnuFormulario->isVisible());
    f.sbtIncluir->Click();
    EXPECT_EQ(f.cds.State(), DataSetState::Insert);
    EXPECT_EQ(f.pgcPadrao->ActivePage(), f.tshFolhaDados);
    EXPECT_TRUE(f.tshFolhaDados->Enabled());
    EXPECT_TRUE(f.sbtConfirmar->isEnabled());
    f.cds.FieldByName("CODIGO").SetAsString("9");
    f.sbtConfirmar->Click();
    EXPECT_EQ(f.cds.RecordCount(), 1);
}

} // namespace
} // namespace vq

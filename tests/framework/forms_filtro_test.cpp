// Filter and routine base forms: saved options in the user's settings, confirm and cancel results.

#include "framework/forms/frm_dados_ger_rel.h"
#include "framework/forms/frm_filtro_padrao.h"
#include "framework/forms/frm_roti_geral.h"
#include "platform/data/error.h"
#include "platform/gui/buttons.h"
#include "platform/gui/containers.h"
#include "tests/framework/services_test_support.h"

#include <QGridLayout>
#include <QKeySequence>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <string>

namespace vq {
namespace {

// Points the user-scope INI settings at a temporary folder for one test.
struct TempSettings {
    QTemporaryDir dir;
    TempSettings() { QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path()); }
};

// A filter that keeps two working lists in its options, as a module filter does.
class TestFilter : public TfrmFiltroPadrao {
public:
    explicit TestFilter(std::string className = "TfrmFilTeste") : TfrmFiltroPadrao(std::move(className)) {
        DoCreate();
    }

    void saveOptions() override {
        Opcoes.SetValues("stCliente", stCliente);
        Opcoes.SetValues("stPais", stPais);
        TfrmFiltroPadrao::saveOptions();
    }
    bool loadOptions() override {
        const bool found = TfrmFiltroPadrao::loadOptions();
        stCliente = Opcoes.Values("stCliente");
        stPais = Opcoes.Values("stPais");
        return found;
    }
    void sbtConfirmaClick() override {
        if (stCliente.empty())
            throw Error("Cliente deve ser informado");
        TfrmFiltroPadrao::sbtConfirmaClick();
    }

    std::string stCliente;
    std::string stPais;
};

TEST(FormsFiltro, OptionsAreSavedPerFormAndRestored) {
    TempSettings settings;
    test::MessageRecorder messages;
    {
        TestFilter f;
        f.stCliente = "_J11222333000181__F12345678909_";
        f.stPais = "_0055_";
        f.sbtSalvarOpcoes->Click();
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].text, "Opções salvas.");
    }
    TestFilter again;
    EXPECT_TRUE(again.loadOptions());
    EXPECT_EQ(again.stCliente, "_J11222333000181__F12345678909_");
    EXPECT_EQ(again.stPais, "_0055_");

    // Another filter form has options of its own.
    TestFilter other("TfrmFilOutro");
    messages.shown.clear();
    other.sbtCarregarOpcoes->Click();
    EXPECT_EQ(other.stCliente, "");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, gui::MessageKind::Info);
}

TEST(FormsFiltro, SavingReplacesWhatWasSavedBefore) {
    TempSettings settings;
    test::MessageRecorder messages;
    {
        TestFilter f;
        f.Opcoes.SetValues("stAntigo", "_X_");
        f.stCliente = "_A_";
        f.saveOptions();
    }
    {
        TfrmFiltroPadrao plain("TfrmFilTeste");
        plain.Opcoes.SetValues("stCliente", "_B_");
        plain.saveOptions();
    }
    TestFilter f;
    f.loadOptions();
    EXPECT_EQ(f.stCliente, "_B_");
    EXPECT_EQ(f.stPais, "");
    EXPECT_EQ(f.Opcoes.Values("stAntigo"), "");
}

TEST(FormsFiltro, OptionNamesIgnoreCaseAndValuesKeepEqualsSigns) {
    OptionList list;
    list.SetValues("stCliente", "a=b");
    list.SetValues("STCLIENTE", "c=d");
    ASSERT_EQ(list.Items().size(), 1u);
    EXPECT_EQ(list.Values("stcliente"), "c=d");
}

TEST(FormsFiltro, AFailingCheckKeepsTheDialogOpen) {
    TestFilter f;
    EXPECT_THROW(f.sbtConfirma->Click(), Error);
    EXPECT_EQ(f.ModalResult(), gui::mr::None);
    f.stCliente = "_A_";
    f.sbtConfirma->Click();
    EXPECT_EQ(f.ModalResult(), gui::mr::Ok);
    TestFilter g;
    g.sbtCancel->Click();
    EXPECT_EQ(g.ModalResult(), gui::mr::Cancel);
}

class TestRoutine : public TfrmRotiGeral {
public:
    TestRoutine() : TfrmRotiGeral("TfrmRotTeste") { DoCreate(); }
    void sbtConfirmaClick() override {
        TfrmRotiGeral::sbtConfirmaClick();
        ++confirmed;
    }
    int confirmed = 0;
};

TEST(FormsRotina, ConfirmRunsTheRoutineAndCloseHidesTheForm) {
    TestRoutine f;
    f.Show();
    ASSERT_TRUE(f.isVisible());
    f.sbtConfirma->Click();
    EXPECT_EQ(f.confirmed, 1);
    EXPECT_TRUE(f.isVisible());
    f.sbtFechar->Click();
    EXPECT_FALSE(f.isVisible());
}

// The bar on top with its buttons left, the form's working panel below taking the height.
void expectToolBarLayout(gui::FormBase& form, gui::Panel& bar, gui::Panel& working, int buttons) {
    QGridLayout& grid = gui::gridOf(form);
    int row = -1, col = -1, rowSpan = 0, colSpan = 0;
    grid.getItemPosition(grid.indexOf(&working), &row, &col, &rowSpan, &colSpan);
    EXPECT_EQ(row, 1) << form.Name();
    EXPECT_EQ(grid.rowStretch(1), 1) << form.Name();
    EXPECT_EQ(bar.grid().count(), buttons) << form.Name();
    EXPECT_EQ(bar.grid().columnStretch(buttons), 1) << form.Name();
}

TEST(FormsToolbar, EachToolBarFormKeepsItsKeysAndItsWorkingPanel) {
    const QKeySequence f7(Qt::Key_F7), f8(Qt::Key_F8), f10(Qt::Key_F10), esc(Qt::Key_Escape);
    TfrmRotiGeral rotina;
    EXPECT_EQ(rotina.sbtConfirma->shortcut(), f10);
    EXPECT_EQ(rotina.sbtFechar->shortcut(), esc);
    expectToolBarLayout(rotina, *rotina.pnlFerramentas, *rotina.pnlRotina, 2);

    TfrmFiltroPadrao filtro;
    EXPECT_EQ(filtro.sbtConfirma->shortcut(), f10);
    EXPECT_EQ(filtro.sbtCancel->shortcut(), esc);
    EXPECT_TRUE(filtro.sbtSalvarOpcoes->shortcut().isEmpty());
    expectToolBarLayout(filtro, *filtro.pnlFerramentas, *filtro.pnlFiltro, 4);

    TfrmDadosGerRel relatorio;
    EXPECT_EQ(relatorio.sbtPrint->shortcut(), f7);
    EXPECT_EQ(relatorio.sbtPreview->shortcut(), f8);
    EXPECT_EQ(relatorio.sbtFechar->shortcut(), esc);
    expectToolBarLayout(relatorio, *relatorio.pnlFerramentas, *relatorio.pnlParametros, 5);
    EXPECT_NE(relatorio.findComponent<QObject>("msgPadrao"), nullptr);
}

} // namespace
} // namespace vq

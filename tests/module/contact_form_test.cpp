// The contact pages of the customer form inside the package: the role layout of the module, the grids'
// editing rules by state, and the operator check of an observation.

#include "customer/Vqm41200.h"
#include "filter_report/Vqm41202.h"
#include "framework/services/btn_pesquisa.h"
#include "framework/services/framework_settings.h"
#include "platform/data/error.h"
#include "platform/gui/buttons.h"
#include "platform/gui/containers.h"
#include "platform/gui/db_controls.h"
#include "platform/gui/db_grid.h"
#include "platform/gui/page_control.h"
#include "tests/gui/gui_test_support.h"
#include "tests/module/module_test_support.h"

#include <gtest/gtest.h>

namespace vq {
namespace {

using test::ModalAnswers;

class ContactForm : public test::ModuleTest {
protected:
    void SetUp() override {
        ModuleTest::SetUp();
        previousModule_ = frameworkSettings().activeModule;
        CriaClienteModal("", "", "", "", "", "", false, false);
        ASSERT_TRUE(Vqm41200::unit().frmCliente);
        ModalAnswers answers;
        answers.on("TfrmFilCliente",
                   [](gui::FormBase& f) { dynamic_cast<TfrmFilCliente&>(f).sbtConfirma->Click(); });
        form().cmd.sbtFiltro->Click();
        ASSERT_GT(form().cdsCliente().RecordCount(), 0);
        form().pgcPadrao->SetActivePage(form().sheet(TfrmCliente::Tab::Observ));
        form().pgcPadraoChange();
    }
    void TearDown() override {
        frameworkSettings().activeModule = previousModule_;
        ModuleTest::TearDown();
    }
    TfrmCliente& form() { return *Vqm41200::unit().frmCliente; }
    std::string lastMessage() const { return messages.shown.empty() ? "" : messages.shown.back().text; }

    gui::test::MessageRecorder messages;
    int previousModule_ = 0;
};

TEST_F(ContactForm, TheRoleLayoutFollowsTheModuleAtEachInnerPageChange) {
    TfrmCliente& f = form();
    auto& c = f.interloc;
    for (int module : {16, 9, 69}) {
        SCOPED_TRACE(module);
        frameworkSettings().activeModule = module;
        f.pgcInterlocChange();
        const bool prospect = module != 9;
        EXPECT_EQ(c.dcbTipo->Visible(), !prospect);
        EXPECT_EQ(c.dbeCargo->Visible(), !prospect);
        EXPECT_EQ(c.dbeCodCargo->Visible(), prospect);
        EXPECT_EQ(c.BtnCodCargo->Visible(), prospect);
        EXPECT_EQ(c.dbgInterloc->Column(3).FieldName, prospect ? "NMCARGOINTERLOC" : "DSCARGINCLIE");
        if (prospect) {
            EXPECT_EQ(c.dbeNmInter->widget().nextInFocusChain(), &c.dbeCodCargo->widget());
            EXPECT_EQ(c.dbeCodCargo->widget().nextInFocusChain(), &c.depDtNasc->widget());
        }
    }
}

TEST_F(ContactForm, ObservationsAreTypedInTheGridOnlyWhileNewAndNeedAKnownOperator) {
    TfrmCliente& f = form();
    auto& c = f.interloc;
    ClientDataSet& notes = f.data().cdsObserv();
    ASSERT_TRUE(notes.Active());
    notes.Append();
    EXPECT_TRUE(c.dbgObserv->Editing());
    EXPECT_EQ(c.dbgObserv->Column(c.dbgObserv->ColumnIndex("CDOPERADOR")).Button,
              gui::GridColumn::ButtonStyle::Ellipsis);
    EXPECT_TRUE(c.panObserv->Enabled());

    notes.FieldByName("CDOPERADOR").SetAsString("NINGUEM");
    f.boErroValida = false;
    EXPECT_THROW(f.Vd_Operador(), Abort);
    EXPECT_EQ(lastMessage(), "Operador não cadastrado.");
    EXPECT_TRUE(f.boErroValida);
    notes.FieldByName("CDOPERADOR").SetAsString("oper03");
    EXPECT_THROW(f.Vd_Operador(), Abort) << "codes are not case-folded";
    notes.FieldByName("CDOPERADOR").SetAsString("OPER03");
    f.Vd_Operador();
    EXPECT_EQ(notes.FieldByName("NMOPERADOR").AsString(), "Ana Souza");
    EXPECT_EQ(notes.FieldByName("CDOPERADOR").Text(), "Ana Souza") << "the column shows the name";
    notes.Cancel();
    EXPECT_FALSE(c.dbgObserv->Editing());

    // An edited observation keeps its row: the grid panel is disabled until it is back in browse.
    if (!notes.IsEmpty()) {
        notes.Edit();
        EXPECT_FALSE(c.panObserv->Enabled());
        EXPECT_FALSE(c.dbgObserv->Editing());
        notes.Cancel();
        EXPECT_TRUE(c.panObserv->Enabled());
    }
}

} // namespace
} // namespace vq

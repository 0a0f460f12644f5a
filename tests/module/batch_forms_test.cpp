// The batch forms' own rules without the driver: the progress text, how the assignment answer is read
// (longer "NO_CLIENTES" texts, a blank answer), and the geography all/list buttons with their tab stops.

#include "batch/Vqm41206.h"
#include "batch/batch_call.h"
#include "framework/services/host_catalogue.h"
#include "platform/data/error.h"
#include "platform/gui/buttons.h"
#include "platform/gui/radio_button.h"
#include "tests/gui/gui_test_support.h"
#include "tests/module/module_test_support.h"

#include <gtest/gtest.h>

namespace vq {
namespace {

class BatchForms : public test::ModuleTest {
protected:
    gui::test::MessageRecorder messages;
};

TEST(BatchProgressText, ThousandsAreGroupedWithADot) {
    EXPECT_EQ(batch::progressText(1200, 5000), "Atualizando clientes: 1.200 de 5.000");
    EXPECT_EQ(batch::progressText(0, 0), "Atualizando clientes: 0 de 0");
    EXPECT_EQ(batch::progressText(999, 1234567), "Atualizando clientes: 999 de 1.234.567");
}

TEST_F(BatchForms, AnswersBeginningWithTheSuccessTextsAreInformationsAndABlankOneIsAnError) {
    auto form = std::make_unique<TfrmCadTabPrecoClie>();
    batch::showAssignmentAnswer(*form, Variant("NO_CLIENTES: nenhum cliente no país"));
    batch::showAssignmentAnswer(*form, Variant("SUC"));
    EXPECT_THROW(batch::showAssignmentAnswer(*form, Variant("")), Abort);
    EXPECT_THROW(batch::showAssignmentAnswer(*form, Variant(ServerError{"Tabela bloqueada."})), Abort);
    ASSERT_EQ(messages.shown.size(), 4u);
    EXPECT_EQ(messages.shown[0].kind, gui::MessageKind::Info);
    EXPECT_EQ(messages.shown[0].text, "Não foram encontrados clientes de acordo com os dados informados.");
    EXPECT_EQ(messages.shown[1].text, "Cadastramento automático realizado com sucesso.");
    EXPECT_EQ(messages.shown[2].kind, gui::MessageKind::Error);
    EXPECT_EQ(messages.shown[2].text, "O servidor de aplicação informou um erro sem descrição.");
    EXPECT_EQ(messages.shown[3].text, "Tabela bloqueada.");
}

TEST_F(BatchForms, AllButtonsEmptyTheirLevelAndTheLevelsBelowAndOnlyTheCountryTakesItsTabStopBack) {
    Vqm41206::unit().stListaCliente = "_J1_";
    auto form = std::make_unique<TfrmCadTabPrecoClie>();
    Vqm41206::UnitState& u = Vqm41206::unit();
    EXPECT_EQ(u.stListaCliente, "T") << "each opening starts from all customers";
    EXPECT_TRUE(form->chbPrincipal != nullptr);

    form->rbtPais->Click();
    EXPECT_TRUE(form->btnPais->Enabled());
    EXPECT_FALSE(form->rbtTPais->TabStop());
    form->rbtEstado->Click();
    form->rbtLMun->Click();
    u.stCodPais = "_0055_";
    u.stCodEstado = "_0055SP_";
    u.stCodMun = "_0055SP0001_";

    form->rbtTEstado->Click();
    EXPECT_EQ(u.stCodPais, "_0055_");
    EXPECT_EQ(u.stCodEstado, "");
    EXPECT_EQ(u.stCodMun, "");
    EXPECT_TRUE(form->rbtTMun->Checked());
    EXPECT_FALSE(form->btnEstado->Enabled());
    EXPECT_FALSE(form->rbtTEstado->TabStop()) << "only the country's all button takes its tab stop back";

    form->rbtTPais->Click();
    EXPECT_EQ(u.stCodPais, "");
    EXPECT_TRUE(form->rbtTPais->TabStop());
    EXPECT_FALSE(form->btnPais->Enabled());

    form->rbtLista->Click();
    EXPECT_EQ(u.stListaCliente, "");
    EXPECT_TRUE(form->btpCliente->Enabled());
    form->rbtTodos->Click();
    EXPECT_EQ(u.stListaCliente, "T");
    EXPECT_FALSE(form->btpCliente->Enabled());
}

} // namespace
} // namespace vq

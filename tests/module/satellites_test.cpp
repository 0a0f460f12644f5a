// The customer form's satellites: the three reusable side lists (reused while their mark is set, never
// a form that no longer exists), the batch forms of the automatic-registration menu and the forms
// created anew on each launch.

#include "batch/Vqm41205.h"
#include "customer/Vqm41200.h"
#include "filter_report/Vqm41202.h"
#include "platform/gui/buttons.h"
#include "platform/gui/menus.h"
#include "side_lists/Vqm41203.h"
#include "side_lists/Vqm41208.h"
#include "side_lists/Vqm41209.h"
#include "tests/gui/gui_test_support.h"
#include "tests/module/module_test_support.h"

#include <QPointer>
#include <gtest/gtest.h>

namespace vq {
namespace {

using test::ModalAnswers;
using test::unitValue;

class Satellites : public test::ModuleTest {
protected:
    void SetUp() override {
        ModuleTest::SetUp();
        // The customer form, shown without the filter or a registration.
        CriaClienteModal("", "", "", "", "", "", false, false);
        ASSERT_TRUE(Vqm41200::unit().frmCliente);
    }
    TfrmCliente& customer() { return *Vqm41200::unit().frmCliente; }

    gui::test::MessageRecorder messages;
};

TEST_F(Satellites, AdditionalSalespeopleAreReusedWhileMarkedAndRecreatedAfterTheirClose) {
    CriaVendAdicClie("J1");
    QPointer<TfrmVendAdicClie> first = Vqm41208::unit().frmVendAdicClie;
    ASSERT_TRUE(first);
    EXPECT_TRUE(first->isVisible());
    EXPECT_TRUE(first->netVendAdicClie.Connected());
    test::CallLog log;
    CriaVendAdicClie("J2");
    EXPECT_EQ(Vqm41208::unit().frmVendAdicClie, first);
    EXPECT_EQ(unitValue("Vqm41208", "stCliente"), Variant("J2")) << "a reused list follows its customer";
    ASSERT_EQ(log.named("GetVendAdicClie").size(), 1u) << "and reads its rows again";
    EXPECT_EQ(log.named("GetVendAdicClie")[0].args.at(0), Variant("J2"));
    CriaVendAdicClie("J2");
    EXPECT_EQ(log.named("GetVendAdicClie").size(), 1u) << "the same customer is not read again";

    first->Close();
    EXPECT_EQ(unitValue("Vqm41208", "boIdCriado"), Variant(false));
    test::flushDeletes();
    EXPECT_FALSE(first);
    CriaVendAdicClie("J3");
    ASSERT_TRUE(Vqm41208::unit().frmVendAdicClie);
    EXPECT_EQ(unitValue("Vqm41208", "stCliente"), Variant("J3"));

    // The customer form's button hands the current customer to the list and to the e-mail unit.
    Vqm41208::unit().frmVendAdicClie->Close();
    ModalAnswers answers;
    answers.on("TfrmFilCliente",
               [](gui::FormBase& f) { dynamic_cast<TfrmFilCliente&>(f).sbtConfirma->Click(); });
    customer().cmd.sbtFiltro->Click();
    const std::string code = customer().currentCode();
    ASSERT_FALSE(code.empty());
    customer().form.btpVendAdic->Click();
    EXPECT_EQ(unitValue("Vqm41208", "stCliente"), Variant(code));
    EXPECT_EQ(unitValue("Vqm41203", "stCdCliente"), Variant(code));
    EXPECT_TRUE(messages.shown.empty()) << messages.shown.front().text;
}

TEST_F(Satellites, EmailListIsReusedUntilItsCloseClearsTheMark) {
    ModalAnswers answers;
    answers.on("TfrmInfEmailClie", nullptr, false);
    CriaInfEmailClie("J1");
    QPointer<TfrmInfEmailClie> first = Vqm41203::unit().frmInfEmailClie;
    ASSERT_TRUE(first);
    CriaInfEmailClie("J2");
    EXPECT_EQ(Vqm41203::unit().frmInfEmailClie, first);
    EXPECT_EQ(unitValue("Vqm41203", "stCdCliente"), Variant("J1"));
    EXPECT_EQ(answers.captions.back(), "Informações de E-mail Complementares por Cliente");

    first->Close();
    test::flushDeletes();
    EXPECT_EQ(unitValue("Vqm41203", "boIdCriado"), Variant(false));
    CriaInfEmailClie("J3");
    EXPECT_NE(Vqm41203::unit().frmInfEmailClie, nullptr);
    EXPECT_EQ(unitValue("Vqm41203", "stCdCliente"), Variant("J3"));
    EXPECT_EQ(answers.shown.size(), 3u);
}

TEST_F(Satellites, CarrierListNeverShowsAFormThatNoLongerExists) {
    ModalAnswers answers;
    answers.on("TfrmListaTransp", nullptr, false);
    customer().form.btnPesqListaTransp->Click();
    QPointer<TfrmListaTransp> first = Vqm41209::unit().frmListaTransp;
    ASSERT_TRUE(first);
    EXPECT_EQ(unitValue("Vqm41200", "boIdCriado"), Variant(true));
    CriaListaTransp();
    EXPECT_EQ(Vqm41209::unit().frmListaTransp, first);

    // Closed other than through its exit command: the mark stays, the form is gone.
    first->Close();
    test::flushDeletes();
    ASSERT_FALSE(first);
    EXPECT_EQ(unitValue("Vqm41200", "boIdCriado"), Variant(true));
    CriaListaTransp();
    QPointer<TfrmListaTransp> second = Vqm41209::unit().frmListaTransp;
    ASSERT_TRUE(second);
    EXPECT_EQ(answers.shown, (std::vector<std::string>(3, "TfrmListaTransp")));

    second->sbtFechar->Click();
    EXPECT_EQ(unitValue("Vqm41200", "boIdCriado"), Variant(false));
}

TEST_F(Satellites, NoneRunsAgainstAClosedCustomerFormAwaitingItsDelete) {
    QPointer<TfrmCliente> form = &customer();
    form->Close();
    ASSERT_TRUE(Vqm41200::unit().frmCliente) << "deleted later, still there";
    CriaInfEmailClie("J1");
    CriaListaTransp();
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].text, "O cadastro de clientes não está aberto.");
    EXPECT_EQ(messages.shown[1].text, "O cadastro de clientes não está aberto.");
    EXPECT_EQ(test::liveForms("TfrmInfEmailClie") + test::liveForms("TfrmListaTransp"), 0);
    test::flushDeletes();
    EXPECT_FALSE(form);
}

TEST_F(Satellites, BatchCommandsCheckTheMenuAndShowANewFormEachTime) {
    ModalAnswers answers;
    QPointer<TfrmCadRetECF> shown;
    answers.on("TfrmCadRetECF", [&](gui::FormBase& form) { shown = dynamic_cast<TfrmCadRetECF*>(&form); });
    EXPECT_FALSE(customer().cmd.mnuCadAuto->Checked());
    customer().findComponent<gui::MenuItem>("pmnCadAutECF")->Click();
    EXPECT_TRUE(customer().cmd.mnuCadAuto->Checked());
    customer().findComponent<gui::MenuItem>("mnuCadAutTabPrecoCli")->Click();
    customer().findComponent<gui::MenuItem>("pmnCadAutGrupClie")->Click();
    test::flushDeletes();
    EXPECT_FALSE(shown) << "a batch form lives for one showing";
    EXPECT_EQ(answers.shown,
              (std::vector<std::string>{"TfrmCadRetECF", "TfrmCadTabPrecoClie", "TfrmCadAutGrupClie"}));
    EXPECT_EQ(answers.captions,
              (std::vector<std::string>{"Cadastramento Aut. Retenções ECF",
                                        "Cadastramento Automático Tabela de Preço por Cliente",
                                        "Cadastramento Automático Grupo de Clientes"}));
    EXPECT_EQ(customer().cmd.sbtCadAut->Hint(), "Cadastramento Automático Códigos de Retenções (ECF)");
}

TEST_F(Satellites, ReportAndImportAreCreatedAnewAndFreedAfterTheirShowing) {
    ModalAnswers answers;
    CriaDadosCliente();
    customer().cmd.sbtImportar->Click();
    CriaImpCliente();
    test::flushDeletes();
    EXPECT_EQ(answers.shown,
              (std::vector<std::string>{"TfrmDadCliente", "TfrmImportCliente", "TfrmImportCliente"}));
    EXPECT_EQ(answers.captions,
              (std::vector<std::string>{"Cliente", "Importação de Cliente", "Importação de Cliente"}));
    EXPECT_EQ(test::liveForms("TfrmDadCliente") + test::liveForms("TfrmImportCliente"), 0);
    EXPECT_TRUE(messages.shown.empty()) << messages.shown.front().text;
}

TEST_F(Satellites, FinalizeFreesTheModuleForms) {
    CriaVendAdicClie("J1");
    EXPECT_EQ(test::liveForms("TfrmCliente"), 1);
    Finalize();
    EXPECT_EQ(test::liveForms("TfrmCliente") + test::liveForms("TfrmVendAdicClie"), 0);
    Initialize(); // balanced by TearDown
}

} // namespace
} // namespace vq

// The customer form's address checks that the confirm and the customer post run, and the page lock while
// an address is edited on its own.

#include "customer/Vqm41200.h"
#include "filter_report/Vqm41202.h"
#include "platform/data/error.h"
#include "platform/gui/buttons.h"
#include "platform/gui/db_controls.h"
#include "platform/gui/menus.h"
#include "platform/gui/page_control.h"
#include "tests/gui/gui_test_support.h"
#include "tests/module/module_test_support.h"

#include <gtest/gtest.h>

namespace vq {
namespace {

using customer::AddressKind;
using test::ModalAnswers;

class AddressForm : public test::ModuleTest {
protected:
    void SetUp() override {
        ModuleTest::SetUp();
        CriaClienteModal("", "", "", "", "", "", false, false);
        ASSERT_TRUE(Vqm41200::unit().frmCliente);
        ModalAnswers answers;
        answers.on("TfrmFilCliente",
                   [](gui::FormBase& f) { dynamic_cast<TfrmFilCliente&>(f).sbtConfirma->Click(); });
        form().cmd.sbtFiltro->Click();
        ASSERT_GT(form().cdsCliente().RecordCount(), 0);
    }
    TfrmCliente& form() { return *Vqm41200::unit().frmCliente; }
    ClientDataSet& normal() { return form().data().cdsEndeClieNorm(); }
    std::string lastMessage() const { return messages.shown.empty() ? "" : messages.shown.back().text; }
    void show(gui::TabSheet* page) {
        form().pgcPadrao->SetActivePage(page);
        form().pgcPadraoChange();
    }

    gui::test::MessageRecorder messages;
};

TEST_F(AddressForm, RequiredPassStopsOnAnEmptyCountryAndNeverRenamesWhatItDidNotLookUp) {
    form().sbtAlterarClick(); // the customer in edit takes the normal address with it
    ASSERT_EQ(normal().State(), DataSetState::Edit);
    form().addressConfirmChecks(form().addressPage(AddressKind::Normal), false, false);
    form().addressConfirmChecks(form().addressPage(AddressKind::Normal), false, true);
    EXPECT_TRUE(messages.shown.empty()) << lastMessage();

    // The name shown stays what it was: the required pass looks nothing up.
    normal().FieldByName("NMPAIS").SetAsString("Nome anterior");
    form().addressConfirmChecks(form().addressPage(AddressKind::Normal), false, true);
    EXPECT_EQ(normal().FieldByName("NMPAIS").AsString(), "Nome anterior");

    show(form().sheet(TfrmCliente::Tab::Formulario));
    normal().FieldByName("CDPAIS").Clear();
    EXPECT_TRUE(normal().FieldByName("SGESTADO").IsNull()) << "a cleared country clears the state";
    form().addressConfirmChecks(form().addressPage(AddressKind::Normal), false,
                                false); // nothing filled, nothing to look up
    form().boErroValida = false;
    EXPECT_THROW(form().addressConfirmChecks(form().addressPage(AddressKind::Normal), false, true), Abort);
    EXPECT_EQ(lastMessage(), "País deve ser informado.");
    EXPECT_TRUE(form().boErroValida);
    EXPECT_EQ(form().pgcPadrao->ActivePage(), form().sheet(TfrmCliente::Tab::EndeClie));
}

TEST_F(AddressForm, FiscalParameterRequiresTheNormalAddressOnlyFromItsPage) {
    ClientDataSet& fiscal = form().data().dataSet("cdsParamFiscal");
    ASSERT_TRUE(fiscal.Active());
    if (fiscal.IsEmpty())
        fiscal.Append();
    else
        fiscal.Edit();
    fiscal.FieldByName("IDUTENDMODFISC").SetAsString("S");
    fiscal.Post();

    form().sbtAlterarClick();
    normal().FieldByName("DSENDECLIE").SetAsString("Rua das Flores, 10");
    normal().FieldByName("DSCOMPENDCLI").Clear();
    show(form().sheet(TfrmCliente::Tab::Formulario));
    form().Vd_Endereco(); // the page cannot take the focus: no check
    EXPECT_TRUE(messages.shown.empty()) << lastMessage();

    show(form().sheet(TfrmCliente::Tab::EndeClie));
    EXPECT_THROW(form().Vd_Endereco(), Abort);
    EXPECT_EQ(lastMessage(), "Complemento deve ser informado.");
    normal().FieldByName("DSCOMPENDCLI").SetAsString("Sala 2");
    normal().FieldByName("NRCEPCLIE").Clear();
    EXPECT_THROW(form().Vd_Endereco(), Abort);
    EXPECT_EQ(lastMessage(), "CEP deve ser informado.");
}

TEST_F(AddressForm, AnAddressEditedAloneLocksTheOtherPagesUntilItIsBackInBrowse) {
    TfrmCliente& f = form();
    gui::TabSheet* billingPage = f.sheet(TfrmCliente::Tab::EndeClieCobr);
    show(billingPage);
    ClientDataSet& billing = f.data().cdsEndeClieCobr();
    ASSERT_EQ(f.cdsCliente().State(), DataSetState::Browse);

    billing.Append();
    for (const customer::form::TabEntry& t : f.tabs) {
        EXPECT_EQ(t.sheet->Enabled(), t.sheet == billingPage) << t.sheet->objectName().toStdString();
        EXPECT_EQ(t.item->Enabled(), t.sheet == billingPage) << t.item->objectName().toStdString();
    }
    billing.Cancel();
    for (const customer::form::TabEntry& t : f.tabs)
        EXPECT_TRUE(t.sheet->Enabled()) << t.sheet->objectName().toStdString();

    // Not while a record change is being handled.
    Vqm41200::unit().boScroll = true;
    billing.Append();
    Vqm41200::unit().boScroll = false;
    EXPECT_TRUE(f.sheet(TfrmCliente::Tab::Formulario)->Enabled());
    billing.Cancel();
}

} // namespace
} // namespace vq

// The customer form's identity checks that the driver cannot reach alone: the birth-date check the
// confirm runs, and the uniqueness of the external and service codes before a post.

#include "customer/Vqm41200.h"
#include "filter_report/Vqm41202.h"
#include "framework/services/db_geral.h"
#include "platform/data/error.h"
#include "platform/db/connection.h"
#include "platform/gui/buttons.h"
#include "tests/gui/gui_test_support.h"
#include "tests/module/module_test_support.h"

#include <gtest/gtest.h>

namespace vq {
namespace {

using test::ModalAnswers;

class CustomerIdentity : public test::ModuleTest {
protected:
    void SetUp() override {
        ModuleTest::SetUp();
        CriaClienteModal("", "", "", "", "", "", false, false);
        ASSERT_TRUE(Vqm41200::unit().frmCliente);
    }
    void TearDown() override {
        dtmDBGeral()->execute("UPDATE CLIENTE SET CDEXCLIENTE = NULL, CDIDCLIENTE = '*'");
        ModuleTest::TearDown();
    }
    TfrmCliente& form() { return *Vqm41200::unit().frmCliente; }
    void loadAll() {
        ModalAnswers answers;
        answers.on("TfrmFilCliente",
                   [](gui::FormBase& f) { dynamic_cast<TfrmFilCliente&>(f).sbtConfirma->Click(); });
        form().cmd.sbtFiltro->Click();
    }
    ClientDataSet& master() { return form().cdsCliente(); }
    // Posts the customer; the key of the message shown when a check refuses it, "" when it passed.
    std::string post() {
        messages.shown.clear();
        try {
            master().Post();
        } catch (const Abort&) {
            return messages.shown.empty() ? "?" : messages.shown.back().text;
        }
        return {};
    }

    gui::test::MessageRecorder messages;
};

TEST_F(CustomerIdentity, BirthDateBeforeCustomerSinceAndNotInTheFuture) {
    loadAll();
    master().Edit();
    master().FieldByName("DTCADACLIE").SetAsString("01/01/2019");
    master().FieldByName("DTNASCCLIE").SetAsString("01/01/2020");
    form().boErroValida = false;
    EXPECT_THROW(form().Vd_DtNascFund(), Abort);
    ASSERT_FALSE(messages.shown.empty());
    EXPECT_EQ(messages.shown.back().text, "Dt.Nascimento/fundação deve ser menor que a data cliente desde.");
    EXPECT_TRUE(form().boErroValida);

    master().FieldByName("DTCADACLIE").Clear();
    master().FieldByName("DTNASCCLIE").SetAsString("01/01/2099");
    EXPECT_THROW(form().Vd_DtNascFund(), Abort);
    EXPECT_EQ(messages.shown.back().text, "Dt.Nascimento/fundação deve ser menor do que a data atual.");
    master().FieldByName("DTNASCCLIE").SetAsString("01/01/2000");
    EXPECT_NO_THROW(form().Vd_DtNascFund());
    master().Cancel();
}

TEST_F(CustomerIdentity, ExternalAndServiceCodesTakenByAnotherCustomerAreRefusedUntilChanged) {
    const std::string owner = customerCodes().at(0);
    dtmDBGeral()->execute(
        "UPDATE CLIENTE SET CDEXCLIENTE = 'EXT-A', CDIDCLIENTE = '0042' WHERE CDCLIENTE = :C",
        {{"C", Variant(owner)}});
    loadAll();
    ClientDataSet& m = master();
    ASSERT_TRUE(m.Locate("CDCLIENTE", Variant(owner)));
    // The owner's own codes, unchanged, are not looked up again.
    m.Edit();
    EXPECT_EQ(post(), "");
    EXPECT_EQ(m.State(), DataSetState::Browse);

    ASSERT_TRUE(m.Locate("CDCLIENTE", Variant(customerCodes().at(1))));
    m.Edit();
    m.FieldByName("CDEXCLIENTE").SetAsString("EXT-A");
    // Refused, and again on the next try: the check does not remember the code it refused.
    EXPECT_EQ(post(), "Código Externo já Cadastrado para outro Cliente.");
    EXPECT_EQ(post(), "Código Externo já Cadastrado para outro Cliente.");
    EXPECT_EQ(m.State(), DataSetState::Edit) << "the record stays as typed";
    EXPECT_EQ(m.FieldByName("CDEXCLIENTE").AsString(), "EXT-A");
    m.FieldByName("CDEXCLIENTE").SetAsString("EXT-B");
    // The service code compares as a number: 42 is 0042.
    m.FieldByName("CDIDCLIENTE").SetAsString("42");
    EXPECT_EQ(post(), "Código de atendimento já cadastrado.");
    m.FieldByName("CDIDCLIENTE").SetAsString("43");
    EXPECT_EQ(post(), "");
}

} // namespace
} // namespace vq

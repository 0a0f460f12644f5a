// The classification lookups' common rule and special checks on the live customer form: stored widths,
// codes too long for their width, which checks set boErroValida, and the placeholders of the index and the
// applied material.

#include "customer/Vqm41200.h"
#include "filter_report/Vqm41202.h"
#include "framework/services/db_geral.h"
#include "platform/data/error.h"
#include "platform/db/connection.h"
#include "platform/gui/buttons.h"
#include "platform/gui/db_controls.h"
#include "platform/gui/page_control.h"
#include "tests/gui/gui_test_support.h"
#include "tests/module/module_test_support.h"

#include <gtest/gtest.h>

namespace vq {
namespace {

using test::ModalAnswers;

class ClassificationChecks : public test::ModuleTest {
protected:
    void SetUp() override {
        ModuleTest::SetUp();
        CriaClienteModal("", "", "", "", "", "", false, false);
        ASSERT_TRUE(Vqm41200::unit().frmCliente);
        ModalAnswers answers;
        answers.on("TfrmFilCliente",
                   [](gui::FormBase& f) { dynamic_cast<TfrmFilCliente&>(f).sbtConfirma->Click(); });
        form().cmd.sbtFiltro->Click();
        master().Edit();
    }
    void TearDown() override {
        if (master().editing())
            master().Cancel();
        ModuleTest::TearDown();
    }
    TfrmCliente& form() { return *Vqm41200::unit().frmCliente; }
    ClientDataSet& master() { return form().cdsCliente(); }
    std::string field(const char* name) { return master().FieldByName(name).AsString(); }
    // The text the check refused with ("" when it passed), and whether it set boErroValida.
    std::pair<std::string, bool> refusal(const std::function<void()>& check) {
        messages.shown.clear();
        form().boErroValida = false;
        try {
            check();
        } catch (const Abort&) {
            return {messages.shown.empty() ? "?" : messages.shown.back().text, form().boErroValida};
        }
        return {"", form().boErroValida};
    }

    gui::test::MessageRecorder messages;
};

TEST_F(ClassificationChecks, CodesAreStoredInTheirWidthAndNeverCut) {
    form().cls.dbeCdGrupClie->SetText("2");
    EXPECT_EQ(refusal([this] { form().Vd_GrupClie(); }).first, "");
    EXPECT_EQ(field("CDGRUPCLIE"), "0000000002");
    EXPECT_EQ(field("NMGRUPCLIE"), "Grandes Contas");

    // Eleven digits for a width of ten: not registered, whatever its last ten would find.
    form().cls.dbeCdGrupClie->SetText("10000000002");
    EXPECT_EQ(refusal([this] { form().Vd_GrupClie(); }),
              (std::pair<std::string, bool>{"Grupo de Clientes não cadastrado.", true}));

    form().cls.dbeVendedor->SetText("3");
    EXPECT_EQ(refusal([this] { form().Vd_Vendedor(false); }).first, "");
    EXPECT_EQ(field("CDVENDEDOR"), "0003");
    form().cls.dbeVendedor->SetText("");
    EXPECT_EQ(refusal([this] { form().Vd_Vendedor(true); }).first, "Vendedor deve ser informado.");
    EXPECT_EQ(refusal([this] { form().Vd_Vendedor(false); }).first, "");
}

TEST_F(ClassificationChecks, EachCheckSetsTheFailureFlagOrNotAsItsRowSays) {
    gui::TabSheet* before = form().pgcPadrao->ActivePage();
    form().detail.dbeCdRegiao->SetText("9");
    EXPECT_EQ(refusal([this] { form().Vd_Regiao(); }),
              (std::pair<std::string, bool>{"Região não cadastrada.", true}));
    EXPECT_EQ(form().pgcPadrao->ActivePage(), before); // the region check stays on its page
    EXPECT_EQ(field("CDREGIAOPED"), "009");

    form().detail.dbeCdIdioma->SetText("XYZ");
    EXPECT_EQ(refusal([this] { form().Vd_Idioma(); }),
              (std::pair<std::string, bool>{"Idioma não cadastrado.", false}));
    form().detail.dbeCdIdioma->SetText("ENG");
    EXPECT_EQ(refusal([this] { form().Vd_Idioma(); }).first, "");
    EXPECT_EQ(form().detail.edtNmIdioma->Text(), "Inglês");

    form().form.dbeCentCusto->SetText("9.99");
    EXPECT_EQ(refusal([this] { form().Vd_CentCusto(); }),
              (std::pair<std::string, bool>{"Centro de custo não cadastrado", true}));
}

TEST_F(ClassificationChecks, EmptyIndexAndAppliedMaterialStoreTheirPlaceholders) {
    form().cls.dbeSgIndice->SetText("");
    EXPECT_EQ(refusal([this] { form().Vd_Indice(true); }).first, "Moeda não cadastrada.");
    EXPECT_EQ(refusal([this] { form().Vd_Indice(false); }).first, "");
    for (const char* f : {"CDINDICE", "SGINDICE", "CDTPINDICE", "IDPERVALOR"})
        EXPECT_EQ(field(f), "*") << f;

    form().cls.dbeSgIndice->SetText("US$"); // the change asks for the index again
    EXPECT_EQ(refusal([this] { form().Vd_Indice(false); }).first, "");
    EXPECT_EQ(field("CDINDICE"), "0002");
    EXPECT_EQ(field("NMINDICE"), "Dólar Comercial");

    master().FieldByName("CDARVMATAPLIC").Clear();
    EXPECT_EQ(refusal([this] { form().Vd_ProdMatAplic(); }).first, "");
    EXPECT_EQ(field("CDPRODMATAPLIC"), "*");
}

TEST_F(ClassificationChecks, AnAbbreviationTakenByAnotherCustomerIsRefusedItsOwnerSavesAgain) {
    const std::string owner = customerCodes().at(1);
    dtmDBGeral()->execute("UPDATE CLIENTE SET SGARQESPECLIE = 'ABC' WHERE CDCLIENTE = :C",
                          {{"C", Variant(owner)}});
    form().form.dbeSigla->SetText("ABC");
    EXPECT_EQ(refusal([this] { form().Vd_Sigla(true); }),
              (std::pair<std::string, bool>{"Sigla para arquivos específicos já cadastrada.", false}));
    form().form.dbeSigla->SetText("AB");
    EXPECT_EQ(refusal([this] { form().Vd_Sigla(true); }).first, "Sigla deve conter 3 dígitos.");

    master().Cancel();
    ASSERT_TRUE(master().Locate("CDCLIENTE", Variant(owner)));
    master().Edit();
    form().form.dbeSigla->SetText("ABC");
    EXPECT_EQ(refusal([this] { form().Vd_Sigla(true); }).first, "");
    dtmDBGeral()->execute("UPDATE CLIENTE SET SGARQESPECLIE = NULL WHERE CDCLIENTE = :C",
                          {{"C", Variant(owner)}});
}

} // namespace
} // namespace vq

// IniProc and the customer form launchers against a real application server: the filter over the
// customer form, the view launch, the automatic registration, reuse of the customer form and its close.

#include "customer/Vqm41200.h"
#include "filter_report/Vqm41202.h"
#include "platform/gui/radio_button.h"
#include "framework/services/vorlane.h"
#include "platform/gui/buttons.h"
#include "platform/gui/db_controls.h"
#include "platform/gui/form_registry.h"
#include "platform/gui/menus.h"
#include "tests/gui/gui_test_support.h"
#include "tests/module/module_test_support.h"

#include <gtest/gtest.h>

namespace vq {
namespace {

using test::ModalAnswers;
using test::unitValue;

class Launchers : public test::ModuleTest {
protected:
    gui::test::MessageRecorder messages{gui::MessageButton::Yes};
    test::CallLog log;
};

void confirmFilter(gui::FormBase& form) {
    dynamic_cast<TfrmFilCliente&>(form).sbtConfirma->Click();
}

TEST_F(Launchers, IniProcWithoutParameterShowsTheCustomerFormAndTheFilterOverIt) {
    ModalAnswers answers;
    bool customerFormUnderFilter = false;
    answers.on("TfrmFilCliente", [&](gui::FormBase& filter) {
        customerFormUnderFilter = Vqm41200::unit().frmCliente && Vqm41200::unit().frmCliente->isVisible() &&
                                  gui::forms::active() == &filter;
        confirmFilter(filter);
    });
    IniProc(nullptr);

    EXPECT_EQ(answers.shown, std::vector<std::string>{"TfrmFilCliente"});
    EXPECT_EQ(answers.captions, std::vector<std::string>{"Filtro de Cliente"});
    EXPECT_TRUE(customerFormUnderFilter);
    ASSERT_TRUE(Vqm41200::unit().frmCliente);
    TfrmCliente& form = *Vqm41200::unit().frmCliente;
    EXPECT_EQ(form.Caption(), "Cliente");
    EXPECT_EQ(unitValue("Vqm41200", "boStCriado"), Variant(true));
    EXPECT_EQ(unitValue("Vqm41200", "frmCliente"), Variant("frmCliente"));
    EXPECT_EQ(form.cdsCliente().RecordCount(), static_cast<int>(customerCodes().size()));
    EXPECT_TRUE(messages.shown.empty()) << messages.shown.front().text;

    // Every criterion on "all": eight (empty, "T") pairs, through the customer form's module.
    const auto calls = log.named("GetCliente");
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].module, "Vqm41200.rdmClientes");
    ASSERT_EQ(calls[0].args.size(), 16u);
    for (std::size_t i = 0; i < 16; ++i)
        EXPECT_EQ(calls[0].args[i], Variant(i % 2 ? "T" : "")) << i;
    EXPECT_EQ(unitValue("Vqm41202", "Filtro.TCLIENTE.all"), Variant(true));

    // A second launch reuses the form; closing it clears the mark and asks for the cache refresh.
    test::flushDeletes();
    CriaCliente();
    test::flushDeletes();
    EXPECT_EQ(test::liveForms("TfrmCliente"), 1);
    EXPECT_EQ(Vqm41200::unit().frmCliente.data(), &form);
    EXPECT_EQ(answers.shown.size(), 2u) << "the filter opens again";

    Vorlane::clearLocalCacheRequests();
    Vqm41200::unit().boIdCriado = true;
    form.Close();
    EXPECT_EQ(unitValue("Vqm41200", "boStCriado"), Variant(false));
    EXPECT_EQ(unitValue("Vqm41200", "boIdCriado"), Variant(false));
    ASSERT_EQ(Vorlane::localCacheRequests().size(), 1u);
    EXPECT_EQ(Vorlane::localCacheRequests()[0], (std::vector<std::string>{"CLIENTE", "ENDECLIE"}));
    test::flushDeletes();
    EXPECT_EQ(test::liveForms("TfrmCliente"), 0);

    CriaCliente();
    EXPECT_EQ(test::liveForms("TfrmCliente"), 1);
    EXPECT_EQ(unitValue("Vqm41200", "boStCriado"), Variant(true));
}

TEST_F(Launchers, ViewLaunchOpensTheFormModallyForViewingWithTheFilterOnOneCustomer) {
    const std::string code = customerCodes().back();
    ModalAnswers answers;
    std::string listAtFilter;
    bool listButtonChecked = false;
    answers.on("TfrmFilCliente", [&](gui::FormBase& filter) {
        listAtFilter = Vqm41202::unit().stCliente;
        listButtonChecked = dynamic_cast<TfrmFilCliente&>(filter).rbtCliente->Checked();
        confirmFilter(filter);
    });
    bool insertEnabled = true;
    int rows = -1;
    std::string shownCode;
    answers.on("TfrmCliente", [&](gui::FormBase& form) {
        auto& customer = dynamic_cast<TfrmCliente&>(form);
        insertEnabled = customer.mnuIncluir->Enabled();
        rows = customer.cdsCliente().RecordCount();
        shownCode = customer.currentCode();
    });
    const Variant param(VariantArray{Variant("VISUALIZA_CLIENTE"), Variant(false), Variant(code)});
    IniProc(&param);

    EXPECT_EQ(answers.shown, (std::vector<std::string>{"TfrmCliente", "TfrmFilCliente"}));
    EXPECT_EQ(listAtFilter, "_" + code + "_");
    EXPECT_TRUE(listButtonChecked);
    EXPECT_EQ(rows, 1);
    EXPECT_EQ(shownCode, code);
    EXPECT_FALSE(insertEnabled);
    EXPECT_EQ(unitValue("Vqm41200", "boHabAlt"), Variant(false));
    EXPECT_EQ(unitValue("Vqm41200", "boCriaFiltro"), Variant(false));
    EXPECT_EQ(unitValue("Vqm41202", "Filtro.TCLIENTE.all"), Variant(false));
    EXPECT_EQ(unitValue("Vqm41202", "Filtro.TCLIENTE.list"), Variant("_" + code + "_"));
    const auto calls = log.named("GetCliente");
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].args[0], Variant("_" + code + "_"));
    EXPECT_EQ(calls[0].args[1], Variant(""));
    EXPECT_EQ(unitValue("Vqm41200", "boStCriado"), Variant(false)) << "closed when the modal showing ended";
    EXPECT_TRUE(messages.shown.empty()) << messages.shown.front().text;
}

TEST_F(Launchers, FourElementArrayStartsAModalRegistrationWithTheLaunchValues) {
    ModalAnswers answers;
    std::map<std::string, std::string> seen;
    answers.on("TfrmCliente", [&](gui::FormBase& form) {
        auto& customer = dynamic_cast<TfrmCliente&>(form);
        ClientDataSet& master = customer.cdsCliente();
        ClientDataSet& address = customer.data().cdsEndeClieNorm();
        seen["state"] = master.State() == DataSetState::Insert ? "insert" : "other";
        seen["NRINSJURINFO"] = master.FieldByName("NRINSJURINFO").AsString();
        seen["NRINSJURCLIE"] = master.FieldByName("NRINSJURCLIE").AsString();
        seen["CDPAIS"] = address.FieldByName("CDPAIS").AsString();
        seen["SGESTADO"] = address.FieldByName("SGESTADO").AsString();
        seen["CDMUNICIPIO"] = address.FieldByName("CDMUNICIPIO").AsString();
        seen["typing"] = customer.form.dbeNrInsJurClie->Enabled() ? "yes" : "no";
    });
    const Variant param(
        VariantArray{Variant("11222333000181"), Variant("0055"), Variant("SP"), Variant("3550")});
    IniProc(&param);

    EXPECT_EQ(answers.shown, std::vector<std::string>{"TfrmCliente"}) << "no filter in a registration";
    EXPECT_EQ(seen["state"], "insert");
    EXPECT_EQ(seen["NRINSJURINFO"], "11222333000181");
    EXPECT_EQ(seen["NRINSJURCLIE"], "11222333000181");
    EXPECT_EQ(seen["CDPAIS"], "0055");
    EXPECT_EQ(seen["SGESTADO"], "SP");
    EXPECT_EQ(seen["CDMUNICIPIO"], "3550");
    // The code's exit check made it a CNPJ ("J"), which carries the issuing registration: not typed.
    EXPECT_EQ(seen["typing"], "no");
    EXPECT_EQ(unitValue("Vqm41200", "boCadAut"), Variant(false));
    EXPECT_EQ(unitValue("Vqm41200", "boShowModal"), Variant(true));
    EXPECT_EQ(unitValue("Vqm41200", "stNrInsJur"), Variant("11222333000181"));
}

TEST_F(Launchers, IniProcReportsAParameterItCannotReadAndSatellitesNeedTheCustomerForm) {
    const Variant shortArray(VariantArray{Variant("VISUALIZA_CLIENTE"), Variant(false)});
    IniProc(&shortArray);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, gui::MessageKind::Error);
    EXPECT_EQ(messages.shown[0].text,
              "Para visualizar um cliente informe a permissão de alteração e o código do cliente.");

    CriaListaTransp();
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[1].text, "O cadastro de clientes não está aberto.");
    EXPECT_EQ(test::liveForms("TfrmListaTransp"), 0);
}

} // namespace
} // namespace vq

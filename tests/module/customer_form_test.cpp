// The customer form over the seeded server: what it shows of the loaded customers.

#include "customer/Vqm41200.h"
#include "filter_report/Vqm41202.h"
#include "platform/data/log.h"
#include "platform/gui/buttons.h"
#include "tests/gui/gui_test_support.h"
#include "tests/module/module_test_support.h"

#include <gtest/gtest.h>
#include <set>

namespace vq {
namespace {

using test::ModalAnswers;

class CustomerForm : public test::ModuleTest {
protected:
    void SetUp() override {
        ModuleTest::SetUp();
        CriaClienteModal("", "", "", "", "", "", false, false);
        ASSERT_TRUE(Vqm41200::unit().frmCliente);
    }
    TfrmCliente& form() { return *Vqm41200::unit().frmCliente; }

    // Every seeded customer, through the filter with its defaults.
    void loadAll() {
        ModalAnswers answers;
        answers.on("TfrmFilCliente",
                   [](gui::FormBase& f) { dynamic_cast<TfrmFilCliente&>(f).sbtConfirma->Click(); });
        form().cmd.sbtFiltro->Click();
    }

    gui::test::MessageRecorder messages;
};

TEST_F(CustomerForm, CodedFieldsShowTheirWordsWithoutMissingTexts) {
    loadAll();
    ClientDataSet& ds = form().cdsCliente();
    ASSERT_GT(ds.RecordCount(), 0);
    std::vector<std::string> warnings;
    log::setSink([&](log::Level level, std::string_view line) {
        if (level >= log::Level::Warn)
            warnings.emplace_back(line);
    });
    std::set<std::string> shown;
    for (ds.First(); !ds.Eof(); ds.Next()) {
        shown.insert(ds.FieldByName("IDCLIEATIV").DisplayText());
        shown.insert(ds.FieldByName("IDTPIJURINFO").DisplayText());
    }
    log::setSink({});
    EXPECT_TRUE(warnings.empty()) << warnings.front();
    EXPECT_TRUE(shown.count("Ativo")) << "active customers read as words";
    EXPECT_TRUE(shown.count("Jurídica") || shown.count("Física"));
    EXPECT_TRUE(messages.shown.empty()) << messages.shown.front().text;
}

} // namespace
} // namespace vq

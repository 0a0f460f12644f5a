// The driver's input commands against a form of the test's own (the module's forms are driven in
// driver_e2e_test.cpp): typing through masks and key filters, choices, dialog answers and lookups.

#include "host/driver.h"
#include "platform/data/error.h"
#include "platform/gui/buttons.h"
#include "platform/gui/choices.h"
#include "platform/gui/containers.h"
#include "platform/gui/edit.h"
#include "platform/gui/form_base.h"
#include "platform/gui/page_control.h"
#include "platform/gui/seams.h"

#include <gtest/gtest.h>
#include <memory>

namespace vq::host {
namespace {

template <class T> T* add(gui::FormBase& form, const char* name, int row) {
    auto* w = new T(&form); // owned by the form
    w->setObjectName(QString::fromUtf8(name));
    gui::gridOf(form).addWidget(w, row, 0);
    return w;
}

struct TestForm : gui::FormBase {
    TestForm() : FormBase("TfrmTeste") {
        medCodigo = add<gui::Edit>(*this, "medCodigo", 0);
        medCodigo->SetEditMask("99.999;0;_");
        edtNome = add<gui::Edit>(*this, "edtNome", 1);
        edtNome->OnKeyPress = [](char16_t& key) {
            if (key >= u'a' && key <= u'z')
                key = static_cast<char16_t>(key - u'a' + u'A');
        };
        cbbTipo = add<gui::ComboBox>(*this, "cbbTipo", 2);
        cbbTipo->SetStyle(gui::ComboStyle::DropDownList);
        cbbTipo->SetItems({"Física", "Jurídica"});
        pgcDados = add<gui::PageControl>(*this, "pgcDados", 3);
        pgcDados->AddPage("tshUm", "Um");
        pgcDados->AddPage("tshDois", "Dois");
        btnPerguntar = add<gui::Button>(*this, "btnPerguntar", 4);
        btnPerguntar->OnClick = [this] {
            answered = gui::confirm("Continuar?");
            if (!answered)
                throw Error("Cancelado pelo usuário.");
        };
        sbtBuscar = add<gui::ToolButton>(*this, "sbtBuscar", 5);
        sbtBuscar->OnClick = [this] {
            gui::ChoiceRequest request;
            request.caption = "Bancos";
            request.rows = {{"001", "Banco A"}, {"237", "Banco B"}};
            request.keys = {"001", "237"};
            const gui::RowChoice row = gui::seams::lookup()(request);
            chosen = row ? request.keys[*row] : "none";
        };
        btnDesligado = add<gui::Button>(*this, "btnDesligado", 6);
        btnDesligado->SetEnabled(false);
    }
    gui::Edit *medCodigo, *edtNome;
    gui::ComboBox* cbbTipo;
    gui::PageControl* pgcDados;
    gui::Button *btnPerguntar, *btnDesligado;
    gui::ToolButton* sbtBuscar;
    bool answered = false;
    std::string chosen;
};

std::vector<std::string> lines(std::initializer_list<const char*> l) {
    return {l.begin(), l.end()};
}

class DriverCommands : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        DriverOptions o;
        o.moduleDir = VQ_HOST_MODULE_DIR;
        o.seedCustomers = 0;
        driver_ = std::make_unique<Driver>(std::move(o));
    }
    static void TearDownTestSuite() { driver_.reset(); }
    void SetUp() override {
        form_ = std::make_unique<TestForm>();
        form_->Show();
    }
    static inline std::unique_ptr<Driver> driver_;
    std::unique_ptr<TestForm> form_;
};

TEST_F(DriverCommands, TypingGoesThroughMasksAndKeyFilters) {
    const DriverResult r = driver_->run(R"(
        form TfrmTeste
        set medCodigo 12a345        # the letter is refused by the mask
        type edtNome "acme ltda"
        key edtNome Backspace
        select cbbTipo Jurídica
        select pgcDados 1
        print medCodigo.text medCodigo.mask edtNome.text cbbTipo.itemIndex pgcDados.activePage
        set medCodigo 9
        print medCodigo.text btnDesligado.enabled frmTeste.caption
    )");
    ASSERT_EQ(r.exitCode, 0) << r.error;
    EXPECT_EQ(r.output, lines({"medCodigo.text=12345", "medCodigo.mask=99.999;0;_", "edtNome.text=ACME LTD",
                               "cbbTipo.itemIndex=1", "pgcDados.activePage=tshDois", "medCodigo.text=9",
                               "btnDesligado.enabled=false", "frmTeste.caption="}));
}

TEST_F(DriverCommands, AnswersAndPicksAreUsedInOrderAndMessagesRecorded) {
    const DriverResult r = driver_->run(R"(
        answer no
        click btnPerguntar
        expect error "Cancelado pelo usuário."
        answer yes
        click btnPerguntar
        pick 237
        click sbtBuscar
        print messages
    )");
    ASSERT_EQ(r.exitCode, 0) << r.error;
    EXPECT_TRUE(form_->answered);
    EXPECT_EQ(form_->chosen, "237");
    EXPECT_EQ(r.output, lines({"message=confirm: Continuar?", "message=error: Cancelado pelo usuário.",
                               "message=confirm: Continuar?"}));

    EXPECT_EQ(driver_->run("pick 0\nclick sbtBuscar\n").exitCode, 0);
    EXPECT_EQ(form_->chosen, "001") << "a number that is no key is the row";
    EXPECT_EQ(driver_->run("click sbtBuscar\n").exitCode, 0);
    EXPECT_EQ(form_->chosen, "none") << "nothing queued: nothing chosen";
}

TEST_F(DriverCommands, UnusableTargetsStopTheScript) {
    DriverResult r = driver_->run("click btnDesligado\n");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.error.find("desabilitado"), std::string::npos) << r.error;

    r = driver_->run("print edtNome.text\npick 999\nclick sbtBuscar\nprint edtNome.text\n");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.line, 2) << "the pick that matched no row";

    r = driver_->run("key edtNome Hiper\n");
    EXPECT_EQ(r.exitCode, 1);
    r = driver_->run("select cbbTipo Estrangeira\n");
    EXPECT_EQ(r.exitCode, 1);
    r = driver_->run("print edtNome.activePage\n");
    EXPECT_EQ(r.exitCode, 1);
    r = driver_->run("settings bogus=1\n");
    EXPECT_EQ(r.exitCode, 1);
}

} // namespace
} // namespace vq::host

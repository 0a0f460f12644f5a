// The customer's side lists against the in-process server: the e-mail per branch (edited, never added),
// the additional salespeople (checks, commission total, the refused row reverted on cancel) and the
// carrier list (registration checks before the list is saved).

#include "customer/Vqm41200.h"
#include "filter_report/Vqm41202.h"
#include "platform/gui/buttons.h"
#include "platform/gui/db_grid.h"
#include "platform/gui/edit.h"
#include "services/app_server.h"
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

class SideLists : public test::ModuleTest {
protected:
    void SetUp() override {
        ModuleTest::SetUp();
        CriaClienteModal("", "", "", "", "", "", false, false);
        ASSERT_TRUE(Vqm41200::unit().frmCliente);
        code_ = customerCodes().front();
        services::setupConnection(net_, services::kRdmClientes);
        services::connectToServer(net_);
    }
    DataPacket rows(std::string_view method, VariantArray args) { return net_.Call(method, args).asPacket(); }
    std::string lastMessage() const { return messages.shown.empty() ? "" : messages.shown.back().text; }

    std::string code_;
    net::TNetConnection net_;
    gui::test::MessageRecorder messages{gui::MessageButton::Yes};
};

TEST_F(SideLists, EmailListEditsTheBranchesAndSendsOneChangeLog) {
    const std::size_t branches = rows("GetEmailClieFil", {code_}).rowCount();
    ASSERT_GT(branches, 1u);
    ModalAnswers answers;
    answers.on("TfrmInfEmailClie", [&](gui::FormBase& f) {
        auto& form = dynamic_cast<TfrmInfEmailClie&>(f);
        EXPECT_EQ(form.cdsCliente.RecordCount(), static_cast<int>(branches));
        EXPECT_FALSE(form.edtRazSocial->Text().empty());
        form.sbtIncluirClick();
        EXPECT_EQ(form.cdsCliente.RecordCount(), static_cast<int>(branches)) << "insert adds no row";
        EXPECT_FALSE(form.sbtIncluir->isEnabled());
        test::CallLog log;
        form.dbgPadrao->SetCellText(0, "DSEMAILDANFEBOL", "nfe@cliente.com.br");
        form.sbtConfirmarClick();
        ASSERT_EQ(log.named("SetEmailClie").size(), 1u);
        EXPECT_EQ(log.calls.size(), 1u);
        EXPECT_EQ(form.cdsCliente.ChangeCount(), 0);
    });
    CriaInfEmailClie(code_.c_str());
    const DataPacket stored = rows("GetEmailClieFil", {code_});
    EXPECT_EQ(stored.rows().at(0).at(stored.fieldIndex("DSEMAILDANFEBOL")).toString(), "nfe@cliente.com.br");

    Vqm41203::unit().boIdCriado = false;
    answers.on("TfrmInfEmailClie", [&](gui::FormBase& f) {
        EXPECT_EQ(dynamic_cast<TfrmInfEmailClie&>(f).cdsCliente.RecordCount(), 0) << "an unsaved customer";
    });
    CriaInfEmailClie("");
}

class SalespeopleList : public SideLists {
protected:
    void SetUp() override {
        SideLists::SetUp();
        const DataPacket all = rows("GetVendedor", {"", "T"});
        ASSERT_GE(all.rowCount(), 3u);
        for (std::size_t i = 0; i < 3; ++i)
            sellers_.push_back(all.rows()[i][all.fieldIndex("CDVENDEDOR")].toString());
        customer_ = customerCodes().back(); // its group starts empty
        VariantArray clear{Variant(customer_)};
        net_.Call("DelVendAdicClie", clear);
        CriaVendAdicClie(customer_.c_str());
        form_ = Vqm41208::unit().frmVendAdicClie;
        ASSERT_TRUE(form_);
    }
    void TearDown() override {
        if (form_)
            form_->Close();
        SideLists::TearDown();
    }
    // Adds a row as the user does: insert, code, commission, confirm. False when refused.
    bool add(const std::string& seller, const std::string& commission) {
        const std::size_t before = messages.shown.size();
        try {
            form_->sbtIncluirClick();
            const int row = form_->cdsVendAdicClie.RecNo() - 1;
            form_->dbgPadrao->SetCellText(row, "CDVENDEDOR", seller);
            form_->dbgPadrao->SetCellText(row, "VRPECOMVEN", commission);
            form_->sbtConfirmarClick();
        } catch (const Abort&) {
        }
        return messages.shown.size() == before;
    }
    int stored() { return static_cast<int>(rows("GetVendAdicClie", {customer_}).rowCount()); }

    std::vector<std::string> sellers_;
    std::string customer_;
    QPointer<TfrmVendAdicClie> form_;
};

TEST_F(SalespeopleList, CommissionsTotalAtMostAHundredInHundredths) {
    ASSERT_TRUE(add(sellers_[0], "60"));
    EXPECT_FALSE(add(sellers_[1], "41"));
    EXPECT_EQ(lastMessage(), "Soma do(s) percentual(is) da(s) comissão(ões) deve totalizar no máximo 100%.");
    EXPECT_EQ(form_->cdsVendAdicClie.State(), DataSetState::Edit) << "the refused row is reopened";
    EXPECT_EQ(stored(), 1);
    form_->sbtCancelarClick();
    EXPECT_EQ(form_->cdsVendAdicClie.RecordCount(), 1) << "cancelling reverts the refused row";
    EXPECT_EQ(form_->cdsVendAdicClie.ChangeCount(), 0);

    form_->cdsVendAdicClie.First();
    form_->cdsVendAdicClie.Edit();
    form_->cdsVendAdicClie.FieldByName("VRPECOMVEN").SetAsFloat(16.1);
    form_->sbtConfirmarClick();
    ASSERT_TRUE(add(sellers_[1], "48,2"));
    ASSERT_TRUE(add(sellers_[2], "35,7")) << lastMessage();
    EXPECT_EQ(stored(), 3);
}

TEST_F(SalespeopleList, CodeChecksAndARepointedListReadsTheNewCustomer) {
    ASSERT_TRUE(add(sellers_[0], "10"));
    EXPECT_FALSE(add(sellers_[0], "10"));
    EXPECT_EQ(lastMessage(), "Vendedor já cadastrado.");
    form_->sbtCancelarClick();
    EXPECT_FALSE(add("ZZZZ", "10"));
    EXPECT_EQ(lastMessage(), "Vendedor não cadastrado.");
    form_->sbtCancelarClick();
    EXPECT_FALSE(add("", "10"));
    EXPECT_EQ(lastMessage(), "Código deve ser informado.");

    // With a row in edit the list stays on its customer.
    CriaVendAdicClie(code_.c_str());
    EXPECT_EQ(Vqm41208::unit().stCliente, customer_);
    form_->sbtCancelarClick();
    test::CallLog log;
    CriaVendAdicClie(code_.c_str());
    EXPECT_EQ(Vqm41208::unit().stCliente, code_);
    ASSERT_EQ(log.named("GetVendAdicClie").size(), 1u);
    EXPECT_EQ(form_->cdsVendAdicClie.RecordCount(),
              static_cast<int>(rows("GetVendAdicClie", {code_}).rowCount()));
}

TEST_F(SideLists, CarrierListChecksRegistrationsBeforeSaving) {
    ModalAnswers answers;
    answers.on("TfrmFilCliente",
               [](gui::FormBase& f) { dynamic_cast<TfrmFilCliente&>(f).sbtConfirma->Click(); });
    Vqm41200::unit().frmCliente->cmd.sbtFiltro->Click();
    ASSERT_FALSE(Vqm41200::unit().frmCliente->currentCode().empty());
    const DataPacket carriers = rows("GetPesquisaListaTransp", {true, "", ""});
    ASSERT_GE(carriers.rowCount(), 2u);
    const auto number = [&](std::size_t i) {
        return carriers.rows()[i][carriers.fieldIndex("NRINSJURTRAN")].toString();
    };
    answers.on("TfrmListaTransp", [&](gui::FormBase& f) {
        auto& form = dynamic_cast<TfrmListaTransp&>(f);
        ClientDataSet& ds = form.cdsPadrao;
        const int before = ds.RecordCount();
        const auto add = [&](const std::string& nr) {
            form.sbtIncluirClick();
            ds.FieldByName("NRINSJURTRAN").SetAsString(nr);
            try {
                form.sbtConfirmarClick();
            } catch (const Abort&) {
            }
        };
        add("");
        EXPECT_EQ(lastMessage(), "Inscrição deve ser informada");
        ds.Cancel();
        add("00000000000000");
        EXPECT_EQ(lastMessage(), "Inscrição não encontrada");
        ds.Cancel();
        add(number(0));
        EXPECT_EQ(ds.RecordCount(), before + 1);
        EXPECT_EQ(ds.ChangeCount(), 0);
        add(number(0));
        EXPECT_EQ(lastMessage(), "Transportadora já cadastrada para este cliente");
        ds.Cancel();
        form.sbtFecharClick();
    });
    CriaListaTransp();
    EXPECT_FALSE(Vqm41200::unit().boIdCriado);
}

} // namespace
} // namespace vq

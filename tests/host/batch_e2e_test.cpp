// The batch assignment forms through the driver, over the real module and the embedded server: the calls
// each confirm makes (and those it must not make), the messages, and what each rule stores.

#include "framework/services/db_geral.h"
#include "host/driver.h"
#include "platform/db/connection.h"
#include "tests/host/e2e_support.h"

#include <gtest/gtest.h>
#include <memory>

namespace vq::host {
namespace {

constexpr const char* kOpen = "call IniProc null\nform TfrmFilCliente\nclick sbtConfirma\nform TfrmCliente\n";

using e2e::printedAll;

class BatchE2E : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        DriverOptions o;
        o.moduleDir = VQ_HOST_MODULE_DIR;
        o.seedCustomers = 12;
        driver_ = std::make_unique<Driver>(std::move(o));
        const DriverResult r = driver_->run(kOpen);
        ASSERT_EQ(r.exitCode, 0) << r.error;
    }
    static void TearDownTestSuite() { driver_.reset(); }

    // Calls made before the script (the customer form's) are printed away first.
    DriverResult run(const std::string& script) {
        driver_->run("print calls\n");
        DriverResult r = driver_->run(script);
        EXPECT_EQ(r.exitCode, 0) << e2e::describe(r);
        return r;
    }
    static db::Connection& db() { return *dtmDBGeral(); }
    static std::string scalar(const std::string& sql) {
        const db::ResultSet rs = db().query(sql);
        return rs.empty() ? std::string() : rs.rows().front().front().toString();
    }
    // The codes of the first `n` customers in name order, in the list form.
    static std::string firstByName(int n) {
        std::string list;
        const db::ResultSet rs = db().query("SELECT CDCLIENTE FROM CLIENTE ORDER BY NMRAZSOCCLIE, CDCLIENTE");
        for (int i = 0; i < n; ++i)
            list += "_" + rs.rows()[static_cast<std::size_t>(i)][0].toString() + "_";
        return list;
    }
    static std::vector<std::string> calls(const DriverResult& r) { return printedAll(r, "call"); }

    static std::unique_ptr<Driver> driver_;
};

std::unique_ptr<Driver> BatchE2E::driver_;

TEST_F(BatchE2E, RetentionsAreCheckedAndSentWithTheirSequentials) {
    // Both codes blank, every customer: -1 and -1 with "T".
    DriverResult r =
        run("click pmnCadAutECF\nform TfrmCadRetECF\nprint calls\n"
            "print cdsRetECF.recordCount btpCliente.enabled\n"
            "answer yes\nclick sbtConfirma\nexpect info \"Cadastramento automático realizado com "
            "sucesso.\"\nprint calls\nclose TfrmCadRetECF\n");
    EXPECT_EQ(printedAll(r, "cdsRetECF.recordCount"), (std::vector<std::string>{"5"}));
    EXPECT_EQ(printedAll(r, "btpCliente.enabled"), (std::vector<std::string>{"false"}));
    EXPECT_EQ(calls(r), (std::vector<std::string>{"Vqm41200.rdmClientes.getRetECF([])",
                                                  "Vqm41200.rdmClientes.setCadAuto([\"T\",-1,-1])"}));

    // A code that exists only for CSLL is taken as IRPJ; an unknown code stops with its kind named; a
    // picked list goes in name order; "No" sends nothing.
    const std::string list = firstByName(2);
    r = run("click pmnCadAutECF\nform TfrmCadRetECF\n"
            "focus medIRPJ\nset medIRPJ 9999\nfocus medCSLL\n"
            "expect error \"Código de retenção de IRPJ não cadastrado.\"\nprint medIRPJ.focused\n"
            "set medIRPJ 5952\nfocus medCSLL\nprint edtNmIRPJ.text\n"
            "focus medCSLL\nset medCSLL 1708\nfocus medIRPJ\n"
            "click rbtLista\nclick sbtConfirma\nexpect error \"Cliente deve ser informado.\"\n"
            "pick 0,1\nkey rbtLista F9\nprint calls\n"
            "answer no\nclick sbtConfirma\nexpect confirm \"Confirma cadastramento automático para as "
            "retenções e "
            "clientes selecionados?\"\nprint calls\n"
            "answer yes\nclick sbtConfirma\nprint calls\nclose TfrmCadRetECF\n");
    EXPECT_EQ(printedAll(r, "medIRPJ.focused"), (std::vector<std::string>{"true"}));
    EXPECT_EQ(printedAll(r, "edtNmIRPJ.text"),
              (std::vector<std::string>{"Retenção de CSLL, Cofins e PIS/Pasep sobre serviços prestados"}));
    EXPECT_EQ(calls(r),
              (std::vector<std::string>{"Vqm41200.rdmClientes.getRetECF([])",
                                        "Vqm41200.rdmClientes.setCadAuto([\"" + list + "\",2,1])"}));
    const std::string first = list.substr(1, list.find('_', 1) - 1);
    EXPECT_EQ(scalar("SELECT CDRETIRPJ || '/' || CDRETCSLL FROM CLIENTE WHERE CDCLIENTE = '" + first + "'"),
              "5952/1708");
}

TEST_F(BatchE2E, PriceTableNeedsAnAddressKindWithGeographyAndBecomesTheOnlyPrincipal) {
    DriverResult r =
        run("click mnuCadAutTabPrecoCli\nform TfrmCadTabPrecoClie\nprint calls\n"
            "focus medCdPrecoBase\nset medCdPrecoBase 3\nfocus rbtTodos\nprint medCdPrecoBase.text "
            "edtNmPrecoBase.text\n"
            "click rbtPais\npick 0055\nclick btnPais\nprint Vqm41206.stCodPais\n"
            "click sbtConfirma\nexpect error \"Tipo de endereço do cliente deve ser informado.\"\n"
            "click rbtTPais\nprint Vqm41206.stCodPais\n"
            "answer yes\nclick sbtConfirma\nexpect info \"Cadastramento automático realizado com "
            "sucesso.\"\nprint calls\nclose TfrmCadTabPrecoClie\n");
    EXPECT_EQ(printedAll(r, "medCdPrecoBase.text"), (std::vector<std::string>{"03"}));
    EXPECT_EQ(printedAll(r, "edtNmPrecoBase.text"), (std::vector<std::string>{"Varejo"}));
    EXPECT_EQ(printedAll(r, "Vqm41206.stCodPais"), (std::vector<std::string>{"_0055_", ""}));
    EXPECT_EQ(calls(r),
              (std::vector<std::string>{"Vqm41200.rdmClientes.setCadAutoTabPrecoClie([\"03\",true,\"\","
                                        "\"\",\"\",\"\",\"T\"])"}));
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM PRECOBASECLI WHERE CDPRECOBASE = '03' AND IDPRBASEPRIN = 'S'"),
              scalar("SELECT COUNT(*) FROM CLIENTE"));
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM PRECOBASECLI WHERE IDPRBASEPRIN = 'S' AND CDPRECOBASE <> '03'"),
              "0");

    // Narrowed to a country no customer has an address in: an information, not an error. Opening again
    // starts from "Todos" and "T".
    db().execute("DELETE FROM ENDECLIE WHERE CDPAIS = '0840'");
    r = run("click mnuCadAutTabPrecoCli\nform TfrmCadTabPrecoClie\nprint Vqm41206.stListaCliente "
            "rbtTodos.checked\n"
            "set medCdPrecoBase 01\nclick chbPrincipal\nclick rbtPais\npick 0840\nclick btnPais\n"
            "select rdgTpEnde \"End. Entrega\"\nanswer yes\nclick sbtConfirma\n"
            "expect info \"Não foram encontrados clientes de acordo com os dados informados.\"\n"
            "print calls\nclose TfrmCadTabPrecoClie\n");
    EXPECT_EQ(printedAll(r, "Vqm41206.stListaCliente"), (std::vector<std::string>{"T"}));
    EXPECT_EQ(printedAll(r, "rbtTodos.checked"), (std::vector<std::string>{"true"}));
    EXPECT_EQ(calls(r), (std::vector<std::string>{"Vqm41200.rdmClientes.setCadAutoTabPrecoClie([\"01\",false,"
                                                  "\"_0840_\",\"\",\"\",\"T\",\"T\"])"}));
}

TEST_F(BatchE2E, GroupCodeKeepsItsTenCharactersAndAFailingCustomerLeavesEveryoneUnchanged) {
    const std::string list = firstByName(2);
    DriverResult r =
        run("click pmnCadAutGrupClie\nform TfrmCadAutGrupClie\nprint calls\n"
            "click rbtLista\nclick sbtConfirma\nexpect error \"Grupo de clientes deve ser informado.\"\n"
            "set medCdGrupoClie 99\nfocus rbtTodos\nexpect error \"Grupo de Clientes não cadastrado.\"\n"
            "print medCdGrupoClie.focused\n"
            "set medCdGrupoClie 3\nfocus rbtLista\nprint medCdGrupoClie.text edtNmGrupoClie.text\n"
            "pick 0,1\nclick btpCliente\nanswer yes\nclick sbtConfirma\nprint calls\n"
            "close TfrmCadAutGrupClie\n");
    EXPECT_EQ(printedAll(r, "medCdGrupoClie.focused"), (std::vector<std::string>{"true"}));
    EXPECT_EQ(printedAll(r, "medCdGrupoClie.text"), (std::vector<std::string>{"0000000003"}));
    EXPECT_EQ(printedAll(r, "edtNmGrupoClie.text"), (std::vector<std::string>{"Distribuidores"}));
    EXPECT_EQ(calls(r), (std::vector<std::string>{
                            "Vqm41200.rdmClientes.GetPesqGrupClie([\"0000000099\",\"\"])",
                            "Vqm41200.rdmClientes.GetPesqGrupClie([\"0000000003\",\"\"])",
                            "Vqm41200.rdmClientes.getClientesEnd([\"\",\"\",\"\",\"\"])",
                            "Vqm41200.rdmClientes.GetPesqGrupClie([\"0000000003\",\"\"])",
                            "Vqm41200.rdmClientes.setCadAutGrupoClie([\"0000000003\",\"\",\"\",\"\",\"\",\"" +
                                list + "\"])"}));
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM CLIENTE WHERE CDGRUPCLIE = '0000000003' AND CDCLIENTE IN ('" +
                     list.substr(1, list.find('_', 1) - 1) + "')"),
              "1");

    // A trigger refusing the last customer: the server's text is shown and nobody changed.
    const std::string before = scalar("SELECT COUNT(*) FROM CLIENTE WHERE CDGRUPCLIE = '0000000005'");
    const std::string last = scalar("SELECT MAX(CDCLIENTE) FROM CLIENTE");
    db().execute("CREATE TRIGGER TG_BLOQUEIO BEFORE UPDATE ON CLIENTE WHEN NEW.CDCLIENTE = '" + last +
                 "' BEGIN SELECT RAISE(ABORT, 'cliente bloqueado'); END");
    r = run("click pmnCadAutGrupClie\nform TfrmCadAutGrupClie\nset medCdGrupoClie 5\nanswer yes\n"
            "click sbtConfirma\nprint messages\nclose TfrmCadAutGrupClie\n");
    db().execute("DROP TRIGGER TG_BLOQUEIO");
    const std::vector<std::string> shown = printedAll(r, "message");
    ASSERT_FALSE(shown.empty());
    EXPECT_NE(shown.back().find("cliente bloqueado"), std::string::npos) << shown.back();
    EXPECT_EQ(shown.back().rfind("error: ", 0), 0u);
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM CLIENTE WHERE CDGRUPCLIE = '0000000005'"), before);
}

TEST_F(BatchE2E, RetentionSearchListsTheCodesAndAChoiceTakesItsSequential) {
    // The search lists code and description; a choice fills the code, its name and its sequential.
    const DriverResult r =
        run("click pmnCadAutECF\nform TfrmCadRetECF\npick 6190\nclick btpIRPJ\n"
            "print lookup medIRPJ.text edtNmIRPJ.text\nfocus medCSLL\nset medCSLL 1708\nfocus medIRPJ\n"
            "print edtNmCSLL.text messages\nanswer yes\nclick sbtConfirma\nprint calls messages\nclose "
            "TfrmCadRetECF\n");
    EXPECT_EQ(printedAll(r, "lookup.caption"), (std::vector<std::string>{"Retenções"}));
    EXPECT_EQ(printedAll(r, "lookup.columns"), (std::vector<std::string>{"Código|Descrição"}));
    const std::vector<std::string> rows = printedAll(r, "lookup.row");
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows.front(), "1708|Remuneração de serviços profissionais prestados por pessoa jurídica");
    EXPECT_EQ(printedAll(r, "medIRPJ.text"), (std::vector<std::string>{"6190"}));
    EXPECT_EQ(printedAll(r, "edtNmIRPJ.text"),
              (std::vector<std::string>{"Órgãos públicos: prestação de serviços em geral"}));
    EXPECT_EQ(
        printedAll(r, "edtNmCSLL.text"),
        (std::vector<std::string>{"Remuneração de serviços profissionais prestados por pessoa jurídica"}));
    EXPECT_EQ(
        printedAll(r, "message"),
        (std::vector<std::string>{"confirm: Confirma cadastramento automático para as retenções e clientes "
                                  "selecionados?",
                                  "info: Cadastramento automático realizado com sucesso."}));
    EXPECT_EQ(calls(r), (std::vector<std::string>{"Vqm41200.rdmClientes.getRetECF([])",
                                                  "Vqm41200.rdmClientes.setCadAuto([\"T\",4,1])"}));
}

} // namespace
} // namespace vq::host

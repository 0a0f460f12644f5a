// The customer form's fiscal attributes through the driver, over the real module and the embedded server on
// a SQLite file of the test's own (so a case can store odd codes first): the calls, the fiscal page's
// combos, the ECF retentions, the invoice texts and their numbering, the series check and the codes the
// record stores for the choices.

#include "host/driver.h"
#include "platform/db/connection.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace vq::host {
namespace {

using Lines = std::vector<std::string>;

Lines prefixed(const DriverResult& r, const std::string& prefix) {
    Lines out;
    for (const std::string& line : r.output)
        if (line.rfind(prefix, 0) == 0)
            out.push_back(line.substr(prefix.size()));
    return out;
}

// The remote calls printed, without the server's module name.
Lines callsOf(const DriverResult& r) {
    Lines calls;
    for (const std::string& line : prefixed(r, "call=Vqm41200.rdmClientes."))
        calls.push_back(line);
    return calls;
}

std::string printed(const DriverResult& r, const std::string& name) {
    for (auto it = r.output.rbegin(); it != r.output.rend(); ++it)
        if (it->rfind(name + "=", 0) == 0)
            return it->substr(name.size() + 1);
    ADD_FAILURE() << name << " not printed";
    return {};
}

class FiscalScript : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir_ = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(dir_->isValid());
        databaseUrl_ = "sqlite:" + dir_->filePath("erp.db").toStdString();
        DriverOptions o;
        o.moduleDir = VQ_HOST_MODULE_DIR;
        o.seedCustomers = 6;
        o.defaultDatabaseUrl = databaseUrl_;
        o.settings["module"] = "9";
        driver_ = std::make_unique<Driver>(std::move(o));
        const DriverResult r = open("print cdsCliente.CDCLIENTE\nclose TfrmCliente\nprint calls messages\n");
        first_ = printed(r, "cdsCliente.CDCLIENTE");
    }
    static void TearDownTestSuite() {
        driver_.reset();
        dir_.reset();
    }
    // Whatever a case left pending is dropped; its calls and messages are printed away.
    void TearDown() override { driver_->run("answer yes\nclose TfrmCliente\nprint calls messages\n"); }

    static DriverResult run(std::string_view script) {
        DriverResult r = driver_->run(script);
        EXPECT_EQ(r.exitCode, 0) << "line " << r.line << ": " << r.error;
        return r;
    }
    // The form over every customer, on the first one, then `script`.
    static DriverResult open(const std::string& script) {
        return run("call IniProc null\nform TfrmFilCliente\nclick sbtConfirma\nform TfrmCliente\n" + script);
    }
    static void store(const std::string& assignments) {
        db::Connection db(databaseUrl_);
        db.execute("UPDATE CLIENTE SET " + assignments + " WHERE CDCLIENTE = :P0", {{"P0", Variant(first_)}});
    }

    static inline std::unique_ptr<QTemporaryDir> dir_;
    static inline std::string databaseUrl_;
    static inline std::unique_ptr<Driver> driver_;
    static inline std::string first_;
};

TEST_F(FiscalScript, RetentionsAreReadOnceAndTheAdditionalDataByCode) {
    const DriverResult r = open("print calls\nclick mnuDadosFiscais\nclick mnuDadAdic\nprint calls\n");
    const Lines calls = callsOf(r);
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "getRetECF([])"), 1);
    EXPECT_EQ(calls.back(), "GetInfoPaginaDadosAdicionais([\"\",\"T\",\"" + first_ + "\"])");
}

TEST_F(FiscalScript, StoredCodesOutsideTheMappingsShowNothingAndStay) {
    store("IDINDCPRB = 'X', IDIDENTCLIE = '07', CDCSTDIG1CLI = '9', IDENDCFOPCLI = 'Z', CDSERIE = '*'");
    const DriverResult r = open(
        "click mnuDadosFiscais\nprint dbcCPRB.text cbbIdentClie.text dbcDigiCST.text dbcDigiCST.itemIndex "
        "cbbEndCFOP.itemIndex messages\nclick sbtAlterar\ntype dbcDigiCST 9\nprint cdsCliente.CDCSTDIG1CLI\n"
        "type dbcDigiCST 4\nprint cdsCliente.CDCSTDIG1CLI dbcDigiCST.text\n"
        "click mnuGeral\nprint dbeCdSerie.text\n");
    EXPECT_EQ(
        printed(r, "dbcCPRB.text"),
        "0 - Não é contribuinte da Contribuição Previdenciária sobre a Receita Bruta (CPRB) - Retenção 11%.");
    EXPECT_EQ(printed(r, "cbbIdentClie.text"), "");
    EXPECT_EQ(printed(r, "dbcDigiCST.itemIndex"), "-1");
    EXPECT_EQ(printed(r, "cbbEndCFOP.itemIndex"), "-1");
    EXPECT_TRUE(prefixed(r, "message=").empty());
    const Lines digits = prefixed(r, "cdsCliente.CDCSTDIG1CLI=");
    EXPECT_EQ(digits, (Lines{"9", "4"})); // "9" stores nothing
    EXPECT_EQ(
        printed(r, "dbcDigiCST.text"),
        "4 - Nacional, cuja produção tenha sido feita em conformidade com os processos produtivos básicos");
    EXPECT_EQ(printed(r, "dbeCdSerie.text"), " ");
    store("IDINDCPRB = '0', IDIDENTCLIE = NULL, CDCSTDIG1CLI = '0', IDENDCFOPCLI = 'P', CDSERIE = '00001'");
}

TEST_F(FiscalScript, TypedRetentionTakesTheRegisteredRowAndAnUnknownOneIsRefused) {
    store("CDRETIRPJ = '1708', NRSEQRETIRPJ = 1, CDRETCSLL = NULL, NRSEQRETCSLL = -1");
    const DriverResult r =
        open("click mnuDadosFiscais\nclick sbtAlterar\nfocus dbeCdRetIRPJ\nset dbeCdRetIRPJ 6190\nfocus "
             "dbeCdRetCSLL\n"
             "print cdsCliente.NRSEQRETIRPJ cdsCliente.DSRETIRPJ\nset dbeCdRetCSLL 9999\nfocus dbeCdRetIRPJ\n"
             "print messages dbeCdRetCSLL.focused\nset dbeCdRetCSLL \"\"\nfocus dbeCdRetIRPJ\n"
             "print cdsCliente.NRSEQRETCSLL cdsCliente.DSRETCSLL\npick 5952\nclick btpCodRecCSLL\n"
             "print cdsCliente.CDRETCSLL cdsCliente.NRSEQRETCSLL cdsCliente.DSRETCSLL\nclick sbtConfirmar\n"
             "print messages\n");
    EXPECT_EQ(printed(r, "cdsCliente.NRSEQRETIRPJ"), "4");
    EXPECT_EQ(printed(r, "cdsCliente.DSRETIRPJ"), "Órgãos públicos: prestação de serviços em geral");
    EXPECT_EQ(prefixed(r, "message=").front(), "error: Retenção não cadastrada.");
    EXPECT_EQ(printed(r, "dbeCdRetCSLL.focused"), "true");
    EXPECT_EQ(printed(r, "cdsCliente.CDRETCSLL"), "5952");
    EXPECT_EQ(printed(r, "cdsCliente.NRSEQRETCSLL"), "2");
    EXPECT_EQ(prefixed(r, "message=").size(), 1u) << "the confirm passes";
    db::Connection db(databaseUrl_);
    const auto rs =
        db.query("SELECT NRSEQRETIRPJ, CDRETCSLL, NRSEQRETCSLL FROM CLIENTE WHERE CDCLIENTE = :P0",
                 {{"P0", Variant(first_)}});
    EXPECT_EQ(rs.value(0, "NRSEQRETIRPJ").toString(), "4");
    EXPECT_EQ(rs.value(0, "NRSEQRETCSLL").toString(), "2");
}

TEST_F(FiscalScript, InvoiceTextsAreCheckedLookedUpAndNumberedBySave) {
    {
        db::Connection db(databaseUrl_);
        db.execute("DELETE FROM MENSCLIENTE WHERE CDCLIENTE = :P0", {{"P0", Variant(first_)}});
    }
    const DriverResult r = open(
        "click mnuDadAdic\nclick sbtAlterar\nkey dbgMensCliente Insert\n"
        "cell dbgMensCliente 0 DSMENSCLIENTE \"Texto livre\"\npick 002\nkey dbgMensCliente Ctrl+Enter\n"
        "print cdsMensCliente.CDMENSAGEM cdsMensCliente.DSMENSCLIENTE\n"
        "cell dbgMensCliente 0 DSMENSCLIENTE \"Texto digitado\"\nprint cdsMensCliente.CDMENSAGEM\n"
        "cell dbgMensCliente 0 IDENTRSAIDMENS Entrada\nclick sbtConfirmar\nclick sbtAlterar\n"
        "key dbgMensCliente Insert\ncell dbgMensCliente 0 DSMENSCLIENTE Segundo\n"
        "cell dbgMensCliente 0 IDENTRSAIDMENS Ambos\nclick sbtConfirmar\nprint cdsMensCliente.recordCount\n"
        "click sbtAlterar\nkey dbgMensCliente Insert\ncell dbgMensCliente 0 IDENTRSAIDMENS Saída\n"
        "click sbtConfirmar\nprint messages\n");
    const Lines codes = prefixed(r, "cdsMensCliente.CDMENSAGEM=");
    EXPECT_EQ(codes, (Lines{"002", ""})); // a typed text is no longer the registered message
    EXPECT_EQ(printed(r, "cdsMensCliente.DSMENSCLIENTE"), "Não gera direito a crédito fiscal de IPI.");
    EXPECT_EQ(prefixed(r, "message="),
              Lines{"error: Descrição dos dados adicionais para nota fiscal deve ser informada."});
    EXPECT_EQ(printed(r, "cdsMensCliente.recordCount"), "2");
    db::Connection db(databaseUrl_);
    const auto rs = db.query("SELECT NRMENSCLIENTE, IDENTRSAIDMENS, DSMENSCLIENTE FROM MENSCLIENTE WHERE "
                             "CDCLIENTE = :P0 ORDER BY NRMENSCLIENTE",
                             {{"P0", Variant(first_)}});
    ASSERT_EQ(rs.rowCount(), 2u);
    EXPECT_EQ(rs.value(0, "NRMENSCLIENTE").toString(), "00001");
    EXPECT_EQ(rs.value(0, "IDENTRSAIDMENS").toString(), "E");
    EXPECT_EQ(rs.value(1, "NRMENSCLIENTE").toString(), "00002");
    EXPECT_EQ(rs.value(1, "IDENTRSAIDMENS").toString(), "A");
}

TEST_F(FiscalScript, EscDropsAnInvoiceTextRowInsertedWhileTheCustomerIsEdited) {
    const DriverResult r =
        open("click mnuDadAdic\nprint cdsMensCliente.recordCount\nclick sbtAlterar\nprint calls\n"
             "key dbgMensCliente Insert\ncell dbgMensCliente 0 DSMENSCLIENTE\ntype dbgMensCliente x\n"
             "key dbgMensCliente Esc\nprint cdsMensCliente.state\nkey dbgMensCliente Esc\n"
             "print cdsMensCliente.state cdsMensCliente.recordCount cdsCliente.state\n"
             "key dbgMensCliente Insert\nkey dbgMensCliente Esc\nprint cdsMensCliente.state\n"
             "click sbtConfirmar\nprint calls messages\n");
    const Lines states = prefixed(r, "cdsMensCliente.state=");
    EXPECT_EQ(states, (Lines{"3", "1", "1"})) << "the typed text goes first, then the row";
    const Lines counts = prefixed(r, "cdsMensCliente.recordCount=");
    ASSERT_EQ(counts.size(), 2u);
    EXPECT_EQ(counts[0], counts[1]);
    EXPECT_EQ(printed(r, "cdsCliente.state"), "2") << "the customer stays in edit";
    EXPECT_TRUE(prefixed(r, "message=").empty());
    for (const std::string& call : callsOf(r))
        EXPECT_EQ(call.find("dspMensCliente"), std::string::npos) << "no text row to send: " << call;
}

TEST_F(FiscalScript, ARefusedAdditionalDataReadKeepsWhatTheClerkTyped) {
    // The server refuses the page's read while its text table is away; nothing the clerk typed is dropped
    // with the emptied lists, and the confirm saves it all once the server answers again.
    const auto textTable = [](bool away) {
        db::Connection db(databaseUrl_);
        db.execute(away ? "ALTER TABLE MENSCLIENTE RENAME TO MENSCLIENTE_X"
                        : "ALTER TABLE MENSCLIENTE_X RENAME TO MENSCLIENTE");
    };
    run("call IniProc null\nform TfrmFilCliente\nclick sbtConfirma\nform TfrmCliente\nclick sbtAlterar\n"
        "focus dbeNmFantasia\nset dbeNmFantasia \"Nome Novo\"\nfocus dbeNmRazaoSoc\nprint calls\n");
    textTable(true);
    DriverResult r = run("click mnuDadAdic\nprint calls messages cdsCliente.state cdsCliente.NMFANTCLIE\n");
    textTable(false);
    ASSERT_EQ(prefixed(r, "message=").size(), 1u);
    EXPECT_NE(prefixed(r, "message=").front().find("MENSCLIENTE"), std::string::npos) << "the server's text";
    EXPECT_EQ(printed(r, "cdsCliente.state"), "2");
    EXPECT_EQ(printed(r, "cdsCliente.NMFANTCLIE"), "Nome Novo");

    // A text being typed is not replaced: the page's read is not even asked for while it is pending.
    run("click mnuDadosFiscais\nclick mnuDadAdic\nkey dbgMensCliente Insert\n"
        "cell dbgMensCliente 0 DSMENSCLIENTE Novo\ncell dbgMensCliente 0 IDENTRSAIDMENS Ambos\nprint "
        "calls\n");
    textTable(true);
    r = run("click mnuDadosFiscais\nclick mnuDadAdic\nprint calls messages cdsMensCliente.DSMENSCLIENTE\n");
    textTable(false);
    for (const std::string& call : callsOf(r))
        EXPECT_EQ(call.find("GetInfoPaginaDadosAdicionais"), std::string::npos) << call;
    EXPECT_TRUE(prefixed(r, "message=").empty());
    EXPECT_EQ(printed(r, "cdsMensCliente.DSMENSCLIENTE"), "Novo");

    r = run("click sbtConfirmar\nprint messages cdsCliente.state\n");
    EXPECT_TRUE(prefixed(r, "message=").empty());
    EXPECT_EQ(printed(r, "cdsCliente.state"), "1");
    db::Connection db(databaseUrl_);
    EXPECT_EQ(db.query("SELECT NMFANTCLIE FROM CLIENTE WHERE CDCLIENTE = :P0", {{"P0", Variant(first_)}})
                  .value(0, "NMFANTCLIE")
                  .toString(),
              "Nome Novo");
    EXPECT_EQ(
        db.query("SELECT COUNT(*) AS N FROM MENSCLIENTE WHERE CDCLIENTE = :P0 AND DSMENSCLIENTE = 'Novo'",
                 {{"P0", Variant(first_)}})
            .value(0, "N")
            .toString(),
        "1");
}

TEST_F(FiscalScript, ANewCustomerWithoutNumberTakesNoInvoiceText) {
    const DriverResult r =
        open("click sbtIncluir\nclick mnuDadAdic\nkey dbgMensCliente Insert\n"
             "print messages pgcPadrao.activePage dbeInscricao.focused cdsMensCliente.state\n");
    EXPECT_EQ(prefixed(r, "message="), Lines{"error: Inscrição deve ser informada."});
    EXPECT_EQ(printed(r, "pgcPadrao.activePage"), "tshFormulario");
    EXPECT_EQ(printed(r, "cdsMensCliente.state"), "1");
}

TEST_F(FiscalScript, AnUnknownSeriesShowsTheOrderPageAndItsGeneralSubpage) {
    const DriverResult r = open("click mnuGeral\nclick sbtAlterar\nfocus dbeCdSerie\nset dbeCdSerie 00009\n"
                                "focus dbeCdRegiao\nprint messages pgcPadrao.activePage pgcGeral.activePage "
                                "dbeCdSerie.focused\n");
    EXPECT_EQ(prefixed(r, "message="), Lines{"error: Série não cadastrada."});
    EXPECT_EQ(printed(r, "pgcPadrao.activePage"), "tshDadosPed");
    EXPECT_EQ(printed(r, "pgcGeral.activePage"), "tshGeral");
    EXPECT_EQ(printed(r, "dbeCdSerie.focused"), "true");
}

TEST_F(FiscalScript, TheRecordStoresTheChoicesOfTheFiscalCombos) {
    struct Case {
        std::string issue, cfop, inPerson, order, stored;
    };
    const Case cases[] = {
        {"Endereço de Cobrança", "Endereço da Inscrição Estadual", "Endereço do Cliente",
         "Gera Nota Fiscal por Cliente", "C I P 2"},
        {"Endereço de Entrega", "Endereço do Exterior", "Endereço da Inscrição Estadual",
         "Gera Nota Fiscal por Pedido", "T E I 1"},
    };
    for (const Case& c : cases) {
        const DriverResult r =
            open("click mnuDadosFiscais\nclick sbtAlterar\nselect dbcEndEmissao \"" + c.issue +
                 "\"\nselect cbbEndCFOP \"" + c.cfop + "\"\nselect cbbEndCFOPOPres \"" + c.inPerson +
                 "\"\nclick mnuGeral\nselect cbbLancExp \"" + c.order +
                 "\"\nclick sbtConfirmar\nprint messages\nclose TfrmCliente\n");
        EXPECT_TRUE(prefixed(r, "message=").empty());
        db::Connection db(databaseUrl_);
        const auto rs =
            db.query("SELECT IDENDEMISCLI, IDENDCFOPCLI, IDENDCFOPCLIPRES, IDGERANFPEDI FROM CLIENTE "
                     "WHERE CDCLIENTE = :P0",
                     {{"P0", Variant(first_)}});
        EXPECT_EQ(rs.value(0, "IDENDEMISCLI").toString() + " " + rs.value(0, "IDENDCFOPCLI").toString() +
                      " " + rs.value(0, "IDENDCFOPCLIPRES").toString() + " " +
                      rs.value(0, "IDGERANFPEDI").toString(),
                  c.stored);
    }
}

} // namespace
} // namespace vq::host

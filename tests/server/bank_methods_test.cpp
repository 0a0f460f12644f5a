// The preferred-bank, price-table and partner methods and queries of the customer form through the running
// server, on SQLite and PostgreSQL: the checks answer for one customer, "" lists every agency or
// instruction, and a duplicate key is refused in the user's words with nothing saved.

#include "customer/bank_queries.h"
#include "platform/db/tadoib_query.h"
#include "server/core/provider.h"
#include "tests/server/seeded_server.h"

namespace vq::test {
namespace {

class BankMethodsTest : public SeededServerTest {
protected:
    void SetUp() override {
        SeededServerTest::SetUp();
        if (!server_)
            return;
        db::Connection& db = server_->db();
        for (const char* table : {"BANCOPREF", "PRECOBASECLI", "SOCIOCLIE"})
            db.execute(std::string("DELETE FROM ") + table + " WHERE CDCLIENTE IN ('BK1', 'BK2')");
        db.execute(
            "INSERT INTO BANCOPREF (CDCLIENTE, CDBANCO, CDREDUCONT, CDAGENCIA, CDCONTCORR, IDPRIORBPREF) "
            "VALUES ('BK1', '001', '001', '12340', '123456', 'S')");
        db.execute(
            "INSERT INTO BANCOPREF (CDCLIENTE, CDBANCO, CDREDUCONT, CDAGENCIA, CDCONTCORR, IDPRIORBPREF) "
            "VALUES ('BK1', '237', '002', '23451', '987654', 'N')");
        db.execute(
            "INSERT INTO PRECOBASECLI (CDCLIENTE, CDPRECOBASE, IDPRBASEPRIN) VALUES ('BK1', '02', 'S')");
        db.execute("INSERT INTO SOCIOCLIE (CDCLIENTE, NRSEQSOCCLIE, NRINSSOCCLIE, IDTPINSSOCCL, NMSOCIOCLIE) "
                   "VALUES ('BK1', '01', '11144477735', 'F', 'Ana Lima')");
    }
    std::string message(const Variant& answer) {
        return answer.is(VariantKind::ServerError) ? answer.asServerError().message : "<no error>";
    }
};

TEST_P(BankMethodsTest, BankChecksAnswerForTheCustomerAndTheOtherAccounts) {
    const DataPacket found = rows("GetVerifiBanco", {"BK1", "002"});
    ASSERT_EQ(found.rowCount(), 1u);
    EXPECT_EQ(fieldOf(found, 0, "CDBANCO").toString(), "237");
    EXPECT_EQ(fieldOf(found, 0, "CDCLIENTE").toString(), "BK1");
    EXPECT_EQ(rows("GetVerifiBanco", {"BK1", "003"}).rowCount(), 0u);
    EXPECT_EQ(rows("GetVerifiBanco", {"BK2", "001"}).rowCount(), 0u);

    // The priority of another account counts; the row's own does not.
    const DataPacket others = rows("GetBancoPrio", {"BK1", "002"});
    ASSERT_EQ(others.rowCount(), 1u);
    EXPECT_EQ(fieldOf(others, 0, "CDBANCO").toString(), "001");
    EXPECT_EQ(fieldOf(others, 0, "IDPRIORBPREF").toString(), "S");
    EXPECT_EQ(rows("GetBancoPrio", {"BK1", "001"}).rowCount(), 0u);
    EXPECT_EQ(rows("GetBancoPrio", {"BK2", "002"}).rowCount(), 0u);
}

TEST_P(BankMethodsTest, AnEmptyCodeListsEveryAgencyOrInstructionOfTheBank) {
    EXPECT_EQ(rows("GetPesqAgencia", {"", "001"}).rowCount(),
              static_cast<std::size_t>(count("SELECT COUNT(*) FROM AGENCIA WHERE CDBANCO = '001'")));
    const DataPacket one = rows("GetPesqAgencia", {"12340", "001"});
    ASSERT_EQ(one.rowCount(), 1u);
    EXPECT_EQ(fieldOf(one, 0, "NMAGENCIA").toString(), "Agência Centro");
    EXPECT_EQ(rows("GetPesqInstCobr", {"001", ""}).rowCount(), 2u);
    const DataPacket instruction = rows("GetPesqInstCobr", {"001", "02"});
    ASSERT_EQ(instruction.rowCount(), 1u);
    EXPECT_EQ(fieldOf(instruction, 0, "NMINSTCOBR").toString(), "Não protestar");
    EXPECT_EQ(rows("GetPesqInstCobr", {"001", "99"}).rowCount(), 0u);
}

TEST_P(BankMethodsTest, PriceTableAndPartnerChecksAreBooleansForOneCustomer) {
    EXPECT_EQ(call("ValidaPrecoBase", {"BK1", "02"}), Variant(false));
    EXPECT_EQ(call("ValidaPrecoBase", {"BK1", "03"}), Variant(true));
    EXPECT_EQ(call("ValidaPrecoBase", {"BK2", "02"}), Variant(true));
    EXPECT_EQ(call("GetValid_Socio", {"BK1", "11144477735"}), Variant(false));
    EXPECT_EQ(call("GetValid_Socio", {"BK1", "52998224725"}), Variant(true));
    EXPECT_EQ(call("GetValid_Socio", {"BK2", "11144477735"}), Variant(true));
    EXPECT_TRUE(call("GetValid_Socio", {"BK1"}).is(VariantKind::ServerError)); // no answer read as "free"
}

TEST_P(BankMethodsTest, DuplicateRowsAreRefusedInWordsAndNothingIsSaved) {
    DeltaBuilder bank(server::providerToSave("dspBancoPref", server::Writes::Confirmar),
                      {"CDCLIENTE", "CDBANCO", "CDREDUCONT", "CDAGENCIA", "CDCONTCORR", "IDPRIORBPREF"});
    bank.insert({"BK1", "237", "003", "34562", "456789", "N"}); // a second account at the same bank
    EXPECT_EQ(message(call("Confirmar", {bank.variant(), "dspBancoPref"})),
              "O cliente já tem conta preferencial neste banco ou nesta conta; nada foi gravado.");
    EXPECT_EQ(count("SELECT COUNT(*) FROM BANCOPREF WHERE CDCLIENTE = 'BK1'"), 2);

    DeltaBuilder price(server::providerToSave("dspPrecoBaseCli", server::Writes::Confirmar),
                       {"CDCLIENTE", "CDPRECOBASE", "IDPRBASEPRIN"});
    price.insert({"BK1", "03", "N"}).insert({"BK1", "02", "N"});
    EXPECT_EQ(message(call("Confirmar", {price.variant(), "dspPrecoBaseCli"})),
              "O cliente já tem este preço base; nada foi gravado.");
    EXPECT_EQ(count("SELECT COUNT(*) FROM PRECOBASECLI WHERE CDCLIENTE = 'BK1'"), 1);

    DeltaBuilder partner(server::providerToSave("dspSocios", server::Writes::Confirmar),
                         {"NRINSSOCCLIE", "NMSOCIOCLIE", "IDTPINSSOCCL", "NRSEQSOCCLIE", "CDCLIENTE"});
    partner.insert({"11144477735", "Outro", "F", "02", "BK1"});
    EXPECT_EQ(message(call("Confirmar", {partner.variant(), "dspSocios"})),
              "O cliente já tem um sócio com esta inscrição ou sequência; nada foi gravado.");
    EXPECT_EQ(count("SELECT COUNT(*) FROM SOCIOCLIE WHERE CDCLIENTE = 'BK1'"), 1);
}

TEST_P(BankMethodsTest, AccountAndPriceTableQueriesRunAsStored) {
    db::Connection& db = server_->db();
    TADOIBQuery accounts(&db, "qryContCorr");
    accounts.setSql(std::string(customer::kSqlContCorr));
    accounts.ParamByName("P_CDREDUCONT").clear();
    accounts.ParamByName("P_TCDREDUCONT") = "T";
    accounts.Open();
    EXPECT_EQ(accounts.RecordCount(), static_cast<int>(count("SELECT COUNT(*) FROM CONTCORR")));
    accounts.Close();
    accounts.ParamByName("P_CDREDUCONT") = "001";
    accounts.ParamByName("P_TCDREDUCONT").clear();
    accounts.Open();
    ASSERT_EQ(accounts.RecordCount(), 1);
    EXPECT_EQ(accounts.FieldByName("NMBANCO").AsString(), "Banco do Brasil S.A.");

    TADOIBQuery agency(&db, "qryPesqCCorrente");
    agency.setSql(std::string(customer::kPesqCCorrente.generic));
    agency.ParamByName("P_CDBANCO") = "001";
    agency.ParamByName("P_CDAGENCIA") = "12340";
    agency.ParamByName("P_CDCONTCORR").clear();
    agency.Open();
    ASSERT_EQ(agency.RecordCount(), 1);
    EXPECT_EQ(agency.FieldByName("CDPICTCONT").AsString(), "99999-9");
    for (const char* number : {"", "123456"}) {
        agency.Close();
        agency.ParamByName("P_CDCONTCORR") = number;
        agency.Open();
        EXPECT_EQ(agency.RecordCount(), 1) << number;
    }
    agency.Close();
    agency.ParamByName("P_CDCONTCORR") = "999999";
    agency.Open();
    EXPECT_TRUE(agency.IsEmpty());

    TADOIBQuery prices(&db, "qryPrecoBase");
    prices.setSql(std::string(customer::kPrecoBase.generic));
    prices.ParamByName("P_CDPRECOBASE").clear(); // null: every table; "" would be a value
    prices.Open();
    EXPECT_EQ(prices.RecordCount(), static_cast<int>(count("SELECT COUNT(*) FROM PRECOBASE")));
    prices.Close();
    prices.ParamByName("P_CDPRECOBASE") = "04";
    prices.Open();
    ASSERT_EQ(prices.RecordCount(), 1);
    EXPECT_EQ(prices.FieldByName("DSPRECOBASE").AsString(), "Distribuidor");
}

INSTANTIATE_TEST_SUITE_P(Db, BankMethodsTest, ::testing::Values(db::Dialect::SQLite, db::Dialect::PostgreSQL),
                         dialectName);

} // namespace
} // namespace vq::test

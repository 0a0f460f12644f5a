// The customer identity's server methods and its lookups on the host database, on SQLite and PostgreSQL.

#include "customer/identity_queries.h"
#include "platform/db/tadoib_query.h"
#include "tests/server/seeded_server.h"

namespace vq::test {
namespace {

class IdentityQueriesTest : public SeededServerTest {
protected:
    // The form's query, as it runs on this database.
    TADOIBQuery query(std::string_view name) {
        for (const customer::QueryText& t : customer::identityQueries())
            if (t.name == name) {
                TADOIBQuery q(&server_->db(), std::string(name));
                q.setSql(std::string(t.sql));
                if (!t.sqlite.empty())
                    q.setDialectSql("SQL_SQLITE", std::string(t.sqlite));
                if (!t.postgresql.empty())
                    q.setDialectSql("SQL_POSTGRESQL", std::string(t.postgresql));
                return q;
            }
        throw std::runtime_error("no query " + std::string(name));
    }
    int rowsOf(std::string_view name, std::initializer_list<std::pair<const char*, Variant>> params) {
        TADOIBQuery q = query(name);
        for (const auto& [p, v] : params)
            q.ParamByName(p).setValue(v);
        q.Open();
        return q.RecordCount();
    }
    std::string firstCustomer(const char* column) {
        return server_->db()
            .query(std::string("SELECT ") + column + " FROM CLIENTE ORDER BY CDCLIENTE")
            .rows()
            .at(0)
            .at(0)
            .toString();
    }
};

TEST_P(IdentityQueriesTest, ValidaClienteAnswersOneOfTwoQuestions) {
    const std::string code = firstCustomer("CDCLIENTE");
    EXPECT_EQ(fieldOf(rows("GetValidaCliente", {code, "", ""}), 0, "NRREG"), Variant(1.0));
    const std::string number = firstCustomer("NRINSJURCLIE");
    const std::string kind = firstCustomer("IDTPIJURCLIE");
    EXPECT_EQ(fieldOf(rows("GetValidaCliente", {"", number, kind}), 0, "NRREG"), Variant(1.0));
    for (VariantArray refused : {VariantArray{"", number, ""}, VariantArray{code, number, kind},
                                 VariantArray{code, "", kind}, VariantArray{"", "", kind}}) {
        const Variant answer = call("GetValidaCliente", refused);
        EXPECT_TRUE(answer.is(VariantKind::ServerError)) << answer.describe();
    }
}

TEST_P(IdentityQueriesTest, CnaeByCodeOrEveryOne) {
    const DataPacket all = rows("CNAEFiscal", {"T"});
    EXPECT_EQ(fieldNames(all), (std::vector<std::string>{"CDCNAE", "DSCNAE"}));
    EXPECT_EQ(static_cast<std::int64_t>(all.rowCount()), count("SELECT COUNT(*) FROM CNAE"));
    const DataPacket rice = rows("CNAEFiscal", {"0111301"});
    ASSERT_EQ(rice.rowCount(), 1u);
    EXPECT_EQ(fieldOf(rice, 0, "DSCNAE"), Variant("CULTIVO DE ARROZ"));
    EXPECT_EQ(rows("CNAEFiscal", {"9999999"}).rowCount(), 0u);
}

TEST_P(IdentityQueriesTest, AtualizaSituacaoLeavesTheCustomerToItsOwnSave) {
    const std::string code = firstCustomer("CDCLIENTE");
    const std::string before = firstCustomer("IDCLIEATIV");
    EXPECT_EQ(call("Atualiza_Situacao", {"D", code}), Variant(true));
    EXPECT_EQ(call("Atualiza_Situacao", {"D", "Jnovo123"}), Variant(true)); // not saved yet
    EXPECT_EQ(firstCustomer("IDCLIEATIV"), before);
    EXPECT_TRUE(call("Atualiza_Situacao", {"X", code}).is(VariantKind::ServerError));
    EXPECT_TRUE(call("Atualiza_Situacao", {"D", ""}).is(VariantKind::ServerError));
}

TEST_P(IdentityQueriesTest, FormLookupsRunAsStoredOrByTheirVariant) {
    auto& db = server_->db();
    const std::string code = firstCustomer("CDCLIENTE");
    db.execute("UPDATE CLIENTE SET CDEXCLIENTE = 'EXT-1', CDIDCLIENTE = '0123', IDCLIEATIV = 'S' WHERE "
               "CDCLIENTE = :C",
               {{"C", code}});
    EXPECT_EQ(rowsOf("qryPesqCdExterno", {{"P_CDEXCLIENTE", "EXT-1"}}), 1);
    EXPECT_EQ(rowsOf("qryPesqCdExterno", {{"P_CDEXCLIENTE", "EXT-2"}}), 0);
    // The service code compares as a number; the placeholder "*" of other customers is no number.
    EXPECT_EQ(rowsOf("qryVerifiCdAtend", {{"P_CDIDCLIENTE", 123.0}}), 1);
    EXPECT_EQ(rowsOf("qryVerifiCdAtend", {{"P_CDIDCLIENTE", 124.0}}), 0);
    EXPECT_EQ(rowsOf("qryVerifCliente", {{"P_CDCLIENTE", Variant(code)}}), 1);
    const std::string number = firstCustomer("NRINSJURCLIE");
    const std::string kind = firstCustomer("IDTPIJURCLIE");
    EXPECT_EQ(
        rowsOf("qryInsJurClie", {{"P_NRINSJURCLIE", Variant(number)}, {"P_IDTPIJURCLIE", Variant(kind)}}), 1);
    EXPECT_EQ(rowsOf("qryEmpresa", {{"P_CDEMPRESA", "01"}}), 1);
    EXPECT_EQ(rowsOf("qryEmpresa", {{"P_CDEMPRESA", Variant()}}),
              static_cast<int>(count("SELECT COUNT(*) FROM EMPRESA")));
    EXPECT_EQ(rowsOf("qryEmpresa", {{"P_CDEMPRESA", "99"}}), 0);
    EXPECT_EQ(
        rowsOf("qryInscEstad", {{"P_CDEMPRESA", "01"}, {"P_CDINSCESTA", "SP01"}, {"P_TCDINSCESTA", ""}}), 1);
    // Another company's registration is not this company's.
    EXPECT_EQ(
        rowsOf("qryInscEstad", {{"P_CDEMPRESA", "01"}, {"P_CDINSCESTA", "SC01"}, {"P_TCDINSCESTA", ""}}), 0);
    EXPECT_EQ(rowsOf("qryInscEstad", {{"P_CDEMPRESA", "01"}, {"P_CDINSCESTA", ""}, {"P_TCDINSCESTA", "T"}}),
              2);
    EXPECT_EQ(rowsOf("qryInscMunicip",
                     {{"P_CDEMPRESA", "02"}, {"P_CDINSCMUNI", "JOINVILLE01"}, {"P_TCDINSCMUNI", ""}}),
              1);
    EXPECT_EQ(rowsOf("qryInscMunicip", {{"P_CDEMPRESA", "02"}, {"P_CDINSCMUNI", ""}, {"P_TCDINSCMUNI", "T"}}),
              1);
    db.execute("UPDATE CLIENTE SET CDEXCLIENTE = NULL, CDIDCLIENTE = '*' WHERE CDCLIENTE = :C",
               {{"C", code}});
}

INSTANTIATE_TEST_SUITE_P(Db, IdentityQueriesTest,
                         ::testing::Values(db::Dialect::SQLite, db::Dialect::PostgreSQL), dialectName);

} // namespace
} // namespace vq::test

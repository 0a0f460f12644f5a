#include "platform/data/error.h"
#include "platform/db/connection.h"
#include "platform/db/tadoib_query.h"
#include "server/schema/migrations.h"
#include "server/schema/schema.h"
#include "test_databases.h"

using namespace vq;
using namespace vq::db;
using vq::test::DialectTest;

namespace {

class TADOIBQueryTest : public ::testing::Test {
protected:
    void SetUp() override {
        db.execute("CREATE TABLE PAIS (CDPAIS VARCHAR(4), NMPAIS VARCHAR(30), VRTAXA DOUBLE PRECISION)");
        db.execute("INSERT INTO PAIS VALUES ('0055', 'Brasil', 1.5), ('0595', 'Paraguai', NULL)");
        qry.setSql("SELECT CDPAIS, NMPAIS, VRTAXA FROM PAIS WHERE (CDPAIS = :P_CDPAIS OR :P_TCDPAIS = 'T') "
                   "ORDER BY CDPAIS");
    }
    Connection db{"sqlite::memory:"};
    TADOIBQuery qry{&db, "qryPais"};
};

} // namespace

TEST_F(TADOIBQueryTest, UnassignedParametersAreNullAndNamesIgnoreCase) {
    EXPECT_EQ(qry.paramNames(), (std::vector<std::string>{"P_CDPAIS", "P_TCDPAIS"}));
    qry.Open(); // nothing assigned: both null, no row matches
    EXPECT_TRUE(qry.IsEmpty());
    EXPECT_TRUE(qry.Eof());
    EXPECT_EQ(qry.FieldByName("NMPAIS").AsString(), "");
    qry.Close();
    qry.ParamByName("p_tcdpais") = "T";
    qry.Open();
    EXPECT_EQ(qry.RecordCount(), 2);
    EXPECT_THROW(qry.ParamByName("P_NAOEXISTE"), Error);
}

TEST_F(TADOIBQueryTest, NavigatesLikeTheClassicComponent) {
    qry.ParamByName("P_TCDPAIS").setValue("T");
    qry.Open();
    std::vector<std::string> names;
    for (qry.First(); !qry.Eof(); qry.Next())
        names.push_back(qry.FieldByName("nmpais").AsString());
    EXPECT_EQ(names, (std::vector<std::string>{"Brasil", "Paraguai"}));
    // Past the end the last row stays current; a null float reads as zero.
    EXPECT_EQ(qry.FieldByName("CDPAIS").AsString(), "0595");
    EXPECT_EQ(qry.FieldByName("VRTAXA").AsFloat(), 0.0);
    EXPECT_TRUE(qry.FieldByName("VRTAXA").IsNull());
    qry.First();
    EXPECT_EQ(qry.FieldByName("VRTAXA").AsFloat(), 1.5);
    EXPECT_THROW(qry.FieldByName("NMESTADO"), Error);
    // Open on an open query keeps its rows; new parameter values count after Close and Open.
    qry.ParamByName("P_TCDPAIS") = "";
    qry.ParamByName("P_CDPAIS") = "0595";
    qry.Open();
    EXPECT_EQ(qry.RecordCount(), 2);
    qry.Close();
    EXPECT_THROW(qry.FieldByName("CDPAIS"), Error);
    qry.Open();
    EXPECT_EQ(qry.RecordCount(), 1);
    EXPECT_EQ(qry.Data()->row(0)[1], Variant("Paraguai"));
}

TEST_F(TADOIBQueryTest, GetTextReadsTheRowShownAndLeavesTheCurrentRow) {
    qry.setOnGetText("nmpais", [this](const TFieldValue& name, std::string& text) {
        text = qry.FieldByName("CDPAIS").AsString() + " " + text + (name.IsNull() ? "?" : "");
    });
    qry.ParamByName("P_TCDPAIS") = "T";
    qry.Open();
    EXPECT_TRUE(qry.hasGetText());
    EXPECT_EQ(qry.DisplayText("NMPAIS"), "0055 Brasil");
    EXPECT_EQ(qry.DisplayText("CDPAIS"), "0055") << "a column without a hook shows its plain text";
    std::string second;
    qry.withRowAt(1, [&] { second = qry.DisplayText("NMPAIS"); });
    EXPECT_EQ(second, "0595 Paraguai");
    EXPECT_EQ(qry.FieldByName("CDPAIS").AsString(), "0055") << "back on the row it was on";
    EXPECT_FALSE(qry.Bof() && qry.Eof());
    EXPECT_THROW(qry.withRowAt(2, [] {}), Error);
    // Kept across a new text; an empty hook removes it.
    qry.setSql("SELECT CDPAIS, NMPAIS FROM PAIS ORDER BY CDPAIS");
    qry.Open();
    EXPECT_EQ(qry.DisplayText("NMPAIS"), "0055 Brasil");
    qry.setOnGetText("NMPAIS", nullptr);
    EXPECT_FALSE(qry.hasGetText());
    EXPECT_EQ(qry.DisplayText("NMPAIS"), "Brasil");
}

TEST_F(TADOIBQueryTest, TextIsChosenByTheConnectedDatabase) {
    TADOIBQuery q(&db);
    q.setSql("SELECT 'padrão' AS T");
    q.setDialectSql("SQL_MSSQL", "SELECT 'mssql' + '' AS T");
    q.setDialectSql("SQL_ORACLE", "SELECT 'oracle' AS T FROM DUAL");
    EXPECT_EQ(q.sqlFor(Dialect::SQLite), "SELECT 'padrão' AS T");
    EXPECT_EQ(q.sqlFor(Dialect::PostgreSQL), "SELECT 'padrão' AS T");
    q.setDialectSql(Dialect::SQLite, "SELECT 'sqlite' AS T");
    q.Open();
    EXPECT_EQ(q.FieldByName("T").AsString(), "sqlite");
    // Without a default text the Oracle variant is the fallback.
    TADOIBQuery onlyOracle(&db);
    onlyOracle.setDialectSql("sql_oracle", "SELECT 1 AS N");
    EXPECT_EQ(onlyOracle.sqlFor(Dialect::SQLite), "SELECT 1 AS N");
    EXPECT_THROW(q.setDialectSql("SQL_DB2", "SELECT 1"), Error);
    // Parameters named only by a variant can be assigned too.
    q.setDialectSql(Dialect::PostgreSQL, "SELECT :P_SO_PG AS T");
    EXPECT_NO_THROW(q.ParamByName("P_SO_PG"));
}

TEST_F(TADOIBQueryTest, ChangingTheTextClosesAndKeepsMatchingParameters) {
    qry.ParamByName("P_TCDPAIS") = "T";
    qry.Open();
    qry.setSql("SELECT NMPAIS FROM PAIS WHERE :P_TCDPAIS = 'T' AND CDPAIS = NVL(:P_OUTRO, CDPAIS)");
    EXPECT_FALSE(qry.Active());
    qry.Open();
    EXPECT_EQ(qry.RecordCount(), 2);
}

TEST_F(TADOIBQueryTest, RefusesWritesAndMissingConnection) {
    TADOIBQuery q(&db, "qryApaga");
    q.setSql("DELETE FROM PAIS");
    EXPECT_THROW(q.Open(), Error);
    TADOIBQuery noDb(nullptr, "qrySemBanco");
    noDb.setSql("SELECT 1");
    EXPECT_THROW(noDb.Open(), Error);
    EXPECT_EQ(db.query("SELECT * FROM PAIS").rowCount(), 2u);
}

// Lookups quoted by the customer form, against the real schema on both databases.
class TADOIBQuerySchemaTest : public DialectTest {};

TEST_P(TADOIBQuerySchemaTest, StoredLookupsRunOnTheSchema) {
    auto db = open();
    schema::applyMigrations(*db);
    db->setFieldResolver(schema::fieldResolver());
    db->execute("INSERT INTO EMPRESA (CDEMPRESA, NMEMPRESA) VALUES ('01', 'Matriz'), ('02', 'Filial Sul')");
    db->execute("INSERT INTO CLIENTE (CDCLIENTE, IDTPIJURCLIE, NRINSJURCLIE, IDCLIEATIV) "
                "VALUES ('J11222333000181', 'J', '11222333000181', 'S')");

    TADOIBQuery qryEmpresa(db.get(), "qryEmpresa");
    qryEmpresa.setSql(
        "SELECT CDEMPRESA, NMEMPRESA FROM EMPRESA E WHERE (CDEMPRESA = ISNULL(:P_CDEMPRESA,CDEMPRESA)) "
        "ORDER BY CDEMPRESA");
    qryEmpresa.setDialectSql("SQL_ORACLE", "SELECT CDEMPRESA, NMEMPRESA FROM EMPRESA E WHERE "
                                           "(CDEMPRESA = NVL(:P_CDEMPRESA,CDEMPRESA)) ORDER BY CDEMPRESA");
    qryEmpresa.ParamByName("P_CDEMPRESA").clear();
    qryEmpresa.Open();
    EXPECT_EQ(qryEmpresa.RecordCount(), 2);
    EXPECT_EQ(qryEmpresa.Fields()[1], (FieldDesc{"NMEMPRESA", FieldType::String, 60}));
    qryEmpresa.Close();
    qryEmpresa.ParamByName("P_CDEMPRESA") = "02";
    qryEmpresa.Open();
    EXPECT_EQ(qryEmpresa.FieldByName("NMEMPRESA").AsString(), "Filial Sul");

    TADOIBQuery qryVerifCliente(db.get(), "qryVerifCliente");
    qryVerifCliente.setSql("SELECT IDTPIJURCLIE, NRINSJURCLIE FROM CLIENTE, PARAM(:P_CDCLIENTE) P "
                           "WHERE CDCLIENTE = P.PARAM");
    qryVerifCliente.setDialectSql("SQL_ORACLE", "SELECT IDTPIJURCLIE, NRINSJURCLIE FROM CLIENTE "
                                                "WHERE CDCLIENTE = :P_CDCLIENTE");
    qryVerifCliente.ParamByName("P_CDCLIENTE") = "J11222333000181";
    qryVerifCliente.Open();
    EXPECT_FALSE(qryVerifCliente.IsEmpty());
    EXPECT_EQ(qryVerifCliente.Data()->fields()[1], (FieldDesc{"NRINSJURCLIE", FieldType::String, 20}));
    qryVerifCliente.Close();
    qryVerifCliente.ParamByName("P_CDCLIENTE") = "F00000000191";
    qryVerifCliente.Open();
    EXPECT_TRUE(qryVerifCliente.IsEmpty());
}

VQ_FOR_BOTH_DIALECTS(TADOIBQuerySchemaTest);

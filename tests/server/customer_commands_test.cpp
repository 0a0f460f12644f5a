// The customer form's saving commands besides Confirmar, through the running server on SQLite and
// PostgreSQL: clearing one kind of a customer's rows, the customer deletion with everything it owns, and
// the additional-salespeople list.

#include "server/core/apply_delta.h"
#include "tests/server/seeded_server.h"

#include <algorithm>

namespace vq::test {
namespace {

class CustomerCommandsTest : public SeededServerTest {
protected:
    void exec(const std::string& sql) { server_->db().execute(sql); }
    std::int64_t rowsOf(const std::string& table, const std::string& customer) {
        return count("SELECT COUNT(*) FROM " + table + " WHERE CDCLIENTE = :C", {{"C", Variant(customer)}});
    }

    // A customer with one row in every table a customer owns, and a sales contact naming it.
    void addCustomerWithEverything(const std::string& c) {
        const std::string v = "'" + c + "'";
        for (const std::string& sql : {
                 "INSERT INTO CLIENTE (CDCLIENTE, NMRAZSOCCLIE) VALUES (" + v + ", 'Cliente " + c + "')",
                 "INSERT INTO ENDECLIE (CDCLIENTE, IDTPENDECLIE, DSENDECLIE) VALUES (" + v +
                     ", 'P', 'Rua A')",
                 "INSERT INTO INTECLIE (CDCLIENTE, CDINTECLIE, NMINTECLIE) VALUES (" + v + ", '01', 'Ana')",
                 "INSERT INTO CORINTECLI (CDCLIENTE, CDINTECLIE, CDTIPOCORR) VALUES (" + v + ", '01', '001')",
                 "INSERT INTO OBSERVCLIE (CDCLIENTE, DTHROBSCLIE, CDOPERADOR) VALUES (" + v +
                     ", '2026-01-02 10:00:00', 'OPER01')",
                 "INSERT INTO PRAZOPGTCLIE (CDCLIENTE, NRDIASPGTOCL, VRPERCPGTOCL) VALUES (" + v +
                     ", 30, 100)",
                 "INSERT INTO BANCOPREF (CDCLIENTE, CDBANCO, CDREDUCONT) VALUES (" + v + ", '001', '001')",
                 "INSERT INTO PRECOBASECLI (CDCLIENTE, CDPRECOBASE, IDPRBASEPRIN) VALUES (" + v +
                     ", '01', 'S')",
                 "INSERT INTO SOCIOCLIE (CDCLIENTE, NRSEQSOCCLIE, NMSOCIOCLIE) VALUES (" + v +
                     ", '01', 'Sócio')",
                 "INSERT INTO MENSCLIENTE (CDCLIENTE, NRMENSCLIENTE, CDMENSAGEM) VALUES (" + v +
                     ", '00001', '001')",
                 "INSERT INTO VENDADICCLIE (CDCLIENTE, CDVENDEDOR, VRPECOMVEN) VALUES (" + v + ", '0001', 5)",
                 "INSERT INTO TRANSCLIEPED (CDCLIENTE, NRINSJURTRAN, IDTPIJURTRAN) VALUES (" + v +
                     ", '1', 'J')",
                 "INSERT INTO EMAILCLIFIL (CDCLIENTE, CDFILIAL, DSEMAILDANFEBOL) VALUES (" + v +
                     ", '0001', 'a@b.c')",
                 "INSERT INTO CONTATO (CDFILIAL, NRCONTATO, CDCLIENTE) VALUES ('0001', " + v + ", " + v + ")",
             })
            exec(sql);
    }

    static constexpr std::string_view kOwned[] = {
        "ENDECLIE",     "INTECLIE",  "CORINTECLI",  "OBSERVCLIE",   "PRAZOPGTCLIE", "BANCOPREF",
        "PRECOBASECLI", "SOCIOCLIE", "MENSCLIENTE", "VENDADICCLIE", "TRANSCLIEPED", "EMAILCLIFIL",
    };

    Variant deleteCustomers(std::initializer_list<std::string> codes) {
        DeltaBuilder d(server::requireProvider("dspCliente"), {"CDCLIENTE", "NMRAZSOCCLIE"});
        for (const std::string& c : codes)
            d.remove({c, "Cliente " + c});
        return call("Confirmar", {d.variant(), "dspCliente"});
    }
};

TEST_P(CustomerCommandsTest, ClearingCommandsRemoveOnlyThatCustomersRowsOfOneKind) {
    addCustomerWithEverything("JCM1");
    addCustomerWithEverything("JCM2");
    EXPECT_EQ(call("SetDelPrazoPagamento", {"JCM1"}), Variant(1));
    EXPECT_EQ(call("SetDelPrazoPagamento", {"JCM1"}), Variant(0));
    EXPECT_EQ(rowsOf("PRAZOPGTCLIE", "JCM2"), 1);
    EXPECT_EQ(call("SetExcPrcBase", {"JCM1"}), Variant(1));
    EXPECT_EQ(rowsOf("PRECOBASECLI", "JCM2"), 1);
    EXPECT_EQ(call("DelVendAdicClie", {"JCM1"}), Variant(1));
    EXPECT_EQ(rowsOf("VENDADICCLIE", "JCM2"), 1);
    EXPECT_EQ(rowsOf("ENDECLIE", "JCM1"), 1); // nothing else of the customer goes

    // A contact's history and mailing entries, not those of the customer's other contacts.
    exec(
        "INSERT INTO MALADIRETA (NRSEQMALA, CDMALADIR, CDCLIENTE, CDINTECLIE) VALUES (9101, '00001', 'JCM1', "
        "'01'), (9102, '00001', 'JCM1', '02')");
    exec("INSERT INTO EVOLCONTATO (CDFILIAL, NRCONTATO, DTHREVOLCONT, CDCLIENTE, CDINTECLIE) VALUES ('0001', "
         "'E1', '2026-01-02 10:00:00', 'JCM1', '01')");
    EXPECT_EQ(call("SetDelEvoInteClie", {"JCM1", "01"}), Variant(1));
    EXPECT_EQ(call("SetDelMalaClie", {"JCM1", "01"}), Variant(1));
    EXPECT_EQ(rowsOf("MALADIRETA", "JCM1"), 1);

    // Codes that look like SQL match nothing; a missing argument is refused.
    EXPECT_EQ(call("SetDelPrazoPagamento", {"' OR '1'='1"}), Variant(0));
    EXPECT_EQ(rowsOf("PRAZOPGTCLIE", "JCM2"), 1);
    EXPECT_TRUE(call("SetDelMalaClie", {"JCM1"}).is(VariantKind::ServerError));
}

TEST_P(CustomerCommandsTest, DeletingACustomerTakesEverythingItOwnsAndNothingElse) {
    addCustomerWithEverything("JCM3");
    addCustomerWithEverything("JCM4");
    // The form's sequence: base prices, the preparation, then the row itself.
    EXPECT_EQ(call("SetExcPrcBase", {"JCM3"}), Variant(1));
    EXPECT_EQ(call("SetAuxCodCliente", {"JCM3"}), Variant(true));
    EXPECT_EQ(deleteCustomers({"JCM3"}), Variant(1));

    EXPECT_EQ(rowsOf("CLIENTE", "JCM3"), 0);
    for (std::string_view table : kOwned) {
        SCOPED_TRACE(std::string(table));
        EXPECT_EQ(rowsOf(std::string(table), "JCM3"), 0);
        EXPECT_EQ(rowsOf(std::string(table), "JCM4"), 1);
    }
    EXPECT_EQ(rowsOf("CONTATO", "JCM3"), 1); // sales history stays

    // Deleted meanwhile by someone else: the preparation says so, and deleting again is a conflict.
    const Variant gone = call("SetAuxCodCliente", {"JCM3"});
    ASSERT_TRUE(gone.is(VariantKind::ServerError));
    EXPECT_EQ(gone.asServerError().message, "O cliente JCM3 não está mais cadastrado; nada foi excluído.");
    EXPECT_TRUE(call("SetAuxCodCliente", {" "}).is(VariantKind::ServerError));
}

TEST_P(CustomerCommandsTest, AFailedDeletionKeepsTheRowsOfEveryCustomerInIt) {
    addCustomerWithEverything("JCM5");
    // The second customer of the change log no longer exists: nothing of the first goes either.
    const Variant failed = deleteCustomers({"JCM5", "JCM6"});
    ASSERT_TRUE(failed.is(VariantKind::ServerError));
    EXPECT_EQ(failed.asServerError().message, server::kConflictMessage);
    EXPECT_EQ(rowsOf("CLIENTE", "JCM5"), 1);
    for (std::string_view table : kOwned)
        EXPECT_EQ(rowsOf(std::string(table), "JCM5"), 1) << table;
}

TEST_P(CustomerCommandsTest, DeletingAContactTakesItsRemainingCorrespondence) {
    addCustomerWithEverything("JCM7");
    exec("INSERT INTO CORINTECLI (CDCLIENTE, CDINTECLIE, CDTIPOCORR) VALUES ('JCM7', '01', '002')");
    exec("INSERT INTO INTECLIE (CDCLIENTE, CDINTECLIE, NMINTECLIE) VALUES ('JCM7', '02', 'Bia')");
    exec("INSERT INTO CORINTECLI (CDCLIENTE, CDINTECLIE, CDTIPOCORR) VALUES ('JCM7', '02', '001')");
    DeltaBuilder d(server::requireProvider("dspInterloc"), {"CDCLIENTE", "CDINTECLIE", "NMINTECLIE"});
    d.remove({"JCM7", "01", "Ana"});
    EXPECT_EQ(call("Confirmar", {d.variant(), "dspInterloc"}), Variant(1));
    EXPECT_EQ(count("SELECT COUNT(*) FROM CORINTECLI WHERE CDCLIENTE = 'JCM7' AND CDINTECLIE = '01'"), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM CORINTECLI WHERE CDCLIENTE = 'JCM7' AND CDINTECLIE = '02'"), 1);
}

TEST_P(CustomerCommandsTest, AdditionalSalespeopleListSavesItsChangeLog) {
    const auto& provider = server::requireProvider("dspVendAdicClie");
    DeltaBuilder added(provider, {"CDCLIENTE", "CDVENDEDOR", "VRPECOMVEN"});
    added.insert({"JCM8", "0002", 60.0}).insert({"JCM8", "0003", 40.0});
    EXPECT_EQ(call("SetVendAdicClie", {added.variant()}), Variant(2));
    EXPECT_EQ(rowsOf("VENDADICCLIE", "JCM8"), 2);

    DeltaBuilder changed(provider, {"CDCLIENTE", "CDVENDEDOR", "VRPECOMVEN"});
    changed.modify({"JCM8", "0002", 60.0}, {{"VRPECOMVEN", 55.0}}).remove({"JCM8", "0003", 40.0});
    EXPECT_EQ(call("SetVendAdicClie", {changed.variant()}), Variant(2));
    EXPECT_EQ(count("SELECT COUNT(*) FROM VENDADICCLIE WHERE CDCLIENTE = 'JCM8' AND VRPECOMVEN = 55"), 1);
    EXPECT_EQ(rowsOf("VENDADICCLIE", "JCM8"), 1);

    // A change log naming another table's column is refused whole.
    DeltaBuilder foreign(provider, {"CDCLIENTE", "CDVENDEDOR", "NMFANTCLIE"});
    foreign.insert({"JCM8", "0004", "Outro"});
    EXPECT_TRUE(call("SetVendAdicClie", {foreign.variant()}).is(VariantKind::ServerError));
    EXPECT_TRUE(call("SetVendAdicClie", {"JCM8"}).is(VariantKind::ServerError));
    EXPECT_EQ(rowsOf("VENDADICCLIE", "JCM8"), 1);
}

TEST_P(CustomerCommandsTest, ProspectsAndAProspectsAddressesAreReadForTheNewCustomer) {
    exec("INSERT INTO PROSPECT (CDPROSPECT, IDTPIJURPROS, NRINSJURPROS, NMRAZSOCPROS, CDMODODIVULG) VALUES "
         "('PCM1', 'J', '11222333000181', 'Zeta Prospect', NULL), ('PCM2', 'F', '11144477735', 'Alfa "
         "Prospect', "
         "NULL)");
    exec("INSERT INTO ENDEPROSP (CDPROSPECT, IDTPENDEPROS, CDPAIS, DSENDEPROS) VALUES ('PCM1', 'P', '0055', "
         "'Rua P'), ('PCM1', 'C', '0055', 'Rua C'), ('PCM2', 'P', '0055', 'Rua Outra')");
    const DataPacket prospects = rows("GetProspect", {});
    ASSERT_EQ(static_cast<std::int64_t>(prospects.rowCount()), count("SELECT COUNT(*) FROM PROSPECT"));
    EXPECT_GE(prospects.fieldIndex("NMMODODIVULG"), 0);
    std::vector<std::string> names;
    for (std::size_t i = 0; i < prospects.rowCount(); ++i)
        names.push_back(fieldOf(prospects, i, "NMRAZSOCPROS").toString());
    EXPECT_TRUE(std::ranges::is_sorted(names)) << "offered by name";

    const DataPacket addresses = rows("GetEndeProsp", {"PCM1"});
    ASSERT_EQ(addresses.rowCount(), 2u);
    EXPECT_EQ(fieldOf(addresses, 0, "IDTPENDEPROS"), Variant("C"));
    EXPECT_EQ(fieldOf(addresses, 1, "DSENDEPROS"), Variant("Rua P"));
    EXPECT_EQ(rows("GetEndeProsp", {"' OR '1'='1"}).rowCount(), 0u);
    // Read-only here: the conversion moves prospects with its own methods.
    DeltaBuilder d(server::requireProvider("dspEndeProsp"), {"CDPROSPECT", "IDTPENDEPROS"});
    d.remove({"PCM1", "C"});
    EXPECT_TRUE(call("Confirmar", {d.variant(), "dspEndeProsp"}).is(VariantKind::ServerError));
    EXPECT_EQ(count("SELECT COUNT(*) FROM ENDEPROSP WHERE CDPROSPECT = 'PCM1'"), 2);
}

INSTANTIATE_TEST_SUITE_P(Db, CustomerCommandsTest,
                         ::testing::Values(db::Dialect::SQLite, db::Dialect::PostgreSQL), dialectName);

} // namespace
} // namespace vq::test

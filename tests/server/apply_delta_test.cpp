// Confirmar on both databases: writes, optimistic conflicts, atomicity and refusals.

#include "platform/data/error.h"
#include "server/core/apply_delta.h"
#include "tests/server/server_fixture.h"

namespace vq::test {
namespace {

using server::applyDelta;
using server::requireProvider;

class ApplyDeltaTest : public ServerDbTest {
protected:
    const server::Provider& cliente = requireProvider("dspCliente");

    void addCustomer(const std::string& code, const char* fantasy, Variant guarantor = {}) {
        exec("INSERT INTO CLIENTE (CDCLIENTE, NMRAZSOCCLIE, NMFANTCLIE, NMAVALCLIE, VRLIMCREDCLI) "
             "VALUES (:P0, :P1, :P2, :P3, 1000)",
             {code, std::string(fantasy) + " Ltda", fantasy, guarantor});
    }
    std::int64_t count(const std::string& table) { return scalar("SELECT COUNT(*) FROM " + table).toInt(); }
    std::string fantasyOf(const std::string& code) {
        return scalar("SELECT NMFANTCLIE FROM CLIENTE WHERE CDCLIENTE = :P0", {code}).toString();
    }
    void expectRefused(const Delta& d, const std::string& fragment, const server::Provider* p = nullptr) {
        try {
            applyDelta(conn(), p ? *p : cliente, d);
            ADD_FAILURE() << "delta accepted, expected: " << fragment;
        } catch (const Error& e) {
            EXPECT_NE(std::string(e.what()).find(fragment), std::string::npos) << e.what();
        }
        EXPECT_FALSE(conn().inTransaction());
    }
};

TEST_P(ApplyDeltaTest, InsertsUpdatesAndDeletesOnlyTableColumns) {
    exec("INSERT INTO SEGMERCADO (CDSEGMER, DSSEGMER) VALUES ('00001', 'Varejo')");
    const DateTime since = makeDateTime({2024, 3, 15}, {10, 30, 0, 0});
    DeltaBuilder ins(cliente,
                     {"CDCLIENTE", "NMRAZSOCCLIE", "NMFANTCLIE", "CDSEGMER", "DSSEGMER", "DTCADACLIE"});
    ins.insert({"J1", "Alfa Comércio Ltda", "Alfa", "00001", "texto que nunca é gravado", since});
    EXPECT_EQ(applyDelta(conn(), cliente, ins.delta()), 1u);

    const DataPacket read =
        server::readPacket(conn(), cliente, "T.CDCLIENTE = :P_CDCLIENTE", {{"P_CDCLIENTE", "J1"}});
    ASSERT_EQ(read.rowCount(), 1u);
    const auto& row = read.row(0);
    EXPECT_EQ(row[static_cast<std::size_t>(read.fieldIndex("DSSEGMER"))],
              Variant("Varejo")); // joined, not written
    EXPECT_EQ(row[static_cast<std::size_t>(read.fieldIndex("DTCADACLIE"))], Variant(since));

    DeltaBuilder mod(cliente, {"CDCLIENTE", "NMFANTCLIE", "DSSEGMER", "DTCADACLIE"});
    mod.modify({"J1", "Alfa", "Varejo", since}, {{"NMFANTCLIE", "Alfa Nova"}, {"DSSEGMER", "ignorado"}});
    EXPECT_EQ(applyDelta(conn(), cliente, mod.delta()), 1u);
    EXPECT_EQ(fantasyOf("J1"), "Alfa Nova");
    EXPECT_EQ(scalar("SELECT DSSEGMER FROM SEGMERCADO").toString(), "Varejo");

    DeltaBuilder del(cliente, {"CDCLIENTE", "NMFANTCLIE"});
    del.remove({"J1", "Alfa Nova"});
    EXPECT_EQ(applyDelta(conn(), cliente, del.delta()), 1u);
    EXPECT_EQ(count("CLIENTE"), 0);
}

TEST_P(ApplyDeltaTest, ComparesOnlyTheChangedColumnsWithTheirOriginals) {
    addCustomer("J1", "Alfa");
    exec("UPDATE CLIENTE SET VRLIMCREDCLI = 5000 WHERE CDCLIENTE = 'J1'"); // someone else, another column

    DeltaBuilder mod(cliente, {"CDCLIENTE", "NMFANTCLIE", "VRLIMCREDCLI"});
    mod.modify({"J1", "Alfa", 1000.0}, {{"NMFANTCLIE", "Alfa 2"}});
    EXPECT_EQ(applyDelta(conn(), cliente, mod.delta()), 1u);

    exec("UPDATE CLIENTE SET NMFANTCLIE = 'Outro' WHERE CDCLIENTE = 'J1'"); // someone else, same column
    DeltaBuilder stale(cliente, {"CDCLIENTE", "NMFANTCLIE"});
    stale.modify({"J1", "Alfa 2"}, {{"NMFANTCLIE", "Alfa 3"}});
    expectRefused(stale.delta(), std::string(server::kConflictMessage));
    EXPECT_EQ(fantasyOf("J1"), "Outro");

    DeltaBuilder gone(cliente, {"CDCLIENTE", "NMFANTCLIE"});
    gone.remove({"J9", "Ninguém"});
    expectRefused(gone.delta(), std::string(server::kConflictMessage));
}

TEST_P(ApplyDeltaTest, ADeleteComparesTheWholeRowAsRead) {
    addCustomer("J1", "Alfa");
    exec("UPDATE CLIENTE SET VRLIMCREDCLI = 5000 WHERE CDCLIENTE = 'J1'"); // someone else, a column not shown
    DeltaBuilder stale(cliente, {"CDCLIENTE", "NMFANTCLIE", "NMAVALCLIE", "VRLIMCREDCLI", "DSSEGMER"});
    stale.remove({"J1", "Alfa", Variant(), 1000.0, "joined, never compared"});
    expectRefused(stale.delta(), std::string(server::kConflictMessage));
    EXPECT_EQ(count("CLIENTE"), 1);

    exec("UPDATE CLIENTE SET NMAVALCLIE = 'Outro' WHERE CDCLIENTE = 'J1'"); // was null when read
    DeltaBuilder wasNull(cliente, {"CDCLIENTE", "NMFANTCLIE", "NMAVALCLIE", "VRLIMCREDCLI"});
    wasNull.remove({"J1", "Alfa", Variant(), 5000.0});
    expectRefused(wasNull.delta(), std::string(server::kConflictMessage));
    EXPECT_EQ(count("CLIENTE"), 1);

    DeltaBuilder current(cliente, {"CDCLIENTE", "NMFANTCLIE", "NMAVALCLIE", "VRLIMCREDCLI", "DSSEGMER"});
    current.remove({"J1", "Alfa", "Outro", 5000.0, "joined, never compared"});
    EXPECT_EQ(applyDelta(conn(), cliente, current.delta()), 1u);
    EXPECT_EQ(count("CLIENTE"), 0);
}

TEST_P(ApplyDeltaTest, NullOriginalsCompareWithIsNull) {
    addCustomer("J1", "Alfa");
    DeltaBuilder first(cliente, {"CDCLIENTE", "NMAVALCLIE"});
    first.modify({"J1", Variant()}, {{"NMAVALCLIE", "José Avalista"}});
    EXPECT_EQ(applyDelta(conn(), cliente, first.delta()), 1u);

    DeltaBuilder second(cliente, {"CDCLIENTE", "NMAVALCLIE"}); // still believes it is null
    second.modify({"J1", Variant()}, {{"NMAVALCLIE", "Outro Avalista"}});
    expectRefused(second.delta(), std::string(server::kConflictMessage));

    DeltaBuilder clear(cliente, {"CDCLIENTE", "NMAVALCLIE"});
    clear.modify({"J1", "José Avalista"}, {{"NMAVALCLIE", Variant()}});
    EXPECT_EQ(applyDelta(conn(), cliente, clear.delta()), 1u);
    EXPECT_TRUE(scalar("SELECT NMAVALCLIE FROM CLIENTE").isNull());
}

TEST_P(ApplyDeltaTest, BlobsAreNotComparedAndDateKeysMatch) {
    addCustomer("J1", "Alfa");
    const auto& observ = requireProvider("dspObserv");
    const DateTime at = makeDateTime({2025, 6, 1}, {14, 5, 9, 250});
    DeltaBuilder ins(observ, {"CDCLIENTE", "DTHROBSCLIE", "CDOPERADOR", "DSOBSERVCLIE"});
    ins.insert({"J1", at, "OPER01", "Primeira nota"});
    applyDelta(conn(), observ, ins.delta());
    exec("UPDATE OBSERVCLIE SET DSOBSERVCLIE = 'Mudada por outro'");

    DeltaBuilder mod(observ, {"CDCLIENTE", "DTHROBSCLIE", "DSOBSERVCLIE"});
    mod.modify({"J1", at, "Primeira nota"}, {{"DSOBSERVCLIE", "Minha versão"}});
    EXPECT_EQ(applyDelta(conn(), observ, mod.delta()), 1u);
    EXPECT_EQ(scalar("SELECT DSOBSERVCLIE FROM OBSERVCLIE").toString(), "Minha versão");
}

TEST_P(ApplyDeltaTest, AFailingRowUndoesTheWholeDelta) {
    addCustomer("J1", "Alfa");
    DeltaBuilder d(cliente, {"CDCLIENTE", "NMFANTCLIE"});
    d.insert({"J2", "Beta"}).modify({"J1", "Alfa"}, {{"NMFANTCLIE", "Alfa 2"}}).remove({"J7", "Não existe"});
    expectRefused(d.delta(), std::string(server::kConflictMessage));
    EXPECT_EQ(count("CLIENTE"), 1);
    EXPECT_EQ(fantasyOf("J1"), "Alfa");

    DeltaBuilder dup(cliente, {"CDCLIENTE", "NMFANTCLIE"});
    dup.insert({"J3", "Gama"}).insert({"J1", "Alfa de novo"}); // key violation on the second row
    EXPECT_THROW(applyDelta(conn(), cliente, dup.delta()), Error);
    EXPECT_EQ(count("CLIENTE"), 1);
    EXPECT_FALSE(conn().inTransaction());
}

TEST_P(ApplyDeltaTest, RefusesForeignColumnsAndOversizedTextBeforeWriting) {
    addCustomer("J1", "Alfa");
    DeltaBuilder foreign(cliente, {"CDCLIENTE", "NMFANTCLIE", "NMPAIS"});
    foreign.insert({"J2", "Beta", "Brasil"});
    expectRefused(foreign.delta(), "O campo NMPAIS não pertence ao provedor dspCliente");

    const std::string fifty = "Ação " + std::string(45, 'x'); // 50 characters, 52 bytes
    DeltaBuilder fits(cliente, {"CDCLIENTE", "NMFANTCLIE"});
    fits.insert({"J2", fifty});
    EXPECT_EQ(applyDelta(conn(), cliente, fits.delta()), 1u);

    // The client declares a wider field than the column: the column decides.
    DeltaBuilder tooLong({{"CDCLIENTE", FieldType::String, 21}, {"NMFANTCLIE", FieldType::String, 80}});
    tooLong.insert({"J3", "Gama"}).modify({"J1", "Alfa"}, {{"NMFANTCLIE", fifty + "y"}});
    expectRefused(tooLong.delta(), "NMFANTCLIE");
    EXPECT_EQ(count("CLIENTE"), 2);
    EXPECT_EQ(fantasyOf("J1"), "Alfa");
}

TEST_P(ApplyDeltaTest, ValuesAreDataEvenWhenTheyLookLikeSql) {
    const std::string evil = "x'); DELETE FROM CLIENTE; --";
    DeltaBuilder d(cliente, {"CDCLIENTE", "NMFANTCLIE"});
    d.insert({"J1", evil}).insert({"J' OR '1'='1", "Aspas"});
    applyDelta(conn(), cliente, d.delta());
    EXPECT_EQ(count("CLIENTE"), 2);
    EXPECT_EQ(fantasyOf("J1"), evil);

    DeltaBuilder del(cliente, {"CDCLIENTE"});
    del.remove({"J' OR '1'='1"});
    applyDelta(conn(), cliente, del.delta());
    EXPECT_EQ(count("CLIENTE"), 1);
}

TEST_P(ApplyDeltaTest, AStatementTouchingSeveralRowsIsRefused) {
    // A provider whose declared key does not identify one row: the server must not change two.
    const server::Provider loose(
        server::ProviderDef{"dspTeste", "ENDECLIE", "CDCLIENTE", "CDCLIENTE, DSENDECLIE", "", "", ""});
    exec("INSERT INTO ENDECLIE (CDCLIENTE, IDTPENDECLIE, DSENDECLIE) VALUES ('J1', 'P', 'Rua A'), ('J1', "
         "'C', 'Rua A')");
    DeltaBuilder del(loose, {"CDCLIENTE", "DSENDECLIE"});
    del.remove({"J1", "Rua A"});
    expectRefused(del.delta(), "2 registros", &loose);
    EXPECT_EQ(count("ENDECLIE"), 2);
}

TEST_P(ApplyDeltaTest, ANewIndexTakesItsCodeAsAbbreviation) {
    // The index list sends no abbreviation, which the table requires.
    const server::Provider& index = requireProvider("dspIndice");
    DeltaBuilder d(index, {"CDINDICE", "NMINDICE", "IDPERVALOR", "CDTPINDICE"});
    d.insert({"0901", "Índice 𝄞 novo", "2", "1"});
    EXPECT_EQ(applyDelta(conn(), index, d.delta()), 1u);
    EXPECT_EQ(scalar("SELECT SGINDICE FROM INDICE WHERE CDINDICE = '0901'"), Variant("0901"));

    // Editing the row leaves the abbreviation alone.
    exec("UPDATE INDICE SET SGINDICE = 'IDX' WHERE CDINDICE = '0901'");
    DeltaBuilder mod(index, {"CDINDICE", "NMINDICE"});
    mod.modify({"0901", "Índice 𝄞 novo"}, {{"NMINDICE", "Outro"}});
    EXPECT_EQ(applyDelta(conn(), index, mod.delta()), 1u);
    EXPECT_EQ(scalar("SELECT SGINDICE FROM INDICE WHERE CDINDICE = '0901'"), Variant("IDX"));
}

INSTANTIATE_TEST_SUITE_P(Db, ApplyDeltaTest, ::testing::Values(db::Dialect::SQLite, db::Dialect::PostgreSQL),
                         dialectName);

} // namespace
} // namespace vq::test

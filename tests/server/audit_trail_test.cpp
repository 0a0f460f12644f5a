// The field history on both databases: what a modify, an insert, a delete and a batch write, that a failed
// change writes none, and GetHistCliente's order.

#include "platform/data/error.h"
#include "server/core/apply_delta.h"
#include "server/core/audit_trail.h"
#include "server/core/batch_assign.h"
#include "tests/server/server_fixture.h"

namespace vq::test {
namespace {

using server::applyDelta;
using server::AuditTrail;
using server::requireProvider;

class AuditTrailTest : public ServerDbTest {
protected:
    const server::Provider& cliente = requireProvider("dspCliente");
    AuditTrail trail{{"OP1", "Vqm41200.rdmClientes", "Confirmar", 16}};

    std::int64_t rows(const std::string& where = "1 = 1") {
        return scalar("SELECT COUNT(*) FROM HISTCLIENTE WHERE " + where).toInt();
    }
    // "TABLE.FIELD:action:old>new" of the customer's history, newest first.
    std::vector<std::string> history(const std::string& code) {
        const DataPacket p = server::customerHistory(conn(), code);
        std::vector<std::string> out;
        for (const auto& r : p.rows()) {
            auto at = [&](const char* f) { return r[static_cast<std::size_t>(p.fieldIndex(f))].toString(); };
            out.push_back(at("NMTABHIST") + "." + at("NMCAMPOHIST") + ":" + at("IDACAOHIST") + ":" +
                          at("DSVALANTHIST") + ">" + at("DSVALNOVHIST"));
        }
        return out;
    }
};

TEST_P(AuditTrailTest, InsertModifyAndDeleteWriteTheirFieldsWithWhoAndWhen) {
    DeltaBuilder ins(cliente, {"CDCLIENTE", "NMRAZSOCCLIE", "NMFANTCLIE", "VRLIMCREDCLI"});
    ins.insert({"J1", "Alfa Ltda", "Alfa", Variant()});
    applyDelta(conn(), cliente, ins.delta(), trail);
    EXPECT_EQ(history("J1"),
              (std::vector<std::string>{"CLIENTE.NMFANTCLIE:I:>Alfa", "CLIENTE.NMRAZSOCCLIE:I:>Alfa Ltda",
                                        "CLIENTE.CDCLIENTE:I:>J1"})); // nulls left out

    DeltaBuilder mod(cliente, {"CDCLIENTE", "NMFANTCLIE", "VRLIMCREDCLI"});
    mod.modify({"J1", "Alfa", Variant()}, {{"VRLIMCREDCLI", 5000.0}});
    applyDelta(conn(), cliente, mod.delta(), trail);
    const DataPacket p = server::customerHistory(conn(), "J1");
    ASSERT_EQ(p.rowCount(), 4u);
    const auto& newest = p.rows()[0];
    auto at = [&](const char* f) { return newest[static_cast<std::size_t>(p.fieldIndex(f))].toString(); };
    EXPECT_EQ(at("NMCAMPOHIST"), "VRLIMCREDCLI");
    EXPECT_EQ(at("DSCHAVEHIST"), "CDCLIENTE=J1");
    EXPECT_EQ(at("CDOPERHIST"), "OP1");
    EXPECT_EQ(at("CDMODHIST"), "Vqm41200.rdmClientes");
    EXPECT_EQ(at("NMMETHIST"), "Confirmar");
    EXPECT_EQ(at("CDMODERPHIST"), "16");
    EXPECT_FALSE(newest[static_cast<std::size_t>(p.fieldIndex("DTHIST"))].isNull());

    DeltaBuilder del(cliente, {"CDCLIENTE", "NMRAZSOCCLIE", "NMFANTCLIE"});
    del.remove({"J1", "Alfa Ltda", "Alfa"});
    applyDelta(conn(), cliente, del.delta(), trail);
    EXPECT_EQ(rows("IDACAOHIST = 'E'"), 3);
    EXPECT_EQ(rows(), 7);
    EXPECT_TRUE(history("J9").empty());
}

TEST_P(AuditTrailTest, FailedChangeWritesNoHistoryAndFailedHistoryFailsTheChange) {
    exec("INSERT INTO CLIENTE (CDCLIENTE, NMRAZSOCCLIE, NMFANTCLIE) VALUES ('J1', 'Alfa Ltda', 'Outro')");
    DeltaBuilder mod(cliente, {"CDCLIENTE", "NMRAZSOCCLIE", "NMFANTCLIE"});
    mod.modify({"J1", "Alfa Ltda", "Alfa"}, {{"NMRAZSOCCLIE", "Beta Ltda"}}); // J1 then a stale row
    mod.modify({"J1", "Beta Ltda", "Alfa"}, {{"NMFANTCLIE", "Beta"}});
    EXPECT_THROW(applyDelta(conn(), cliente, mod.delta(), trail), Error);
    EXPECT_EQ(rows(), 0);

    // A method name too long for its column: the history refuses, so the change is undone too.
    AuditTrail broken{{"OP1", "m", std::string(41, 'x'), 0}};
    DeltaBuilder ok(cliente, {"CDCLIENTE", "NMRAZSOCCLIE"});
    ok.modify({"J1", "Alfa Ltda"}, {{"NMRAZSOCCLIE", "Gama Ltda"}});
    EXPECT_ANY_THROW(applyDelta(conn(), cliente, ok.delta(), broken));
    EXPECT_EQ(scalar("SELECT NMRAZSOCCLIE FROM CLIENTE").toString(), "Alfa Ltda");
    EXPECT_EQ(rows(), 0);
}

TEST_P(AuditTrailTest, BatchOverAHundredCustomersWritesOneRowPerChangedCustomer) {
    exec("INSERT INTO GRUPCLIE (CDGRUPCLIE, NMGRUPCLIE) VALUES ('0000000003', 'Distribuidores')");
    for (int i = 0; i < 120; ++i)
        exec("INSERT INTO CLIENTE (CDCLIENTE, NMRAZSOCCLIE, CDGRUPCLIE) VALUES (:P0, 'Cliente', :P1)",
             {"C" + std::to_string(i), i < 20 ? Variant("0000000003") : Variant()});
    net::CallContext ctx;
    ctx.module = "Vqm41200.rdmClientes";
    ctx.method = "setCadAutGrupoClie";
    ctx.operatorCode = "OPER07"; // as the connection's hello named them
    ctx.erpModule = 63;
    EXPECT_EQ(server::assignGroup(conn(), ctx, {"0000000003", "", "", "", "", "T"}), "SUC");
    EXPECT_EQ(
        rows("NMCAMPOHIST = 'CDGRUPCLIE' AND NMMETHIST = 'setCadAutGrupoClie' AND CDOPERHIST = 'OPER07' AND "
             "CDMODERPHIST = 63"),
        100); // 20 already
    EXPECT_EQ(history("C50"), (std::vector<std::string>{"CLIENTE.CDGRUPCLIE:A:>0000000003"}));

    // Price tables: each new link written whole, each principal mark that moves as a change.
    exec("INSERT INTO PRECOBASE (CDPRECOBASE, DSPRECOBASE) VALUES ('01', 'Varejo'), ('02', 'Atacado')");
    ctx.method = "setCadAutoTabPrecoClie";
    EXPECT_EQ(server::assignPriceTable(conn(), ctx, {"01", true, "", "", "", "", "_C1__C2_"}), "SUC");
    EXPECT_EQ(server::assignPriceTable(conn(), ctx, {"02", true, "", "", "", "", "_C1_"}), "SUC");
    EXPECT_EQ(rows("NMTABHIST = 'PRECOBASECLI' AND IDACAOHIST = 'I'"), 9);
    EXPECT_EQ(history("C1").front(), "PRECOBASECLI.IDPRBASEPRIN:A:S>N"); // 01 no longer principal
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM HISTCLIENTE WHERE CDCLIENTE = 'C1' AND DSCHAVEHIST = "
                     "'CDCLIENTE=C1;CDPRECOBASE=02'")
                  .toInt(),
              3);
}

INSTANTIATE_TEST_SUITE_P(Db, AuditTrailTest, ::testing::Values(db::Dialect::SQLite, db::Dialect::PostgreSQL),
                         dialectName);

} // namespace
} // namespace vq::test

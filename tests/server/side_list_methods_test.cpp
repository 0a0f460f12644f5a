// The saves and loads of the customer's side lists through the running server, on SQLite and PostgreSQL:
// the e-mail per branch (every branch, written only over what was read), the carrier list (the saved list
// answered, rows of other customers refused) and duplicates written meanwhile by another user.

#include "server/core/apply_delta.h"
#include "server/core/side_list_saves.h"
#include "tests/server/seeded_server.h"

namespace vq::test {
namespace {

class SideListMethodsTest : public SeededServerTest {
protected:
    void SetUp() override {
        SeededServerTest::SetUp();
        if (!server_)
            return;
        for (const char* table : {"EMAILCLIFIL", "TRANSCLIEPED", "VENDADICCLIE"})
            server_->db().execute(std::string("DELETE FROM ") + table + " WHERE CDCLIENTE = 'SL1'");
        server_->db().execute("DELETE FROM CLIENTE WHERE CDCLIENTE = 'SL1'");
        server_->db().execute("INSERT INTO CLIENTE (CDCLIENTE, NMRAZSOCCLIE, NRINSJURCLIE) VALUES ('SL1', "
                              "'Lista Ltda', '11222333000181')");
    }
    std::string stored(const std::string& branch) {
        auto rows =
            server_->db()
                .query("SELECT DSEMAILDANFEBOL FROM EMAILCLIFIL WHERE CDCLIENTE = 'SL1' AND CDFILIAL = :F",
                       {{"F", Variant(branch)}})
                .rows();
        return rows.empty() ? "<none>" : rows[0][0].toString();
    }
    static DeltaBuilder emailDelta() {
        return DeltaBuilder({FieldDesc{"CDCLIENTE", FieldType::String, 21},
                             FieldDesc{"CDFILIAL", FieldType::String, 4},
                             FieldDesc{"DSEMAILDANFEBOL", FieldType::String, 4000}});
    }
    std::vector<std::string> branches() {
        std::vector<std::string> out;
        for (const Row& r : server_->db().query("SELECT CDFILIAL FROM FILIAL ORDER BY CDFILIAL").rows())
            out.push_back(r[0].toString());
        return out;
    }
    std::string message(const Variant& answer) {
        return answer.is(VariantKind::ServerError) ? answer.asServerError().message : "<no error>";
    }
};

TEST_P(SideListMethodsTest, EmailListHasEveryBranchOfAKnownCustomerOnly) {
    const std::vector<std::string> all = branches();
    ASSERT_GE(all.size(), 2u);
    server_->db().execute("INSERT INTO EMAILCLIFIL (CDCLIENTE, CDFILIAL, DSEMAILDANFEBOL) VALUES ('SL1', :F, "
                          "'nf@lista.com.br')",
                          {{"F", Variant(all[1])}});
    const DataPacket list = rows("GetEmailClieFil", {"SL1"});
    ASSERT_EQ(list.rowCount(), all.size());
    for (std::size_t i = 0; i < all.size(); ++i) {
        EXPECT_EQ(fieldOf(list, i, "CDFILIAL").toString(), all[i]);
        EXPECT_EQ(fieldOf(list, i, "CDCLIENTE").toString(), "SL1");
    }
    EXPECT_TRUE(fieldOf(list, 0, "DSEMAILDANFEBOL").isNull());
    EXPECT_EQ(fieldOf(list, 1, "DSEMAILDANFEBOL").toString(), "nf@lista.com.br");
    EXPECT_EQ(fieldOf(list, 0, "NMRAZSOCCLIE").toString(), "Lista Ltda");
    EXPECT_EQ(rows("GetEmailClieFil", {"NINGUEM"}).rowCount(), 0u);

    net::TNetConnection email;
    email.ServerName = "VQM41203.rdmInfEmailClie";
    email.Port = server_->port();
    const Variant answer = email.Call("GetEmailClieFil", {"SL1"});
    ASSERT_TRUE(answer.is(VariantKind::Packet)) << answer.describe();
    EXPECT_EQ(answer.asPacket().rowCount(), all.size());
}

TEST_P(SideListMethodsTest, EmailIsInsertedUpdatedAndDeletedOverWhatWasRead) {
    const std::vector<std::string> b = branches();
    auto d = emailDelta();
    d.modify({"SL1", b[0], Variant()}, {{"DSEMAILDANFEBOL", Variant("a@x.com")}});
    ASSERT_EQ(call("SetEmailClie", {d.variant()}).toInt(), 1);
    EXPECT_EQ(stored(b[0]), "a@x.com");

    auto u = emailDelta();
    u.modify({"SL1", b[0], "a@x.com"}, {{"DSEMAILDANFEBOL", Variant("b@x.com")}});
    ASSERT_EQ(call("SetEmailClie", {u.variant()}).toInt(), 1);
    EXPECT_EQ(stored(b[0]), "b@x.com");

    auto e = emailDelta();
    e.modify({"SL1", b[0], "b@x.com"}, {{"DSEMAILDANFEBOL", Variant("")}});
    ASSERT_EQ(call("SetEmailClie", {e.variant()}).toInt(), 1);
    EXPECT_EQ(stored(b[0]), "<none>");
}

TEST_P(SideListMethodsTest, EmailChangedMeanwhileOrRowsAddedApplyNothing) {
    const std::vector<std::string> b = branches();
    server_->db().execute("INSERT INTO EMAILCLIFIL (CDCLIENTE, CDFILIAL, DSEMAILDANFEBOL) VALUES ('SL1', :F, "
                          "'outro@x.com')",
                          {{"F", Variant(b[1])}});
    auto d = emailDelta();
    d.modify({"SL1", b[0], Variant()}, {{"DSEMAILDANFEBOL", Variant("a@x.com")}});
    d.modify({"SL1", b[1], Variant()}, {{"DSEMAILDANFEBOL", Variant("meu@x.com")}}); // read before the other
    EXPECT_EQ(message(call("SetEmailClie", {d.variant()})), server::kConflictMessage);
    EXPECT_EQ(stored(b[0]), "<none>");
    EXPECT_EQ(stored(b[1]), "outro@x.com");

    auto i = emailDelta();
    i.insert({"SL1", b[0], "a@x.com"});
    EXPECT_TRUE(call("SetEmailClie", {i.variant()}).is(VariantKind::ServerError));
    EXPECT_EQ(stored(b[0]), "<none>");
}

TEST_P(SideListMethodsTest, CarrierListAnswersTheSavedListAndRefusesOtherCustomers) {
    const auto carriers = server_->db()
                              .query("SELECT NRINSJURTRAN, IDTPIJURTRAN, NMFANTTRAN FROM TRANSPORT "
                                     "ORDER BY NRINSJURTRAN")
                              .rows();
    ASSERT_FALSE(carriers.empty());
    const server::Provider& p = server::requireProvider("dspTransCliePed");
    DeltaBuilder add(p, {"NRINSJURTRAN", "NMFANTTRAN", "IDTPIJURTRAN", "CDCLIENTE"});
    add.insert({carriers[0][0], carriers[0][2], carriers[0][1], "SL1"});
    const Variant saved = call("ConfirmaListaTP", {add.variant(), "SL1"});
    ASSERT_TRUE(saved.is(VariantKind::Packet)) << saved.describe();
    ASSERT_EQ(saved.asPacket().rowCount(), 1u);
    EXPECT_EQ(fieldOf(saved.asPacket(), 0, "NMFANTTRAN"), carriers[0][2]);

    // The same carrier again, as a second user who read the list before would send it.
    EXPECT_EQ(message(call("ConfirmaListaTP", {add.variant(), "SL1"})), server::kDuplicateMessage);

    DeltaBuilder other(p, {"NRINSJURTRAN", "NMFANTTRAN", "IDTPIJURTRAN", "CDCLIENTE"});
    other.insert({carriers[0][0], carriers[0][2], carriers[0][1], "SL2"});
    EXPECT_TRUE(call("ConfirmaListaTP", {other.variant(), "SL1"}).is(VariantKind::ServerError));
    DeltaBuilder unknown(p, {"NRINSJURTRAN", "NMFANTTRAN", "IDTPIJURTRAN", "CDCLIENTE"});
    unknown.insert({"99999999999999", "", "J", "SL1"});
    EXPECT_TRUE(call("ConfirmaListaTP", {unknown.variant(), "SL1"}).is(VariantKind::ServerError));
    EXPECT_EQ(count("SELECT COUNT(*) FROM TRANSCLIEPED WHERE CDCLIENTE IN ('SL1', 'SL2')"), 1);
}

TEST_P(SideListMethodsTest, SalespersonAddedMeanwhileIsADuplicate) {
    const auto sellers = server_->db().query("SELECT CDVENDEDOR FROM VENDEDOR ORDER BY CDVENDEDOR").rows();
    ASSERT_FALSE(sellers.empty());
    DeltaBuilder d(server::requireProvider("dspVendAdicClie"), {"CDCLIENTE", "CDVENDEDOR", "VRPECOMVEN"});
    d.insert({"SL1", sellers[0][0], Variant(10.0)});
    ASSERT_EQ(call("SetVendAdicClie", {d.variant()}).toInt(), 1);
    EXPECT_EQ(message(call("SetVendAdicClie", {d.variant()})), server::kDuplicateMessage);
}

INSTANTIATE_TEST_SUITE_P(Db, SideListMethodsTest,
                         ::testing::Values(db::Dialect::SQLite, db::Dialect::PostgreSQL), dialectName);

} // namespace
} // namespace vq::test

// The prospect conversion through the running server on SQLite and PostgreSQL: ConvertProspect moving
// everything in one transaction or nothing, the step methods one by one, and two users converting the
// same prospect at once.

#include "contract/prosp_fields.h"
#include "platform/data/date_time.h"
#include "tests/server/seeded_server.h"

#include <atomic>
#include <thread>

namespace vq::test {
namespace {

class ProspectConversionTest : public SeededServerTest {
protected:
    void exec(const std::string& sql) { server_->db().execute(sql); }
    std::int64_t rowsWhere(const std::string& table, const std::string& where) {
        return count("SELECT COUNT(*) FROM " + table + " WHERE " + where);
    }
    std::string value(const std::string& sql) {
        const auto rs = server_->db().query(sql);
        return rs.empty() ? std::string("<none>") : rs.rows()[0][0].toString();
    }

    // A prospect with a row in every table the conversion reads, moves or deletes.
    void addProspect(const std::string& p) {
        const std::string v = "'" + p + "'";
        for (const std::string& sql : {
                 "INSERT INTO PROSPECT (CDPROSPECT, IDTPIJURPROS, NRINSJURPROS, NMRAZSOCPROS) VALUES (" + v +
                     ", 'J', '11222333000181', 'Prospect " + p + "')",
                 "INSERT INTO ENDEPROSP (CDPROSPECT, IDTPENDEPROS, CDPAIS, DSENDEPROS, NMBAIRPROS, "
                 "NRTELEXPROS) "
                 "VALUES (" +
                     v + ", 'P', '0055', 'Rua P', 'Centro', '111'), (" + v +
                     ", 'C', '0055', 'Rua C', 'Vila', '222'), (" + v +
                     ", 'T', '0055', 'Rua T', 'Porto', '333')",
                 "INSERT INTO INTEPROSP (CDPROSPECT, CDINTEPROS, NMINTEPROS, CDCARGOINTERLOC) VALUES (" + v +
                     ", '01', 'Ana', '001'), (" + v + ", '02', 'Bia', NULL)",
                 "INSERT INTO CORRPROSP (CDPROSPECT, CDINTEPROS, CDTIPOCORR) VALUES (" + v + ", '01', '001')",
                 "INSERT INTO MALADIRETA (NRSEQMALA, CDMALADIR, CDPROSPECT, CDINTEPROS) SELECT "
                 "COALESCE(MAX(NRSEQMALA), 0) + 1, '00001', " +
                     v + ", '02' FROM MALADIRETA",
                 "INSERT INTO CONTATO (CDFILIAL, NRCONTATO, CDPROSPECT, IDTPCONTATO) VALUES ('0001', " + v +
                     ", " + v + ", 'P')",
                 // Another branch's contact with the same number belongs to nobody here.
                 "INSERT INTO CONTATO (CDFILIAL, NRCONTATO, CDPROSPECT, IDTPCONTATO) VALUES ('0002', " + v +
                     ", 'OUTRO', 'P')",
                 "INSERT INTO EVOLCONTATO (CDFILIAL, NRCONTATO, DTHREVOLCONT, CDPROSPECT, CDINTEPROS) VALUES "
                 "('0001', " +
                     v + ", '2026-01-02 10:00:00', " + v + ", '02'), ('0001', " + v +
                     ", '2026-01-03 10:00:00', " + v + ", NULL), ('0002', " + v +
                     ", '2026-01-04 10:00:00', 'OUTRO', '01')",
                 "INSERT INTO OBSPROS (CDPROSPECT, DSOBSERVPROS) VALUES (" + v + ", 'Cliente promissor')",
                 "INSERT INTO ACAOPROSP (NRSEQACAO, CDPROSPECT) SELECT COALESCE(MAX(NRSEQACAO), 0) + 1, " +
                     v + " FROM ACAOPROSP",
                 "INSERT INTO TAREFA (CDFILIAL, NRTAREFA, CDPROSPECT) VALUES ('0001', " + v + ", " + v + ")",
                 "INSERT INTO MOVOCORR (CDFILIAL, NRMOVOCORR, CDPROSPECT) VALUES ('0001', " + v + ", " + v +
                     ")",
                 "INSERT INTO AUDITORIA (NRSEQAUDIT, CDPROSPECT) SELECT COALESCE(MAX(NRSEQAUDIT), 0) + 1, " +
                     v + " FROM AUDITORIA",
                 "INSERT INTO PROPOSTAFAS (CDFILIAL, NRPROPOSFAS, CDPROSPECT) VALUES ('0001', " + v + ", " +
                     v + ")",
                 "INSERT INTO ESTINTERESSE (CDPROSPECT, CDINTERESSE) VALUES (" + v + ", '001')",
                 "INSERT INTO ESCOPO (CDPROSPECT, CDESCOPO) VALUES (" + v + ", '001')",
                 "INSERT INTO PROSFILIAL (CDPROSPECT, CDFILIAL) VALUES (" + v + ", '0001')",
                 "INSERT INTO HISQUALPROS (CDPROSPECT, DTHRHISQUAL, CDQUALIF) VALUES (" + v +
                     ", '2026-01-01 00:00:00', '01')",
                 "INSERT INTO QUALIFPROS (CDPROSPECT, CDQUALIF) VALUES (" + v + ", '01')",
                 "INSERT INTO CURSOPROSP (CDPROSPECT, CDCURSO) VALUES (" + v + ", '001')",
             })
            exec(sql);
    }

    // Rows still naming the prospect, in every table it owns or is named in.
    std::int64_t prospectRows(const std::string& p) {
        std::int64_t n = 0;
        for (const char* table :
             {"PROSPECT", "ENDEPROSP", "INTEPROSP", "CORRPROSP", "OBSPROS", "CONTATO", "EVOLCONTATO",
              "ACAOPROSP", "TAREFA", "MOVOCORR", "AUDITORIA", "PROPOSTAFAS", "ESTINTERESSE", "ESCOPO",
              "PROSFILIAL", "HISQUALPROS", "QUALIFPROS", "CURSOPROSP", "MALADIRETA"})
            n += rowsWhere(table, "CDPROSPECT = '" + p + "'");
        return n;
    }

    // The new customer's record and normal address as the form sends them.
    static Variant customerDelta(const std::string& c) {
        DeltaBuilder d(server::requireProvider("dspCliente"), {"CDCLIENTE", "IDTPIJURCLIE", "NMRAZSOCCLIE"});
        d.insert({c, "J", "Cliente " + c});
        return d.variant();
    }
    static Variant addressDelta(const std::string& provider, const std::string& c, const std::string& kind) {
        DeltaBuilder d(server::requireProvider(provider), {"CDCLIENTE", "IDTPENDECLIE", "DSENDECLIE"});
        d.insert({c, kind, "Rua do cliente " + kind});
        return d.variant();
    }
    static Variant addresses(Variant normal, Variant billing = Variant()) {
        return Variant(VariantArray{std::move(normal), std::move(billing), Variant(), Variant(), Variant()});
    }

    Variant convert(net::TNetConnection& conn, const std::string& c, const std::string& p, Variant customer,
                    Variant addressDeltas) {
        return conn.Call(contract::prospect::kConvertProspect,
                         {Variant(c), Variant(p), std::move(customer), std::move(addressDeltas),
                          Variant(true), Variant("OPER01"), Variant(DateTime{46000.5})});
    }
    Variant convert(const std::string& c, const std::string& p, Variant customer, Variant addressDeltas) {
        return convert(conn_, c, p, std::move(customer), std::move(addressDeltas));
    }
};

TEST_P(ProspectConversionTest, ConversionMovesEverythingOnceAndDeletesTheProspect) {
    addProspect("PCV1");
    // The customer's own billing address and contact 01 stay; its contacts from the prospect get 02, 03.
    exec("INSERT INTO INTECLIE (CDCLIENTE, CDINTECLIE, NMINTECLIE) VALUES ('JCV1', '01', 'Própria')");
    const Variant answer = convert("JCV1", "PCV1", customerDelta("JCV1"),
                                   addresses(addressDelta("dspEndeClieNorm", "JCV1", "P"),
                                             addressDelta("dspEndeClieCobr", "JCV1", "C")));
    ASSERT_TRUE(answer.is(VariantKind::Array)) << answer.describe();
    const VariantArray moved{Variant(VariantArray{Variant("01"), Variant("02")}),
                             Variant(VariantArray{Variant("02"), Variant("03")})};
    EXPECT_EQ(answer, Variant(VariantArray{Variant("JCV1"), Variant(moved)}));

    EXPECT_EQ(value("SELECT NMRAZSOCCLIE FROM CLIENTE WHERE CDCLIENTE = 'JCV1'"), "Cliente JCV1");
    EXPECT_EQ(value("SELECT DSENDECLIE FROM ENDECLIE WHERE CDCLIENTE = 'JCV1' AND IDTPENDECLIE = 'P'"),
              "Rua do cliente P");
    EXPECT_EQ(value("SELECT DSENDECLIE FROM ENDECLIE WHERE CDCLIENTE = 'JCV1' AND IDTPENDECLIE = 'C'"),
              "Rua do cliente C");
    EXPECT_EQ(value("SELECT DSENDECLIE || '/' || NMBAIRCLIE || '/' || NRTELEXCLIE FROM ENDECLIE WHERE "
                    "CDCLIENTE = 'JCV1' AND IDTPENDECLIE = 'T'"),
              "Rua T/Porto/333");

    EXPECT_EQ(value("SELECT NMINTECLIE FROM INTECLIE WHERE CDCLIENTE = 'JCV1' AND CDINTECLIE = '01'"),
              "Própria");
    EXPECT_EQ(value("SELECT NMINTECLIE || CDCARGOINTERLOC FROM INTECLIE WHERE CDCLIENTE = 'JCV1' AND "
                    "CDINTECLIE = '02'"),
              "Ana001");
    EXPECT_EQ(value("SELECT NMINTECLIE FROM INTECLIE WHERE CDCLIENTE = 'JCV1' AND CDINTECLIE = '03'"), "Bia");
    EXPECT_EQ(rowsWhere("CORINTECLI", "CDCLIENTE = 'JCV1' AND CDINTECLIE = '02' AND CDTIPOCORR = '001'"), 1);
    EXPECT_EQ(rowsWhere("MALADIRETA", "CDCLIENTE = 'JCV1' AND CDINTECLIE = '03' AND CDINTEPROS IS NULL"), 1);

    // The commercial contact is the customer's; its history goes to the contact each row names.
    EXPECT_EQ(value("SELECT CDCLIENTE || IDTPCONTATO FROM CONTATO WHERE CDFILIAL = '0001' AND NRCONTATO = "
                    "'PCV1'"),
              "JCV1C");
    EXPECT_EQ(value("SELECT CDINTECLIE FROM EVOLCONTATO WHERE CDFILIAL = '0001' AND NRCONTATO = 'PCV1' AND "
                    "CDINTEPROS IS NULL AND CDCLIENTE = 'JCV1' ORDER BY DTHREVOLCONT"),
              "03");
    EXPECT_EQ(rowsWhere("EVOLCONTATO", "CDCLIENTE = 'JCV1' AND CDINTECLIE = '02'"), 1);
    EXPECT_EQ(rowsWhere("EVOLCONTATO", "CDFILIAL = '0002' AND CDPROSPECT = 'OUTRO' AND CDCLIENTE IS NULL"),
              1);
    EXPECT_EQ(rowsWhere("CONTATO", "CDFILIAL = '0002' AND CDPROSPECT = 'OUTRO'"), 1);

    EXPECT_EQ(value("SELECT CDOPERADOR FROM OBSERVCLIE WHERE CDCLIENTE = 'JCV1'"), "OPER01");
    for (const char* table : {"ACAOPROSP", "TAREFA", "MOVOCORR", "AUDITORIA", "PROPOSTAFAS"})
        EXPECT_EQ(rowsWhere(table, "CDCLIENTE = 'JCV1' AND CDPROSPECT IS NULL"), 1) << table;
    EXPECT_EQ(prospectRows("PCV1"), 0);

    // Converted once: a second time finds no prospect.
    const Variant again = convert("JCV1", "PCV1", Variant(), addresses(Variant()));
    ASSERT_TRUE(again.is(VariantKind::ServerError));
    EXPECT_NE(again.asServerError().message.find("PCV1"), std::string::npos);
}

TEST_P(ProspectConversionTest, AFailingStepLeavesEverythingAsItWasAndARetrySucceeds) {
    addProspect("PCV2");
    const bool pg = GetParam() == db::Dialect::PostgreSQL;
    if (pg) {
        exec("CREATE FUNCTION pcv2_block() RETURNS trigger AS $$ BEGIN IF OLD.CDPROSPECT = 'PCV2' THEN RAISE "
             "EXCEPTION 'exclusão bloqueada'; END IF; RETURN OLD; END $$ LANGUAGE plpgsql");
        exec(
            "CREATE TRIGGER pcv2_block BEFORE DELETE ON PROSPECT FOR EACH ROW EXECUTE FUNCTION pcv2_block()");
    } else {
        exec("CREATE TRIGGER pcv2_block BEFORE DELETE ON PROSPECT WHEN OLD.CDPROSPECT = 'PCV2' BEGIN SELECT "
             "RAISE(ABORT, 'exclusão bloqueada'); END");
    }
    const std::int64_t before = prospectRows("PCV2");
    const Variant failed = convert("JCV2", "PCV2", customerDelta("JCV2"),
                                   addresses(addressDelta("dspEndeClieNorm", "JCV2", "P")));
    ASSERT_TRUE(failed.is(VariantKind::ServerError)) << failed.describe();
    EXPECT_EQ(prospectRows("PCV2"), before);
    EXPECT_EQ(rowsWhere("CLIENTE", "CDCLIENTE = 'JCV2'"), 0);
    EXPECT_EQ(rowsWhere("ENDECLIE", "CDCLIENTE = 'JCV2'"), 0);
    EXPECT_EQ(rowsWhere("INTECLIE", "CDCLIENTE = 'JCV2'"), 0);
    EXPECT_EQ(rowsWhere("OBSERVCLIE", "CDCLIENTE = 'JCV2'"), 0);

    exec(pg ? "DROP TRIGGER pcv2_block ON PROSPECT" : "DROP TRIGGER pcv2_block");
    const Variant retried = convert("JCV2", "PCV2", customerDelta("JCV2"),
                                    addresses(addressDelta("dspEndeClieNorm", "JCV2", "P")));
    ASSERT_TRUE(retried.is(VariantKind::Array)) << retried.describe();
    EXPECT_EQ(rowsWhere("INTECLIE", "CDCLIENTE = 'JCV2'"), 2);
    EXPECT_EQ(prospectRows("PCV2"), 0);
}

TEST_P(ProspectConversionTest, BadInputIsRefusedWithNothingWritten) {
    addProspect("PCV3");
    const std::int64_t before = prospectRows("PCV3");
    // A customer code already registered.
    exec("INSERT INTO CLIENTE (CDCLIENTE, NMRAZSOCCLIE) VALUES ('JCV3', 'Existente')");
    Variant r = convert("JCV3", "PCV3", customerDelta("JCV3"), addresses(Variant()));
    ASSERT_TRUE(r.is(VariantKind::ServerError));
    EXPECT_EQ(prospectRows("PCV3"), before);
    // No customer at all.
    r = convert("JCV3X", "PCV3", Variant(), addresses(Variant()));
    ASSERT_TRUE(r.is(VariantKind::ServerError));
    EXPECT_NE(r.asServerError().message.find("JCV3X"), std::string::npos);
    // A contact code that is not a number.
    exec("INSERT INTO INTEPROSP (CDPROSPECT, CDINTEPROS, NMINTEPROS) VALUES ('PCV3', 'AB', 'Caio')");
    r = convert("JCV3B", "PCV3", customerDelta("JCV3B"), addresses(Variant()));
    ASSERT_TRUE(r.is(VariantKind::ServerError));
    EXPECT_NE(r.asServerError().message.find("\"AB\""), std::string::npos) << r.asServerError().message;
    EXPECT_EQ(rowsWhere("CLIENTE", "CDCLIENTE = 'JCV3B'"), 0);
    exec("DELETE FROM INTEPROSP WHERE CDPROSPECT = 'PCV3' AND CDINTEPROS = 'AB'");
    // No free code left up to 99.
    exec("INSERT INTO INTEPROSP (CDPROSPECT, CDINTEPROS, NMINTEPROS) VALUES ('PCV3', '99', 'Caio')");
    exec("INSERT INTO INTECLIE (CDCLIENTE, CDINTECLIE, NMINTECLIE) VALUES ('JCV3', '99', 'Própria')");
    r = convert("JCV3", "PCV3", Variant(), addresses(Variant()));
    ASSERT_TRUE(r.is(VariantKind::ServerError));
    EXPECT_NE(r.asServerError().message.find("99"), std::string::npos);
    EXPECT_EQ(rowsWhere("INTECLIE", "CDCLIENTE = 'JCV3'"), 1);
    EXPECT_EQ(prospectRows("PCV3"), before + 1);
}

TEST_P(ProspectConversionTest, StepMethodsEachDoTheirPartAlone) {
    addProspect("PCV4");
    exec("INSERT INTO CLIENTE (CDCLIENTE, NMRAZSOCCLIE) VALUES ('JCV4', 'Cliente JCV4')");
    EXPECT_EQ(rows("GetInterProsp", {"PCV4"}).rowCount(), 2u);
    EXPECT_EQ(fieldOf(rows("GetCorrProsp", {"01", "PCV4"}), 0, "CDTIPOCORR"), Variant("001"));
    EXPECT_EQ(rows("GetContPros", {"PCV4"}).rowCount(), 1u);
    EXPECT_EQ(rows("GetEvolPros", {"PCV4"}).rowCount(), 3u); // by number alone, as the method is called
    EXPECT_EQ(fieldOf(rows("GetObsPros", {"PCV4"}), 0, "DSOBSERVPROS").toString(), "Cliente promissor");
    EXPECT_EQ(rows("GetInsEndeClie", {"JCV4", "C"}).rowCount(), 0u);

    DeltaBuilder contact(server::requireProvider("dspInterloc"), {"CDCLIENTE", "CDINTECLIE", "NMINTECLIE"});
    contact.insert({"JCV4", "01", "Ana"});
    EXPECT_EQ(call("ImportaInterProsp", {contact.variant(), "PCV4", "01"}), Variant(1));
    EXPECT_EQ(call("ImportaEnderecoProspect", {addressDelta("dspEndeClieCobr", "JCV4", "C"), "PCV4"}),
              Variant(1));
    EXPECT_EQ(call("SetUpMalaProsp", {"02", "PCV4", "JCV4", "01", "", ""}), Variant(1));
    EXPECT_EQ(call("SetAcaoProsp", {"JCV4", "PCV4"}), Variant(1));
    for (const char* kind : {"Tarefa", "Contato", "Movocorr", "Auditoria", "Propostafas"}) {
        const DataPacket packet = rows(std::string("Get") + kind, {"PCV4"});
        EXPECT_EQ(
            call(std::string("Set") + kind, {Variant(std::make_shared<const DataPacket>(packet)), "JCV4"}),
            Variant(static_cast<std::int64_t>(packet.rowCount())))
            << kind;
    }
    // The saving providers of the conversion's datasets.
    DeltaBuilder corr(server::requireProvider("dspCorrProsp"), {"CDPROSPECT", "CDINTEPROS", "CDTIPOCORR"});
    corr.remove({"PCV4", "01", "001"});
    EXPECT_EQ(call("Confirmar", {corr.variant(), "dspCorrProsp"}), Variant(1));
    EXPECT_EQ(call("SetExcEndeProsp", {"PCV4"}), Variant(3));
    EXPECT_EQ(call("SetExcInteProsp", {"PCV4"}), Variant(2));
    for (std::string_view method : {"SetDelEstinteresse", "SetEscopo", "SetProsfilial", "SetHisQualPros",
                                    "SetQualifPros", "SetCursoProspect"})
        EXPECT_EQ(call(method, {"PCV4"}), Variant(1)) << method;
    EXPECT_EQ(call("SetDelProspect", {"PCV4"}), Variant(2)); // the observation with it
    EXPECT_EQ(prospectRows("PCV4"), 2); // the history rows, which dspEvolPros saves on their own
    EXPECT_EQ(rowsWhere("ENDECLIE", "CDCLIENTE = 'JCV4' AND IDTPENDECLIE = 'C'"), 1);
}

TEST_P(ProspectConversionTest, OfTwoConcurrentConversionsExactlyOneWins) {
    static std::atomic<int> next{0};
    const std::string n = std::to_string(next++);
    const std::string p = "PCC" + n;
    addProspect(p);
    std::atomic<int> wins{0};
    std::atomic<int> refusals{0};
    const auto attempt = [&](const std::string& c) {
        net::TNetConnection conn;
        server_->connect(conn);
        const Variant r = convert(conn, c, p, customerDelta(c), addresses(Variant()));
        (r.is(VariantKind::Array) ? wins : refusals)++;
    };
    std::thread a(attempt, "JCA" + n);
    std::thread b(attempt, "JCB" + n);
    a.join();
    b.join();
    EXPECT_EQ(wins.load(), 1);
    EXPECT_EQ(refusals.load(), 1);
    EXPECT_EQ(rowsWhere("CLIENTE", "CDCLIENTE IN ('JCA" + n + "', 'JCB" + n + "')"), 1);
    EXPECT_EQ(rowsWhere("INTECLIE", "CDCLIENTE IN ('JCA" + n + "', 'JCB" + n + "')"), 2);
    EXPECT_EQ(prospectRows(p), 0);
}

INSTANTIATE_TEST_SUITE_P(Db, ProspectConversionTest,
                         ::testing::Values(db::Dialect::SQLite, db::Dialect::PostgreSQL), dialectName);

} // namespace
} // namespace vq::test

// The batch assignments on SQLite and PostgreSQL: the target (all, picked list, narrowed by the country,
// state or municipality of one address kind), each rule of the three set methods, progress per chunk, and
// the whole change rolled back when a customer fails or the progress cannot be sent.

#include "contract/code_list.h"
#include "platform/data/error.h"
#include "server/core/batch_assign.h"
#include "server/core/batch_target.h"
#include "tests/server/server_fixture.h"

#include <utility>
#include <vector>

namespace vq::test {
namespace {

using server::assignGroup;
using server::assignPriceTable;
using server::assignRetentions;
using server::customersByAddress;

class BatchAssignTest : public ServerDbTest {
protected:
    void SetUp() override {
        ServerDbTest::SetUp();
        if (IsSkipped())
            return;
        // code, name; billing address (C) country/state/municipality
        addCustomer("J1", "Beta", "0055", "SP", "0001");
        addCustomer("J2", "Alfa", "0055", "SP", "0002");
        addCustomer("F3", "Gama", "0055", "RJ", "0001");
        addCustomer("J4", "Delta", "0032", "", "");
        exec("INSERT INTO CLIENTE (CDCLIENTE, NMRAZSOCCLIE) VALUES ('O5', 'Sem Endereço')");
        exec("INSERT INTO RETECF (NRSEQUENCIAL, CDRETECF, DSRETECF, IDIRPJ, IDCSLL) VALUES (7, '1708', "
             "'Serviços', 'S', 'N'), (8, '5952', 'CSLL', 'N', 'S')");
        exec("INSERT INTO PRECOBASE (CDPRECOBASE, DSPRECOBASE) VALUES ('01', 'Varejo'), ('02', 'Atacado')");
        exec("INSERT INTO GRUPCLIE (CDGRUPCLIE, NMGRUPCLIE) VALUES ('0000000003', 'Distribuidores')");
        ctx_.module = "Vqm41200.rdmClientes";
        ctx_.method = "test";
        ctx_.progress = [this](std::int64_t done, std::int64_t total) { reports_.emplace_back(done, total); };
    }

    void addCustomer(const std::string& code, const std::string& name, const std::string& country,
                     const std::string& state, const std::string& municipality) {
        exec("INSERT INTO CLIENTE (CDCLIENTE, NMRAZSOCCLIE, NRINSJURCLIE, IDTPIJURCLIE) VALUES (:P0, :P1, "
             ":P2, "
             ":P3)",
             {code, name, code.substr(1), code.substr(0, 1)});
        exec(
            "INSERT INTO ENDECLIE (CDCLIENTE, IDTPENDECLIE, CDPAIS, SGESTADO, CDMUNICIPIO) VALUES (:P0, 'C', "
            ":P1, :P2, :P3)",
            {code, country, state, municipality});
    }

    std::string column(const std::string& column, const std::string& code) {
        return scalar("SELECT " + column + " FROM CLIENTE WHERE CDCLIENTE = :P0", {code}).toString();
    }
    // "code:mark" of every link, in code order.
    std::vector<std::string> links(const std::string& code) {
        std::vector<std::string> out;
        for (const Row& r :
             conn()
                 .query("SELECT CDPRECOBASE, IDPRBASEPRIN FROM PRECOBASECLI WHERE CDCLIENTE = :C "
                        "ORDER BY CDPRECOBASE",
                        {{"C", Variant(code)}})
                 .rows())
            out.push_back(r[0].toString() + ":" + r[1].toString());
        return out;
    }
    std::vector<std::string> chosen(VariantArray geography) {
        std::vector<std::string> out;
        const DataPacket p = customersByAddress(conn(), geography);
        for (std::size_t i = 0; i < p.rowCount(); ++i)
            out.push_back(p.rows()[i][1].toString());
        return out;
    }
    static VariantArray tableArgs(std::string table, bool principal, std::string customers,
                                  std::string kind = "", std::string countries = "", std::string states = "",
                                  std::string municipalities = "") {
        return {table, principal, countries, states, municipalities, kind, customers};
    }

    net::CallContext ctx_;
    std::vector<std::pair<std::int64_t, std::int64_t>> reports_;
};

TEST(BatchListTest, ListFormParsesCodesInOrderTrimmedAndSkipsEmptyOnes) {
    EXPECT_EQ(contract::listCodes("_a__b_"), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(contract::listCodes("_ J1 __x_"), (std::vector<std::string>{"J1", "x"}));
    EXPECT_TRUE(contract::listCodes("").empty());
    EXPECT_TRUE(contract::listCodes("T").empty());
    EXPECT_EQ(contract::listCodes("_0055SP_garbage_"), (std::vector<std::string>{"0055SP"}));
}

TEST_P(BatchAssignTest, TargetIsAllOrTheListNarrowedByOneAddressKind) {
    EXPECT_EQ(chosen({"", "", "", ""}), (std::vector<std::string>{"J2", "J1", "J4", "F3", "O5"})); // by name
    EXPECT_EQ(chosen({"", "", "", "C"}), (std::vector<std::string>{"J2", "J1", "J4", "F3"}));
    EXPECT_TRUE(chosen({"", "", "", "P"}).empty());
    EXPECT_EQ(chosen({"_0055_", "", "", "C"}), (std::vector<std::string>{"J2", "J1", "F3"}));
    EXPECT_EQ(chosen({"", "_0055SP_", "", "C"}), (std::vector<std::string>{"J2", "J1"}));
    EXPECT_EQ(chosen({"", "", "_0055SP0001__0055RJ0001_", "C"}), (std::vector<std::string>{"J1", "F3"}));
    // list text is a value, never SQL
    EXPECT_TRUE(chosen({"_0055') OR ('1'='1_", "", "", "C"}).empty());
    exec("INSERT INTO ENDECLIE (CDCLIENTE, IDTPENDECLIE, CDPAIS) VALUES ('O5', 'T', '0055')");
    EXPECT_EQ(chosen({"_0055_", "", "", ""}), (std::vector<std::string>{"J2", "J1", "F3", "O5"})); // any kind
    EXPECT_THROW(chosen({"", "", "", "Z"}), Error);
}

TEST_P(BatchAssignTest, RetentionsSetSequentialAndCodeAndMinusOneKeepsThem) {
    exec("UPDATE CLIENTE SET NRSEQRETCSLL = 8, CDRETCSLL = '5952'");
    // a CSLL-only code is accepted as IRPJ
    EXPECT_EQ(assignRetentions(conn(), ctx_, {"_J1__F3_", 8, -1}), 2);
    EXPECT_EQ(column("CDRETIRPJ", "J1"), "5952");
    EXPECT_EQ(column("NRSEQRETIRPJ", "F3"), "8");
    EXPECT_EQ(column("CDRETIRPJ", "J2"), "");
    EXPECT_EQ(column("CDRETCSLL", "J1"), "5952");

    EXPECT_EQ(assignRetentions(conn(), ctx_, {"T", -1, -1}), 5);
    EXPECT_EQ(column("CDRETIRPJ", "J1"), "5952");
    EXPECT_EQ(assignRetentions(conn(), ctx_, {"t", 7, 7}), 5);
    EXPECT_EQ(column("CDRETIRPJ", "O5"), "1708");
    EXPECT_EQ(column("CDRETCSLL", "J2"), "1708");
    EXPECT_EQ(column("NRSEQRETCSLL", "J2"), "7");
    EXPECT_EQ(assignRetentions(conn(), ctx_, {"", 7, 7}), 0);

    EXPECT_THROW(assignRetentions(conn(), ctx_, {"T", 99, -1}), Error);
    EXPECT_THROW(assignRetentions(conn(), ctx_, {"T", -1, 99}), Error);
}

TEST_P(BatchAssignTest, PriceTableIsLinkedWhereMissingAndPrincipalIsTheOnlyOne) {
    exec("INSERT INTO PRECOBASECLI (CDCLIENTE, CDPRECOBASE, IDPRBASEPRIN) VALUES ('J1', '02', 'S'), "
         "('F3', '01', 'N')");
    EXPECT_EQ(assignPriceTable(conn(), ctx_, tableArgs("01", false, "_J1__F3_")), "SUC");
    EXPECT_EQ(links("J1"), (std::vector<std::string>{"01:N", "02:S"}));
    EXPECT_EQ(links("F3"), (std::vector<std::string>{"01:N"}));
    EXPECT_TRUE(links("J2").empty());

    EXPECT_EQ(assignPriceTable(conn(), ctx_, tableArgs("01", true, "T", "C", "", "_0055SP_")), "SUC");
    EXPECT_EQ(links("J1"), (std::vector<std::string>{"01:S", "02:N"}));
    EXPECT_EQ(links("J2"), (std::vector<std::string>{"01:S"}));
    EXPECT_EQ(links("F3"), (std::vector<std::string>{"01:N"}));

    EXPECT_EQ(assignPriceTable(conn(), ctx_, tableArgs("02", true, "T", "C", "_0099_")).substr(0, 11),
              "NO_CLIENTES");
    EXPECT_THROW(assignPriceTable(conn(), ctx_, tableArgs("09", true, "T")), Error);
    EXPECT_EQ(links("J1"), (std::vector<std::string>{"01:S", "02:N"}));
}

TEST_P(BatchAssignTest, GroupIsSetOnTheChosenCustomersAndUnknownGroupsAreRefused) {
    EXPECT_EQ(assignGroup(conn(), ctx_, {"0000000003", "", "", "_0055RJ0001_", "C", "T"}), "SUC");
    EXPECT_EQ(column("CDGRUPCLIE", "F3"), "0000000003");
    EXPECT_EQ(column("CDGRUPCLIE", "J1"), "");
    EXPECT_EQ(assignGroup(conn(), ctx_, {"0000000003", "", "", "", "", "_X9_"}), "NO_CLIENTES");
    EXPECT_THROW(assignGroup(conn(), ctx_, {"00", "", "", "", "", "T"}), Error);
}

TEST_P(BatchAssignTest, ChunksReportProgressAndAFailureAnywhereLeavesEverythingUnchanged) {
    for (int i = 0; i < 1200; ++i)
        exec("INSERT INTO CLIENTE (CDCLIENTE, NMRAZSOCCLIE) VALUES (:P0, 'Lote')",
             {"L" + std::to_string(10000 + i)});
    EXPECT_EQ(assignGroup(conn(), ctx_, {"0000000003", "", "", "", "", "T"}), "SUC");
    EXPECT_EQ(reports_,
              (std::vector<std::pair<std::int64_t, std::int64_t>>{{500, 1205}, {1000, 1205}, {1205, 1205}}));
    exec("UPDATE CLIENTE SET CDGRUPCLIE = NULL");

    // the client gone after the second chunk
    ctx_.progress = [](std::int64_t done, std::int64_t) {
        if (done >= 1000)
            throw std::runtime_error("client gone");
    };
    EXPECT_THROW(assignGroup(conn(), ctx_, {"0000000003", "", "", "", "", "T"}), std::runtime_error);
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM CLIENTE WHERE CDGRUPCLIE IS NOT NULL").toInt(), 0);
    ctx_.progress = {};

    // a trigger refusing the last customer (codes sort "L..." before "O5")
    if (GetParam() == db::Dialect::SQLite) {
        exec("CREATE TRIGGER TG_FALHA BEFORE UPDATE ON CLIENTE WHEN NEW.CDCLIENTE = 'O5' BEGIN SELECT "
             "RAISE(ABORT, 'cliente bloqueado'); END");
    } else {
        exec("CREATE FUNCTION FN_FALHA() RETURNS trigger AS $$ BEGIN IF NEW.CDCLIENTE = 'O5' THEN RAISE "
             "EXCEPTION 'cliente bloqueado'; END IF; RETURN NEW; END $$ LANGUAGE plpgsql");
        exec("CREATE TRIGGER TG_FALHA BEFORE UPDATE ON CLIENTE FOR EACH ROW EXECUTE FUNCTION FN_FALHA()");
    }
    EXPECT_ANY_THROW(assignRetentions(conn(), ctx_, {"T", 7, 8}));
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM CLIENTE WHERE NRSEQRETIRPJ IS NOT NULL").toInt(), 0);
    EXPECT_FALSE(conn().inTransaction());
    // the connection serves the next call (no temporary table left behind)
    EXPECT_EQ(assignPriceTable(conn(), ctx_, tableArgs("01", true, "_J1_")), "SUC");
}

INSTANTIATE_TEST_SUITE_P(Databases, BatchAssignTest,
                         ::testing::Values(db::Dialect::SQLite, db::Dialect::PostgreSQL), dialectName);

} // namespace
} // namespace vq::test

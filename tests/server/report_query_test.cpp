// The customer listing "Vqm412" on SQLite and PostgreSQL through the report runner: each list criterion by
// its key, both situations, and date ranges that include their whole last day.

#include "filter_report/report_vqm412.h"
#include "framework/reports/report_engine.h"
#include "tests/server/seeded_server.h"

namespace vq::test {
namespace {

class ReportQueryTest : public SeededServerTest {
protected:
    // Every criterion "all", both situations, no dates; `changes` on top.
    db::Params params(std::initializer_list<std::pair<const char*, Variant>> changes = {}) {
        db::Params p;
        for (const char* list :
             {"P_CDCLIENTE", "P_CDPAIS", "P_SGESTADO", "P_CDMUNICIPIO", "P_CDATIVCLI", "P_CDSEGMER"})
            p.emplace(list, Variant("T"));
        p.emplace("P_IDCLIEATIV", Variant("S"));
        p.emplace("P_TCLIEATIV", Variant(""));
        p.emplace("P_IDCLIEINAT", Variant("N"));
        p.emplace("P_TCLIEINAT", Variant(""));
        for (const char* date : {"P_CLIEDESDEINI", "P_CLIEDESDEFIN", "P_NASCFUNDINI", "P_NASCFUNDFIN"})
            p.emplace(date, Variant(DateTime{}));
        p.emplace("P_TCLIEDESDE", Variant("T"));
        p.emplace("P_TNASCFUND", Variant("T"));
        for (const auto& [name, value] : changes)
            p[name] = value;
        return p;
    }
    DataPacket run(const db::Params& p) {
        return reports::connectionRunner(server_->db())(Vqm41201::vqm412Definition(), p);
    }
    std::int64_t rowsOf(const db::Params& p) { return static_cast<std::int64_t>(run(p).rows().size()); }
    std::string first(const std::string& sql) { return server_->db().query(sql).rows()[0][0].asString(); }
};

TEST_P(ReportQueryTest, EachCriterionSituationAndDateRangeRestrictsTheRows) {
    const std::int64_t all = count("SELECT COUNT(*) FROM CLIENTE");
    ASSERT_GT(all, 2);
    EXPECT_EQ(rowsOf(params()), all);
    EXPECT_EQ(Vqm41201::vqm412Definition().params.size(), 16u);

    // Situations: one customer made inactive for the test.
    const std::string code = first("SELECT MIN(CDCLIENTE) FROM CLIENTE");
    const db::Params byCode{{"C", Variant(code)}};
    server_->db().execute("UPDATE CLIENTE SET IDCLIEATIV = 'N' WHERE CDCLIENTE = :C", byCode);
    const std::int64_t inactive = count("SELECT COUNT(*) FROM CLIENTE WHERE IDCLIEATIV = 'N'");
    EXPECT_EQ(rowsOf(params({{"P_IDCLIEINAT", Variant("")}, {"P_TCLIEINAT", Variant("T")}})), all - inactive);
    EXPECT_EQ(rowsOf(params({{"P_IDCLIEATIV", Variant("")}, {"P_TCLIEATIV", Variant("T")}})), inactive);

    // Lists: the keys of that customer's normal address and classification.
    const auto key = [&](const char* expr) {
        return server_->db()
            .query(std::string("SELECT ") + expr +
                       " FROM CLIENTE C JOIN ENDECLIE E ON E.CDCLIENTE = C.CDCLIENTE "
                       "AND E.IDTPENDECLIE = 'P' WHERE C.CDCLIENTE = :C",
                   byCode)
            .rows()[0][0]
            .asString();
    };
    const std::string state = key("E.CDPAIS || E.SGESTADO");
    struct ListCase {
        const char* param;
        std::string list;
        std::string countSql;
    };
    const std::string joined = "SELECT COUNT(*) FROM CLIENTE C LEFT JOIN ENDECLIE E ON E.CDCLIENTE = "
                               "C.CDCLIENTE AND E.IDTPENDECLIE = 'P' WHERE ";
    const ListCase lists[] = {
        {"P_CDCLIENTE", "_" + code + "_", "SELECT 1"},
        {"P_CDPAIS", "_" + key("E.CDPAIS") + "_", joined + "E.CDPAIS = '" + key("E.CDPAIS") + "'"},
        {"P_SGESTADO", "_" + state + "_", joined + "E.CDPAIS || E.SGESTADO = '" + state + "'"},
        {"P_CDMUNICIPIO", "_" + key("E.CDPAIS || E.SGESTADO || E.CDMUNICIPIO") + "_",
         joined + "E.CDPAIS || E.SGESTADO || E.CDMUNICIPIO = '" +
             key("E.CDPAIS || E.SGESTADO || E.CDMUNICIPIO") + "'"},
        {"P_CDATIVCLI", "_" + key("C.CDATIVCLI") + "_",
         joined + "C.CDATIVCLI = '" + key("C.CDATIVCLI") + "'"},
        {"P_CDSEGMER", "_" + key("C.CDSEGMER") + "_", joined + "C.CDSEGMER = '" + key("C.CDSEGMER") + "'"},
    };
    for (const ListCase& c : lists) {
        EXPECT_EQ(rowsOf(params({{c.param, Variant(c.list)}})), count(c.countSql)) << c.param;
        EXPECT_EQ(rowsOf(params({{c.param, Variant("_9" + c.list.substr(1))}})), 0)
            << c.param << " by whole key only";
    }
    // A state list is read as country + state keys: the bare abbreviation matches nothing.
    EXPECT_EQ(rowsOf(params({{"P_SGESTADO", Variant("_" + state.substr(4) + "_")}})), 0);

    // Dates: the whole last day counts, the day after does not.
    server_->db().execute("UPDATE CLIENTE SET DTCADACLIE = :D, DTNASCCLIE = :D WHERE CDCLIENTE = :C",
                          {{"C", Variant(code)}, {"D", Variant(makeDateTime({1901, 5, 10}, {23, 59, 30}))}});
    const Variant day(makeDateTime({1901, 5, 10})), next(makeDateTime({1901, 5, 11})),
        before1(makeDateTime({1901, 5, 9}));
    for (const auto& [ini, fin, flag] : {std::tuple{"P_CLIEDESDEINI", "P_CLIEDESDEFIN", "P_TCLIEDESDE"},
                                         std::tuple{"P_NASCFUNDINI", "P_NASCFUNDFIN", "P_TNASCFUND"}}) {
        EXPECT_EQ(rowsOf(params({{ini, day}, {fin, day}, {flag, Variant("")}})), 1) << ini;
        EXPECT_EQ(rowsOf(params({{ini, before1}, {fin, day}, {flag, Variant("")}})), 1) << ini;
        EXPECT_EQ(rowsOf(params({{ini, next}, {fin, next}, {flag, Variant("")}})), 0) << ini;
        EXPECT_EQ(rowsOf(params({{ini, before1}, {fin, before1}, {flag, Variant("")}})), 0) << ini;
    }
    server_->db().execute("UPDATE CLIENTE SET IDCLIEATIV = 'S' WHERE CDCLIENTE = :C", byCode);
}

INSTANTIATE_TEST_SUITE_P(Db, ReportQueryTest, ::testing::Values(db::Dialect::SQLite, db::Dialect::PostgreSQL),
                         dialectName);

} // namespace
} // namespace vq::test

// Report pagination and grouping rules, without fonts: bands with known heights dealt onto pages.

#include "framework/reports/report_layout.h"
#include "framework/reports/report_params.h"
#include "platform/data/error.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vq::reports {
namespace {

ReportDocument docWith(const std::vector<std::vector<std::string>>& groupValues, std::size_t groups) {
    ReportDocument doc;
    doc.definition.code = "T";
    doc.definition.columns = {{"A", "", 10, Align::Left, "", false}};
    doc.columnTitles = {"A"};
    for (std::size_t g = 0; g < groups; ++g) {
        doc.definition.groups.push_back({"G" + std::to_string(g), "", true});
        doc.groupTitles.push_back(g == 0 ? "Estado" : "Município");
    }
    for (std::size_t i = 0; i < groupValues.size(); ++i)
        doc.rows.push_back({{std::to_string(i)}, groupValues[i]});
    return doc;
}

std::vector<std::size_t> detailRows(const std::vector<Page>& pages) {
    std::vector<std::size_t> rows;
    for (const auto& page : pages)
        for (const auto& band : page)
            if (band.kind == BandKind::Detail)
                rows.push_back(band.row);
    return rows;
}

TEST(ReportsLayout, EveryRowAppearsOnceInOrderAndNoPageOverflows) {
    std::vector<std::vector<std::string>> values;
    for (int i = 0; i < 95; ++i)
        values.push_back({i < 40 ? "SP" : "RJ"});
    const ReportDocument doc = docWith(values, 1);
    // Every seventh row wraps onto three lines.
    const auto bands =
        buildBands(doc, 10, [](const ReportRow& r) { return std::stoi(r.cells[0]) % 7 == 0 ? 3 : 1; });
    const auto pages = paginate(bands, 200);
    const auto rows = detailRows(pages);
    ASSERT_EQ(rows.size(), 95u);
    for (std::size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(rows[i], i);
    for (const auto& page : pages) {
        double used = 0;
        for (const auto& band : page)
            used += band.height;
        EXPECT_LE(used, 200);
        EXPECT_NE(page.back().kind, BandKind::GroupHeader); // a header never ends a page
    }
    EXPECT_GT(pages.size(), 5u);
}

TEST(ReportsLayout, GroupsCountTheirRowsAndNestedBreaksCloseInnerGroupsFirst) {
    const ReportDocument doc =
        docWith({{"SP", "Campinas"}, {"SP", "Campinas"}, {"SP", "Santos"}, {"RJ", "Niterói"}}, 2);
    const auto bands = buildBands(doc, 1, {});
    std::vector<std::string> texts;
    for (const auto& b : bands)
        texts.push_back(b.kind == BandKind::Detail ? "#" + std::to_string(b.row) : b.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"Estado: SP", "Município: Campinas", "#0", "#1",
                                               "Total de Município: 2", "Município: Santos", "#2",
                                               "Total de Município: 1", "Total de Estado: 3", "Estado: RJ",
                                               "Município: Niterói", "#3", "Total de Município: 1",
                                               "Total de Estado: 1", "Total de registros: 4"}));
}

TEST(ReportsLayout, HeadersMoveToTheNextPageWithTheirFirstRow) {
    // 9 rows fill a page of 10 lines; the group header of row 9 must not stay alone at the bottom.
    std::vector<std::vector<std::string>> values(9, std::vector<std::string>{"A"});
    values.push_back({"B"});
    ReportDocument doc = docWith(values, 1);
    doc.definition.groups[0].footerCount = false;
    doc.definition.summaryCount = false;
    const auto pages = paginate(buildBands(doc, 1, {}), 11);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[1].front().kind, BandKind::GroupHeader);
    EXPECT_EQ(pages[1].front().text, "Estado: B");
}

TEST(ReportsLayout, AnEmptyReportHasOnePageThatSaysSo) {
    const auto pages = paginate(buildBands(docWith({}, 1), 1, {}), 50);
    ASSERT_EQ(pages.size(), 1u);
    ASSERT_EQ(pages[0].size(), 1u);
    EXPECT_EQ(pages[0][0].text, "Nenhum registro encontrado.");
}

TEST(ReportsLayout, ABandTallerThanAPageGetsAPageOfItsOwn) {
    const ReportDocument doc = docWith({{}, {}, {}}, 0);
    const auto bands = buildBands(doc, 10, [](const ReportRow& r) { return r.cells[0] == "1" ? 50 : 1; });
    const auto pages = paginate(bands, 100);
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(detailRows({pages[1]}), (std::vector<std::size_t>{1}));
}

TEST(ReportsParams, OnlyDeclaredParametersExist) {
    ReportDefinition d;
    d.sql = "SELECT * FROM CLIENTE WHERE INSTR(:P_CDCLIENTE, CDCLIENTE) > 0 OR :p_tcdcliente = 'T'";
    ReportParams params(declaredParams(d));
    EXPECT_TRUE(Qrddlgs::ExistParam(params, "P_CDCLIENTE"));
    EXPECT_TRUE(Qrddlgs::ExistParam(params, "p_TCDCLIENTE"));
    EXPECT_FALSE(Qrddlgs::ExistParam(params, "P_CDPAIS"));
    params.ParamByName("P_CDCLIENTE") = Variant("_J1_");
    EXPECT_EQ(params.value("p_cdcliente").asString(), "_J1_");
    EXPECT_THROW(params.SetValue("P_CDPAIS", Variant("T")), Error);

    d.params = {"P_X"}; // an explicit list wins over the text
    EXPECT_EQ(declaredParams(d), std::vector<std::string>{"P_X"});
}

} // namespace
} // namespace vq::reports

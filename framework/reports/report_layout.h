#pragma once
// Pagination, apart from drawing: the document becomes a run of bands (group headers, detail rows,
// group footers, the summary), each with its height, and the bands are dealt onto pages of a given body
// height. Heights come from a measuring function, so the rules are testable without fonts.
//
// Rules: a band goes on the current page when it fits, else it starts a new page; a group header never
// ends a page (it moves with the band after it); a band taller than a whole page gets a page of its own
// and is clipped there. An empty report still has one page, saying so.

#include "framework/reports/report_document.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace vq::reports {

enum class BandKind { GroupHeader, Detail, GroupFooter, Summary, Empty };

struct Band {
    BandKind kind = BandKind::Detail;
    int level = 0;       // group level for headers and footers
    std::size_t row = 0; // document row of a detail band
    std::string text;    // header, footer and summary text
    double height = 0;
};

using Page = std::vector<Band>;

// Lines a detail row needs (1 for rows without wrapped columns).
using RowLines = std::function<int(const ReportRow& row)>;

// The bands of the document; `lineHeight` is one text line, detail rows get lines * lineHeight.
std::vector<Band> buildBands(const ReportDocument& doc, double lineHeight, const RowLines& rowLines);

// Deals the bands onto pages whose body is `bodyHeight` tall. Always at least one page.
std::vector<Page> paginate(const std::vector<Band>& bands, double bodyHeight);

// Texts of the non-detail bands.
std::string groupHeaderText(const std::string& title, const std::string& value);
std::string groupFooterText(const std::string& title, std::size_t count);
std::string summaryText(std::size_t count);
inline constexpr const char* kEmptyReportText = "Nenhum registro encontrado.";

} // namespace vq::reports

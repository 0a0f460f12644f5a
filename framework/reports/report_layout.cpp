#include "framework/reports/report_layout.h"

#include <algorithm>

namespace vq::reports {

std::string groupHeaderText(const std::string& title, const std::string& value) {
    return title + ": " + value;
}

std::string groupFooterText(const std::string& title, std::size_t count) {
    return "Total de " + title + ": " + std::to_string(count);
}

std::string summaryText(std::size_t count) {
    return "Total de registros: " + std::to_string(count);
}

std::vector<Band> buildBands(const ReportDocument& doc, double lineHeight, const RowLines& rowLines) {
    std::vector<Band> bands;
    const auto& groups = doc.definition.groups;
    const std::size_t levels = groups.size();
    std::vector<std::size_t> counts(levels, 0);

    auto closeFrom = [&](std::size_t level) { // footers of `level` and deeper, innermost first
        for (std::size_t l = levels; l-- > level;) {
            if (groups[l].footerCount)
                bands.push_back({BandKind::GroupFooter, static_cast<int>(l), 0,
                                 groupFooterText(doc.groupTitles[l], counts[l]), lineHeight});
            counts[l] = 0;
        }
    };
    auto openFrom = [&](std::size_t level, const ReportRow& row) {
        for (std::size_t l = level; l < levels; ++l)
            bands.push_back({BandKind::GroupHeader, static_cast<int>(l), 0,
                             groupHeaderText(doc.groupTitles[l], row.groupValues[l]), lineHeight});
    };

    for (std::size_t i = 0; i < doc.rows.size(); ++i) {
        const ReportRow& row = doc.rows[i];
        if (levels > 0) {
            std::size_t changed = levels;
            if (i == 0) {
                changed = 0;
            } else {
                for (std::size_t l = 0; l < levels; ++l)
                    if (row.groupValues[l] != doc.rows[i - 1].groupValues[l]) {
                        changed = l;
                        break;
                    }
                if (changed < levels)
                    closeFrom(changed);
            }
            if (changed < levels)
                openFrom(changed, row);
            for (auto& c : counts)
                ++c;
        }
        const int lines = std::max(1, rowLines ? rowLines(row) : 1);
        bands.push_back({BandKind::Detail, 0, i, {}, lines * lineHeight});
    }
    if (!doc.rows.empty())
        closeFrom(0);
    if (doc.rows.empty())
        bands.push_back({BandKind::Empty, 0, 0, kEmptyReportText, lineHeight});
    else if (doc.definition.summaryCount)
        bands.push_back({BandKind::Summary, 0, 0, summaryText(doc.rows.size()), lineHeight});
    return bands;
}

std::vector<Page> paginate(const std::vector<Band>& bands, double bodyHeight) {
    std::vector<Page> pages(1);
    double used = 0;
    for (std::size_t i = 0; i < bands.size(); ++i) {
        const Band& band = bands[i];
        double need = band.height;
        // A run of headers travels with the first band after it.
        if (band.kind == BandKind::GroupHeader) {
            std::size_t j = i + 1;
            for (; j < bands.size() && bands[j].kind == BandKind::GroupHeader; ++j)
                need += bands[j].height;
            if (j < bands.size())
                need += bands[j].height;
        }
        if (used > 0 && used + need > bodyHeight) {
            pages.emplace_back();
            used = 0;
        }
        pages.back().push_back(band);
        used += band.height;
    }
    return pages;
}

} // namespace vq::reports

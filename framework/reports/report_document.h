#pragma once
// A report ready to draw: the definition with its titles resolved and every row's cells already turned
// into text. Taking the snapshot is the only step that reads the dataset, so drawing, pagination and
// preview repaints never touch data again.

#include "framework/reports/report_definition.h"

#include <string>
#include <vector>

namespace vq {
class ClientDataSet;
class Field;
} // namespace vq

namespace vq::reports {

struct ReportRow {
    std::vector<std::string> cells;       // one per column
    std::vector<std::string> groupValues; // one per group, outermost first
};

struct ReportDocument {
    ReportDefinition definition;
    std::vector<std::string> columnTitles;
    std::vector<std::string> groupTitles;
    std::vector<ReportRow> rows;
    std::string printedAt; // "dd/mm/yyyy hh:nn", shown in every page header
};

// Reads every row of `data` (from the first; the current row is restored and bound controls stay quiet).
// vq::Error when a column or group names a field the dataset lacks.
ReportDocument takeSnapshot(const ReportDefinition& definition, ClientDataSet& data, std::string printedAt);

// A cell's text: the column's format for numbers and dates, else the field's display text.
std::string cellText(const Field& field, const ReportColumn& column);

// "dd/mm/yyyy hh:nn" of the local clock.
std::string nowText();

} // namespace vq::reports

#pragma once
// What a report shows: its query (or a dataset given at run time), the parameters the query declares,
// its columns and its grouping. Definitions are data: either a table in code registered under the
// report code, or a JSON file <code>.json in the report directory (a file wins over the built-in one,
// so an edited report replaces the shipped layout).

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vq::reports {

enum class Align { Left, Center, Right };

struct ReportColumn {
    std::string field; // dataset field shown
    std::string title; // column heading; the field's display label when empty
    double width = 30; // millimetres; all columns shrink together when they do not fit the page
    Align align = Align::Left;
    std::string format; // numbers: display format ("#,##0.00"); dates: "dd/mm/yyyy" or "dd/mm/yyyy hh:nn"
    bool wrap = false;  // long text wraps onto more lines; otherwise it is cut with an ellipsis
};

// A group breaks whenever its field's value changes (the rows are expected in group order; the query's
// ORDER BY is the report's business). The header shows "<title>: <value>", the footer counts the rows.
struct ReportGroup {
    std::string field;
    std::string title;       // the field's display label when empty
    bool footerCount = true; // footer line "Total de <title>: N"
};

struct ReportDefinition {
    std::string code;  // "Vqm412"
    std::string title; // printed at the top of every page
    std::string sql;   // default query text; empty when the caller supplies a dataset
    std::map<std::string, std::string> sqlVariants; // dialect key ("SQL_POSTGRESQL", ...) -> text
    // Parameters the query declares; when empty they are read from the ":NAME"s of the text.
    std::vector<std::string> params;
    std::vector<ReportColumn> columns;
    std::vector<ReportGroup> groups; // outermost first
    bool landscape = false;
    bool summaryCount = true; // last line: "Total de registros: N"
};

// Parameter names the definition declares (explicit list, else those of the default text), upper-cased.
std::vector<std::string> declaredParams(const ReportDefinition& definition);

// JSON form. Parsing refuses (vq::Error, Portuguese text) a file that is not a definition: not an
// object, no columns, a column without field, a negative width or an unknown alignment.
std::string toJson(const ReportDefinition& definition);
ReportDefinition fromJson(std::string_view json);

// Built-in definitions, by report code (case-insensitive).
void registerReport(ReportDefinition definition);
std::optional<ReportDefinition> builtInReport(std::string_view code);

// The report directory: set by the host (setReportDirectory), else $VQ_REPORT_DIR, else
// <app data>/reports.
std::string reportDirectory();
void setReportDirectory(std::string directory);

// Finds <code>.json in `directory`, else the built-in definition; nullopt when neither exists.
std::optional<ReportDefinition> findReport(std::string_view code, const std::string& directory);
// Writes <code>.json into `directory` (created when missing); vq::Error when it cannot be written.
void saveReport(const ReportDefinition& definition, const std::string& directory);
// Titles of the definitions saved in `directory`, with the code of each.
std::vector<std::pair<std::string, std::string>> savedTitles(const std::string& directory);

} // namespace vq::reports

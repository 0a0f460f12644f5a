#pragma once
// The report component of a report form (`rpddPadrao`): holds a definition, asks the form for the
// query's parameters (OnBeforeGetQueryParams), reads the rows (the query through a runner, or a dataset
// the form hands over) and prints, previews or saves the result as PDF.

#include "framework/reports/report_definition.h"
#include "framework/reports/report_document.h"
#include "framework/reports/report_params.h"
#include "platform/data/packet.h"
#include "platform/db/params.h"

#include <functional>
#include <optional>
#include <string>

namespace vq {
class ClientDataSet;
}
namespace vq::db {
class Connection;
}

namespace vq::reports {

// Runs a report's query with its parameters and returns the rows.
using QueryRunner = std::function<DataPacket(const ReportDefinition& definition, const db::Params& params)>;

// The runner engines use when none is set on them; the host installs one over its database connection.
void setDefaultQueryRunner(QueryRunner runner);
// A runner over a connection: the text for the connection's dialect when the definition has one, else
// the default text; read-only statements only.
QueryRunner connectionRunner(db::Connection& connection);

// Writes the document as a PDF file, without progress (report_output.h); returns the number of pages.
// vq::Error when the file cannot be written.
int writePdf(const ReportDocument& doc, const std::string& path);

// What the last run of any engine handed over (for the automation driver): set by Print, Preview (before
// the document goes to its seam) and SaveAsPdf (once the file is written).
struct ReportRun {
    std::string action = "none"; // preview, print, pdf
    std::string code, title;
    std::size_t rows = 0;
    int pages = 0; // written pages of a PDF; the seams of print and preview may fill it in
    std::string file;
    std::vector<std::string> declared;
    db::Params params; // the values handed to the query
};
ReportRun& lastRun();

class ReportEngine {
public:
    std::function<void(ReportParams& params)> OnBeforeGetQueryParams;

    void SetDefinition(ReportDefinition definition) { definition_ = std::move(definition); }
    bool HasDefinition() const { return definition_.has_value(); }
    const ReportDefinition& Definition() const; // vq::Error when none was set
    ReportDefinition& Definition();

    // Rows from a dataset instead of the query (parameters are still asked for when declared).
    void SetDataSet(ClientDataSet* data) { data_ = data; }
    void SetQueryRunner(QueryRunner runner) { runner_ = std::move(runner); }

    // Parameters, rows and snapshot; the steps below each call it.
    ReportDocument Prepare();
    bool Print(); // false when the user gave up in the print dialog
    void Preview();
    // Asks for a file name (suggesting <code>.pdf) and writes it; false when the user gave up.
    bool SaveAs();
    // The number of pages written; 0 when the output was cancelled (an existing file stays).
    int SaveAsPdf(const std::string& path);

private:
    void record(std::string action, const ReportDocument& doc, int pages = 0, std::string file = {}) const;

    std::optional<ReportDefinition> definition_;
    ReportParams lastParams_{std::vector<std::string>{}};
    ClientDataSet* data_ = nullptr;
    QueryRunner runner_;
};

} // namespace vq::reports

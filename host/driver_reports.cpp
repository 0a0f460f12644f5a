// The driver's side of the report engine: preview and print record the document with no dialog, save as
// takes the file name queued by `answer file PATH`, the report edit's title prompt `answer text TEXT`, and
// `print report.ITEM` reads what the last run handed over.

#include "framework/reports/report_engine.h"
#include "framework/reports/report_renderer.h"
#include "host/driver_impl.h"
#include "platform/data/date_time.h"
#include "platform/data/log.h"
#include "platform/db/sql_value.h"

#include <QBuffer>
#include <QPdfWriter>
#include <algorithm>

namespace vq::host {
namespace {

// The pages the document makes on A4 as the PDF lays it out.
int pagesOf(const reports::ReportDocument& doc) {
    QBuffer sink;
    sink.open(QIODevice::WriteOnly);
    QPdfWriter writer(&sink);
    writer.setResolution(300);
    reports::ReportRenderer renderer(doc);
    renderer.setUpDevice(writer);
    renderer.paginate(writer);
    return renderer.pageCount();
}

std::string parameterText(const Variant& v) {
    switch (v.kind()) {
    case VariantKind::Null:
        return "null";
    case VariantKind::DateTime: {
        const DateTime d = v.toDateTime();
        if (d == DateTime{})
            return "date:0";
        const CivilDate c = datePart(d);
        char buf[16];
        std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", c.day, c.month, c.year);
        return std::string("date:") + buf;
    }
    default:
        return v.toString();
    }
}

std::optional<std::string> takeQueued(std::deque<Driver::Impl::Queued>& queue) {
    if (queue.empty())
        return std::nullopt;
    std::string value = queue.front().value;
    queue.pop_front();
    return value;
}

} // namespace

void Driver::Impl::onReportShown(const reports::ReportDocument& doc) {
    reports::lastRun().pages = pagesOf(doc);
    log::info("script: report " + doc.definition.code + " " + reports::lastRun().action + ", " +
              std::to_string(doc.rows.size()) + " rows");
}

std::optional<std::string> Driver::Impl::onReportFile() {
    if (finished)
        return std::nullopt;
    return takeQueued(files);
}

std::optional<std::string> Driver::Impl::onReportText() {
    if (finished)
        return std::nullopt;
    return takeQueued(texts);
}

bool Driver::Impl::reportItem(const std::string& name, std::string& out) const {
    const reports::ReportRun& run = reports::lastRun();
    if (name == "action")
        out = run.action;
    else if (name == "code")
        out = run.code;
    else if (name == "title")
        out = run.title;
    else if (name == "rows")
        out = std::to_string(run.rows);
    else if (name == "pages")
        out = std::to_string(run.pages);
    else if (name == "file")
        out = run.file;
    else if (name.starts_with("P_")) {
        const bool declared = std::find(run.declared.begin(), run.declared.end(), name) != run.declared.end();
        const auto value = run.params.find(name);
        out = declared && value != run.params.end() ? parameterText(value->second) : "<undeclared>";
    } else
        return false;
    return true;
}

} // namespace vq::host

#pragma once
// Draws a report document with QPainter on any paged device (QPrinter for print and preview,
// QPdfWriter for files). The layout follows the device: its page size, resolution and fonts.
//
// Every page: the title, "Emitido em <date>" with "Página N de M", the column headings and a rule;
// then the bands of report_layout.h. Columns keep their widths in millimetres, all shrunk together when
// they do not fit; long texts are cut with an ellipsis, or wrapped in columns marked to wrap.

#include "framework/reports/report_document.h"
#include "framework/reports/report_layout.h"

#include <QFont>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QPagedPaintDevice;
class QPainter;

namespace vq::reports {

class ReportRenderer {
public:
    explicit ReportRenderer(const ReportDocument& doc);

    // Page size, orientation and margins of the definition (A4, 10 mm margins).
    void setUpDevice(QPagedPaintDevice& device) const;
    // The pages as they would come out on this device.
    std::vector<Page> layout(QPagedPaintDevice& device) const;
    // Draws every page; returns the number of pages. The device must be set up and not yet painted.
    int render(QPagedPaintDevice& device) const;

    // Paginates once for this device (set up first); drawPage then draws any single page with that
    // layout, on the device or on an image of the device's page size and resolution (the preview).
    void paginate(QPagedPaintDevice& device);
    int pageCount() const { return static_cast<int>(pages_.size()); }
    void drawPage(QPainter& painter, int index) const; // index from 0

private:
    struct Geometry {
        double dpmm = 0; // device pixels per millimetre
        double width = 0, height = 0;
        double lineHeight = 0, titleHeight = 0, headerHeight = 0;
        std::vector<double> columnX, columnW;
    };
    Geometry geometry(QPagedPaintDevice& device) const;
    int wrappedLines(const ReportRow& row, const Geometry& g, QPagedPaintDevice& device) const;
    void drawHeader(QPainter& p, const Geometry& g, int page, int pages) const;
    void drawBand(QPainter& p, const Geometry& g, const Band& band, double y) const;

    const ReportDocument& doc_;
    QFont body_, bold_, title_;
    std::optional<Geometry> geometry_; // set by paginate
    std::vector<Page> pages_;
};

// Told of every page drawn (index from 0), for tests that count the pages a step draws.
void setPageDrawnHook(std::function<void(int index)> hook);

} // namespace vq::reports

#pragma once
// The report preview: one page on screen at a time, drawn only when it is shown ("Página N de M", first,
// previous, next and last page, zoom). The layout is computed once when the dialog opens, so the first
// page of a long report shows at once (QPrintPreviewDialog draws every page before showing any).

#include "framework/reports/report_renderer.h"

#include <QDialog>
#include <QImage>
#include <memory>

class QBuffer;
class QLabel;
class QPdfWriter;
class QComboBox;

namespace vq::reports {

class ReportPreviewDialog : public QDialog {
public:
    explicit ReportPreviewDialog(const ReportDocument& doc, QWidget* parent = nullptr);
    ~ReportPreviewDialog() override;

    int pageCount() const { return renderer_.pageCount(); }
    int currentPage() const { return page_; } // from 0
    void showPage(int index);                 // clamped to the pages
    void setZoom(double zoom);                // 1.0: the page at its printed size on this screen
    std::string pageText() const;             // "Página N de M"

private:
    void redraw();

    std::unique_ptr<QBuffer> sink_;     // the layout device writes nothing, but needs a device
    std::unique_ptr<QPdfWriter> paper_; // page size and resolution of the printed page
    ReportRenderer renderer_;
    int page_ = -1;
    double zoom_ = 1.0;
    QImage image_; // the shown page at full resolution
    QLabel* pageLabel_ = nullptr;
    QLabel* view_ = nullptr;
    QComboBox* zoomBox_ = nullptr;
};

} // namespace vq::reports

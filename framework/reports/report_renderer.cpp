#include "framework/reports/report_renderer.h"

#include "platform/data/error.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace vq::reports {
namespace {

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

constexpr double kPaddingMm = 1.0;
constexpr double kIndentMm = 4.0;
constexpr double kMarginMm = 10.0;

Qt::Alignment alignmentOf(Align a) {
    switch (a) {
    case Align::Center:
        return Qt::AlignHCenter;
    case Align::Right:
        return Qt::AlignRight;
    case Align::Left:
        break;
    }
    return Qt::AlignLeft;
}

std::function<void(int)>& pageDrawnHook() {
    static std::function<void(int)> hook;
    return hook;
}

} // namespace

void setPageDrawnHook(std::function<void(int index)> hook) {
    pageDrawnHook() = std::move(hook);
}

ReportRenderer::ReportRenderer(const ReportDocument& doc)
    : doc_(doc), body_(QStringLiteral("Sans Serif"), 9), bold_(body_), title_(body_) {
    bold_.setBold(true);
    title_.setPointSize(13);
    title_.setBold(true);
}

void ReportRenderer::setUpDevice(QPagedPaintDevice& device) const {
    device.setPageSize(QPageSize(QPageSize::A4));
    device.setPageOrientation(doc_.definition.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    device.setPageMargins(QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter);
}

ReportRenderer::Geometry ReportRenderer::geometry(QPagedPaintDevice& device) const {
    Geometry g;
    g.dpmm = device.logicalDpiX() / 25.4;
    g.width = device.width();
    g.height = device.height();
    const QFontMetricsF body(body_, &device);
    const QFontMetricsF title(title_, &device);
    g.lineHeight = std::ceil(body.lineSpacing() * 1.2);
    g.titleHeight = std::ceil(title.lineSpacing() * 1.4);
    g.headerHeight = g.titleHeight + 2 * g.lineHeight + g.lineHeight / 2;

    double total = 0;
    for (const auto& c : doc_.definition.columns)
        total += c.width * g.dpmm;
    const double scale = total > g.width ? g.width / total : 1.0;
    double x = 0;
    for (const auto& c : doc_.definition.columns) {
        g.columnX.push_back(x);
        g.columnW.push_back(c.width * g.dpmm * scale);
        x += g.columnW.back();
    }
    return g;
}

int ReportRenderer::wrappedLines(const ReportRow& row, const Geometry& g, QPagedPaintDevice& device) const {
    const QFontMetricsF fm(body_, &device);
    int lines = 1;
    for (std::size_t i = 0; i < row.cells.size(); ++i) {
        if (!doc_.definition.columns[i].wrap || row.cells[i].empty())
            continue;
        const double w = std::max(1.0, g.columnW[i] - 2 * kPaddingMm * g.dpmm);
        const QRectF r = fm.boundingRect(QRectF(0, 0, w, 1e9), Qt::TextWordWrap, qs(row.cells[i]));
        lines = std::max(lines, static_cast<int>(std::ceil(r.height() / fm.lineSpacing() - 0.01)));
    }
    return lines;
}

std::vector<Page> ReportRenderer::layout(QPagedPaintDevice& device) const {
    const Geometry g = geometry(device);
    const auto bands =
        buildBands(doc_, g.lineHeight, [&](const ReportRow& row) { return wrappedLines(row, g, device); });
    return reports::paginate(bands, g.height - g.headerHeight);
}

int ReportRenderer::render(QPagedPaintDevice& device) const {
    ReportRenderer once(doc_);
    once.paginate(device);
    QPainter painter;
    if (!painter.begin(&device))
        throw Error("Não foi possível iniciar a impressão do relatório " + doc_.definition.code + ".");
    for (int i = 0; i < once.pageCount(); ++i) {
        if (i > 0 && !device.newPage())
            throw Error("Não foi possível criar a página " + std::to_string(i + 1) + " do relatório.");
        once.drawPage(painter, i);
    }
    painter.end();
    return once.pageCount();
}

void ReportRenderer::paginate(QPagedPaintDevice& device) {
    geometry_ = geometry(device);
    pages_ = layout(device);
}

void ReportRenderer::drawPage(QPainter& painter, int index) const {
    if (!geometry_ || index < 0 || index >= pageCount())
        throw Error("Página " + std::to_string(index + 1) + " fora do relatório " + doc_.definition.code +
                    ".");
    const Geometry& g = *geometry_;
    painter.setClipping(false);
    drawHeader(painter, g, index + 1, pageCount());
    painter.setClipRect(QRectF(0, g.headerHeight, g.width, g.height - g.headerHeight));
    double y = g.headerHeight;
    for (const Band& band : pages_[static_cast<std::size_t>(index)]) {
        drawBand(painter, g, band, y);
        y += band.height;
    }
    painter.setClipping(false);
    if (pageDrawnHook())
        pageDrawnHook()(index);
}

void ReportRenderer::drawHeader(QPainter& p, const Geometry& g, int page, int pages) const {
    p.setFont(title_);
    p.drawText(QRectF(0, 0, g.width, g.titleHeight), Qt::AlignHCenter | Qt::AlignVCenter,
               qs(doc_.definition.title));
    p.setFont(body_);
    const QRectF info(0, g.titleHeight, g.width, g.lineHeight);
    p.drawText(info, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Emitido em ") + qs(doc_.printedAt));
    p.drawText(info, Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("Página %1 de %2").arg(page).arg(pages));
    p.setFont(bold_);
    const double pad = kPaddingMm * g.dpmm;
    const double y = g.titleHeight + g.lineHeight;
    const QFontMetricsF fm(bold_, p.device());
    for (std::size_t i = 0; i < g.columnX.size(); ++i) {
        const QRectF cell(g.columnX[i] + pad, y, std::max(1.0, g.columnW[i] - 2 * pad), g.lineHeight);
        const QString text = fm.elidedText(qs(doc_.columnTitles[i]), Qt::ElideRight, cell.width());
        p.drawText(cell, alignmentOf(doc_.definition.columns[i].align) | Qt::AlignVCenter, text);
    }
    const double rule = y + g.lineHeight + g.lineHeight / 4;
    p.drawLine(QPointF(0, rule), QPointF(g.width, rule));
}

void ReportRenderer::drawBand(QPainter& p, const Geometry& g, const Band& band, double y) const {
    const double pad = kPaddingMm * g.dpmm;
    const double indent = band.level * kIndentMm * g.dpmm;
    const QRectF line(indent + pad, y, std::max(1.0, g.width - indent - 2 * pad), g.lineHeight);
    switch (band.kind) {
    case BandKind::Detail: {
        p.setFont(body_);
        const QFontMetricsF fm(body_, p.device());
        const ReportRow& row = doc_.rows[band.row];
        for (std::size_t i = 0; i < row.cells.size(); ++i) {
            const ReportColumn& col = doc_.definition.columns[i];
            const QRectF cell(g.columnX[i] + pad, y, std::max(1.0, g.columnW[i] - 2 * pad), band.height);
            const Qt::Alignment align = alignmentOf(col.align) | Qt::AlignTop;
            if (col.wrap)
                p.drawText(cell, align | Qt::TextWordWrap, qs(row.cells[i]));
            else
                p.drawText(cell, align | Qt::TextSingleLine,
                           fm.elidedText(qs(row.cells[i]), Qt::ElideRight, cell.width()));
        }
        return;
    }
    case BandKind::GroupHeader:
        p.setFont(bold_);
        break;
    case BandKind::GroupFooter: {
        QFont italic = body_;
        italic.setItalic(true);
        p.setFont(italic);
        break;
    }
    case BandKind::Summary:
        p.setFont(bold_);
        p.drawLine(QPointF(0, y + 1), QPointF(g.width, y + 1));
        break;
    case BandKind::Empty:
        p.setFont(body_);
        break;
    }
    p.drawText(line, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, qs(band.text));
}

} // namespace vq::reports

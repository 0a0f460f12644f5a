#include "framework/reports/report_output.h"

#include "framework/reports/report_document.h"
#include "framework/reports/report_renderer.h"
#include "platform/data/error.h"
#include "platform/data/log.h"

#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>

namespace vq::reports {

std::string pageProgressText(int page, int pages) {
    return "Gerando página " + std::to_string(page) + " de " + std::to_string(pages);
}

bool renderPages(const ReportRenderer& renderer, QPagedPaintDevice& device, int from, int to,
                 const PageProgress& progress) {
    const int pages = renderer.pageCount();
    const int first = std::clamp(from <= 0 ? 1 : from, 1, pages);
    const int last = std::clamp(to <= 0 ? pages : to, first, pages);
    QPainter painter;
    if (!painter.begin(&device))
        throw Error("Não foi possível iniciar a impressão do relatório.");
    for (int page = first; page <= last; ++page) {
        if (progress && !progress(page, pages)) {
            painter.end();
            return false;
        }
        if (page > first && !device.newPage())
            throw Error("Não foi possível criar a página " + std::to_string(page) + " do relatório.");
        renderer.drawPage(painter, page - 1);
    }
    painter.end();
    return true;
}

std::optional<int> writePdf(const ReportDocument& doc, const std::string& path,
                            const PageProgress& progress) {
    const Error failed("Não foi possível gravar o arquivo " + path + ".");
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) {
        log::warn("relatório " + doc.definition.code + ": " + path + ": " + file.errorString().toStdString());
        throw failed;
    }
    bool complete = false;
    int pages = 0;
    try {
        QPdfWriter writer(&file);
        writer.setTitle(QString::fromStdString(doc.definition.title));
        writer.setCreator(QStringLiteral("VQ"));
        writer.setResolution(300);
        ReportRenderer renderer(doc);
        renderer.setUpDevice(writer);
        renderer.paginate(writer);
        pages = renderer.pageCount();
        complete = renderPages(renderer, writer, 0, 0, progress);
    } catch (const Error& e) {
        file.cancelWriting();
        log::warn("relatório " + doc.definition.code + ": " + path + ": " + e.what());
        throw failed;
    }
    if (!complete) {
        file.cancelWriting();
        return std::nullopt;
    }
    if (!file.commit()) {
        log::warn("relatório " + doc.definition.code + ": " + path + ": " + file.errorString().toStdString());
        throw failed;
    }
    return pages;
}

bool printDocument(const ReportDocument& doc, QPrinter& printer, const PageProgress& progress) {
    ReportRenderer renderer(doc);
    renderer.paginate(printer);
    const bool range = printer.printRange() == QPrinter::PageRange;
    return renderPages(renderer, printer, range ? printer.fromPage() : 0, range ? printer.toPage() : 0,
                       progress);
}

} // namespace vq::reports

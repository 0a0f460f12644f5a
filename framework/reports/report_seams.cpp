#include "framework/reports/report_seams.h"

#include "framework/reports/report_document.h"
#include "framework/reports/report_preview.h"
#include "framework/reports/report_renderer.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <memory>

namespace vq::reports::seams {
namespace {
QString qs(const std::string& s) {
    return QString::fromStdString(s);
}
} // namespace

void defaultPreview(const ReportDocument& doc) {
    ReportPreviewDialog dialog(doc, QApplication::activeWindow());
    dialog.exec();
}

bool defaultPrint(const ReportDocument& doc) {
    QPrinter printer(QPrinter::HighResolution);
    const ReportRenderer renderer(doc);
    renderer.setUpDevice(printer);
    printer.setDocName(qs(doc.definition.title));
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    dialog.setOption(QAbstractPrintDialog::PrintPageRange);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    return printDocument(doc, printer, pageProgress()(doc.definition.title));
}

PageProgress defaultPageProgress(const std::string& title) {
    auto dialog = std::make_shared<QProgressDialog>(QString(), QStringLiteral("Cancelar"), 0, 1,
                                                    QApplication::activeWindow());
    dialog->setWindowTitle(qs(title));
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setMinimumDuration(300);
    return [dialog](int page, int pages) {
        dialog->setMaximum(pages);
        dialog->setValue(page - 1);
        dialog->setLabelText(qs(pageProgressText(page, pages)));
        QApplication::processEvents();
        return !dialog->wasCanceled();
    };
}

std::optional<std::string> defaultSaveFileName(const std::string& suggested) {
    const QString name =
        QFileDialog::getSaveFileName(QApplication::activeWindow(), QStringLiteral("Salvar como"),
                                     qs(suggested), QStringLiteral("PDF (*.pdf)"));
    if (name.isEmpty())
        return std::nullopt;
    return name.toStdString();
}

std::optional<std::string> defaultInputText(const TextPrompt& prompt) {
    bool ok = false;
    const QString text = QInputDialog::getText(QApplication::activeWindow(), qs(prompt.caption),
                                               qs(prompt.prompt), QLineEdit::Normal, qs(prompt.initial), &ok);
    if (!ok)
        return std::nullopt;
    return text.toStdString();
}

gui::Seam<void(const ReportDocument&)>& preview() {
    static gui::Seam<void(const ReportDocument&)> seam(defaultPreview);
    return seam;
}

gui::Seam<bool(const ReportDocument&)>& print() {
    static gui::Seam<bool(const ReportDocument&)> seam(defaultPrint);
    return seam;
}

gui::Seam<std::optional<std::string>(const std::string&)>& saveFileName() {
    static gui::Seam<std::optional<std::string>(const std::string&)> seam(defaultSaveFileName);
    return seam;
}

gui::Seam<std::optional<std::string>(const TextPrompt&)>& inputText() {
    static gui::Seam<std::optional<std::string>(const TextPrompt&)> seam(defaultInputText);
    return seam;
}

gui::Seam<PageProgress(const std::string&)>& pageProgress() {
    static gui::Seam<PageProgress(const std::string&)> seam(defaultPageProgress);
    return seam;
}

} // namespace vq::reports::seams

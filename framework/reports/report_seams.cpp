#include "framework/reports/report_seams.h"

#include "framework/reports/report_document.h"
#include "framework/reports/report_renderer.h"
#include "platform/gui/guard.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace vq::reports::seams {
namespace {
QString qs(const std::string& s) {
    return QString::fromStdString(s);
}
} // namespace

void defaultPreview(const ReportDocument& doc) {
    QPrinter printer(QPrinter::HighResolution);
    const ReportRenderer renderer(doc);
    renderer.setUpDevice(printer);
    QPrintPreviewDialog dialog(&printer, QApplication::activeWindow());
    dialog.setWindowTitle(qs(doc.definition.title));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&renderer](QPrinter* target) {
        gui::guarded("Visualizar relatório", [&] { renderer.render(*target); });
    });
    dialog.exec();
}

bool defaultPrint(const ReportDocument& doc) {
    QPrinter printer(QPrinter::HighResolution);
    const ReportRenderer renderer(doc);
    renderer.setUpDevice(printer);
    printer.setDocName(qs(doc.definition.title));
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    renderer.render(printer);
    return true;
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

} // namespace vq::reports::seams

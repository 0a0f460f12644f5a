#pragma once
// The report steps that open a dialog, one seam each, so tests and the automation driver run reports
// without a nested event loop: preview, print, the file name of "save as", and the text prompt of the
// report edit, and the progress of page-by-page output. The defaults are the Qt dialogs (the preview is
// our own, report_preview.h).

#include "framework/reports/report_output.h"
#include "platform/gui/seams.h"

#include <optional>
#include <string>

namespace vq::reports {

struct ReportDocument;

struct TextPrompt {
    std::string caption;
    std::string prompt;
    std::string initial;
};

namespace seams {

gui::Seam<void(const ReportDocument&)>& preview();
gui::Seam<bool(const ReportDocument&)>& print(); // true when the document went to the printer
gui::Seam<std::optional<std::string>(const std::string& suggested)>& saveFileName(); // nullopt: cancelled
gui::Seam<std::optional<std::string>(const TextPrompt&)>& inputText();               // nullopt: cancelled
// A progress for the output of one document; the default is a progress dialog ("Gerando página N de M",
// "Cancelar") that lets events through between pages.
gui::Seam<PageProgress(const std::string& title)>& pageProgress();

void defaultPreview(const ReportDocument& doc);
bool defaultPrint(const ReportDocument& doc);
std::optional<std::string> defaultSaveFileName(const std::string& suggested);
std::optional<std::string> defaultInputText(const TextPrompt& prompt);
PageProgress defaultPageProgress(const std::string& title);

} // namespace seams
} // namespace vq::reports

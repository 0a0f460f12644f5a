#pragma once
// The report steps that open a dialog, one seam each, so tests and the automation driver run reports
// without a nested event loop: preview, print, the file name of "save as", and the text prompt of the
// report edit. The defaults are the Qt dialogs.

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

void defaultPreview(const ReportDocument& doc);
bool defaultPrint(const ReportDocument& doc);
std::optional<std::string> defaultSaveFileName(const std::string& suggested);
std::optional<std::string> defaultInputText(const TextPrompt& prompt);

} // namespace seams
} // namespace vq::reports

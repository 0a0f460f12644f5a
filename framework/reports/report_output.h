#pragma once
// Page-by-page output of a report document: the layout is computed once, then each page is drawn after
// the progress has been told (and asked whether to go on), so a long report neither freezes the window
// nor leaves half a file behind.

#include <functional>
#include <optional>
#include <string>

class QPagedPaintDevice;
class QPrinter;

namespace vq::reports {

struct ReportDocument;
class ReportRenderer;

// Told before each page is drawn (page from 1, of pages); answering false cancels the output.
using PageProgress = std::function<bool(int page, int pages)>;

// Draws pages `from` to `to` (from 1, inclusive; 0 for the first or the last) of a paginated renderer on
// its device, not yet painted. False when the progress cancelled.
bool renderPages(const ReportRenderer& renderer, QPagedPaintDevice& device, int from, int to,
                 const PageProgress& progress);

// Writes the PDF into a temporary file beside `path`, renamed over it once complete: an existing file stays
// intact when writing fails or is cancelled. The number of pages, nullopt when cancelled; vq::Error
// "Não foi possível gravar o arquivo <path>." when it cannot be written.
std::optional<int> writePdf(const ReportDocument& doc, const std::string& path, const PageProgress& progress);

// Prints on a printer already chosen, honouring its page range. False when the progress cancelled.
bool printDocument(const ReportDocument& doc, QPrinter& printer, const PageProgress& progress);

// "Gerando página N de M"
std::string pageProgressText(int page, int pages);

} // namespace vq::reports

// Page-by-page output of long reports: the preview draws only the pages shown, a cancelled PDF leaves the
// file that was there, a print range draws only its pages, and a written PDF carries its title and pages.

#include "framework/reports/report_document.h"
#include "framework/reports/report_output.h"
#include "framework/reports/report_preview.h"
#include "framework/reports/report_renderer.h"
#include "platform/data/error.h"

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <set>

namespace vq::reports {
namespace {

// A listing of `rows` customers in two states, as the snapshot leaves it.
ReportDocument listing(int rows) {
    ReportDocument doc;
    doc.definition.code = "Tst412";
    doc.definition.title = "Relação de Clientes";
    doc.definition.landscape = true;
    for (const char* field : {"CDCLIENTE", "NMRAZSOCCLIE", "NMMUNICIPIO"}) {
        ReportColumn c;
        c.field = field;
        c.width = 60;
        doc.definition.columns.push_back(c);
    }
    ReportGroup state;
    state.field = "NMESTADO";
    doc.definition.groups = {state};
    doc.columnTitles = {"Código", "Razão Social", "Município"};
    doc.groupTitles = {"Estado"};
    doc.printedAt = "08/12/2026 07:00";
    for (int i = 0; i < rows; ++i)
        doc.rows.push_back({{"J" + std::to_string(100000 + i), "Cliente " + std::to_string(i), "Campinas"},
                            {i < rows / 2 ? "Minas Gerais" : "São Paulo"}});
    return doc;
}

// Counts the pages drawn while it lives.
struct DrawnPages {
    DrawnPages() {
        setPageDrawnHook([this](int index) { drawn.push_back(index); });
    }
    ~DrawnPages() { setPageDrawnHook(nullptr); }
    std::vector<int> drawn;
};

int pdfPages(const QByteArray& pdf) {
    return static_cast<int>(
        QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"))));
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(ReportsOutput, PreviewDrawsOnlyThePagesShown) {
    const ReportDocument doc = listing(10000);
    DrawnPages pages;
    ReportPreviewDialog preview(doc);
    EXPECT_GT(preview.pageCount(), 100);
    EXPECT_EQ(preview.pageText(), "Página 1 de " + std::to_string(preview.pageCount()));
    preview.showPage(1);
    EXPECT_EQ(pages.drawn, (std::vector<int>{0, 1}));
    preview.showPage(preview.pageCount() + 5); // clamped to the last
    EXPECT_EQ(preview.currentPage(), preview.pageCount() - 1);
    preview.showPage(preview.currentPage()); // the page shown is not drawn again
    preview.setZoom(2.0);
    EXPECT_EQ(pages.drawn.size(), 3u);
}

TEST(ReportsOutput, PdfIsWrittenWholeOrNotAtAll) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("clientes.pdf"));
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("anterior");
    }
    const ReportDocument doc = listing(2000);
    std::vector<int> told;
    const auto cancelAtThree = [&](int page, int) {
        told.push_back(page);
        return page < 3;
    };
    EXPECT_EQ(writePdf(doc, path.toStdString(), cancelAtThree), std::nullopt);
    EXPECT_EQ(told, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(readAll(path), QByteArray("anterior"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("clientes.pdf")})
        << "no leftovers";

    int pagesTotal = 0;
    const auto pages = writePdf(doc, path.toStdString(), [&](int, int of) {
        pagesTotal = of;
        return true;
    });
    ASSERT_TRUE(pages);
    EXPECT_EQ(*pages, pagesTotal);
    const QByteArray pdf = readAll(path);
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_EQ(pdfPages(pdf), *pages);
    // The document title, as UTF-16 in the file's information.
    const QString title = QStringLiteral("Relação de Clientes");
    QByteArray utf16;
    for (QChar c : title)
        utf16.append(static_cast<char>(c.unicode() >> 8)).append(static_cast<char>(c.unicode() & 0xff));
    EXPECT_TRUE(pdf.contains(utf16) || pdf.contains(utf16.toHex()) || pdf.contains(utf16.toHex().toUpper()));

    // A folder that does not exist: the message names the file, and nothing is left anywhere.
    const std::string bad = dir.filePath(QStringLiteral("nao/existe.pdf")).toStdString();
    try {
        (void)writePdf(doc, bad, nullptr);
        ADD_FAILURE() << "written to " << bad;
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), "Não foi possível gravar o arquivo " + bad + ".");
    }
}

TEST(ReportsOutput, PrintRangeDrawsOnlyItsPages) {
    QTemporaryDir dir;
    const ReportDocument doc = listing(3000);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("impresso.pdf")));
    ReportRenderer(doc).setUpDevice(printer);
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(2, 3);
    DrawnPages drawn;
    std::vector<int> told;
    EXPECT_TRUE(printDocument(doc, printer, [&](int page, int) {
        told.push_back(page);
        return true;
    }));
    EXPECT_EQ(drawn.drawn, (std::vector<int>{1, 2}));
    EXPECT_EQ(told, (std::vector<int>{2, 3}));
    EXPECT_EQ(pdfPages(readAll(dir.filePath(QStringLiteral("impresso.pdf")))), 2);
    EXPECT_EQ(pageProgressText(2, 40), "Gerando página 2 de 40");
}

} // namespace
} // namespace vq::reports

// The customer listing "Vqm412" over VQ_BENCH_CUSTOMERS customers (default 10,000), against the plain work
// it wraps, measured in the same run:
//   - full PDF: query + snapshot + pagination + page-by-page PDF, vs the same SELECT loaded into a
//     ClientDataSet and every row drawn with drawText on a QPdfWriter, a page break every 40 rows
//     (goal: ratio <= 1.5);
//   - first preview page: query + snapshot + pagination + drawing page 1, vs the full PDF (goal <= 0.1),
//     also without the query and snapshot both share (pagination + page 1 vs pagination + every page).
// The seeded SQLite file is kept in the temporary directory and reused. Nothing is asserted.

#include "bench/bench_support.h"
#include "filter_report/report_vqm412.h"
#include "framework/reports/report_engine.h"
#include "framework/reports/report_output.h"
#include "framework/reports/report_preview.h"
#include "platform/data/client_data_set.h"
#include "platform/db/connection.h"
#include "server/core/app_server.h"
#include "server/schema/schema.h"
#include "server/seed/seed_database.h"

#include <QApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <memory>

using namespace vq;

namespace {

using bench::Clock;
using bench::secondsSince;

int customerCount() {
    const char* env = std::getenv("VQ_BENCH_CUSTOMERS");
    return env ? std::atoi(env) : 10'000;
}

// Every criterion "all", both situations, no dates.
void allCustomers(reports::ReportParams& p) {
    for (const char* list :
         {"P_CDCLIENTE", "P_CDPAIS", "P_SGESTADO", "P_CDMUNICIPIO", "P_CDATIVCLI", "P_CDSEGMER"})
        p.SetValue(list, std::string("T"));
    p.SetValue("P_IDCLIEATIV", std::string("S"));
    p.SetValue("P_TCLIEATIV", std::string());
    p.SetValue("P_IDCLIEINAT", std::string("N"));
    p.SetValue("P_TCLIEINAT", std::string());
    for (const char* date : {"P_CLIEDESDEINI", "P_CLIEDESDEFIN", "P_NASCFUNDINI", "P_NASCFUNDFIN"})
        p.SetValue(date, DateTime{});
    p.SetValue("P_TCLIEDESDE", std::string("T"));
    p.SetValue("P_TNASCFUND", std::string("T"));
}

struct Fixture {
    std::unique_ptr<db::Connection> db;
    QTemporaryDir dir;

    Fixture() {
        const int n = customerCount();
        const auto path =
            std::filesystem::temp_directory_path() / ("vq-report-bench-" + std::to_string(n) + ".sqlite");
        server::ServerConfig config;
        config.port = 0;
        config.databaseUrl = "sqlite:" + path.string();
        config.threads = 1;
        config.seed = seed::SeedOptions{n};
        config.seedIfEmpty = true; // seeded once, reused afterwards
        server::startServer(config)->stop();
        db = std::make_unique<db::Connection>(config.databaseUrl);
        db->setFieldResolver(schema::fieldResolver());
    }

    reports::ReportEngine engine() {
        reports::ReportEngine e;
        e.SetDefinition(Vqm41201::vqm412Definition());
        e.SetQueryRunner(reports::connectionRunner(*db));
        e.OnBeforeGetQueryParams = allCustomers;
        return e;
    }
};

// The baseline: the same rows drawn as plain text lines.
std::size_t plainPdf(Fixture& fx, const std::string& path) {
    reports::ReportEngine e = fx.engine();
    reports::ReportParams params(reports::declaredParams(e.Definition()));
    allCustomers(params);
    ClientDataSet rows("qryRelatorio");
    rows.loadPacket(fx.db->queryReadOnly(e.Definition().sql, params.values()).toPacket());
    QPdfWriter writer(QString::fromStdString(path));
    writer.setResolution(300);
    writer.setPageOrientation(QPageLayout::Landscape);
    QPainter p(&writer);
    const int line = writer.height() / 45;
    int y = 0, n = 0;
    for (rows.First(); !rows.Eof(); rows.Next()) {
        if (n > 0 && n % 40 == 0) {
            writer.newPage();
            y = 0;
        }
        QString text;
        for (const char* f : {"CDCLIENTE", "NMRAZSOCCLIE", "NMFANTCLIE", "NRINSESTCLIE", "NMMUNICIPIO",
                              "SGESTADO", "NRTELECLIE", "DTCADACLIE", "DTNASCCLIE", "DSSITUACAO"})
            text += QString::fromStdString(rows.FieldByName(f).AsString()) + QLatin1Char(' ');
        y += line;
        p.drawText(0, y, text);
        ++n;
    }
    p.end();
    return static_cast<std::size_t>(n);
}

void BM_Vqm412(benchmark::State& state) {
    static Fixture fx;
    const std::string pdf = fx.dir.filePath(QStringLiteral("vqm412.pdf")).toStdString();
    const std::string plain = fx.dir.filePath(QStringLiteral("plain.pdf")).toStdString();
    double baseline = 0, full = 0, first = 0, prepare = 0, pdfDrawing = 0, previewDrawing = 0;
    std::size_t rows = 0;
    int pages = 0;
    for (auto _ : state) {
        auto t = Clock::now();
        rows = plainPdf(fx, plain);
        baseline += secondsSince(t);

        t = Clock::now();
        reports::ReportEngine e = fx.engine();
        const reports::ReportDocument doc = e.Prepare();
        const auto drawn = Clock::now();
        pages = reports::writePdf(doc, pdf, reports::PageProgress{}).value_or(0);
        pdfDrawing += secondsSince(drawn);
        const double pdfSeconds = secondsSince(t);
        full += pdfSeconds;

        t = Clock::now();
        reports::ReportEngine shown = fx.engine();
        const reports::ReportDocument previewed = shown.Prepare();
        prepare += secondsSince(t);
        const auto shownAt = Clock::now();
        reports::ReportPreviewDialog preview(previewed);
        benchmark::DoNotOptimize(preview.pageCount());
        previewDrawing += secondsSince(shownAt);
        first += secondsSince(t);
        state.SetIterationTime(pdfSeconds);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["rows"] = static_cast<double>(rows);
    state.counters["pages"] = pages;
    state.counters["plain_pdf_ms"] = 1000 * baseline / n;
    state.counters["report_pdf_ms"] = 1000 * full / n;
    state.counters["first_preview_ms"] = 1000 * first / n;
    state.counters["prepare_ms"] = 1000 * prepare / n;
    state.counters["ratio_vs_plain"] = full / baseline;
    state.counters["first_page_vs_pdf"] = first / full;
    // Without the query and snapshot both share: pagination + page 1 against pagination + every page.
    state.counters["first_page_vs_pdf_drawing"] = previewDrawing / pdfDrawing;
}
BENCHMARK(BM_Vqm412)->Unit(benchmark::kMillisecond)->Iterations(2)->UseManualTime();

} // namespace

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

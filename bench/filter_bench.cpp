// The customer filter as the user meets it, against the database work it wraps, measured in the same run:
// confirm of TfrmFilCliente with every criterion "all" over VQ_BENCH_CUSTOMERS customers (default 100,000),
// from the click until the customer form is active with every row in cdsCliente (the module, the embedded
// application server and the RPC between them), vs the provider's SELECT iterated in-process.
// The seeded SQLite file is the one server_bench keeps in the temporary directory. Nothing is asserted.

#include "bench/bench_support.h"
#include "host/driver.h"
#include "platform/db/connection.h"
#include "server/core/provider.h"
#include "server/schema/schema.h"

#include <QApplication>
#include <QSettings>
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
    return env ? std::atoi(env) : 100'000;
}

std::string databaseUrl() {
    const int n = customerCount();
    const auto path =
        std::filesystem::temp_directory_path() / ("vq-server-bench-" + std::to_string(n) + ".sqlite");
    return "sqlite:" + path.string();
}

// Opens the filter, marks the click, confirms, waits for the customer form and marks its rows.
constexpr const char* kConfirm = "call IniProc null\n"
                                 "form TfrmFilCliente\n"
                                 "print Vqm41200.boStCriado\n"
                                 "click sbtConfirma\n"
                                 "form TfrmCliente\n"
                                 "print cdsCliente.recordCount\n"
                                 "close TfrmCliente\n";

struct Fixture {
    QTemporaryDir settingsDir;
    Clock::time_point clicked;
    double lastSeconds = 0;
    std::string lastCount;
    std::string error;
    std::unique_ptr<host::Driver> driver;

    Fixture() {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
        host::DriverOptions o;
        o.moduleDir = VQ_BENCH_MODULE_DIR;
        o.defaultDatabaseUrl = databaseUrl();
        o.seedCustomers = customerCount(); // seeded once, reused afterwards
        o.formTimeoutMs = 600000;
        o.output = [this](std::string_view line) {
            if (line.starts_with("Vqm41200.boStCriado=")) {
                clicked = Clock::now();
            } else if (line.starts_with("cdsCliente.recordCount=")) {
                lastSeconds = secondsSince(clicked);
                lastCount = std::string(line.substr(line.find('=') + 1));
            }
        };
        driver = std::make_unique<host::Driver>(std::move(o));
        // Starts the session (and seeds a new database) outside the measurement.
        const host::DriverResult r = driver->run(kConfirm);
        if (r.exitCode != 0)
            error = "line " + std::to_string(r.line) + ": " + r.error;
    }
};

void BM_FilterConfirmAll(benchmark::State& state) {
    Fixture fx;
    if (!fx.error.empty()) {
        state.SkipWithError(fx.error.c_str());
        return;
    }
    db::Connection direct(databaseUrl());
    direct.setFieldResolver(schema::fieldResolver());
    const std::string sql = server::requireProvider("dspCliente").selectSql();
    double baseline = 0, confirm = 0;
    for (auto _ : state) {
        auto t = Clock::now();
        const db::ResultSet rs = direct.query(sql);
        std::size_t nonNull = 0;
        for (const auto& r : rs.rows())
            for (const auto& v : r)
                nonNull += v.isNull() ? 0 : 1;
        benchmark::DoNotOptimize(nonNull);
        baseline += secondsSince(t);

        const host::DriverResult r = fx.driver->run(kConfirm);
        if (r.exitCode != 0) {
            state.SkipWithError(("line " + std::to_string(r.line) + ": " + r.error).c_str());
            break;
        }
        confirm += fx.lastSeconds;
        state.SetIterationTime(fx.lastSeconds);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["rows"] = std::atof(fx.lastCount.c_str());
    state.counters["select_iterate_ms"] = 1000 * baseline / n;
    state.counters["confirm_ms"] = 1000 * confirm / n;
    state.counters["ratio_vs_select"] = confirm / baseline;
}
BENCHMARK(BM_FilterConfirmAll)->Unit(benchmark::kMillisecond)->Iterations(3)->UseManualTime();

} // namespace

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

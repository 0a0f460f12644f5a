// Confirmar of one customer row with and without the field history, in one run, on a SQLite file: the
// same delta applied in-process, each round putting the row back, so both sides write the same change.
// Reports the ratio of the two; nothing is asserted.

#include "bench/bench_support.h"
#include "server/core/apply_delta.h"
#include "server/schema/migrations.h"
#include "server/schema/schema.h"

#include <benchmark/benchmark.h>
#include <filesystem>

using namespace vq;
using vq::bench::oneRowDelta;

namespace {

using bench::Clock;
using bench::secondsSince;

void BM_ConfirmarWithHistory(benchmark::State& state) {
    const auto path = std::filesystem::temp_directory_path() / "vq-audit-bench.sqlite";
    std::filesystem::remove(path);
    db::Connection conn("sqlite:" + path.string());
    conn.setFieldResolver(schema::fieldResolver());
    schema::applyMigrations(conn);
    conn.execute("INSERT INTO CLIENTE (CDCLIENTE, NMRAZSOCCLIE, NMFANTCLIE) VALUES ('J1', 'Alfa Ltda', 'A')");
    const server::Provider& provider = server::requireProvider("dspCliente");
    server::AuditTrail trail{{"OP1", "Vqm41200.rdmClientes", "Confirmar", 16}};
    const Delta toB = oneRowDelta("J1", "A", "B").asDelta();
    const Delta toA = oneRowDelta("J1", "B", "A").asDelta();
    double plain = 0, audited = 0;
    const std::uint64_t preparedBefore = conn.statementStats().prepared;
    for (auto _ : state) {
        auto t = Clock::now();
        server::applyDelta(conn, provider, toB);
        plain += secondsSince(t);
        t = Clock::now();
        server::applyDelta(conn, provider, toA, trail);
        const double elapsed = secondsSince(t);
        audited += elapsed;
        state.SetIterationTime(elapsed);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["plain_us"] = 1e6 * plain / n;
    state.counters["with_history_us"] = 1e6 * audited / n;
    state.counters["ratio_with_history"] = audited / plain;
    // Statements parsed per round (both saves): zero once the connection's cache holds them.
    state.counters["prepared_per_round"] =
        static_cast<double>(conn.statementStats().prepared - preparedBefore) / n;
    std::filesystem::remove(path);
}
BENCHMARK(BM_ConfirmarWithHistory)->Unit(benchmark::kMicrosecond)->Iterations(500)->UseManualTime();

} // namespace

BENCHMARK_MAIN();

// The application server against the database work it wraps, measured in the same run:
//  - Confirmar of one edited customer row over RPC vs the same UPDATE + commit run in-process;
//  - GetCliente with every criterion "all" over VQ_BENCH_CUSTOMERS customers (default 100,000), decoded
//    and loaded into a ClientDataSet by the client, vs the provider's SELECT iterated in-process. Demo
//    customers take about 800 bytes each, so the answer travels in two frames.
// The seeded SQLite file is kept in the temporary directory and reused by later runs. Nothing is asserted.

#include "bench/bench_support.h"
#include "contract/customer_filter.h"
#include "platform/data/client_data_set.h"
#include "platform/db/connection.h"
#include "platform/db/transaction.h"
#include "platform/net/net_connection.h"
#include "server/core/app_server.h"
#include "server/core/provider.h"
#include "server/schema/schema.h"
#include "server/seed/seed_database.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <filesystem>

using namespace vq;
using vq::bench::oneRowDelta;

namespace {

using bench::Clock;
using bench::secondsSince;

int customerCount() {
    const char* env = std::getenv("VQ_BENCH_CUSTOMERS");
    return env ? std::atoi(env) : 100'000;
}

struct Fixture {
    std::string url;
    std::unique_ptr<server::ServerHandle> server;
    std::unique_ptr<db::Connection> direct;
    net::TNetConnection rpc;
    std::string code; // the customer the write benchmark edits

    Fixture() {
        const int n = customerCount();
        const auto path =
            std::filesystem::temp_directory_path() / ("vq-server-bench-" + std::to_string(n) + ".sqlite");
        url = "sqlite:" + path.string();
        server::ServerConfig config;
        config.port = 0;
        config.databaseUrl = url;
        config.threads = 2;
        config.seed = seed::SeedOptions{n};
        config.seedIfEmpty = true; // seeded once, reused afterwards
        server = server::startServer(config);
        direct = std::make_unique<db::Connection>(url);
        direct->setFieldResolver(schema::fieldResolver());
        code = direct->query("SELECT MIN(CDCLIENTE) FROM CLIENTE").rows().at(0).at(0).toString();
        rpc.ServerName = "Vqm41200.rdmClientes";
        rpc.Port = server->port();
        rpc.SetTimeout(600000);
    }
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

void BM_ConfirmarOneRow(benchmark::State& state) {
    Fixture& fx = fixture();
    fx.direct->execute("UPDATE CLIENTE SET NMFANTCLIE = 'A' WHERE CDCLIENTE = :K", {{"K", fx.code}});
    double baseline = 0, confirmar = 0;
    for (auto _ : state) {
        auto t = Clock::now();
        {
            db::Transaction tx(*fx.direct);
            fx.direct->execute("UPDATE CLIENTE SET NMFANTCLIE = :V WHERE CDCLIENTE = :K AND NMFANTCLIE = :O",
                               {{"V", "B"}, {"K", fx.code}, {"O", "A"}});
            tx.commit();
        }
        baseline += secondsSince(t);
        // Back to the previous value through the server, so every round starts from the same row.
        t = Clock::now();
        VariantArray args{oneRowDelta(fx.code, "B", "A"), "dspCliente"};
        const Variant result = fx.rpc.Call("Confirmar", args);
        const double elapsed = secondsSince(t);
        confirmar += elapsed;
        if (!result.is(VariantKind::Int))
            state.SkipWithError(result.describe().c_str());
        state.SetIterationTime(elapsed);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["update_commit_us"] = 1e6 * baseline / n;
    state.counters["confirmar_rpc_us"] = 1e6 * confirmar / n;
    state.counters["ratio_vs_update_commit"] = confirmar / baseline;
}
BENCHMARK(BM_ConfirmarOneRow)->Unit(benchmark::kMicrosecond)->Iterations(300)->UseManualTime();

void BM_GetClienteAll(benchmark::State& state) {
    Fixture& fx = fixture();
    const std::string sql = server::requireProvider("dspCliente").selectSql();
    double baseline = 0, call = 0;
    std::size_t rows = 0;
    for (auto _ : state) {
        auto t = Clock::now();
        const db::ResultSet rs = fx.direct->query(sql);
        std::size_t nonNull = 0;
        for (const auto& r : rs.rows())
            for (const auto& v : r)
                nonNull += v.isNull() ? 0 : 1;
        benchmark::DoNotOptimize(nonNull);
        baseline += secondsSince(t);

        t = Clock::now();
        VariantArray args = contract::toArgs(contract::CustomerFilter{});
        const Variant packet = fx.rpc.Call(contract::kGetCliente, args);
        if (!packet.is(VariantKind::Packet)) {
            state.SkipWithError(packet.describe().c_str());
            break;
        }
        ClientDataSet cds("cdsCliente");
        cds.SetData(packet);
        const double elapsed = secondsSince(t);
        call += elapsed;
        rows = static_cast<std::size_t>(cds.RecordCount());
        state.SetIterationTime(elapsed);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["rows"] = static_cast<double>(rows);
    state.counters["select_iterate_ms"] = 1000 * baseline / n;
    state.counters["getcliente_rpc_ms"] = 1000 * call / n;
    state.counters["ratio_vs_select"] = call / baseline;
}
BENCHMARK(BM_GetClienteAll)->Unit(benchmark::kMillisecond)->Iterations(3)->UseManualTime();

} // namespace

BENCHMARK_MAIN();

// The batch assignments over RPC against the same change made by set-based statements in one transaction
// on a direct connection, in the same run, on SQLite and PostgreSQL, over VQ_BENCH_CUSTOMERS customers
// (default 20,000): every customer ("T") and a picked list of 10,000 codes; with and without progress.
// Counters: ms of each, customers/s, ratio_vs_single_statement (aim: at most 2) and progress_on_vs_off
// (aim: at most 1.1). Nothing is asserted.

#include "bench/bench_support.h"
#include "platform/db/connection.h"
#include "platform/db/transaction.h"
#include "platform/net/net_connection.h"
#include "server/core/app_server.h"
#include "server/schema/schema.h"
#include "server/seed/seed_database.h"
#include "tests/support/pg_fixture.h"

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
    return env ? std::atoi(env) : 20'000;
}

struct Fixture {
    std::unique_ptr<server::ServerHandle> server;
    std::unique_ptr<db::Connection> direct;
    net::TNetConnection rpc;
    std::string list; // 10,000 codes (or every other one) in the list form
    std::vector<std::string> listCodes;

    explicit Fixture(bool postgres) {
        const int n = customerCount();
        std::string url;
        if (postgres) {
            if (!test::sharedPgServer())
                throw std::runtime_error(test::pgUnavailableReason());
            url = test::sharedPgServer()->createDatabase();
        } else {
            const auto path =
                std::filesystem::temp_directory_path() / ("vq-batch-bench-" + std::to_string(n) + ".sqlite");
            url = "sqlite:" + path.string();
        }
        server::ServerConfig config;
        config.port = 0;
        config.databaseUrl = url;
        config.threads = 2;
        config.seed = seed::SeedOptions{n};
        config.seedIfEmpty = true;
        server = server::startServer(config);
        direct = std::make_unique<db::Connection>(url);
        direct->setFieldResolver(schema::fieldResolver());
        const auto rows = direct->query("SELECT CDCLIENTE FROM CLIENTE ORDER BY CDCLIENTE").rows();
        for (std::size_t i = 0; i < rows.size() && listCodes.size() < 10'000;
             i += rows.size() > 10'000 ? 2 : 1) {
            listCodes.push_back(rows[i][0].toString());
            list += "_" + listCodes.back() + "_";
        }
        rpc.ServerName = "Vqm41200.rdmClientes";
        rpc.Port = server->port();
        rpc.SetTimeout(600000);
    }
};

Fixture& fixture(bool postgres) {
    static std::unique_ptr<Fixture> f[2];
    if (!f[postgres])
        f[postgres] = std::make_unique<Fixture>(postgres);
    return *f[postgres];
}

enum Method { Retention, PriceTable, Group };

// The target of the direct statements: every customer, or the list's codes bound one by one.
std::string targetWhere(const Fixture& fx, bool all, db::Params& params) {
    if (all)
        return "1 = 1";
    std::string in;
    for (std::size_t i = 0; i < fx.listCodes.size(); ++i) {
        const std::string name = "C" + std::to_string(i);
        in += (i ? ", :" : ":") + name;
        params.emplace(name, Variant(fx.listCodes[i]));
    }
    return "CDCLIENTE IN (" + in + ")";
}

void directChange(Fixture& fx, Method m, bool all, int round) {
    db::Params params;
    const std::string where = targetWhere(fx, all, params);
    db::Transaction tx(*fx.direct);
    if (m == Retention) {
        params.emplace("S", Variant(round % 2 + 1));
        params.emplace("R", Variant(round % 2 ? "5952" : "1708"));
        fx.direct->execute("UPDATE CLIENTE SET NRSEQRETIRPJ = :S, CDRETIRPJ = :R WHERE " + where, params);
    } else if (m == Group) {
        params.emplace("G", Variant(round % 2 ? "0000000001" : "0000000002"));
        fx.direct->execute("UPDATE CLIENTE SET CDGRUPCLIE = :G WHERE " + where, params);
    } else {
        params.emplace("T", Variant(round % 2 ? "01" : "02"));
        fx.direct->execute(
            "INSERT INTO PRECOBASECLI (CDCLIENTE, CDPRECOBASE, IDPRBASEPRIN) SELECT CDCLIENTE, "
            "CAST(:T AS VARCHAR(2)), 'S' FROM CLIENTE C WHERE " +
                where +
                " AND NOT EXISTS (SELECT 1 FROM PRECOBASECLI P WHERE P.CDCLIENTE = C.CDCLIENTE "
                "AND P.CDPRECOBASE = :T)",
            params);
        fx.direct->execute(
            "UPDATE PRECOBASECLI SET IDPRBASEPRIN = CASE WHEN CDPRECOBASE = :T THEN 'S' ELSE 'N' "
            "END WHERE CDCLIENTE IN (SELECT CDCLIENTE FROM CLIENTE WHERE " +
                where + ")",
            params);
    }
    tx.commit();
}

Variant rpcChange(Fixture& fx, Method m, bool all, int round, bool progress) {
    const std::string target = all ? "T" : fx.list;
    VariantArray args;
    std::string method;
    if (m == Retention) {
        method = "setCadAuto";
        args = {target, round % 2 + 1, -1};
    } else if (m == Group) {
        method = "setCadAutGrupoClie";
        args = {round % 2 ? "0000000001" : "0000000002", "", "", "", "", target};
    } else {
        method = "setCadAutoTabPrecoClie";
        args = {round % 2 ? "01" : "02", true, "", "", "", "", target};
    }
    std::int64_t reports = 0;
    if (!progress)
        return fx.rpc.Call(method, args);
    Variant result = fx.rpc.Call(method, args, [&](std::int64_t, std::int64_t) { ++reports; });
    benchmark::DoNotOptimize(reports);
    return result;
}

// Args: database (0 SQLite, 1 PostgreSQL), method, target (1 all, 0 list).
void BM_BatchAssign(benchmark::State& state) {
    const bool postgres = state.range(0) == 1;
    const auto method = static_cast<Method>(state.range(1));
    const bool all = state.range(2) == 1;
    Fixture* fx = nullptr;
    try {
        fx = &fixture(postgres);
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
        return;
    }
    double direct = 0, withProgress = 0, without = 0;
    int round = 0;
    for (auto _ : state) {
        auto t = Clock::now();
        directChange(*fx, method, all, ++round);
        direct += secondsSince(t);
        t = Clock::now();
        const Variant a = rpcChange(*fx, method, all, ++round, true);
        const double elapsed = secondsSince(t);
        withProgress += elapsed;
        t = Clock::now();
        const Variant b = rpcChange(*fx, method, all, ++round, false);
        without += secondsSince(t);
        if (a.is(VariantKind::ServerError) || b.is(VariantKind::ServerError)) {
            state.SkipWithError(a.describe().c_str());
            return;
        }
        state.SetIterationTime(elapsed);
    }
    const double n = static_cast<double>(state.iterations());
    const double customers =
        all ? static_cast<double>(customerCount()) : static_cast<double>(fx->listCodes.size());
    state.counters["customers"] = customers;
    state.counters["single_statement_ms"] = 1000 * direct / n;
    state.counters["rpc_progress_ms"] = 1000 * withProgress / n;
    state.counters["rpc_no_progress_ms"] = 1000 * without / n;
    state.counters["customers_per_s"] = customers * n / withProgress;
    state.counters["ratio_vs_single_statement"] = withProgress / direct;
    state.counters["progress_on_vs_off"] = withProgress / without;
}
BENCHMARK(BM_BatchAssign)
    ->ArgsProduct({{0, 1}, {Retention, PriceTable, Group}, {1, 0}})
    ->ArgNames({"pg", "method", "all"})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->UseManualTime();

} // namespace

BENCHMARK_MAIN();

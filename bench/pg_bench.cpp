// Eight clients saving customers at once through the application server on PostgreSQL, against the
// server's own load generator ("pgbench -N -c 8", UPDATE + SELECT + INSERT per transaction) on the same
// private cluster, measured in the same run.
//  - rpc_tps: 8 threads, each with its own connection, each saving its own customer over and over
//    (Confirmar "dspCliente" of one modified row, the value flipping so every delta matches what is stored);
//  - pgbench_tps: "tps =" of pgbench on a database of its own (scale VQ_PGBENCH_SCALE, default 8).
// VQ_BENCH_SECONDS (default 10) is the length of each measurement; VQ_BENCH_CUSTOMERS (default 2,000) the
// customers seeded. The server binaries come from $VQ_PG_BIN like the tests'. Nothing is asserted.

#include "bench/bench_support.h"
#include "platform/db/connection.h"
#include "platform/net/net_connection.h"
#include "server/core/app_server.h"
#include "server/schema/schema.h"
#include "tests/support/pg_fixture.h"

#include <atomic>
#include <benchmark/benchmark.h>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

using namespace vq;
using vq::bench::oneRowDelta;

namespace {

using Clock = std::chrono::steady_clock;
constexpr std::size_t kClients = 8;

int envInt(const char* name, int fallback) {
    const char* env = std::getenv(name);
    const int v = env ? std::atoi(env) : 0;
    return v > 0 ? v : fallback;
}

std::string pgBinDirectory() {
    const char* env = std::getenv("VQ_PG_BIN");
    return env && *env ? env : "/usr/lib/postgresql/15/bin";
}

struct ProcessResult {
    int status = -1; // exit code, 128 + signal, or -1 when it was killed for taking too long
    std::string output;
};

// Runs argv (no shell) with stdout and stderr captured; killed after `limit`.
ProcessResult runProcess(const std::vector<std::string>& argv, std::chrono::seconds limit) {
    std::vector<char*> args;
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe() falhou");
    const pid_t pid = ::fork();
    if (pid < 0) {
        ::close(fds[0]);
        ::close(fds[1]);
        throw std::runtime_error("fork() falhou");
    }
    if (pid == 0) {
        ::dup2(fds[1], 1);
        ::dup2(fds[1], 2);
        ::execv(args[0], args.data());
        ::_exit(127);
    }
    ::close(fds[1]);
    ProcessResult result;
    const auto deadline = Clock::now() + limit;
    bool killed = false;
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) {
            ::kill(pid, SIGKILL);
            killed = true;
            break;
        }
        pollfd p{fds[0], POLLIN, 0};
        const int ready = ::poll(&p, 1, static_cast<int>(left.count()));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            continue; // the deadline check above ends it
        char buf[4096];
        const ssize_t n = ::read(fds[0], buf, sizeof buf);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        result.output.append(buf, static_cast<std::size_t>(n));
    }
    ::close(fds[0]);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    result.status = killed ? -1 : WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return result;
}

std::string databaseOf(const std::string& url) {
    return url.substr(url.rfind('/') + 1);
}

// "tps = 1234.5 (without initial connection time)" -> 1234.5; 0 when absent.
double parseTps(const std::string& output) {
    const auto at = output.find("tps = ");
    return at == std::string::npos ? 0.0 : std::strtod(output.c_str() + at + 6, nullptr);
}

double pgbenchTps(test::PgServer& pg, int seconds) {
    const std::string bin = pgBinDirectory() + "/pgbench";
    const std::string db = databaseOf(pg.createDatabase());
    const std::string port = std::to_string(pg.port());
    const std::vector<std::string> common{"-h", "127.0.0.1", "-p", port, "-U", pg.user()};
    std::vector<std::string> init{bin, "-i", "-q", "-s", std::to_string(envInt("VQ_PGBENCH_SCALE", 8))};
    init.insert(init.end(), common.begin(), common.end());
    init.push_back(db);
    ProcessResult r = runProcess(init, std::chrono::seconds(300));
    if (r.status != 0)
        throw std::runtime_error("pgbench -i falhou (" + std::to_string(r.status) + "): " + r.output);
    const std::string clients = std::to_string(kClients);
    std::vector<std::string> run{
        bin, "-n", "-N", "-c", clients, "-j", clients, "-T", std::to_string(seconds)};
    run.insert(run.end(), common.begin(), common.end());
    run.push_back(db);
    r = runProcess(run, std::chrono::seconds(seconds + 120));
    const double tps = parseTps(r.output);
    if (r.status != 0 || tps <= 0)
        throw std::runtime_error("pgbench falhou (" + std::to_string(r.status) + "): " + r.output);
    return tps;
}

struct ClientResult {
    std::int64_t saved = 0;
    std::string error;
};

// Saves `code` until `stop`, flipping NMFANTCLIE between "A" and "B" (it starts at "A").
void saveLoop(std::uint16_t port, const std::string& code, const std::atomic<bool>& stop, ClientResult& out) {
    try {
        net::TNetConnection rpc;
        rpc.ServerName = "Vqm41200.rdmClientes";
        rpc.Port = port;
        rpc.SetTimeout(60000);
        rpc.Open();
        bool atA = true;
        while (!stop.load(std::memory_order_relaxed)) {
            VariantArray args{oneRowDelta(code, atA ? "A" : "B", atA ? "B" : "A"), "dspCliente"};
            const Variant result = rpc.Call("Confirmar", args);
            if (!result.is(VariantKind::Int) || result.toInt() != 1) {
                out.error = result.describe();
                return;
            }
            atA = !atA;
            ++out.saved;
        }
    } catch (const std::exception& e) {
        out.error = e.what();
    }
}

// Total saves per second of the eight clients on a freshly seeded database.
double rpcTps(test::PgServer& pg, int seconds, benchmark::State& state) {
    server::ServerConfig config;
    config.port = 0;
    config.databaseUrl = pg.createDatabase();
    config.threads = kClients;
    config.seed = seed::SeedOptions{envInt("VQ_BENCH_CUSTOMERS", 2000)};
    auto t = Clock::now();
    const auto server = server::startServer(config);
    state.counters["seed_s"] = std::chrono::duration<double>(Clock::now() - t).count();

    db::Connection direct(config.databaseUrl);
    direct.setFieldResolver(schema::fieldResolver());
    const db::ResultSet firstCustomers =
        direct.query("SELECT CDCLIENTE FROM CLIENTE ORDER BY CDCLIENTE LIMIT " + std::to_string(kClients));
    std::vector<std::string> codes;
    for (const auto& row : firstCustomers.rows())
        codes.push_back(row.at(0).toString());
    if (codes.size() != kClients)
        throw std::runtime_error("poucos clientes semeados");
    for (const std::string& code : codes)
        direct.execute("UPDATE CLIENTE SET NMFANTCLIE = 'A' WHERE CDCLIENTE = :K", {{"K", code}});

    std::atomic<bool> stop{false};
    std::vector<ClientResult> results(kClients);
    std::vector<std::jthread> clients;
    t = Clock::now();
    for (std::size_t i = 0; i < kClients; ++i)
        clients.emplace_back(saveLoop, server->port(), std::cref(codes[i]), std::cref(stop),
                             std::ref(results[i]));
    std::this_thread::sleep_for(std::chrono::seconds(seconds));
    stop = true;
    clients.clear(); // joins
    const double elapsed = std::chrono::duration<double>(Clock::now() - t).count();
    state.SetIterationTime(elapsed);

    std::int64_t saved = 0;
    for (const ClientResult& r : results) {
        if (!r.error.empty())
            throw std::runtime_error("Confirmar falhou: " + r.error);
        saved += r.saved;
    }
    return static_cast<double>(saved) / elapsed;
}

void BM_EightClientsSaving(benchmark::State& state) {
    test::PgServer* pg = test::sharedPgServer();
    if (!pg)
        state.SkipWithError(test::pgUnavailableReason().c_str()); // the loop below then does not run
    const int seconds = envInt("VQ_BENCH_SECONDS", 10);
    for (auto _ : state) {
        try {
            const double rpc = rpcTps(*pg, seconds, state);
            const double baseline = pgbenchTps(*pg, seconds);
            state.counters["rpc_tps"] = rpc;
            state.counters["pgbench_tps"] = baseline;
            state.counters["ratio_vs_pgbench"] = rpc / baseline;
        } catch (const std::exception& e) {
            state.SkipWithError(e.what());
            break;
        }
    }
}
BENCHMARK(BM_EightClientsSaving)->Unit(benchmark::kSecond)->Iterations(1)->UseManualTime();

} // namespace

BENCHMARK_MAIN();

// Two erp-appserver processes on one private PostgreSQL; one is killed in the middle of a load of saves.
#include "platform/data/packet.h"
#include "platform/data/variant.h"
#include "platform/db/connection.h"
#include "platform/net/net_connection.h"
#include "tests/support/pg_fixture.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace vq::test {
namespace {

using Clock = std::chrono::steady_clock;
constexpr const char* kSecret = "segredo-dos-testes";
constexpr int kClients = 4;
constexpr int kSavesEachSide = 20; // acknowledged saves per client before the kill and after it

// One erp-appserver child on a free loopback port; its standard error is read (the port) and drained.
class AppServerProcess {
public:
    explicit AppServerProcess(const std::string& url) {
        int fds[2];
        if (::pipe2(fds, O_CLOEXEC) != 0)
            throw std::runtime_error("pipe");
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, fds[1], 2);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        std::vector<std::string> args{VQ_APPSERVER_BIN, "--listen", "127.0.0.1:0", "--db", url,
                                      "--secret",       kSecret,    "--threads",   "4"};
        std::vector<char*> argv;
        for (auto& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        const int rc = ::posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        ::close(fds[1]);
        fd_ = fds[0];
        if (rc != 0)
            throw std::runtime_error("posix_spawn erp-appserver");
        port_ = readPort();
        drain_ = std::thread([fd = fd_] {
            char buf[4096];
            while (::read(fd, buf, sizeof buf) > 0) {
            }
        });
    }
    ~AppServerProcess() {
        kill();
        if (drain_.joinable())
            drain_.join();
        ::close(fd_);
    }
    AppServerProcess(const AppServerProcess&) = delete;
    AppServerProcess& operator=(const AppServerProcess&) = delete;

    int port() const { return port_; }
    void kill() {
        if (pid_ <= 0)
            return;
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

private:
    int readPort() {
        const std::string marker = "erp-appserver listening on 127.0.0.1:";
        std::string text;
        const auto until = Clock::now() + std::chrono::seconds(60);
        while (Clock::now() < until) {
            if (const auto at = text.find(marker); at != std::string::npos) {
                const auto end = text.find_first_not_of("0123456789", at + marker.size());
                if (end != std::string::npos)
                    return std::stoi(text.substr(at + marker.size(), end - at - marker.size()));
            }
            pollfd p{fd_, POLLIN, 0};
            if (::poll(&p, 1, 1000) <= 0)
                continue;
            char buf[1024];
            const ssize_t n = ::read(fd_, buf, sizeof buf);
            if (n <= 0)
                break;
            text.append(buf, static_cast<std::size_t>(n));
        }
        kill();
        throw std::runtime_error("erp-appserver não informou a porta: " + text);
    }

    pid_t pid_ = -1;
    int fd_ = -1;
    int port_ = 0;
    std::thread drain_;
};

Variant renameDelta(const std::string& code, const std::string& from, const std::string& to) {
    auto delta = std::make_shared<Delta>(
        std::vector<FieldDesc>{{"CDCLIENTE", FieldType::String, 21}, {"NMFANTCLIE", FieldType::String, 50}});
    delta->addRow({UpdateStatus::Modified, {code, from}, {}, {{1, to}}});
    return Variant(std::shared_ptr<const Delta>(std::move(delta)));
}

// One client saving its own customer over and over, each save renaming it from the last stored name.
struct Client {
    std::string code;
    std::string stored = "V0"; // what the database holds, as this client knows it
    int next = 1;
    std::atomic<int> acknowledged{0};
    std::atomic<int> connectionErrors{0};
    std::string failure; // anything else: the test fails (read after the thread ends)
    std::atomic<bool> failed{false};
    int lastPort = 0; // the server it ended on (read after the thread ends)

    // A save whose answer was lost is repeated once: the optimistic check refuses it if it was applied.
    void run(int firstPort, int otherPort, const std::atomic<bool>& stop) {
        net::TNetConnection rpc;
        rpc.ServerName = "Vqm41200.rdmClientes";
        rpc.Port = firstPort;
        rpc.Fallbacks = {{"127.0.0.1", otherPort}};
        rpc.SetSecret(kSecret);
        rpc.SetTimeout(30000);
        while (!stop) {
            const std::string to = "V" + std::to_string(next);
            VariantArray args{renameDelta(code, stored, to), "dspCliente"};
            Variant result;
            try {
                result = rpc.Call("Confirmar", args);
            } catch (const net::ConnectionError&) {
                ++connectionErrors;
                VariantArray again{renameDelta(code, stored, to), "dspCliente"};
                try {
                    result = rpc.Call("Confirmar", again);
                } catch (const std::exception& e) {
                    failure = std::string("depois da troca de servidor: ") + e.what();
                    failed = true;
                    return;
                }
                if (result.is(VariantKind::ServerError) &&
                    result.asServerError().message.find("alterado") != std::string::npos)
                    result = Variant(1); // the first try had been applied
            }
            if (!result.is(VariantKind::Int) || result.toInt() != 1) {
                failure = result.describe();
                failed = true;
                return;
            }
            stored = to;
            ++next;
            ++acknowledged;
        }
        lastPort = rpc.Port;
    }
};

bool waitUntil(const std::array<Client, kClients>& clients, int atLeast) {
    const auto until = Clock::now() + std::chrono::seconds(120);
    for (;;) {
        bool all = true;
        for (const auto& c : clients)
            all = all && (c.acknowledged >= atLeast || c.failed);
        if (all)
            return true;
        if (Clock::now() > until)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

TEST(TwoAppServers, OneKilledMidLoadLosesNoAcknowledgedSave) {
    PgServer* pg = sharedPgServer();
    if (!pg)
        GTEST_SKIP() << pgUnavailableReason();
    const std::string url = pg->createDatabase();
    auto first = std::make_unique<AppServerProcess>(url); // migrates the new database
    db::Connection direct(url);
    std::array<Client, kClients> clients;
    for (int i = 0; i < kClients; ++i) {
        clients[i].code = "J1122233300018" + std::to_string(i);
        direct.execute("INSERT INTO CLIENTE (CDCLIENTE, NMRAZSOCCLIE, NMFANTCLIE) VALUES (:C, 'Carga', 'V0')",
                       {{"C", Variant(clients[i].code)}});
    }
    AppServerProcess second(url);
    const int firstPort = first->port();

    std::atomic<bool> stop{false};
    {
        std::vector<std::jthread> threads;
        for (int i = 0; i < kClients; ++i) // half start on each server
            threads.emplace_back([&, i] {
                clients[i].run(i % 2 ? second.port() : firstPort, i % 2 ? firstPort : second.port(), stop);
            });
        ASSERT_TRUE(waitUntil(clients, kSavesEachSide));
        first->kill();
        std::array<int, kClients> atKill{};
        for (int i = 0; i < kClients; ++i)
            atKill[i] = clients[i].acknowledged;
        const bool carriedOn =
            waitUntil(clients, atKill[0] + kSavesEachSide) &&
            waitUntil(clients, *std::max_element(atKill.begin(), atKill.end()) + kSavesEachSide);
        stop = true;
        threads.clear();
        EXPECT_TRUE(carriedOn);
    }

    for (const auto& c : clients) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(c.failure, "");
        EXPECT_LE(c.connectionErrors, 1); // only the save in flight when its server died
        EXPECT_EQ(c.lastPort, second.port());
        const auto rs =
            direct.query("SELECT NMFANTCLIE FROM CLIENTE WHERE CDCLIENTE = :C", {{"C", Variant(c.code)}});
        ASSERT_EQ(rs.rows().size(), 1u);
        EXPECT_EQ(rs.rows()[0][0].asString(), c.stored); // every acknowledged save, in order, is stored
    }
}

} // namespace
} // namespace vq::test

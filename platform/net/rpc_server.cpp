#include "platform/net/rpc_server.h"

#include "platform/data/error.h"
#include "platform/data/log.h"
#include "platform/net/server_session.h"

#include <algorithm>
#include <asio.hpp>
#include <condition_variable>
#include <csignal>
#include <future>
#include <mutex>
#include <optional>
#include <thread>
#include <unordered_map>
#include <vector>

namespace vq::net {

using asio::ip::tcp;
using detail::Session;

namespace {

enum class State { Idle, Running, Stopping, Stopped };

tcp::endpoint resolveEndpoint(asio::io_context& io, const std::string& host, std::uint16_t port) {
    asio::error_code ec;
    const auto address = asio::ip::make_address(host == "localhost" ? "127.0.0.1" : host, ec);
    if (!ec)
        return {address, port};
    tcp::resolver resolver(io);
    const auto results = resolver.resolve(host, std::to_string(port), ec);
    if (ec || results.empty())
        throw Error("Endereço de escuta inválido: " + host + ".");
    return *results.begin();
}

unsigned threadCount(unsigned wanted) {
    if (wanted > 0)
        return wanted;
    return std::max(2u, std::thread::hardware_concurrency());
}

} // namespace

struct RpcServer::Impl {
    Impl(const MethodRegistry& registry, ServerOptions opts)
        : options(std::move(opts)), config{registry,
                                           HandlerOptions{options.maxDepth, options.secret,
                                                          options.maxOperatorLength},
                                           std::min(options.maxFrameSize, kMaxFrameSize),
                                           std::min(options.maxRequestSize, kMaxMessageSize),
                                           options.idleTimeout},
          acceptor(asio::make_strand(io)), acceptRetry(acceptor.get_executor()) {}

    void accept();
    void onAccept(const asio::error_code& ec, tcp::socket socket);
    void sessionEnded(std::uint64_t id);
    void closeAcceptor();
    template <class Fn> void forEachSession(Fn fn);
    void runWorker();

    ServerOptions options;
    detail::SessionConfig config;
    asio::io_context io;
    std::optional<asio::executor_work_guard<asio::io_context::executor_type>> work;
    tcp::acceptor acceptor;
    asio::steady_timer acceptRetry;
    std::vector<std::thread> threads;

    mutable std::mutex mutex; // guards everything below
    std::condition_variable changed;
    std::unordered_map<std::uint64_t, std::weak_ptr<Session>> sessions;
    std::uint64_t nextId = 0;
    State state = State::Idle;
    std::uint16_t boundPort = 0;
};

void RpcServer::Impl::accept() {
    acceptor.async_accept(asio::make_strand(io), [this](const asio::error_code& ec, tcp::socket socket) {
        onAccept(ec, std::move(socket));
    });
}

void RpcServer::Impl::onAccept(const asio::error_code& ec, tcp::socket socket) {
    if (ec == asio::error::operation_aborted || !acceptor.is_open())
        return;
    if (ec) { // e.g. out of descriptors: pause instead of spinning
        log::warn("rpc accept failed reason=\"" + ec.message() + "\"");
        acceptRetry.expires_after(std::chrono::milliseconds(100));
        acceptRetry.async_wait([this](const asio::error_code& e) {
            if (!e)
                accept();
        });
        return;
    }
    std::shared_ptr<Session> session;
    {
        std::lock_guard lock(mutex);
        if (state != State::Running)
            return;
        if (sessions.size() >= options.maxConnections) {
            log::warn("rpc connection refused reason=\"limit of " + std::to_string(options.maxConnections) +
                      " connections reached\"");
        } else {
            const auto id = ++nextId;
            session = std::make_shared<Session>(std::move(socket), config, id,
                                                [this](std::uint64_t ended) { sessionEnded(ended); });
            sessions.emplace(id, session);
        }
    }
    if (session)
        session->start();
    accept();
}

void RpcServer::Impl::sessionEnded(std::uint64_t id) {
    std::lock_guard lock(mutex);
    sessions.erase(id);
    changed.notify_all();
}

void RpcServer::Impl::closeAcceptor() {
    std::promise<void> done;
    asio::dispatch(acceptor.get_executor(), [this, &done] {
        asio::error_code ignored;
        acceptor.close(ignored);
        acceptRetry.cancel();
        done.set_value();
    });
    done.get_future().wait();
}

// Locks each live session outside the mutex: releasing the last reference ends the session, which
// takes the mutex itself.
template <class Fn> void RpcServer::Impl::forEachSession(Fn fn) {
    std::vector<std::weak_ptr<Session>> copy;
    {
        std::lock_guard lock(mutex);
        for (const auto& [id, weak] : sessions)
            copy.push_back(weak);
    }
    for (const auto& weak : copy)
        if (auto s = weak.lock())
            fn(*s);
}

void RpcServer::Impl::runWorker() {
    for (;;) {
        try {
            io.run();
            return;
        } catch (const std::exception& e) {
            log::error(std::string("rpc worker caught exception reason=\"") + e.what() + "\"");
        }
    }
}

RpcServer::RpcServer(const MethodRegistry& registry, ServerOptions options)
    : impl_(std::make_unique<Impl>(registry, std::move(options))) {}

RpcServer::~RpcServer() {
    try {
        stop();
    } catch (const std::exception& e) {
        log::error(std::string("rpc server stop failed reason=\"") + e.what() + "\"");
    }
}

void RpcServer::start() {
    auto& d = *impl_;
    std::lock_guard lock(d.mutex);
    if (d.state != State::Idle)
        throw std::logic_error("RpcServer started twice");
    const auto where = d.options.host + ":" + std::to_string(d.options.port);
    try {
        const auto endpoint = resolveEndpoint(d.io, d.options.host, d.options.port);
        d.acceptor.open(endpoint.protocol());
        d.acceptor.set_option(tcp::acceptor::reuse_address(true));
        d.acceptor.bind(endpoint);
        d.acceptor.listen(asio::socket_base::max_listen_connections);
        d.boundPort = d.acceptor.local_endpoint().port();
    } catch (const asio::system_error& e) {
        asio::error_code ignored;
        d.acceptor.close(ignored);
        throw Error("Não foi possível escutar em " + where + ": " + e.code().message() + ".");
    }
    d.work.emplace(asio::make_work_guard(d.io));
    d.state = State::Running;
    d.accept();
    const unsigned n = threadCount(d.options.threads);
    for (unsigned i = 0; i < n; ++i)
        d.threads.emplace_back([&d] { d.runWorker(); });
    log::info("rpc server listening on " + d.options.host + ":" + std::to_string(d.boundPort) +
              " threads=" + std::to_string(n) + (d.options.secret.empty() ? "" : " secret=required"));
}

std::uint16_t RpcServer::port() const {
    std::lock_guard lock(impl_->mutex);
    return impl_->boundPort;
}

const ServerOptions& RpcServer::options() const {
    return impl_->options;
}

void RpcServer::stop() {
    auto& d = *impl_;
    {
        std::unique_lock lock(d.mutex);
        if (d.state == State::Idle || d.state == State::Stopped)
            return;
        if (d.state == State::Stopping) {
            d.changed.wait(lock, [&] { return d.state == State::Stopped; });
            return;
        }
        if (d.io.get_executor().running_in_this_thread())
            throw std::logic_error("RpcServer::stop called from one of its own threads");
        d.state = State::Stopping;
    }
    log::info("rpc server stopping port=" + std::to_string(d.boundPort));
    d.closeAcceptor();
    d.forEachSession([](Session& s) { s.shutdown(); });
    bool drained = false;
    {
        std::unique_lock lock(d.mutex);
        drained = d.changed.wait_for(lock, d.options.shutdownGrace, [&] { return d.sessions.empty(); });
    }
    if (!drained) {
        log::warn("rpc server cutting connections still open after the shutdown grace");
        d.forEachSession([](Session& s) { s.forceClose(); });
        std::unique_lock lock(d.mutex);
        d.changed.wait(lock, [&] { return d.sessions.empty(); });
    }
    d.work.reset();
    d.io.stop();
    for (auto& t : d.threads)
        t.join();
    d.threads.clear();
    log::info("rpc server stopped port=" + std::to_string(d.boundPort));
    std::lock_guard lock(d.mutex);
    d.state = State::Stopped;
    d.changed.notify_all();
}

void RpcServer::wait() {
    std::unique_lock lock(impl_->mutex);
    impl_->changed.wait(lock, [&] { return impl_->state == State::Stopped || impl_->state == State::Idle; });
}

bool RpcServer::running() const {
    std::lock_guard lock(impl_->mutex);
    return impl_->state == State::Running;
}

std::size_t RpcServer::connectionCount() const {
    std::lock_guard lock(impl_->mutex);
    return impl_->sessions.size();
}

int runUntilSignal(RpcServer& server) {
    asio::io_context ctx;
    asio::signal_set signals(ctx, SIGINT, SIGTERM);
    int received = 0;
    signals.async_wait([&](const asio::error_code& ec, int signal) {
        if (!ec)
            received = signal;
    });
    std::thread waiter([&] {
        server.wait();
        ctx.stop();
    });
    ctx.run();
    if (received != 0) {
        log::info("signal " + std::to_string(received) + " received, stopping the rpc server");
        server.stop();
    }
    waiter.join();
    return received;
}

} // namespace vq::net

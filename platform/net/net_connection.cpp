#include "platform/net/net_connection.h"

#include "platform/data/error.h"
#include "platform/data/log.h"
#include "platform/net/frame_reader.h"
#include "platform/net/framing.h"
#include "platform/net/rpc_message.h"

#include <asio.hpp>
#include <cerrno>
#include <chrono>
#include <climits>
#include <mutex>
#include <optional>
#include <poll.h>
#include <sys/socket.h>
#include <sys/uio.h>
#include <variant>

namespace vq::net {

using asio::ip::tcp;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kClientMaxDepth = 64;

std::mutex g_observerMutex;
TNetConnection::CallObserver g_observer;

// A transport step failed; turned into ConnectionError with the server's address by the caller.
struct TransportFailure {
    std::string reason;
};

std::string reasonOf(const asio::error_code& ec) {
    if (ec == asio::error::connection_refused)
        return "conexão recusada";
    if (ec == asio::error::eof || ec == asio::error::connection_reset || ec == asio::error::broken_pipe)
        return "conexão encerrada pelo servidor";
    if (ec == asio::error::host_not_found || ec == asio::error::host_not_found_try_again)
        return "servidor não encontrado";
    if (ec == asio::error::network_unreachable || ec == asio::error::host_unreachable)
        return "servidor inalcançável";
    return ec.message();
}

} // namespace

struct TNetConnection::Impl {
    asio::io_context io;
    tcp::socket socket{io};
    std::chrono::milliseconds timeout{30000};
    std::string secret;
    std::string operatorCode;
    std::int64_t erpModule = 0;
    std::uint32_t lastId = 0;
    FrameReader reader{kMaxFrameSize, kMaxMessageSize};
    std::string openHost; // what the open socket is connected to
    int openPort = 0;

    std::optional<Clock::time_point> deadline() const {
        if (timeout.count() <= 0)
            return std::nullopt;
        return Clock::now() + timeout;
    }

    // Runs the pending operation until it completes or the deadline passes; on timeout the socket is
    // closed, which aborts the operation.
    void await(const std::optional<Clock::time_point>& until, const std::function<void()>& cancel = {}) {
        io.restart();
        if (until)
            io.run_until(*until);
        else
            io.run();
        if (io.stopped())
            return;
        if (cancel)
            cancel();
        asio::error_code ignored;
        socket.close(ignored);
        io.restart();
        io.run();
        throw TransportFailure{"tempo esgotado após " + std::to_string(timeout.count()) + " ms"};
    }

    void connect(const std::string& host, int port, const std::optional<Clock::time_point>& until) {
        asio::error_code ec;
        std::vector<tcp::endpoint> endpoints;
        const auto address = asio::ip::make_address(host, ec);
        if (!ec) {
            endpoints.emplace_back(address, static_cast<std::uint16_t>(port));
        } else {
            tcp::resolver resolver(io);
            resolver.async_resolve(
                host, std::to_string(port),
                [&](const asio::error_code& e, const tcp::resolver::results_type& results) {
                    ec = e;
                    for (const auto& r : results)
                        endpoints.push_back(r.endpoint());
                });
            await(until, [&] { resolver.cancel(); });
            if (ec || endpoints.empty())
                throw TransportFailure{reasonOf(ec ? ec : asio::error::host_not_found)};
        }
        asio::async_connect(socket, endpoints,
                            [&](const asio::error_code& e, const tcp::endpoint&) { ec = e; });
        await(until);
        if (ec)
            throw TransportFailure{reasonOf(ec)};
        socket.set_option(tcp::no_delay(true), ec);
    }

    // Sends and receives on the socket itself, waiting with poll(): the call is synchronous, and a
    // no-op call costs a handful of system calls instead of a trip through the event loop.
    int remainingMs(const std::optional<Clock::time_point>& until) {
        if (!until)
            return -1;
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(*until - Clock::now()).count();
        if (left <= 0)
            timedOut();
        return static_cast<int>(std::min<long long>(left, INT_MAX));
    }

    [[noreturn]] void timedOut() {
        asio::error_code ignored;
        socket.close(ignored);
        throw TransportFailure{"tempo esgotado após " + std::to_string(timeout.count()) + " ms"};
    }

    void waitFor(short events, const std::optional<Clock::time_point>& until) {
        pollfd p{socket.native_handle(), events, 0};
        for (;;) {
            const int r = ::poll(&p, 1, remainingMs(until));
            if (r > 0)
                return;
            if (r == 0)
                timedOut();
            if (errno != EINTR)
                throw TransportFailure{reasonOf(asio::error_code(errno, asio::system_category()))};
        }
    }

    void send(std::string_view payload, const std::optional<Clock::time_point>& until) {
        const auto frames = splitIntoFrames(payload);
        std::vector<iovec> parts;
        for (const auto& f : frames) {
            parts.push_back({const_cast<char*>(f.header.data()), f.header.size()});
            if (!f.body.empty())
                parts.push_back({const_cast<char*>(f.body.data()), f.body.size()});
        }
        std::size_t first = 0;
        while (first < parts.size()) {
            msghdr msg{};
            msg.msg_iov = parts.data() + first;
            msg.msg_iovlen = std::min<std::size_t>(parts.size() - first, IOV_MAX);
            const ssize_t n = ::sendmsg(socket.native_handle(), &msg, MSG_NOSIGNAL | MSG_DONTWAIT);
            if (n < 0) {
                if (errno == EAGAIN || errno == EWOULDBLOCK)
                    waitFor(POLLOUT, until);
                else if (errno != EINTR)
                    throw TransportFailure{reasonOf(asio::error_code(errno, asio::system_category()))};
                continue;
            }
            for (auto left = static_cast<std::size_t>(n); left > 0;) { // skip what went out
                const std::size_t step = std::min(left, parts[first].iov_len);
                parts[first].iov_base = static_cast<char*>(parts[first].iov_base) + step;
                parts[first].iov_len -= step;
                left -= step;
                if (parts[first].iov_len == 0)
                    ++first;
            }
        }
    }

    std::string_view receiveMessage(const std::optional<Clock::time_point>& until) {
        std::optional<std::string_view> body;
        while (!(body = reader.take())) {
            const auto room = reader.prepare();
            const ssize_t n = ::recv(socket.native_handle(), room.data(), room.size(), MSG_DONTWAIT);
            if (n > 0) {
                reader.commit(static_cast<std::size_t>(n));
            } else if (n == 0) {
                throw TransportFailure{reasonOf(asio::error::eof)};
            } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
                waitFor(POLLIN, until);
            } else if (errno != EINTR) {
                throw TransportFailure{reasonOf(asio::error_code(errno, asio::system_category()))};
            }
        }
        return *body;
    }

    // The answer of call `expectedId`. Progress messages before it go to `progress` (a call that asked
    // for them), and each moves the deadline: the time limit counts from the last message received.
    RpcResponse receive(std::uint32_t expectedId, std::optional<Clock::time_point> until,
                        const ProgressCallback* progress = nullptr) {
        reader.clear();
        waitFor(POLLIN, until); // the answer is never there the moment the request has gone
        for (;;) {
            auto message = decodeServerMessage(receiveMessage(until), DecodeLimits{kClientMaxDepth});
            if (auto* response = std::get_if<RpcResponse>(&message)) {
                reader.releaseIfLarge();
                if (response->id != expectedId)
                    throw DecodeError("resposta para a chamada " + std::to_string(response->id) +
                                      " quando se esperava " + std::to_string(expectedId));
                return std::move(*response);
            }
            const RpcProgress& p = std::get<RpcProgress>(message);
            if (!progress || p.id != expectedId)
                throw DecodeError("progresso não pedido para a chamada " + std::to_string(p.id));
            if (until)
                until = deadline();
            (*progress)(p.done, p.total);
        }
    }

    // The server may have closed an idle connection since the last call; that shows as end of stream
    // (or stray bytes) waiting on the socket.
    bool stale() {
        char c = 0;
        const ssize_t n = ::recv(socket.native_handle(), &c, 1, MSG_PEEK | MSG_DONTWAIT);
        return !(n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK));
    }
};

TNetConnection::TNetConnection() : impl_(std::make_unique<Impl>()) {}
TNetConnection::~TNetConnection() {
    Close();
}

void TNetConnection::Open() {
    Close();
    std::vector<ServerAddress> order{{Host, Port}};
    order.insert(order.end(), Fallbacks.begin(), Fallbacks.end());
    std::string reasons;
    for (std::size_t i = 0; i < order.size(); ++i) {
        std::string reason;
        if (openOne(order[i], reason)) {
            if (i > 0) { // the servers passed over are tried last next time
                log::warn("application server moved to " + order[i].text() + " for " + ServerName + ": " +
                          reasons);
                Host = order[i].host;
                Port = order[i].port;
                Fallbacks.assign(order.begin() + static_cast<std::ptrdiff_t>(i) + 1, order.end());
                Fallbacks.insert(Fallbacks.end(), order.begin(),
                                 order.begin() + static_cast<std::ptrdiff_t>(i));
            }
            return;
        }
        reasons += (reasons.empty() ? "" : "; ") + reason;
    }
    if (order.size() == 1)
        throw ConnectionError(reasons);
    throw ConnectionError("Nenhum servidor de aplicação atendeu: " + reasons);
}

bool TNetConnection::openOne(const ServerAddress& server, std::string& failure) {
    const std::string where = server.host + ":" + std::to_string(server.port);
    if (server.host.empty() || server.port <= 0 || server.port > 65535)
        throw ConnectionError("Endereço do servidor de aplicação inválido: " + where + ".");
    auto& d = *impl_;
    const auto until = d.deadline();
    std::optional<RpcResponse> refused;
    try {
        d.connect(server.host, server.port, until);
        if (!d.secret.empty() || !d.operatorCode.empty() || d.erpModule != 0) {
            d.send(encodeHello(RpcHello{d.secret, d.operatorCode, d.erpModule}), until);
            auto answer = d.receive(0, until);
            if (answer.status != RpcStatus::Ok)
                refused = std::move(answer);
        }
    } catch (const TransportFailure& f) {
        Close();
        failure = "Não foi possível conectar ao servidor " + where + ": " + f.reason + ".";
        return false;
    } catch (const Error& e) { // undecodable answer
        Close();
        failure = "Resposta inválida do servidor " + where + ": " + e.what();
        return false;
    }
    if (refused) { // a wrong secret is a configuration fault, not a server that is down
        Close();
        throw ConnectionError("O servidor " + where + " recusou a conexão: " + refused->result.toString());
    }
    d.openHost = server.host;
    d.openPort = server.port;
    return true;
}

void TNetConnection::Close() {
    asio::error_code ignored;
    impl_->socket.shutdown(tcp::socket::shutdown_both, ignored);
    impl_->socket.close(ignored);
}

bool TNetConnection::Connected() const {
    return impl_->socket.is_open();
}

void TNetConnection::SetTimeout(int ms) {
    impl_->timeout = std::chrono::milliseconds(ms < 0 ? 0 : ms);
}
int TNetConnection::Timeout() const {
    return static_cast<int>(impl_->timeout.count());
}
void TNetConnection::SetSecret(std::string secret) {
    if (secret != impl_->secret)
        Close();
    impl_->secret = std::move(secret);
}

void TNetConnection::SetOperator(std::string operatorCode) {
    if (operatorCode != impl_->operatorCode)
        Close();
    impl_->operatorCode = std::move(operatorCode);
}

void TNetConnection::SetErpModule(std::int64_t erpModule) {
    if (erpModule != impl_->erpModule)
        Close();
    impl_->erpModule = erpModule;
}

std::int64_t TNetConnection::ErpModule() const {
    return impl_->erpModule;
}

const std::string& TNetConnection::Secret() const {
    return impl_->secret;
}

const std::string& TNetConnection::Operator() const {
    return impl_->operatorCode;
}

void TNetConnection::setCallObserver(CallObserver observer) {
    std::lock_guard lock(g_observerMutex);
    g_observer = std::move(observer);
}

Variant TNetConnection::Call(std::string_view method, std::initializer_list<Variant> args) {
    VariantArray copy(args);
    return Call(method, copy);
}

Variant TNetConnection::Call(std::string_view method, VariantArray& args) {
    return Call(method, args, ProgressCallback{});
}

Variant TNetConnection::Call(std::string_view method, VariantArray& args, const ProgressCallback& progress) {
    auto& d = *impl_;
    if (ServerName.empty())
        throw Error("Conexão sem módulo do servidor (ServerName) definido.");
    if (OnCall)
        OnCall(ServerName, method, args);
    CallObserver global;
    {
        std::lock_guard lock(g_observerMutex);
        global = g_observer;
    }
    if (global)
        global(ServerName, method, args);

    if (BeforeCall)
        BeforeCall(*this);
    if (!Connected() || d.openHost != Host || d.openPort != Port || d.stale())
        Open();

    d.lastId = d.lastId == UINT32_MAX ? 1 : d.lastId + 1;
    const auto payload = encodeRequest(
        RpcRequest{d.lastId, ServerName, std::string(method), args, static_cast<bool>(progress)});
    if (payload.size() > kMaxMessageSize)
        throw Error("Os argumentos de " + std::string(method) + " excedem o tamanho máximo de mensagem.");

    const std::string where = Host + ":" + std::to_string(Port);
    RpcResponse response;
    try {
        const auto until = d.deadline();
        d.send(payload, until);
        response = d.receive(d.lastId, until, progress ? &progress : nullptr);
        if (response.status == RpcStatus::Ok && response.byref.size() != args.size())
            throw DecodeError("resposta com " + std::to_string(response.byref.size()) + " argumentos para " +
                              std::to_string(args.size()));
    } catch (const TransportFailure& f) {
        Close();
        throw ConnectionError("Falha na comunicação com o servidor " + where + " ao chamar " +
                              std::string(method) + ": " + f.reason + ".");
    } catch (const Error& e) { // undecodable answer
        Close();
        throw ConnectionError("Resposta inválida do servidor " + where + " ao chamar " + std::string(method) +
                              ": " + e.what());
    } catch (...) { // the progress callback failed: the answer still on its way is of no use
        Close();
        throw;
    }

    if (response.status != RpcStatus::Ok)
        return ServerError{response.result.asString()};
    args = std::move(response.byref);
    return std::move(response.result);
}

} // namespace vq::net

#include "platform/net/server_session.h"

#include "platform/data/error.h"
#include "platform/data/log.h"
#include "platform/net/frame_buffers.h"

#include <cerrno>
#include <poll.h>
#include <sys/socket.h>

namespace vq::net::detail {

namespace {

constexpr std::size_t kKeepBufferBytes = 1u << 20; // larger answers are released once sent

std::string peerName(const asio::ip::tcp::socket& socket) {
    asio::error_code ec;
    const auto ep = socket.remote_endpoint(ec);
    if (ec)
        return "?";
    return ep.address().to_string() + ":" + std::to_string(ep.port());
}

void releaseIfLarge(std::string& buffer) {
    if (buffer.capacity() > kKeepBufferBytes)
        std::string().swap(buffer);
    else
        buffer.clear();
}

} // namespace

Session::Session(asio::ip::tcp::socket socket, const SessionConfig& config, std::uint64_t id,
                 std::function<void(std::uint64_t)> onEnded)
    : socket_(std::move(socket)), timer_(socket_.get_executor()), config_(config), id_(id),
      peer_(peerName(socket_)), onEnded_(std::move(onEnded)),
      handler_(config.registry, config.handler, id, peer_,
               [this](std::string_view payload) { writeProgress(payload); }),
      reader_(config.maxFrameSize, config.maxRequestSize) {}

Session::~Session() {
    if (onEnded_)
        onEnded_(id_);
}

void Session::start() {
    asio::error_code ignored;
    socket_.set_option(asio::ip::tcp::no_delay(true), ignored); // answers go out at once
    socket_.non_blocking(true, ignored);                        // see send()
    asio::dispatch(socket_.get_executor(), [self = shared_from_this()] { self->readRequest(); });
}

void Session::shutdown() {
    asio::dispatch(socket_.get_executor(), [self = shared_from_this()] {
        self->stopping_ = true;
        if (!self->busy_)
            self->close();
    });
}

void Session::forceClose() {
    asio::dispatch(socket_.get_executor(), [self = shared_from_this()] { self->close(); });
}

void Session::readRequest() {
    if (stopping_ || closed_) {
        close();
        return;
    }
    std::optional<std::string_view> message;
    try {
        message = reader_.take();
    } catch (const DecodeError& e) {
        log::warn("rpc frame refused peer=" + peer_ + " reason=\"" + e.what() + "\"");
        close();
        return;
    }
    if (message) {
        handle(*message);
        return;
    }
    armTimer("idle");
    // Waiting for readiness and then reading spares the read attempt that would find nothing yet.
    socket_.async_wait(asio::ip::tcp::socket::wait_read,
                       [self = shared_from_this()](const asio::error_code& ec) { self->readAvailable(ec); });
}

void Session::readAvailable(asio::error_code ec) {
    if (ec || closed_) {
        close();
        return;
    }
    const auto room = reader_.prepare();
    const std::size_t n = socket_.read_some(asio::buffer(room.data(), room.size()), ec);
    if (ec == asio::error::would_block || ec == asio::error::try_again) {
        readRequest();
        return;
    }
    if (ec) {
        close();
        return;
    }
    reader_.commit(n);
    readRequest();
}

void Session::handle(std::string_view message) {
    disarmTimer();
    busy_ = true;
    FrameReply reply;
    try {
        reply = handler_.handleFrame(message);
    } catch (const std::exception& e) { // only resource exhaustion gets here
        log::error("rpc frame handling failed peer=" + peer_ + " reason=\"" + e.what() + "\"");
        reply = {std::nullopt, true};
    }
    if (!reply.payload) {
        close();
        return;
    }
    send(std::move(*reply.payload), reply.close);
}

void Session::send(std::string payload, bool closeAfter) {
    out_ = std::move(payload);
    outFrames_ = splitIntoFrames(out_);
    auto buffers = frameBuffers(outFrames_);
    // Most answers fit the socket's send buffer: written at once, they skip a trip through the event
    // loop, and so a hand-over between pool threads.
    asio::error_code ec;
    const std::size_t sent = socket_.write_some(buffers, ec);
    if (ec == asio::error::would_block || ec == asio::error::try_again)
        ec.clear();
    if (ec || sent == asio::buffer_size(buffers)) {
        afterSend(ec, closeAfter);
        return;
    }
    dropFront(buffers, sent);
    armTimer("write");
    asio::async_write(socket_, buffers,
                      [self = shared_from_this(), closeAfter](const asio::error_code& e, std::size_t) {
                          self->afterSend(e, closeAfter);
                      });
}

void Session::afterSend(const asio::error_code& ec, bool closeAfter) {
    disarmTimer();
    busy_ = false;
    outFrames_.clear();
    releaseIfLarge(out_);
    reader_.releaseIfLarge();
    if (ec || closeAfter || stopping_)
        close();
    else
        readRequest();
}

// The deadline moves with every step, but the timer is only re-armed when it fires: setting a timer on
// every call would cost system calls on the hot path.
void Session::armTimer(const char* what) {
    deadline_ = std::chrono::steady_clock::now() + config_.idleTimeout;
    timerWhat_ = what;
    if (!timerPending_)
        waitTimer(deadline_);
}

void Session::disarmTimer() {
    deadline_ = std::chrono::steady_clock::time_point::max();
}

void Session::waitTimer(std::chrono::steady_clock::time_point when) {
    timerPending_ = true;
    timer_.expires_at(when);
    timer_.async_wait([self = shared_from_this()](const asio::error_code& ec) {
        self->timerPending_ = false;
        if (ec || self->closed_)
            return;
        const auto now = std::chrono::steady_clock::now();
        if (self->deadline_ == std::chrono::steady_clock::time_point::max()) {
            self->waitTimer(now + self->config_.idleTimeout); // a call is running: look again later
        } else if (now < self->deadline_) {
            self->waitTimer(self->deadline_);
        } else {
            log::info("rpc connection closed peer=" + self->peer_ + " reason=\"" + self->timerWhat_ +
                      " timeout\"");
            self->close();
        }
    });
}

// The call runs on this session's strand, so nothing else writes meanwhile. A client that has gone shows
// as end of stream (it sends nothing while it waits) or as a failed write; either abandons the call.
void Session::writeProgress(std::string_view payload) {
    const int fd = socket_.native_handle();
    char c = 0;
    const ssize_t peeked = ::recv(fd, &c, 1, MSG_PEEK | MSG_DONTWAIT);
    if (peeked == 0 || (peeked < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR))
        throw ProgressLost("cliente desconectado durante a chamada");
    const auto frames = splitIntoFrames(payload);
    for (const FrameSlice& f : frames)
        for (std::string_view part : {std::string_view(f.header.data(), f.header.size()), f.body}) {
            while (!part.empty()) {
                const ssize_t n = ::send(fd, part.data(), part.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
                if (n > 0) {
                    part.remove_prefix(static_cast<std::size_t>(n));
                    continue;
                }
                if (n < 0 && errno == EINTR)
                    continue;
                if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
                    pollfd p{fd, POLLOUT, 0};
                    const auto ms = static_cast<int>(config_.idleTimeout.count());
                    if (::poll(&p, 1, ms) > 0)
                        continue;
                }
                throw ProgressLost("cliente não recebe o progresso da chamada");
            }
        }
}

void Session::close() {
    if (closed_)
        return;
    closed_ = true;
    timer_.cancel();
    asio::error_code ignored;
    socket_.shutdown(asio::ip::tcp::socket::shutdown_both, ignored);
    socket_.close(ignored);
}

} // namespace vq::net::detail

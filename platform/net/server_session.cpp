#include "platform/net/server_session.h"

#include "platform/data/error.h"
#include "platform/data/log.h"
#include "platform/net/frame_buffers.h"

namespace vq::net::detail {

namespace {

constexpr std::size_t kKeepBufferBytes = 1u << 20; // larger buffers are released after each frame

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
      handler_(config.registry, config.handler, id, peer_) {}

Session::~Session() {
    if (onEnded_)
        onEnded_(id_);
}

void Session::start() {
    asio::dispatch(socket_.get_executor(), [self = shared_from_this()] { self->readHeader(); });
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

void Session::readHeader() {
    if (stopping_ || closed_) {
        close();
        return;
    }
    armTimer("idle");
    asio::async_read(
        socket_, asio::buffer(header_),
        [self = shared_from_this()](const asio::error_code& ec, std::size_t) { self->onHeader(ec); });
}

void Session::onHeader(const asio::error_code& ec) {
    if (ec || closed_) {
        close();
        return;
    }
    FrameInfo frame;
    try {
        frame = acceptFrame(header_, body_.size(), config_.maxFrameSize, config_.maxRequestSize);
    } catch (const DecodeError& e) {
        log::warn("rpc frame refused peer=" + peer_ + " reason=\"" + e.what() + "\"");
        close();
        return;
    }
    continued_ = frame.continued;
    // The buffer grows as bytes arrive, so an announced size alone reserves nothing.
    asio::async_read(
        socket_, asio::dynamic_buffer(body_), asio::transfer_exactly(frame.length),
        [self = shared_from_this()](const asio::error_code& e, std::size_t) { self->onBody(e); });
}

void Session::onBody(const asio::error_code& ec) {
    if (ec || closed_) {
        close();
        return;
    }
    if (continued_) {
        readHeader();
        return;
    }
    disarmTimer();
    busy_ = true;
    FrameReply reply;
    try {
        reply = handler_.handleFrame(body_);
    } catch (const std::exception& e) { // only resource exhaustion gets here
        log::error("rpc frame handling failed peer=" + peer_ + " reason=\"" + e.what() + "\"");
        reply = {std::nullopt, true};
    }
    releaseIfLarge(body_);
    if (!reply.payload) {
        close();
        return;
    }
    send(std::move(*reply.payload), reply.close);
}

void Session::send(std::string payload, bool closeAfter) {
    out_ = std::move(payload);
    outFrames_ = splitIntoFrames(out_);
    armTimer("write");
    asio::async_write(socket_, frameBuffers(outFrames_),
                      [self = shared_from_this(), closeAfter](const asio::error_code& ec, std::size_t) {
                          self->disarmTimer();
                          self->busy_ = false;
                          self->outFrames_.clear();
                          releaseIfLarge(self->out_);
                          if (ec || closeAfter || self->stopping_)
                              self->close();
                          else
                              self->readHeader();
                      });
}

void Session::armTimer(const char* what) {
    const auto generation = ++timerGeneration_;
    timer_.expires_after(config_.idleTimeout);
    timer_.async_wait([self = shared_from_this(), generation, what](const asio::error_code& ec) {
        if (ec || generation != self->timerGeneration_ || self->closed_)
            return;
        log::info("rpc connection closed peer=" + self->peer_ + " reason=\"" + what + " timeout\"");
        self->close();
    });
}

void Session::disarmTimer() {
    ++timerGeneration_;
    timer_.cancel();
}

void Session::close() {
    if (closed_)
        return;
    closed_ = true;
    ++timerGeneration_;
    timer_.cancel();
    asio::error_code ignored;
    socket_.shutdown(asio::ip::tcp::socket::shutdown_both, ignored);
    socket_.close(ignored);
}

} // namespace vq::net::detail

#pragma once
// One accepted connection of RpcServer (internal to platform/net).

#include "platform/net/frame_reader.h"
#include "platform/net/framing.h"
#include "platform/net/request_handler.h"

#include <asio.hpp>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vq::net::detail {

struct SessionConfig {
    const MethodRegistry& registry;
    HandlerOptions handler;
    std::size_t maxFrameSize;
    std::size_t maxRequestSize; // a request split over several frames, in all
    std::chrono::milliseconds idleTimeout;
};

// Reads a request (one or more frames), answers it, reads the next. Every step runs on the socket's strand;
// the session lives as long as an operation holds it and reports its end through `onEnded`.
class Session : public std::enable_shared_from_this<Session> {
public:
    Session(asio::ip::tcp::socket socket, const SessionConfig& config, std::uint64_t id,
            std::function<void(std::uint64_t)> onEnded);
    ~Session();

    void start();
    void shutdown();   // close when idle, or right after the reply in progress
    void forceClose(); // close as soon as the strand is free

private:
    void readRequest();
    void readAvailable(asio::error_code ec);
    void handle(std::string_view message);
    void send(std::string payload, bool closeAfter);
    void afterSend(const asio::error_code& ec, bool closeAfter);
    void armTimer(const char* what);
    void disarmTimer();
    void waitTimer(std::chrono::steady_clock::time_point when);
    void close();
    void writeProgress(std::string_view payload); // at once, from inside the running call

    asio::ip::tcp::socket socket_;
    asio::steady_timer timer_;
    const SessionConfig& config_;
    std::uint64_t id_;
    std::string peer_;
    std::function<void(std::uint64_t)> onEnded_;
    RequestHandler handler_;
    FrameReader reader_;
    std::string out_;
    std::vector<FrameSlice> outFrames_;
    std::chrono::steady_clock::time_point deadline_ = std::chrono::steady_clock::time_point::max();
    const char* timerWhat_ = "idle";
    bool timerPending_ = false;
    bool busy_ = false;
    bool stopping_ = false;
    bool closed_ = false;
};

} // namespace vq::net::detail

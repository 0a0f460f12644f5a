#include "net_test_support.h"

#include "platform/data/error.h"
#include "platform/net/framing.h"

#include <arpa/inet.h>
#include <chrono>
#include <netinet/in.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace vq::net::test {

void addTestMethods(MethodRegistry& r) {
    r.add(kModule, "Echo", {ArgKind::Any}, [](CallContext&, VariantArray& a) { return a[0]; });
    r.add(kModule, "WhoAmI", {}, [](CallContext& c, VariantArray&) {
        return Variant(std::string(c.operatorCode) + "@" + std::to_string(c.erpModule));
    });
    r.add(kModule, "Inc", {byRef(ArgKind::Int), ArgKind::String}, [](CallContext&, VariantArray& a) {
        a[0] = a[0].toInt() + 1;
        a[1] = "mudado no servidor";
        return Variant("ok");
    });
    r.add(kModule, "Fail", {},
          [](CallContext&, VariantArray&) -> Variant { throw Error("Cliente já cadastrado."); });
    r.add(kModule, "Crash", {}, [](CallContext&, VariantArray&) -> Variant {
        throw std::runtime_error("vector::at out of range");
    });
    r.add(kModule, "Sleep", {ArgKind::Int}, [](CallContext&, VariantArray& a) {
        std::this_thread::sleep_for(std::chrono::milliseconds(a[0].toInt()));
        return Variant(true);
    });
    r.add(kModule, "Fill", {ArgKind::Int}, [](CallContext&, VariantArray& a) {
        return Variant(std::string(static_cast<std::size_t>(a[0].toInt()), 'x'));
    });
    r.add(kModule, "Add", {ArgKind::Int, ArgKind::Int},
          [](CallContext&, VariantArray& a) { return Variant(a[0].toInt() + a[1].toInt()); });
}

TestServer::TestServer(ServerOptions options, void (*extra)(MethodRegistry&)) {
    addTestMethods(registry_);
    if (extra)
        extra(registry_);
    server_ = std::make_unique<RpcServer>(registry_, std::move(options));
    server_->start();
}

TestServer::~TestServer() {
    server_->stop();
}

std::unique_ptr<TNetConnection> TestServer::connect(int timeoutMs) const {
    auto c = std::make_unique<TNetConnection>();
    c->ServerName = kModule;
    c->Host = "127.0.0.1";
    c->Port = server_->port();
    c->SetTimeout(timeoutMs);
    return c;
}

LogCapture::LogCapture() : previous_(log::level()) {
    log::setLevel(log::Level::Info);
    log::setSink([this](log::Level, std::string_view line) {
        std::lock_guard lock(mutex_);
        lines_.emplace_back(line);
    });
}

LogCapture::~LogCapture() {
    log::setSink({});
    log::setLevel(previous_);
}

std::vector<std::string> LogCapture::lines() const {
    std::lock_guard lock(mutex_);
    return lines_;
}

bool LogCapture::contains(std::string_view text) const {
    for (const auto& l : lines())
        if (l.find(text) != std::string::npos)
            return true;
    return false;
}

RawClient::RawClient(std::uint16_t port) {
    fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(port);
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (fd_ < 0 || ::connect(fd_, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0)
        throw std::runtime_error("raw connect failed");
}

RawClient::~RawClient() {
    if (fd_ >= 0)
        ::close(fd_);
}

bool RawClient::send(std::string_view bytes) {
    while (!bytes.empty()) {
        const auto n = ::send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (n <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

void RawClient::sendFrame(std::string_view payload) {
    send(makeFrame(payload));
}

void RawClient::shutdownWrite() {
    ::shutdown(fd_, SHUT_WR);
}

bool RawClient::readExact(char* out, std::size_t n, int waitMs) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    while (n > 0) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(until - std::chrono::steady_clock::now())
                .count();
        pollfd p{fd_, POLLIN, 0};
        if (left <= 0 || ::poll(&p, 1, static_cast<int>(left)) <= 0)
            return false;
        const auto got = ::recv(fd_, out, n, 0);
        if (got <= 0)
            return false;
        out += got;
        n -= static_cast<std::size_t>(got);
    }
    return true;
}

std::optional<std::string> RawClient::readFrame(int waitMs) {
    FrameHeader header{};
    if (!readExact(header.data(), header.size(), waitMs))
        return std::nullopt;
    std::string body(decodeFrameHeader(header), '\0');
    if (!readExact(body.data(), body.size(), waitMs))
        return std::nullopt;
    return body;
}

bool RawClient::closedByPeer(int waitMs) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    char buf[4096];
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(until - std::chrono::steady_clock::now())
                .count();
        pollfd p{fd_, POLLIN, 0};
        if (left <= 0 || ::poll(&p, 1, static_cast<int>(left)) <= 0)
            return false;
        const auto got = ::recv(fd_, buf, sizeof buf, 0);
        if (got <= 0)
            return true;
    }
}

} // namespace vq::net::test

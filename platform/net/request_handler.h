#pragma once
// What a server does with one frame from one connection: decode, authenticate, dispatch, answer.
// Free of sockets, so tests and the fuzzer drive it directly.

#include "platform/net/method_registry.h"
#include "platform/net/rpc_message.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vq::net {

struct HandlerOptions {
    int maxDepth = 32;  // nesting of each argument
    std::string secret; // empty: no hello needed
    // Longest operator code a hello may name, in characters (the width the server stores); 0: no limit.
    std::size_t maxOperatorLength = 0;
};

struct FrameReply {
    std::optional<std::string> payload; // the response to send, without frame header
    bool close = false;                 // close the connection after sending it (or at once)
};

// Sends one progress message to the client at once; throws ProgressLost when the client is gone.
using ProgressWriter = std::function<void(std::string_view payload)>;

struct ProgressLost : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// One per connection; holds whether the connection has presented the secret, and the operator it named.
class RequestHandler {
public:
    // Without a writer no progress is ever sent, whatever a request asks.
    RequestHandler(const MethodRegistry& registry, const HandlerOptions& options, std::uint64_t connectionId,
                   std::string peer, ProgressWriter progressWriter = {});

    FrameReply handleFrame(std::string_view payload);

private:
    FrameReply onHello(const RpcHello& hello);
    FrameReply onRequest(RpcRequest& request);
    RpcResponse dispatch(RpcRequest& request);
    std::string encodeBounded(const RpcResponse& response, std::string_view module, std::string_view method);

    const MethodRegistry& registry_;
    const HandlerOptions& options_;
    std::uint64_t connectionId_;
    std::string peer_;
    ProgressWriter progressWriter_;
    bool authenticated_;
    std::string operatorCode_;
    std::int64_t erpModule_ = 0;
};

// Compares without leaking through timing where the first difference lies.
bool secretsEqual(std::string_view a, std::string_view b);

} // namespace vq::net

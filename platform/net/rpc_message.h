#pragma once
// The messages inside frames. A client sends [0, secret], [0, secret, operator] or [0, secret, operator,
// module] (hello: first, and only where a secret is required or an operator or module is named) and
// [1, id, module, method, args]; the server answers [2, id, status, result, byref]. Decoding checks every
// type, length and range and throws DecodeError on anything else.

#include "platform/data/variant.h"
#include "platform/data/variant_codec.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace vq::net {

enum class MessageKind : std::int64_t { Hello = 0, Request = 1, Response = 2, Progress = 3 };
enum class RpcStatus : std::int64_t { Ok = 0, Failed = 1 };

inline constexpr std::size_t kMaxNameLength = 256;    // module and method names, in bytes
inline constexpr std::size_t kMaxSecretLength = 1024; // bytes

struct RpcHello {
    std::string secret;
    // Who works through this connection, and in which ERP module (16, 63...), for the server's history
    // of changes; empty and 0 when not named, and the hello then keeps its shorter bytes.
    std::string operatorCode;
    std::int64_t erpModule = 0;
};

inline constexpr std::int64_t kMaxErpModule = 999999;

struct RpcRequest {
    std::uint32_t id = 0;
    std::string module;
    std::string method;
    VariantArray args;
    // Sent as a sixth element `true` only when set, so a call without it keeps the five-element bytes.
    bool wantsProgress = false;
};

// [3, id, done, total]: how far a call that asked for progress is, sent before its response.
struct RpcProgress {
    std::uint32_t id = 0;
    std::int64_t done = 0;
    std::int64_t total = 0;
};

struct RpcResponse {
    std::uint32_t id = 0;
    RpcStatus status = RpcStatus::Ok;
    Variant result;     // Ok: the method's value; Failed: the message text
    VariantArray byref; // Ok: every argument after the call; Failed: empty
};

std::string encodeHello(const RpcHello& hello);
std::string encodeRequest(const RpcRequest& request);
std::string encodeResponse(const RpcResponse& response);
std::string encodeProgress(const RpcProgress& progress);

// Invalid UTF-8 in the message becomes U+FFFD, so that the answer always decodes.
RpcResponse failureResponse(std::uint32_t id, std::string message);

// What a server accepts from a client.
using ClientMessage = std::variant<RpcHello, RpcRequest>;
ClientMessage decodeClientMessage(std::string_view payload, const DecodeLimits& limits = {});
RpcRequest decodeRequest(std::string_view payload, const DecodeLimits& limits = {});
RpcResponse decodeResponse(std::string_view payload, const DecodeLimits& limits = {});
// What a client accepts from a server: a response, or the progress of the call it waits for.
using ServerMessage = std::variant<RpcResponse, RpcProgress>;
ServerMessage decodeServerMessage(std::string_view payload, const DecodeLimits& limits = {});

// The id of a request whose later parts are malformed, so that the failure can still be answered;
// empty when even the head [1, id, ...] is unreadable.
std::optional<std::uint32_t> recoverRequestId(std::string_view payload);

} // namespace vq::net

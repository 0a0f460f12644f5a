// Bytes as they would arrive on one server connection: split into frames exactly as a session does and
// handed to the request handler. Every answer the server produces must itself be a valid response.
#include "platform/data/error.h"
#include "platform/data/log.h"
#include "platform/net/framing.h"
#include "platform/net/request_handler.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <variant>

using namespace vq;
using namespace vq::net;

namespace {

const MethodRegistry& registry() {
    static const MethodRegistry r = [] {
        MethodRegistry m;
        m.add("Fuzz.rdm", "Echo", {ArgKind::Any}, [](CallContext&, VariantArray& a) { return a[0]; });
        m.add("Fuzz.rdm", "Inc", {byRef(ArgKind::Int), ArgKind::String}, [](CallContext&, VariantArray& a) {
            a[0] = a[0].toInt() / 2 + 1;
            a[1] = "x";
            return Variant(true);
        });
        m.add("Fuzz.rdm", "Confirmar", {ArgKind::Delta, ArgKind::String}, [](CallContext&, VariantArray& a) {
            return Variant(static_cast<std::int64_t>(a[0].asDelta().rowCount()));
        });
        m.add("Fuzz.rdm", "Fail", {}, [](CallContext&, VariantArray&) -> Variant { throw Error("falhou"); });
        m.add("Fuzz.rdm", "Steps", {ArgKind::Int}, [](CallContext& ctx, VariantArray& a) {
            const std::int64_t n = std::clamp<std::int64_t>(a[0].toInt(), 0, 4);
            for (std::int64_t i = 1; i <= n; ++i)
                reportProgress(ctx, i, n);
            return Variant(n);
        });
        return m;
    }();
    return r;
}

void serve(std::string_view input, const HandlerOptions& options) {
    // Every progress message the server writes must decode as one, as the client reads it.
    RequestHandler handler(registry(), options, 1, "fuzz", [](std::string_view payload) {
        if (!std::holds_alternative<RpcProgress>(decodeServerMessage(payload, DecodeLimits{64})))
            __builtin_trap();
    });
    std::string message;
    while (input.size() >= kFrameHeaderSize) {
        FrameHeader header{};
        std::memcpy(header.data(), input.data(), header.size());
        input.remove_prefix(header.size());
        FrameInfo frame;
        try {
            frame = acceptFrame(header, message.size(), 1u << 20, 1u << 21);
        } catch (const DecodeError&) {
            return; // the session closes
        }
        if (frame.length > input.size())
            return; // truncated: the session waits, then closes
        message.append(input.substr(0, frame.length));
        input.remove_prefix(frame.length);
        if (frame.continued)
            continue;
        try { // the client's reading of whatever a server might send
            (void)decodeServerMessage(message, DecodeLimits{64});
        } catch (const Error&) {
        }
        const auto reply = handler.handleFrame(message);
        message.clear();
        if (reply.payload)
            (void)decodeResponse(*reply.payload, DecodeLimits{64}); // throws, and so crashes, if ill-formed
        if (reply.close)
            return;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool quiet = [] {
        log::setLevel(log::Level::Off);
        return true;
    }();
    (void)quiet;
    static const HandlerOptions open{8, ""};
    static const HandlerOptions guarded{8, "segredo"};
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    serve(input, open);
    serve(input, guarded);
    return 0;
}

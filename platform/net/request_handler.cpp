#include "platform/net/request_handler.h"

#include "platform/data/error.h"
#include "platform/data/log.h"
#include "platform/data/utf8.h"
#include "platform/net/framing.h"
#include "platform/net/progress_throttle.h"

#include <memory>
#include <variant>

namespace vq::net {

namespace {

std::string callFailureLine(std::string_view module, std::string_view method, std::string_view peer,
                            std::string_view reason) {
    return "rpc call failed module=" + std::string(module) + " method=" + std::string(method) +
           " peer=" + std::string(peer) + " reason=\"" + std::string(reason) + "\"";
}

} // namespace

bool secretsEqual(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    unsigned diff = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        diff |= static_cast<unsigned>(static_cast<unsigned char>(a[i]) ^ static_cast<unsigned char>(b[i]));
    return diff == 0;
}

RequestHandler::RequestHandler(const MethodRegistry& registry, const HandlerOptions& options,
                               std::uint64_t connectionId, std::string peer, ProgressWriter progressWriter)
    : registry_(registry), options_(options), connectionId_(connectionId), peer_(std::move(peer)),
      progressWriter_(std::move(progressWriter)), authenticated_(options.secret.empty()) {}

FrameReply RequestHandler::handleFrame(std::string_view payload) {
    ClientMessage message;
    try {
        message = decodeClientMessage(payload, DecodeLimits{options_.maxDepth});
    } catch (const Error& e) { // DecodeError, or a packet whose rows do not fit its fields
        const auto id = recoverRequestId(payload);
        log::warn("rpc malformed frame peer=" + peer_ + " bytes=" + std::to_string(payload.size()) +
                  (id ? " id=" + std::to_string(*id) : std::string(" id=none")) + " reason=\"" + e.what() +
                  "\"");
        if (!id)
            return {std::nullopt, true};
        const bool close = !authenticated_;
        return {encodeResponse(failureResponse(*id, std::string("Mensagem mal formada: ") + e.what())),
                close};
    }
    if (auto* hello = std::get_if<RpcHello>(&message))
        return onHello(*hello);
    return onRequest(std::get<RpcRequest>(message));
}

FrameReply RequestHandler::onHello(const RpcHello& hello) {
    if (!options_.secret.empty() && !secretsEqual(hello.secret, options_.secret)) {
        authenticated_ = false;
        log::warn("rpc hello refused peer=" + peer_ + " reason=\"wrong secret\"");
        return {encodeResponse(failureResponse(0, "Segredo compartilhado inválido.")), true};
    }
    if (options_.maxOperatorLength > 0 && utf8Length(hello.operatorCode) > options_.maxOperatorLength) {
        authenticated_ = false;
        log::warn("rpc hello refused peer=" + peer_ + " reason=\"operator code too long\"");
        return {encodeResponse(failureResponse(0, "Código de operador com mais de " +
                                                      std::to_string(options_.maxOperatorLength) +
                                                      " caracteres: " + hello.operatorCode + ".")),
                true};
    }
    authenticated_ = true;
    operatorCode_ = hello.operatorCode;
    erpModule_ = hello.erpModule;
    return {encodeResponse(RpcResponse{0, RpcStatus::Ok, {}, {}}), false};
}

FrameReply RequestHandler::onRequest(RpcRequest& request) {
    if (!authenticated_) {
        log::warn(callFailureLine(request.module, request.method, peer_, "connection not authenticated"));
        return {encodeResponse(failureResponse(
                    request.id, "Conexão não autenticada: o servidor exige o segredo compartilhado.")),
                true};
    }
    const RpcResponse response = dispatch(request);
    return {encodeBounded(response, request.module, request.method), false};
}

RpcResponse RequestHandler::dispatch(RpcRequest& request) {
    CallContext ctx{request.module, request.method, request.id, connectionId_,
                    peer_,          operatorCode_,  erpModule_, {}};
    if (request.wantsProgress && progressWriter_) {
        auto throttle = std::make_shared<ProgressThrottle>();
        ctx.progress = [this, id = request.id, throttle](std::int64_t done, std::int64_t total) {
            if (throttle->due(done, total, ProgressThrottle::Clock::now()))
                progressWriter_(encodeProgress(RpcProgress{id, done, total}));
        };
    }
    try {
        Variant result = registry_.invoke(ctx, request.args);
        log::debug("rpc call module=" + request.module + " method=" + request.method + " peer=" + peer_);
        return {request.id, RpcStatus::Ok, std::move(result), std::move(request.args)};
    } catch (const Error& e) {
        log::warn(callFailureLine(request.module, request.method, peer_, e.what()));
        return failureResponse(request.id, e.what());
    } catch (const ProgressLost& e) { // the work was abandoned; the answer will find no one either
        log::warn(callFailureLine(request.module, request.method, peer_, e.what()));
        return failureResponse(request.id, e.what());
    } catch (const std::exception& e) {
        log::error(callFailureLine(request.module, request.method, peer_,
                                   std::string("unexpected exception: ") + e.what()));
    } catch (...) {
        log::error(callFailureLine(request.module, request.method, peer_, "unknown exception"));
    }
    return failureResponse(request.id, "Erro interno do servidor ao executar " + request.module + "." +
                                           request.method + ". Consulte o registro do servidor.");
}

std::string RequestHandler::encodeBounded(const RpcResponse& response, std::string_view module,
                                          std::string_view method) {
    std::string payload = encodeResponse(response);
    if (payload.size() <= kMaxMessageSize)
        return payload;
    log::warn(
        callFailureLine(module, method, peer_,
                        "response of " + std::to_string(payload.size()) + " bytes above the message limit"));
    return encodeResponse(failureResponse(response.id, "A resposta de " + std::string(module) + "." +
                                                           std::string(method) +
                                                           " excede o tamanho máximo de mensagem."));
}

} // namespace vq::net

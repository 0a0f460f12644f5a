#include "platform/net/rpc_message.h"

#include "platform/data/error.h"
#include "platform/data/utf8.h"
#include "platform/data/utf8_text.h"

#include <limits>

namespace vq::net {

namespace {

constexpr std::uint32_t kRequestLength = 5;
constexpr std::uint32_t kProgressRequestLength = 6;
constexpr std::uint32_t kProgressLength = 4;
constexpr std::uint32_t kResponseLength = 5;
constexpr std::uint32_t kHelloLength = 2;
constexpr std::uint32_t kHelloWithOperatorLength = 3;
constexpr std::uint32_t kHelloWithModuleLength = 4;

void writeHead(MsgWriter& w, std::uint32_t length, MessageKind kind) {
    w.arrayHeader(length);
    w.integer(static_cast<std::int64_t>(kind));
}

void writeArgs(MsgWriter& w, const VariantArray& args) {
    w.arrayHeader(static_cast<std::uint32_t>(args.size()));
    for (const auto& a : args)
        encodeVariant(w, a);
}

std::uint32_t readId(MsgReader& r) {
    if (r.peekType() != MsgType::Int)
        throw DecodeError("Identificador da chamada deve ser inteiro.");
    const auto id = r.readInt();
    if (id < 0 || id > std::numeric_limits<std::uint32_t>::max())
        throw DecodeError("Identificador da chamada fora da faixa: " + std::to_string(id) + ".");
    return static_cast<std::uint32_t>(id);
}

std::string readName(MsgReader& r, const char* what) {
    if (r.peekType() != MsgType::Str)
        throw DecodeError(std::string("Nome do ") + what + " deve ser texto.");
    const auto s = r.readStr();
    if (s.empty() || s.size() > kMaxNameLength || !isValidUtf8(s))
        throw DecodeError(std::string("Nome do ") + what + " inválido.");
    return std::string(s);
}

VariantArray readArgs(MsgReader& r, const DecodeLimits& limits) {
    if (r.peekType() != MsgType::Array)
        throw DecodeError("Argumentos devem ser uma lista.");
    const auto n = r.readArrayHeader();
    VariantArray args;
    args.reserve(n);
    for (std::uint32_t i = 0; i < n; ++i)
        args.push_back(decodeVariant(r, limits));
    return args;
}

MessageKind readKind(MsgReader& r, std::uint32_t length) {
    if (r.peekType() != MsgType::Int)
        throw DecodeError("Tipo de mensagem deve ser inteiro.");
    const auto kind = r.readInt();
    if (kind == 0 && length >= kHelloLength && length <= kHelloWithModuleLength)
        return MessageKind::Hello;
    if (kind == 1 && (length == kRequestLength || length == kProgressRequestLength))
        return MessageKind::Request;
    if (kind == 2 && length == kResponseLength)
        return MessageKind::Response;
    if (kind == 3 && length == kProgressLength)
        return MessageKind::Progress;
    throw DecodeError("Mensagem de tipo " + std::to_string(kind) + " com " + std::to_string(length) +
                      " elementos não é reconhecida.");
}

std::uint32_t readEnvelope(MsgReader& r) {
    if (r.peekType() != MsgType::Array)
        throw DecodeError("Mensagem deve ser uma lista.");
    return r.readArrayHeader();
}

void expectEnd(const MsgReader& r) {
    if (!r.atEnd())
        throw DecodeError("Bytes sobrando após a mensagem.");
}

RpcRequest readRequestBody(MsgReader& r, std::uint32_t length, const DecodeLimits& limits) {
    RpcRequest req;
    req.id = readId(r);
    req.module = readName(r, "módulo");
    req.method = readName(r, "método");
    req.args = readArgs(r, limits);
    if (length == kProgressRequestLength) {
        if (r.peekType() != MsgType::Bool)
            throw DecodeError("Pedido de progresso deve ser lógico.");
        req.wantsProgress = r.readBool();
    }
    expectEnd(r);
    return req;
}

} // namespace

std::string encodeHello(const RpcHello& hello) {
    std::string out;
    MsgWriter w(out);
    const std::uint32_t length = hello.erpModule != 0          ? kHelloWithModuleLength
                                 : !hello.operatorCode.empty() ? kHelloWithOperatorLength
                                                               : kHelloLength;
    writeHead(w, length, MessageKind::Hello);
    w.str(hello.secret);
    if (length >= kHelloWithOperatorLength)
        w.str(hello.operatorCode);
    if (length == kHelloWithModuleLength)
        w.integer(hello.erpModule);
    return out;
}

std::string encodeRequest(const RpcRequest& request) {
    std::string out;
    MsgWriter w(out);
    writeHead(w, request.wantsProgress ? kProgressRequestLength : kRequestLength, MessageKind::Request);
    w.integer(request.id);
    w.str(request.module);
    w.str(request.method);
    writeArgs(w, request.args);
    if (request.wantsProgress)
        w.boolean(true);
    return out;
}

std::string encodeProgress(const RpcProgress& progress) {
    std::string out;
    MsgWriter w(out);
    writeHead(w, kProgressLength, MessageKind::Progress);
    w.integer(progress.id);
    w.integer(progress.done);
    w.integer(progress.total);
    return out;
}

std::string encodeResponse(const RpcResponse& response) {
    std::string out;
    MsgWriter w(out);
    writeHead(w, kResponseLength, MessageKind::Response);
    w.integer(response.id);
    w.integer(static_cast<std::int64_t>(response.status));
    encodeVariant(w, response.result);
    writeArgs(w, response.byref);
    return out;
}

RpcResponse failureResponse(std::uint32_t id, std::string message) {
    // Messages may quote the offending bytes (or come from a database in another encoding); the
    // answer must still be valid text, or the client would take it for a broken reply.
    if (!isValidUtf8(message))
        message = utf8::encode(utf8::decode(message));
    return RpcResponse{id, RpcStatus::Failed, Variant(std::move(message)), {}};
}

ClientMessage decodeClientMessage(std::string_view payload, const DecodeLimits& limits) {
    MsgReader r(payload);
    const auto length = readEnvelope(r);
    switch (readKind(r, length)) {
    case MessageKind::Hello: {
        if (r.peekType() != MsgType::Str)
            throw DecodeError("Segredo deve ser texto.");
        const auto secret = r.readStr();
        if (secret.size() > kMaxSecretLength)
            throw DecodeError("Segredo longo demais.");
        RpcHello hello{std::string(secret), {}, 0};
        if (length >= kHelloWithOperatorLength) {
            if (r.peekType() != MsgType::Str)
                throw DecodeError("Operador deve ser texto.");
            const auto op = r.readStr();
            if (op.size() > kMaxNameLength || !isValidUtf8(op))
                throw DecodeError("Operador inválido.");
            hello.operatorCode = std::string(op);
        }
        if (length == kHelloWithModuleLength) {
            if (r.peekType() != MsgType::Int)
                throw DecodeError("Módulo do ERP deve ser inteiro.");
            hello.erpModule = r.readInt();
            if (hello.erpModule < 0 || hello.erpModule > kMaxErpModule)
                throw DecodeError("Módulo do ERP fora da faixa: " + std::to_string(hello.erpModule) + ".");
        }
        expectEnd(r);
        return hello;
    }
    case MessageKind::Request:
        return readRequestBody(r, length, limits);
    case MessageKind::Response:
    case MessageKind::Progress:
        break;
    }
    throw DecodeError("Resposta enviada ao servidor.");
}

RpcRequest decodeRequest(std::string_view payload, const DecodeLimits& limits) {
    auto message = decodeClientMessage(payload, limits);
    if (auto* req = std::get_if<RpcRequest>(&message))
        return std::move(*req);
    throw DecodeError("Mensagem não é uma chamada.");
}

RpcResponse decodeResponse(std::string_view payload, const DecodeLimits& limits) {
    auto message = decodeServerMessage(payload, limits);
    if (auto* resp = std::get_if<RpcResponse>(&message))
        return std::move(*resp);
    throw DecodeError("Mensagem não é uma resposta.");
}

ServerMessage decodeServerMessage(std::string_view payload, const DecodeLimits& limits) {
    MsgReader r(payload);
    const auto length = readEnvelope(r);
    const MessageKind kind = readKind(r, length);
    if (kind == MessageKind::Progress) {
        RpcProgress p;
        p.id = readId(r);
        for (std::int64_t* v : {&p.done, &p.total}) {
            if (r.peekType() != MsgType::Int)
                throw DecodeError("Progresso deve ser inteiro.");
            *v = r.readInt();
        }
        if (p.done < 0 || p.total < 0)
            throw DecodeError("Progresso negativo.");
        expectEnd(r);
        return p;
    }
    if (kind != MessageKind::Response)
        throw DecodeError("Mensagem não é uma resposta.");
    RpcResponse resp;
    resp.id = readId(r);
    if (r.peekType() != MsgType::Int)
        throw DecodeError("Situação da resposta deve ser inteiro.");
    const auto status = r.readInt();
    if (status != 0 && status != 1)
        throw DecodeError("Situação da resposta desconhecida: " + std::to_string(status) + ".");
    resp.status = static_cast<RpcStatus>(status);
    resp.result = decodeVariant(r, limits);
    if (resp.status == RpcStatus::Failed && !resp.result.is(VariantKind::String))
        throw DecodeError("Resposta de falha sem mensagem de texto.");
    resp.byref = readArgs(r, limits);
    expectEnd(r);
    return resp;
}

std::optional<std::uint32_t> recoverRequestId(std::string_view payload) {
    try {
        MsgReader r(payload);
        const auto length = readEnvelope(r);
        if ((length != kRequestLength && length != kProgressRequestLength) || r.peekType() != MsgType::Int ||
            r.readInt() != 1)
            return std::nullopt;
        return readId(r);
    } catch (const DecodeError&) {
        return std::nullopt;
    }
}

} // namespace vq::net

// Dispatch without sockets: shapes, failures, by-reference arguments and the secret.
#include "net_test_support.h"
#include "platform/data/msgpack_writer.h"
#include "platform/net/request_handler.h"

#include <gtest/gtest.h>

using namespace vq;
using namespace vq::net;
using vq::net::test::kModule;

namespace {

class RequestHandlerTest : public ::testing::Test {
protected:
    RequestHandlerTest() { test::addTestMethods(registry); }

    RpcResponse call(RequestHandler& h, const std::string& method, VariantArray args,
                     const std::string& module = kModule) {
        const auto reply = h.handleFrame(encodeRequest({77, module, method, std::move(args)}));
        EXPECT_TRUE(reply.payload.has_value());
        return decodeResponse(reply.payload.value_or(encodeResponse(failureResponse(0, ""))));
    }
    std::string failureOf(const std::string& method, VariantArray args, const std::string& module = kModule) {
        RequestHandler h(registry, options, 1, "teste");
        const auto r = call(h, method, std::move(args), module);
        EXPECT_EQ(r.status, RpcStatus::Failed) << method;
        EXPECT_EQ(r.id, 77u);
        return r.result.toString();
    }

    MethodRegistry registry;
    HandlerOptions options;
    test::LogCapture logs;
};

} // namespace

TEST_F(RequestHandlerTest, BadCallsAreAnsweredWithClearMessagesAndLogged) {
    EXPECT_EQ(failureOf("Echo", {1}, "Vqm99999.rdmNada"),
              "Módulo \"Vqm99999.rdmNada\" não existe no servidor.");
    EXPECT_EQ(failureOf("GetNada", {}), "Método \"GetNada\" não existe no módulo \"Test.rdmTeste\".");
    EXPECT_EQ(failureOf("Add", {1}), "Método \"Add\" espera 2 argumento(s) e recebeu 1.");
    EXPECT_EQ(failureOf("Add", {1, "2"}), "Argumento 2 do método \"Add\" deve ser inteiro e recebeu texto.");
    EXPECT_EQ(failureOf("Fail", {}), "Cliente já cadastrado.");
    EXPECT_EQ(failureOf("Crash", {}),
              "Erro interno do servidor ao executar Test.rdmTeste.Crash. Consulte o registro do servidor.");
    EXPECT_TRUE(logs.contains("rpc call failed module=Test.rdmTeste method=Fail peer=teste "
                              "reason=\"Cliente já cadastrado.\""));
    EXPECT_TRUE(logs.contains("ERROR rpc call failed module=Test.rdmTeste method=Crash"));
    EXPECT_TRUE(logs.contains("vector::at out of range"));
}

TEST_F(RequestHandlerTest, NamesMatchWithoutCaseAndOnlyByRefArgumentsChange) {
    RequestHandler h(registry, options, 1, "teste");
    const auto r = call(h, "inc", {41, "original"}, "TEST.RDMTESTE");
    ASSERT_EQ(r.status, RpcStatus::Ok);
    EXPECT_EQ(r.result, Variant("ok"));
    EXPECT_EQ(r.byref, (VariantArray{42, "original"}));
}

TEST_F(RequestHandlerTest, MalformedFrameIsAnsweredWhenItsIdIsReadableElseTheConnectionCloses) {
    RequestHandler h(registry, options, 1, "teste");
    std::string bad;
    MsgWriter w(bad);
    w.arrayHeader(5);
    w.integer(1);
    w.integer(31);
    w.str(kModule);
    w.integer(5); // method name is not text
    w.arrayHeader(0);
    const auto answered = h.handleFrame(bad);
    ASSERT_TRUE(answered.payload);
    EXPECT_FALSE(answered.close);
    const auto r = decodeResponse(*answered.payload);
    EXPECT_EQ(r.id, 31u);
    EXPECT_EQ(r.status, RpcStatus::Failed);
    EXPECT_NE(r.result.toString().find("Mensagem mal formada"), std::string::npos);

    for (std::string_view garbage :
         {std::string_view(""), std::string_view("\xc1\xff\x00", 3), std::string_view("\x93\x01\x02\x03")}) {
        const auto closed = h.handleFrame(garbage);
        EXPECT_FALSE(closed.payload);
        EXPECT_TRUE(closed.close);
    }
    // The handler keeps serving after bad frames.
    EXPECT_EQ(call(h, "Add", {2, 3}).result, Variant(5));
}

TEST_F(RequestHandlerTest, SecretMustBePresentedBeforeAnyCall) {
    options.secret = "segredo";
    {
        RequestHandler h(registry, options, 1, "teste");
        const auto reply = h.handleFrame(encodeRequest({1, kModule, "Add", {1, 2}}));
        ASSERT_TRUE(reply.payload);
        EXPECT_TRUE(reply.close);
        EXPECT_EQ(decodeResponse(*reply.payload).status, RpcStatus::Failed);
    }
    {
        RequestHandler h(registry, options, 2, "teste");
        const auto reply = h.handleFrame(encodeHello({"segredx", {}, 0}));
        ASSERT_TRUE(reply.payload);
        EXPECT_TRUE(reply.close);
        EXPECT_EQ(decodeResponse(*reply.payload).result, Variant("Segredo compartilhado inválido."));
    }
    {
        RequestHandler h(registry, options, 3, "teste");
        const auto hello = h.handleFrame(encodeHello({"segredo", {}, 0}));
        ASSERT_TRUE(hello.payload);
        EXPECT_FALSE(hello.close);
        EXPECT_EQ(decodeResponse(*hello.payload).status, RpcStatus::Ok);
        EXPECT_EQ(call(h, "Add", {1, 2}).result, Variant(3));
    }
    {
        RequestHandler h(registry, options, 4,
                         "teste"); // a wrong secret is refused whatever operator it names
        EXPECT_TRUE(h.handleFrame(encodeHello({"segredx", "OPER01", 0})).close);
    }
    EXPECT_TRUE(secretsEqual("abc", "abc"));
    EXPECT_FALSE(secretsEqual("abc", "abd"));
    EXPECT_FALSE(secretsEqual("abc", "abcd"));
}

TEST_F(RequestHandlerTest, TheOperatorNamedInTheHelloReachesEveryCallOfTheConnection) {
    options.maxOperatorLength = 12;
    RequestHandler quiet(registry, options, 1, "teste");
    EXPECT_EQ(call(quiet, "WhoAmI", {}).result, Variant("@0")); // no hello: nobody named, calls served

    RequestHandler h(registry, options, 2, "teste");
    const auto hello = h.handleFrame(encodeHello({"", "OPERAÇÃO0001", 16})); // 12 characters, more bytes
    ASSERT_TRUE(hello.payload);
    EXPECT_FALSE(hello.close);
    EXPECT_EQ(call(h, "WhoAmI", {}).result, Variant("OPERAÇÃO0001@16"));
    EXPECT_EQ(call(h, "WhoAmI", {}).result, Variant("OPERAÇÃO0001@16"));

    RequestHandler tooLong(registry, options, 3, "teste");
    const auto refused = tooLong.handleFrame(encodeHello({"", "OPERADOR00001", 0}));
    ASSERT_TRUE(refused.payload);
    EXPECT_TRUE(refused.close);
    EXPECT_EQ(decodeResponse(*refused.payload).result,
              Variant("Código de operador com mais de 12 caracteres: OPERADOR00001."));
    EXPECT_TRUE(logs.contains("rpc hello refused peer=teste reason=\"operator code too long\""));
}

TEST(MethodRegistry, RefusesDuplicatesIgnoringCase) {
    MethodRegistry r;
    r.add("M.rdm", "Get", {}, [](CallContext&, VariantArray&) { return Variant(); });
    EXPECT_THROW(r.add("m.RDM", "GET", {}, [](CallContext&, VariantArray&) { return Variant(); }),
                 std::logic_error);
    EXPECT_TRUE(r.hasModule("M.RDM"));
    ASSERT_NE(r.find("m.rdm", "get"), nullptr);
    EXPECT_EQ(r.find("m.rdm", "get")->name, "Get");
}

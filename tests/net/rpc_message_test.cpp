#include "platform/data/error.h"
#include "platform/data/msgpack_writer.h"
#include "platform/net/framing.h"
#include "platform/net/rpc_message.h"

#include <functional>
#include <gtest/gtest.h>

using namespace vq;
using namespace vq::net;

namespace {

std::string pack(const std::function<void(MsgWriter&)>& fill) {
    std::string out;
    MsgWriter w(out);
    fill(w);
    return out;
}

} // namespace

TEST(Framing, HeaderIsBigEndianAndLimited) {
    const auto h = encodeFrameHeader(0x01020304);
    EXPECT_EQ(std::string(h.data(), 4), std::string("\x01\x02\x03\x04", 4));
    EXPECT_EQ(decodeFrameHeader(h), 0x01020304u);
    EXPECT_EQ(makeFrame("abc"), std::string("\0\0\0\3abc", 7));

    EXPECT_NO_THROW(checkFrameLength(kMaxFrameSize, kMaxFrameSize));
    EXPECT_THROW(checkFrameLength(kMaxFrameSize + 1, kMaxFrameSize), DecodeError);
    EXPECT_THROW(checkFrameLength(1025, 1024), DecodeError);
    // A configured limit above the ceiling does not raise it.
    EXPECT_THROW(checkFrameLength(kMaxFrameSize + 1, SIZE_MAX), DecodeError);
    EXPECT_THROW(encodeFrameHeader(kMaxFrameSize + 1), DecodeError);
}

TEST(Framing, LargeMessagesTravelInContinuedFrames) {
    const auto frames = splitIntoFrames("abcdefg", 3);
    ASSERT_EQ(frames.size(), 3u);
    EXPECT_EQ(decodeFrameHeader(frames[0].header), kContinuedBit | 3u);
    EXPECT_EQ(frames[1].body, "def");
    EXPECT_EQ(decodeFrameHeader(frames[2].header), 1u); // the last frame ends the message
    EXPECT_EQ(splitIntoFrames("abc", 3).size(), 1u);
    EXPECT_EQ(splitIntoFrames("", 3).size(), 1u);

    // The receiver adds up the frames against both limits.
    const auto info = acceptFrame(frames[0].header, 0, 16, 16);
    EXPECT_TRUE(info.continued);
    EXPECT_EQ(info.length, 3u);
    EXPECT_NO_THROW(acceptFrame(frames[2].header, 15, 16, 16));
    EXPECT_THROW(acceptFrame(frames[1].header, 14, 16, 16), DecodeError);
    EXPECT_THROW(acceptFrame(frames[0].header, 0, 2, 16), DecodeError);
    EXPECT_THROW(acceptFrame(encodeFrameHeader(0, true), 0, 16, 16), DecodeError);
    // Configured limits above the ceilings do not raise them.
    EXPECT_THROW(acceptFrame(encodeFrameHeader(kMaxFrameSize), kMaxMessageSize - 1, SIZE_MAX, SIZE_MAX),
                 DecodeError);
}

TEST(RpcMessage, RequestAndResponseRoundTrip) {
    const RpcRequest req{42,
                         "Vqm41200.rdmClientes",
                         "GetCliente",
                         {"_J11222333000181_", 3, true, VariantArray{1, "x"}, Variant()}};
    const auto back = decodeRequest(encodeRequest(req));
    EXPECT_EQ(back.id, 42u);
    EXPECT_EQ(back.module, req.module);
    EXPECT_EQ(back.method, req.method);
    EXPECT_EQ(back.args, req.args);

    const RpcResponse ok{4294967295u, RpcStatus::Ok, DateTime{46363.25}, {7, "a"}};
    const auto okBack = decodeResponse(encodeResponse(ok));
    EXPECT_EQ(okBack.id, ok.id);
    EXPECT_EQ(okBack.status, RpcStatus::Ok);
    EXPECT_EQ(okBack.result, ok.result);
    EXPECT_EQ(okBack.byref, ok.byref);

    const auto failed = decodeResponse(encodeResponse(failureResponse(9, "Cliente já cadastrado.")));
    EXPECT_EQ(failed.status, RpcStatus::Failed);
    EXPECT_EQ(failed.result, Variant("Cliente já cadastrado."));

    // Error texts quoting raw input stay decodable.
    const auto quoting = decodeResponse(encodeResponse(failureResponse(9, "Chave inesperada \"fi\xebld\".")));
    EXPECT_EQ(quoting.result, Variant("Chave inesperada \"fi\xef\xbf\xbdld\"."));

    const auto hello = decodeClientMessage(encodeHello({"s3gr3d0", {}, 0}));
    ASSERT_TRUE(std::holds_alternative<RpcHello>(hello));
    EXPECT_EQ(std::get<RpcHello>(hello).secret, "s3gr3d0");
    EXPECT_EQ(encodeHello({"s", {}, 0}),
              std::string("\x92\x00\xa1s", 4)); // no operator: the old two elements

    const auto named = decodeClientMessage(encodeHello({"", "OPERAÇÃO01", 0}));
    ASSERT_TRUE(std::holds_alternative<RpcHello>(named));
    EXPECT_EQ(std::get<RpcHello>(named).secret, "");
    EXPECT_EQ(std::get<RpcHello>(named).operatorCode, "OPERAÇÃO01");
    EXPECT_EQ(encodeHello({"", "OP", 0}).size(), 6u); // no module: three elements
    const auto module = std::get<RpcHello>(decodeClientMessage(encodeHello({"", "", 16})));
    EXPECT_EQ(module.operatorCode, "");
    EXPECT_EQ(module.erpModule, 16);
    EXPECT_THROW(decodeClientMessage(std::string("\x94\x00\xa1s\xa1o\xff", 7)), DecodeError);  // -1
    EXPECT_THROW(decodeClientMessage(std::string("\x94\x00\xa1s\xa1o\xa1x", 8)), DecodeError); // text
    EXPECT_THROW(decodeClientMessage(std::string("\x93\x00\xa1s\x05", 5)), DecodeError); // operator not text
    EXPECT_THROW(decodeClientMessage(std::string("\x93\x00\xa1s\xa1\xff", 6)), DecodeError); // not UTF-8
    EXPECT_THROW(decodeClientMessage(std::string("\x95\x00\xa1s\xa1o\x01\x01", 7)), DecodeError);
}

TEST(RpcMessage, MalformedRequestsAreRefusedAndTheIdRecoveredWhereReadable) {
    struct Case {
        const char* name;
        std::string bytes;
        std::optional<std::uint32_t> id;
    };
    const std::string nested = [] {
        std::string s(40, '\x91');
        return s + '\xc0';
    }();
    const Case cases[] = {
        {"not an array", pack([](MsgWriter& w) { w.integer(1); }), {}},
        {"map", pack([](MsgWriter& w) { w.mapHeader(0); }), {}},
        {"short",
         pack([](MsgWriter& w) {
             w.arrayHeader(3);
             w.integer(1);
             w.integer(5);
             w.str("M");
         }),
         {}},
        {"unknown kind",
         pack([](MsgWriter& w) {
             w.arrayHeader(5);
             w.integer(7);
             w.integer(5);
             w.str("M");
             w.str("m");
             w.arrayHeader(0);
         }),
         {}},
        {"response sent to server", encodeResponse({5, RpcStatus::Ok, {}, {}}), {}},
        {"negative id",
         pack([](MsgWriter& w) {
             w.arrayHeader(5);
             w.integer(1);
             w.integer(-1);
             w.str("M");
             w.str("m");
             w.arrayHeader(0);
         }),
         {}},
        {"id too large",
         pack([](MsgWriter& w) {
             w.arrayHeader(5);
             w.integer(1);
             w.integer(1LL << 32);
             w.str("M");
             w.str("m");
             w.arrayHeader(0);
         }),
         {}},
        {"module not text", pack([](MsgWriter& w) {
             w.arrayHeader(5);
             w.integer(1);
             w.integer(6);
             w.integer(3);
             w.str("m");
             w.arrayHeader(0);
         }),
         6},
        {"empty method", pack([](MsgWriter& w) {
             w.arrayHeader(5);
             w.integer(1);
             w.integer(7);
             w.str("M");
             w.str("");
             w.arrayHeader(0);
         }),
         7},
        {"args not array", pack([](MsgWriter& w) {
             w.arrayHeader(5);
             w.integer(1);
             w.integer(8);
             w.str("M");
             w.str("m");
             w.str("x");
         }),
         8},
        {"deep nesting", pack([&](MsgWriter& w) {
                             w.arrayHeader(5);
                             w.integer(1);
                             w.integer(9);
                             w.str("M");
                             w.str("m");
                             w.arrayHeader(1);
                         }) + nested,
         9},
        {"bad utf-8", pack([](MsgWriter& w) {
             w.arrayHeader(5);
             w.integer(1);
             w.integer(10);
             w.str("M");
             w.str("m");
             w.arrayHeader(1);
             w.str("\xc3\x28");
         }),
         10},
        {"trailing bytes", encodeRequest({11, "M", "m", {}}) + '\xc0', 11},
        {"truncated", encodeRequest({12, "M", "m", {"abcdef"}}).substr(0, 12), 12},
    };
    for (const auto& c : cases) {
        EXPECT_THROW(decodeClientMessage(c.bytes, DecodeLimits{32}), DecodeError) << c.name;
        EXPECT_EQ(recoverRequestId(c.bytes), c.id) << c.name;
    }
}

TEST(RpcMessage, MalformedResponsesAreRefused) {
    const std::string cases[] = {
        pack([](MsgWriter& w) {
            w.arrayHeader(5);
            w.integer(2);
            w.integer(1);
            w.integer(2);
            w.nil();
            w.arrayHeader(0);
        }),
        pack([](MsgWriter& w) {
            w.arrayHeader(5);
            w.integer(2);
            w.integer(1);
            w.integer(1);
            w.nil();
            w.arrayHeader(0);
        }),
        pack([](MsgWriter& w) {
            w.arrayHeader(5);
            w.integer(2);
            w.integer(1);
            w.integer(0);
            w.nil();
            w.nil();
        }),
        pack([](MsgWriter& w) {
            w.arrayHeader(4);
            w.integer(2);
            w.integer(1);
            w.integer(0);
            w.nil();
        }),
        encodeRequest({1, "M", "m", {}}),
    };
    for (const auto& c : cases)
        EXPECT_THROW(decodeResponse(c), DecodeError);
}

#include "platform/data/error.h"
#include "platform/data/variant_codec.h"

#include <gtest/gtest.h>
#include <limits>
#include <memory>

using namespace vq;

namespace {
Variant roundTrip(const Variant& v) {
    return decodeVariant(encodeVariant(v));
}

DataPacket customerPacket() {
    DataPacket p({{"CDCLIENTE", FieldType::String, 21},
                  {"NMRAZSOCCLIE", FieldType::String, 60},
                  {"VRLIMCREDCLI", FieldType::Float, 0},
                  {"DTCADCLIE", FieldType::DateTime, 0},
                  {"QTDIAS", FieldType::Integer, 0},
                  {"NRSEQ", FieldType::SmallInt, 0},
                  {"DSOBSERV", FieldType::Blob, 0},
                  {"IDATIVO", FieldType::Boolean, 0}});
    p.addRow({"J11222333000181", "Açaí & Pão de Queijo Ltda", 1234.5, DateTime{46363.5}, 30, 2,
              "linha 1\nlinha 2", true});
    p.addRow(
        {"F12345678909", "", nullptr, nullptr, nullptr, nullptr, Bytes{std::string("\0\1\2", 3)}, false});
    return p;
}
} // namespace

TEST(VariantCodec, ScalarsRoundTripExactly) {
    const Variant values[] = {Variant{},
                              true,
                              false,
                              0,
                              -1,
                              127,
                              128,
                              -33,
                              65536,
                              std::numeric_limits<std::int64_t>::min(),
                              std::numeric_limits<std::int64_t>::max(),
                              0.0,
                              -0.1,
                              1e300,
                              std::string(),
                              std::string(" "),
                              "ção ñ 漢字 🙂",
                              std::string(70000, 'x'),
                              DateTime{0},
                              DateTime{-700000.25},
                              Bytes{std::string("\0\xff", 2)},
                              ServerError{"Cliente já cadastrado."}};
    for (const auto& v : values) {
        const Variant back = roundTrip(v);
        EXPECT_EQ(back, v) << v.describe();
        EXPECT_EQ(back.kind(), v.kind()) << v.describe();
    }
    // Null and the empty string stay distinct; a whole float stays a float.
    EXPECT_TRUE(roundTrip(Variant{}).isNull());
    EXPECT_TRUE(roundTrip(std::string()).is(VariantKind::String));
    EXPECT_TRUE(roundTrip(2.0).is(VariantKind::Double));
}

TEST(VariantCodec, NestedArraysPacketsAndDeltas) {
    auto packet = std::make_shared<const DataPacket>(customerPacket());
    Delta d(packet->fields());
    d.addRow({UpdateStatus::Modified, packet->row(0), {}, {{1, "Novo Nome"}, {2, Variant{}}}});
    d.addRow({UpdateStatus::Inserted, {}, packet->row(1), {}});
    d.addRow({UpdateStatus::Deleted, packet->row(0), {}, {}});
    const Variant v =
        VariantArray{packet, std::make_shared<const Delta>(d), VariantArray{1, "a", VariantArray{}}};
    const Variant back = roundTrip(v);
    EXPECT_EQ(back, v);
    EXPECT_EQ(back.asArray()[0].asPacket().row(0)[1].asString(), "Açaí & Pão de Queijo Ltda");
    EXPECT_TRUE(back.asArray()[1].asDelta().rows()[0].changes[1].value.isNull());
}

TEST(VariantCodec, PacketValuesMustFitTheirFields) {
    DataPacket p({{"CDPAIS", FieldType::String, 4}});
    EXPECT_THROW(p.addRow({"12345"}), FieldError);
    p.addRow({"ção1"}); // four characters, more bytes
    // A hand-made payload declaring a 4-char field with a 25-char value is refused whole.
    std::string payload;
    MsgWriter w(payload);
    w.mapHeader(2);
    w.str("fields");
    w.arrayHeader(1);
    w.arrayHeader(3);
    w.str("CDPAIS");
    w.str("string");
    w.integer(4);
    w.str("rows");
    w.arrayHeader(1);
    w.arrayHeader(1);
    w.str(std::string(25, '9'));
    try {
        decodePacket(payload);
        FAIL() << "accepted an oversized value";
    } catch (const FieldError& e) {
        EXPECT_NE(std::string(e.what()).find("CDPAIS"), std::string::npos);
    }
}

TEST(VariantCodec, HostileBytesFailCleanly) {
    const std::string cases[] = {
        std::string(),                                          // nothing
        std::string("\xdb\xff\xff\xff\xff", 5),                 // str of 4 GiB declared
        std::string("\xdd\xff\xff\xff\xff\xc0", 6),             // array of 4 G elements
        std::string("\xdf\xff\xff\xff\xff", 5),                 // map
        std::string("\xc9\xff\xff\xff\xff\x02", 6),             // ext packet of 4 GiB
        std::string("\xc1", 1),                                 // reserved
        std::string("\xd7\x01\x00", 3),                         // truncated date
        std::string("\xd4\x01\x00", 3),                         // date of 1 byte
        std::string("\xa2\xc3\x28", 3),                         // invalid UTF-8
        std::string("\xc0\xc0", 2),                             // trailing bytes
        std::string("\xcf\xff\xff\xff\xff\xff\xff\xff\xff", 9), // uint64 above int64
        std::string("\xd4\x09\x00", 3),                         // unknown ext
        std::string("\x81\xa1k\xc0", 4),                        // a map is not a value
    };
    for (const auto& bytes : cases)
        EXPECT_THROW(decodeVariant(bytes), DecodeError) << testing::PrintToString(bytes);

    std::string deep(100000, '\x91'); // [[[[...]]]]
    deep.push_back('\xc0');
    EXPECT_THROW(decodeVariant(deep), DecodeError);

    // Every truncation of a valid encoding fails with a clear error, never a crash.
    const std::string good = encodeVariant(std::make_shared<const DataPacket>(customerPacket()));
    for (std::size_t n = 0; n < good.size(); ++n)
        EXPECT_THROW(decodeVariant(std::string_view(good).substr(0, n)), Error) << n;
}

TEST(VariantConversions, CheckedAndNamed) {
    EXPECT_EQ(Variant("42").toInt(), 42);
    EXPECT_EQ(Variant(" -7 ").toInt(), -7);
    EXPECT_EQ(Variant(3.0).toInt(), 3);
    EXPECT_DOUBLE_EQ(Variant(2).toDouble(), 2.0);
    EXPECT_EQ(Variant(Variant{}).toString(), "");
    EXPECT_TRUE(Variant("T").toBool());
    try {
        (void)Variant("12a").toInt();
        FAIL();
    } catch (const ConversionError& e) {
        const std::string msg = e.what();
        EXPECT_NE(msg.find("\"12a\""), std::string::npos);
        EXPECT_NE(msg.find("inteiro"), std::string::npos);
    }
    EXPECT_THROW((void)Variant(2.5).toInt(), ConversionError);
    // Text reads the same way for both kinds: blanks around, one optional sign.
    EXPECT_EQ(Variant(" +12 ").toInt(), 12);
    EXPECT_DOUBLE_EQ(Variant(" +1.5 ").toDouble(), 1.5);
    for (const char* bad : {"", "  ", "+", "+-5", "1 2", "0x10"}) {
        EXPECT_THROW((void)Variant(bad).toInt(), ConversionError) << bad;
        EXPECT_THROW((void)Variant(bad).toDouble(), ConversionError) << bad;
    }
    EXPECT_THROW((void)Variant{}.toInt(), ConversionError);
    EXPECT_THROW((void)Variant("x").toDateTime(), ConversionError);
    EXPECT_THROW((void)Variant(1).asString(), ConversionError);
}

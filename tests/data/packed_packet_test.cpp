#include "packet_bytes_util.h"
#include "platform/data/error.h"
#include "platform/data/record_store.h"

#include <gtest/gtest.h>
#include <limits>
#include <thread>

using namespace vq;
using vq::testing::bytes;
using vq::testing::payloadOf;
using vq::testing::rowBytes;

namespace {

std::vector<FieldDesc> everyType() {
    return {{"CODIGO", FieldType::String, 4}, {"QTDE", FieldType::Integer, 0},
            {"SEQ", FieldType::SmallInt, 0},  {"VALOR", FieldType::Float, 0},
            {"DATA", FieldType::DateTime, 0}, {"OBS", FieldType::Blob, 0},
            {"ATIVO", FieldType::Boolean, 0}, {"NOME", FieldType::String, 0}};
}

DataPacket eagerPacket() {
    DataPacket p(everyType());
    p.addRow({"ção1", 0, -32768, 1.5, DateTime{45000.25}, Bytes{std::string("\0\xff", 2)}, true, ""});
    p.addRow({nullptr, std::numeric_limits<std::int64_t>::min(), 32767, 7, DateTime{-1}, "texto", false,
              std::string(300, 'x')});
    p.addRow({"", std::numeric_limits<std::int64_t>::max(), nullptr, -0.0, nullptr, nullptr, nullptr,
              "漢字 🙂"});
    p.addRow(Row(8));
    p.addRow({"abcd", 127, -33, -129, DateTime{0}, "", true, std::string(70000, 'y')});
    return p;
}

std::string errorOf(auto&& f) {
    try {
        f();
    } catch (const Error& e) {
        return e.what();
    }
    return "(aceito)";
}

} // namespace

TEST(PackedPacket, DecodedRowsMatchTheEagerPacketValueForValueAndByteForByte) {
    const DataPacket eager = eagerPacket();
    const DataPacket decoded = decodePacket(encodePacket(eager));
    ASSERT_NE(decoded.packedRows(), nullptr);
    EXPECT_EQ(decoded.rowCount(), eager.rowCount());
    EXPECT_EQ(decoded, eager);
    EXPECT_EQ(eager, decoded);
    const PackedRows& packed = *decoded.packedRows();
    for (std::size_t i = 0; i < eager.rowCount(); ++i)
        EXPECT_TRUE(RowCodec::sameBytes(packed.rows[i], packed.codec.pack(std::span(eager.row(i))))) << i;
    // Only the float field took integers; they stay integers until a dataset converts them.
    EXPECT_EQ(packed.foreignKind, std::vector<bool>({false, false, false, true, false, false, false, false}));
    EXPECT_TRUE(decoded.row(1)[3].is(VariantKind::Int));
    EXPECT_TRUE(decoded.row(2)[6].isNull());
    EXPECT_EQ(decoded.rows(), eager.rows());
    EXPECT_EQ(encodePacket(decoded), encodePacket(eager));
    // As a value the payload is written in place; its header keeps the form ext() gives it (ext 32 for this
    // one, ext 8 for a small packet, which moves the payload back).
    const DataPacket small(everyType());
    for (const DataPacket* p : {&decoded, &eager, &small}) {
        std::string expected;
        MsgWriter(expected).ext(kExtPacket, encodePacket(*p));
        EXPECT_EQ(encodeVariant(Variant(std::make_shared<const DataPacket>(*p))), expected);
    }

    DataPacket other = eagerPacket();
    other.mutableRows()[4][0] = "abce";
    EXPECT_FALSE(decodePacket(encodePacket(other)) == decoded);
}

TEST(PackedPacket, UncommonEncodingsGiveTheSameValues) {
    const std::vector<FieldDesc> fields = {{"A", FieldType::Float, 0},    {"B", FieldType::DateTime, 0},
                                           {"C", FieldType::Blob, 0},     {"D", FieldType::Integer, 0},
                                           {"E", FieldType::String, 3},   {"F", FieldType::Blob, 0},
                                           {"G", FieldType::SmallInt, 0}, {"H", FieldType::Integer, 0}};
    const std::string date = bytes({0x40, 0xe5, 0xf4, 0x20, 0, 0, 0, 0}); // 44961.0 big-endian
    std::string row = bytes({0xdc, 0x00, 0x08});                          // array 16 for 8 values
    row += bytes({0xca, 0x3f, 0xc0, 0x00, 0x00});                         // float32 1.5
    row += bytes({0xc7, 0x08, 0x01}) + date;                              // date as ext 8
    row += bytes({0xd5, 0x05, 0x00, 0x01});                               // bytes as fixext 2
    row += bytes({0xcf, 0, 0, 0, 0, 0, 0, 0, 0x05});                      // uint64 5
    row += bytes({0xd9, 0x03}) + "abc";                                   // str 8
    row += bytes({0xc4, 0x01, 0x7f});                                     // bin 8
    row += bytes({0xd1, 0xff, 0x00});                                     // int16 -256
    row += bytes({0xd2, 0x80, 0x00, 0x00, 0x00});                         // int32 min
    const DataPacket p = decodePacket(payloadOf(fields, {row, row}));
    const Row expected = {1.5,
                          DateTime{44961.0},
                          Bytes{std::string("\0\1", 2)},
                          5,
                          "abc",
                          Bytes{"\x7f"},
                          -256,
                          std::numeric_limits<std::int32_t>::min()};
    ASSERT_EQ(p.rowCount(), 2u);
    EXPECT_EQ(p.row(0), expected);
    EXPECT_EQ(p.row(1), expected);
    EXPECT_EQ(p.row(0)[0].kind(), VariantKind::Double);
}

TEST(PackedPacket, BadValuesRefuseThePacketWithTheMessagesOfCheckFits) {
    const std::vector<FieldDesc> fields = {{"CDPAIS", FieldType::String, 4},
                                           {"SEQ", FieldType::SmallInt, 0},
                                           {"QTDE", FieldType::Integer, 0},
                                           {"OBS", FieldType::Blob, 0}};
    const std::string good =
        rowBytes({encodeVariant("1058"), encodeVariant(1), encodeVariant(2), encodeVariant(nullptr)});
    const auto refusal = [&](const Row& values) {
        return errorOf([&] { DataPacket(fields).addRow(values); });
    };
    struct Case {
        const char* what;
        Row values;
    };
    const Case fitCases[] = {
        {"text too long", {"10580", 1, 2, nullptr}},
        {"accented text too long", {"çãoçã", 1, 2, nullptr}},
        {"small integer above range", {"1", 32768, 2, nullptr}},
        {"small integer below range", {"1", -32769, 2, nullptr}},
        {"number in a text field", {12, 1, 2, nullptr}},
        {"text in an integer field", {"1", 1, "2", nullptr}},
        {"float in an integer field", {"1", 1, 2.5, nullptr}},
        {"boolean in a blob", {"1", 1, 2, true}},
        {"date in a text field", {DateTime{1}, 1, 2, nullptr}},
        {"empty list as a value", {"1", 1, VariantArray{}, nullptr}},
        {"server error as a value", {"1", 1, 2, ServerError{"x"}}},
    };
    for (const auto& c : fitCases) {
        std::vector<std::string> values;
        for (const auto& v : c.values)
            values.push_back(encodeVariant(v));
        const std::string payload = payloadOf(fields, {good, rowBytes(values)});
        const std::string expected = refusal(c.values);
        ASSERT_NE(expected, "(aceito)") << c.what;
        EXPECT_EQ(errorOf([&] { decodePacket(payload); }), expected) << c.what;
        EXPECT_THROW(decodePacket(payload), FieldError) << c.what;
    }

    const std::string badUtf8 = bytes({0xa2, 0xc3, 0x28});
    const std::string one = encodeVariant(1);
    struct Raw {
        const char* what;
        std::string row;
        std::string message; // empty: any decode error
    };
    const Raw decodeCases[] = {
        {"invalid UTF-8 in a text field", rowBytes({badUtf8, one, one, one}),
         "Texto com codificação UTF-8 inválida."},
        {"invalid UTF-8 in a blob", rowBytes({encodeVariant("1"), one, one, badUtf8}),
         "Texto com codificação UTF-8 inválida."},
        // Decoding faults of a row come before its values are fitted, as they always did.
        {"oversized text then invalid UTF-8", rowBytes({encodeVariant("12345"), one, one, badUtf8}),
         "Texto com codificação UTF-8 inválida."},
        {"map as a value", rowBytes({bytes({0x80}), one, one, one}), "Mapa não é um valor aceito."},
        {"nested list", rowBytes({bytes({0x91, 0x01}), one, one, one}), "Aninhamento profundo demais."},
        {"too few values", rowBytes({one, one, one}), "Linha com 3 valores para 4 campos."},
        {"too many values", rowBytes({one, one, one, one, one}), "Linha com 5 valores para 4 campos."},
        {"unknown extension", rowBytes({bytes({0xd4, 0x09, 0x00}), one, one, one}),
         "Tipo estendido desconhecido: 9."},
        {"date of 4 bytes", rowBytes({one, one, one, bytes({0xd6, 0x01, 0, 0, 0, 0})}),
         "Data/hora codificada com 4 bytes em vez de 8."},
        {"uint64 above int64", rowBytes({one, one, bytes({0xcf, 0xff, 0, 0, 0, 0, 0, 0, 0}), one}), ""},
        {"truncated row", rowBytes({encodeVariant("1"), one, one, one}).substr(0, 3), ""},
        {"string longer than the data", rowBytes({bytes({0xdb, 0x7f, 0xff, 0xff, 0xff}), one, one, one}), ""},
        {"list header longer than the data", bytes({0xdd, 0xff, 0xff, 0xff, 0xff}), ""},
    };
    for (const auto& c : decodeCases) {
        const std::string payload = payloadOf(fields, {good, c.row});
        try {
            decodePacket(payload);
            ADD_FAILURE() << c.what << ": accepted";
        } catch (const DecodeError& e) {
            if (!c.message.empty()) {
                EXPECT_EQ(std::string(e.what()), c.message) << c.what;
            }
        } catch (const std::exception& e) {
            ADD_FAILURE() << c.what << ": " << e.what();
        }
    }
}

TEST(PackedPacket, VariantRowsAreMadeOnceWhicheverThreadAsksFirst) {
    const DataPacket eager = eagerPacket();
    const DataPacket decoded = decodePacket(encodePacket(eager));
    std::vector<const std::vector<Row>*> seen(4);
    std::vector<char> same(4); // one byte each: threads write their own element
    {
        std::vector<std::jthread> threads;
        for (std::size_t t = 0; t < seen.size(); ++t)
            threads.emplace_back([&, t] {
                seen[t] = &decoded.rows();
                same[t] = *seen[t] == eager.rows();
            });
    }
    for (std::size_t t = 0; t < seen.size(); ++t) {
        EXPECT_EQ(seen[t], seen[0]);
        EXPECT_TRUE(same[t]) << t;
    }
    EXPECT_EQ(&decoded.row(0), &decoded.rows()[0]);
}

TEST(PackedPacket, CopiesShareThePackedRowsAndChangeApart) {
    const DataPacket decoded = decodePacket(encodePacket(eagerPacket()));
    DataPacket copy = decoded;
    EXPECT_EQ(copy.packedRows(), decoded.packedRows());
    EXPECT_EQ(copy, decoded);

    copy.mutableRows()[0][0] = "novo";
    EXPECT_EQ(copy.packedRows(), nullptr);
    EXPECT_EQ(decoded.row(0)[0], Variant("ção1"));
    EXPECT_EQ(copy.row(0)[0], Variant("novo"));
    EXPECT_NE(copy, decoded);

    DataPacket grown = decoded;
    grown.addRow(Row(8));
    EXPECT_EQ(grown.rowCount(), decoded.rowCount() + 1);
    EXPECT_THROW(grown.addRow({"12345", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr}),
                 FieldError);

    DataPacket assigned;
    assigned = decoded;
    EXPECT_EQ(assigned, decoded);
    DataPacket moved = std::move(assigned);
    EXPECT_EQ(moved, decoded);
    EXPECT_EQ(moved.rows(), decoded.rows());
}

TEST(PackedPacket, PackedRowsMustMatchTheFields) {
    auto packed = std::make_shared<PackedRows>(2);
    EXPECT_THROW(DataPacket(everyType(), packed), FieldError);
    const DataPacket none(everyType(), nullptr);
    EXPECT_EQ(none.rowCount(), 0u);
    EXPECT_TRUE(none.rows().empty());
}

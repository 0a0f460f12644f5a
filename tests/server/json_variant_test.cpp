// erp-rpc's JSON form of variants: what it prints reads back as the same value.

#include "platform/data/error.h"
#include "server/erp_rpc/json_variant.h"
#include "tests/server/server_fixture.h"

namespace vq::test {
namespace {

Variant roundTrip(const Variant& v) {
    const std::string text = rpc::toJson(v).dump();
    return rpc::fromJson(nlohmann::json::parse(text));
}

TEST(JsonVariant, ScalarsArraysAndTaggedKindsRoundTrip) {
    const DateTime when = makeDateTime({2026, 12, 7}, {10, 30, 15, 250});
    const VariantArray values = {Variant(),
                                 true,
                                 42,
                                 1.5,
                                 "ação",
                                 when,
                                 Bytes{std::string("\x00\xff", 2)},
                                 ServerError{"falhou"},
                                 VariantArray{1, "dois"}};
    for (const auto& v : values)
        EXPECT_EQ(roundTrip(v), v) << v.describe();
    EXPECT_EQ(rpc::toJson(Variant(when)).dump(), R"({"$datetime":"2026-12-07T10:30:15.250"})");
    EXPECT_EQ(rpc::parseIsoDateTime("2026-02-03"), Variant(makeDateTime({2026, 2, 3})).toDateTime());
    EXPECT_THROW(rpc::parseIsoDateTime("2026-02-30"), Error);
    EXPECT_THROW(rpc::parseIsoDateTime("ontem"), Error);
}

TEST(JsonVariant, PacketsAndDeltasRoundTrip) {
    const std::vector<FieldDesc> fields = {{"CDCLIENTE", FieldType::String, 21},
                                           {"DTCADACLIE", FieldType::DateTime, 0},
                                           {"VRLIMCREDCLI", FieldType::Float, 0}};
    auto packet = std::make_shared<DataPacket>(fields);
    packet->addRow({"J1", makeDateTime({2025, 1, 2}), 10.0});
    packet->addRow({"F2", Variant(), Variant()});
    const Variant p{std::shared_ptr<const DataPacket>(packet)};
    EXPECT_EQ(roundTrip(p), p);
    EXPECT_EQ(rpc::toJson(p)["rows"][0][1], "2025-01-02T00:00:00");

    DeltaBuilder d(fields);
    d.insert({"J3", Variant(), 5.0})
        .modify({"J1", makeDateTime({2025, 1, 2}), 10.0}, {{"VRLIMCREDCLI", 20.0}})
        .remove({"F2", Variant(), Variant()});
    EXPECT_EQ(roundTrip(d.variant()), d.variant());

    // Hand-written JSON: changes by name, integers in float fields.
    const auto hand =
        nlohmann::json::parse(R"({"$delta": {"fields": [["CDCLIENTE","string",21],["VRLIMCREDCLI","float",0]],
        "rows": [["M", ["J1", 10], {"VRLIMCREDCLI": 20}]]}})");
    const Variant parsedVariant = rpc::fromJson(hand);
    const Delta& parsed = parsedVariant.asDelta();
    ASSERT_EQ(parsed.rowCount(), 1u);
    EXPECT_EQ(parsed.rows()[0].changes[0].value, Variant(20.0));
}

TEST(JsonVariant, MalformedInputIsRefusedWithAMessage) {
    EXPECT_THROW(rpc::fromJson(nlohmann::json::parse(R"({"fields": [["A","nada",1]], "rows": []})")), Error);
    EXPECT_THROW(
        rpc::fromJson(nlohmann::json::parse(R"({"fields": [["A","string",1]], "rows": [["long"]]})")), Error);
    EXPECT_THROW(rpc::fromJson(nlohmann::json::parse(R"({"outro": 1})")), Error);
    EXPECT_THROW(rpc::fromJson(nlohmann::json::parse(R"({"$bytes": "abc"})")), Error);
    EXPECT_THROW(rpc::fromJson(nlohmann::json::parse(
                     R"({"$delta": {"fields": [["A","string",1]], "rows": [["Z", null, null]]}})")),
                 Error);
}

} // namespace
} // namespace vq::test

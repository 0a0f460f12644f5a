#include "customer/retention_codes.h"

namespace vq::customer {

namespace {

constexpr CodedValue kFlags[] = {{"S", "S"}, {"N", "N"}};
constexpr std::string_view kFlagFields[] = {"IDORGPUB", "IDIRPJ", "IDCSLL"};
constexpr RetentionColumn kLookupColumns[] = {{"CDRETECF", "Código"}, {"DSRETECF", "Descrição"}};

} // namespace

std::span<const RetentionColumn> retentionLookupColumns() {
    return kLookupColumns;
}

void installRetentionFlagRules(ClientDataSet& retentions, const MessageLookup& msg) {
    for (std::string_view name : kFlagFields)
        if (Field* field = retentions.FindField(name))
            applyCodedRule(*field, {.field = name, .values = kFlags, .messageKeys = true}, msg);
}

std::optional<RetentionCode> findRetention(ClientDataSet& retentions, std::string_view code) {
    if (!retentions.Active() || code.empty() ||
        !retentions.Locate(kRetentionKeyField, Variant(std::string(code)), {.CaseInsensitive = true}))
        return std::nullopt;
    return currentRetention(retentions);
}

RetentionCode currentRetention(const ClientDataSet& retentions) {
    return {retentions.FieldByName("NRSEQUENCIAL").AsFloat(), retentions.FieldByName("CDRETECF").AsString(),
            retentions.FieldByName("DSRETECF").AsString()};
}

} // namespace vq::customer

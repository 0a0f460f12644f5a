#pragma once
// The ECF retention codes (register Y570) of cdsRetECF, as the customer form and the batch retention form
// both use them: the flag columns shown as "Sim"/"Não", the lookup's columns, and a typed code found
// without regard to case.

#include "customer/coded_display_rule.h"
#include "platform/data/client_data_set.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vq::customer {

inline constexpr std::string_view kRetentionKeyField = "CDRETECF";

struct RetentionColumn {
    std::string_view field;
    std::string_view title;
};
// The lookup's columns over cdsRetECF: code and description.
std::span<const RetentionColumn> retentionLookupColumns();
// The same columns in the shape a lookup button takes (a {field, title} aggregate of strings).
template <class Column> std::vector<Column> retentionLookupColumnsAs() {
    std::vector<Column> columns;
    for (const RetentionColumn& c : retentionLookupColumns())
        columns.push_back({std::string(c.field), std::string(c.title)});
    return columns;
}

// IDORGPUB, IDIRPJ and IDCSLL show the message text of the key equal to their value ("S" "Sim", "N"
// "Não"); any other value shows nothing.
void installRetentionFlagRules(ClientDataSet& retentions, const MessageLookup& msg);

struct RetentionCode {
    double sequential = -1; // NRSEQUENCIAL, what the bookkeeping reads
    std::string code;       // CDRETECF as registered
    std::string description;
};

// The retention registered under `code` (case-insensitive), the list positioned on it; nothing when the
// list is closed or lacks it.
std::optional<RetentionCode> findRetention(ClientDataSet& retentions, std::string_view code);
// The row the list is positioned on (after a lookup).
RetentionCode currentRetention(const ClientDataSet& retentions);

} // namespace vq::customer

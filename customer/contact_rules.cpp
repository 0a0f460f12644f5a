#include "customer/contact_rules.h"

#include "platform/data/error.h"

#include <algorithm>
#include <cctype>

namespace vq::customer {

RoleLayout roleLayout(bool shortContactPages) {
    if (shortContactPages)
        return {.freeRole = false,
                .codedRole = true,
                .codedRoleOnFreeRow = true,
                .gridRoleField = "NMCARGOINTERLOC"};
    return {
        .freeRole = true, .codedRole = false, .codedRoleOnFreeRow = false, .gridRoleField = "DSCARGINCLIE"};
}

bool typeLookupSkipped(bool report, std::string_view selectedField) {
    return report && selectedField != "CDTIPOCORR";
}

void discardIfEmpty(ClientDataSet& observations, std::string_view text) {
    const bool blank = std::all_of(text.begin(), text.end(),
                                   [](char c) { return std::isspace(static_cast<unsigned char>(c)); });
    if (!blank || !observations.editing())
        return;
    const bool inserted = observations.State() == DataSetState::Insert;
    observations.Cancel();
    if (!inserted && !observations.IsEmpty())
        observations.Delete();
    throw Abort();
}

} // namespace vq::customer

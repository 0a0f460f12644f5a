#pragma once
// The loading methods of the customer form's detail datasets. Most read one provider's rows with the
// call's arguments bound to the provider's parameters (the table in detail_loads.cpp); the rest shape
// their answer as their callers expect.

#include "platform/data/packet.h"
#include "platform/db/connection.h"

#include <span>
#include <string_view>

namespace vq::server {

struct DetailLoad {
    std::string_view method;   // "GetEndeClieNorm"
    std::string_view provider; // "dspEndeClieNorm"
    std::string_view params;   // the parameters the arguments bind to, in order: "P_CDCLIENTE"
};

std::span<const DetailLoad> detailLoads();
const DetailLoad* findDetailLoad(std::string_view method); // case-insensitive; nullptr when unknown

// The provider's rows for the arguments; Error when they are fewer than the parameters.
DataPacket loadDetail(db::Connection& conn, const DetailLoad& load, const VariantArray& args);

// GetContCtbl(code, all-flag, levels): every account ("T") or the one with the code; accounts below the
// mask's number of levels (when it is given, 1 to 9) are left out.
DataPacket loadLedgerAccounts(db::Connection& conn, const VariantArray& args);

// GetInfoPaginaDadosAdicionais(index code, all-flag, customer code): ["S", index packet, messages packet].
Variant loadAdditionalData(db::Connection& conn, const VariantArray& args);

// getRetECF(): [retention codes by CDRETECF, customers by name for the retention picker].
Variant loadRetentionCodes(db::Connection& conn);

} // namespace vq::server

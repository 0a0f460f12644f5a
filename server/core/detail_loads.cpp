#include "server/core/detail_loads.h"

#include "contract/all_flag.h"
#include "platform/data/error.h"
#include "platform/db/sql_text.h"
#include "server/core/provider.h"

#include <string>

namespace vq::server {

namespace {

constexpr std::string_view kByCustomer = "P_CDCLIENTE";

constexpr DetailLoad kDetailLoads[] = {
    {"GetEndeClieNorm", "dspEndeClieNorm", kByCustomer},
    {"GetEndeClieCobr", "dspEndeClieCobr", kByCustomer},
    {"GetEndeExt", "dspEndeExt", kByCustomer},
    {"GetEndeExp", "dspEndeExp", kByCustomer},
    {"GetEndEntrega", "dspEndEntrega", kByCustomer},
    {"GetInterloc", "dspInterloc", kByCustomer},
    {"GetCorres", "dspCorres", "P_CDCLIENTE, P_CDINTECLIE"},
    {"GetObserv", "dspObserv", kByCustomer},
    {"GetPrazoPgtoClie", "dspPrazoPgtoClie", kByCustomer},
    {"GetBancoPref", "dspBancoPref", kByCustomer},
    {"GetPrecoBaseCli", "dspPrecoBaseCli", kByCustomer},
    {"GetSocios", "dspSocios", kByCustomer},
    {"GetVendAdicClie", "dspVendAdicClie", kByCustomer},
};

} // namespace

std::span<const DetailLoad> detailLoads() {
    return kDetailLoads;
}

const DetailLoad* findDetailLoad(std::string_view method) {
    for (const DetailLoad& d : kDetailLoads)
        if (db::equalsNoCase(d.method, method))
            return &d;
    return nullptr;
}

DataPacket loadDetail(db::Connection& conn, const DetailLoad& load, const VariantArray& args) {
    db::Params params;
    std::size_t i = 0;
    std::string_view rest = load.params;
    while (!rest.empty()) {
        const auto comma = rest.find(',');
        std::string_view name = rest.substr(0, comma);
        rest = comma == std::string_view::npos ? std::string_view{} : rest.substr(comma + 1);
        while (!name.empty() && name.front() == ' ')
            name.remove_prefix(1);
        if (i >= args.size())
            throw Error(std::string(load.method) + " espera " + std::to_string(i + 1) + " argumento(s).");
        params.emplace(std::string(name), Variant(args[i++].toString()));
    }
    return readPacket(conn, requireProvider(load.provider), {}, params);
}

DataPacket loadLedgerAccounts(db::Connection& conn, const VariantArray& args) {
    std::string where;
    db::Params params;
    if (!contract::isAllFlag(args.at(1).toString())) {
        where = "T.CDCONTCTBL = :P_CDCONTCTBL";
        params.emplace("P_CDCONTCTBL", Variant(args[0].toString()));
    }
    // The level is one digit; a mask of nine levels or more shows every account.
    const std::string levels = args.at(2).toString();
    if (levels.size() == 1 && levels[0] >= '1' && levels[0] <= '8') {
        where += std::string(where.empty() ? "" : " AND ") +
                 "(T.CDNVCONTCTBL IS NULL OR T.CDNVCONTCTBL <= :P_NIVEIS)";
        params.emplace("P_NIVEIS", Variant(levels));
    }
    return readPacket(conn, requireProvider("dspContCtbl"), where, params);
}

Variant loadAdditionalData(db::Connection& conn, const VariantArray& args) {
    std::string where;
    db::Params indexParams;
    if (!contract::isAllFlag(args.at(1).toString())) {
        where = "T.CDINDICE = :P_CDINDICE";
        indexParams.emplace("P_CDINDICE", Variant(args[0].toString()));
    }
    auto indexes = std::make_shared<const DataPacket>(
        readPacket(conn, requireProvider("dspIndice"), where, indexParams));
    auto messages = std::make_shared<const DataPacket>(readPacket(
        conn, requireProvider("dspMensCliente"), {}, {{"P_CDCLIENTE", Variant(args.at(2).toString())}}));
    return Variant(VariantArray{Variant("S"), Variant(std::move(indexes)), Variant(std::move(messages))});
}

Variant loadRetentionCodes(db::Connection& conn) {
    auto codes = std::make_shared<const DataPacket>(readPacket(conn, requireProvider("dspRetECF")));
    auto customers = std::make_shared<const DataPacket>(readPacket(conn, requireProvider("dspClientesECF")));
    return Variant(VariantArray{Variant(std::move(codes)), Variant(std::move(customers))});
}

} // namespace vq::server

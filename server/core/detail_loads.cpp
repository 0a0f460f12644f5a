#include "server/core/detail_loads.h"

#include "contract/all_flag.h"
#include "platform/data/error.h"
#include "platform/db/sql_text.h"
#include "server/core/call_arguments.h"
#include "server/core/provider.h"
#include "server/core/tree_levels.h"

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
    {"GetOrigem", "dspOrigem", ""},
    {"GetProspect", "dspProspect", ""},
    {"GetEndeProsp", "dspEndeProsp", "P_CDPROSPECT"},
    // Prospect conversion.
    {"GetInterProsp", "dspInterProsp", "P_CDPROSPECT"},
    {"GetCorrProsp", "dspCorrProsp", "P_CDINTEPROS, P_CDPROSPECT"},
    {"GetContPros", "dspContPros", "P_CDPROSPECT"},
    {"GetEvolPros", "dspEvolPros", "P_NRCONTATO"},
    {"GetObsPros", "dspObsPros", "P_CDPROSPECT"},
    {"GetTarefa", "dspTarefa", "P_CDPROSPECT"},
    {"GetContato", "dspContato", "P_CDPROSPECT"},
    {"GetMovocorr", "dspMovocorr", "P_CDPROSPECT"},
    {"GetAuditoria", "dspAuditoria", "P_CDPROSPECT"},
    {"GetPropostafas", "dspPropostafas", "P_CDPROSPECT"},
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
    return readPacket(conn, requireProvider(load.provider), {},
                      bindArguments(load.method, load.params, args));
}

DataPacket loadLedgerAccounts(db::Connection& conn, const VariantArray& args) {
    std::string where;
    db::Params params;
    if (!contract::isAllFlag(args.at(1).toString())) {
        where = "T.CDCONTCTBL = :P_CDCONTCTBL";
        params.emplace("P_CDCONTCTBL", Variant(args[0].toString()));
    }
    restrictToLevels(where, params, "T.CDNVCONTCTBL", args.at(2));
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

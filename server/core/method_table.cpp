// Every remote method the server offers, with its argument shape and handler.

#include "platform/data/error.h"
#include "server/core/apply_delta.h"
#include "server/core/customer_filter.h"
#include "server/core/detail_loads.h"
#include "server/core/methods.h"

namespace vq::server {

namespace {

Variant getCliente(Services& s, net::CallContext&, VariantArray& args) {
    const CustomerFilter filter = filterFromArgs(args);
    auto conn = s.pool.acquire();
    return Variant(std::make_shared<const DataPacket>(selectCustomers(*conn, filter)));
}

// Confirmar(delta, provider name): the save primitive of every dataset of the customer form.
Variant confirmar(Services& s, net::CallContext&, VariantArray& args) {
    const Provider& provider = providerToSave(args[1].asString(), Writes::Confirmar);
    auto conn = s.pool.acquire();
    return Variant(static_cast<std::int64_t>(applyDelta(*conn, provider, args[0].asDelta())));
}

// The import sends the change log of its customer dataset alone; its provider is implied.
Variant confirmarImport(Services& s, net::CallContext&, VariantArray& args) {
    const Provider& provider = providerToSave("dspImportCliente", Writes::Import);
    auto conn = s.pool.acquire();
    return Variant(static_cast<std::int64_t>(applyDelta(*conn, provider, args[0].asDelta())));
}

// Every method of the detail-load table: the rows of its provider for the call's arguments.
Variant getDetail(Services& s, net::CallContext& ctx, VariantArray& args) {
    const DetailLoad* load = findDetailLoad(ctx.method);
    if (!load)
        throw Error("Método " + std::string(ctx.method) + " sem provedor de leitura no servidor.");
    auto conn = s.pool.acquire();
    return Variant(std::make_shared<const DataPacket>(loadDetail(*conn, *load, args)));
}

Variant getContCtbl(Services& s, net::CallContext&, VariantArray& args) {
    auto conn = s.pool.acquire();
    return Variant(std::make_shared<const DataPacket>(loadLedgerAccounts(*conn, args)));
}

Variant getInfoPaginaDadosAdicionais(Services& s, net::CallContext&, VariantArray& args) {
    auto conn = s.pool.acquire();
    return loadAdditionalData(*conn, args);
}

Variant getRetEcf(Services& s, net::CallContext&, VariantArray&) {
    auto conn = s.pool.acquire();
    return loadRetentionCodes(*conn);
}

Variant notYetAvailable(Services&, net::CallContext&, VariantArray&) {
    throw Error("Método ainda não disponível.");
}

constexpr MethodDef kMethods[] = {
    {kModuleClientes, "GetCliente", "SSSSSSSSSSSSSSSS", getCliente},
    {kModuleClientes, "Confirmar", "ds", confirmar},
    {kModuleClientes, "GetEndeClieNorm", "s", getDetail},
    {kModuleClientes, "GetEndeClieCobr", "s", getDetail},
    {kModuleClientes, "GetEndeExt", "s", getDetail},
    {kModuleClientes, "GetEndeExp", "s", getDetail},
    {kModuleClientes, "GetEndEntrega", "s", getDetail},
    {kModuleClientes, "GetInterloc", "s", getDetail},
    {kModuleClientes, "GetCorres", "ss", getDetail},
    {kModuleClientes, "GetObserv", "s", getDetail},
    {kModuleClientes, "GetPrazoPgtoClie", "s", getDetail},
    {kModuleClientes, "GetBancoPref", "s", getDetail},
    {kModuleClientes, "GetPrecoBaseCli", "s", getDetail},
    {kModuleClientes, "GetSocios", "s", getDetail},
    {kModuleClientes, "GetVendAdicClie", "S", getDetail},
    {kModuleClientes, "GetInfoPaginaDadosAdicionais", "sss", getInfoPaginaDadosAdicionais},
    {kModuleClientes, "GetContCtbl", "ssa", getContCtbl},
    {kModuleClientes, "getRetECF", "", getRetEcf},

    {kModuleImport, "Confirmar", "d", confirmarImport},
    {kModuleImport, "GetLayout", "ss", notYetAvailable},
    {kModuleImport, "GetArquivo", "s", notYetAvailable},
    {kModuleImport, "GetDescLayout", "s", notYetAvailable},
    {kModuleImport, "SetUpCliente", "sss", notYetAvailable},
    {kModuleImport, "SetUpSitCliente", "s", notYetAvailable},

    {kModuleEmail, "GetEmailClieFil", "S", notYetAvailable},
    {kModuleEmail, "SetEmailClie", "d", notYetAvailable},
};

} // namespace

std::span<const MethodDef> methodTable() {
    return kMethods;
}

} // namespace vq::server

// Every remote method the server offers, with its argument shape and handler.

#include "platform/data/error.h"
#include "platform/data/log.h"
#include "server/core/address_removal.h"
#include "server/core/apply_delta.h"
#include "server/core/batch_assign.h"
#include "server/core/customer_filter.h"
#include "server/core/customer_removals.h"
#include "server/core/customer_row_checks.h"
#include "server/core/detail_loads.h"
#include "server/core/import_methods.h"
#include "server/core/lookups.h"
#include "server/core/methods.h"
#include "server/core/prosp_methods.h"
#include "server/core/shaped_lookups.h"
#include "server/core/side_list_saves.h"

namespace vq::server {

namespace {

Variant getCliente(Services& s, net::CallContext&, VariantArray& args) {
    const contract::CustomerFilter filter = contract::customerFilterFromArgs(args);
    auto conn = s.pool.acquire();
    return Variant(std::make_shared<const DataPacket>(selectCustomers(*conn, filter)));
}

// Confirmar(delta, provider name): the save primitive of every dataset of the customer form.
Variant confirmar(Services& s, net::CallContext& ctx, VariantArray& args) {
    const Provider& provider = providerToSave(args[1].asString(), Writes::Confirmar);
    auto conn = s.pool.acquire();
    AuditTrail trail(AuditContext::of(ctx));
    return Variant(static_cast<std::int64_t>(applyDelta(*conn, provider, args[0].asDelta(), trail)));
}

// The import sends the change log of its customer dataset alone; its provider is implied.
Variant confirmarImport(Services& s, net::CallContext& ctx, VariantArray& args) {
    const Provider& provider = providerToSave("dspImportCliente", Writes::Import);
    auto conn = s.pool.acquire();
    AuditTrail trail(AuditContext::of(ctx));
    return Variant(static_cast<std::int64_t>(applyDelta(*conn, provider, args[0].asDelta(), trail)));
}

// GetHistCliente(code): the customer's field history, newest first.
Variant getHistCliente(Services& s, net::CallContext&, VariantArray& args) {
    auto conn = s.pool.acquire();
    return Variant(std::make_shared<const DataPacket>(customerHistory(*conn, args[0].asString())));
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

// Every method of the lookup table: the rows its arguments select.
Variant getLookup(Services& s, net::CallContext& ctx, VariantArray& args) {
    const Lookup& lookup = requireLookup(ctx.method);
    auto conn = s.pool.acquire();
    return Variant(std::make_shared<const DataPacket>(lookup.read(*conn, args)));
}

Variant getRamoAtiv(Services& s, net::CallContext&, VariantArray& args) {
    auto conn = s.pool.acquire();
    return Variant(std::make_shared<const DataPacket>(loadActivityBranches(*conn, args)));
}

Variant getTipoTransp(Services& s, net::CallContext&, VariantArray&) {
    auto conn = s.pool.acquire();
    return loadTransportLists(*conn);
}

Variant getPesquisaListaTransp(Services& s, net::CallContext&, VariantArray& args) {
    auto conn = s.pool.acquire();
    return searchCarrierList(*conn, args);
}

Variant getVdSigla(Services& s, net::CallContext&, VariantArray& args) {
    auto conn = s.pool.acquire();
    return Variant(std::make_shared<const DataPacket>(findAbbreviationUsers(*conn, args)));
}

Variant getValidaCliente(Services& s, net::CallContext&, VariantArray& args) {
    auto conn = s.pool.acquire();
    return Variant(std::make_shared<const DataPacket>(countCustomers(*conn, args)));
}

Variant getMesmaRaiz(Services& s, net::CallContext&, VariantArray& args) {
    auto conn = s.pool.acquire();
    return Variant(std::make_shared<const DataPacket>(findSameRootCompanies(*conn, args)));
}

// getInteClie(code, contact): the contact code when the customer already has that contact, "" when free.
Variant getInteClie(Services& s, net::CallContext&, VariantArray& args) {
    auto conn = s.pool.acquire();
    const DataPacket rows = requireLookup("GetVerificaInterlocutor").read(*conn, args);
    if (rows.rowCount() == 0)
        return Variant(std::string());
    return Variant(rows.row(0).at(static_cast<std::size_t>(rows.fieldIndex("CDINTECLIE"))).toString());
}

// The commands that clear one kind of a customer's rows: how many went.
Variant removeRows(Services& s, net::CallContext& ctx, VariantArray& args) {
    auto conn = s.pool.acquire();
    return Variant(runRemovalCommand(*conn, ctx.method, args));
}

Variant setAuxCodCliente(Services& s, net::CallContext&, VariantArray& args) {
    auto conn = s.pool.acquire();
    prepareCustomerDeletion(*conn, args[0]);
    return Variant(true);
}

// The additional-salespeople list sends its change log alone; its provider is implied.
Variant setVendAdicClie(Services& s, net::CallContext&, VariantArray& args) {
    const Provider& provider = requireProvider("dspVendAdicClie");
    auto conn = s.pool.acquire();
    return Variant(static_cast<std::int64_t>(applySideListDelta(*conn, provider, args[0].asDelta())));
}

// Atualiza_Situacao("D", code): the customer form announces an inactivation before the customer's own
// save, which carries IDCLIEATIV and compares it with the value it read. Writing CLIENTE here would make
// that save fail, so the call only checks its arguments and records the fact for the operators.
Variant atualizaSituacao(Services&, net::CallContext&, VariantArray& args) {
    const std::string kind = args[0].isNull() ? std::string() : args[0].asString();
    const std::string code = args[1].isNull() ? std::string() : args[1].asString();
    if (kind != "D")
        throw Error("Atualiza_Situacao: situação \"" + kind + "\" desconhecida.");
    if (code.empty())
        throw Error("Atualiza_Situacao: informe o código do cliente.");
    log::info("Atualiza_Situacao: cliente " + code + " inativado (gravado pelo Confirmar do cliente).");
    return Variant(true);
}

// ExcluirEndereco(code, letter): one secondary address; the answer is a status array or a refusal text.
Variant excluirEndereco(Services& s, net::CallContext&, VariantArray& args) {
    auto conn = s.pool.acquire();
    return deleteSecondaryAddress(*conn, args[0], args[1]);
}

Variant setEmailClie(Services& s, net::CallContext&, VariantArray& args) {
    auto conn = s.pool.acquire();
    return Variant(static_cast<std::int64_t>(saveBranchEmails(*conn, args[0].asDelta())));
}

Variant confirmaListaTP(Services& s, net::CallContext&, VariantArray& args) {
    auto conn = s.pool.acquire();
    return Variant(
        std::make_shared<const DataPacket>(saveCarrierList(*conn, args[0].asDelta(), args[1].toString())));
}

// ValidaPrecoBase(customer, table) and GetValid_Socio(customer, number): may the row be added.
Variant validaPrecoBase(Services& s, net::CallContext&, VariantArray& args) {
    auto conn = s.pool.acquire();
    return Variant(priceTableFree(*conn, args[0].toString(), args[1].toString()));
}

Variant getValidSocio(Services& s, net::CallContext&, VariantArray& args) {
    auto conn = s.pool.acquire();
    return Variant(partnerFree(*conn, args[0].toString(), args[1].toString()));
}

// The batch assignments: one transaction each, progress reported to a client that asked.
Variant setCadAuto(Services& s, net::CallContext& ctx, VariantArray& args) {
    auto conn = s.pool.acquire();
    return Variant(assignRetentions(*conn, ctx, args));
}

Variant getClientesEnd(Services& s, net::CallContext&, VariantArray& args) {
    auto conn = s.pool.acquire();
    return Variant(std::make_shared<const DataPacket>(customersByAddress(*conn, args)));
}

Variant setCadAutoTabPrecoClie(Services& s, net::CallContext& ctx, VariantArray& args) {
    auto conn = s.pool.acquire();
    return Variant(assignPriceTable(*conn, ctx, args));
}

Variant setCadAutGrupoClie(Services& s, net::CallContext& ctx, VariantArray& args) {
    auto conn = s.pool.acquire();
    return Variant(assignGroup(*conn, ctx, args));
}

constexpr MethodDef kMethods[] = {
    {kModuleClientes, contract::kGetCliente, "SSSSSSSSSSSSSSSS", getCliente},
    {kModuleClientes, "Confirmar", "ds", confirmar},
    {kModuleClientes, "GetHistCliente", "s", getHistCliente},
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
    {kModuleClientes, "GetOrigem", "", getDetail},
    {kModuleClientes, "GetProspect", "", getDetail},
    {kModuleClientes, "GetEndeProsp", "s", getDetail},

    {kModuleClientes, "GetParamFiscal", "", getLookup},
    {kModuleClientes, "GetRamoAtiv", "ssas", getRamoAtiv},
    {kModuleClientes, "GetPesqDivulg", "ss", getLookup},
    {kModuleClientes, "GetIdioma", "ss", getLookup},
    {kModuleClientes, "GetVendedor", "ss", getLookup},
    {kModuleClientes, "GetQualifica", "ss", getLookup},
    {kModuleClientes, "GetPesqGrupClie", "ss", getLookup},
    {kModuleClientes, "GetTipContRec", "ss", getLookup},
    {kModuleClientes, "GetTpAjusteRec", "ss", getLookup},
    {kModuleClientes, "GetPesqTpBaixa", "ss", getLookup},
    {kModuleClientes, "GetTipoTransp", "", getTipoTransp},
    {kModuleClientes, "GetVd_TipoTransp", "s", getLookup},
    {kModuleClientes, "GetVd_Transportadora", "ss", getLookup},
    {kModuleClientes, "GetPesquisaListaTransp", "bss", getPesquisaListaTransp},
    {kModuleClientes, "GetTransCliePed", "s", getLookup},
    {kModuleClientes, "GetVdSigla", "ss", getVdSigla},
    {kModuleClientes, "GetProdMatAplic", "s", getLookup},
    {kModuleClientes, "GetPesqAgencia", "ss", getLookup},
    {kModuleClientes, "GetPesqInstCobr", "ss", getLookup},
    {kModuleClientes, "GetVerifiBanco", "ss", getLookup},
    {kModuleClientes, "GetTipoCorr", "ss", getLookup},
    {kModuleClientes, "GetCargoInterloc", "ss", getLookup},
    {kModuleClientes, "GetFuncionario", "ss", getLookup},
    {kModuleClientes, "GetOperador", "ss", getLookup},
    {kModuleClientes, "GetValidaCliente", "sss", getValidaCliente},
    {kModuleClientes, "GetMesmaRaiz", "s", getMesmaRaiz},
    {kModuleClientes, "CNAEFiscal", "s", getLookup},
    {kModuleClientes, "Atualiza_Situacao", "ss", atualizaSituacao},
    {kModuleClientes, "GetVerificaInterlocutor", "ss", getLookup},
    {kModuleClientes, "GetInsEndeClie", "ss", getLookup},
    {kModuleClientes, "GetVdVendAdicClie", "Ss", getLookup},
    {kModuleClientes, "getInteClie", "ss", getInteClie},
    {kModuleClientes, "GetAuxCorres", "sss", getLookup},

    {kModuleClientes, "SetDelPrazoPagamento", "s", removeRows},
    {kModuleClientes, "SetExcPrcBase", "s", removeRows},
    {kModuleClientes, "DelVendAdicClie", "s", removeRows},
    {kModuleClientes, "SetDelEvoInteClie", "ss", removeRows},
    {kModuleClientes, "SetDelMalaClie", "ss", removeRows},
    {kModuleClientes, "SetAuxCodCliente", "s", setAuxCodCliente},
    {kModuleClientes, "SetVendAdicClie", "d", setVendAdicClie},
    {kModuleClientes, "ConfirmaListaTP", "ds", confirmaListaTP},
    {kModuleClientes, "GetEmailClieFil", "S", getLookup},
    {kModuleClientes, "SetEmailClie", "d", setEmailClie},
    {kModuleClientes, "ExcluirEndereco", "ss", excluirEndereco},
    // Preferred banks, base price tables and partners.
    {kModuleClientes, "GetBancoPrio", "ss", getLookup},
    {kModuleClientes, "ValidaPrecoBase", "ss", validaPrecoBase},
    {kModuleClientes, "GetValid_Socio", "ss", getValidSocio},

    {kModuleClientes, "setCadAuto", "SII", setCadAuto},
    {kModuleClientes, "getClientesEnd", "SSSS", getClientesEnd},
    {kModuleClientes, "setCadAutoTabPrecoClie", "sbSSSSS", setCadAutoTabPrecoClie},
    {kModuleClientes, "setCadAutGrupoClie", "sSSSSS", setCadAutGrupoClie},
    // Prospect conversion: each step alone, or all of them at once.
    {kModuleClientes, "ConvertProspect", "ssaabsa", convertProspect},
    {kModuleClientes, "ImportaClienteProspect", "dS", importaClienteProspect},
    {kModuleClientes, "ImportaEnderecoProspect", "dS", importaEnderecoProspect},
    {kModuleClientes, "ImportaInterProsp", "dSS", importaInterProsp},
    {kModuleClientes, "SetExcEndeProsp", "s", setExcEndeProsp},
    {kModuleClientes, "GetInterProsp", "s", getDetail},
    {kModuleClientes, "GetCorrProsp", "ss", getDetail},
    {kModuleClientes, "SetUpMalaProsp", "ssssss", setUpMalaProsp},
    {kModuleClientes, "GetContPros", "s", getDetail},
    {kModuleClientes, "GetEvolPros", "s", getDetail},
    {kModuleClientes, "SetExcInteProsp", "s", setExcInteProsp},
    {kModuleClientes, "GetObsPros", "s", getDetail},
    {kModuleClientes, "SetAcaoProsp", "ss", setAcaoProsp},
    {kModuleClientes, "GetTarefa", "s", getDetail},
    {kModuleClientes, "SetTarefa", "ps", setProspectRows},
    {kModuleClientes, "GetContato", "s", getDetail},
    {kModuleClientes, "SetContato", "ps", setProspectRows},
    {kModuleClientes, "GetMovocorr", "s", getDetail},
    {kModuleClientes, "SetMovocorr", "ps", setProspectRows},
    {kModuleClientes, "GetAuditoria", "s", getDetail},
    {kModuleClientes, "SetAuditoria", "ps", setProspectRows},
    {kModuleClientes, "GetPropostafas", "s", getDetail},
    {kModuleClientes, "SetPropostafas", "ps", setProspectRows},
    {kModuleClientes, "SetDelEstinteresse", "s", setDelProspectPart},
    {kModuleClientes, "SetEscopo", "s", setDelProspectPart},
    {kModuleClientes, "SetProsfilial", "s", setDelProspectPart},
    {kModuleClientes, "SetHisQualPros", "s", setDelProspectPart},
    {kModuleClientes, "SetQualifPros", "s", setDelProspectPart},
    {kModuleClientes, "SetCursoProspect", "s", setDelProspectPart},
    {kModuleClientes, "SetDelProspect", "s", setDelProspectPart},

    {kModuleImport, "Confirmar", "d", confirmarImport},
    {kModuleImport, "GetLayout", "ss", getLayout},
    {kModuleImport, "GetArquivo", "s", getArquivo},
    {kModuleImport, "GetDescLayout", "s", getDescLayout},
    {kModuleImport, "SetUpCliente", "sss", setUpCliente},
    {kModuleImport, "SetUpSitCliente", "s", setUpSitCliente},

    {kModuleEmail, "GetEmailClieFil", "S", getLookup},
    {kModuleEmail, "SetEmailClie", "d", setEmailClie},
};

} // namespace

std::span<const MethodDef> methodTable() {
    return kMethods;
}

} // namespace vq::server

#include "server/core/prosp_methods.h"

#include "contract/prosp_fields.h"
#include "platform/data/error.h"
#include "platform/data/log.h"
#include "platform/db/db_error.h"
#include "platform/db/sql_text.h"
#include "platform/db/transaction.h"
#include "server/core/apply_delta.h"
#include "server/core/prosp_steps.h"
#include "server/core/provider.h"

#include <utility>

namespace vq::server {

namespace {

namespace steps = prospect;

// Runs `work` on a pooled connection in a transaction of its own; returns its answer.
template <typename Work> Variant inTransaction(Services& s, Work&& work) {
    auto conn = s.pool.acquire();
    db::Transaction tx(*conn);
    Variant answer = std::forward<Work>(work)(*conn);
    tx.commit();
    return answer;
}

const char* setMethodProvider(std::string_view method) {
    constexpr std::pair<std::string_view, const char*> kSets[] = {
        {"SetTarefa", "dspTarefa"},           {"SetContato", "dspContato"},
        {"SetMovocorr", "dspMovocorr"},       {"SetAuditoria", "dspAuditoria"},
        {"SetPropostafas", "dspPropostafas"},
    };
    for (const auto& [name, provider] : kSets)
        if (db::equalsNoCase(name, method))
            return provider;
    throw Error("Método " + std::string(method) + " sem provedor de prospect no servidor.");
}

// The database's text without the driver's prefix ("Erro do banco de dados (SQLite): ").
std::string databaseReason(const db::DbError& e) {
    const std::string text = e.what();
    const auto colon = text.find("): ");
    return colon == std::string::npos ? text : text.substr(colon + 3);
}

// The steps after the customer and its addresses are saved, in their order.
VariantArray transfer(db::Connection& conn, const std::string& customer, const std::string& prospect,
                      bool moveContacts, const std::string& operatorCode, DateTime now) {
    steps::moveAddresses(conn, customer, prospect);
    VariantArray moved;
    if (moveContacts)
        for (const auto& [from, to] : steps::moveContacts(conn, customer, prospect))
            moved.emplace_back(VariantArray{Variant(from), Variant(to)});
    steps::deleteProspectContacts(conn, prospect);
    steps::moveObservation(conn, customer, prospect, operatorCode, now);
    steps::moveActions(conn, customer, prospect);
    for (std::string_view provider : steps::repointedProviders()) {
        const Provider& p = requireProvider(provider);
        const DataPacket rows = readPacket(conn, p, {}, {{"P_CDPROSPECT", Variant(prospect)}});
        steps::repointRows(conn, provider, rows, customer);
    }
    for (std::string_view method : steps::deletionMethods())
        steps::deleteProspectPart(conn, method, prospect);
    return moved;
}

} // namespace

Variant convertProspect(Services& s, net::CallContext& ctx, VariantArray& args) {
    const std::string customer = args.at(0).toString();
    const std::string prospect = args.at(1).toString();
    const bool moveContacts = args.at(4).toBool();
    const std::string operatorCode = args.at(5).toString();
    if (args.at(6).isNull())
        throw Error("ConvertProspect: informe a data e hora da conversão.");
    const DateTime now = args.at(6).toDateTime();
    if (customer.empty())
        throw Error("Informe o código do cliente para converter o prospect " + prospect + ".");
    const VariantArray addresses = args.at(3).isNull() ? VariantArray{} : args.at(3).asArray();
    if (addresses.size() > contract::prospect::kAddressKinds.size())
        throw Error("ConvertProspect: são no máximo cinco endereços.");
    return inTransaction(s, [&](db::Connection& conn) {
        try {
            steps::lockProspect(conn, prospect);
            AuditContext who = AuditContext::of(ctx);
            if (!operatorCode.empty()) // the operator the call names, as its moved observation records
                who.operatorCode = operatorCode;
            AuditTrail trail(std::move(who));
            if (!args.at(2).isNull())
                steps::saveCustomer(conn, args.at(2).asDelta(), &trail);
            steps::requireCustomer(conn, customer);
            for (const Variant& address : addresses)
                if (!address.isNull())
                    steps::saveAddress(conn, address.asDelta(), &trail);
            VariantArray moved = transfer(conn, customer, prospect, moveContacts, operatorCode, now);
            log::info("ConvertProspect: prospect " + prospect + " converted into customer " + customer);
            return Variant(VariantArray{Variant(customer), Variant(std::move(moved))});
        } catch (const db::DbError& e) {
            // The database's own refusal, named after the prospect; the transaction rolls everything back.
            log::warn("ConvertProspect: prospect " + prospect + " -> " + customer + ": " + e.what());
            throw Error("Conversão do prospect \"" + prospect + "\" não gravada (" + databaseReason(e) +
                        "); nada foi gravado.");
        }
    });
}

Variant importaClienteProspect(Services& s, net::CallContext& ctx, VariantArray& args) {
    return inTransaction(s, [&](db::Connection& conn) {
        AuditTrail trail(AuditContext::of(ctx));
        return Variant(static_cast<std::int64_t>(steps::saveCustomer(conn, args.at(0).asDelta(), &trail)));
    });
}

Variant importaEnderecoProspect(Services& s, net::CallContext& ctx, VariantArray& args) {
    return inTransaction(s, [&](db::Connection& conn) {
        AuditTrail trail(AuditContext::of(ctx));
        return Variant(static_cast<std::int64_t>(steps::saveAddress(conn, args.at(0).asDelta(), &trail)));
    });
}

Variant importaInterProsp(Services& s, net::CallContext&, VariantArray& args) {
    return inTransaction(s, [&](db::Connection& conn) {
        return Variant(static_cast<std::int64_t>(
            applyDeltaInTransaction(conn, requireProvider("dspInterloc"), args.at(0).asDelta())));
    });
}

Variant setExcEndeProsp(Services& s, net::CallContext&, VariantArray& args) {
    return inTransaction(s, [&](db::Connection& conn) {
        return Variant(steps::deleteProspectAddresses(conn, args.at(0).toString()));
    });
}

Variant setUpMalaProsp(Services& s, net::CallContext&, VariantArray& args) {
    return inTransaction(s, [&](db::Connection& conn) {
        return Variant(steps::moveMailing(conn, args.at(0).toString(), args.at(1).toString(),
                                          args.at(2).toString(), args.at(3).toString()));
    });
}

Variant setExcInteProsp(Services& s, net::CallContext&, VariantArray& args) {
    return inTransaction(s, [&](db::Connection& conn) {
        return Variant(steps::deleteProspectContacts(conn, args.at(0).toString()));
    });
}

Variant setAcaoProsp(Services& s, net::CallContext&, VariantArray& args) {
    return inTransaction(s, [&](db::Connection& conn) {
        return Variant(steps::moveActions(conn, args.at(0).toString(), args.at(1).toString()));
    });
}

Variant setProspectRows(Services& s, net::CallContext& ctx, VariantArray& args) {
    const char* provider = setMethodProvider(ctx.method);
    return inTransaction(s, [&](db::Connection& conn) {
        return Variant(steps::repointRows(conn, provider, args.at(0).asPacket(), args.at(1).toString()));
    });
}

Variant setDelProspectPart(Services& s, net::CallContext& ctx, VariantArray& args) {
    return inTransaction(s, [&](db::Connection& conn) {
        return Variant(steps::deleteProspectPart(conn, ctx.method, args.at(0).toString()));
    });
}

} // namespace vq::server

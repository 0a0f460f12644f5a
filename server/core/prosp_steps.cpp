#include "server/core/prosp_steps.h"

#include "contract/prosp_fields.h"
#include "platform/data/error.h"
#include "platform/data/log.h"
#include "platform/db/db_error.h"
#include "platform/db/sql_text.h"
#include "server/core/apply_delta.h"
#include "server/core/call_arguments.h"
#include "server/core/provider.h"

#include <charconv>

namespace vq::server::prospect {

namespace cp = contract::prospect;

namespace {

// The address providers of the customer form, by kind.
struct AddressProvider {
    char kind;
    std::string_view provider;
};
constexpr AddressProvider kAddressProviders[] = {
    {'P', "dspEndeClieNorm"}, {'C', "dspEndeClieCobr"}, {'E', "dspEndeExt"},
    {'X', "dspEndeExp"},      {'T', "dspEndEntrega"},
};

// Step 7: the prospect's own lists, then the prospect (with its observation).
struct Deletion {
    std::string_view method;
    std::string_view tables;
};
constexpr Deletion kDeletions[] = {
    {"SetDelEstinteresse", "ESTINTERESSE"},  {"SetEscopo", "ESCOPO"},
    {"SetProsfilial", "PROSFILIAL"},         {"SetHisQualPros", "HISQUALPROS"},
    {"SetQualifPros", "QUALIFPROS"},         {"SetCursoProspect", "CURSOPROSP"},
    {"SetDelProspect", "OBSPROS, PROSPECT"},
};

// Step 6: the providers whose rows move, with the table they re-point.
constexpr std::string_view kRepointed[] = {"dspTarefa", "dspContato", "dspMovocorr", "dspAuditoria",
                                           "dspPropostafas"};

// The free-code probe, as the form stored it.
constexpr std::string_view kSqlVInteCli =
    "SELECT CDINTECLIE FROM INTECLIE WHERE CDINTECLIE = :P_CDINTECLIE AND CDCLIENTE = :P_CDCLIENTE";

Variant text(const std::string& s) {
    return Variant(s);
}

// NULL for an empty text: a moved row keeps no trace of its prospect.
Variant orNull(const std::string& s) {
    return s.empty() ? Variant() : Variant(s);
}

bool exists(db::Connection& conn, std::string_view sql, const db::Params& params) {
    return !conn.query(sql, params).empty();
}

// INSERT INTO target (owner columns..., copied customer columns) SELECT :owner params..., prospect
// columns FROM source WHERE condition.
std::string copySql(std::string_view target, std::string_view ownerColumns, std::string_view source,
                    std::span<const cp::FieldPair> pairs, std::string_view where) {
    std::string columns(ownerColumns);
    std::string values;
    for (const std::string& c : nameList(ownerColumns))
        values += (values.empty() ? "" : ", ") + std::string("CAST(:P_") + c + " AS VARCHAR(21))";
    for (const cp::FieldPair& p : pairs) {
        columns += ", " + std::string(p.customer);
        values += ", " + std::string(p.prospect);
    }
    return "INSERT INTO " + std::string(target) + " (" + columns + ") SELECT " + values + " FROM " +
           std::string(source) + " WHERE " + std::string(where);
}

std::string quotedCode(const std::string& code) {
    return "\"" + code + "\"";
}

} // namespace

void lockProspect(db::Connection& conn, const std::string& prospect) {
    const std::string sql =
        conn.dialect() == db::Dialect::PostgreSQL
            ? "SELECT CDPROSPECT FROM PROSPECT WHERE CDPROSPECT = :P_CDPROSPECT FOR UPDATE"
            : "SELECT CDPROSPECT FROM PROSPECT WHERE CDPROSPECT = :P_CDPROSPECT";
    if (prospect.empty() || !exists(conn, sql, {{"P_CDPROSPECT", text(prospect)}}))
        throw Error("Prospect " + quotedCode(prospect) +
                    " não cadastrado ou já convertido em cliente; nada foi gravado.");
}

std::size_t saveCustomer(db::Connection& conn, const Delta& delta, AuditTrail* trail) {
    try {
        return applyDeltaInTransaction(conn, requireProvider("dspCliente"), delta, trail);
    } catch (const db::DbError& e) {
        if (e.kind() == db::DbErrorKind::UniqueViolation)
            throw Error("Cliente já cadastrado com este código; nada foi gravado.");
        throw;
    }
}

std::size_t saveAddress(db::Connection& conn, const Delta& delta, AuditTrail* trail) {
    const int kindField = delta.fieldIndex("IDTPENDECLIE");
    if (kindField < 0)
        throw Error("O delta do endereço não traz o campo IDTPENDECLIE.");
    std::string kind;
    for (const DeltaRow& row : delta.rows()) {
        const Row& values = row.status == UpdateStatus::Inserted ? row.newValues : row.oldValues;
        kind = values.at(static_cast<std::size_t>(kindField)).toString();
        for (const FieldChange& c : row.changes)
            if (c.field == kindField)
                kind = c.value.toString();
    }
    if (delta.rows().empty())
        return 0;
    for (const AddressProvider& a : kAddressProviders)
        if (kind.size() == 1 && kind[0] == a.kind)
            return applyDeltaInTransaction(conn, requireProvider(a.provider), delta, trail);
    throw Error("Tipo de endereço " + quotedCode(kind) + " desconhecido.");
}

void requireCustomer(db::Connection& conn, const std::string& customer) {
    if (customer.empty() || !exists(conn, "SELECT CDCLIENTE FROM CLIENTE WHERE CDCLIENTE = :P_CDCLIENTE",
                                    {{"P_CDCLIENTE", text(customer)}}))
        throw Error("Cliente " + quotedCode(customer) + " não cadastrado; nada foi gravado.");
}

void moveAddresses(db::Connection& conn, const std::string& customer, const std::string& prospect) {
    const auto kinds = conn.query("SELECT IDTPENDEPROS FROM ENDEPROSP WHERE CDPROSPECT = :P_CDPROSPECT AND "
                                  "IDTPENDEPROS <> 'P' ORDER BY IDTPENDEPROS",
                                  {{"P_CDPROSPECT", text(prospect)}});
    std::vector<cp::FieldPair> pairs(std::begin(cp::kAddressGeography), std::end(cp::kAddressGeography));
    pairs.insert(pairs.end(), std::begin(cp::kAddress), std::end(cp::kAddress));
    const std::string sql = copySql("ENDECLIE", "CDCLIENTE, IDTPENDECLIE", "ENDEPROSP", pairs,
                                    "CDPROSPECT = :P_CDPROSPECT AND IDTPENDEPROS = :P_IDTPENDECLIE");
    for (const Row& row : kinds.rows()) {
        const db::Params params{
            {"P_CDCLIENTE", text(customer)}, {"P_CDPROSPECT", text(prospect)}, {"P_IDTPENDECLIE", row.at(0)}};
        if (exists(conn,
                   "SELECT CDCLIENTE FROM ENDECLIE WHERE CDCLIENTE = :P_CDCLIENTE AND IDTPENDECLIE = "
                   ":P_IDTPENDECLIE",
                   params))
            continue;
        conn.execute(sql, params);
    }
    deleteProspectAddresses(conn, prospect);
}

std::int64_t deleteProspectAddresses(db::Connection& conn, const std::string& prospect) {
    return conn.execute("DELETE FROM ENDEPROSP WHERE CDPROSPECT = :P_CDPROSPECT",
                        {{"P_CDPROSPECT", text(prospect)}});
}

std::string freeContactCode(db::Connection& conn, const std::string& customer, const std::string& contact) {
    int n = 0;
    const char* end = contact.data() + contact.size();
    const auto [ptr, ec] = std::from_chars(contact.data(), end, n);
    if (contact.empty() || ec != std::errc() || ptr != end || n < 0)
        throw Error("Interlocutor " + quotedCode(contact) +
                    " do prospect tem código não numérico; nada foi "
                    "gravado.");
    const auto used = [&](const std::string& code) {
        return exists(conn, kSqlVInteCli, {{"P_CDINTECLIE", text(code)}, {"P_CDCLIENTE", text(customer)}});
    };
    // The code as typed first, then the following numbers in two digits.
    if (!used(contact) && contact.size() == 2)
        return contact;
    for (; n <= 99; ++n) {
        const std::string code = (n < 10 ? "0" : "") + std::to_string(n);
        if (!used(code))
            return code;
    }
    throw Error("Não há código livre até 99 para o interlocutor " + quotedCode(contact) + " do cliente " +
                quotedCode(customer) + "; nada foi gravado.");
}

std::vector<MovedContact> moveContacts(db::Connection& conn, const std::string& customer,
                                       const std::string& prospect) {
    const auto contacts = conn.query("SELECT CDINTEPROS FROM INTEPROSP WHERE CDPROSPECT = :P_CDPROSPECT "
                                     "ORDER BY CDINTEPROS",
                                     {{"P_CDPROSPECT", text(prospect)}});
    const std::string insertContact = copySql("INTECLIE", "CDCLIENTE, CDINTECLIE", "INTEPROSP", cp::kContact,
                                              "CDPROSPECT = :P_CDPROSPECT AND CDINTEPROS = :P_CDINTEPROS");
    std::vector<MovedContact> moved;
    for (const Row& row : contacts.rows()) {
        const std::string from = row.at(0).toString();
        const std::string code = freeContactCode(conn, customer, from);
        const db::Params params{{"P_CDCLIENTE", text(customer)},
                                {"P_CDINTECLIE", text(code)},
                                {"P_CDPROSPECT", text(prospect)},
                                {"P_CDINTEPROS", text(from)}};
        conn.execute(insertContact, params);
        conn.execute("INSERT INTO CORINTECLI (CDCLIENTE, CDINTECLIE, CDTIPOCORR) SELECT CAST(:P_CDCLIENTE AS "
                     "VARCHAR(21)), CAST(:P_CDINTECLIE AS VARCHAR(21)), CDTIPOCORR FROM CORRPROSP WHERE "
                     "CDPROSPECT = :P_CDPROSPECT AND CDINTEPROS = :P_CDINTEPROS",
                     params);
        conn.execute("DELETE FROM CORRPROSP WHERE CDPROSPECT = :P_CDPROSPECT AND CDINTEPROS = :P_CDINTEPROS",
                     params);
        moveMailing(conn, from, prospect, customer, code);
        moved.emplace_back(from, code);
    }
    moveCommercialContacts(conn, customer, prospect, moved);
    log::info("prospect " + prospect + ": " + std::to_string(moved.size()) +
              " contact(s) moved to customer " + customer);
    return moved;
}

std::int64_t moveMailing(db::Connection& conn, const std::string& contact, const std::string& prospect,
                         const std::string& customer, const std::string& newContact) {
    return conn.execute("UPDATE MALADIRETA SET CDCLIENTE = :P_CDCLIENTE, CDINTECLIE = :P_CDINTECLIE, "
                        "CDPROSPECT = NULL, CDINTEPROS = NULL WHERE CDPROSPECT = :P_CDPROSPECT AND "
                        "CDINTEPROS = :P_CDINTEPROS",
                        {{"P_CDCLIENTE", text(customer)},
                         {"P_CDINTECLIE", text(newContact)},
                         {"P_CDPROSPECT", text(prospect)},
                         {"P_CDINTEPROS", text(contact)}});
}

void moveCommercialContacts(db::Connection& conn, const std::string& customer, const std::string& prospect,
                            const std::vector<MovedContact>& moved) {
    const std::string fallback = moved.empty() ? std::string() : moved.front().second;
    const auto contacts =
        conn.query("SELECT CDFILIAL, NRCONTATO FROM CONTATO WHERE CDPROSPECT = :P_CDPROSPECT",
                   {{"P_CDPROSPECT", text(prospect)}});
    constexpr std::string_view kHistory =
        "UPDATE EVOLCONTATO SET CDCLIENTE = :P_CDCLIENTE, CDINTECLIE = "
        ":P_CDINTECLIE, CDPROSPECT = NULL, CDINTEPROS = NULL WHERE CDFILIAL = "
        ":P_CDFILIAL AND NRCONTATO = :P_NRCONTATO AND ";
    for (const Row& contact : contacts.rows()) {
        db::Params p{
            {"P_CDFILIAL", contact.at(0)}, {"P_NRCONTATO", contact.at(1)}, {"P_CDCLIENTE", text(customer)}};
        // History naming a moved contact follows it; the rest goes to the first one moved.
        for (const auto& [from, to] : moved) {
            db::Params named = p;
            named.emplace("P_CDINTECLIE", text(to));
            named.emplace("P_CDINTEPROS", text(from));
            conn.execute(std::string(kHistory) + "CDINTEPROS = :P_CDINTEPROS", named);
        }
        p.emplace("P_CDINTECLIE", orNull(fallback));
        conn.execute(std::string(kHistory) +
                         "(CDCLIENTE IS NULL OR CDCLIENTE <> :P_CDCLIENTE OR CDPROSPECT IS NOT NULL)",
                     p);
        p.erase("P_CDINTECLIE");
        conn.execute(
            "UPDATE CONTATO SET CDCLIENTE = :P_CDCLIENTE, IDTPCONTATO = 'C', CDPROSPECT = NULL WHERE "
            "CDFILIAL = :P_CDFILIAL AND NRCONTATO = :P_NRCONTATO",
            p);
    }
}

std::int64_t deleteProspectContacts(db::Connection& conn, const std::string& prospect) {
    const db::Params p{{"P_CDPROSPECT", text(prospect)}};
    conn.execute("DELETE FROM CORRPROSP WHERE CDPROSPECT = :P_CDPROSPECT", p);
    return conn.execute("DELETE FROM INTEPROSP WHERE CDPROSPECT = :P_CDPROSPECT", p);
}

bool moveObservation(db::Connection& conn, const std::string& customer, const std::string& prospect,
                     const std::string& operatorCode, DateTime now) {
    if (exists(conn, "SELECT CDCLIENTE FROM OBSERVCLIE WHERE CDCLIENTE = :P_CDCLIENTE",
               {{"P_CDCLIENTE", text(customer)}}))
        return false;
    const auto observation = conn.query("SELECT DSOBSERVPROS FROM OBSPROS WHERE CDPROSPECT = :P_CDPROSPECT",
                                        {{"P_CDPROSPECT", text(prospect)}});
    if (observation.empty() || observation.rows().at(0).at(0).isNull())
        return false;
    conn.execute("INSERT INTO OBSERVCLIE (CDCLIENTE, DTHROBSCLIE, CDOPERADOR, DSOBSERVCLIE) VALUES "
                 "(:P_CDCLIENTE, :P_DTHROBSCLIE, :P_CDOPERADOR, :P_DSOBSERVCLIE)",
                 {{"P_CDCLIENTE", text(customer)},
                  {"P_DTHROBSCLIE", Variant(now)},
                  {"P_CDOPERADOR", orNull(operatorCode)},
                  {"P_DSOBSERVCLIE", observation.rows().at(0).at(0)}});
    return true;
}

std::int64_t moveActions(db::Connection& conn, const std::string& customer, const std::string& prospect) {
    return conn.execute(
        "UPDATE ACAOPROSP SET CDCLIENTE = :P_CDCLIENTE, CDPROSPECT = NULL WHERE CDPROSPECT = :P_CDPROSPECT",
        {{"P_CDCLIENTE", text(customer)}, {"P_CDPROSPECT", text(prospect)}});
}

std::int64_t repointRows(db::Connection& conn, std::string_view provider, const DataPacket& rows,
                         const std::string& customer) {
    const Provider& p = requireProvider(provider);
    std::string where;
    std::vector<std::pair<std::string, int>> keys;
    for (const ProviderColumn* key : p.keyColumns()) {
        const int field = rows.fieldIndex(key->name);
        if (field < 0)
            throw Error("Os dados de " + std::string(provider) + " não trazem a chave " + key->name + ".");
        where += (where.empty() ? "" : " AND ") + key->name + " = :P_" + key->name;
        keys.emplace_back(key->name, field);
    }
    const std::string sql =
        "UPDATE " + p.table() + " SET CDCLIENTE = :P_CDCLIENTE, CDPROSPECT = NULL WHERE " + where;
    std::int64_t moved = 0;
    for (const Row& row : rows.rows()) {
        db::Params params{{"P_CDCLIENTE", text(customer)}};
        for (const auto& [name, field] : keys)
            params.emplace("P_" + name, row.at(static_cast<std::size_t>(field)));
        moved += conn.execute(sql, params);
    }
    return moved;
}

std::int64_t deleteProspectPart(db::Connection& conn, std::string_view method, const std::string& prospect) {
    for (const Deletion& d : kDeletions) {
        if (!db::equalsNoCase(d.method, method))
            continue;
        std::int64_t removed = 0;
        for (const std::string& table : nameList(d.tables))
            removed += conn.execute("DELETE FROM " + table + " WHERE CDPROSPECT = :P_CDPROSPECT",
                                    {{"P_CDPROSPECT", text(prospect)}});
        return removed;
    }
    throw Error("Método " + std::string(method) + " sem exclusão de prospect no servidor.");
}

std::vector<std::string_view> deletionMethods() {
    std::vector<std::string_view> out;
    for (const Deletion& d : kDeletions)
        out.push_back(d.method);
    return out;
}

std::vector<std::string_view> repointedProviders() {
    return {std::begin(kRepointed), std::end(kRepointed)};
}

} // namespace vq::server::prospect

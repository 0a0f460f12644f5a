#include "server/core/customer_removals.h"

#include "platform/data/error.h"
#include "platform/data/log.h"
#include "platform/db/sql_text.h"
#include "server/core/call_arguments.h"

#include <string>

namespace vq::server {

namespace {

struct RemovalCommand {
    std::string_view method;
    std::string_view table;
    std::string_view params; // the arguments, in order; each is also the column it matches
};

constexpr RemovalCommand kCommands[] = {
    {"SetDelPrazoPagamento", "PRAZOPGTCLIE", "CDCLIENTE"},
    {"SetExcPrcBase", "PRECOBASECLI", "CDCLIENTE"},
    {"DelVendAdicClie", "VENDADICCLIE", "CDCLIENTE"},
    {"SetDelEvoInteClie", "EVOLCONTATO", "CDCLIENTE, CDINTECLIE"},
    {"SetDelMalaClie", "MALADIRETA", "CDCLIENTE, CDINTECLIE"},
};

struct OwnedRows {
    std::string_view owner;  // table of the deleted row
    std::string_view key;    // its key columns, which the owned rows carry under the same names
    std::string_view tables; // tables whose rows it owns
};

// Sales history (contacts, tasks, proposals) names the customer too but is kept: it is the history of the
// prospect it came from, not part of the customer record.
constexpr OwnedRows kOwned[] = {
    {"CLIENTE", "CDCLIENTE",
     "ENDECLIE, INTECLIE, CORINTECLI, OBSERVCLIE, PRAZOPGTCLIE, BANCOPREF, PRECOBASECLI, SOCIOCLIE, "
     "MENSCLIENTE, "
     "VENDADICCLIE, TRANSCLIEPED, EMAILCLIFIL, MALADIRETA"},
    {"INTECLIE", "CDCLIENTE, CDINTECLIE", "CORINTECLI"},
};

// DELETE FROM table WHERE each named column equals its parameter of the same name.
std::int64_t deleteWhere(db::Connection& conn, std::string_view table, std::string_view columns,
                         const db::Params& values) {
    std::string where;
    for (const std::string& c : nameList(columns))
        where += (where.empty() ? "" : " AND ") + c + " = :" + c;
    return conn.execute("DELETE FROM " + std::string(table) + " WHERE " + where, values);
}

} // namespace

std::int64_t runRemovalCommand(db::Connection& conn, std::string_view method, const VariantArray& args) {
    for (const RemovalCommand& c : kCommands)
        if (db::equalsNoCase(c.method, method))
            return deleteWhere(conn, c.table, c.params, bindArguments(c.method, c.params, args));
    throw Error("Método " + std::string(method) + " sem exclusão no servidor.");
}

std::int64_t removeOwnedRows(db::Connection& conn, std::string_view table, const db::Params& key) {
    std::int64_t removed = 0;
    for (const OwnedRows& o : kOwned) {
        if (!db::equalsNoCase(o.owner, table))
            continue;
        std::string described;
        for (const std::string& column : nameList(o.key)) {
            if (!key.contains(column))
                throw Error("A exclusão em " + std::string(table) + " não traz a chave " + column + ".");
            described += " " + column + "=" + key.at(column).toString();
        }
        for (const std::string& owned : nameList(o.tables))
            removed += deleteWhere(conn, owned, o.key, key);
        log::info(std::string(table) + described + " deleted with " + std::to_string(removed) +
                  " rows of its own");
    }
    return removed;
}

void prepareCustomerDeletion(db::Connection& conn, const Variant& code) {
    const std::string text = code.toString();
    if (text.find_first_not_of(' ') == std::string::npos)
        throw Error("Informe o cliente a excluir.");
    if (conn.query("SELECT 1 FROM CLIENTE WHERE CDCLIENTE = :P_CDCLIENTE", {{"P_CDCLIENTE", Variant(text)}})
            .empty())
        throw Error("O cliente " + text + " não está mais cadastrado; nada foi excluído.");
}

} // namespace vq::server

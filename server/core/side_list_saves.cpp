#include "server/core/side_list_saves.h"

#include "platform/data/error.h"
#include "platform/db/db_error.h"
#include "platform/db/transaction.h"
#include "server/core/apply_delta.h"

#include <string>

namespace vq::server {

namespace {

constexpr int kEmailSize = 4000;

int requireField(const Delta& delta, std::string_view name, std::string_view method) {
    const int index = delta.fieldIndex(name);
    if (index < 0)
        throw Error(std::string(method) + ": o delta não traz o campo " + std::string(name) + ".");
    return index;
}

// Blank and null are the same e-mail: none.
Variant emailValue(const Variant& value) {
    const std::string text = value.toString();
    if (text.find_first_not_of(' ') == std::string::npos)
        return Variant();
    return Variant(text);
}

Variant changedValue(const DeltaRow& row, int field) {
    for (const FieldChange& c : row.changes)
        if (c.field == field)
            return c.value;
    return row.oldValues.at(static_cast<std::size_t>(field));
}

void checkBranch(db::Connection& conn, const db::Params& key) {
    const std::int64_t found =
        conn.query("SELECT COUNT(*) FROM FILIAL F, CLIENTE C WHERE F.CDFILIAL = :P_CDFILIAL AND "
                   "C.CDCLIENTE = :P_CDCLIENTE",
                   key)
            .rows()
            .at(0)
            .at(0)
            .toInt();
    if (found == 0)
        throw Error("Filial " + key.at("P_CDFILIAL").toString() + " ou cliente " +
                    key.at("P_CDCLIENTE").toString() + " não cadastrado; nada foi gravado.");
}

// One branch's e-mail, written only over the value that was read.
void writeEmail(db::Connection& conn, const db::Params& key, const Variant& read, const Variant& wanted) {
    db::Params p = key;
    if (read.isNull()) {
        if (wanted.isNull())
            return;
        p.emplace("P_NEW", wanted);
        if (conn.execute("UPDATE EMAILCLIFIL SET DSEMAILDANFEBOL = :P_NEW WHERE CDCLIENTE = :P_CDCLIENTE AND "
                         "CDFILIAL = :P_CDFILIAL AND DSEMAILDANFEBOL IS NULL",
                         p) == 1)
            return;
        try {
            conn.execute(
                "INSERT INTO EMAILCLIFIL (CDCLIENTE, CDFILIAL, DSEMAILDANFEBOL) VALUES (:P_CDCLIENTE, "
                ":P_CDFILIAL, :P_NEW)",
                p);
        } catch (const db::DbError& e) {
            if (e.kind() == db::DbErrorKind::UniqueViolation) // another user gave the branch an e-mail
                throw Error(std::string(kConflictMessage));
            throw;
        }
        return;
    }
    p.emplace("P_OLD", read);
    std::int64_t affected = 0;
    if (wanted.isNull()) {
        affected = conn.execute("DELETE FROM EMAILCLIFIL WHERE CDCLIENTE = :P_CDCLIENTE AND CDFILIAL = "
                                ":P_CDFILIAL AND DSEMAILDANFEBOL = :P_OLD",
                                p);
    } else {
        p.emplace("P_NEW", wanted);
        affected =
            conn.execute("UPDATE EMAILCLIFIL SET DSEMAILDANFEBOL = :P_NEW WHERE CDCLIENTE = :P_CDCLIENTE "
                         "AND CDFILIAL = :P_CDFILIAL AND DSEMAILDANFEBOL = :P_OLD",
                         p);
    }
    if (affected != 1)
        throw Error(std::string(kConflictMessage));
}

std::string rowValue(const DeltaRow& row, int field) {
    if (row.status == UpdateStatus::Inserted)
        return row.newValues.at(static_cast<std::size_t>(field)).toString();
    return row.status == UpdateStatus::Modified
               ? changedValue(row, field).toString()
               : row.oldValues.at(static_cast<std::size_t>(field)).toString();
}

} // namespace

std::size_t applySideListDelta(db::Connection& conn, const Provider& provider, const Delta& delta) {
    try {
        return applyDelta(conn, provider, delta);
    } catch (const db::DbError& e) {
        if (e.kind() == db::DbErrorKind::UniqueViolation)
            throw Error(std::string(kDuplicateMessage));
        throw;
    }
}

std::size_t saveBranchEmails(db::Connection& conn, const Delta& delta) {
    const int customer = requireField(delta, "CDCLIENTE", "SetEmailClie");
    const int branch = requireField(delta, "CDFILIAL", "SetEmailClie");
    const int email = requireField(delta, "DSEMAILDANFEBOL", "SetEmailClie");
    for (const DeltaRow& row : delta.rows())
        if (row.status == UpdateStatus::Inserted || row.status == UpdateStatus::Deleted)
            throw Error("O e-mail por filial só pode ser alterado: inclusões e exclusões de filiais não são "
                        "aceitas; nada foi gravado.");
    db::Transaction tx(conn);
    std::size_t written = 0;
    for (const DeltaRow& row : delta.rows()) {
        if (row.status != UpdateStatus::Modified)
            continue;
        const db::Params key{{"P_CDCLIENTE", Variant(row.oldValues.at(static_cast<std::size_t>(customer)))},
                             {"P_CDFILIAL", Variant(row.oldValues.at(static_cast<std::size_t>(branch)))}};
        const Variant wanted = emailValue(changedValue(row, email));
        if (wanted.toString().size() > kEmailSize)
            throw Error("O e-mail da filial " + key.at("P_CDFILIAL").toString() +
                        " passa de 4000 caracteres.");
        checkBranch(conn, key);
        writeEmail(conn, key, emailValue(row.oldValues.at(static_cast<std::size_t>(email))), wanted);
        ++written;
    }
    tx.commit();
    return written;
}

DataPacket saveCarrierList(db::Connection& conn, const Delta& delta, const std::string& customer) {
    if (customer.find_first_not_of(' ') == std::string::npos)
        throw Error("Informe o cliente da lista de transportadoras.");
    const int code = requireField(delta, "CDCLIENTE", "ConfirmaListaTP");
    const int number = requireField(delta, "NRINSJURTRAN", "ConfirmaListaTP");
    for (const DeltaRow& row : delta.rows()) {
        if (row.status == UpdateStatus::Unmodified)
            continue;
        if (rowValue(row, code) != customer)
            throw Error("A lista de transportadoras do cliente " + customer +
                        " recebeu linhas de outro cliente; nada foi gravado.");
        if (row.status == UpdateStatus::Deleted)
            continue;
        const std::string carrier = rowValue(row, number);
        const std::int64_t known =
            conn.query("SELECT COUNT(*) FROM TRANSPORT WHERE NRINSJURTRAN = :P_NRINSJURTRAN",
                       {{"P_NRINSJURTRAN", Variant(carrier)}})
                .rows()
                .at(0)
                .at(0)
                .toInt();
        if (known == 0)
            throw Error("Transportadora " + carrier + " não cadastrada; nada foi gravado.");
    }
    const Provider& provider = requireProvider("dspTransCliePed");
    applySideListDelta(conn, provider, delta);
    return readPacket(conn, provider, {}, {{"P_CDCLIENTE", Variant(customer)}});
}

} // namespace vq::server

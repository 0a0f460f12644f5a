#include "server/core/apply_delta.h"

#include "platform/data/error.h"
#include "platform/db/db_error.h"
#include "platform/db/transaction.h"
#include "server/core/customer_removals.h"
#include "server/core/customer_row_checks.h"
#include "server/core/row_numbering.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace vq::server {

namespace {

// The provider column behind each field of the delta; refuses a field the provider does not own.
std::vector<const ProviderColumn*> mapFields(const Provider& provider, const Delta& delta) {
    std::vector<const ProviderColumn*> out;
    for (const auto& f : delta.fields()) {
        const ProviderColumn* col = provider.column(f.name);
        if (!col)
            throw Error("O campo " + f.name + " não pertence ao provedor " + provider.name() + ".");
        out.push_back(col);
    }
    return out;
}

int fieldOf(const std::vector<const ProviderColumn*>& cols, const ProviderColumn* wanted) {
    for (std::size_t i = 0; i < cols.size(); ++i)
        if (cols[i] == wanted)
            return static_cast<int>(i);
    return -1;
}

// The delta field an inserted row takes a derived column from; -1 when the delta lacks it.
int sourceField(const Provider& provider, const std::vector<const ProviderColumn*>& cols,
                const DerivedColumn& derived) {
    return fieldOf(cols, provider.column(derived.from));
}

// Every value that will be written must fit its column: kind and length, checked before anything runs.
void checkValues(const Provider& provider, const Delta& delta,
                 const std::vector<const ProviderColumn*>& cols) {
    for (const auto& row : delta.rows()) {
        if (row.status == UpdateStatus::Inserted) {
            for (std::size_t i = 0; i < cols.size(); ++i)
                if (cols[i]->writable)
                    checkFits(cols[i]->field, row.newValues.at(i));
            for (const DerivedColumn& derived : provider.derivedOnInsert())
                if (const int source = sourceField(provider, cols, derived); source >= 0)
                    checkFits(derived.field, row.newValues.at(static_cast<std::size_t>(source)));
        } else if (row.status == UpdateStatus::Modified) {
            for (const auto& change : row.changes)
                if (cols.at(static_cast<std::size_t>(change.field))->writable)
                    checkFits(cols[static_cast<std::size_t>(change.field)]->field, change.value);
        }
        if (row.status == UpdateStatus::Modified || row.status == UpdateStatus::Deleted)
            for (const ProviderColumn* key : provider.keyColumns())
                if (fieldOf(cols, key) < 0)
                    throw Error("O delta do provedor " + provider.name() + " não traz a chave " + key->name +
                                ".");
    }
}

struct Statement {
    std::string sql;
    db::Params params;
};

// "KEY = :O0 AND COL IS NULL AND ..." over the original values.
void addWhere(Statement& st, const std::vector<const ProviderColumn*>& cols, const DeltaRow& row,
              const std::vector<int>& compared) {
    std::string where;
    for (int i : compared) {
        const ProviderColumn* col = cols[static_cast<std::size_t>(i)];
        const Variant& original = row.oldValues.at(static_cast<std::size_t>(i));
        if (!where.empty())
            where += " AND ";
        if (original.isNull()) {
            where += col->name + " IS NULL";
        } else {
            const std::string p = "O" + std::to_string(i);
            where += col->name + " = :" + p;
            st.params.emplace(p, original);
        }
    }
    st.sql += " WHERE " + where;
}

std::vector<int> keyFields(const Provider& provider, const std::vector<const ProviderColumn*>& cols) {
    std::vector<int> out;
    for (const ProviderColumn* key : provider.keyColumns())
        out.push_back(fieldOf(cols, key));
    return out;
}

std::optional<Statement> insertStatement(const Provider& provider,
                                         const std::vector<const ProviderColumn*>& cols,
                                         const DeltaRow& row) {
    Statement st;
    std::string names, values;
    for (std::size_t i = 0; i < cols.size(); ++i) {
        if (!cols[i]->writable)
            continue;
        const std::string p = "V" + std::to_string(i);
        names += (names.empty() ? "" : ", ") + cols[i]->name;
        values += (values.empty() ? ":" : ", :") + p;
        st.params.emplace(p, row.newValues.at(i));
    }
    for (const DerivedColumn& derived : provider.derivedOnInsert()) {
        const int source = sourceField(provider, cols, derived);
        if (source < 0)
            continue;
        names += ", " + derived.field.name;
        values += ", :V" + std::to_string(source);
    }
    if (names.empty())
        return std::nullopt;
    st.sql = "INSERT INTO " + provider.table() + " (" + names + ") VALUES (" + values + ")";
    return st;
}

std::optional<Statement> updateStatement(const Provider& provider,
                                         const std::vector<const ProviderColumn*>& cols,
                                         const DeltaRow& row) {
    Statement st;
    std::string set;
    std::vector<int> compared = keyFields(provider, cols);
    for (const auto& change : row.changes) {
        const ProviderColumn* col = cols.at(static_cast<std::size_t>(change.field));
        if (!col->writable)
            continue; // display columns follow their codes; the lookup table is not ours to write
        const std::string p = "V" + std::to_string(change.field);
        if (st.params.contains(p))
            continue;
        set += (set.empty() ? "" : ", ") + col->name + " = :" + p;
        st.params.emplace(p, change.value);
        const bool isKey = col->key;
        if (!isKey && col->field.type != FieldType::Blob)
            compared.push_back(change.field);
    }
    if (set.empty())
        return std::nullopt;
    st.sql = "UPDATE " + provider.table() + " SET " + set;
    addWhere(st, cols, row, compared);
    return st;
}

// The deleted row's key by column name, for the rows it owns.
db::Params deletedKey(const Provider& provider, const std::vector<const ProviderColumn*>& cols,
                      const DeltaRow& row) {
    db::Params key;
    for (const ProviderColumn* k : provider.keyColumns())
        key.emplace(k->name, row.oldValues.at(static_cast<std::size_t>(fieldOf(cols, k))));
    return key;
}

// A delete compares the whole row as read: removing a row someone else changed would lose their change
// unseen. Blobs are left out, as in updates.
Statement deleteStatement(const Provider& provider, const std::vector<const ProviderColumn*>& cols,
                          const DeltaRow& row) {
    Statement st{"DELETE FROM " + provider.table(), {}};
    std::vector<int> compared = keyFields(provider, cols);
    for (std::size_t i = 0; i < cols.size(); ++i)
        if (cols[i]->writable && !cols[i]->key && cols[i]->field.type != FieldType::Blob)
            compared.push_back(static_cast<int>(i));
    addWhere(st, cols, row, compared);
    return st;
}

// "CDCLIENTE=J1;IDTPENDECLIE=C": the row's key as the history shows it.
std::string keyText(const Provider& provider, const std::vector<const ProviderColumn*>& cols,
                    const std::vector<Variant>& values) {
    std::string out;
    for (const ProviderColumn* k : provider.keyColumns())
        out += (out.empty() ? "" : ";") + k->name + "=" +
               values.at(static_cast<std::size_t>(fieldOf(cols, k))).toString();
    return out;
}

void recordRow(AuditTrail& trail, const Provider& provider, const std::vector<const ProviderColumn*>& cols,
               const DeltaRow& row) {
    const bool inserted = row.status == UpdateStatus::Inserted;
    const std::vector<Variant>& current = inserted ? row.newValues : row.oldValues;
    const int customerField = fieldOf(cols, provider.column("CDCLIENTE"));
    const Variant customer =
        customerField < 0 ? Variant() : current.at(static_cast<std::size_t>(customerField));
    const std::string key = keyText(provider, cols, current);
    if (row.status == UpdateStatus::Modified) {
        for (const auto& change : row.changes) {
            const auto i = static_cast<std::size_t>(change.field);
            if (cols.at(i)->writable && !(row.oldValues.at(i) == change.value))
                trail.add(provider.table(), key, customer, cols[i]->name, 'A', row.oldValues.at(i),
                          change.value);
        }
        return;
    }
    for (std::size_t i = 0; i < cols.size(); ++i)
        if (cols[i]->writable && !current.at(i).isNull())
            trail.add(provider.table(), key, customer, cols[i]->name, inserted ? 'I' : 'E',
                      inserted ? Variant() : current[i], inserted ? current[i] : Variant());
}

} // namespace

std::size_t applyDelta(db::Connection& conn, const Provider& provider, const Delta& delta) {
    db::Transaction tx(conn);
    const std::size_t written = applyDeltaInTransaction(conn, provider, delta);
    tx.commit();
    return written;
}

std::size_t applyDelta(db::Connection& conn, const Provider& provider, const Delta& delta,
                       AuditTrail& trail) {
    db::Transaction tx(conn);
    const std::size_t written = applyDeltaInTransaction(conn, provider, delta, &trail);
    tx.commit();
    return written;
}

std::size_t applyDeltaInTransaction(db::Connection& conn, const Provider& provider, const Delta& delta) {
    return applyDeltaInTransaction(conn, provider, delta, nullptr);
}

std::size_t applyDeltaInTransaction(db::Connection& conn, const Provider& provider, const Delta& delta,
                                    AuditTrail* trail) {
    if (!conn.inTransaction())
        throw std::logic_error("applyDeltaInTransaction needs an open transaction");
    const auto cols = mapFields(provider, delta);
    checkValues(provider, delta, cols);
    std::size_t written = 0;
    for (const auto& row : delta.rows()) {
        std::optional<Statement> st;
        switch (row.status) {
        case UpdateStatus::Inserted:
            if (numbersRows(provider)) {
                DeltaRow numbered = row;
                numberInsertedRow(conn, provider, cols, numbered.newValues);
                st = insertStatement(provider, cols, numbered);
            } else {
                st = insertStatement(provider, cols, row);
            }
            break;
        case UpdateStatus::Modified:
            st = updateStatement(provider, cols, row);
            break;
        case UpdateStatus::Deleted:
            st = deleteStatement(provider, cols, row);
            break;
        case UpdateStatus::Unmodified:
            break;
        }
        if (!st)
            continue;
        std::int64_t affected = 0;
        try {
            affected = conn.execute(st->sql, st->params);
        } catch (const db::DbError& e) {
            // A row taken meanwhile: the user's words, not the database's.
            const std::string_view text = duplicateRowMessage(provider.table());
            if (e.kind() != db::DbErrorKind::UniqueViolation || text.empty())
                throw;
            throw Error(std::string(text));
        }
        if (affected == 0)
            throw Error(std::string(kConflictMessage));
        if (affected != 1)
            throw Error("A alteração de um registro de " + provider.table() + " atingiria " +
                        std::to_string(affected) + " registros; nada foi gravado.");
        if (row.status == UpdateStatus::Deleted)
            removeOwnedRows(conn, provider.table(), deletedKey(provider, cols, row));
        if (trail)
            recordRow(*trail, provider, cols, row);
        ++written;
    }
    if (trail)
        trail->write(conn);
    return written;
}

} // namespace vq::server

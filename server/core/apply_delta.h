#pragma once
// Confirmar: applies a client dataset's change log to the provider's table, all rows or none.

#include "platform/data/packet.h"
#include "platform/db/connection.h"
#include "server/core/audit_trail.h"
#include "server/core/provider.h"

#include <cstddef>

namespace vq::server {

inline constexpr std::string_view kConflictMessage = "Registro alterado ou excluído por outro usuário.";

// Checks the whole delta first (every field a column of the provider, every value fitting its column),
// then, in one transaction: inserted rows -> INSERT of the table's columns; modified -> UPDATE of the
// changed table columns, WHERE the keys and the changed columns still hold their original values (IS NULL
// for a null original, blobs not compared); deleted -> DELETE WHERE the keys hold their original values.
// A row that matches nothing fails with kConflictMessage, more than one row is an error too; any failure
// rolls everything back and throws vq::Error. A deleted row takes the rows it owns with it in the same
// transaction (customer_removals.h). Returns the number of rows written.
std::size_t applyDelta(db::Connection& conn, const Provider& provider, const Delta& delta);

// The same checks and writes inside the caller's open transaction, which commits or rolls back.
std::size_t applyDeltaInTransaction(db::Connection& conn, const Provider& provider, const Delta& delta);

// The same, writing every changed field to `trail` in the same transaction (audit_trail.h).
std::size_t applyDelta(db::Connection& conn, const Provider& provider, const Delta& delta, AuditTrail& trail);
std::size_t applyDeltaInTransaction(db::Connection& conn, const Provider& provider, const Delta& delta,
                                    AuditTrail* trail);

} // namespace vq::server

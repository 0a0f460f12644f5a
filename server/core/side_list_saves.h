#pragma once
// The saves of the customer's side lists: the e-mail per branch, the carrier list, and the additional
// salespeople's change log. Each applies its rows in one transaction, all or none.

#include "platform/data/packet.h"
#include "platform/db/connection.h"
#include "server/core/provider.h"

#include <cstddef>
#include <string_view>

namespace vq::server {

// Shown when a concurrent user already wrote a row with the same key.
inline constexpr std::string_view kDuplicateMessage =
    "Registro já incluído por outro usuário. Atualize a lista e tente novamente.";

// applyDelta, with a key another user wrote meanwhile reported as kDuplicateMessage.
std::size_t applySideListDelta(db::Connection& conn, const Provider& provider, const Delta& delta);

// SetEmailClie(delta of GetEmailClieFil's rows): only modified rows, keyed by CDCLIENTE + CDFILIAL. A row
// is written only while the stored e-mail is still the one read (no row reads as null): inserted when the
// branch had none, updated, deleted when emptied. Otherwise kConflictMessage and nothing is written.
std::size_t saveBranchEmails(db::Connection& conn, const Delta& delta);

// ConfirmaListaTP(delta, customer code): the customer's carrier list written through dspTransCliePed;
// refuses rows of another customer and carriers nobody registered. Answers the list as saved.
DataPacket saveCarrierList(db::Connection& conn, const Delta& delta, const std::string& customer);

} // namespace vq::server

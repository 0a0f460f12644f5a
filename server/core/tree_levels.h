#pragma once
// Tree codes (ledger accounts, activity branches) carry their level in a one-digit column. A lookup asked
// for the number of levels of the code picture leaves deeper codes out.

#include "platform/data/variant.h"
#include "platform/db/params.h"

#include <string>
#include <string_view>

namespace vq::server {

// Appends "(COLUMN IS NULL OR COLUMN <= :P_NIVEIS)" to `where` (ANDed) when `levels` is one digit from 1
// to 8; a picture of nine levels or more, or no number at all, keeps every level.
void restrictToLevels(std::string& where, db::Params& params, std::string_view levelColumn,
                      const Variant& levels);

} // namespace vq::server

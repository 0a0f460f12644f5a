#include "server/core/tree_levels.h"

namespace vq::server {

void restrictToLevels(std::string& where, db::Params& params, std::string_view levelColumn,
                      const Variant& levels) {
    const std::string text = levels.toString();
    if (text.size() != 1 || text[0] < '1' || text[0] > '8')
        return;
    const std::string column(levelColumn);
    where +=
        std::string(where.empty() ? "" : " AND ") + "(" + column + " IS NULL OR " + column + " <= :P_NIVEIS)";
    params.insert_or_assign("P_NIVEIS", Variant(text));
}

} // namespace vq::server

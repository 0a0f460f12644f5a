#include "server/core/shaped_lookups.h"

#include "server/core/lookups.h"
#include "server/core/tree_levels.h"

namespace vq::server {

DataPacket loadActivityBranches(db::Connection& conn, const VariantArray& args) {
    std::string where;
    db::Params params;
    restrictToLevels(where, params, "T.CDNVATIVCLI", args.size() > 2 ? args[2] : Variant());
    return requireLookup("GetRamoAtiv").read(conn, args, where, params);
}

} // namespace vq::server

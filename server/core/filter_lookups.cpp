#include "server/core/filter_lookups.h"

#include "server/core/provider.h"

namespace vq::server {

DataPacket loadQualifications(db::Connection& conn, const VariantArray& args) {
    const std::string flag = args.at(1).toString();
    if (flag == "T" || flag == "t")
        return readPacket(conn, requireProvider("dspQualifica"));
    return readPacket(conn, requireProvider("dspQualifica"), "T.CDQUALIF = :P_CDQUALIF",
                      {{"P_CDQUALIF", Variant(args.at(0).toString())}});
}

DataPacket loadOrigins(db::Connection& conn) {
    return readPacket(conn, requireProvider("dspOrigem"));
}

} // namespace vq::server

#include "customer/same_root_notice.h"

#include "framework/validation/consiste.h"

#include <algorithm>

namespace vq::customer {
namespace {

std::string valueOf(const DataPacket& packet, std::size_t row, std::string_view field) {
    const int i = packet.fieldIndex(field);
    return i < 0 ? std::string()
                 : Consiste::AllTrim(packet.row(row).at(static_cast<std::size_t>(i)).toString());
}

} // namespace

std::string sameRootList(const DataPacket& companies, std::size_t shown) {
    std::string list;
    const std::size_t n = std::min(shown, companies.rowCount());
    for (std::size_t row = 0; row < n; ++row) {
        if (!list.empty())
            list += "; ";
        list += valueOf(companies, row, "CDCLIENTE") + " - " + valueOf(companies, row, "NMRAZSOCCLIE");
        if (const std::string town = valueOf(companies, row, "NMMUNICIPIO"); !town.empty())
            list += " (" + town + ")";
    }
    return list;
}

} // namespace vq::customer

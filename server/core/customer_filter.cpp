#include "server/core/customer_filter.h"

#include "server/core/provider.h"

#include <array>
#include <string>
#include <string_view>

namespace vq::server {

namespace {

using contract::CustomerFilter;

struct Criterion {
    contract::FilterCriterion CustomerFilter::*of;
    std::string_view param;               // parameter holding the list
    std::array<std::string_view, 2> keys; // expressions a list entry may equal (second may be empty)
};

// T is CLIENTE, E the customer's normal address (see dspCliente).
const Criterion kCriteria[] = {
    {&CustomerFilter::customer, "P_CDCLIENTE", {"T.CDCLIENTE"}},
    {&CustomerFilter::activityBranch, "P_CDATIVCLI", {"T.CDATIVCLI"}},
    {&CustomerFilter::country, "P_CDPAIS", {"E.CDPAIS"}},
    {&CustomerFilter::state, "P_SGESTADO", {"E.SGESTADO", "E.CDPAIS || E.SGESTADO"}},
    {&CustomerFilter::segment, "P_CDSEGMER", {"T.CDSEGMER"}},
    {&CustomerFilter::origin, "P_CDMODODIVULG", {"T.CDMODODIVULG"}},
    {&CustomerFilter::qualification, "P_CDQUALIF", {"T.CDQUALIF"}},
    {&CustomerFilter::municipality, "P_MUNICIPIO", {"E.CDPAIS || E.SGESTADO || E.CDMUNICIPIO"}},
};

} // namespace

DataPacket selectCustomers(db::Connection& conn, const CustomerFilter& filter) {
    const Provider& provider = requireProvider("dspCliente");
    std::string where;
    db::Params params;
    for (const Criterion& c : kCriteria) {
        const contract::FilterCriterion& wanted = filter.*c.of;
        if (wanted.all)
            continue;
        std::string test;
        for (std::string_view key : c.keys)
            if (!key.empty())
                test += std::string(test.empty() ? "" : " OR ") + "INSTR(:" + std::string(c.param) +
                        ", '_' || " + std::string(key) + " || '_') > 0";
        where += std::string(where.empty() ? "" : " AND ") + "(" + test + ")";
        params.emplace(std::string(c.param), wanted.list);
    }
    return readPacket(conn, provider, where, params);
}

} // namespace vq::server

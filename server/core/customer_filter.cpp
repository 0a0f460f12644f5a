#include "server/core/customer_filter.h"

#include "platform/data/error.h"
#include "server/core/provider.h"

#include <string_view>

namespace vq::server {

namespace {

struct Criterion {
    std::string_view param;               // parameter holding the list
    std::array<std::string_view, 2> keys; // expressions a list entry may equal (second may be empty)
};

// T is CLIENTE, E the customer's normal address (see dspCliente).
const Criterion kCriteria[8] = {
    {"P_CDCLIENTE", {"T.CDCLIENTE"}}, {"P_CDATIVCLI", {"T.CDATIVCLI"}},
    {"P_CDPAIS", {"E.CDPAIS"}},       {"P_SGESTADO", {"E.SGESTADO", "E.CDPAIS || E.SGESTADO"}},
    {"P_CDSEGMER", {"T.CDSEGMER"}},   {"P_CDMODODIVULG", {"T.CDMODODIVULG"}},
    {"P_CDQUALIF", {"T.CDQUALIF"}},   {"P_MUNICIPIO", {"E.CDPAIS || E.SGESTADO || E.CDMUNICIPIO"}},
};

bool isAll(std::string_view flag) {
    const auto b = flag.find_first_not_of(' ');
    const auto e = flag.find_last_not_of(' ');
    return b != std::string_view::npos && e == b && (flag[b] == 'T' || flag[b] == 't');
}

} // namespace

CustomerFilter filterFromArgs(const VariantArray& args) {
    if (args.size() != 16)
        throw Error("GetCliente espera 16 argumentos.");
    CustomerFilter filter;
    for (std::size_t i = 0; i < 8; ++i)
        filter[i] = {args[2 * i].toString(), args[2 * i + 1].toString()};
    return filter;
}

DataPacket selectCustomers(db::Connection& conn, const CustomerFilter& filter) {
    const Provider& provider = requireProvider("dspCliente");
    std::string where;
    db::Params params;
    for (std::size_t i = 0; i < filter.size(); ++i) {
        if (isAll(filter[i].all))
            continue;
        const Criterion& c = kCriteria[i];
        std::string test;
        for (std::string_view key : c.keys)
            if (!key.empty())
                test += std::string(test.empty() ? "" : " OR ") + "INSTR(:" + std::string(c.param) +
                        ", '_' || " + std::string(key) + " || '_') > 0";
        where += std::string(where.empty() ? "" : " AND ") + "(" + test + ")";
        params.emplace(std::string(c.param), filter[i].list);
    }
    return readPacket(conn, provider, where, params);
}

} // namespace vq::server

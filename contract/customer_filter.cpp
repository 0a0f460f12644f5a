#include "contract/customer_filter.h"

#include "contract/all_flag.h"
#include "platform/data/error.h"

#include <iterator>

namespace vq::contract {

namespace {
constexpr std::size_t kArgCount = 2 * std::size(kCustomerFilterOrder);
}

VariantArray toArgs(const CustomerFilter& filter) {
    VariantArray args;
    args.reserve(kArgCount);
    for (const auto member : kCustomerFilterOrder) {
        const FilterCriterion& c = filter.*member;
        args.emplace_back(c.all ? std::string() : c.list);
        args.emplace_back(std::string(c.all ? kAllFlag : std::string_view()));
    }
    return args;
}

CustomerFilter customerFilterFromArgs(const VariantArray& args) {
    if (args.size() != kArgCount)
        throw Error(std::string(kGetCliente) + " espera " + std::to_string(kArgCount) + " argumentos.");
    CustomerFilter filter;
    std::size_t i = 0;
    for (const auto member : kCustomerFilterOrder) {
        FilterCriterion& c = filter.*member;
        c.list = args[i++].toString();
        c.all = isAllFlag(args[i++].toString());
    }
    return filter;
}

} // namespace vq::contract

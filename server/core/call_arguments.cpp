#include "server/core/call_arguments.h"

#include "platform/data/error.h"

namespace vq::server {

std::vector<std::string> nameList(std::string_view names) {
    std::vector<std::string> out;
    while (!names.empty()) {
        const auto comma = names.find(',');
        std::string_view item = names.substr(0, comma);
        names = comma == std::string_view::npos ? std::string_view{} : names.substr(comma + 1);
        while (!item.empty() && item.front() == ' ')
            item.remove_prefix(1);
        while (!item.empty() && item.back() == ' ')
            item.remove_suffix(1);
        if (!item.empty())
            out.emplace_back(item);
    }
    return out;
}

db::Params bindArguments(std::string_view method, std::string_view names, const VariantArray& args) {
    db::Params params;
    const std::vector<std::string> list = nameList(names);
    if (args.size() < list.size())
        throw Error(std::string(method) + " espera " + std::to_string(list.size()) + " argumento(s).");
    for (std::size_t i = 0; i < list.size(); ++i)
        params.emplace(list[i], Variant(args[i].toString()));
    return params;
}

} // namespace vq::server

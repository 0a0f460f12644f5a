#include "server/core/call_arguments.h"

#include "platform/data/error.h"

#include <string>

namespace vq::server {

db::Params bindArguments(std::string_view method, std::string_view names, const VariantArray& args) {
    db::Params params;
    std::size_t i = 0;
    std::string_view rest = names;
    while (!rest.empty()) {
        const auto comma = rest.find(',');
        std::string_view name = rest.substr(0, comma);
        rest = comma == std::string_view::npos ? std::string_view{} : rest.substr(comma + 1);
        while (!name.empty() && name.front() == ' ')
            name.remove_prefix(1);
        if (name.empty())
            continue;
        if (i >= args.size())
            throw Error(std::string(method) + " espera " + std::to_string(i + 1) + " argumento(s).");
        params.emplace(std::string(name), Variant(args[i++].toString()));
    }
    return params;
}

} // namespace vq::server

#include "server/core/lookups.h"

#include "contract/all_flag.h"
#include "platform/data/error.h"
#include "platform/db/sql_text.h"
#include "server/core/call_arguments.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace vq::server {

namespace {

bool isBlank(std::string_view text) {
    return text.find_first_not_of(' ') == std::string_view::npos;
}

} // namespace

Lookup::Lookup(const LookupDef& def) : def_(def), provider_(def.read) {
    if (def.all.when != AllRows::Never &&
        !bindArguments(method(), def.params, VariantArray(64)).contains(std::string(def.all.param)))
        throw std::logic_error("lookup " + std::string(method()) + ": " + std::string(def.all.param) +
                               " is not one of its parameters");
}

DataPacket Lookup::read(db::Connection& conn, const VariantArray& args, std::string_view extraWhere,
                        const db::Params& extra) const {
    db::Params params = bindArguments(method(), def_.params, args);
    bool everyRow = false;
    if (def_.all.when != AllRows::Never) {
        const std::string value = params.at(std::string(def_.all.param)).toString();
        everyRow = def_.all.when == AllRows::OnFlag ? contract::isAllFlag(value) : isBlank(value);
    }
    std::string where = everyRow ? std::string() : std::string(def_.key);
    if (!extraWhere.empty())
        where =
            where.empty() ? std::string(extraWhere) : "(" + where + ") AND (" + std::string(extraWhere) + ")";
    for (const auto& [name, value] : extra)
        params.insert_or_assign(name, value);
    return readPacket(conn, provider_, where, params);
}

DataPacket Lookup::readAll(db::Connection& conn) const {
    return readPacket(conn, provider_);
}

std::span<const Lookup> lookups() {
    static const std::vector<Lookup> all = [] {
        std::vector<Lookup> out;
        for (const LookupDef& def : lookupDefs())
            out.emplace_back(def);
        return out;
    }();
    return all;
}

const Lookup* findLookup(std::string_view method) {
    for (const Lookup& l : lookups())
        if (db::equalsNoCase(l.method(), method))
            return &l;
    return nullptr;
}

const Lookup& requireLookup(std::string_view method) {
    if (const Lookup* l = findLookup(method))
        return *l;
    throw Error("Método " + std::string(method) + " sem consulta no servidor.");
}

} // namespace vq::server

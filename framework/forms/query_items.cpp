#include "framework/forms/query_items.h"

#include "platform/data/error.h"

namespace vq::forms {

namespace {

std::string itemOf(const TADOIBQuery& query, std::string_view item) {
    if (item == "state")
        return query.Active() ? "1" : "0";
    if (item == "recordCount")
        return std::to_string(query.Active() ? query.RecordCount() : 0);
    if (!query.Active())
        throw Error("A consulta " + query.name() + " está fechada.");
    return query.DisplayText(item); // throws for a column it does not have
}

} // namespace

gui::FormBase::ItemReader queryItems(std::vector<const TADOIBQuery*> queries) {
    return [queries = std::move(queries)](std::string_view owner,
                                          std::string_view item) -> std::optional<std::string> {
        for (const TADOIBQuery* query : queries)
            if (query->name() == owner)
                return itemOf(*query, item);
        return std::nullopt;
    };
}

} // namespace vq::forms

#include "framework/reports/report_params.h"

#include "platform/data/error.h"

namespace vq::reports {

ReportParams::ReportParams(const std::vector<std::string>& declared) {
    for (const auto& name : declared)
        values_.emplace(name, Variant{});
}

bool ReportParams::exists(std::string_view name) const {
    return values_.find(name) != values_.end();
}

Variant& ReportParams::ParamByName(std::string_view name) {
    const auto it = values_.find(name);
    if (it == values_.end())
        throw Error("Parâmetro " + std::string(name) + " não existe no relatório.");
    return it->second;
}

const Variant& ReportParams::value(std::string_view name) const {
    const auto it = values_.find(name);
    if (it == values_.end())
        throw Error("Parâmetro " + std::string(name) + " não existe no relatório.");
    return it->second;
}

} // namespace vq::reports

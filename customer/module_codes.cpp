#include "customer/module_codes.h"

#include <algorithm>
#include <array>

namespace vq::customer {
namespace {

struct RuleRow {
    ModuleRule rule;
    std::span<const int> codes;
};

constexpr std::array kProspectAware = {16, 63, 64, 69};
constexpr std::array kProspectTab = {33, 64, 69};
constexpr std::array kProspectImport = {33, 63, 64, 69};
constexpr std::array kPersonalisation = {16, 33, 64, 69};
constexpr std::array kAdjustmentMonth = {16};
constexpr std::array kPermit = {9, 13, 26, 75};
constexpr std::array kProspectOnInsert = {16, 33, 63, 64, 69};

constexpr RuleRow kRules[] = {
    {ModuleRule::RequiredSinceDates, kProspectAware},
    {ModuleRule::ProspectTab, kProspectTab},
    {ModuleRule::ProspectImport, kProspectImport},
    {ModuleRule::Personalisation, kPersonalisation},
    {ModuleRule::AdjustmentMonth, kAdjustmentMonth},
    {ModuleRule::FileAbbreviation, kProspectAware},
    {ModuleRule::Permit, kPermit},
    {ModuleRule::DuplicateTaxRefused, kProspectAware},
    {ModuleRule::ShortContactPages, kProspectAware},
    {ModuleRule::ProspectOnInsert, kProspectOnInsert},
};

} // namespace

std::span<const int> moduleCodesOf(ModuleRule rule) {
    for (const RuleRow& row : kRules)
        if (row.rule == rule)
            return row.codes;
    return {};
}

bool appliesIn(ModuleRule rule, int moduleCode) {
    const std::span<const int> codes = moduleCodesOf(rule);
    return std::ranges::find(codes, moduleCode) != codes.end();
}

} // namespace vq::customer

#include "customer/financial_rules.h"

#include <algorithm>

namespace vq::customer {

namespace {

constexpr CodedValue kGuaranteeKinds[] = {{"1", "1 - Fiança Bancária"},
                                          {"2", "2 - Fiança Pessoal"},
                                          {"3", "3 - Hipoteca"},
                                          {"4", "4 - Seguro de Crédito"},
                                          {"9", "9 - Outras"}};
constexpr CodedValue kGuaranteeRanks[] = {{"1", "1 - Primeira"},
                                          {"2", "2 - Segunda"},
                                          {"3", "3 - Terceira"},
                                          {"4", "4 - Quarta"},
                                          {"99", "99 - Outras"}};
constexpr CodedDisplayRule kKindRule{"IDGARANTCLIE", kGuaranteeKinds};
constexpr CodedDisplayRule kRankRule{"IDGRAUGARANT", kGuaranteeRanks};

} // namespace

const CodedDisplayRule& guaranteeKindRule() {
    return kKindRule;
}

const CodedDisplayRule& guaranteeRankRule() {
    return kRankRule;
}

std::string codeOfItem(const CodedDisplayRule& rule, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= rule.values.size())
        return {};
    return std::string(rule.values[static_cast<std::size_t>(index)].stored);
}

std::string approvalKey(std::string_view value, int comboIndex, std::span<const std::string_view, 3> keys) {
    for (int i = 0; i < 3; ++i)
        if (value == std::to_string(i + 1) || comboIndex == i)
            return std::string(keys[static_cast<std::size_t>(i)]);
    return {};
}

std::string approvalValue(int itemIndex) {
    return itemIndex >= 0 && itemIndex <= 2 ? std::to_string(itemIndex + 1) : std::string();
}

int approvalItem(std::string_view value) {
    for (int i = 0; i < 3; ++i)
        if (value == std::to_string(i + 1))
            return i;
    return 3;
}

bool approvalDaysEnabled(int itemIndex, bool changesAllowed) {
    return (itemIndex == 1 || itemIndex == 2) && changesAllowed;
}

bool valueBelowZero(std::string_view text) {
    return !text.empty() && text < std::string_view("0");
}

std::optional<std::string> nextPartnerSequence(std::span<const std::string> used) {
    int highest = 0;
    for (const std::string& s : used)
        if (s.size() <= 2 && !s.empty() &&
            std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; }))
            highest = std::max(highest, std::stoi(s));
    if (highest >= 99)
        return std::nullopt;
    const int next = highest + 1;
    return std::string{static_cast<char>('0' + next / 10), static_cast<char>('0' + next % 10)};
}

} // namespace vq::customer

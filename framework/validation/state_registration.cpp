// Lib71800.ConsisteInscEstad: the state registration of any of the 27 states, or the word "ISENTO".

#include "framework/validation/check_digits.h"
#include "framework/validation/consiste.h"
#include "framework/validation/lib71800.h"
#include "framework/validation/state_rules.h"

#include <algorithm>
#include <array>

namespace vq {

namespace validation {

namespace {

constexpr std::array<StateRule, 27> rules{{
    {"AC", checkAC}, {"AL", checkAL}, {"AM", checkAM}, {"AP", checkAP}, {"BA", checkBA}, {"CE", checkCE},
    {"DF", checkDF}, {"ES", checkES}, {"GO", checkGO}, {"MA", checkMA}, {"MG", checkMG}, {"MS", checkMS},
    {"MT", checkMT}, {"PA", checkPA}, {"PB", checkPB}, {"PE", checkPE}, {"PI", checkPI}, {"PR", checkPR},
    {"RJ", checkRJ}, {"RN", checkRN}, {"RO", checkRO}, {"RR", checkRR}, {"RS", checkRS}, {"SC", checkSC},
    {"SE", checkSE}, {"SP", checkSP}, {"TO", checkTO},
}};

// No state issues a number longer than this; anything longer is refused before any arithmetic.
constexpr std::size_t maxRegistrationLength = 14;

} // namespace

std::span<const StateRule> stateRules() {
    return rules;
}

const StateRule* findStateRule(std::string_view uf) {
    const auto it = std::find_if(rules.begin(), rules.end(), [&](const StateRule& r) { return r.uf == uf; });
    return it == rules.end() ? nullptr : &*it;
}

} // namespace validation

bool Lib71800::ConsisteInscEstad(std::string_view uf, std::string_view number) {
    const validation::StateRule* rule =
        validation::findStateRule(validation::upperAscii(Consiste::AllTrim(uf)));
    if (rule == nullptr)
        return false;
    const std::string trimmed = Consiste::AllTrim(number);
    if (validation::upperAscii(trimmed) == exemptWord)
        return true;
    const std::string compact = validation::compactNumber(trimmed);
    if (compact.empty() || compact.size() > validation::maxRegistrationLength ||
        compact.find_first_not_of('0') == std::string::npos)
        return false;
    return rule->check(compact);
}

} // namespace vq

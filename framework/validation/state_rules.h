#pragma once
// Per-state check-digit rules of the state registration (inscrição estadual). Each rule receives the
// number already compacted (no blanks or . - /, letters upper-cased) and answers whether it is valid.

#include <initializer_list>
#include <span>
#include <string_view>

namespace vq::validation {

using StateCheck = bool (*)(std::string_view number);

struct StateRule {
    std::string_view uf;
    StateCheck check;
};

// The 27 states, alphabetically by abbreviation.
std::span<const StateRule> stateRules();
// The rule of an upper-case abbreviation, or nullptr.
const StateRule* findStateRule(std::string_view uf);

bool checkAC(std::string_view n);
bool checkAL(std::string_view n);
bool checkAM(std::string_view n);
bool checkAP(std::string_view n);
bool checkBA(std::string_view n);
bool checkCE(std::string_view n);
bool checkDF(std::string_view n);
bool checkES(std::string_view n);
bool checkGO(std::string_view n);
bool checkMA(std::string_view n);
bool checkMG(std::string_view n);
bool checkMS(std::string_view n);
bool checkMT(std::string_view n);
bool checkPA(std::string_view n);
bool checkPB(std::string_view n);
bool checkPE(std::string_view n);
bool checkPI(std::string_view n);
bool checkPR(std::string_view n);
bool checkRJ(std::string_view n);
bool checkRN(std::string_view n);
bool checkRO(std::string_view n);
bool checkRR(std::string_view n);
bool checkRS(std::string_view n);
bool checkSC(std::string_view n);
bool checkSE(std::string_view n);
bool checkSP(std::string_view n);
bool checkTO(std::string_view n);

// Shared shapes: nine digits whose last is the modulus-11 digit of the first eight with weights 9..2.
bool standardNine(std::string_view n);
// True when n starts with one of the given two-digit prefixes.
bool startsWithAny(std::string_view n, std::initializer_list<std::string_view> prefixes);

} // namespace vq::validation

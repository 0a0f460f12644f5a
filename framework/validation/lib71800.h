#pragma once
// State registration check of the host framework unit Lib71800 (no Qt).

#include <string_view>

namespace vq::Lib71800 {

// The word that stands for "no state registration".
inline constexpr std::string_view exemptWord = "ISENTO";

// Whether `number` is a valid state registration (inscrição estadual) of the state `uf` (two letters,
// either case, blanks around ignored). Blanks and . - / in the number are ignored; SP accepts a rural
// producer's leading "P". "ISENTO" (either case, blanks around) is valid for every state. An unknown
// state, an empty or all-zero number and any other character are invalid.
bool ConsisteInscEstad(std::string_view uf, std::string_view number);

} // namespace vq::Lib71800

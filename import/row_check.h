#pragma once
// Verif_Dados: the checks an imported row must pass before anything is sent, in order.

#include <string_view>

namespace vq::import {

struct RowIdentity {
    std::string_view code;   // CDCLIENTE
    std::string_view kind;   // IDTPIJURCLIE
    std::string_view number; // NRINSJURCLIE
    std::string_view name;   // NMRAZSOCCLIE
};

// The message key of the first failing check ("CdCliNull", "TipoInsDeve", "NrInscDeve", "RazaoDeve",
// "TpInscInv", "CPFInv", "CGCInv"), or "" when the row passes.
std::string_view rowProblem(const RowIdentity& row);

} // namespace vq::import

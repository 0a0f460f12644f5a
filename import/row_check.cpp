#include "import/row_check.h"

#include "framework/validation/consiste.h"

namespace vq::import {

std::string_view rowProblem(const RowIdentity& row) {
    if (Consiste::EmptyString(row.code))
        return "CdCliNull";
    if (Consiste::EmptyString(row.kind))
        return "TipoInsDeve";
    if (Consiste::EmptyString(row.number))
        return "NrInscDeve";
    if (Consiste::EmptyString(row.name))
        return "RazaoDeve";
    const std::string kind = Consiste::AllTrim(row.kind);
    if (kind != "F" && kind != "J" && kind != "I" && kind != "O")
        return "TpInscInv";
    if (kind == "F" && !Consiste::CPFOk(row.number))
        return "CPFInv";
    if (kind == "J" && !Consiste::CGCOk(row.number))
        return "CGCInv";
    return {};
}

} // namespace vq::import

// Identity rows the form page adds to its groups (beside its dbeCdInscEsta and dbeDsCNAEFiscal), and the
// billing data on tshGeral of tshDadosPed.

#include "customer/form/layouts.h"

namespace vq::customer::form {
namespace {

using enum gui::Kind;

// clang-format off
constexpr gui::ControlSpec kIdentity[] = {
    {Label, "lblMesmaRaiz", "grbIdent", "", "", "", {0, 2}, {.hidden = true}, bind<&Self::ident, &IdentityControls::lblMesmaRaiz>()},
    {DbEdit, "dbeCodExterno", "grbIdent", "Código Externo", "dtsPadrao", "CDEXCLIENTE", {5, 1}, {.width = 30, .upperCase = true}},
    {DbEdit, "dbeCdAtendi", "grbIdent", "Código de Atendimento", "dtsPadrao", "CDIDCLIENTE", {7, 0}, {.width = 21}},
    {DbDateEdit, "depDtNascFund", "grbIdent", "Dt.Nascimento/Fundação", "dtsPadrao", "DTNASCCLIE", {7, 1}},
    {DbEdit, "dbeCdCNAEFiscal", "grbIdent", "CNAE Fiscal", "dtsPadrao", "CDCNAECLIE", {6, 0}, {.width = 10}},
    {ToolButton, "btnCNAEFiscal", "grbIdent", "...", "", "", {6, 2}, {.hint = "CNAE Fiscal"}},
    {GroupBox, "grbFaturamento", "tshGeral", "Dados para Faturamento", "", "", {1, 0}},
    {DbEdit, "dbeCDEmpresa", "grbFaturamento", "Empresa", "dtsPadrao", "CDEMPRESA", {0, 0}, {.width = 3}},
    {ToolButton, "sbtProcuraEmpresa", "grbFaturamento", "...", "", "", {0, 1}, {.hint = "Empresa"}},
    {DbEdit, "dbeEmpresa", "grbFaturamento", "", "dtsPadrao", "NMEMPRESA", {0, 2}, {.width = 30, .disabled = true, .noTab = true}},
    {DbEdit, "dbeInscEsta", "grbFaturamento", "Insc. Estadual", "dtsPadrao", "CDINSCESTA", {1, 0}, {.width = 16, .upperCase = true}},
    {ToolButton, "btpInscEst", "grbFaturamento", "...", "", "", {1, 1}, {.hint = "Inscrição Estadual"}},
    {DbEdit, "dbeInscMuni", "grbFaturamento", "Insc. Municipal", "dtsPadrao", "CDINSCMUNI", {2, 0}, {.width = 16, .upperCase = true}},
    {ToolButton, "btpInscMuni", "grbFaturamento", "...", "", "", {2, 1}, {.hint = "Inscrição Municipal"}},
};
// clang-format on

} // namespace

std::span<const gui::ControlSpec> identityLayout() {
    return kIdentity;
}

} // namespace vq::customer::form

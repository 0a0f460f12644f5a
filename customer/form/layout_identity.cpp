// Identity rows the form page adds to its groups, and the billing data on tshGeral of tshDadosPed.

#include "customer/form/layouts.h"

namespace vq::customer::form {
namespace {

using enum gui::Kind;

// clang-format off
constexpr gui::ControlSpec kIdentity[] = {
    {DbEdit, "dbeCdInscEsta", "grbIdent", "Inscrição Estadual", "dtsPadrao", "NRINSESTCLIE", {5, 0}, {.width = 20, .upperCase = true}},
    {DbEdit, "dbeCodExterno", "grbIdent", "Código Externo", "dtsPadrao", "CDEXCLIENTE", {5, 1}, {.width = 30, .upperCase = true}},
    {DbEdit, "dbeCdAtendi", "grbIdent", "Código de Atendimento", "dtsPadrao", "CDIDCLIENTE", {6, 0}, {.width = 21}},
    {DbDateEdit, "depDtNascFund", "grbIdent", "Dt.Nascimento/Fundação", "dtsPadrao", "DTNASCCLIE", {6, 1}},
    {DbEdit, "dbeCdCNAEFiscal", "grbClassif", "CNAE Fiscal", "dtsPadrao", "CDCNAECLIE", {7, 0}, {.width = 10}},
    {DbEdit, "dbeDsCNAEFiscal", "grbClassif", "", "dtsPadrao", "DSCNAE", {7, 1}, {.width = 30, .readOnly = true, .noTab = true}},
    {ToolButton, "btnCNAEFiscal", "grbClassif", "...", "", "", {7, 2}, {.hint = "CNAE Fiscal"}},
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

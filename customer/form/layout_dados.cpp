// Tabs "Dados Adicionais", "Dados Fiscais" and "Forma de Pagamento", one table each.

#include "customer/form/layouts.h"

namespace vq::customer::form {
namespace {

using enum gui::Kind;

// clang-format off
constexpr gui::ControlSpec kDadosAdic[] = {
    {TabSheet, "tshDadosAdic", "pgcPadrao", "Dados Adicionais", "", "", {}, {}, bind<&Self::tabs, Tab::DadosAdic, &TabEntry::sheet>()},
    {GroupBox, "grbDadosAdic", "tshDadosAdic", "Dados Adicionais", "", "", {0, 0}},
    {DbEdit, "dbeCdContCtbl", "grbDadosAdic", "Conta Contábil", "dtsPadrao", "CDCONTCTBL", {0, 0}, {.width = 20}, bind<&Self::extra, &AdditionalPages::dbeCdContCtbl>()},
    {DbEdit, "dbeVrMulta", "grbDadosAdic", "Multa (%)", "dtsPadrao", "VRPEMULBCLI", {1, 0}, {.width = 6, .maxLength = 5}, bind<&Self::extra, &AdditionalPages::dbeVrMulta>()},
    {DbEdit, "dbeVrMora", "grbDadosAdic", "Mora Diária (%)", "dtsPadrao", "VRPEMORBCLI", {1, 1}, {.width = 6, .maxLength = 5}, bind<&Self::extra, &AdditionalPages::dbeVrMora>()},
    {GroupBox, "grbMesReaj", "tshDadosAdic", "Mês de Reajuste", "", "", {0, 1}, {}, bind<&Self::extra, &AdditionalPages::grbMesReaj>()},
    {DbComboBox, "dbcMesReaj", "grbMesReaj", "", "dtsPadrao", "NRMESREAJCLIE", {0, 0}, {.items = "Janeiro|Fevereiro|Março|Abril|Maio|Junho|Julho|Agosto|Setembro|Outubro|Novembro|Dezembro", .values = "01|02|03|04|05|06|07|08|09|10|11|12", .style = gui::ComboStyle::DropDownList}, bind<&Self::extra, &AdditionalPages::dbcMesReaj>()},
    {DbGrid, "dbgMensCliente", "tshDadosAdic", "", "dtsMensCliente", "", {1, 0, 1, 2}},
};

constexpr gui::ControlSpec kDadosFiscais[] = {
    {TabSheet, "tshDadosFiscais", "pgcPadrao", "Dados Fiscais", "", "", {}, {}, bind<&Self::tabs, Tab::DadosFiscais, &TabEntry::sheet>()},
    {GroupBox, "grbDadosFiscais", "tshDadosFiscais", "Dados Fiscais", "", "", {0, 0}},
    {ComboBox, "cbbEndCFOP", "grbDadosFiscais", "Endereço para C.F.O.P.", "", "", {0, 0}, {.items = "Endereço do Cliente|Endereço de Cobrança|Endereço do Exterior|Endereço de Exportação|Endereço de Entrega|Endereço da Inscrição Estadual", .values = "P|C|E|X|T|I", .style = gui::ComboStyle::DropDownList}, bind<&Self::extra, &AdditionalPages::cbbEndCFOP>()},
    {ComboBox, "cbbEndCFOPOPres", "grbDadosFiscais", "Endereço para C.F.O.P. (Operação Presencial)", "", "", {1, 0}, {.items = "Endereço do Cliente|Endereço de Cobrança|Endereço do Exterior|Endereço de Exportação|Endereço de Entrega|Endereço da Inscrição Estadual", .values = "P|C|E|X|T|I", .style = gui::ComboStyle::DropDownList}, bind<&Self::extra, &AdditionalPages::cbbEndCFOPOPres>()},
};

constexpr gui::ControlSpec kFormPgto[] = {
    {TabSheet, "tshFormPgto", "pgcPadrao", "Forma de Pagamento", "", "", {}, {}, bind<&Self::tabs, Tab::FormPgto, &TabEntry::sheet>()},
    {GroupBox, "grbFormPgto", "tshFormPgto", "Forma de Pagamento", "", "", {0, 0}},
    {DbRadioGroup, "drgFormPgto", "grbFormPgto", "", "dtsPadrao", "IDTPFORPGTCL", {0, 0, 1, 2}, {.items = "Sem Forma de Pagamento|Pagamento Fixo no Dia|Pela Forma de Pagamento", .values = "X|F|V"}, bind<&Self::extra, &AdditionalPages::drgFormPgto>()},
    {SpinEdit, "speDiaFixo", "grbFormPgto", "Dia Fixo", "", "", {1, 0}, {.min = 1, .max = 31}, bind<&Self::extra, &AdditionalPages::speDiaFixo>()},
    {SpinEdit, "speParcela", "grbFormPgto", "Parcelas", "", "", {1, 1}, {.min = 1, .max = 99}, bind<&Self::extra, &AdditionalPages::speParcela>()},
    {DbGrid, "dbgPrazoPgClie", "tshFormPgto", "", "dtsPrazoPgtoClie", "", {1, 0}},
};
// clang-format on

} // namespace

std::vector<std::span<const gui::ControlSpec>> dataLayouts() {
    return {kDadosAdic, kDadosFiscais, kFormPgto};
}

} // namespace vq::customer::form

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
    // Collection fields; the lookup buttons sit in the free cells beside their codes (payment_layout.cpp).
    {DbEdit, "dbeVrDesc", "grbDadosAdic", "Desconto até Vencimento (%)", "dtsPadrao", "VRPEDESCBCLI", {1, 2}, {.width = 6, .maxLength = 5}, bind<&Self::pay, &PaymentControls::dbeVrDesc>()},
    {DbEdit, "dbeCdContRece", "grbDadosAdic", "Tipo de Conta a Receber", "dtsPadrao", "CDTPCTRECEB", {2, 0}, {.width = 8}, bind<&Self::pay, &PaymentControls::dbeCdContRece>()},
    {DbEdit, "dbeNmContaRece", "grbDadosAdic", "", "dtsPadrao", "DSTPCTRECEB", {2, 2, 1, 2}, {.width = 30, .readOnly = true, .noTab = true}, bind<&Self::pay, &PaymentControls::dbeNmContaRece>()},
    {DbEdit, "dbeCdTpBaixa", "grbDadosAdic", "Tipo de Baixa", "dtsPadrao", "CDTPBAIXAREC", {3, 0}, {.width = 4}, bind<&Self::pay, &PaymentControls::dbeCdTpBaixa>()},
    {DbEdit, "DBEdit2", "grbDadosAdic", "", "dtsPadrao", "NMTPBAIXAREC", {3, 2, 1, 2}, {.width = 30, .readOnly = true, .noTab = true}, bind<&Self::pay, &PaymentControls::DBEdit2>()},
    {DbEdit, "dbeCdTpAjust", "grbDadosAdic", "Tipo de Ajuste", "dtsPadrao", "CDAJUCTREC", {4, 0}, {.width = 6}, bind<&Self::pay, &PaymentControls::dbeCdTpAjust>()},
    {DbRadioGroup, "drgTipoDesc", "grbDadosAdic", "Tipo de Desconto", "dtsPadrao", "IDTPDESCCLIE", {5, 0, 1, 2}, {.items = "Bonificação|Comercial|Sem Desconto", .values = "B|C|S", .columns = 3}, bind<&Self::pay, &PaymentControls::drgTipoDesc>()},
    {DbEdit, "dbePercDesc", "grbDadosAdic", "Valor (%)", "dtsPadrao", "VRPEDESCCLIE", {5, 2}, {.width = 6, .maxLength = 5}, bind<&Self::pay, &PaymentControls::dbePercDesc>()},
    {DbEdit, "dbeMesesInad", "grbDadosAdic", "Meses de inadimplência para bloqueio", "dtsPadrao", "NRMESBLQCLIINAD", {6, 0}, {.width = 7, .maxLength = 6}, bind<&Self::pay, &PaymentControls::dbeMesesInad>()},
    {GroupBox, "grbMesReaj", "tshDadosAdic", "Mês de Reajuste", "", "", {0, 1}, {}, bind<&Self::extra, &AdditionalPages::grbMesReaj>()},
    {DbComboBox, "dbcMesReaj", "grbMesReaj", "", "dtsPadrao", "NRMESREAJCLIE", {0, 0}, {.items = "Janeiro|Fevereiro|Março|Abril|Maio|Junho|Julho|Agosto|Setembro|Outubro|Novembro|Dezembro", .style = gui::ComboStyle::DropDownList}, bind<&Self::extra, &AdditionalPages::dbcMesReaj>()},
    {GroupBox, "grbMensCliente", "tshDadosAdic", "Dados Adicionais para Nota Fiscal", "", "", {1, 0, 1, 2}, {}, bind<&Self::fiscalCtl, &FiscalControls::grbMensCliente>()},
    {DbGrid, "dbgMensCliente", "grbMensCliente", "", "dtsMensCliente", "", {0, 0}, {}, bind<&Self::fiscalCtl, &FiscalControls::dbgMensCliente>()},
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
    {DbRadioGroup, "drgFormPgto", "grbFormPgto", "", "dtsPadrao", "IDTPFORPGTCL", {0, 0, 1, 6}, {.items = "Sem Forma de Pagamento|Pagamento Fixo no Dia|Pela Forma de Pagamento", .values = "X|F|V"}, bind<&Self::extra, &AdditionalPages::drgFormPgto>()},
    {SpinEdit, "speDiaFixo", "grbFormPgto", "", "", "", {1, 0}, {.min = 1, .max = 31}, bind<&Self::extra, &AdditionalPages::speDiaFixo>()},
    {Label, "lblCom", "grbFormPgto", "com", "", "", {1, 1}, {}, bind<&Self::pay, &PaymentControls::lblCom>()},
    {SpinEdit, "speParcela", "grbFormPgto", "", "", "", {1, 2}, {.min = 1, .max = 99}, bind<&Self::extra, &AdditionalPages::speParcela>()},
    {Label, "lblParcelas", "grbFormPgto", "Parcela(s)", "", "", {1, 3}, {}, bind<&Self::pay, &PaymentControls::lblParcelas>()},
    {Label, "lblParenteses", "grbFormPgto", "(", "", "", {1, 4}, {}, bind<&Self::pay, &PaymentControls::lblParenteses>()},
    {DbCheckBox, "dckProxMes", "grbFormPgto", "1ª Próximo Mês )", "dtsPadrao", "IDUTDIAPGTCL", {1, 5}, {.values = "E|I"}, bind<&Self::pay, &PaymentControls::dckProxMes>()},
    {DbEdit, "dbeCdFormPgto", "grbFormPgto", "Forma de Pagamento", "dtsPadrao", "CDFORMPGTO", {2, 0}, {.width = 4}, bind<&Self::pay, &PaymentControls::dbeCdFormPgto>()},
    {DbEdit, "dbeNmFormPgto", "grbFormPgto", "", "dtsPadrao", "NMFORMPGTO", {2, 2, 1, 4}, {.width = 30, .readOnly = true, .noTab = true}, bind<&Self::pay, &PaymentControls::dbeNmFormPgto>()},
    {DbGrid, "dbgPrazoPgClie", "tshFormPgto", "", "dtsPrazoPgtoClie", "", {1, 0}, {}, bind<&Self::pay, &PaymentControls::dbgPrazoPgClie>()},
};
// clang-format on

} // namespace

std::vector<std::span<const gui::ControlSpec>> dataLayouts() {
    return {kDadosAdic, kDadosFiscais, kFormPgto};
}

} // namespace vq::customer::form

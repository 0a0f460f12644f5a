#include "customer/customer_messages.h"

namespace vq::customer {
namespace {

// clang-format off
constexpr MessageText kMsgPadrao[] = {
    // Coded fields shown as words: the texts equal their keys.
    {"Física", "Física"},
    {"Jurídica", "Jurídica"},
    {"Insc. Jurídica", "Insc. Jurídica"},
    {"Outros", "Outros"},
    {"Ativo", "Ativo"},
    {"Inativo", "Inativo"},
    // Tabs and record change.
    {"HINT_EXCLUIR_ENDE", "Excluir %s"},
    {"HINT_EXCLUIR_ENDE_PADR", "Excluir Endereço"},
    // Record commands.
    {"inf_obs", "Observação deve ser informada."},
    {"Imp_prosp", "Deseja importar dados do cadastro de prospect ?"},
    {"Prosp", "Prospect"},
    {"Prosp_ne", "Não há prospect cadastrado."},
    // Payment form, terms and collection fields.
    {"SomaPerc", "Soma do(s) percentual(is) do(s) prazo(s) de pagamento deve totalizar 100%."},
    {"Prazo_inf", "Prazo (dias) de pagamento deve ser informado."},
    {"Prazo_menor", "Prazo (dias) deve ser maior que zero."},
    {"Prazo_JCAD", "Prazo já cadastrado."},
    {"Perc_inf", "Percentual deve ser informado."},
    {"Perc_maior", "Percentual deve ser maior que zero."},
    {"Percent_inv", "Percentual deve estar entre 1 e 100%."},
    {"Prazo_vazio", "Pelo menos um prazo de pagamento deve ser informado."},
    {"FormPgto_inf", "Forma de pagamento deve ser informada."},
    {"FormPgto_cad", "Forma de pagamento não cadastrada."},
    {"VrMulta_Menor", "Percentual multa deve ser maior ou igual a zero."},
    {"VrMulta_Maior", "Percentual multa deve ser menor que 100%."},
    {"VrMora_Menor", "Percentual de mora diário deve ser maior ou igual a zero."},
    {"VrMora_Maior", "Percentual de mora diário deve ser menor que 100%."},
    {"TipContRec_cad", "Tipo de conta a receber não cadastrada."},
    {"TipBaixaRec_cad", "Tipo de baixa a receber não cadastrada."},
    {"ModPgto_Nc", "Modalidade de pagamento não cadastrada."},
    {"MesReaj_Inf", "Mês de reajuste deve ser informado."},
    {"NRDIAS_180", "Número de dias deve ser menor ou igual a 180"},
    {"DtVenc_inv", "Data de validade não pode superar 180 dias."},
};

constexpr MessageText kMsgPadrao02[] = {
    {"TP_PADRAO", "Padrão"},
    {"TP_LISTA", "Lista"},
};
// clang-format on

} // namespace

std::span<const MessageText> msgPadraoTexts() {
    return kMsgPadrao;
}

std::span<const MessageText> msgPadrao02Texts() {
    return kMsgPadrao02;
}

} // namespace vq::customer

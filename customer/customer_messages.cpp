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
    // Addresses and their geography.
    {"Pais_inf", "País deve ser informado."},
    {"Pais_cad", "País não cadastrado."},
    {"Estado_inf", "Estado deve ser informado."},
    {"Estado_cad", "Estado não cadastrado."},
    {"Municipio_Inf", "Munícipio deve ser informado."},
    {"Municipio_cad", "Município não cadastrado."},
    {"end_inf", "Endereço deve ser informado."},
    {"comp_inf", "Complemento deve ser informado."},
    {"cep_inf", "CEP deve ser informado."},
    {"ENDECLIE_VAZIO", "Não existe %s cadastrado para este cliente."},
    {"Excl_EndeClie", "Confirma exclusão do %s?"},
    {"EXCLUINDO_ENDECLIE", "Excluindo %s..."},
    // Record commands.
    {"inf_obs", "Observação deve ser informada."},
    {"Imp_prosp", "Deseja importar dados do cadastro de prospect ?"},
    {"Prosp", "Prospect"},
    {"Prosp_ne", "Não há prospect cadastrado."},
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

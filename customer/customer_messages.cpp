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

#include "framework/forms/form_texts.h"

#include "framework/services/host_catalogue.h"
#include "framework/services/messages.h"

namespace vq::forms {
namespace {

struct Text {
    std::string_view key;
    std::string_view text;
};

// Defaults of the base forms' commands.
constexpr Text kDefaults[] = {
    {"Excl", "Confirma a exclusão do registro?"},
    {"Canc", "Confirma o cancelamento das alterações?"},
    {"N_Excl", "Não há registro para excluir."},
    {"Sair_Edit", "Há alterações não confirmadas. Deseja descartá-las e fechar?"},
    {"Sem_Dados", "Não há dados ligados ao formulário %1."},
    {"Opc_Salvas", "Opções salvas."},
    {"Opc_NaoHa", "Não há opções salvas para %1."},
    {"Arq_Rel_Err", "Arquivo de definição do relatório %1 não encontrado em %2."},
    {"NovoCaption", "Título do Relatório"},
    {"NovoPrompt", "Informe o Título do Relatório"},
    {"Rel_Ja_Cad", "Já existe um relatório com o título %1."},
    {"Rel_Salvo", "Relatório gravado em %1."},
};

} // namespace

std::string formText(const QObject& form, std::string_view key) {
    if (auto own = findMsg(form, key))
        return *own;
    if (auto host = HostCatalogue::instance().find(key))
        return *host;
    const std::string folded = messageKeyFold(key);
    for (const auto& t : kDefaults)
        if (messageKeyFold(t.key) == folded)
            return std::string(t.text);
    return Msg(form, key); // answers the key and logs it
}

std::string formText(const QObject& form, std::string_view key,
                     std::initializer_list<std::string_view> args) {
    return formatMsg(formText(form, key), args);
}

} // namespace vq::forms

#include "import/import_messages.h"

namespace vq::import {

namespace {

constexpr std::string_view kMessages[] = {
    // Layout and reading
    "LayoutDeve|Layout deve ser informado.",
    "LayoutNCad|Layout não cadastrado.",
    "LendoArq|Importando Arquivo",
    "DIR_INVALIDO|Diretório inválido.",
    "ARQUIV_INV|Arquivo inválido.",
    "ARQUIV_VAZIO|Arquivo vazio !",
    "NUM_INV|Erro durante a importação de valor númerico. Verifique o arquivo informado.",
    "DATA_INV|Data inválida.",
    "NUMERO_INV|Número inválido.",
    "TAM_INV|Valor maior que o campo.",
    "LINHA_LONGA|Linha com mais de 65536 bytes; o arquivo não é um texto de importação.",
    "ARQUIV_BIN|Caractere de controle no texto; o arquivo parece conter dados binários.",
    "CODIF_INV|Texto inválido para a codificação UTF-8 do arquivo.",
    "CODIF_NSUP|Codificação do arquivo não suportada (UTF-16 ou UTF-32).",
    "IMP_CANCEL|Importação cancelada.",
    // Checking and upload
    "CdCliNull|Código do cliente deve ser informado no arquivo.",
    "TipoInsDeve|Tipo de inscrição deve ser informado no arquivo.",
    "NrInscDeve|Número de inscrição deve ser informado no arquivo.",
    "RazaoDeve|Razão social deve ser informada no arquivo.",
    "TpInscInv|Tipo de inscrição inválido.",
    "CPFInv|CPF inválido.",
    "CGCInv|CGC Inválido.",
    "ImpSuces|Importação realizada com sucesso.",
    "ImpFalhou|Importação não realizada.",
    "Atual_Oper|Atualizando dados...",
};

} // namespace

std::span<const std::string_view> importMessages() {
    return kMessages;
}

} // namespace vq::import

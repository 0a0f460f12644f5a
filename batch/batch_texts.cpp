#include "batch/batch_texts.h"

namespace vq::batch {

namespace {

constexpr FieldSpec str(std::string_view name, int size, std::string_view label = {}) {
    return FieldSpec{name, FieldType::String, size, label};
}

// clang-format off
constexpr FieldSpec kRetECF[] = {
    FieldSpec{"NRSEQUENCIAL", FieldType::Float}.hidden(),
    str("CDRETECF", 10, "Código"),
    str("DSRETECF", 200, "Descrição").withWidth(100),
    str("IDORGPUB", 1, "Orgão Público"),
    str("IDIRPJ", 1, "IRRF"),
    str("IDCSLL", 1, "CSLL"),
};
constexpr FieldSpec kClientesECF[] = {
    str("IDMARCADO", 1).withWidth(2),
    str("CDCLIENTE", 21).hidden(),
    str("NRINSJURCLIE", 20, "Inscrição"),
    str("NMRAZSOCCLIE", 100, "Razão Social").withWidth(50),
    str("IDTPIJURCLIE", 1).hidden(),
};
constexpr FieldSpec kCliente[] = {
    str("IDMARCADO", 1),
    str("CDCLIENTE", 21).hidden(),
    str("NRINSJURCLIE", 20, "Inscrição"),
    str("NMRAZSOCCLIE", 100, "Razão Social").withWidth(50),
    str("IDTPIJURCLIE", 1).hidden(),
};
constexpr FieldSpec kPrecoBase[] = {
    str("CDPRECOBASE", 2, "Descrição").asRequired().withWidth(2),
    str("DSPRECOBASE", 30, "Nome"),
};
constexpr FieldSpec kGrupoClie[] = {
    str("CDGRUPCLIE", 10, "Código").withWidth(12),
    str("NMGRUPCLIE", 50, "Nome"),
};
// clang-format on

// Keys both assignment forms carry; the question and the group keys differ.
std::vector<std::string> assignmentMessages(const char* question, std::vector<std::string> extra) {
    std::vector<std::string> m = {
        "Cliente|Cliente",
        "CLI_N|Cliente não cadastrado.",
        "SUC|Cadastramento automático realizado com sucesso.",
        question,
        "CLIENTE_DEV|Cliente deve ser informado.",
        "INFO_COD|Tabela de preço deve ser informada.",
        "CODORI_NCAD|Tabela de preço não cadastrada.",
        "Pais_Lis|Não há pais cadastrado.",
        "Pais|País",
        "Estado_Lis|Não há estado cadastrado para o país informado.",
        "Estado|Estado",
        "Mun_Lis|Não há município cadastrado para estado informado.",
        "Municipio|Município",
        "Pais_inf|País deve ser informado.",
        "Estado_inf|Estado deve ser informado.",
        "Mun_inf|Município deve ser informado.",
        "TpEnd_inf|Tipo de endereço do cliente deve ser informado.",
        "NO_CLIENTES|Não foram encontrados clientes de acordo com os dados informados.",
        "S|Sim",
        "N|Não",
        "CODRET_N|Código de retenção de %s não cadastrado.",
        "RET|Retenções",
        "RET_N|Retenções não cadastadas.",
    };
    m.insert(m.end(), extra.begin(), extra.end());
    return m;
}

} // namespace

const std::vector<std::string>& retentionMessages() {
    static const std::vector<std::string> m = {
        "S|Sim",
        "N|Não",
        "CODRET_N|Código de retenção de %s não cadastrado.",
        "Cliente|Cliente",
        "CLI_N|Cliente não cadastrado.",
        "RET|Retenções",
        "RET_N|Retenções não cadastadas.",
        "SUC|Cadastramento automático realizado com sucesso.",
        "CONF_CAD|Confirma cadastramento automático para as retenções e clientes selecionados?",
        "CLIENTE_DEV|Cliente deve ser informado.",
    };
    return m;
}

const std::vector<std::string>& priceTableMessages() {
    static const std::vector<std::string> m = assignmentMessages(
        "CONF_CAD|Confirma cadastramento automático da tabela de preço para os clientes selecionados?", {});
    return m;
}

const std::vector<std::string>& groupMessages() {
    static const std::vector<std::string> m = assignmentMessages(
        "CONF_CAD|Confirma cadastramento automático do Grupo de Clientes para os clientes selecionados?",
        {"INFO_GRUP|Grupo de clientes deve ser informado.", "GRUP_NCAD|Grupo de Clientes não cadastrado."});
    return m;
}

std::span<const FieldSpec> retentionFields() {
    return kRetECF;
}
std::span<const FieldSpec> retentionCustomerFields() {
    return kClientesECF;
}
std::span<const FieldSpec> customerFields() {
    return kCliente;
}
std::span<const FieldSpec> priceTableFields() {
    return kPrecoBase;
}
std::span<const FieldSpec> groupFields() {
    return kGrupoClie;
}

} // namespace vq::batch

#include "filter_report/report_criteria.h"

#include "filter_report/Vqm41201.h"

namespace vq::Vqm41201 {
namespace {

// clang-format off
const Criterion kCriteria[] = {
    {"grbCliente", "Cliente", "rbtTodos", "rbtCliente", "btncliente", "qryCliente", "CDCLIENTE", "P_CDCLIENTE",
     "Cliente", "NAO_HA_CLIENTE", "Cliente_Lis", "Cliente_inf", &UnitState::stCodCliente, true},
    {"grbPaiss", "País", "rbtTPais", "rbtPais", "btnPais", "qryPais", "CDPAIS", "P_CDPAIS",
     "Pais", "NAO_HA_PAIS", "Pais_Lis", "Pais_inf", &UnitState::stCodPais, true},
    {"grbEstado", "Estado", "rbtTEstado", "rbtEstado", "btnEstado", "qryEstado", "ESTADO", "P_SGESTADO",
     "Estado", "NAO_HA_ESTADO", "Estado_Lis", "Estado_inf", &UnitState::stCodEstado, false},
    {"grbMun", "Município", "rbtTMun", "rbtLMun", "btnMun", "qryMunicipio", "MUNICIPIO", "P_CDMUNICIPIO",
     "Municipio", "NAO_HA_Mun", "Mun_Lis", "Mun_inf", &UnitState::stCodMun, false},
    {"grbRamoAtiv", "Ramo de Atividade", "rbtTRamoAtiv", "rbtRamoAtiv", "btnRamoAtiv", "qryRamoAtiv", "CDATIVCLI", "P_CDATIVCLI",
     "Ramo", "NAO_HA_RAMO", "RamoAtiv_Lis", "Ramo_inf", &UnitState::stCodRamoAtiv, true},
    {"grbSegmMerc", "Segmento de Mercado", "rbtTSegmMerc", "rbtSegmMerc", "btnSegmMerc", "qrySegMercado", "CDSEGMER", "P_CDSEGMER",
     "Segmen", "NAO_HA_SEGMENTO", "SegMerc_Lis", "Segm_inf", &UnitState::stCodSegmMerc, true},
};

const std::vector<std::string> kMessages = {
    "Cliente_cad|Cliente não cadastrado.",
    "J|&Insc. (C.G.C.)",
    "F|&Insc. (C.P.F.)",
    "O|&Insc. (Código)",
    "I|&Insc. (Jurídica)",
    "CGC_inv|C.G.C. inválido.",
    "CPF_inv|C.P.F. inválido.",
    "Cliente|Cliente",
    "Ramo|Ramo de Atividade",
    "Segmen|Segmento de Mercado",
    "Pais|País",
    "Estado|Estado",
    "Cliente_inf|Cliente deve ser informado.",
    "Ramo_inf|Ramo de atividade deve ser informado.",
    "Segm_inf|Segmento de mercado deve ser informado.",
    "Pais_inf|País deve ser informado.",
    "Estado_inf|Estado deve ser informado.",
    "NAO_HA_CLIENTE|Não há cliente cadastrado.",
    "NAO_HA_RAMO|Não há ramo de atividade cadastrado.",
    "NAO_HA_SEGMENTO|Não há segmento de mercado cadastrado.",
    "NAO_HA_PAIS|Não há país cadastrado.",
    "NAO_HA_ESTADO|Não há estado cadastrado para o país informado.",
    "Cliente_Lis|Não há cliente cadastrado.",
    "RamoAtiv_Lis|Não há ramo de atividade cadastrado.",
    "SegMerc_Lis|Não há segmento de mercado a cadastrado.",
    "Pais_Lis|Não há país cadastrado.",
    "Estado_Lis|Não há estado cadastrado para a país informado.",
    "Municipio|Município",
    "NAO_HA_Mun|Não há município cadastrado para o estado informado.",
    "Mun_lis|Não há município cadastrado para estado informado.",
    "Mun_inf|Município deve ser informado.",
    "ClieDesdeIni_NI|Cliente desde inicial deve ser informado.",
    "ClieDesdeAte_NI|Cliente desde final deve ser informado.",
    "NascFundIni_NI|Nascimento/Fundação inicial deve ser informado.",
    "NascFundAte_NI|Nascimento/Fundação final deve ser informado.",
    "NascFund_Maior|Nascimento/Fundação inicial deve ser menor ou igual à final.",
    "ClieDesde_Maior|Cliente desde inicial deve ser menor ou igual à final.",
    "SituaClie|Situação deve ser informada.",
};
// clang-format on
// The inherited commands' texts ("Arq_Rel_Err", "NovoCaption", "NovoPrompt", "Rel_Ja_Cad") are the
// report-form base's own.

} // namespace

std::span<const Criterion> criteria() {
    return kCriteria;
}

const std::vector<std::string>& messageItems() {
    return kMessages;
}

} // namespace vq::Vqm41201

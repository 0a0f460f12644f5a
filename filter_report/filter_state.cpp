#include "filter_report/filter_state.h"

#include "platform/data/error.h"

namespace vq::Vqm41202 {
namespace {

using enum RadioRule;
using Sent = contract::CustomerFilter;

// clang-format off
constexpr Criterion kCriteria[] = {
    {"TCLIENTE", &TFILTRO::TCLIENTE, &Sent::customer, &UnitState::stCliente, "grbCliente", "Cliente", "rbtTCliente", "Todos",
     "rbtCliente", "btnCliente", "Prospect", "Não há prospect cadastrado.", "qryCliente", "", "CDCLIENTE",
     "Cliente", "NAO_HA_CLIENTE", "Cli_inf", "stCliente", EnableOnly},
    {"TPAIS", &TFILTRO::TPAIS, &Sent::country, &UnitState::stPais, "grbPaiss", "País", "rbtTPais", "Todos",
     "rbtPais", "btnPais", "País", "Não há país cadastrado.", "qryPais", "", "CDPAIS",
     "Pais", "NAO_HA_PAIS", "pais_inf", "stPais", TabStop},
    {"TESTADO", &TFILTRO::TESTADO, &Sent::state, &UnitState::stEstado, "grbEstado", "Estado", "rbtTEstado", "Todos",
     "rbtEstado", "btnEstado", "Estado", "Não há estado cadastrado.", "qryEstado", "", "SGESTADO",
     "Estado", "NAO_HA_ESTADO", "esta_inf", "stEstado", TabStop},
    {"TMUNICIPIO", &TFILTRO::TMUNICIPIO, &Sent::municipality, &UnitState::stMunicipio, "grbMunicipio", "Município", "rbtTMunicipio",
     "Todas", "rbtMunicipio", "btnMunicipio", "Município", "Não há Município cadastrado.", "qryMunicipio", "",
     "MUNICIPIO", "Municipio", "NAO_HA_Mun", "Muni_inf", "stMunicipio", FollowList},
    {"TRAMO", &TFILTRO::TRAMO, &Sent::activityBranch, &UnitState::stRamo, "grbRamoAtiv", "Ramo de Atividade", "rbtTRamoAtiv", "Todos",
     "rbtRamoAtiv", "btnRamoAtiv", "Ramo de Atividade", "Não há ramo de atividade cadastrado.", "cdsRamoAtiv",
     "GetRamoAtiv", "CDATIVCLI", "Ramo", "NAO_HA_RAMO", "ramo_inf", "stRamo", TabStop},
    {"TSEGMENTO", &TFILTRO::TSEGMENTO, &Sent::segment, &UnitState::stSegmento, "grbSegmMerc", "Segmento de Mercado",
     "rbtTSegmMerc", "Todos", "rbtSegmMerc", "btnSegmMerc", "Segmento de Mercado",
     "Não há segmento de mercado cadastrado.", "qrySegMercado", "", "CDSEGMER", "Segmen", "NAO_HA_SEGMENTO",
     "seg_inf", "stSegmento", TabStop},
    {"TQUALIFICACAO", &TFILTRO::TQUALIFICACAO, &Sent::qualification, &UnitState::stQualifica, "grbQualifica", "Qualificação",
     "rbtTQualifica", "Todos", "rbtQualifica", "btnQualifica", "", "Não há qualificação cadastrado.",
     "cdsQualifica", "GetQualifica", "CDQUALIF", "qualifica", "NAO_HA_QUALIFICA", "qua_inf", "stQualifica",
     TabStop},
    {"TORIGEM", &TFILTRO::TORIGEM, &Sent::origin, &UnitState::stOrigem, "grbOrigem", "Origem", "rbtTOrigem", "Todas",
     "rbtOrigem", "btnOrigem", "Origem", "Não há origem cadastrada.", "cdsOrigem", "GetOrigem", "CDMODODIVULG",
     "ori", "NAO_HA_ORI", "ori_inf", "stOrigem", FollowList},
};
// clang-format on

static_assert(std::size(kCriteria) == kCriterionCount);

} // namespace

UnitState& unit() {
    static UnitState state;
    return state;
}

std::span<const Criterion> criteria() {
    return kCriteria;
}

const Criterion& criterion(std::string_view entryName) {
    for (const Criterion& c : kCriteria)
        if (c.entryName == entryName)
            return c;
    throw Error("Critério de filtro desconhecido: " + std::string(entryName) + ".");
}

} // namespace vq::Vqm41202

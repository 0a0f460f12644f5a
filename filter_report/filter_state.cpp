#include "filter_report/filter_state.h"

#include "platform/data/error.h"

namespace vq::Vqm41202 {
namespace {

constexpr Criterion kCriteria[] = {
    {"TCLIENTE", &TFILTRO::TCLIENTE, &UnitState::stCliente, "rbtTCliente", "rbtCliente", "Cli_inf"},
    {"TPAIS", &TFILTRO::TPAIS, &UnitState::stPais, "rbtTPais", "rbtPais", "pais_inf"},
    {"TESTADO", &TFILTRO::TESTADO, &UnitState::stEstado, "rbtTEstado", "rbtEstado", "esta_inf"},
    {"TMUNICIPIO", &TFILTRO::TMUNICIPIO, &UnitState::stMunicipio, "rbtTMunicipio", "rbtMunicipio",
     "Muni_inf"},
    {"TRAMO", &TFILTRO::TRAMO, &UnitState::stRamo, "rbtTRamoAtiv", "rbtRamoAtiv", "ramo_inf"},
    {"TSEGMENTO", &TFILTRO::TSEGMENTO, &UnitState::stSegmento, "rbtTSegmMerc", "rbtSegmMerc", "seg_inf"},
    {"TQUALIFICACAO", &TFILTRO::TQUALIFICACAO, &UnitState::stQualifica, "rbtTQualifica", "rbtQualifica",
     "qua_inf"},
    {"TORIGEM", &TFILTRO::TORIGEM, &UnitState::stOrigem, "rbtTOrigem", "rbtOrigem", "ori_inf"},
};

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

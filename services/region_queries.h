#pragma once
// The region choice sources shared by the customer data report and the batch assignment forms: countries,
// states keyed by country + abbreviation ("ESTADO"), municipalities keyed by country + abbreviation + code
// ("MUNICIPIO"). One text each for every database (INSTR and || exist on SQLite and PostgreSQL).
//
// A list parameter holds the list picker's form ("_a__b_"), so a row qualifies when its key between
// underscores occurs in it; the "all" switch beside it ("T") lets every row through. A state list holds
// country + state keys, so municipalities are matched by that key, never by the bare abbreviation (an
// abbreviation alone would take a same-named state of another country).
//   qryPais:      no parameters.
//   qryEstado:    P_CDPAIS (country list), P_TODOS ("T": every country).
//   qryMunicipio: P_CDPAIS / P_TCDPAIS (country list / "T"), P_SGESTADO / P_TSGESTADO (state list / "T").
// Header-only data, so the server tests run the same texts on both databases.

#include "platform/data/field.h"

#include <span>
#include <string_view>

namespace vq::services::region {

struct QueryText {
    std::string_view name; // the form component's name
    std::string_view sql;
    std::span<const FieldSpec> fields; // the picker's layout of the rows
    std::string_view keyField;         // what the picker writes into the selection
};

namespace detail {

constexpr FieldSpec str(std::string_view name, int size, std::string_view label = {}) {
    return FieldSpec{name, FieldType::String, size, label};
}

// clang-format off
inline constexpr FieldSpec kPaisFields[] = {
    str("CDPAIS", 4, "Código").asRequired(),
    str("NMPAIS", 30, "Nome"),
};
inline constexpr FieldSpec kEstadoFields[] = {
    str("ESTADO", 6).hidden(),
    str("SGESTADO", 2, "Sigla").asRequired(),
    str("NMESTADO", 30, "Nome"),
    str("NMPAIS", 30).hidden(),
};
inline constexpr FieldSpec kMunicipioFields[] = {
    str("MUNICIPIO", 10).hidden(),
    str("CDMUNICIPIO", 4, "Código").asRequired(),
    str("NMMUNICIPIO", 30, "Nome"),
    str("CDPAIS", 4).hidden(),
    str("SGESTADO", 2).hidden(),
    str("NMPAIS", 30).hidden(),
    str("NMESTADO", 30).hidden(),
};
// clang-format on

} // namespace detail

// clang-format off
inline constexpr QueryText kRegionPais{"qryPais",
    "SELECT CDPAIS, NMPAIS FROM PAIS ORDER BY CDPAIS",
    detail::kPaisFields, "CDPAIS"};

inline constexpr QueryText kRegionEstado{"qryEstado",
    "SELECT ES.CDPAIS || ES.SGESTADO AS ESTADO, ES.SGESTADO, ES.NMESTADO, PA.NMPAIS "
    "FROM ESTADO ES JOIN PAIS PA ON PA.CDPAIS = ES.CDPAIS "
    "WHERE (INSTR(:P_CDPAIS, '_' || ES.CDPAIS || '_') > 0 OR :P_TODOS = 'T') "
    "ORDER BY ES.CDPAIS, ES.SGESTADO",
    detail::kEstadoFields, "ESTADO"};

inline constexpr QueryText kRegionMunicipio{"qryMunicipio",
    "SELECT MU.CDPAIS || MU.SGESTADO || MU.CDMUNICIPIO AS MUNICIPIO, MU.CDMUNICIPIO, MU.NMMUNICIPIO, "
    "MU.CDPAIS, MU.SGESTADO, PA.NMPAIS, ES.NMESTADO "
    "FROM MUNICIPIO MU JOIN ESTADO ES ON ES.CDPAIS = MU.CDPAIS AND ES.SGESTADO = MU.SGESTADO "
    "JOIN PAIS PA ON PA.CDPAIS = MU.CDPAIS "
    "WHERE (INSTR(:P_CDPAIS, '_' || MU.CDPAIS || '_') > 0 OR :P_TCDPAIS = 'T') "
    "AND (INSTR(:P_SGESTADO, '_' || MU.CDPAIS || MU.SGESTADO || '_') > 0 OR :P_TSGESTADO = 'T') "
    "ORDER BY MU.CDPAIS, MU.SGESTADO, MU.CDMUNICIPIO",
    detail::kMunicipioFields, "MUNICIPIO"};
// clang-format on

inline constexpr QueryText kRegionQueries[] = {kRegionPais, kRegionEstado, kRegionMunicipio};

} // namespace vq::services::region

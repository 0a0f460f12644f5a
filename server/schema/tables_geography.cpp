// Countries, states, municipalities and districts. A municipality's code (CDMUNICIPIO, 4 characters) is
// numbered within its state; the 7-digit IBGE code is kept beside it.

#include "server/schema/columns.h"

namespace vq::schema::detail {

namespace {

constexpr Column kPais[] = {str("CDPAIS", 4, kKey), str("NMPAIS", 30, kNotNull), str("SGPAISISO", 2),
                            str("CDPAISBACEN", 5)};

constexpr Column kEstado[] = {str("CDPAIS", 4, kKey), str("SGESTADO", 2, kKey), str("NMESTADO", 30, kNotNull),
                              str("CDIBGEUF", 2)};

constexpr Column kMunicipio[] = {str("CDPAIS", 4, kKey), str("SGESTADO", 2, kKey),
                                 str("CDMUNICIPIO", 4, kKey), str("NMMUNICIPIO", 30, kNotNull),
                                 str("CDIBGE", 7)};

constexpr Column kBairro[] = {str("CDPAIS", 4, kKey), str("SGESTADO", 2, kKey), str("CDMUNICIPIO", 4, kKey),
                              str("CDBAIRRO", 10, kKey), str("NMBAIRRO", 50, kNotNull)};

constexpr Table kTables[] = {
    {"PAIS", kPais},
    {"ESTADO", kEstado},
    {"MUNICIPIO", kMunicipio},
    {"BAIRRO", kBairro},
};

constexpr Index kIndexes[] = {
    {"UX_MUNICIPIO_IBGE", "MUNICIPIO", "CDIBGE", true},
    {"IX_MUNICIPIO_NOME", "MUNICIPIO", "NMMUNICIPIO", false},
};

} // namespace

Subject geographySubject() {
    return {kTables, kIndexes};
}

} // namespace vq::schema::detail

#pragma once
// The geography lookups as stored: one text each, every database. Each level's key parameter is paired
// with an "all" switch named like it with T after "P_": the key with an empty switch gives that row, "T"
// every row of the parent. Header-only data, so the server tests run the same texts on both databases.

#include <string_view>

namespace vq::services::geography {

struct QueryText {
    std::string_view name; // the form component's name
    std::string_view sql;
};

// clang-format off
inline constexpr QueryText kPais{"qryPais",
    "SELECT CDPAIS, NMPAIS FROM PAIS WHERE (CDPAIS = :P_CDPAIS OR :P_TCDPAIS = 'T') ORDER BY CDPAIS"};
inline constexpr QueryText kEstado{"qryEstado",
    "SELECT SGESTADO, NMESTADO FROM ESTADO WHERE (CDPAIS = :P_CDPAIS) AND (SGESTADO = :P_SGESTADO OR "
    ":P_TSGESTADO = 'T') ORDER BY SGESTADO"};
inline constexpr QueryText kMunicipio{"qryMunicipio",
    "SELECT CDMUNICIPIO, NMMUNICIPIO FROM MUNICIPIO WHERE (CDPAIS = :P_CDPAIS) AND (SGESTADO = :P_SGESTADO) "
    "AND (CDMUNICIPIO = :P_CDMUNICIPIO OR :P_TCDMUNICIPIO = 'T') ORDER BY CDMUNICIPIO"};
inline constexpr QueryText kPesqBairro{"qryPesqBairro",
    "SELECT CDBAIRRO, NMBAIRRO FROM BAIRRO WHERE (CDPAIS = :P_CDPAIS) AND (SGESTADO = :P_SGESTADO) AND "
    "(CDMUNICIPIO = :P_CDMUNICIPIO) ORDER BY CDBAIRRO"};
// clang-format on

// The search buttons' titles and empty-list texts, and the columns their lists show.
struct ButtonText {
    std::string_view title;
    std::string_view emptyText;
    std::string_view keyField, keyTitle;
    int keyWidth;
    std::string_view nameField;
    int nameWidth;
};

inline constexpr ButtonText kPaisButton{"País", "Não há país cadastrado.", "CDPAIS", "Código", 4, "NMPAIS",
                                        30};
inline constexpr ButtonText kEstadoButton{
    "Estado", "Não há estado cadastrado para o país informado.", "SGESTADO", "Sigla", 2, "NMESTADO", 30};
inline constexpr ButtonText kMunicipioButton{"Município",
                                             "Não há município cadastrado para o estado informado.",
                                             "CDMUNICIPIO",
                                             "Código",
                                             4,
                                             "NMMUNICIPIO",
                                             30};
inline constexpr ButtonText kBairroButton{
    "Bairro", "Não há bairro cadastrado.", "CDBAIRRO", "Código", 10, "NMBAIRRO", 50};

} // namespace vq::services::geography

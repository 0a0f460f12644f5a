#include "filter_report/filter_queries.h"

#include "framework/validation/consiste.h"
#include "platform/data/client_data_set.h"
#include "platform/data/edit_mask.h"
#include "services/region_queries.h"

namespace vq::Vqm41202 {
namespace {

// A state qualifies when its country occurs in the country list, or every country is wanted; a
// municipality likewise by country and by state. The lists are bound, never pasted.
constexpr ListQuery kQueries[] = {
    {"qryCliente",
     "SELECT NRINSJURCLIE, IDTPIJURCLIE, NMFANTCLIE, NMRAZSOCCLIE, CDCLIENTE FROM CLIENTE ORDER BY CDCLIENTE",
     "", "", ""},
    {"qryPais", services::region::kRegionPais.sql, "", "", ""},
    {"qrySegMercado", "SELECT CDSEGMER, DSSEGMER FROM SEGMERCADO ORDER BY CDSEGMER", "", "", ""},
    {"qryEstado",
     "SELECT ES.SGESTADO, ES.NMESTADO, PA.NMPAIS, ES.CDPAIS || ES.SGESTADO AS ESTADO "
     "FROM PARAM(:P_CDPAIS) P_CDPAIS, ESTADO ES JOIN PAIS PA ON PA.CDPAIS = ES.CDPAIS "
     "WHERE (INSTR(P_CDPAIS.PARAM, ES.CDPAIS) > 0 OR :P_TCDPAIS = 'T') "
     "ORDER BY ES.SGESTADO, ES.CDPAIS",
     "SELECT ES.SGESTADO, ES.NMESTADO, PA.NMPAIS, ES.CDPAIS || ES.SGESTADO AS ESTADO "
     "FROM ESTADO ES JOIN PAIS PA ON PA.CDPAIS = ES.CDPAIS "
     "WHERE (INSTR(:P_CDPAIS, ES.CDPAIS) > 0 OR :P_TCDPAIS = 'T') "
     "ORDER BY ES.SGESTADO, ES.CDPAIS",
     "SELECT ES.SGESTADO, ES.NMESTADO, PA.NMPAIS, ES.CDPAIS + ES.SGESTADO AS ESTADO "
     "FROM ESTADO ES JOIN PAIS PA ON PA.CDPAIS = ES.CDPAIS "
     "WHERE (CHARINDEX(ES.CDPAIS, :P_CDPAIS) > 0 OR :P_TCDPAIS = 'T') "
     "ORDER BY ES.SGESTADO, ES.CDPAIS",
     ""},
    {"qryMunicipio",
     "SELECT MU.CDMUNICIPIO, MU.NMMUNICIPIO, ES.NMESTADO, PA.NMPAIS, MU.CDPAIS, MU.SGESTADO, "
     "MU.CDPAIS || MU.SGESTADO || MU.CDMUNICIPIO AS MUNICIPIO "
     "FROM PARAM(:P_CDPAIS) P_CDPAIS, PARAM(:P_SGESTADO) P_SGESTADO, ESTADO ES "
     "JOIN PAIS PA ON PA.CDPAIS = ES.CDPAIS "
     "JOIN MUNICIPIO MU ON MU.CDPAIS = ES.CDPAIS AND MU.SGESTADO = ES.SGESTADO "
     "WHERE (INSTR(P_CDPAIS.PARAM, MU.CDPAIS) > 0 OR :P_TCDPAIS = 'T') "
     "AND (INSTR(P_SGESTADO.PARAM, MU.SGESTADO) > 0 OR :P_TSGESTADO = 'T') "
     "ORDER BY MU.CDPAIS, MU.SGESTADO, MU.CDMUNICIPIO",
     "SELECT MU.CDMUNICIPIO, MU.NMMUNICIPIO, ES.NMESTADO, PA.NMPAIS, MU.CDPAIS, MU.SGESTADO, "
     "MU.CDPAIS || MU.SGESTADO || MU.CDMUNICIPIO AS MUNICIPIO "
     "FROM ESTADO ES JOIN PAIS PA ON PA.CDPAIS = ES.CDPAIS "
     "JOIN MUNICIPIO MU ON MU.CDPAIS = ES.CDPAIS AND MU.SGESTADO = ES.SGESTADO "
     "WHERE (INSTR(:P_CDPAIS, MU.CDPAIS) > 0 OR :P_TCDPAIS = 'T') "
     "AND (INSTR(:P_SGESTADO, MU.SGESTADO) > 0 OR :P_TSGESTADO = 'T') "
     "ORDER BY MU.CDPAIS, MU.SGESTADO, MU.CDMUNICIPIO",
     "SELECT MU.CDMUNICIPIO, MU.NMMUNICIPIO, ES.NMESTADO, PA.NMPAIS, MU.CDPAIS, MU.SGESTADO, "
     "MU.CDPAIS + MU.SGESTADO + MU.CDMUNICIPIO AS MUNICIPIO "
     "FROM ESTADO ES JOIN PAIS PA ON PA.CDPAIS = ES.CDPAIS "
     "JOIN MUNICIPIO MU ON MU.CDPAIS = ES.CDPAIS AND MU.SGESTADO = ES.SGESTADO "
     "WHERE (CHARINDEX(MU.CDPAIS, :P_CDPAIS) > 0 OR :P_TCDPAIS = 'T') "
     "AND (CHARINDEX(MU.SGESTADO, :P_SGESTADO) > 0 OR :P_TSGESTADO = 'T') "
     "ORDER BY MU.CDPAIS, MU.SGESTADO, MU.CDMUNICIPIO",
     ""},
};

constexpr FieldSpec str(std::string_view name, int size, std::string_view label = {}) {
    return FieldSpec{name, FieldType::String, size, label};
}

// Sizes are the columns' own where they are wider than the shown width, so no list is refused.
// clang-format off
constexpr FieldSpec kCliente[] = {
    str("NRINSJURCLIE", 20, "Código"),
    str("IDTPIJURCLIE", 1).hidden(),
    str("NMFANTCLIE", 50, "Nome Fantasia"),
    str("NMRAZSOCCLIE", 100, "Razão Social").withWidth(50),
    str("CDCLIENTE", 21).hidden(),
};
constexpr FieldSpec kPais[] = {
    str("CDPAIS", 4, "Código"),
    str("NMPAIS", 30, "Nome"),
};
constexpr FieldSpec kSegMercado[] = {
    str("CDSEGMER", 5, "Código"),
    str("DSSEGMER", 40, "Descrição"),
};
constexpr FieldSpec kEstado[] = {
    str("SGESTADO", 2, "Sigla"),
    str("NMESTADO", 40, "Estado"),
    str("NMPAIS", 30, "País"),
    str("ESTADO", 6).hidden(),
};
constexpr FieldSpec kMunicipio[] = {
    str("CDMUNICIPIO", 4, "Código"),
    str("NMMUNICIPIO", 30, "Nome"),
    str("NMESTADO", 30, "Estado"),
    str("NMPAIS", 30, "Pais"),
    str("CDPAIS", 4).hidden(),
    str("SGESTADO", 2).hidden(),
    str("MUNICIPIO", 10).hidden().asReadOnly(),
};
// The branch code's edit mask is the coded-field picture of kind 16, set when the dialog is created.
constexpr FieldSpec kRamoAtiv[] = {
    str("IDMARCADO", 1).hidden(),
    str("CDARVATIVCLI", 20, "Código").withWidth(15),
    str("CDATIVCLI", 10).hidden(),
    str("DSATIVCLI", 50, "Descrição").withWidth(40),
};
constexpr FieldSpec kQualifica[] = {
    str("IDMARCADO", 1).hidden(),
    str("CDQUALIF", 2, "Código"),
    str("DSQUALIF", 30, "Descrição"),
};
constexpr FieldSpec kOrigem[] = {
    str("IDMARCADO", 1).hidden().asReadOnly(),
    str("CDMODODIVULG", 5, "Código"),
    str("NMMODODIVULG", 30, "Nome"),
};
// clang-format on

struct ListFields {
    std::string_view source;
    std::span<const FieldSpec> fields;
};

constexpr ListFields kListFields[] = {
    {"qryCliente", kCliente},     {"qryPais", kPais},           {"qrySegMercado", kSegMercado},
    {"qryEstado", kEstado},       {"qryMunicipio", kMunicipio}, {"cdsRamoAtiv", kRamoAtiv},
    {"cdsQualifica", kQualifica}, {"cdsOrigem", kOrigem},
};

} // namespace

std::span<const ListQuery> listQueries() {
    return kQueries;
}

const ListQuery* findListQuery(std::string_view name) {
    for (const ListQuery& q : kQueries)
        if (q.name == name)
            return &q;
    return nullptr;
}

std::span<const FieldSpec> listFields(std::string_view source) {
    for (const ListFields& l : kListFields)
        if (l.source == source)
            return l.fields;
    return {};
}

void showTaxNumberMasked(ClientDataSet& list) {
    list.FieldByName("NRINSJURCLIE").OnGetText = [](Field& sender, std::string& text, bool) {
        const std::string mask = Consiste::PictPess(sender.DataSet().FieldByName("IDTPIJURCLIE").AsString());
        text = mask.empty() ? sender.AsString() : formatMaskText(mask, sender.AsString());
    };
}

} // namespace vq::Vqm41202

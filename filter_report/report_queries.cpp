#include "filter_report/report_queries.h"

#include "filter_report/filter_queries.h"
#include "platform/data/error.h"
#include "services/region_queries.h"

namespace vq::Vqm41201 {
namespace {

namespace region = services::region;

constexpr FieldSpec str(std::string_view name, int size, std::string_view label = {}) {
    return FieldSpec{name, FieldType::String, size, label};
}

// clang-format off
constexpr FieldSpec kCliente[] = {
    str("CDCLIENTE", 21, "Código"),
    str("NRINSJURCLIE", 20, "Inscrição"),
    str("NMRAZSOCCLIE", 100, "Razão Social").withWidth(40),
    str("IDTPIJURCLIE", 1).hidden(),
};
constexpr FieldSpec kRamoAtiv[] = {
    str("CDATIVCLI", 10, "Código").withWidth(5),
    str("DSATIVCLI", 50, "Descrição").withWidth(40),
};
constexpr FieldSpec kSegMercado[] = {
    str("CDSEGMER", 5, "Código"),
    str("DSSEGMER", 40, "Descrição"),
};
// clang-format on

std::string filterText(std::string_view name) {
    return std::string(Vqm41202::findListQuery(name)->sql);
}

const ChoiceSource kSources[] = {
    {"qryCliente",
     "SELECT CDCLIENTE, NRINSJURCLIE, NMRAZSOCCLIE, IDTPIJURCLIE FROM CLIENTE ORDER BY NMRAZSOCCLIE",
     kCliente},
    {region::kRegionPais.name, std::string(region::kRegionPais.sql), region::kRegionPais.fields},
    {region::kRegionEstado.name, std::string(region::kRegionEstado.sql), region::kRegionEstado.fields},
    {region::kRegionMunicipio.name, std::string(region::kRegionMunicipio.sql),
     region::kRegionMunicipio.fields},
    {"qryRamoAtiv", "SELECT CDATIVCLI, DSATIVCLI FROM ATIVCLIENTE ORDER BY CDATIVCLI", kRamoAtiv},
    {"qrySegMercado", filterText("qrySegMercado"), kSegMercado},
};

} // namespace

std::span<const ChoiceSource> choiceSources() {
    return kSources;
}

const ChoiceSource& choiceSource(std::string_view name) {
    for (const ChoiceSource& s : kSources)
        if (s.name == name)
            return s;
    throw Error("Fonte de escolha desconhecida: " + std::string(name) + ".");
}

} // namespace vq::Vqm41201

#include "module/unit_values.h"

#include "batch/Vqm41205.h"
#include "batch/Vqm41206.h"
#include "batch/Vqm41207.h"
#include "customer/Vqm41200.h"
#include "filter_report/Vqm41201.h"
#include "filter_report/Vqm41202.h"
#include "import/Vqm41204.h"
#include "import/import_fields.h"
#include "side_lists/Vqm41203.h"
#include "side_lists/Vqm41208.h"
#include "side_lists/Vqm41209.h"

#include <QPointer>
#include <algorithm>
#include <cctype>
#include <functional>
#include <string>
#include <vector>

namespace vq::module {
namespace {

using Getter = std::function<Variant()>;

struct UnitValue {
    std::string_view unit;
    std::string name;
    Getter get;
};

// The state objects live for the whole process, so the getters keep references to their members.
Getter value(const bool& v) {
    return [&v] { return Variant(v); };
}
Getter value(const int& v) {
    return [&v] { return Variant(v); };
}
Getter value(const std::string& v) {
    return [&v] { return Variant(v); };
}
template <class Form> Getter value(const QPointer<Form>& form) {
    return [&form] { return form ? Variant(form->Name()) : Variant(); };
}
Getter constant(std::size_t n) {
    return [n] { return Variant(static_cast<std::int64_t>(n)); };
}

std::vector<UnitValue> filterValues() {
    Vqm41202::UnitState& s = Vqm41202::unit();
    std::vector<UnitValue> values{{"Vqm41202", "frmFilCliente", value(s.frmFilCliente)}};
    for (const Vqm41202::Criterion& c : Vqm41202::criteria()) {
        const Vqm41202::FilterEntry& entry = s.Filtro.*c.entry;
        const std::string record = "Filtro." + std::string(c.entryName);
        values.push_back({"Vqm41202", record + ".all", value(entry.all)});
        values.push_back({"Vqm41202", record + ".list", value(entry.list)});
    }
    const std::pair<const char*, std::string Vqm41202::UnitState::*> lists[] = {
        {"stCliente", &Vqm41202::UnitState::stCliente},
        {"stPais", &Vqm41202::UnitState::stPais},
        {"stEstado", &Vqm41202::UnitState::stEstado},
        {"stMunicipio", &Vqm41202::UnitState::stMunicipio},
        {"stRamo", &Vqm41202::UnitState::stRamo},
        {"stSegmento", &Vqm41202::UnitState::stSegmento},
        {"stQualifica", &Vqm41202::UnitState::stQualifica},
        {"stOrigem", &Vqm41202::UnitState::stOrigem}};
    for (const auto& [name, member] : lists)
        values.push_back({"Vqm41202", name, value(s.*member)});
    return values;
}

std::vector<UnitValue> buildTable() {
    Vqm41200::UnitState& a = Vqm41200::unit();
    std::vector<UnitValue> t = {
        {"Vqm41200", "frmCliente", value(a.frmCliente)},
        {"Vqm41200", "boStCriado", value(a.boStCriado)},
        {"Vqm41200", "boIdCriado", value(a.boIdCriado)},
        {"Vqm41200", "boHabAlt", value(a.boHabAlt)},
        {"Vqm41200", "boShowModal", value(a.boShowModal)},
        {"Vqm41200", "boCadAut", value(a.boCadAut)},
        {"Vqm41200", "stNrInsJur", value(a.stNrInsJur)},
        {"Vqm41200", "stNrInsJurClie", value(a.stNrInsJurClie)},
        {"Vqm41200", "stCdPais", value(a.stCdPais)},
        {"Vqm41200", "stSgEstado", value(a.stSgEstado)},
        {"Vqm41200", "stCdMinicipio", value(a.stCdMinicipio)},
        {"Vqm41200", "boCriaFiltro", value(a.boCriaFiltro)},
        {"Vqm41200", "stFiltroCdCliente", value(a.stFiltroCdCliente)},
        {"Vqm41200", "stCliente", value(a.stCliente)},
        {"Vqm41200", "stCodEx", value(a.stCodEx)},
        {"Vqm41200", "stCodAtend", value(a.stCodAtend)},
        {"Vqm41200", "boScroll", value(a.boScroll)},
        {"Vqm41200", "boEndeClie", value(a.boEndeClie)},
        {"Vqm41200", "boCtrlDel", value(a.boCtrlDel)},
        {"Vqm41200", "boEnter", value(a.boEnter)},
        {"Vqm41200", "boImporta", value(a.boImporta)},
        {"Vqm41200", "boImpProsp", value(a.boImpProsp)},
        {"Vqm41200", "boImpInterloc", value(a.boImpInterloc)},
        {"Vqm41200", "bohabilita", value(a.bohabilita)},
        {"Vqm41200", "boSitPenChk", value(a.boSitPenChk)},
        {"Vqm41200", "boCellClick", value(a.boCellClick)},
        {"Vqm41200", "boPesqAtiv", value(a.boPesqAtiv)},
        {"Vqm41200", "boPesqIndice", value(a.boPesqIndice)},
        {"Vqm41200", "stInscSocio", value(a.stInscSocio)},
        {"Vqm41200", "stIndex", value(a.stIndex)},
        {"Vqm41200", "stProgram", value(a.stProgram)},
        {"Vqm41200", "stProgr", value(a.stProgr)},
        {"Vqm41200", "stVendedor", value(a.stVendedor)},
        {"Vqm41200", "bovalida", value(a.bovalida)},
        {"Vqm41200", "boPrimVez", value(a.boPrimVez)},
        {"Vqm41200", "boTestaTota", value(a.boTestaTota)},
        {"Vqm41201", "frmDadCliente", value(Vqm41201::unit().frmDadCliente)},
        {"Vqm41201", "stCodCliente", value(Vqm41201::unit().stCodCliente)},
        {"Vqm41201", "stCodPais", value(Vqm41201::unit().stCodPais)},
        {"Vqm41201", "stCodEstado", value(Vqm41201::unit().stCodEstado)},
        {"Vqm41201", "stCodMun", value(Vqm41201::unit().stCodMun)},
        {"Vqm41201", "stCodRamoAtiv", value(Vqm41201::unit().stCodRamoAtiv)},
        {"Vqm41201", "stCodSegmMerc", value(Vqm41201::unit().stCodSegmMerc)},
        {"Vqm41203", "frmInfEmailClie", value(Vqm41203::unit().frmInfEmailClie)},
        {"Vqm41203", "boIdCriado", value(Vqm41203::unit().boIdCriado)},
        {"Vqm41203", "stCdCliente", value(Vqm41203::unit().stCdCliente)},
        {"Vqm41204", "frmImportCliente", value(Vqm41204::unit().frmImportCliente)},
        {"Vqm41204", "arFields", constant(import::arFields().size())},
        {"Vqm41205", "frmCadRetECF", value(Vqm41205::unit().frmCadRetECF)},
        {"Vqm41206", "frmCadTabPrecoClie", value(Vqm41206::unit().frmCadTabPrecoClie)},
        {"Vqm41206", "stCodPais", value(Vqm41206::unit().stCodPais)},
        {"Vqm41206", "stCodEstado", value(Vqm41206::unit().stCodEstado)},
        {"Vqm41206", "stCodMun", value(Vqm41206::unit().stCodMun)},
        {"Vqm41206", "stListaCliente", value(Vqm41206::unit().stListaCliente)},
        {"Vqm41207", "frmCadAutGrupClie", value(Vqm41207::unit().frmCadAutGrupClie)},
        {"Vqm41207", "stCodPais", value(Vqm41207::unit().stCodPais)},
        {"Vqm41207", "stCodEstado", value(Vqm41207::unit().stCodEstado)},
        {"Vqm41207", "stCodMun", value(Vqm41207::unit().stCodMun)},
        {"Vqm41207", "stListaCliente", value(Vqm41207::unit().stListaCliente)},
        {"Vqm41208", "frmVendAdicClie", value(Vqm41208::unit().frmVendAdicClie)},
        {"Vqm41208", "boIdCriado", value(Vqm41208::unit().boIdCriado)},
        {"Vqm41208", "boPrimVez", value(Vqm41208::unit().boPrimVez)},
        {"Vqm41208", "stCliente", value(Vqm41208::unit().stCliente)},
        {"Vqm41209", "frmListaTransp", value(Vqm41209::unit().frmListaTransp)},
    };
    std::ranges::move(filterValues(), std::back_inserter(t));
    return t;
}

bool sameNoCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

std::optional<Variant> unitValue(std::string_view unit, std::string_view name) {
    static const std::vector<UnitValue> table = buildTable();
    for (const UnitValue& v : table)
        if (sameNoCase(v.unit, unit) && sameNoCase(v.name, name))
            return v.get();
    return std::nullopt;
}

} // namespace vq::module

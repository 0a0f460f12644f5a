// The lookups of the customer forms: what each method reads and how its arguments select the rows.
// Columns are written as in provider_table.cpp; "IDMARCADO" is the list picker's mark column.

#include "server/core/lookups.h"

namespace vq::server {

namespace {

// (code, switch): "T" lists every row, an empty switch with a code finds that code.
constexpr std::string_view kCodeAndSwitch = "P_CODIGO, P_TODOS";
constexpr AllRowsWhen kOnSwitch{"P_TODOS", AllRows::OnFlag};

constexpr LookupDef kLookups[] = {
    // Fiscal parameters of every company; the customer form reads the first.
    {{"GetParamFiscal", "PARAMFISCAL", "CDEMPRESA", "CDEMPRESA, IDUTENDMODFISC", "", "", "T.CDEMPRESA"}},
    // (branch code, switch, levels of the picture, tree code): the branch with either code; the levels
    // are applied by the method (shaped_lookups.cpp).
    {{"GetRamoAtiv", "ATIVCLIENTE", "CDATIVCLI",
      "IDMARCADO:1=CAST(NULL AS VARCHAR(1)), CDARVATIVCLI, CDATIVCLI, DSATIVCLI", "", "", "T.CDARVATIVCLI"},
     "P_CDATIVCLI, P_TODOS, P_NIVEIS, P_CDARVATIVCLI",
     "T.CDATIVCLI = :P_CDATIVCLI OR T.CDARVATIVCLI = :P_CDARVATIVCLI",
     kOnSwitch},
    {{"GetPesqDivulg", "MODODIVULG", "CDMODODIVULG", "CDMODODIVULG, NMMODODIVULG", "", "", "T.CDMODODIVULG"},
     kCodeAndSwitch,
     "T.CDMODODIVULG = :P_CODIGO",
     kOnSwitch},
    {{"GetIdioma", "IDIOMA", "IDIDIOMA", "IDIDIOMA, DSIDIOMA", "", "", "T.IDIDIOMA"},
     kCodeAndSwitch,
     "T.IDIDIOMA = :P_CODIGO",
     kOnSwitch},
};

} // namespace

std::span<const LookupDef> lookupDefs() {
    return kLookups;
}

} // namespace vq::server

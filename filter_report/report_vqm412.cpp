#include "filter_report/report_vqm412.h"

#include <string>

namespace vq::Vqm41201 {
namespace {

// Per list criterion: "T" lets every row through, else the row's key between underscores occurs in the
// list.
std::string listTest(const char* param, const char* key) {
    return std::string("(:") + param + " = 'T' OR INSTR(:" + param + ", '_' || " + key + " || '_') > 0)";
}

// A date range by day: from the first day's start through the whole last day. `dayAfter` turns a
// parameter into the start of the day after it, in the dialect's own arithmetic.
std::string dateTest(const char* column, const char* ini, const char* fin, const char* flag,
                     std::string (*dayAfter)(const char* param)) {
    return std::string("(:") + flag + " = 'T' OR (" + column + " >= :" + ini + " AND " + column + " < " +
           dayAfter(fin) + "))";
}

std::string sqliteDayAfter(const char* param) {
    return std::string("DATETIME(:") + param + ", '+1 day')";
}

std::string postgresDayAfter(const char* param) {
    return std::string("CAST(:") + param + " AS TIMESTAMP) + INTERVAL '1 day'";
}

std::string reportSql(std::string (*dayAfter)(const char* param)) {
    return "SELECT C.CDCLIENTE, C.NMRAZSOCCLIE, C.NMFANTCLIE, C.NRINSESTCLIE, M.NMMUNICIPIO, E.CDPAIS, "
           "E.SGESTADO, ES.NMESTADO, E.NRTELECLIE, C.DTCADACLIE, C.DTNASCCLIE, A.DSATIVCLI, S.DSSEGMER, "
           "CASE WHEN NVL(C.IDCLIEATIV, 'S') = 'N' THEN 'Inativo' ELSE 'Ativo' END AS DSSITUACAO "
           "FROM CLIENTE C "
           "LEFT JOIN ENDECLIE E ON E.CDCLIENTE = C.CDCLIENTE AND E.IDTPENDECLIE = 'P' "
           "LEFT JOIN ESTADO ES ON ES.CDPAIS = E.CDPAIS AND ES.SGESTADO = E.SGESTADO "
           "LEFT JOIN MUNICIPIO M ON M.CDPAIS = E.CDPAIS AND M.SGESTADO = E.SGESTADO "
           "AND M.CDMUNICIPIO = E.CDMUNICIPIO "
           "LEFT JOIN ATIVCLIENTE A ON A.CDATIVCLI = C.CDATIVCLI "
           "LEFT JOIN SEGMERCADO S ON S.CDSEGMER = C.CDSEGMER "
           "WHERE " +
           listTest("P_CDCLIENTE", "C.CDCLIENTE") + " AND " + listTest("P_CDPAIS", "E.CDPAIS") + " AND " +
           listTest("P_SGESTADO", "E.CDPAIS || E.SGESTADO") + " AND " +
           listTest("P_CDMUNICIPIO", "E.CDPAIS || E.SGESTADO || E.CDMUNICIPIO") + " AND " +
           listTest("P_CDATIVCLI", "C.CDATIVCLI") + " AND " + listTest("P_CDSEGMER", "C.CDSEGMER") +
           // Both boxes checked pass "S" and "N", so both situations are listed.
           " AND ((:P_TCLIEATIV = 'T' AND :P_TCLIEINAT = 'T') OR "
           "NVL(C.IDCLIEATIV, 'S') IN (:P_IDCLIEATIV, :P_IDCLIEINAT)) AND " +
           dateTest("C.DTCADACLIE", "P_CLIEDESDEINI", "P_CLIEDESDEFIN", "P_TCLIEDESDE", dayAfter) + " AND " +
           dateTest("C.DTNASCCLIE", "P_NASCFUNDINI", "P_NASCFUNDFIN", "P_TNASCFUND", dayAfter) +
           " ORDER BY E.CDPAIS, E.SGESTADO, C.NMRAZSOCCLIE, C.CDCLIENTE";
}

reports::ReportColumn column(const char* field, const char* title, double width,
                             reports::Align align = reports::Align::Left, const char* format = "") {
    reports::ReportColumn c;
    c.field = field;
    c.title = title;
    c.width = width;
    c.align = align;
    c.format = format;
    return c;
}

} // namespace

reports::ReportDefinition vqm412Definition() {
    using reports::Align;
    reports::ReportDefinition d;
    d.code = "Vqm412";
    d.title = "Relação de Clientes";
    d.sql = reportSql(sqliteDayAfter);
    d.sqlVariants["SQL_POSTGRESQL"] = reportSql(postgresDayAfter);
    d.params = {"P_CDCLIENTE",  "P_CDPAIS",      "P_SGESTADO",     "P_CDMUNICIPIO",
                "P_CDATIVCLI",  "P_CDSEGMER",    "P_IDCLIEATIV",   "P_TCLIEATIV",
                "P_IDCLIEINAT", "P_TCLIEINAT",   "P_CLIEDESDEINI", "P_CLIEDESDEFIN",
                "P_TCLIEDESDE", "P_NASCFUNDINI", "P_NASCFUNDFIN",  "P_TNASCFUND"};
    // clang-format off
    d.columns = {
        column("CDCLIENTE", "Código", 30),
        column("NMRAZSOCCLIE", "Razão Social", 55),
        column("NMFANTCLIE", "Nome Fantasia", 38),
        column("NRINSESTCLIE", "Inscr. Estadual", 26),
        column("NMMUNICIPIO", "Município", 34),
        column("SGESTADO", "UF", 8, Align::Center),
        column("NRTELECLIE", "Telefone", 26),
        column("DTCADACLIE", "Cliente desde", 20, Align::Center, "dd/mm/yyyy"),
        column("DTNASCCLIE", "Nasc./Fund.", 20, Align::Center, "dd/mm/yyyy"),
        column("DSSITUACAO", "Situação", 16),
    };
    // clang-format on
    reports::ReportGroup state;
    state.field = "NMESTADO";
    state.title = "Estado";
    d.groups = {state};
    d.landscape = true;
    return d;
}

void registerVqm412() {
    reports::registerReport(vqm412Definition());
}

} // namespace vq::Vqm41201

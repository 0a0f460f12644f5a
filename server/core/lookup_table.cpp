// The lookups of the customer forms: what each method reads and how its arguments select the rows.
// Columns are written as in provider_table.cpp; "IDMARCADO" is the list picker's mark column.

#include "server/core/lookups.h"

namespace vq::server {

namespace {

// (code, switch): "T" lists every row, an empty switch with a code finds that code.
constexpr std::string_view kCodeAndSwitch = "P_CODIGO, P_TODOS";
constexpr AllRowsWhen kOnSwitch{"P_TODOS", AllRows::OnFlag};

constexpr LookupDef byCode(ProviderDef read, std::string_view key) {
    return {read, kCodeAndSwitch, key, kOnSwitch};
}

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
    byCode({"GetPesqDivulg", "MODODIVULG", "CDMODODIVULG", "CDMODODIVULG, NMMODODIVULG", "", "",
            "T.CDMODODIVULG"},
           "T.CDMODODIVULG = :P_CODIGO"),
    byCode({"GetIdioma", "IDIOMA", "IDIDIOMA", "IDIDIOMA, DSIDIOMA", "", "", "T.IDIDIOMA"},
           "T.IDIDIOMA = :P_CODIGO"),

    // Commercial classification and the contact, correspondence and observation pages.
    byCode({"GetVendedor", "VENDEDOR", "CDVENDEDOR", "CDVENDEDOR, NMRAZSOCVEN", "", "", "T.CDVENDEDOR"},
           "T.CDVENDEDOR = :P_CODIGO"),
    byCode({"GetQualifica", "QUALIFICACAO", "CDQUALIF",
            "IDMARCADO:1=CAST(NULL AS VARCHAR(1)), CDQUALIF, DSQUALIF", "", "", "T.CDQUALIF"},
           "T.CDQUALIF = :P_CODIGO"),
    // The check sends (code, "N"): anything but "T" finds the code.
    byCode({"GetPesqGrupClie", "GRUPCLIE", "CDGRUPCLIE", "CDGRUPCLIE, NMGRUPCLIE", "", "", "T.CDGRUPCLIE"},
           "T.CDGRUPCLIE = :P_CODIGO"),
    byCode({"GetTipoCorr", "TIPOCORR", "CDTIPOCORR", "CDTIPOCORR, NMTIPOCORR", "", "", "T.CDTIPOCORR"},
           "T.CDTIPOCORR = :P_CODIGO"),
    byCode({"GetCargoInterloc", "CARGOINTER", "CDCARGOINTERLOC", "CDCARGOINTERLOC, NMCARGOINTERLOC", "", "",
            "T.CDCARGOINTERLOC"},
           "T.CDCARGOINTERLOC = :P_CODIGO"),
    byCode({"GetOperador", "OPERADOR", "CDOPERADOR", "CDOPERADOR, NMOPERADOR", "", "", "T.CDOPERADOR"},
           "T.CDOPERADOR = :P_CODIGO"),
    // The employee list is asked for with two blanks, one employee with (code, "VD").
    {{"GetFuncionario", "FUNCIONARIO", "CDFUNC", "CDFUNC, CDEMPRESA, NMFUNC", "", "", "T.CDFUNC"},
     "P_CODIGO, P_MODO",
     "T.CDFUNC = :P_CODIGO",
     {"P_CODIGO", AllRows::OnEmpty}},
    // A contact's correspondence rows of one type: any row means the contact already receives it.
    {{"GetAuxCorres", "CORINTECLI", "CDCLIENTE, CDINTECLIE, CDTIPOCORR", "CDCLIENTE, CDINTECLIE, CDTIPOCORR",
      "", "T.CDCLIENTE = :P_CDCLIENTE AND T.CDINTECLIE = :P_CDINTECLIE AND T.CDTIPOCORR = :P_CDTIPOCORR", ""},
     "P_CDCLIENTE, P_CDINTECLIE, P_CDTIPOCORR"},
    // A product by its tree code, or "T" in its place for every product.
    {{"GetProdMatAplic", "PRODUTO", "CDPRODUTO", "CDPRODUTO, NMPRODUTO, CDARVPROD", "", "", "T.CDARVPROD"},
     "P_CDARVPROD",
     "T.CDARVPROD = :P_CDARVPROD",
     {"P_CDARVPROD", AllRows::OnFlag}},

    // Receivables.
    byCode({"GetTipContRec", "TPCTRECEB", "CDTPCTRECEB", "CDTPCTRECEB, DSTPCTRECEB", "", "", "T.CDTPCTRECEB"},
           "T.CDTPCTRECEB = :P_CODIGO"),
    byCode({"GetTpAjusteRec", "TPAJUCTREC", "CDAJUCTREC", "CDAJUCTREC, DSAJUCTREC", "", "", "T.CDAJUCTREC"},
           "T.CDAJUCTREC = :P_CODIGO"),
    byCode({"GetPesqTpBaixa", "TPBAIXAREC", "CDTPBAIXAREC", "CDTPBAIXAREC, NMTPBAIXAREC", "", "",
            "T.CDTPBAIXAREC"},
           "T.CDTPBAIXAREC = :P_CODIGO"),

    // Preferred banks: a bank's agencies and collection instructions (every one when the code is blank),
    // and whether the customer already prefers an account.
    {{"GetPesqAgencia", "AGENCIA", "CDBANCO, CDAGENCIA", "CDAGENCIA, NMAGENCIA, CDBANCO", "",
      "T.CDBANCO = :P_CDBANCO", "T.CDAGENCIA"},
     "P_CDAGENCIA, P_CDBANCO",
     "T.CDAGENCIA = :P_CDAGENCIA",
     {"P_CDAGENCIA", AllRows::OnEmpty}},
    {{"GetPesqInstCobr", "INSTCOBR", "CDBANCO, CDINSTCOBR", "CDINSTCOBR, NMINSTCOBR, CDBANCO", "",
      "T.CDBANCO = :P_CDBANCO", "T.CDINSTCOBR"},
     "P_CDBANCO, P_CDINSTCOBR",
     "T.CDINSTCOBR = :P_CDINSTCOBR",
     {"P_CDINSTCOBR", AllRows::OnEmpty}},
    {{"GetVerifiBanco", "BANCOPREF", "CDCLIENTE, CDBANCO", "CDBANCO, CDCLIENTE", "",
      "T.CDCLIENTE = :P_CDCLIENTE AND T.CDREDUCONT = :P_CDREDUCONT", "T.CDBANCO"},
     "P_CDCLIENTE, P_CDREDUCONT"},
    // The customer's priority rows of other accounts.
    {{"GetBancoPrio", "BANCOPREF", "CDCLIENTE, CDBANCO", "CDBANCO, CDCLIENTE, IDPRIORBPREF", "",
      "T.CDCLIENTE = :P_CDCLIENTE AND T.IDPRIORBPREF = 'S' AND COALESCE(T.CDREDUCONT, '') <> :P_CDREDUCONT",
      "T.CDBANCO"},
     "P_CDCLIENTE, P_CDREDUCONT"},

    // Transport types and carriers: one by its key, or every one for GetTipoTransp.
    {{"GetVd_TipoTransp", "TIPOTRANSP", "CDTIPTRANS", "CDTIPTRANS, NMTIPTRANS", "", "", "T.CDTIPTRANS"},
     "P_CDTIPTRANS",
     "T.CDTIPTRANS = :P_CDTIPTRANS"},
    {{"GetVd_Transportadora", "TRANSPORT", "IDTPIJURTRAN, NRINSJURTRAN",
      "IDTPIJURTRAN, NRINSJURTRAN, NMFANTTRAN, CDTIPTRANS, NMTIPTRANS=TT.NMTIPTRANS",
      "LEFT JOIN TIPOTRANSP TT ON TT.CDTIPTRANS = T.CDTIPTRANS", "", "T.NMFANTTRAN, T.NRINSJURTRAN"},
     "P_IDTPIJURTRAN, P_NRINSJURTRAN",
     "T.IDTPIJURTRAN = :P_IDTPIJURTRAN AND T.NRINSJURTRAN = :P_NRINSJURTRAN"},
    // The carrier list's search: carriers by number (shaped_lookups.cpp).
    {{"GetPesquisaListaTransp", "TRANSPORT", "IDTPIJURTRAN, NRINSJURTRAN",
      "NRINSJURTRAN, NMFANTTRAN, IDTPIJURTRAN", "", "", "T.NMFANTTRAN, T.NRINSJURTRAN"},
     "P_NRINSJURTRAN",
     "T.NRINSJURTRAN = :P_NRINSJURTRAN"},
    {{"GetTransCliePed", "TRANSCLIEPED", "CDCLIENTE, NRINSJURTRAN",
      "NRINSJURTRAN, NMFANTTRAN=TP.NMFANTTRAN, IDTPIJURTRAN, CDCLIENTE",
      "LEFT JOIN TRANSPORT TP ON TP.IDTPIJURTRAN = T.IDTPIJURTRAN AND TP.NRINSJURTRAN = T.NRINSJURTRAN",
      "T.CDCLIENTE = :P_CDCLIENTE", "T.NRINSJURTRAN"},
     "P_CDCLIENTE"},

    // One customer's rows, for the checks of the form and of the additional-salespeople list.
    {{"GetVerificaInterlocutor", "INTECLIE", "CDCLIENTE, CDINTECLIE", "CDCLIENTE, CDINTECLIE, NMINTECLIE", "",
      "T.CDCLIENTE = :P_CDCLIENTE AND T.CDINTECLIE = :P_CDINTECLIE", ""},
     "P_CDCLIENTE, P_CDINTECLIE"},
    {{"GetInsEndeClie", "ENDECLIE", "CDCLIENTE, IDTPENDECLIE", "*", "",
      "T.CDCLIENTE = :P_CDCLIENTE AND T.IDTPENDECLIE = :P_IDTPENDECLIE", ""},
     "P_CDCLIENTE, P_IDTPENDECLIE"},
    {{"GetVdVendAdicClie", "VENDADICCLIE", "CDCLIENTE, CDVENDEDOR", "CDCLIENTE, CDVENDEDOR, VRPECOMVEN", "",
      "T.CDCLIENTE = :P_CDCLIENTE AND T.CDVENDEDOR = :P_CDVENDEDOR", ""},
     "P_CDCLIENTE, P_CDVENDEDOR"},
    // Fiscal CNAE codes: one, or "T" in its place for every code.
    {{"CNAEFiscal", "CNAE", "CDCNAE", "CDCNAE, DSCNAE", "", "", "T.CDCNAE"},
     "P_CDCNAE",
     "T.CDCNAE = :P_CDCNAE",
     {"P_CDCNAE", AllRows::OnFlag}},
    // Every branch with the customer's e-mail for it (null when none); no rows for an unknown customer.
    {{"GetEmailClieFil", "FILIAL", "CDFILIAL",
      "NRINSJURCLIE=C.NRINSJURCLIE, NMRAZSOCCLIE=C.NMRAZSOCCLIE, CDFILIAL, "
      "DSEMAILDANFEBOL=E.DSEMAILDANFEBOL, CDCLIENTE=C.CDCLIENTE",
      "JOIN CLIENTE C ON C.CDCLIENTE = :P_CDCLIENTE "
      "LEFT JOIN EMAILCLIFIL E ON E.CDCLIENTE = C.CDCLIENTE AND E.CDFILIAL = T.CDFILIAL",
      "", "T.CDFILIAL"},
     "P_CDCLIENTE"},
    // Other customers using an abbreviation; the method drops the caller's own tax number.
    {{"GetVdSigla", "CLIENTE", "CDCLIENTE", "CDCLIENTE, NMRAZSOCCLIE, NRINSJURCLIE, SGARQESPECLIE", "",
      "T.SGARQESPECLIE = :P_SGARQESPECLIE AND (T.NRINSJURCLIE IS NULL OR T.NRINSJURCLIE <> :P_NRINSJURCLIE)",
      "T.CDCLIENTE"},
     "P_SGARQESPECLIE, P_NRINSJURCLIE"},
    // Companies whose CNPJ shares a root with a number, the number's own customers left out; the method
    // turns the number into its root (shaped_lookups.cpp). The root condition is the expression of the
    // index IX_CLIENTE_RAIZCNPJ (migrations.cpp), so the lookup reads that index.
    {{"GetMesmaRaiz", "CLIENTE", "CDCLIENTE", "CDCLIENTE, NMRAZSOCCLIE, NMMUNICIPIO=M.NMMUNICIPIO",
      "LEFT JOIN ENDECLIE E ON E.CDCLIENTE = T.CDCLIENTE AND E.IDTPENDECLIE = 'P' "
      "LEFT JOIN MUNICIPIO M ON M.CDPAIS = E.CDPAIS AND M.SGESTADO = E.SGESTADO AND M.CDMUNICIPIO = "
      "E.CDMUNICIPIO",
      "SUBSTR(T.NRINSJURCLIE, 1, 8) = :P_RAIZ AND T.IDTPIJURCLIE = 'J' AND T.NRINSJURCLIE <> :P_NRINSJURCLIE",
      "T.CDCLIENTE"},
     "P_RAIZ, P_NRINSJURCLIE"},
};

} // namespace

std::span<const LookupDef> lookupDefs() {
    return kLookups;
}

} // namespace vq::server

// Commercial classification and people: salespeople, market segments, activity branches, qualifications,
// origins, customer groups, regions, branches, transport types and carriers, languages, cost centres,
// products, CNAE codes, contact roles, employees, correspondence kinds and operators.

#include "server/schema/columns.h"

namespace vq::schema::detail {

namespace {

constexpr Column kVendedor[] = {str("CDVENDEDOR", 4, kKey), str("NMRAZSOCVEN", 50, kNotNull)};
constexpr Column kSegMercado[] = {str("CDSEGMER", 5, kKey), str("DSSEGMER", 40, kNotNull)};
// Activity branches form a tree: CDARVATIVCLI is the dotted tree code, CDNVATIVCLI its level.
constexpr Column kAtivCliente[] = {str("CDATIVCLI", 10, kKey), str("CDARVATIVCLI", 20), str("CDNVATIVCLI", 1),
                                   str("DSATIVCLI", 50, kNotNull)};
constexpr Column kQualificacao[] = {str("CDQUALIF", 2, kKey), str("DSQUALIF", 30, kNotNull)};
// Origins and divulgation modes share one list.
constexpr Column kModoDivulg[] = {str("CDMODODIVULG", 5, kKey), str("NMMODODIVULG", 30, kNotNull)};
constexpr Column kGrupClie[] = {str("CDGRUPCLIE", 10, kKey), str("NMGRUPCLIE", 50, kNotNull)};
constexpr Column kRegiaoPed[] = {str("CDREGIAOPED", 3, kKey), str("NMREGIAOPED", 40, kNotNull)};
constexpr Column kFilial[] = {str("CDFILIAL", 4, kKey), str("NMFILIAL", 30, kNotNull), str("CDEMPRESA", 2)};
constexpr Column kTipoTransp[] = {str("CDTIPTRANS", 4, kKey), str("NMTIPTRANS", 40, kNotNull)};
constexpr Column kTransport[] = {str("IDTPIJURTRAN", 1, kKey), str("NRINSJURTRAN", 20, kKey),
                                 str("NMFANTTRAN", 40, kNotNull), str("CDTIPTRANS", 4)};
constexpr Column kIdioma[] = {str("IDIDIOMA", 3, kKey), str("DSIDIOMA", 30, kNotNull)};
constexpr Column kCentCust[] = {str("CDCENTCUST", 20, kKey), str("NMCENTCUST", 40, kNotNull)};
constexpr Column kProduto[] = {str("CDPRODUTO", 10, kKey), str("NMPRODUTO", 50, kNotNull),
                               str("CDARVPROD", 20)};
constexpr Column kCnae[] = {str("CDCNAE", 7, kKey), str("DSCNAE", 200, kNotNull)};
constexpr Column kCargoInter[] = {str("CDCARGOINTERLOC", 5, kKey), str("NMCARGOINTERLOC", 50, kNotNull)};
constexpr Column kFuncionario[] = {str("CDFUNC", 10, kKey), str("CDEMPRESA", 2), str("NMFUNC", 40, kNotNull)};
constexpr Column kTipoCorr[] = {str("CDTIPOCORR", 3, kKey), str("NMTIPOCORR", 40, kNotNull)};
constexpr Column kOperador[] = {str("CDOPERADOR", 12, kKey), str("NMOPERADOR", 40, kNotNull)};

constexpr Table kTables[] = {
    {"VENDEDOR", kVendedor},       {"SEGMERCADO", kSegMercado},
    {"ATIVCLIENTE", kAtivCliente}, {"QUALIFICACAO", kQualificacao},
    {"MODODIVULG", kModoDivulg},   {"GRUPCLIE", kGrupClie},
    {"REGIAOPED", kRegiaoPed},     {"FILIAL", kFilial},
    {"TIPOTRANSP", kTipoTransp},   {"TRANSPORT", kTransport},
    {"IDIOMA", kIdioma},           {"CENTCUST", kCentCust},
    {"PRODUTO", kProduto},         {"CNAE", kCnae},
    {"CARGOINTER", kCargoInter},   {"FUNCIONARIO", kFuncionario},
    {"TIPOCORR", kTipoCorr},       {"OPERADOR", kOperador},
};

constexpr Index kIndexes[] = {
    {"UX_ATIVCLIENTE_ARV", "ATIVCLIENTE", "CDARVATIVCLI", true},
    {"UX_PRODUTO_ARV", "PRODUTO", "CDARVPROD", true},
    {"IX_TRANSPORT_INSJUR", "TRANSPORT", "NRINSJURTRAN", false},
};

} // namespace

Subject commercialSubject() {
    return {kTables, kIndexes};
}

} // namespace vq::schema::detail

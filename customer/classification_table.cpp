#include "customer/classification_table.h"

#include "platform/data/error.h"

#include <string>

namespace vq::customer {
namespace {

using enum LookupSource;
constexpr unsigned kChecked = ChangesPage | SetsErrorFlag;

// clang-format off
constexpr ClassificationLookup kLookups[] = {
    {.id = "Vendedor", .page = "tshDadosAdic", .codeEdit = "dbeVendedor", .field = "CDVENDEDOR", .width = 4,
     .button = "btpVendedor", .group = "grbDadosAdic", .row = 7, .col = 1,
     .title = "Vendedor", .emptyText = "Não há vendedor cadastrado.",
     .list = Method, .listName = "GetVendedor", .listSet = "cdsVendedor",
     .check = Method, .checkName = "GetVendedor", .checkSet = "cdsVendedor",
     .codeColumn = "CDVENDEDOR", .nameColumn = "NMRAZSOCVEN", .nameEdit = "dbeNmVendedor", .nameField = "NMRAZSOCVEN",
     .requiredKey = "Vend_Inf", .notFoundKey = "Vend_NCad", .flags = kChecked},
    {.id = "SegMercado", .page = "tshFormulario", .codeEdit = "dbeSegMerc", .field = "CDSEGMER", .width = 5,
     .button = "btpSegMerc", .group = "grbClassif", .row = 1, .col = 2,
     .title = "Segmento de Mercado", .emptyText = "Não há segmento de mercado cadastrado.",
     .list = Query, .listName = "qrySegMercado",
     .check = Query, .checkName = "qrySegMercado", .checkParam = "P_CDSEGMER", .allParam = "P_TCDSEGMER",
     .codeColumn = "CDSEGMER", .nameColumn = "DSSEGMER", .nameEdit = "edtSegMerc",
     .requiredKey = "SegMer_inf", .notFoundKey = "SegMer_cad", .flags = kChecked | AlwaysClearName},
    {.id = "CdRamoAtividade", .page = "tshFormulario", .codeEdit = "medCdArvRamo", .field = "CDATIVCLI",
     .button = "btpRamoAtiv", .group = "grbClassif", .row = 2, .col = 2,
     .title = "Ramo de Atividade", .emptyText = "Não há ramo de atividade cadastrado.",
     .list = Method, .listName = "GetRamoAtiv", .listSet = "cdsRamoAtiv",
     .check = Method, .checkName = "GetRamoAtiv", .checkSet = "cdsRamoAtiv",
     .codeColumn = "CDARVATIVCLI", .nameColumn = "DSATIVCLI", .nameEdit = "edtdsRamoAtiv",
     .notFoundKey = "ATIV_CAD", .flags = kChecked},
    {.id = "Qualifica", .page = "tshFormulario", .codeEdit = "dbeQualifica", .field = "CDQUALIF", .width = 2,
     .button = "btnQualifica", .group = "grbClassif", .row = 5, .col = 2,
     .title = "Qualificação", .emptyText = "Não há qualifcação cadastrado.",
     .list = Method, .listName = "GetQualifica", .listSet = "cdsQualifica",
     .check = Method, .checkName = "GetQualifica", .checkSet = "cdsQualifica",
     .codeColumn = "CDQUALIF", .nameColumn = "DSQUALIF", .nameEdit = "edtQualifica",
     .notFoundKey = "QUALIF_CAD", .flags = kChecked | RunsInBrowse | AlwaysClearName},
    {.id = "Origem", .page = "tshFormulario", .codeEdit = "dbeOrigem", .field = "CDMODODIVULG", .width = 5,
     .button = "BtnPesquisa7", .group = "grbClassif", .row = 3, .col = 2,
     .title = "Origem", .emptyText = "Não há origem cadastrada.",
     .list = Method, .listName = "GetPesqDivulg", .listSet = "cdsPesqDivulg",
     .check = Method, .checkName = "GetPesqDivulg", .checkSet = "cdsPesqDivulg",
     .codeColumn = "CDMODODIVULG", .nameColumn = "NMMODODIVULG", .nameEdit = "edtOrigem",
     .notFoundKey = "Divulg_nc", .flags = kChecked | UnlessInsert},
    {.id = "ModoDivulg", .page = "tshDadoProsp", .codeEdit = "dbeCdModoDivulg", .field = "CDMODODIVULG", .width = 5,
     .button = "btpDivulg", .group = "grbDadoProsp", .row = 0, .col = 1,
     .title = "Modo de Divulgação ", .emptyText = "Não há modo de divulgação cadastrado.",
     .list = Method, .listName = "GetPesqDivulg", .listSet = "cdsPesqDivulg",
     .check = Method, .checkName = "GetPesqDivulg", .checkSet = "cdsPesqDivulg",
     .codeColumn = "CDMODODIVULG", .nameColumn = "NMMODODIVULG", .nameEdit = "dbeNmDivulg", .nameField = "NMMODODIVULG",
     .notFoundKey = "Divulg_nc", .flags = kChecked | UnlessInsert | DigitsOnly},
    {.id = "GrupClie", .page = "tshDadosPed", .codeEdit = "dbeCdGrupClie", .field = "CDGRUPCLIE", .width = 10,
     .button = "btpGrupClie", .group = "grbPedidos", .row = 7, .col = 1,
     .title = "Grupo de Clientes", .emptyText = "Não há grupo de clientes cadastrado.",
     .list = Method, .listName = "GetPesqGrupClie", .listSet = "cdsGrupClie",
     .check = Method, .checkName = "GetPesqGrupClie", .checkSet = "cdsGrupClie", .checkFlag = "N",
     .codeColumn = "CDGRUPCLIE", .nameColumn = "NMGRUPCLIE", .nameEdit = "dbeNmGrupClie", .nameField = "NMGRUPCLIE",
     .notFoundKey = "Grup_cad", .flags = SetsErrorFlag | DigitsOnly},
    {.id = "Regiao", .page = "tshDadosPed", .codeEdit = "dbeCdRegiao", .field = "CDREGIAOPED", .width = 3,
     .button = "btnRegiao", .group = "grbPedidos", .row = 0, .col = 2,
     .title = "Região", .emptyText = "Não há região cadastrada.",
     .list = ClosedQuery, .listName = "qryPesqRegiao",
     .check = Query, .checkName = "qryRegiao", .checkParam = "P_CDREGIAO",
     .codeColumn = "CDREGIAOPED", .nameColumn = "NMREGIAOPED", .nameEdit = "medNmRegiao",
     .notFoundKey = "Regiao_Nc", .flags = SetsErrorFlag | DigitsOnly | AlwaysClearName},
    {.id = "FiliCad", .page = "tshDadosAdic", .codeEdit = "dbeCdFiliOrig", .field = "CDFILORIGCLI", .width = 4,
     .button = "btnFiliOrigClie", .group = "grbDadosAdic", .row = 8, .col = 1,
     .title = "Filial de Cadastramento", .emptyText = "Não há filial de cadastramento cadastrada.",
     .list = ClosedQuery, .listName = "qryPesqFiliOrig",
     .check = Query, .checkName = "qryFiliOrig", .checkParam = "P_CDFILIAL",
     .codeColumn = "CDFILIAL", .nameColumn = "NMFILIAL", .nameEdit = "dbeNmFiliOrig", .nameField = "NMFILIAL",
     .notFoundKey = "Fili_Nc", .flags = SetsErrorFlag},
    {.id = "CdTipTrans", .page = "tshDadosPed", .codeEdit = "dbeTipoTransp", .field = "CDTIPTRANS", .width = 4,
     .button = "btpTipoTransp", .group = "grbPedidos", .row = 9, .col = 1,
     .title = "Tipo de Transporte", .emptyText = "Não há tipo de transporte cadastrado.",
     .list = Method, .listName = "GetTipoTransp", .listSet = "cdsTipoTransport",
     .check = Method, .checkName = "GetVd_TipoTransp", .checkSet = "cdsVd_TipoTransp",
     .codeColumn = "CDTIPTRANS", .nameColumn = "NMTIPTRANS", .nameEdit = "edtNmTipoTransp", .nameField = "NMTIPTRANS",
     .requiredKey = "CDTIPTRANS_NULO", .notFoundKey = "TT_NAO_CAD", .flags = ChangesPage | DigitsOnly | CodeOnly},
    {.id = "Transport", .page = "tshDadosPed", .codeEdit = "dbeTransportadora", .field = "NRINSJURTRAN",
     .button = "btpTransportadora", .group = "grbPedidos", .row = 10, .col = 1,
     .title = "Transportadora", .emptyText = "Não há transportadora cadastrada.",
     .list = Method, .listName = "GetTipoTransp", .listSet = "cdsTransport",
     .check = Method, .checkName = "GetVd_Transportadora", .checkSet = "cdsVd_Transportadora",
     .codeColumn = "NRINSJURTRAN", .nameColumn = "NMFANTTRAN", .nameEdit = "edtNmTransportadora", .nameField = "NMFANTTRAN",
     .requiredKey = "TRAN_NULO", .notFoundKey = "TRANSP_NAO_CAD", .flags = ChangesPage},
    {.id = "Idioma", .page = "tshPersonalizacao", .codeEdit = "dbeCdIdioma", .field = "IDIDIOMA",
     .button = "btpIdioma", .group = "grbIdioma", .row = 0, .col = 2,
     .title = "Idioma", .emptyText = "Não há Idioma cadastrado.",
     .list = Method, .listName = "GetIdioma", .listSet = "cdsPesqIdioma",
     .check = Method, .checkName = "GetIdioma", .checkSet = "cdsPesqIdioma",
     .codeColumn = "IDIDIOMA", .nameColumn = "DSIDIOMA", .nameEdit = "edtNmIdioma",
     .notFoundKey = "Idioma_N_Cad", .flags = ChangesPage | AlwaysClearName},
    {.id = "ContCtbl", .page = "tshDadosAdic", .codeEdit = "dbeCdContCtbl", .field = "CDCONTCTBL",
     .button = "btpProcContCtbl", .group = "grbDadosAdic", .row = 0, .col = 1,
     .title = "Conta Contábil", .emptyText = "Não há conta contábil cadastrada.",
     .list = Method, .listName = "GetContCtbl", .listSet = "cdsContCtbl",
     .check = Method, .checkName = "GetContCtbl", .checkSet = "cdsContCtbl",
     .codeColumn = "CDCONTCTBL", .nameColumn = "NMCONTCTBL", .nameEdit = "dbeNmContCtbl", .nameField = "NMCONTCTBL",
     .notFoundKey = "Cont_cad", .flags = kChecked},
    // The currency index; the banks page uses the same row.
    {.id = "Indice", .page = "tshSitFinanc", .codeEdit = "dbeSgIndice", .field = "SGINDICE",
     .button = "BtnIndice", .group = "grbIndice", .row = 0, .col = 1,
     .title = "Índice Financeiro", .emptyText = "Não há índice diário com identificador valor cadastrado.",
     .list = Query, .listName = "qryMoeda",
     .check = Query, .checkName = "qryMoeda", .checkParam = "P_SGINDICE", .allParam = "P_TSGINDICE",
     .codeColumn = "SGINDICE", .nameColumn = "NMINDICE", .nameEdit = "dbeNmIndice", .nameField = "NMINDICE",
     .requiredKey = "Indice", .notFoundKey = "Indice_cad", .flags = kChecked},
    {.id = "CentCusto", .page = "tshFormulario", .codeEdit = "dbeCentCusto", .field = "CDCENTCUSTCLI", .width = 4,
     .button = "btnCentCusto", .group = "grbClassif", .row = 4, .col = 2,
     .title = "Centro de Custo", .emptyText = "Não há centro de csuto cadastrado.",
     .list = Query, .listName = "qryCentCustoCli",
     .check = Query, .checkName = "qryCentCustoCli", .checkParam = "P_CDCENTCUST", .allParam = "P_TCDCENTCUST",
     .codeColumn = "CDCENTCUST", .nameColumn = "NMCENTCUST", .nameEdit = "edtCentCusto",
     .notFoundKey = "CentCust_Nc", .flags = SetsErrorFlag | UnlessInsert},
    {.id = "ProdMatAplic", .page = "tshDadosPed", .codeEdit = "dbeProdMatAplic", .field = "CDARVMATAPLIC",
     .button = "btnProdMatAplic", .group = "grbMatAplic", .row = 2, .col = 1,
     .title = "Material Aplicado", .emptyText = "Não há produto cadastrado",
     .list = Method, .listName = "GetProdMatAplic", .listSet = "cdsProdMatAplic",
     .check = Method, .checkName = "GetProdMatAplic", .checkSet = "cdsProdMatAplic",
     .codeColumn = "CDARVPROD", .nameColumn = "NMPRODUTO", .nameEdit = "dbeNmMatAplic", .nameField = "NMPRODMATAPLIC",
     .notFoundKey = "prod_inv", .flags = ChangesPage},
    // Taken by another customer: sigla_cad; a length other than 3: sigla_Maior.
    {.id = "Sigla", .page = "tshFormulario", .codeEdit = "dbeSigla", .field = "SGARQESPECLIE",
     .list = None, .check = Method, .checkName = "GetVdSigla", .checkSet = "cdsVdSigla",
     .requiredKey = "sigla_Maior", .notFoundKey = "sigla_cad", .flags = ChangesPage},
};
// clang-format on

} // namespace

std::span<const ClassificationLookup> classificationLookups() {
    return kLookups;
}

const ClassificationLookup& classificationLookup(std::string_view id) {
    for (const ClassificationLookup& l : kLookups)
        if (l.id == id)
            return l;
    throw Error("Consulta de classificação desconhecida: " + std::string(id));
}

} // namespace vq::customer

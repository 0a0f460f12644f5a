// tshFormulario: identity, names, classification and the carrier search; the grid's columns.

#include "customer/form/layouts.h"

namespace vq::customer::form {
namespace {

using enum gui::Kind;

// clang-format off
constexpr gui::ControlSpec kFormPage[] = {
    {GroupBox, "grbIdent", "tshFormulario", "Identificação", "", "", {0, 0}},
    {DbEdit, "dbeInscricao", "grbIdent", "Inscrição", "dtsPadrao", "NRINSJURINFO", {0, 0}, {.label = "lblInscricao"}},
    {DbEdit, "dbeNrInsJurClie", "grbIdent", "Inscrição", "dtsPadrao", "NRINSJURCLIE", {0, 1}, {.label = "lblInscAux", .required = true}},
    {DbEdit, "dbeNmRazaoSoc", "grbIdent", "Razão Social", "dtsPadrao", "NMRAZSOCCLIE", {1, 0}, {.label = "lblNmRazaoSoc", .width = 40}},
    {DbEdit, "dbeNmCompRzScli", "grbIdent", "Complemento", "dtsPadrao", "NMCOMPRZSCLI", {1, 1}, {.label = "lblComp", .width = 30}},
    {DbEdit, "dbeNmFantasia", "grbIdent", "Nome Fantasia", "dtsPadrao", "NMFANTCLIE", {2, 0}, {.width = 30}},
    {Label, "lblInadimplente", "grbIdent", "Cliente inativado por inadimplência", "", "", {2, 1}, {.hidden = true}},
    {ComboBox, "dbcSituAtiv", "grbIdent", "Situação", "", "", {3, 0}, {.items = "Ativo|Inativo", .values = "S|N", .style = gui::ComboStyle::DropDownList}},
    {CheckBox, "chbIdSitFinCli", "grbIdent", "Pendência Financeira", "", "", {3, 1}},
    {RadioGroup, "rdgTipoCliente", "grbIdent", "Tipo de Cliente", "", "", {4, 0}, {.items = "Privado|Público", .columns = 2}},
    {GroupBox, "grbClassif", "tshFormulario", "Classificação", "", "", {0, 1}},
    {DbDateEdit, "depClieDesde", "grbClassif", "Cliente desde", "dtsPadrao", "DTCADACLIE", {0, 0}},
    {DbDateEdit, "depProspDesde", "grbClassif", "Prospect desde", "dtsPadrao", "DTCADACLPROS", {0, 1}},
    {DbEdit, "dbeSegMerc", "grbClassif", "Segmento de Mercado", "dtsPadrao", "CDSEGMER", {1, 0}, {.width = 6}},
    {Edit, "edtSegMerc", "grbClassif", "", "", "", {1, 1}, {.width = 30, .readOnly = true, .noTab = true}},
    {MaskEdit, "medCdArvRamo", "grbClassif", "Ramo de Atividade", "", "", {2, 0}, {.width = 12}},
    {Edit, "edtdsRamoAtiv", "grbClassif", "", "", "", {2, 1}, {.width = 30, .readOnly = true, .noTab = true}},
    {DbEdit, "dbeOrigem", "grbClassif", "Origem", "dtsPadrao", "CDMODODIVULG", {3, 0}, {.width = 6}},
    {Edit, "edtOrigem", "grbClassif", "", "", "", {3, 1}, {.width = 30, .readOnly = true, .noTab = true}},
    {DbEdit, "dbeCentCusto", "grbClassif", "Centro de Custo", "dtsPadrao", "CDCENTCUSTCLI", {4, 0}, {.width = 5}},
    {Edit, "edtCentCusto", "grbClassif", "", "", "", {4, 1}, {.width = 30, .readOnly = true, .noTab = true}},
    {DbEdit, "dbeQualifica", "grbClassif", "Qualificação", "dtsPadrao", "CDQUALIF", {5, 0}, {.width = 3}},
    {Edit, "edtQualifica", "grbClassif", "", "", "", {5, 1}, {.width = 30, .readOnly = true, .noTab = true}},
    {DbEdit, "dbeSigla", "grbClassif", "Sigla para arquivos específicos", "dtsPadrao", "SGARQESPECLIE", {6, 0}, {.label = "lblSigla", .width = 4}},
    {Edit, "edtHomePage", "grbClassif", "Home Page", "", "", {6, 1}, {.width = 30, .maxLength = 50}},
    {GroupBox, "grbTransp", "tshFormulario", "Transportadora", "", "", {1, 0}},
    {DbComboBox, "dbePesqTransp", "grbTransp", "Transportadora", "dtsPadrao", "IDPESQTRANSP", {0, 0}, {.items = "Padrão|Lista", .style = gui::ComboStyle::DropDownList}},
    {Label, "lblTranspLista", "grbTransp", "Lista", "", "", {0, 1}, {.hidden = true}},
    {ToolButton, "btnPesqListaTransp", "grbTransp", "...", "", "", {0, 2}, {.hint = "Lista de transportadoras", .hidden = true}},
    {ToolButton, "btpVendAdic", "grbTransp", "Vendedores Adicionais", "", "", {1, 0}, {.hint = "Vendedores adicionais do cliente"}},
};

constexpr gui::ColumnSpec kGridColumns[] = {
    {"dbgPadrao", "CDCLIENTE", "Código", 22},
    {"dbgPadrao", "NRINSJURINFO", "Inscrição", 20},
    {"dbgPadrao", "NMRAZSOCCLIE", "Razão Social", 40},
    {"dbgPadrao", "NMFANTCLIE", "Nome Fantasia", 30},
};
// clang-format on

} // namespace

std::span<const gui::ControlSpec> formPageLayout() {
    return kFormPage;
}

std::span<const gui::ColumnSpec> gridColumns() {
    return kGridColumns;
}

} // namespace vq::customer::form

// tshFormulario: identity, names, classification and the carrier search; the grid's columns.

#include "customer/form/layouts.h"

namespace vq::customer::form {
namespace {

using enum gui::Kind;

// clang-format off
constexpr gui::ControlSpec kFormPage[] = {
    {GroupBox, "grbIdent", "tshFormulario", "Identificação", "", "", {0, 0}},
    {DbEdit, "dbeInscricao", "grbIdent", "Inscrição", "dtsPadrao", "NRINSJURINFO", {0, 0}, {.label = "lblInscricao"}, bind<&Self::form, &FormPage::dbeInscricao>()},
    {DbEdit, "dbeNrInsJurClie", "grbIdent", "Inscrição", "dtsPadrao", "NRINSJURCLIE", {0, 1}, {.label = "lblInscAux", .required = true}, bind<&Self::form, &FormPage::dbeNrInsJurClie>()},
    {DbEdit, "dbeNmRazaoSoc", "grbIdent", "Razão Social", "dtsPadrao", "NMRAZSOCCLIE", {1, 0}, {.label = "lblNmRazaoSoc", .width = 40}, bind<&Self::form, &FormPage::dbeNmRazaoSoc>()},
    {DbEdit, "dbeNmCompRzScli", "grbIdent", "Complemento", "dtsPadrao", "NMCOMPRZSCLI", {1, 1}, {.label = "lblComp", .width = 30}, bind<&Self::form, &FormPage::dbeNmCompRzScli>()},
    {DbEdit, "dbeNmFantasia", "grbIdent", "Nome Fantasia", "dtsPadrao", "NMFANTCLIE", {2, 0}, {.width = 30}, bind<&Self::form, &FormPage::dbeNmFantasia>()},
    {Label, "lblInadimplente", "grbIdent", "Cliente inativado por inadimplência", "", "", {2, 1}, {.hidden = true}, bind<&Self::form, &FormPage::lblInadimplente>()},
    {ComboBox, "dbcSituAtiv", "grbIdent", "Situação", "", "", {3, 0}, {.items = "Ativo|Inativo", .values = "S|N", .style = gui::ComboStyle::DropDownList}, bind<&Self::form, &FormPage::dbcSituAtiv>()},
    {CheckBox, "chbIdSitFinCli", "grbIdent", "Pendência Financeira", "", "", {3, 1}, {}, bind<&Self::form, &FormPage::chbIdSitFinCli>()},
    {RadioGroup, "rdgTipoCliente", "grbIdent", "Tipo de Cliente", "", "", {4, 0}, {.items = "Privado|Público", .columns = 2}, bind<&Self::form, &FormPage::rdgTipoCliente>()},
    {DbEdit, "dbeCdInscEsta", "grbIdent", "Inscrição Estadual", "dtsPadrao", "NRINSESTCLIE", {5, 0}, {.width = 20, .upperCase = true}, bind<&Self::form, &FormPage::dbeCdInscEsta>()},
    {DbEdit, "dbeDsCNAEFiscal", "grbIdent", "", "dtsPadrao", "DSCNAE", {6, 1}, {.width = 50, .disabled = true, .noTab = true}, bind<&Self::form, &FormPage::dbeDsCNAEFiscal>()},
    {GroupBox, "grbClassif", "tshFormulario", "Classificação", "", "", {0, 1}},
    {DbDateEdit, "depClieDesde", "grbClassif", "Cliente desde", "dtsPadrao", "DTCADACLIE", {0, 0}, {}, bind<&Self::form, &FormPage::depClieDesde>()},
    {DbDateEdit, "depProspDesde", "grbClassif", "Prospect desde", "dtsPadrao", "DTCADACLPROS", {0, 1}, {}, bind<&Self::form, &FormPage::depProspDesde>()},
    {DbEdit, "dbeSegMerc", "grbClassif", "Segmento de Mercado", "dtsPadrao", "CDSEGMER", {1, 0}, {.width = 6}, bind<&Self::form, &FormPage::dbeSegMerc>()},
    {Edit, "edtSegMerc", "grbClassif", "", "", "", {1, 1}, {.width = 30, .readOnly = true, .noTab = true}, bind<&Self::form, &FormPage::edtSegMerc>()},
    {MaskEdit, "medCdArvRamo", "grbClassif", "Ramo de Atividade", "", "", {2, 0}, {.width = 12}, bind<&Self::form, &FormPage::medCdArvRamo>()},
    {Edit, "edtdsRamoAtiv", "grbClassif", "", "", "", {2, 1}, {.width = 30, .readOnly = true, .noTab = true}, bind<&Self::form, &FormPage::edtdsRamoAtiv>()},
    {DbEdit, "dbeOrigem", "grbClassif", "Origem", "dtsPadrao", "CDMODODIVULG", {3, 0}, {.width = 6}, bind<&Self::form, &FormPage::dbeOrigem>()},
    {Edit, "edtOrigem", "grbClassif", "", "", "", {3, 1}, {.width = 30, .readOnly = true, .noTab = true}, bind<&Self::form, &FormPage::edtOrigem>()},
    {DbEdit, "dbeCentCusto", "grbClassif", "Centro de Custo", "dtsPadrao", "CDCENTCUSTCLI", {4, 0}, {.width = 5}, bind<&Self::form, &FormPage::dbeCentCusto>()},
    {Edit, "edtCentCusto", "grbClassif", "", "", "", {4, 1}, {.width = 30, .readOnly = true, .noTab = true}, bind<&Self::form, &FormPage::edtCentCusto>()},
    {DbEdit, "dbeQualifica", "grbClassif", "Qualificação", "dtsPadrao", "CDQUALIF", {5, 0}, {.width = 3}, bind<&Self::form, &FormPage::dbeQualifica>()},
    {Edit, "edtQualifica", "grbClassif", "", "", "", {5, 1}, {.width = 30, .readOnly = true, .noTab = true}, bind<&Self::form, &FormPage::edtQualifica>()},
    {DbEdit, "dbeSigla", "grbClassif", "Sigla para arquivos específicos", "dtsPadrao", "SGARQESPECLIE", {6, 0}, {.label = "lblSigla", .width = 4}, bind<&Self::form, &FormPage::dbeSigla>()},
    {Edit, "edtHomePage", "grbClassif", "Home Page", "", "", {6, 1}, {.width = 30, .maxLength = 50}, bind<&Self::form, &FormPage::edtHomePage>()},
    {GroupBox, "grbTransp", "tshFormulario", "Transportadora", "", "", {1, 0}},
    {ToolButton, "btpVendAdic", "grbTransp", "Vendedores Adicionais", "", "", {1, 0}, {.hint = "Vendedores adicionais do cliente"}, bind<&Self::form, &FormPage::btpVendAdic>()},
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

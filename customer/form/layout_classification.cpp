// Commercial classification rows added to the groups of their tabs; the lookup buttons beside the codes
// are made from customer/classification_table.cpp.

#include "customer/form/layouts.h"

namespace vq::customer::form {
namespace {

using enum gui::Kind;
using C = ClassificationControls;

// clang-format off
constexpr gui::ControlSpec kClassification[] = {
    // Dados Adicionais: salesperson, registering branch, the ledger account's name.
    {DbEdit, "dbeNmContCtbl", "grbDadosAdic", "", "dtsPadrao", "NMCONTCTBL", {0, 2, 1, 2}, {.width = 30, .readOnly = true, .noTab = true}, bind<&Self::cls, &C::dbeNmContCtbl>()},
    {DbEdit, "dbeVendedor", "grbDadosAdic", "Vendedor", "dtsPadrao", "CDVENDEDOR", {7, 0}, {.width = 5}, bind<&Self::cls, &C::dbeVendedor>()},
    {DbEdit, "dbeNmVendedor", "grbDadosAdic", "", "dtsPadrao", "NMRAZSOCVEN", {7, 2, 1, 2}, {.width = 30, .readOnly = true, .noTab = true}},
    {DbEdit, "dbeCdFiliOrig", "grbDadosAdic", "Filial de Cadastramento", "dtsPadrao", "CDFILORIGCLI", {8, 0}, {.width = 5}, bind<&Self::cls, &C::dbeCdFiliOrig>()},
    {DbEdit, "dbeNmFiliOrig", "grbDadosAdic", "", "dtsPadrao", "NMFILIAL", {8, 2, 1, 2}, {.width = 30, .readOnly = true, .noTab = true}},
    // Dados do Prospect: divulgation mode.
    {DbEdit, "dbeCdModoDivulg", "grbDadoProsp", "Modo de Divulgação", "dtsPadrao", "CDMODODIVULG", {0, 0}, {.width = 6}, bind<&Self::cls, &C::dbeCdModoDivulg>()},
    {DbEdit, "dbeNmDivulg", "grbDadoProsp", "", "dtsPadrao", "NMMODODIVULG", {0, 2}, {.width = 30, .readOnly = true, .noTab = true}},
    // Dados para Pedidos, Geral: group, carrier search, transport type, carrier, freight.
    {DbEdit, "dbeCdGrupClie", "grbPedidos", "Grupo de Clientes", "dtsPadrao", "CDGRUPCLIE", {7, 0}, {.width = 11}, bind<&Self::cls, &C::dbeCdGrupClie>()},
    {DbEdit, "dbeNmGrupClie", "grbPedidos", "", "dtsPadrao", "NMGRUPCLIE", {7, 2}, {.width = 30, .readOnly = true, .noTab = true}},
    {DbComboBox, "dbePesqTransp", "grbPedidos", "Pesquisa de Transportadora", "dtsPadrao", "IDPESQTRANSP", {8, 0}, {.items = "Padrão|Lista", .style = gui::ComboStyle::DropDownList}, bind<&Self::form, &FormPage::dbePesqTransp>()},
    {Label, "lblTranspLista", "grbPedidos", "Lista", "", "", {8, 1}, {.hidden = true}, bind<&Self::form, &FormPage::lblTranspLista>()},
    {ToolButton, "btnPesqListaTransp", "grbPedidos", "...", "", "", {8, 2}, {.hint = "Lista de transportadoras", .hidden = true}, bind<&Self::form, &FormPage::btnPesqListaTransp>()},
    {DbEdit, "dbeTipoTransp", "grbPedidos", "Tipo de Transporte", "dtsPadrao", "CDTIPTRANS", {9, 0}, {.width = 5}, bind<&Self::cls, &C::dbeTipoTransp>()},
    {DbEdit, "dbeTransportadora", "grbPedidos", "Transportadora", "dtsPadrao", "NRINSJURTRAN", {10, 0}, {.width = 20}, bind<&Self::cls, &C::dbeTransportadora>()},
    {DbComboBox, "dbcTipoPgto", "grbPedidos", "Tipo de Pagamento de Frete", "dtsPadrao", "IDPGFRETTRANCLI", {11, 0, 1, 3}, {.style = gui::ComboStyle::DropDownList}, bind<&Self::cls, &C::dbcTipoPgto>()},
    {GroupBox, "grbMatAplic", "tshGeral", "Material Aplicado", "", "", {7, 0}},
    {DbCheckBox, "dckMatAplic", "grbMatAplic", "Considera Material Aplicado na Expedição de Pedidos de Industrialização", "dtsPadrao", "IDMATAPLICCLIE", {0, 0, 1, 3}, {}, bind<&Self::cls, &C::dckMatAplic>()},
    {DbEdit, "dbeMatAplic", "grbMatAplic", "Descrição", "dtsPadrao", "DSMATAPLICCLIE", {1, 0, 1, 3}, {.width = 50}, bind<&Self::cls, &C::dbeMatAplic>()},
    {DbEdit, "dbeProdMatAplic", "grbMatAplic", "Produto", "dtsPadrao", "CDARVMATAPLIC", {2, 0}, {.width = 16}, bind<&Self::cls, &C::dbeProdMatAplic>()},
    {DbEdit, "dbeNmMatAplic", "grbMatAplic", "", "dtsPadrao", "NMPRODMATAPLIC", {2, 2}, {.width = 30, .readOnly = true, .noTab = true}, bind<&Self::cls, &C::dbeNmMatAplic>()},
    // Situação Financeira, Geral: the currency index.
    {GroupBox, "grbIndice", "tshSituFinaGeral", "Moeda", "", "", {7, 0}},
    {DbEdit, "dbeSgIndice", "grbIndice", "Índice Financeiro", "dtsPadrao", "SGINDICE", {0, 0}, {.width = 6, .upperCase = true}, bind<&Self::cls, &C::dbeSgIndice>()},
    {DbEdit, "dbeNmIndice", "grbIndice", "", "dtsPadrao", "NMINDICE", {0, 2}, {.width = 30, .readOnly = true, .noTab = true}, bind<&Self::cls, &C::dbeNmIndice>()},
};
// clang-format on

} // namespace

std::span<const gui::ControlSpec> classificationLayout() {
    return kClassification;
}

} // namespace vq::customer::form

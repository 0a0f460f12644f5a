// Tabs "Interlocutores" to "Dados para Pedidos", one table each, with their inner pages.

#include "customer/form/layouts.h"

namespace vq::customer::form {
namespace {

using enum gui::Kind;

// clang-format off
constexpr gui::ControlSpec kInterloc[] = {
    {TabSheet, "tshInterloc", "pgcPadrao", "Interlocutores"},
    {PageControl, "pgcInterloc", "tshInterloc", "", "", "", {0, 0}},
    {TabSheet, "tshDadosInterloc", "pgcInterloc", "Folha de Dados (Grade)"},
    {DbGrid, "dbgInterloc", "tshDadosInterloc", "", "dtsInterloc", "", {0, 0}},
    {TabSheet, "tshFormInter", "pgcInterloc", "Formulário"},
    {GroupBox, "grbFormInter", "tshFormInter", "Interlocutor", "", "", {0, 0}},
    {TabSheet, "tshEndeInter", "pgcInterloc", "Endereço"},
    {GroupBox, "grbEndeInter", "tshEndeInter", "Endereço", "", "", {0, 0}},
    {TabSheet, "tshCorres", "pgcInterloc", "Correspondência"},
    {DbGrid, "dbgCorres", "tshCorres", "", "dtsCorres", "", {0, 0}},
};

constexpr gui::ControlSpec kObserv[] = {
    {TabSheet, "tshObserv", "pgcPadrao", "Observações"},
    {DbGrid, "dbgObserv", "tshObserv", "", "dtsObserv", "", {0, 0}},
};

constexpr gui::ControlSpec kSitFinanc[] = {
    {TabSheet, "tshSitFinanc", "pgcPadrao", "Situação Financeira"},
    {PageControl, "pgcSituFinanc", "tshSitFinanc", "", "", "", {0, 0}},
    {TabSheet, "tshSituFinaGeral", "pgcSituFinanc", "Geral"},
    {TabSheet, "tshSocios", "pgcSituFinanc", "Sócios"},
    {DbGrid, "dbgSocios", "tshSocios", "", "dtsSocios", "", {0, 0}},
};

constexpr gui::ControlSpec kBancoPref[] = {
    {TabSheet, "tshBancoPref", "pgcPadrao", "Banco Preferencial"},
    {DbGrid, "dbgBancoPref", "tshBancoPref", "", "dtsBancoPref", "", {0, 0}},
};

constexpr gui::ControlSpec kPersonalizacao[] = {
    {TabSheet, "tshPersonalizacao", "pgcPadrao", "Personalização"},
    {GroupBox, "grbIdioma", "tshPersonalizacao", "Idioma", "", "", {0, 0}},
    {DbEdit, "dbeCdIdioma", "grbIdioma", "Idioma", "dtsPadrao", "IDIDIOMA", {0, 0}, {.width = 4}},
    {Edit, "edtNmIdioma", "grbIdioma", "", "", "", {0, 1}, {.width = 30, .readOnly = true, .noTab = true}},
    // Validity limits.
    {GroupBox, "grbValidade", "tshPersonalizacao", "Validade", "", "", {1, 0}},
    {DbEdit, "dbeNrDias", "grbValidade", "Número de dias para Per", "dtsPadrao", "NRDIAVALPERS", {0, 0}, {.width = 4, .maxLength = 3}},
    {DbDateEdit, "dbdDtVencimento", "grbValidade", "Data de validade do Per", "dtsPadrao", "DTVALARQPERS", {0, 1}, {.width = 10}},
};

constexpr gui::ControlSpec kDadoProsp[] = {
    {TabSheet, "tshDadoProsp", "pgcPadrao", "Dados do Prospect"},
    {GroupBox, "grbDadoProsp", "tshDadoProsp", "Dados do Prospect", "", "", {0, 0}},
};

constexpr gui::ControlSpec kDadosPed[] = {
    {TabSheet, "tshDadosPed", "pgcPadrao", "Dados para Pedidos"},
    {PageControl, "pgcGeral", "tshDadosPed", "", "", "", {0, 0}},
    {TabSheet, "tshGeral", "pgcGeral", "Geral"},
    {GroupBox, "grbPedidos", "tshGeral", "Dados para Pedidos", "", "", {0, 0}},
    {DbEdit, "dbeCdRegiao", "grbPedidos", "Região", "dtsPadrao", "CDREGIAOPED", {0, 0}, {.width = 4}},
    {MaskEdit, "medNmRegiao", "grbPedidos", "", "", "", {0, 1}, {.width = 30, .readOnly = true, .noTab = true}},
    {Edit, "edtNmTransportadora", "grbPedidos", "Transportadora", "", "", {1, 0}, {.width = 30, .readOnly = true, .noTab = true}},
    {Edit, "edtNmTipoTransp", "grbPedidos", "Tipo de Transporte", "", "", {1, 1}, {.width = 30, .readOnly = true, .noTab = true}},
    {ComboBox, "cbbLancExp", "grbPedidos", "Lançamento de Expedição", "", "", {2, 0}, {.items = "Gera Nota Fiscal por Pedido|Gera Nota Fiscal por Cliente", .values = "1|2", .style = gui::ComboStyle::DropDownList}},
    {ComboBox, "dbcAprovPed", "grbPedidos", "Pendência Financeira/Dias", "", "", {3, 0}, {.items = "Não verifica pendência financeira do cliente|Verifica pend. fin./não libera aprovação|Verifica pend. fin./senha para aprovação| ", .values = "1|2|3| ", .style = gui::ComboStyle::DropDownList}},
    {NumberEdit, "nedDias", "grbPedidos", "", "", "", {3, 1}, {.width = 4, .decimals = 0}},
    {ComboBox, "dbcSitFin", "grbPedidos", "Situação Financeira", "", "", {4, 0}, {.items = "Não verifica situação financeira do cliente|Verifica sit. fin./não libera aprovação|Verifica sit. fin./senha para aprovação| ", .values = "1|2|3| ", .style = gui::ComboStyle::DropDownList}},
    {DbCheckBox, "dcbIDUTGRFXVENDADIC", "grbPedidos", "Utiliza grupo fixo de vendedores adicionais por cliente", "dtsPadrao", "IDUTGRFXVENDADIC", {5, 0, 1, 2}},
    // Payment modality; its lookup button sits at {6, 1} (payment_layout.cpp).
    {DbEdit, "dbeCdModPgto", "grbPedidos", "Modalidade de Pagamento", "dtsPadrao", "CDMODPGTO", {6, 0}, {.width = 6}},
    {DbEdit, "dbeDsModPgto", "grbPedidos", "", "dtsPadrao", "DSMODPGTO", {6, 2}, {.width = 40, .readOnly = true, .noTab = true}},
    {TabSheet, "tshPrcBase", "pgcGeral", "Preço Base"},
    {DbGrid, "dbgPrecoBaseCli", "tshPrcBase", "", "dtsPrecoBaseCli", "", {0, 0}},
};
// clang-format on

} // namespace

std::vector<std::span<const gui::ControlSpec>> detailLayouts() {
    return {kInterloc, kObserv, kSitFinanc, kBancoPref, kPersonalizacao, kDadoProsp, kDadosPed};
}

} // namespace vq::customer::form

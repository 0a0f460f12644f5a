// Tabs "Interlocutores" to "Dados para Pedidos", one table each, with their inner pages.

#include "customer/form/layouts.h"

namespace vq::customer::form {
namespace {

using enum gui::Kind;

// clang-format off
constexpr gui::ControlSpec kInterloc[] = {
    {TabSheet, "tshInterloc", "pgcPadrao", "Interlocutores", "", "", {}, {}, bind<&Self::tabs, Tab::Interloc, &TabEntry::sheet>()},
    {PageControl, "pgcInterloc", "tshInterloc", "", "", "", {0, 0}, {}, bind<&Self::detail, &DetailPages::pgcInterloc>()},
    {TabSheet, "tshDadosInterloc", "pgcInterloc", "Folha de Dados (Grade)", "", "", {}, {}, bind<&Self::detail, &DetailPages::tshDadosInterloc>()},
    {DbGrid, "dbgInterloc", "tshDadosInterloc", "", "dtsInterloc", "", {0, 0}},
    {TabSheet, "tshFormInter", "pgcInterloc", "Formulário", "", "", {}, {}, bind<&Self::detail, &DetailPages::tshFormInter>()},
    {GroupBox, "grbFormInter", "tshFormInter", "Interlocutor", "", "", {0, 0}},
    {TabSheet, "tshEndeInter", "pgcInterloc", "Endereço", "", "", {}, {}, bind<&Self::detail, &DetailPages::tshEndeInter>()},
    {GroupBox, "grbEndeInter", "tshEndeInter", "Endereço", "", "", {0, 0}},
    {TabSheet, "tshCorres", "pgcInterloc", "Correspondência", "", "", {}, {}, bind<&Self::detail, &DetailPages::tshCorres>()},
    {DbGrid, "dbgCorres", "tshCorres", "", "dtsCorres", "", {0, 0}},
};

constexpr gui::ControlSpec kObserv[] = {
    {TabSheet, "tshObserv", "pgcPadrao", "Observações", "", "", {}, {}, bind<&Self::tabs, Tab::Observ, &TabEntry::sheet>()},
    {DbGrid, "dbgObserv", "tshObserv", "", "dtsObserv", "", {0, 0}},
};

constexpr gui::ControlSpec kSitFinanc[] = {
    {TabSheet, "tshSitFinanc", "pgcPadrao", "Situação Financeira", "", "", {}, {}, bind<&Self::tabs, Tab::SitFinanc, &TabEntry::sheet>()},
    {PageControl, "pgcSituFinanc", "tshSitFinanc", "", "", "", {0, 0}, {}, bind<&Self::detail, &DetailPages::pgcSituFinanc>()},
    {TabSheet, "tshSituFinaGeral", "pgcSituFinanc", "Geral", "", "", {}, {}, bind<&Self::detail, &DetailPages::tshSituFinaGeral>()},
    {TabSheet, "tshSocios", "pgcSituFinanc", "Sócios", "", "", {}, {}, bind<&Self::detail, &DetailPages::tshSocios>()},
    {DbGrid, "dbgSocios", "tshSocios", "", "dtsSocios", "", {0, 0}},
};

constexpr gui::ControlSpec kBancoPref[] = {
    {TabSheet, "tshBancoPref", "pgcPadrao", "Banco Preferencial", "", "", {}, {}, bind<&Self::tabs, Tab::BancoPref, &TabEntry::sheet>()},
    {DbGrid, "dbgBancoPref", "tshBancoPref", "", "dtsBancoPref", "", {0, 0}},
};

constexpr gui::ControlSpec kPersonalizacao[] = {
    {TabSheet, "tshPersonalizacao", "pgcPadrao", "Personalização", "", "", {}, {}, bind<&Self::tabs, Tab::Personalizacao, &TabEntry::sheet>()},
    {GroupBox, "grbIdioma", "tshPersonalizacao", "Idioma", "", "", {0, 0}},
    {DbEdit, "dbeCdIdioma", "grbIdioma", "Idioma", "dtsPadrao", "IDIDIOMA", {0, 0}, {.width = 4, .upperCase = true}, bind<&Self::detail, &DetailPages::dbeCdIdioma>()},
    {Edit, "edtNmIdioma", "grbIdioma", "", "", "", {0, 1}, {.width = 30, .readOnly = true, .noTab = true}, bind<&Self::detail, &DetailPages::edtNmIdioma>()},
    // Validity limits.
    {GroupBox, "grbValidade", "tshPersonalizacao", "Validade", "", "", {1, 0}},
    {DbEdit, "dbeNrDias", "grbValidade", "Número de dias para Per", "dtsPadrao", "NRDIAVALPERS", {0, 0}, {.width = 4, .maxLength = 3}, bind<&Self::pay, &PaymentControls::dbeNrDias>()},
    {DbDateEdit, "dbdDtVencimento", "grbValidade", "Data de validade do Per", "dtsPadrao", "DTVALARQPERS", {0, 1}, {.width = 10}, bind<&Self::pay, &PaymentControls::dbdDtVencimento>()},
};

constexpr gui::ControlSpec kDadoProsp[] = {
    {TabSheet, "tshDadoProsp", "pgcPadrao", "Dados do Prospect", "", "", {}, {}, bind<&Self::tabs, Tab::DadoProsp, &TabEntry::sheet>()},
    {GroupBox, "grbDadoProsp", "tshDadoProsp", "Dados do Prospect", "", "", {0, 0}},
};

constexpr gui::ControlSpec kDadosPed[] = {
    {TabSheet, "tshDadosPed", "pgcPadrao", "Dados para Pedidos", "", "", {}, {}, bind<&Self::tabs, Tab::DadosPed, &TabEntry::sheet>()},
    {PageControl, "pgcGeral", "tshDadosPed", "", "", "", {0, 0}, {}, bind<&Self::detail, &DetailPages::pgcGeral>()},
    {TabSheet, "tshGeral", "pgcGeral", "Geral", "", "", {}, {}, bind<&Self::detail, &DetailPages::tshGeral>()},
    {GroupBox, "grbPedidos", "tshGeral", "Dados para Pedidos", "", "", {0, 0}},
    {DbEdit, "dbeCdRegiao", "grbPedidos", "Região", "dtsPadrao", "CDREGIAOPED", {0, 0}, {.width = 4}, bind<&Self::detail, &DetailPages::dbeCdRegiao>()},
    {MaskEdit, "medNmRegiao", "grbPedidos", "", "", "", {0, 1}, {.width = 30, .readOnly = true, .noTab = true}, bind<&Self::detail, &DetailPages::medNmRegiao>()},
    {Edit, "edtNmTransportadora", "grbPedidos", "Transportadora", "", "", {1, 0}, {.width = 30, .readOnly = true, .noTab = true}, bind<&Self::detail, &DetailPages::edtNmTransportadora>()},
    {Edit, "edtNmTipoTransp", "grbPedidos", "Tipo de Transporte", "", "", {1, 1}, {.width = 30, .readOnly = true, .noTab = true}, bind<&Self::detail, &DetailPages::edtNmTipoTransp>()},
    {ComboBox, "cbbLancExp", "grbPedidos", "Lançamento de Expedição", "", "", {2, 0}, {.items = "Gera Nota Fiscal por Pedido|Gera Nota Fiscal por Cliente", .values = "1|2", .style = gui::ComboStyle::DropDownList}, bind<&Self::detail, &DetailPages::cbbLancExp>()},
    {ComboBox, "dbcAprovPed", "grbPedidos", "Pendência Financeira/Dias", "", "", {3, 0}, {.items = "Não verifica pendência financeira do cliente|Verifica pend. fin./não libera aprovação|Verifica pend. fin./senha para aprovação| ", .values = "1|2|3| ", .style = gui::ComboStyle::DropDownList}, bind<&Self::detail, &DetailPages::dbcAprovPed>()},
    {NumberEdit, "nedDias", "grbPedidos", "", "", "", {3, 1}, {.width = 4, .decimals = 0}, bind<&Self::detail, &DetailPages::nedDias>()},
    {ComboBox, "dbcSitFin", "grbPedidos", "Situação Financeira", "", "", {4, 0}, {.items = "Não verifica situação financeira do cliente|Verifica sit. fin./não libera aprovação|Verifica sit. fin./senha para aprovação| ", .values = "1|2|3| ", .style = gui::ComboStyle::DropDownList}, bind<&Self::detail, &DetailPages::dbcSitFin>()},
    {DbCheckBox, "dcbIDUTGRFXVENDADIC", "grbPedidos", "Utiliza grupo fixo de vendedores adicionais por cliente", "dtsPadrao", "IDUTGRFXVENDADIC", {5, 0, 1, 2}, {}, bind<&Self::detail, &DetailPages::dcbIDUTGRFXVENDADIC>()},
    // Payment modality; its lookup button sits at {6, 1} (payment_layout.cpp).
    {DbEdit, "dbeCdModPgto", "grbPedidos", "Modalidade de Pagamento", "dtsPadrao", "CDMODPGTO", {6, 0}, {.width = 6}, bind<&Self::pay, &PaymentControls::dbeCdModPgto>()},
    {DbEdit, "dbeDsModPgto", "grbPedidos", "", "dtsPadrao", "DSMODPGTO", {6, 2}, {.width = 40, .readOnly = true, .noTab = true}, bind<&Self::pay, &PaymentControls::dbeDsModPgto>()},
    {TabSheet, "tshPrcBase", "pgcGeral", "Preço Base", "", "", {}, {}, bind<&Self::detail, &DetailPages::tshPrcBase>()},
    {DbGrid, "dbgPrecoBaseCli", "tshPrcBase", "", "dtsPrecoBaseCli", "", {0, 0}},
};
// clang-format on

} // namespace

std::vector<std::span<const gui::ControlSpec>> detailLayouts() {
    return {kInterloc, kObserv, kSitFinanc, kBancoPref, kPersonalizacao, kDadoProsp, kDadosPed};
}

} // namespace vq::customer::form

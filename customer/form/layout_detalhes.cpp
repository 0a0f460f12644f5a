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
    {DbGrid, "dbgInterloc", "tshDadosInterloc", "", "dtsInterloc", "", {0, 0}, {}, bind<&Self::interloc, &ContactControls::dbgInterloc>()},
    // Contacts: the form, the address and the correspondence; the lookup buttons are placed in the cells
    // left free beside their codes (contact_form.cpp, contact_address.cpp).
    {TabSheet, "tshFormInter", "pgcInterloc", "Formulário", "", "", {}, {}, bind<&Self::detail, &DetailPages::tshFormInter>()},
    {GroupBox, "grbInterloc", "tshFormInter", "Interlocutor", "", "", {0, 0}, {}, bind<&Self::interloc, &ContactControls::grbInterloc>()},
    {DbEdit, "dbeCdInterloc", "grbInterloc", "Código", "dtsInterloc", "CDINTECLIE", {0, 0}, {.width = 4, .maxLength = 2, .disabled = true}, bind<&Self::interloc, &ContactControls::dbeCdInterloc>()},
    {DbEdit, "dbeNmInter", "grbInterloc", "Nome", "dtsInterloc", "NMINTECLIE", {0, 1, 1, 3}, {.width = 40, .maxLength = 40}, bind<&Self::interloc, &ContactControls::dbeNmInter>()},
    {DbComboBox, "dbcSituacao", "grbInterloc", "Situação", "dtsInterloc", "IDSTINTECLIE", {0, 4}, {.items = "Ativo|Inativo", .style = gui::ComboStyle::DropDownList}, bind<&Self::interloc, &ContactControls::dbcSituacao>()},
    {DbComboBox, "dcbTipo", "grbInterloc", "Nível", "dtsInterloc", "IDTPINTECLIE", {1, 0}, {.label = "lblNivel", .items = "Proprietário|Presidente|Diretor|Superintendente|Gerente|Coordenador|Supervisor|Funcionário|Colaborador Vorlane|Outros", .style = gui::ComboStyle::DropDownList}, bind<&Self::interloc, &ContactControls::dcbTipo>()},
    {DbEdit, "dbeCargo", "grbInterloc", "Cargo", "dtsInterloc", "DSCARGINCLIE", {1, 1, 1, 3}, {.label = "lblCargo", .width = 30}, bind<&Self::interloc, &ContactControls::dbeCargo>()},
    {DbDateEdit, "depDtNasc", "grbInterloc", "Data Nasc.", "dtsInterloc", "DTNASCINCLIE", {1, 4}, {.label = "lblDtNascInter", .width = 10}, bind<&Self::interloc, &ContactControls::depDtNasc>()},
    {DbEdit, "dbeCodCargo", "grbInterloc", "Cód. Cargo", "dtsInterloc", "CDCARGOINTERLOC", {2, 0}, {.label = "lblCodCargo", .width = 6}, bind<&Self::interloc, &ContactControls::dbeCodCargo>()},
    {DbEdit, "dbeNmCargo", "grbInterloc", "", "dtsInterloc", "NMCARGOINTERLOC", {2, 2, 1, 2}, {.width = 40, .readOnly = true, .noTab = true}, bind<&Self::interloc, &ContactControls::dbeNmCargo>()},
    {DbEdit, "dbeCdFunc", "grbInterloc", "Funcionário", "dtsInterloc", "CDFUNC", {3, 0}, {.width = 10}, bind<&Self::interloc, &ContactControls::dbeCdFunc>()},
    {DbEdit, "dbeNmFunc", "grbInterloc", "", "dtsInterloc", "NMFUNC", {3, 2, 1, 2}, {.width = 40, .readOnly = true, .noTab = true}, bind<&Self::interloc, &ContactControls::dbeNmFunc>()},
    {DbEdit, "dbeTel1", "grbInterloc", "Telefone", "dtsInterloc", "NRTEL1INCLIE", {4, 0, 1, 2}, {.width = 20}},
    {DbEdit, "dbeRamal1", "grbInterloc", "Ramal", "dtsInterloc", "NRRAM1INCLIE", {4, 2}, {.width = 6}},
    {DbEdit, "dbeTel2", "grbInterloc", "Telefone 2", "dtsInterloc", "NRTEL2INCLIE", {4, 3}, {.width = 20}},
    {DbEdit, "dbeRamal2", "grbInterloc", "Ramal 2", "dtsInterloc", "NRRAM2INCLIE", {4, 4}, {.width = 6}},
    {DbEdit, "dbeCelIntClie", "grbInterloc", "Celular", "dtsInterloc", "NRCELULINCLI", {5, 0, 1, 2}, {.width = 20}},
    {DbEdit, "dbeResIntClie", "grbInterloc", "Residencial", "dtsInterloc", "NRTELREINCLI", {5, 2, 1, 2}, {.width = 20}},
    {DbEdit, "dbeFax", "grbInterloc", "Fax", "dtsInterloc", "NRFAXINCLIE", {5, 4}, {.width = 20}},
    {TabSheet, "tshEndeInter", "pgcInterloc", "Endereço", "", "", {}, {}, bind<&Self::detail, &DetailPages::tshEndeInter>()},
    {GroupBox, "grbEndeInter", "tshEndeInter", "Endereço", "", "", {0, 0}, {}, bind<&Self::interloc, &ContactControls::grbEndeInter>()},
    {DbEdit, "dbeCdPaisInter", "grbEndeInter", "País", "dtsInterloc", "CDPAIS", {0, 0}, {.width = 6}, bind<&Self::interloc, &ContactControls::dbeCdPaisInter>()},
    {DbEdit, "dbeNmPaisInter", "grbEndeInter", "", "dtsInterloc", "NMPAIS", {0, 2}, {.width = 30, .readOnly = true, .noTab = true}, bind<&Self::interloc, &ContactControls::dbeNmPaisInter>()},
    {DbEdit, "dbeEstadoInter", "grbEndeInter", "Estado", "dtsInterloc", "SGESTADO", {0, 3}, {.width = 4}, bind<&Self::interloc, &ContactControls::dbeEstadoInter>()},
    {DbEdit, "dbeCdMuniInter", "grbEndeInter", "Município", "dtsInterloc", "CDMUNICIPIO", {1, 0}, {.width = 6}, bind<&Self::interloc, &ContactControls::dbeCdMuniInter>()},
    {DbEdit, "dbeNmMuniInter", "grbEndeInter", "", "dtsInterloc", "NMMUNICIPIO", {1, 2}, {.width = 30, .readOnly = true, .noTab = true}, bind<&Self::interloc, &ContactControls::dbeNmMuniInter>()},
    {DbComboBox, "dcbTipoEnde", "grbEndeInter", "Tipo", "dtsInterloc", "IDENDEINCLIE", {1, 3, 1, 2}, {.items = "Residencial|Comercial", .style = gui::ComboStyle::DropDownList}, bind<&Self::interloc, &ContactControls::dcbTipoEnde>()},
    {DbEdit, "dbeEndeInter", "grbEndeInter", "Endereço", "dtsInterloc", "DSENDEINCLIE", {2, 0, 1, 5}, {.width = 50}},
    {DbEdit, "dbeBairInter", "grbEndeInter", "Bairro", "dtsInterloc", "NMBAIRINCLIE", {3, 0, 1, 3}, {.width = 30}},
    {DbEdit, "dbeCEPInter", "grbEndeInter", "CEP", "dtsInterloc", "NRCEPINCLIE", {3, 3, 1, 2}, {.width = 12}},
    {DbEdit, "dbeEmailInter", "grbEndeInter", "E-Mail", "dtsInterloc", "DSEMAILICLIE", {4, 0, 1, 5}, {.width = 50, .maxLength = 50}},
    {TabSheet, "tshCorres", "pgcInterloc", "Correspondência", "", "", {}, {}, bind<&Self::detail, &DetailPages::tshCorres>()},
    {DbGrid, "dbgCorres", "tshCorres", "", "dtsCorres", "", {0, 0}, {}, bind<&Self::interloc, &ContactControls::dbgCorres>()},
    {DbNavigator, "dbnInterloc", "tshInterloc", "", "dtsInterloc", "", {1, 0}, {}, bind<&Self::interloc, &ContactControls::dbnInterloc>()},
};

constexpr gui::ControlSpec kObserv[] = {
    {TabSheet, "tshObserv", "pgcPadrao", "Observações", "", "", {}, {}, bind<&Self::tabs, Tab::Observ, &TabEntry::sheet>()},
    {Panel, "panObserv", "tshObserv", "", "", "", {0, 0}, {}, bind<&Self::interloc, &ContactControls::panObserv>()},
    {DbGrid, "dbgObserv", "panObserv", "", "dtsObserv", "", {0, 0}, {}, bind<&Self::interloc, &ContactControls::dbgObserv>()},
    // The text's formatting tool bar (contact_observations.cpp acts on the editor below it).
    {Panel, "panFormatObserv", "tshObserv", "", "", "", {1, 0}},
    {ToolButton, "tbtRecortar", "panFormatObserv", "", "", "", {0, 0}, {.hint = "Recortar"}},
    {ToolButton, "tbtCopiar", "panFormatObserv", "", "", "", {0, 1}, {.hint = "Copiar"}},
    {ToolButton, "tbtColar", "panFormatObserv", "", "", "", {0, 2}, {.hint = "Colar"}},
    {ToolButton, "tbtDesfazer", "panFormatObserv", "", "", "", {0, 3}, {.hint = "Desfazer"}},
    {ComboBox, "cbbTamanho", "panFormatObserv", "", "", "", {0, 4}, {.hint = "Tamanho", .items = "8|9|10|11|12|14|16|18|20|24|28|36", .style = gui::ComboStyle::DropDownList}},
    {ToolButton, "tbtNegrito", "panFormatObserv", "", "", "", {0, 5}, {.hint = "Negrito"}},
    {ToolButton, "tbtItalico", "panFormatObserv", "", "", "", {0, 6}, {.hint = "Itálico"}},
    {ToolButton, "tbtSublinhado", "panFormatObserv", "", "", "", {0, 7}, {.hint = "Sublinhado"}},
    {ToolButton, "tbtEsquerda", "panFormatObserv", "", "", "", {0, 8}, {.hint = "Esquerda"}},
    {ToolButton, "tbtCentralizado", "panFormatObserv", "", "", "", {0, 9}, {.hint = "Centralizado"}},
    {ToolButton, "tbtDireita", "panFormatObserv", "", "", "", {0, 10}, {.hint = "Direita"}},
    {ToolButton, "tbtMarcadores", "panFormatObserv", "", "", "", {0, 11}, {.hint = "Marcadores"}},
    {ToolButton, "tbtCor", "panFormatObserv", "", "", "", {0, 12}, {.hint = "Cor"}},
    {DbRichEdit, "dreObserv", "tshObserv", "", "dtsObserv", "DSOBSERVCLIE", {2, 0}, {.lines = 8}, bind<&Self::interloc, &ContactControls::dreObserv>()},
};

constexpr gui::ControlSpec kSitFinanc[] = {
    {TabSheet, "tshSitFinanc", "pgcPadrao", "Situação Financeira", "", "", {}, {}, bind<&Self::tabs, Tab::SitFinanc, &TabEntry::sheet>()},
    {PageControl, "pgcSituFinanc", "tshSitFinanc", "", "", "", {0, 0}, {}, bind<&Self::detail, &DetailPages::pgcSituFinanc>()},
    {TabSheet, "tshSituFinaGeral", "pgcSituFinanc", "Geral", "", "", {}, {}, bind<&Self::detail, &DetailPages::tshSituFinaGeral>()},
    // Financial standing.
    {GroupBox, "grbCapital", "tshSituFinaGeral", " Capital ", "", "", {0, 0}},
    {DbEdit, "dbeVrCapital", "grbCapital", "Valor", "dtsPadrao", "VRCAPITALCLI", {0, 0}, {.width = 12, .maxLength = 10}},
    {DbEdit, "dbeAIntegralizar", "grbCapital", "A Integralizar", "dtsPadrao", "VRCAPINTFUT", {1, 0}, {.width = 12, .maxLength = 10}},
    {DbEdit, "dbeIntegralizado", "grbCapital", "Integralizado", "dtsPadrao", "VRCAPINTCLIE", {2, 0}, {.width = 12, .maxLength = 10}},
    {DbEdit, "dbeReservas", "grbCapital", "Reservas", "dtsPadrao", "VRRESCAPCLIE", {3, 0}, {.width = 12, .maxLength = 10}},
    {GroupBox, "grbLimiteCred", "tshSituFinaGeral", " Limite de Crédito ", "", "", {1, 0}},
    {DbEdit, "dbeLimitCred", "grbLimiteCred", "Valor", "dtsPadrao", "VRLIMCREDCLI", {0, 0}, {.width = 16, .maxLength = 15}},
    {DbDateEdit, "depValLimCredito", "grbLimiteCred", "Validade", "dtsPadrao", "DTVALLIMCLI", {1, 0}, {.width = 10}},
    {GroupBox, "grbPatrLiqu", "tshSituFinaGeral", " Patrimônio Líquido ", "", "", {2, 0}},
    {DbEdit, "dbePatrLiqu", "grbPatrLiqu", "Valor", "dtsPadrao", "VRPATLIQCLI", {0, 0}, {.width = 16, .maxLength = 15}},
    {DbDateEdit, "depValValores", "grbPatrLiqu", "Validade", "dtsPadrao", "DTVALVALCLI", {1, 0}, {.width = 10}},
    {DbEdit, "dbeMercEstoque", "grbPatrLiqu", "Mercadorias em Estoque", "dtsPadrao", "VRMERESTCLIE", {2, 0}, {.width = 12, .maxLength = 10}},
    {GroupBox, "grbGarantia", "tshSituFinaGeral", " Garantia ", "", "", {3, 0}},
    {DbComboBox, "dbcGarantia", "grbGarantia", "Tipo de Garantia", "dtsPadrao", "IDGARANTCLIE", {0, 0}, {.items = "1 - Fiança Bancária|2 - Fiança Pessoal|3 - Hipoteca|4 - Seguro de Crédito|9 - Outras", .style = gui::ComboStyle::DropDownList}},
    {DbComboBox, "dbcGrauGarantia", "grbGarantia", "Grau de Garantia", "dtsPadrao", "IDGRAUGARANT", {1, 0}, {.items = "1 - Primeira|2 - Segunda|3 - Terceira|4 - Quarta|99 - Outras", .style = gui::ComboStyle::DropDownList}},
    {DbDateEdit, "dbdDtValidGarantia", "grbGarantia", "Data de Validade", "dtsPadrao", "DTVALIDGARANT", {2, 0}, {.width = 10}},
    {DbEdit, "dbeVrGarantia", "grbGarantia", "Valor da Garantia", "dtsPadrao", "VRGRANTCLIE", {3, 0}, {.width = 16, .maxLength = 15}},
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
    // Stores "S"/"N" when clicked (dbcPosLigExtClick) and again before the record is posted.
    {DbCheckBox, "dbcPosLigExt", "tshPersonalizacao", "Habilita ligação via URA", "dtsPadrao", "IDLIGEXTCLIE", {2, 0}, {.values = "S|N"}},
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
    {DbCheckBox, "dckVerCons", "grbPedidos", "Verifica Consistências do Pedido", "dtsPadrao", "IDUTCONSPEDI", {7, 0, 1, 2}, {.values = "S|N"}},
    {DbCheckBox, "DBCheckBox1", "grbPedidos", "Grava Observação do Cliente no Pedido", "dtsPadrao", "IDGRAVOBSCLIPED", {8, 0, 1, 2}, {.values = "S|N"}},
    // Stored again before the record is posted: "2" ticked, "1" not.
    {DbCheckBox, "dbcIDGERNFCLIE", "grbPedidos", "Quebra NF por Alíquota de Imposto", "dtsPadrao", "IDGERNFCLIE", {9, 0, 1, 2}, {.values = "2|1"}},
    {DbCheckBox, "dcbIDUTGRFXVENDADIC", "grbPedidos", "Utiliza grupo fixo de vendedores adicionais por cliente", "dtsPadrao", "IDUTGRFXVENDADIC", {5, 0, 1, 2}, {}, bind<&Self::detail, &DetailPages::dcbIDUTGRFXVENDADIC>()},
    // Payment modality; its lookup button sits at {6, 1} (payment_layout.cpp).
    {DbEdit, "dbeCdModPgto", "grbPedidos", "Modalidade de Pagamento", "dtsPadrao", "CDMODPGTO", {6, 0}, {.width = 6}, bind<&Self::pay, &PaymentControls::dbeCdModPgto>()},
    {DbEdit, "dbeDsModPgto", "grbPedidos", "", "dtsPadrao", "DSMODPGTO", {6, 2}, {.width = 40, .readOnly = true, .noTab = true}, bind<&Self::pay, &PaymentControls::dbeDsModPgto>()},
    {TabSheet, "tshPrcBase", "pgcGeral", "Preço Base", "", "", {}, {}, bind<&Self::detail, &DetailPages::tshPrcBase>()},
    {DbGrid, "dbgPrecoBase", "tshPrcBase", "", "dtsPrecoBaseCli", "", {0, 0}},
    {DbEdit, "dbtDsPrcBase", "tshPrcBase", "", "dtsPrecoBaseCli", "DSPRECOBASE", {1, 0}, {.width = 30, .readOnly = true, .noTab = true}},
    {DbNavigator, "dbnPrecoBase", "tshPrcBase", "", "dtsPrecoBaseCli", "", {2, 0}},
};
// clang-format on

} // namespace

std::vector<std::span<const gui::ControlSpec>> detailLayouts() {
    return {kInterloc, kObserv, kSitFinanc, kBancoPref, kPersonalizacao, kDadoProsp, kDadosPed};
}

} // namespace vq::customer::form

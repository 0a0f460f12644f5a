// Menu items and tool buttons the customer form adds to the base form's.

#include "customer/form/layouts.h"

namespace vq::customer::form {
namespace {

using enum gui::Kind;

// clang-format off
constexpr gui::ControlSpec kCommands[] = {
    {MenuItem, "mnuEndeClie", "mnuExibir", "&End. Cliente"},
    {MenuItem, "mnuEndeClieCobr", "mnuExibir", "End. Cobr&ança"},
    {MenuItem, "mnuEndeExt", "mnuExibir", "End. Ex&terior"},
    {MenuItem, "mnuEndeExp", "mnuExibir", "End. E&xportação"},
    {MenuItem, "mnuEndEntreg", "mnuExibir", "End. Entre&ga"},
    {MenuItem, "mnuDadAdic", "mnuExibir", "&Dados Adicionais"},
    {MenuItem, "mnuDadosFiscais", "mnuExibir", "Dad&os Fiscais"},
    {MenuItem, "mnuFormPgto", "mnuExibir", "For&ma de Pagamento"},
    {MenuItem, "mnuInterloc", "mnuExibir", "I&nterlocutores"},
    {MenuItem, "mnuDadosInter", "mnuInterloc", "Fol&ha de Dados (Grade)"},
    {MenuItem, "mnuFormInter", "mnuInterloc", "Form&ulário"},
    {MenuItem, "mnuEndeInter", "mnuInterloc", "E&ndereço"},
    {MenuItem, "mnuCorres", "mnuInterloc", "&Correspondência"},
    {MenuItem, "mnuObserv", "mnuExibir", "O&bservações"},
    {MenuItem, "mnuSitFinac", "mnuExibir", "&Situação Finaceira"},
    {MenuItem, "mnuSituFinaGeral", "mnuSitFinac", "&Geral"},
    {MenuItem, "mnuSocios", "mnuSitFinac", "&Sócios"},
    {MenuItem, "mnuBancoPref", "mnuExibir", "B&anco Preferencial"},
    {MenuItem, "mnuPersonalizao", "mnuExibir", "&Personalização"},
    {MenuItem, "mnuDadoProsp", "mnuExibir", "Dados do Prospect"},
    {MenuItem, "mnuDadosPed", "mnuExibir", "Dados para Pedidos"},
    {MenuItem, "mnuGeral", "mnuDadosPed", "&Geral"},
    {MenuItem, "mnuPrcBase", "mnuDadosPed", "&Preço Base"},
    {PopupMenu, "pmnCadAuto"},
    {MenuItem, "pmnCadAutECF", "pmnCadAuto", "Cadastramento Automático Código de Retenções (ECF)"},
    {MenuItem, "pmnCadAutTabPrecoCli", "pmnCadAuto", "Cadastramento Automático Tabela de Preço por Cliente"},
    {MenuItem, "pmnCadAutGrupClie", "pmnCadAuto", "Cadastramento Automático Grupo de Cliente  "},
    {PopupMenu, "pmnImpressora"},
    {MenuItem, "pmnClientes", "pmnImpressora", "&Cliente"},
    {MenuItem, "pmnIntCli", "pmnImpressora", "&Interlocutores do Cliente"},
    {MenuSeparator, "", "mnuRegistro"},
    {MenuItem, "mnuCopiaEndereo", "mnuRegistro", "Copiar &Endereço", "", "", {}, {.shortcut = "Ctrl+E", .disabled = true}},
    {MenuItem, "mnuImportar", "mnuRegistro", "Im&portar", "", "", {}, {.shortcut = "Ctrl+P"}},
    {MenuItem, "mnuExcluirEndereco", "mnuRegistro", "Exclui&r Endereço", "", "", {}, {.shortcut = "Ctrl+R", .disabled = true}},
    {MenuItem, "mnuImpProsp", "mnuRegistro", "Impor&tar Prospect", "", "", {}, {.shortcut = "Ctrl+T"}},
    {MenuItem, "mnuFiltrar", "mnuRegistro", "Fi&ltrar", "", "", {}, {.shortcut = "Ctrl+L"}},
    {MenuItem, "mnuEmailCliente", "mnuRegistro", "E-&mail por Cliente", "", "", {}, {.shortcut = "Ctrl+M"}},
    {MenuItem, "mnuAlvara", "mnuRegistro", "&Alvará de Cliente", "", "", {}, {.shortcut = "Ctrl+A"}},
    {MenuItem, "mnuCadAuto", "mnuRegistro", "Cadastramento A&utomático", "", "", {}, {.shortcut = "Ctrl+U"}},
    {MenuItem, "mnuCadAutECF", "mnuCadAuto", "Cadastramento Automático Códigos de Retençõs (ECF)"},
    {MenuItem, "mnuCadAutTabPrecoCli", "mnuCadAuto", "Cadastramento Automático Tabela de Preço por Cliente"},
    {ToolButton, "sbtFiltro", "pnlFerramentas", "Filtrar", "", "", {0, 11}, {.hint = "Filtrar", .follow = "mnuFiltrar"}},
    {ToolButton, "sbtImportar", "pnlFerramentas", "Importar", "", "", {0, 12}, {.hint = "Importar", .follow = "mnuImportar"}},
    {ToolButton, "sbtEmail", "pnlFerramentas", "E-Mail", "", "", {0, 13}, {.hint = "E-Mail", .follow = "mnuEmailCliente"}},
    {ToolButton, "sbtCadAut", "pnlFerramentas", "Cad. Automático", "", "", {0, 14}, {.hint = "Cadastramento Automático Códigos de Retenções (ECF)", .popup = "pmnCadAuto"}},
    {ToolButton, "sbtCopiar", "pnlFerramentas", "Copiar Endereço", "", "", {0, 15}, {.hint = "Copiar Endereço", .follow = "mnuCopiaEndereo"}},
    {ToolButton, "sbtExcluirEndereco", "pnlFerramentas", "Excluir Endereço", "", "", {0, 16}, {.hint = "Excluir Endereço", .follow = "mnuExcluirEndereco"}},
    {ToolButton, "sbtImpProsp", "pnlFerramentas", "Importar Prospect", "", "", {0, 17}, {.hint = "Importar Prospect"}},
    {ToolButton, "sbtAlvara", "pnlFerramentas", "Alvará", "", "", {0, 18}, {.hint = "Alvará de Cliente"}},
    {ToolButton, "sbtLocEntrCli", "pnlFerramentas", "Local de Entrega por Cliente", "", "", {0, 19}, {.hint = "Local de Entrega por Cliente"}},
};
// clang-format on

} // namespace

std::span<const gui::ControlSpec> commandsLayout() {
    return kCommands;
}

} // namespace vq::customer::form

// Menu items and tool buttons the customer form adds to the base form's.

#include "customer/form/layouts.h"

namespace vq::customer::form {
namespace {

using enum gui::Kind;

// clang-format off
constexpr gui::ControlSpec kCommands[] = {
    {MenuItem, "mnuEndeClie", "mnuExibir", "&End. Cliente", "", "", {}, {}, bind<&Self::tabs, Tab::EndeClie, &TabEntry::item>()},
    {MenuItem, "mnuEndeClieCobr", "mnuExibir", "End. Cobr&ança", "", "", {}, {}, bind<&Self::tabs, Tab::EndeClieCobr, &TabEntry::item>()},
    {MenuItem, "mnuEndeExt", "mnuExibir", "End. Ex&terior", "", "", {}, {}, bind<&Self::tabs, Tab::EndeExt, &TabEntry::item>()},
    {MenuItem, "mnuEndeExp", "mnuExibir", "End. E&xportação", "", "", {}, {}, bind<&Self::tabs, Tab::EndeExp, &TabEntry::item>()},
    {MenuItem, "mnuEndEntreg", "mnuExibir", "End. Entre&ga", "", "", {}, {}, bind<&Self::tabs, Tab::EndEntrega, &TabEntry::item>()},
    {MenuItem, "mnuDadAdic", "mnuExibir", "&Dados Adicionais", "", "", {}, {}, bind<&Self::tabs, Tab::DadosAdic, &TabEntry::item>()},
    {MenuItem, "mnuDadosFiscais", "mnuExibir", "Dad&os Fiscais", "", "", {}, {}, bind<&Self::tabs, Tab::DadosFiscais, &TabEntry::item>()},
    {MenuItem, "mnuFormPgto", "mnuExibir", "For&ma de Pagamento", "", "", {}, {}, bind<&Self::tabs, Tab::FormPgto, &TabEntry::item>()},
    {MenuItem, "mnuInterloc", "mnuExibir", "I&nterlocutores", "", "", {}, {}, bind<&Self::tabs, Tab::Interloc, &TabEntry::item>()},
    {MenuItem, "mnuDadosInter", "mnuInterloc", "Fol&ha de Dados (Grade)", "", "", {}, {}, bind<&Self::mnuDadosInter>()},
    {MenuItem, "mnuFormInter", "mnuInterloc", "Form&ulário", "", "", {}, {}, bind<&Self::mnuFormInter>()},
    {MenuItem, "mnuEndeInter", "mnuInterloc", "E&ndereço", "", "", {}, {}, bind<&Self::mnuEndeInter>()},
    {MenuItem, "mnuCorres", "mnuInterloc", "&Correspondência", "", "", {}, {}, bind<&Self::mnuCorres>()},
    {MenuItem, "mnuObserv", "mnuExibir", "O&bservações", "", "", {}, {}, bind<&Self::tabs, Tab::Observ, &TabEntry::item>()},
    {MenuItem, "mnuSitFinac", "mnuExibir", "&Situação Finaceira", "", "", {}, {}, bind<&Self::tabs, Tab::SitFinanc, &TabEntry::item>()},
    {MenuItem, "mnuSituFinaGeral", "mnuSitFinac", "&Geral", "", "", {}, {}, bind<&Self::mnuSituFinaGeral>()},
    {MenuItem, "mnuSocios", "mnuSitFinac", "&Sócios", "", "", {}, {}, bind<&Self::mnuSocios>()},
    {MenuItem, "mnuBancoPref", "mnuExibir", "B&anco Preferencial", "", "", {}, {}, bind<&Self::tabs, Tab::BancoPref, &TabEntry::item>()},
    {MenuItem, "mnuPersonalizao", "mnuExibir", "&Personalização", "", "", {}, {}, bind<&Self::tabs, Tab::Personalizacao, &TabEntry::item>()},
    {MenuItem, "mnuDadoProsp", "mnuExibir", "Dados do Prospect", "", "", {}, {}, bind<&Self::tabs, Tab::DadoProsp, &TabEntry::item>()},
    {MenuItem, "mnuDadosPed", "mnuExibir", "Dados para Pedidos", "", "", {}, {}, bind<&Self::tabs, Tab::DadosPed, &TabEntry::item>()},
    {MenuItem, "mnuGeral", "mnuDadosPed", "&Geral", "", "", {}, {}, bind<&Self::mnuGeral>()},
    {MenuItem, "mnuPrcBase", "mnuDadosPed", "&Preço Base", "", "", {}, {}, bind<&Self::mnuPrcBase>()},
    {PopupMenu, "pmnCadAuto", "", "", "", "", {}, {}, bind<&Self::cmd, &Commands::pmnCadAuto>()},
    {MenuItem, "pmnCadAutECF", "pmnCadAuto", "Cadastramento Automático Código de Retenções (ECF)", "", "", {}, {}, bind<&Self::cmd, &Commands::pmnCadAutECF>()},
    {MenuItem, "pmnCadAutTabPrecoCli", "pmnCadAuto", "Cadastramento Automático Tabela de Preço por Cliente", "", "", {}, {}, bind<&Self::cmd, &Commands::pmnCadAutTabPrecoCli>()},
    {MenuItem, "pmnCadAutGrupClie", "pmnCadAuto", "Cadastramento Automático Grupo de Cliente  ", "", "", {}, {}, bind<&Self::cmd, &Commands::pmnCadAutGrupClie>()},
    {PopupMenu, "pmnImpressora", "", "", "", "", {}, {}, bind<&Self::cmd, &Commands::pmnImpressora>()},
    {MenuItem, "pmnClientes", "pmnImpressora", "&Cliente", "", "", {}, {}, bind<&Self::cmd, &Commands::pmnClientes>()},
    {MenuItem, "pmnIntCli", "pmnImpressora", "&Interlocutores do Cliente", "", "", {}, {}, bind<&Self::cmd, &Commands::pmnIntCli>()},
    {MenuSeparator, "", "mnuRegistro"},
    {MenuItem, "mnuCopiaEndereo", "mnuRegistro", "Copiar &Endereço", "", "", {}, {.shortcut = "Ctrl+E", .disabled = true}, bind<&Self::cmd, &Commands::mnuCopiaEndereo>()},
    {MenuItem, "mnuImportar", "mnuRegistro", "Im&portar", "", "", {}, {.shortcut = "Ctrl+P"}, bind<&Self::cmd, &Commands::mnuImportar>()},
    {MenuItem, "mnuExcluirEndereco", "mnuRegistro", "Exclui&r Endereço", "", "", {}, {.shortcut = "Ctrl+R", .disabled = true}, bind<&Self::cmd, &Commands::mnuExcluirEndereco>()},
    {MenuItem, "mnuImpProsp", "mnuRegistro", "Impor&tar Prospect", "", "", {}, {.shortcut = "Ctrl+T"}, bind<&Self::cmd, &Commands::mnuImpProsp>()},
    {MenuItem, "mnuFiltrar", "mnuRegistro", "Fi&ltrar", "", "", {}, {.shortcut = "Ctrl+L"}, bind<&Self::cmd, &Commands::mnuFiltrar>()},
    {MenuItem, "mnuEmailCliente", "mnuRegistro", "E-&mail por Cliente", "", "", {}, {.shortcut = "Ctrl+M"}, bind<&Self::cmd, &Commands::mnuEmailCliente>()},
    {MenuItem, "mnuAlvara", "mnuRegistro", "&Alvará de Cliente", "", "", {}, {.shortcut = "Ctrl+A"}, bind<&Self::cmd, &Commands::mnuAlvara>()},
    {MenuItem, "mnuCadAuto", "mnuRegistro", "Cadastramento A&utomático", "", "", {}, {.shortcut = "Ctrl+U"}, bind<&Self::cmd, &Commands::mnuCadAuto>()},
    {MenuItem, "mnuCadAutECF", "mnuCadAuto", "Cadastramento Automático Códigos de Retençõs (ECF)", "", "", {}, {}, bind<&Self::cmd, &Commands::mnuCadAutECF>()},
    {MenuItem, "mnuCadAutTabPrecoCli", "mnuCadAuto", "Cadastramento Automático Tabela de Preço por Cliente", "", "", {}, {}, bind<&Self::cmd, &Commands::mnuCadAutTabPrecoCli>()},
    {MenuItem, "mnuHistorico", "mnuRegistro", "&Histórico", "", "", {}, {.shortcut = "Ctrl+H"}, bind<&Self::cmd, &Commands::mnuHistorico>()},
    {ToolButton, "sbtFiltro", "pnlFerramentas", "Filtrar", "", "", {0, 11}, {.hint = "Filtrar", .follow = "mnuFiltrar"}, bind<&Self::cmd, &Commands::sbtFiltro>()},
    {ToolButton, "sbtImportar", "pnlFerramentas", "Importar", "", "", {0, 12}, {.hint = "Importar", .follow = "mnuImportar"}, bind<&Self::cmd, &Commands::sbtImportar>()},
    {ToolButton, "sbtEmail", "pnlFerramentas", "E-Mail", "", "", {0, 13}, {.hint = "E-Mail", .follow = "mnuEmailCliente"}, bind<&Self::cmd, &Commands::sbtEmail>()},
    {ToolButton, "sbtCadAut", "pnlFerramentas", "Cad. Automático", "", "", {0, 14}, {.hint = "Cadastramento Automático Códigos de Retenções (ECF)", .popup = "pmnCadAuto"}, bind<&Self::cmd, &Commands::sbtCadAut>()},
    {ToolButton, "sbtCopiar", "pnlFerramentas", "Copiar Endereço", "", "", {0, 15}, {.hint = "Copiar Endereço", .follow = "mnuCopiaEndereo"}, bind<&Self::cmd, &Commands::sbtCopiar>()},
    {ToolButton, "sbtExcluirEndereco", "pnlFerramentas", "Excluir Endereço", "", "", {0, 16}, {.hint = "Excluir Endereço", .follow = "mnuExcluirEndereco"}, bind<&Self::cmd, &Commands::sbtExcluirEndereco>()},
    {ToolButton, "sbtImpProsp", "pnlFerramentas", "Importar Prospect", "", "", {0, 17}, {.hint = "Importar dados do Prospect para um Cliente"}, bind<&Self::cmd, &Commands::sbtImpProsp>()},
    {ToolButton, "sbtAlvara", "pnlFerramentas", "Alvará", "", "", {0, 18}, {.hint = "Alvará", .disabled = true}, bind<&Self::cmd, &Commands::sbtAlvara>()},
    {ToolButton, "sbtLocEntrCli", "pnlFerramentas", "Local de Entrega por Cliente", "", "", {0, 19}, {.hint = "Local de Entrega por Cliente"}, bind<&Self::cmd, &Commands::sbtLocEntrCli>()},
};
// clang-format on

} // namespace

std::span<const gui::ControlSpec> commandsLayout() {
    return kCommands;
}

} // namespace vq::customer::form

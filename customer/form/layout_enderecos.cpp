// The five address tabs, one table each.

#include "customer/form/layouts.h"

namespace vq::customer::form {
namespace {

using enum gui::Kind;

// clang-format off
constexpr gui::ControlSpec kEndeClie[] = {
    {TabSheet, "tshEndeClie", "pgcPadrao", "End. Cliente", "", "", {}, {}, bind<&Self::tabs, Tab::EndeClie, &TabEntry::sheet>()},
    {GroupBox, "grbEndeClie", "tshEndeClie", "Endereço", "", "", {0, 0}},
    {DbEdit, "dbePaisNorm", "grbEndeClie", "País", "dtsEndeClieNorm", "CDPAIS", {0, 0}, {.width = 6}, bind<&Self::addresses, AddressKind::Normal, &AddressPage::country>()},
    {DbEdit, "dbeNmPaisNorm", "grbEndeClie", "", "dtsEndeClieNorm", "NMPAIS", {0, 1}, {.width = 30, .readOnly = true, .noTab = true}},
    {DbEdit, "dbeEstado", "grbEndeClie", "Estado", "dtsEndeClieNorm", "SGESTADO", {0, 2}, {.width = 4}, bind<&Self::addresses, AddressKind::Normal, &AddressPage::state>()},
    {DbEdit, "dbeCdMuniClie", "grbEndeClie", "Município", "dtsEndeClieNorm", "CDMUNICIPIO", {1, 0}, {.width = 6}, bind<&Self::addresses, AddressKind::Normal, &AddressPage::municipality>()},
    {DbEdit, "dbeNmMuniClie", "grbEndeClie", "", "dtsEndeClieNorm", "NMMUNICIPIO", {1, 1}, {.width = 30, .readOnly = true, .noTab = true}},
    {DbEdit, "dbeEndeClie", "grbEndeClie", "Endereço", "dtsEndeClieNorm", "DSENDECLIE", {2, 0, 1, 2}, {.width = 50}},
    {DbEdit, "dbeCompEndCli", "grbEndeClie", "Complemento", "dtsEndeClieNorm", "DSCOMPENDCLI", {3, 0, 1, 2}, {.width = 50}},
    {DbEdit, "dbeBairClie", "grbEndeClie", "Bairro", "dtsEndeClieNorm", "NMBAIRCLIE", {4, 0}, {.width = 30}},
    {DbEdit, "dbeCEPClie", "grbEndeClie", "CEP", "dtsEndeClieNorm", "NRCEPCLIE", {4, 1}, {.width = 12}, bind<&Self::addresses, AddressKind::Normal, &AddressPage::postalCode>()},
};

constexpr gui::ControlSpec kEndeClieCobr[] = {
    {TabSheet, "tshEndeClieCobr", "pgcPadrao", "End. Cobrança", "", "", {}, {}, bind<&Self::tabs, Tab::EndeClieCobr, &TabEntry::sheet>()},
    {GroupBox, "grbEndeClieCobr", "tshEndeClieCobr", "Endereço de Cobrança", "", "", {0, 0}},
    {DbEdit, "dbePaisPgto", "grbEndeClieCobr", "País", "dtsEndeClieCobr", "CDPAIS", {0, 0}, {.width = 6}, bind<&Self::addresses, AddressKind::Billing, &AddressPage::country>()},
    {DbEdit, "dbeNmPaisPgto", "grbEndeClieCobr", "", "dtsEndeClieCobr", "NMPAIS", {0, 1}, {.width = 30, .readOnly = true, .noTab = true}},
    {DbEdit, "dbeEstadoPgto", "grbEndeClieCobr", "Estado", "dtsEndeClieCobr", "SGESTADO", {0, 2}, {.width = 4}, bind<&Self::addresses, AddressKind::Billing, &AddressPage::state>()},
    {DbEdit, "dbeCdMuniClieCobr", "grbEndeClieCobr", "Município", "dtsEndeClieCobr", "CDMUNICIPIO", {1, 0}, {.width = 6}, bind<&Self::addresses, AddressKind::Billing, &AddressPage::municipality>()},
    {DbEdit, "dbeNmMunicipiCobr", "grbEndeClieCobr", "", "dtsEndeClieCobr", "NMMUNICIPIO", {1, 1}, {.width = 30, .readOnly = true, .noTab = true}},
    {DbEdit, "dbeEndeClieCobr", "grbEndeClieCobr", "Endereço", "dtsEndeClieCobr", "DSENDECLIE", {2, 0, 1, 2}, {.width = 50}},
    {DbEdit, "dbeDsBairClieCobr", "grbEndeClieCobr", "Bairro", "dtsEndeClieCobr", "NMBAIRCLIE", {3, 0}, {.width = 30}},
    {DbEdit, "dbeCdCEPClie", "grbEndeClieCobr", "CEP", "dtsEndeClieCobr", "NRCEPCLIE", {3, 1}, {.width = 12}, bind<&Self::addresses, AddressKind::Billing, &AddressPage::postalCode>()},
};

constexpr gui::ControlSpec kEndeExt[] = {
    {TabSheet, "tshEndeExt", "pgcPadrao", "End. Exterior", "", "", {}, {}, bind<&Self::tabs, Tab::EndeExt, &TabEntry::sheet>()},
    {GroupBox, "grbEndeExt", "tshEndeExt", "Endereço no Exterior", "", "", {0, 0}},
    {DbEdit, "dbePaisExt", "grbEndeExt", "País", "dtsEndeExt", "CDPAIS", {0, 0}, {.width = 6}, bind<&Self::addresses, AddressKind::Exterior, &AddressPage::country>()},
    {DbEdit, "dbeNmPaisExt", "grbEndeExt", "", "dtsEndeExt", "NMPAIS", {0, 1}, {.width = 30, .readOnly = true, .noTab = true}},
    {DbEdit, "dbeEstadoExt", "grbEndeExt", "Estado", "dtsEndeExt", "SGESTADO", {0, 2}, {.width = 4}, bind<&Self::addresses, AddressKind::Exterior, &AddressPage::state>()},
    {DbEdit, "dbeMuniExt", "grbEndeExt", "Município", "dtsEndeExt", "CDMUNICIPIO", {1, 0}, {.width = 6}, bind<&Self::addresses, AddressKind::Exterior, &AddressPage::municipality>()},
    {DbEdit, "dbeNmMuniExt", "grbEndeExt", "", "dtsEndeExt", "NMMUNICIPIO", {1, 1}, {.width = 30, .readOnly = true, .noTab = true}},
    {DbEdit, "dbeEndeExt", "grbEndeExt", "Endereço", "dtsEndeExt", "DSENDECLIE", {2, 0, 1, 2}, {.width = 50}},
    {DbEdit, "dbeBairExt", "grbEndeExt", "Bairro", "dtsEndeExt", "NMBAIRCLIE", {3, 0}, {.width = 30}},
    {DbEdit, "dbeCEPExt", "grbEndeExt", "CEP", "dtsEndeExt", "NRCEPCLIE", {3, 1}, {.width = 12}, bind<&Self::addresses, AddressKind::Exterior, &AddressPage::postalCode>()},
};

constexpr gui::ControlSpec kEndeExp[] = {
    {TabSheet, "tshEndeExp", "pgcPadrao", "End. Exportação", "", "", {}, {}, bind<&Self::tabs, Tab::EndeExp, &TabEntry::sheet>()},
    {GroupBox, "grbEndeExp", "tshEndeExp", "Endereço de Exportação", "", "", {0, 0}},
    {DbEdit, "dbePaisExp", "grbEndeExp", "País", "dtsEndeExp", "CDPAIS", {0, 0}, {.width = 6}, bind<&Self::addresses, AddressKind::Export, &AddressPage::country>()},
    {DbEdit, "dbeNmExpPais", "grbEndeExp", "", "dtsEndeExp", "NMPAIS", {0, 1}, {.width = 30, .readOnly = true, .noTab = true}},
    {DbEdit, "dbeEstadoExp", "grbEndeExp", "Estado", "dtsEndeExp", "SGESTADO", {0, 2}, {.width = 4}, bind<&Self::addresses, AddressKind::Export, &AddressPage::state>()},
    {DbEdit, "dbeMuniExp", "grbEndeExp", "Município", "dtsEndeExp", "CDMUNICIPIO", {1, 0}, {.width = 6}, bind<&Self::addresses, AddressKind::Export, &AddressPage::municipality>()},
    {DbEdit, "dbeNmMuniExp", "grbEndeExp", "", "dtsEndeExp", "NMMUNICIPIO", {1, 1}, {.width = 30, .readOnly = true, .noTab = true}},
    {DbEdit, "dbeEndeExp", "grbEndeExp", "Endereço", "dtsEndeExp", "DSENDECLIE", {2, 0, 1, 2}, {.width = 50}},
    {DbEdit, "dbeBairExp", "grbEndeExp", "Bairro", "dtsEndeExp", "NMBAIRCLIE", {3, 0}, {.width = 30}},
    {DbEdit, "dbeCEPExp", "grbEndeExp", "CEP", "dtsEndeExp", "NRCEPCLIE", {3, 1}, {.width = 12}, bind<&Self::addresses, AddressKind::Export, &AddressPage::postalCode>()},
};

constexpr gui::ControlSpec kEndEntrega[] = {
    {TabSheet, "tshEndEntrega", "pgcPadrao", "End. Entrega", "", "", {}, {}, bind<&Self::tabs, Tab::EndEntrega, &TabEntry::sheet>()},
    {GroupBox, "grbEndEntrega", "tshEndEntrega", "Endereço de Entrega", "", "", {0, 0}},
    {DbEdit, "dbeCdPaisEntrg", "grbEndEntrega", "País", "dtsEndEntrega", "CDPAIS", {0, 0}, {.width = 6}, bind<&Self::addresses, AddressKind::Delivery, &AddressPage::country>()},
    {DbEdit, "dbeNmPaisEntrg", "grbEndEntrega", "", "dtsEndEntrega", "NMPAIS", {0, 1}, {.width = 30, .readOnly = true, .noTab = true}},
    {DbEdit, "dbeSgEstEntrg", "grbEndEntrega", "Estado", "dtsEndEntrega", "SGESTADO", {0, 2}, {.width = 4}, bind<&Self::addresses, AddressKind::Delivery, &AddressPage::state>()},
    {DbEdit, "dbeCdMuniEntrg", "grbEndEntrega", "Município", "dtsEndEntrega", "CDMUNICIPIO", {1, 0}, {.width = 6}, bind<&Self::addresses, AddressKind::Delivery, &AddressPage::municipality>()},
    {DbEdit, "dbeNmMuniEntrg", "grbEndEntrega", "", "dtsEndEntrega", "NMMUNICIPIO", {1, 1}, {.width = 30, .readOnly = true, .noTab = true}},
    {DbEdit, "dbeEndEntrega", "grbEndEntrega", "Endereço", "dtsEndEntrega", "DSENDECLIE", {2, 0, 1, 2}, {.width = 50}},
    {DbEdit, "dbeNmBairEntrg", "grbEndEntrega", "Bairro", "dtsEndEntrega", "NMBAIRCLIE", {3, 0}, {.width = 30}},
};
// clang-format on

} // namespace

std::vector<std::span<const gui::ControlSpec>> addressLayouts() {
    return {kEndeClie, kEndeClieCobr, kEndeExt, kEndeExp, kEndEntrega};
}

} // namespace vq::customer::form

// The five address tabs, one table each. The search buttons of the geography chain sit in the columns
// left free beside the codes (1 and 4); they are framework lookup buttons, placed from address_geography.cpp.

#include "customer/form/layouts.h"

namespace vq::customer::form {
namespace {

using enum gui::Kind;

// clang-format off
constexpr gui::ControlSpec kEndeClie[] = {
    {TabSheet, "tshEndeClie", "pgcPadrao", "End. Cliente", "", "", {}, {}, bind<&Self::tabs, Tab::EndeClie, &TabEntry::sheet>()},
    {GroupBox, "grbEndeClie", "tshEndeClie", "Endereço", "", "", {0, 0}},
    {DbEdit, "dbePaisNorm", "grbEndeClie", "País", "dtsEndeClieNorm", "CDPAIS", {0, 0}, {.width = 6}, bind<&Self::addresses, AddressKind::Normal, &AddressPage::country>()},
    {DbEdit, "dbeNmPaisNorm", "grbEndeClie", "", "dtsEndeClieNorm", "NMPAIS", {0, 2}, {.width = 30, .readOnly = true, .noTab = true}},
    {DbEdit, "dbeEstado", "grbEndeClie", "Estado", "dtsEndeClieNorm", "SGESTADO", {0, 3}, {.width = 4}, bind<&Self::addresses, AddressKind::Normal, &AddressPage::state>()},
    {DbEdit, "dbeCdMuniClie", "grbEndeClie", "Município", "dtsEndeClieNorm", "CDMUNICIPIO", {1, 0}, {.width = 6}, bind<&Self::addresses, AddressKind::Normal, &AddressPage::municipality>()},
    {DbEdit, "dbeNmMuniClie", "grbEndeClie", "", "dtsEndeClieNorm", "NMMUNICIPIO", {1, 2}, {.width = 30, .readOnly = true, .noTab = true}},
    {DbEdit, "dbeEndeClie", "grbEndeClie", "Endereço", "dtsEndeClieNorm", "DSENDECLIE", {2, 0, 1, 5}, {.width = 50}},
    {DbEdit, "dbeCompEndCli", "grbEndeClie", "Complemento", "dtsEndeClieNorm", "DSCOMPENDCLI", {3, 0, 1, 5}, {.width = 50}},
    {DbEdit, "dbeBairClie", "grbEndeClie", "Bairro", "dtsEndeClieNorm", "NMBAIRCLIE", {4, 0, 1, 3}, {.width = 30}},
    {DbEdit, "dbeCEPClie", "grbEndeClie", "CEP", "dtsEndeClieNorm", "NRCEPCLIE", {4, 3, 1, 2}, {.width = 12}, bind<&Self::addresses, AddressKind::Normal, &AddressPage::postalCode>()},
    {DbEdit, "dbeTelClie", "grbEndeClie", "Tel/Ramal(1)", "dtsEndeClieNorm", "NRTELECLIE", {5, 0, 1, 2}, {.width = 20}},
    {DbEdit, "dbeRamalClie", "grbEndeClie", "", "dtsEndeClieNorm", "NRRAMALCLIE", {5, 2}, {.width = 6}},
    {DbEdit, "dbeTelClie1", "grbEndeClie", "Tel/Ramal(2)", "dtsEndeClieNorm", "NRTELECLIE1", {5, 3}, {.width = 20}},
    {DbEdit, "dbeRamalClie1", "grbEndeClie", "", "dtsEndeClieNorm", "NRRAMALCLIE1", {5, 4}, {.width = 6}},
    {DbEdit, "dbeCelClie", "grbEndeClie", "Celular", "dtsEndeClieNorm", "NRCELULARCLI", {6, 0, 1, 2}, {.width = 20}},
    {DbEdit, "dbeResClie", "grbEndeClie", "Residencial", "dtsEndeClieNorm", "NRTELRESICLI", {6, 2, 1, 2}, {.width = 20}},
    {DbEdit, "dbeFaxClie", "grbEndeClie", "Fax", "dtsEndeClieNorm", "NRFAXCLIE", {6, 4}, {.width = 20}},
};

constexpr gui::ControlSpec kEndeClieCobr[] = {
    {TabSheet, "tshEndeClieCobr", "pgcPadrao", "End. Cobrança", "", "", {}, {}, bind<&Self::tabs, Tab::EndeClieCobr, &TabEntry::sheet>()},
    {GroupBox, "grbEndeClieCobr", "tshEndeClieCobr", "Endereço de Cobrança", "", "", {0, 0}},
    {DbEdit, "dbePaisPgto", "grbEndeClieCobr", "País", "dtsEndeClieCobr", "CDPAIS", {0, 0}, {.width = 6}, bind<&Self::addresses, AddressKind::Billing, &AddressPage::country>()},
    {DbEdit, "dbeNmPaisPgto", "grbEndeClieCobr", "", "dtsEndeClieCobr", "NMPAIS", {0, 2}, {.width = 30, .readOnly = true, .noTab = true}},
    {DbEdit, "dbeEstadoPgto", "grbEndeClieCobr", "Estado", "dtsEndeClieCobr", "SGESTADO", {0, 3}, {.width = 4}, bind<&Self::addresses, AddressKind::Billing, &AddressPage::state>()},
    {DbEdit, "dbeCdMuniClieCobr", "grbEndeClieCobr", "Município", "dtsEndeClieCobr", "CDMUNICIPIO", {1, 0}, {.width = 6}, bind<&Self::addresses, AddressKind::Billing, &AddressPage::municipality>()},
    {DbEdit, "dbeNmMunicipiCobr", "grbEndeClieCobr", "", "dtsEndeClieCobr", "NMMUNICIPIO", {1, 2}, {.width = 30, .readOnly = true, .noTab = true}},
    {DbEdit, "dbeEndeClieCobr", "grbEndeClieCobr", "Endereço", "dtsEndeClieCobr", "DSENDECLIE", {2, 0, 1, 5}, {.width = 50}},
    {DbEdit, "dbeDsBairClieCobr", "grbEndeClieCobr", "Bairro", "dtsEndeClieCobr", "NMBAIRCLIE", {3, 0, 1, 3}, {.width = 30}},
    {DbEdit, "dbeCdCEPClie", "grbEndeClieCobr", "CEP", "dtsEndeClieCobr", "NRCEPCLIE", {3, 3, 1, 2}, {.width = 12}, bind<&Self::addresses, AddressKind::Billing, &AddressPage::postalCode>()},
    {DbEdit, "dbeNrTelClieCobr", "grbEndeClieCobr", "Tel/Ramal(1)", "dtsEndeClieCobr", "NRTELECLIE", {4, 0, 1, 2}, {.width = 20}},
    {DbEdit, "dbeNrRamalCobr", "grbEndeClieCobr", "", "dtsEndeClieCobr", "NRRAMALCLIE", {4, 2}, {.width = 6}},
    {DbEdit, "dbeNrTelClieCobr1", "grbEndeClieCobr", "Tel/Ramal(2)", "dtsEndeClieCobr", "NRTELECLIE1", {4, 3}, {.width = 20}},
    {DbEdit, "dbeNrRamalCobr1", "grbEndeClieCobr", "", "dtsEndeClieCobr", "NRRAMALCLIE1", {4, 4}, {.width = 6}},
    {DbEdit, "dbeCelClieCobr", "grbEndeClieCobr", "Celular", "dtsEndeClieCobr", "NRCELULARCLI", {5, 0, 1, 2}, {.width = 20}},
    {DbEdit, "dbeResClieCobr", "grbEndeClieCobr", "Residencial", "dtsEndeClieCobr", "NRTELRESICLI", {5, 2, 1, 2}, {.width = 20}},
    {DbEdit, "dbeNrFaxClieCobr", "grbEndeClieCobr", "Fax", "dtsEndeClieCobr", "NRFAXCLIE", {5, 4}, {.width = 20}},
};

constexpr gui::ControlSpec kEndeExt[] = {
    {TabSheet, "tshEndeExt", "pgcPadrao", "End. Exterior", "", "", {}, {}, bind<&Self::tabs, Tab::EndeExt, &TabEntry::sheet>()},
    {GroupBox, "grbEndeExt", "tshEndeExt", "Endereço no Exterior", "", "", {0, 0}},
    {DbEdit, "dbePaisExt", "grbEndeExt", "País", "dtsEndeExt", "CDPAIS", {0, 0}, {.width = 6}, bind<&Self::addresses, AddressKind::Exterior, &AddressPage::country>()},
    {DbEdit, "dbeNmPaisExt", "grbEndeExt", "", "dtsEndeExt", "NMPAIS", {0, 2}, {.width = 30, .readOnly = true, .noTab = true}},
    {DbEdit, "dbeEstadoExt", "grbEndeExt", "Estado", "dtsEndeExt", "SGESTADO", {0, 3}, {.width = 4}, bind<&Self::addresses, AddressKind::Exterior, &AddressPage::state>()},
    {DbEdit, "dbeMuniExt", "grbEndeExt", "Município", "dtsEndeExt", "CDMUNICIPIO", {1, 0}, {.width = 6}, bind<&Self::addresses, AddressKind::Exterior, &AddressPage::municipality>()},
    {DbEdit, "dbeNmMuniExt", "grbEndeExt", "", "dtsEndeExt", "NMMUNICIPIO", {1, 2}, {.width = 30, .readOnly = true, .noTab = true}},
    {DbEdit, "dbeEndeExt", "grbEndeExt", "Endereço", "dtsEndeExt", "DSENDECLIE", {2, 0, 1, 5}, {.width = 50}},
    {DbEdit, "dbeBairExt", "grbEndeExt", "Bairro", "dtsEndeExt", "NMBAIRCLIE", {3, 0, 1, 3}, {.width = 30}},
    {DbEdit, "dbeCEPExt", "grbEndeExt", "CEP", "dtsEndeExt", "NRCEPCLIE", {3, 3, 1, 2}, {.width = 12}, bind<&Self::addresses, AddressKind::Exterior, &AddressPage::postalCode>()},
    {DbEdit, "dbeNrTelExt", "grbEndeExt", "Tel/Ramal(1)", "dtsEndeExt", "NRTELECLIE", {4, 0, 1, 2}, {.width = 20}},
    {DbEdit, "dbeRamalExt", "grbEndeExt", "", "dtsEndeExt", "NRRAMALCLIE", {4, 2}, {.width = 6}},
    {DbEdit, "dbeNrTelExt1", "grbEndeExt", "Tel/Ramal(2)", "dtsEndeExt", "NRTELECLIE1", {4, 3}, {.width = 20}},
    {DbEdit, "dbeRamalExt1", "grbEndeExt", "", "dtsEndeExt", "NRRAMALCLIE1", {4, 4}, {.width = 6}},
    {DbEdit, "dbeCelClieExt", "grbEndeExt", "Celular", "dtsEndeExt", "NRCELULARCLI", {5, 0, 1, 2}, {.width = 20}},
    {DbEdit, "dbeResClieExt", "grbEndeExt", "Residencial", "dtsEndeExt", "NRTELRESICLI", {5, 2, 1, 2}, {.width = 20}},
    {DbEdit, "dbeNrFaxExt", "grbEndeExt", "Fax", "dtsEndeExt", "NRFAXCLIE", {5, 4}, {.width = 20}},
};

constexpr gui::ControlSpec kEndeExp[] = {
    {TabSheet, "tshEndeExp", "pgcPadrao", "End. Exportação", "", "", {}, {}, bind<&Self::tabs, Tab::EndeExp, &TabEntry::sheet>()},
    {GroupBox, "grbEndeExp", "tshEndeExp", "Endereço de Exportação", "", "", {0, 0}},
    {DbEdit, "dbePaisExp", "grbEndeExp", "País", "dtsEndeExp", "CDPAIS", {0, 0}, {.width = 6}, bind<&Self::addresses, AddressKind::Export, &AddressPage::country>()},
    {DbEdit, "dbeNmExpPais", "grbEndeExp", "", "dtsEndeExp", "NMPAIS", {0, 2}, {.width = 30, .readOnly = true, .noTab = true}},
    {DbEdit, "dbeEstadoExp", "grbEndeExp", "Estado", "dtsEndeExp", "SGESTADO", {0, 3}, {.width = 4}, bind<&Self::addresses, AddressKind::Export, &AddressPage::state>()},
    {DbEdit, "dbeMuniExp", "grbEndeExp", "Município", "dtsEndeExp", "CDMUNICIPIO", {1, 0}, {.width = 6}, bind<&Self::addresses, AddressKind::Export, &AddressPage::municipality>()},
    {DbEdit, "dbeNmMuniExp", "grbEndeExp", "", "dtsEndeExp", "NMMUNICIPIO", {1, 2}, {.width = 30, .readOnly = true, .noTab = true}},
    {DbEdit, "dbeEndeExp", "grbEndeExp", "Endereço", "dtsEndeExp", "DSENDECLIE", {2, 0, 1, 5}, {.width = 50}},
    {DbEdit, "dbeBairExp", "grbEndeExp", "Bairro", "dtsEndeExp", "NMBAIRCLIE", {3, 0, 1, 3}, {.width = 30}},
    {DbEdit, "dbeCEPExp", "grbEndeExp", "CEP", "dtsEndeExp", "NRCEPCLIE", {3, 3, 1, 2}, {.width = 12}, bind<&Self::addresses, AddressKind::Export, &AddressPage::postalCode>()},
    {DbEdit, "dbeNrTelExp", "grbEndeExp", "Tel/Ramal(1)", "dtsEndeExp", "NRTELECLIE", {4, 0, 1, 2}, {.width = 20}},
    {DbEdit, "dbeRamalExp", "grbEndeExp", "", "dtsEndeExp", "NRRAMALCLIE", {4, 2}, {.width = 6}},
    {DbEdit, "dbeNrTelExp1", "grbEndeExp", "Tel/Ramal(2)", "dtsEndeExp", "NRTELECLIE1", {4, 3}, {.width = 20}},
    {DbEdit, "dbeRamalExp1", "grbEndeExp", "", "dtsEndeExp", "NRRAMALCLIE1", {4, 4}, {.width = 6}},
    {DbEdit, "dbeCelClieExp", "grbEndeExp", "Celular", "dtsEndeExp", "NRCELULARCLI", {5, 0, 1, 2}, {.width = 20}},
    {DbEdit, "dbeResClieExp", "grbEndeExp", "Residencial", "dtsEndeExp", "NRTELRESICLI", {5, 2, 1, 2}, {.width = 20}},
    {DbEdit, "dbeNrFaxExp", "grbEndeExp", "Fax", "dtsEndeExp", "NRFAXCLIE", {5, 4}, {.width = 20}},
};

constexpr gui::ControlSpec kEndEntrega[] = {
    {TabSheet, "tshEndEntrega", "pgcPadrao", "End. Entrega", "", "", {}, {}, bind<&Self::tabs, Tab::EndEntrega, &TabEntry::sheet>()},
    {GroupBox, "grbEndEntrega", "tshEndEntrega", "Endereço de Entrega", "", "", {0, 0}},
    {DbEdit, "dbeCdPaisEntrg", "grbEndEntrega", "País", "dtsEndEntrega", "CDPAIS", {0, 0}, {.width = 6}, bind<&Self::addresses, AddressKind::Delivery, &AddressPage::country>()},
    {DbEdit, "dbeNmPaisEntrg", "grbEndEntrega", "", "dtsEndEntrega", "NMPAIS", {0, 2}, {.width = 30, .readOnly = true, .noTab = true}},
    {DbEdit, "dbeSgEstEntrg", "grbEndEntrega", "Estado", "dtsEndEntrega", "SGESTADO", {0, 3}, {.width = 4}, bind<&Self::addresses, AddressKind::Delivery, &AddressPage::state>()},
    {DbEdit, "dbeCdMuniEntrg", "grbEndEntrega", "Município", "dtsEndEntrega", "CDMUNICIPIO", {1, 0}, {.width = 6}, bind<&Self::addresses, AddressKind::Delivery, &AddressPage::municipality>()},
    {DbEdit, "dbeNmMuniEntrg", "grbEndEntrega", "", "dtsEndEntrega", "NMMUNICIPIO", {1, 2}, {.width = 30, .readOnly = true, .noTab = true}},
    {DbEdit, "dbeEndEntrega", "grbEndEntrega", "Endereço", "dtsEndEntrega", "DSENDECLIE", {2, 0, 1, 5}, {.width = 50}},
    {DbEdit, "dbeNmBairEntrg", "grbEndEntrega", "Bairro", "dtsEndEntrega", "NMBAIRCLIE", {3, 0, 1, 3}, {.width = 30}},
    {DbEdit, "dbeTelEntrg", "grbEndEntrega", "Tel/Ramal(1)", "dtsEndEntrega", "NRTELECLIE", {4, 0, 1, 2}, {.width = 20}},
    {DbEdit, "dbeRamalEntrg", "grbEndEntrega", "", "dtsEndEntrega", "NRRAMALCLIE", {4, 2}, {.width = 6}},
    {DbEdit, "dbeTelEntrg1", "grbEndEntrega", "Tel/Ramal(2)", "dtsEndEntrega", "NRTELECLIE1", {4, 3}, {.width = 20}},
    {DbEdit, "dbeRamalEntrg1", "grbEndEntrega", "", "dtsEndEntrega", "NRRAMALCLIE1", {4, 4}, {.width = 6}},
    {DbEdit, "dbeCelCLieEntrg", "grbEndEntrega", "Celular", "dtsEndEntrega", "NRCELULARCLI", {5, 0, 1, 2}, {.width = 20}},
    {DbEdit, "dbeResClieEntrg", "grbEndEntrega", "Residencial", "dtsEndEntrega", "NRTELRESICLI", {5, 2, 1, 2}, {.width = 20}},
    {DbEdit, "dbeFaxEntrg", "grbEndEntrega", "Fax", "dtsEndEntrega", "NRFAXCLIE", {5, 4}, {.width = 20}},
};
// clang-format on

} // namespace

std::vector<std::span<const gui::ControlSpec>> addressLayouts() {
    return {kEndeClie, kEndeClieCobr, kEndeExt, kEndeExp, kEndEntrega};
}

} // namespace vq::customer::form

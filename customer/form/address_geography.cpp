// TfrmCliente: the geography chain of the five addresses (search buttons, cascade, the Vd_ checks on
// leaving an edit and from the confirm command) and the normal address's fiscal requirements.

#include "customer/Vqm41200.h"
#include "customer/reload_rule.h"
#include "framework/services/btn_pesquisa.h"
#include "framework/services/consiste_messages.h"
#include "framework/services/messages.h"
#include "framework/validation/consiste.h"
#include "platform/data/error.h"
#include "platform/gui/containers.h"
#include "platform/gui/db_controls.h"
#include "platform/gui/page_control.h"

namespace vq {

using customer::AddressKind;
using services::GeographyLevel;

namespace {

// Per family: the names the form table does not hold and how a new country cascades.
struct AddressGeographyRow {
    AddressKind kind;
    const char *group, *countryName, *municipalityName;
    const char *btpCountry, *btpState, *btpMunicipality;
    services::CountryCascade cascade;
};
constexpr AddressGeographyRow kGeography[] = {
    {AddressKind::Normal, "grbEndeClie", "dbeNmPaisNorm", "dbeNmMuniClie", "btpPaisNorm", "btpEstadoNorm",
     "btpMuniNorm", services::CountryCascade::WhenCleared},
    {AddressKind::Billing, "grbEndeClieCobr", "dbeNmPaisPgto", "dbeNmMunicipiCobr", "btpPaisCobr",
     "btpEstadoCobr", "btpMuniCobr", services::CountryCascade::OnChange},
    {AddressKind::Exterior, "grbEndeExt", "dbeNmPaisExt", "dbeNmMuniExt", "btpPaisExt", "btpEstadoExt",
     "btpMuniExt", services::CountryCascade::OnChange},
    {AddressKind::Export, "grbEndeExp", "dbeNmExpPais", "dbeNmMuniExp", "btpPaisExp", "btpEstadoExp",
     "btpMuniExp", services::CountryCascade::OnChange},
    {AddressKind::Delivery, "grbEndEntrega", "dbeNmPaisEntrg", "dbeNmMuniEntrg", "btpPaisEntrg",
     "btpEstadoEntrg", "btpMuniEntrg", services::CountryCascade::OnChange},
};

bool blank(const gui::Edit* edit) {
    return !edit || Consiste::EmptyString(edit->Text());
}

} // namespace

void TfrmCliente::wireAddresses() {
    for (const AddressGeographyRow& row : kGeography) {
        customer::form::AddressPage& page = addressPage(row.kind);
        auto& group = *component<gui::GroupBox>(row.group);
        page.countryName = component<gui::DbEdit>(row.countryName);
        page.municipalityName = component<gui::DbEdit>(row.municipalityName);
        page.btpCountry =
            services::placeGeographyButton(group, row.btpCountry, GeographyLevel::Country, 0, 1);
        page.btpState = services::placeGeographyButton(group, row.btpState, GeographyLevel::State, 0, 4);
        page.btpMunicipality =
            services::placeGeographyButton(group, row.btpMunicipality, GeographyLevel::Municipality, 1, 1);
        addressGeography_[static_cast<std::size_t>(row.kind)] = std::make_unique<services::GeographyLookup>(
            geography, data_->address(row.kind),
            services::GeographyControls{page.country, page.countryName, page.state, page.municipality,
                                        page.municipalityName, page.btpCountry, page.btpState,
                                        page.btpMunicipality},
            row.cascade, [this](std::string_view key) { return Msg(*this, key); });

        ClientDataSet& ds = data_->address(row.kind);
        page.country->OnExit = [this, &page] { addressCountryExit(page); };
        page.state->OnExit = [this, &page, &ds] {
            if (ds.editing())
                Vd_Estado(page.sheet, page.country, false, false, page.state);
        };
        page.municipality->OnExit = [this, &page, &ds] {
            if (ds.editing())
                Vd_Municipio(page.sheet, page.country, false, false, page.municipalityName, page.municipality,
                             page.state);
        };
    }
    wireAddressCommands();
}

// ---- The checks with the form's failure protocol

services::GeographyLookup& TfrmCliente::geographyOf(const gui::Edit* countryEdit) const {
    for (const auto& chain : addressGeography_)
        if (chain && chain->controls().country == countryEdit)
            return *chain;
    if (contactGeography && contactGeography->controls().country == countryEdit)
        return *contactGeography;
    throw Error("Edição de país sem cadeia de consulta geográfica no cadastro de clientes.");
}

void TfrmCliente::geographyFailed(gui::TabSheet* tabSheet, gui::Control* edit, bool isContact) {
    if (!isContact) {
        validationFailed(tabSheet, edit);
        return;
    }
    gui::TabSheet* contacts = sheet(Tab::Interloc);
    if (pgcPadrao->ActivePage() != contacts) {
        pgcPadrao->SetActivePage(contacts);
        pgcPadraoChange();
    }
    if (tabSheet && detail.pgcInterloc->ActivePage() != tabSheet) {
        detail.pgcInterloc->SetActivePage(tabSheet);
        pgcInterlocChange();
    }
    validationFailed(nullptr, edit);
}

void TfrmCliente::Vd_Pais(gui::TabSheet* tabSheet, gui::Edit* countryEdit, bool requiredOnly, bool isContact,
                          gui::Edit*) {
    try {
        geographyOf(countryEdit).checkCountry(requiredOnly);
    } catch (...) {
        geographyFailed(tabSheet, countryEdit, isContact);
        throw;
    }
}

void TfrmCliente::Vd_Estado(gui::TabSheet* tabSheet, gui::Edit* countryEdit, bool requiredOnly,
                            bool isContact, gui::Edit* stateEdit) {
    try {
        geographyOf(countryEdit).checkState(requiredOnly);
    } catch (...) {
        geographyFailed(tabSheet, stateEdit, isContact);
        throw;
    }
}

void TfrmCliente::Vd_Municipio(gui::TabSheet* tabSheet, gui::Edit* countryEdit, bool requiredOnly,
                               bool isContact, gui::Edit*, gui::Edit* municipalityEdit, gui::Edit*) {
    try {
        geographyOf(countryEdit).checkMunicipality(requiredOnly);
    } catch (...) {
        geographyFailed(tabSheet, municipalityEdit, isContact);
        throw;
    }
}

void TfrmCliente::addressCountryExit(customer::form::AddressPage& page) {
    ClientDataSet& ds = data_->address(page.kind);
    if (!ds.editing())
        return;
    Vd_Pais(page.sheet, page.country, false, false, page.countryName);
    if (!page.postalCode)
        return;
    ds.FieldByName("NRCEPCLIE").SetEditMask(customer::postalCodeMask(ds.FieldByName("CDPAIS").AsString()));
    page.postalCode->refresh();
}

void TfrmCliente::addressExitChecks(customer::form::AddressPage& page) {
    if (!data_->address(page.kind).editing())
        return;
    Vd_Pais(page.sheet, page.country, false, false, page.countryName);
    Vd_Estado(page.sheet, page.country, false, false, page.state);
    Vd_Municipio(page.sheet, page.country, false, false, page.municipalityName, page.municipality,
                 page.state);
}

void TfrmCliente::addressConfirmChecks(customer::form::AddressPage& page, bool isContact, bool requiredOnly) {
    Vd_Pais(page.sheet, page.country, requiredOnly, isContact, page.countryName);
    Vd_Estado(page.sheet, page.country, requiredOnly, isContact, page.state);
    Vd_Municipio(page.sheet, page.country, requiredOnly, isContact, page.municipalityName, page.municipality,
                 page.state);
}

void TfrmCliente::Vd_bairro(customer::form::AddressPage&) {}

void TfrmCliente::Vd_Endereco() {
    const ClientDataSet& fiscal = data_->dataSet("cdsParamFiscal");
    const Field* used = fiscal.Active() && !fiscal.IsEmpty() ? fiscal.FindField("IDUTENDMODFISC") : nullptr;
    if (!used || used->AsString() != "S")
        return;
    customer::form::AddressPage& page = addressPage(AddressKind::Normal);
    if (!page.sheet->CanFocus())
        return;
    const auto require = [this, &page](gui::Edit* edit, std::string_view key) {
        if (!blank(edit))
            return;
        try {
            Consiste::MensErro(Msg(*this, key));
        } catch (...) {
            validationFailed(page.sheet, edit);
            throw;
        }
    };
    require(component<gui::DbEdit>("dbeEndeClie"), "end_inf");
    require(component<gui::DbEdit>("dbeCompEndCli"), "comp_inf");
    Vd_Pais(page.sheet, page.country, true, false, page.countryName);
    Vd_Estado(page.sheet, page.country, true, false, page.state);
    Vd_Municipio(page.sheet, page.country, true, false, page.municipalityName, page.municipality, page.state);
    require(page.postalCode, "cep_inf");
}

} // namespace vq

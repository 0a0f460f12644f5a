// TfrmCliente, contacts concern: the contact's address through the geography chain. It is never required,
// and a new level clears only the geography below it (the district is the contact's own text).

#include "customer/Vqm41200.h"
#include "framework/services/messages.h"
#include "platform/gui/containers.h"
#include "platform/gui/db_controls.h"

namespace vq {

void TfrmCliente::wireContactAddress() {
    auto& c = interloc;
    using services::GeographyLevel;
    gui::GroupBox& group = *c.grbEndeInter;
    c.btpPaisInter = services::placeGeographyButton(group, "btpPaisInter", GeographyLevel::Country, 0, 1);
    c.btpEstadoInter = services::placeGeographyButton(group, "btpEstadoInter", GeographyLevel::State, 0, 4);
    c.btpMuniInter =
        services::placeGeographyButton(group, "btpMuniInter", GeographyLevel::Municipality, 1, 1);
    contactGeography = std::make_unique<services::GeographyLookup>(
        geography, data_->cdsInterloc(),
        services::GeographyControls{c.dbeCdPaisInter, c.dbeNmPaisInter, c.dbeEstadoInter, c.dbeCdMuniInter,
                                    c.dbeNmMuniInter, c.btpPaisInter, c.btpEstadoInter, c.btpMuniInter},
        services::CountryCascade::OnChange, [this](std::string_view key) { return Msg(*this, key); },
        services::GeographyFields{.district = {}});

    ClientDataSet& contacts = data_->cdsInterloc();
    c.dbeCdPaisInter->OnExit = [this, &contacts] {
        if (contacts.editing())
            Vd_Pais(detail.tshEndeInter, interloc.dbeCdPaisInter, false, true, interloc.dbeNmPaisInter);
    };
    c.dbeEstadoInter->OnExit = [this, &contacts] {
        if (contacts.editing())
            Vd_Estado(detail.tshEndeInter, interloc.dbeCdPaisInter, false, true, interloc.dbeEstadoInter);
    };
    c.dbeCdMuniInter->OnExit = [this, &contacts] {
        if (contacts.editing())
            Vd_Municipio(detail.tshEndeInter, interloc.dbeCdPaisInter, false, true, interloc.dbeNmMuniInter,
                         interloc.dbeCdMuniInter, interloc.dbeEstadoInter);
    };
}

// The contact's address is never required: both passes look up only what is filled.
void TfrmCliente::contactAddressChecks(bool, bool) {
    if (!data_->cdsInterloc().editing())
        return;
    auto& c = interloc;
    Vd_Pais(detail.tshEndeInter, c.dbeCdPaisInter, false, true, c.dbeNmPaisInter);
    Vd_Estado(detail.tshEndeInter, c.dbeCdPaisInter, false, true, c.dbeEstadoInter);
    Vd_Municipio(detail.tshEndeInter, c.dbeCdPaisInter, false, true, c.dbeNmMuniInter, c.dbeCdMuniInter,
                 c.dbeEstadoInter);
}

} // namespace vq

#pragma once
// Rules of the contact, correspondence and observation lists that need no widgets: the two role layouts
// by module, when the correspondence type check looks the type up, and what an observation without text
// becomes when it is posted.

#include "platform/data/client_data_set.h"

#include <string_view>

namespace vq::customer {

// The contact form's role controls: the prospect modules keep only the coded role, moved up to the
// free-text role's row; the others keep the free-text role and the level.
struct RoleLayout {
    bool freeRole = true;  // dbeCargo, dcbTipo and lblNivel shown
    bool codedRole = true; // dbeCodCargo, BtnCodCargo and dbeNmCargo shown
    bool codedRoleOnFreeRow = false;
    std::string_view gridRoleField = "DSCARGINCLIE"; // column 3 of dbgInterloc
};
RoleLayout roleLayout(bool shortContactPages);

// Vd_Tipo: with reporting, a type is looked up only while the grid's selected column is the type's (the
// row being posted from elsewhere was already checked when its type cell was left).
bool typeLookupSkipped(bool report, std::string_view selectedField);

// The observation being posted has no text: a new one is cancelled, an edited one is deleted (its deletion
// goes to the server), and the post ends silently with Abort. Nothing happens when the text is there.
void discardIfEmpty(ClientDataSet& observations, std::string_view text);

} // namespace vq::customer

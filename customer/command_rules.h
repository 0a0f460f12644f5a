#pragma once
// The customer form's record-command decision (ControlaBotoes) as a pure function of the active tab,
// the state and emptiness of the data source the tab edits, the master record and whether changes are
// allowed. The form applies the answer to its menu items; the tool buttons follow them.

#include "platform/data/client_data_set.h"

namespace vq::customer {

struct CommandInputs {
    bool browsing = true;                       // the caller's view: no record of the form is being edited
    bool changesAllowed = true;                 // boHabAlt
    bool secondaryAddressTab = false;           // billing, exterior, export or delivery address
    bool gridOrFormPage = false;                // the master's own pages
    DataSetState source = DataSetState::Browse; // the active tab's data source
    bool sourceEmpty = true;
    DataSetState master = DataSetState::Browse; // cdsCliente
    bool masterEmpty = true;
};

struct CommandStates {
    bool insert = false;
    bool edit = false;
    bool remove = false;
    bool search = false;
    bool refresh = false;
    bool cancel = false;
    bool confirm = false;
    bool navigator = false;
    bool filter = false;
    bool print = false;
    bool importProspect = false;
    // The close command: its button whenever changes are allowed, its menu item while browsing with
    // changes allowed. Only ever turned on, so the form can always be closed.
    bool closeButton = false;
    bool closeItem = false;
    bool operator==(const CommandStates&) const = default;
};

CommandStates decideCommands(const CommandInputs& in);

} // namespace vq::customer

#include "customer/command_rules.h"

namespace vq::customer {

CommandStates decideCommands(const CommandInputs& in) {
    const bool allow = in.changesAllowed;
    const bool sourceBrowse = in.source == DataSetState::Browse;
    const bool sourceEditing = in.source == DataSetState::Edit || in.source == DataSetState::Insert;
    CommandStates s;
    s.navigator = in.browsing;
    s.print = in.browsing;
    // The source decides cancel and confirm whatever the caller's view: a tab's own row may be edited
    // while the master browses.
    s.cancel = sourceEditing && allow;
    s.confirm = s.cancel;
    if (in.secondaryAddressTab) {
        // One row per kind: edited or left, never inserted, deleted or searched here.
        s.edit = sourceBrowse && allow;
    } else {
        const bool rows = sourceBrowse && !in.sourceEmpty && allow;
        s.insert = sourceBrowse && allow;
        s.edit = rows;
        s.remove = rows;
        s.search = rows;
        s.refresh = rows;
    }
    s.filter = !sourceEditing;
    s.closeButton = allow;
    s.closeItem = in.browsing && allow;
    s.importProspect = in.gridOrFormPage && in.master == DataSetState::Browse && !in.masterEmpty;
    return s;
}

} // namespace vq::customer

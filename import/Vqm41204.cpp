#include "import/Vqm41204.h"

#include "framework/services/showavi.h"
#include "platform/gui/buttons.h"
#include "services/app_server.h"

namespace vq {

Vqm41204::UnitState& Vqm41204::unit() {
    static UnitState state;
    return state;
}

TfrmImportCliente::TfrmImportCliente(QWidget* parent) : TfrmRotiGeral("TfrmImportCliente", parent) {
    SetCaption("Importação de Cliente");
    services::setupConnection(netImportCliente, services::kRdmImportCliente);
    Vqm41204::unit().frmImportCliente = this;
    DoCreate();
}

void TfrmImportCliente::FormCreate() {
    TfrmRotiGeral::FormCreate();
    {
        Showavi::Scope opening(nullptr, Showavi::kOpeningForm);
        services::connectToServer(netImportCliente);
    }
    // Nothing to confirm before a layout is read.
    sbtConfirma->SetEnabled(false);
}

void TfrmImportCliente::FormClose(gui::CloseAction& action) {
    netImportCliente.Close();
    TfrmRotiGeral::FormClose(action);
    action = gui::CloseAction::Free;
}

} // namespace vq

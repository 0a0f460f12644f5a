#include "side_lists/Vqm41208.h"

#include "services/app_server.h"

namespace vq {

Vqm41208::UnitState& Vqm41208::unit() {
    static UnitState state;
    return state;
}

TfrmVendAdicClie::TfrmVendAdicClie(QWidget* parent) : TfrmPadraoGrid("TfrmVendAdicClie", parent) {
    SetCaption("Vendedores Adicionais por Cliente");
    services::setupConnection(netVendAdicClie, services::kRdmClientes);
    addDataSet("cdsVendAdicClie", cdsVendAdicClie);
    dtsPadrao.SetDataSet(&cdsVendAdicClie);
    Vqm41208::unit().frmVendAdicClie = this;
    DoCreate();
}

TfrmVendAdicClie::~TfrmVendAdicClie() {
    runDestroy();
    dtsPadrao.SetDataSet(nullptr);
}

void TfrmVendAdicClie::FormCreate() {
    TfrmPadraoGrid::FormCreate();
    services::connectToServer(netVendAdicClie);
    Vqm41208::unit().boPrimVez = true;
}

void TfrmVendAdicClie::ShowFor(const std::string& code) {
    Vqm41208::UnitState& u = Vqm41208::unit();
    if (u.stCliente == code)
        return;
    u.stCliente = code;
    u.boPrimVez = true;
    cdsVendAdicClie.Close();
}

void TfrmVendAdicClie::FormClose(gui::CloseAction& action) {
    TfrmPadraoGrid::FormClose(action);
    Vqm41208::unit().boIdCriado = false;
    netVendAdicClie.Close();
    action = gui::CloseAction::Free;
}

} // namespace vq

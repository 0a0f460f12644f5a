#include "side_lists/Vqm41203.h"

#include "customer/Vqm41200.h"
#include "services/app_server.h"

namespace vq {

Vqm41203::UnitState& Vqm41203::unit() {
    static UnitState state;
    return state;
}

TfrmInfEmailClie::TfrmInfEmailClie(QWidget* parent) : TfrmPadraoGrid("TfrmInfEmailClie", parent) {
    SetCaption("Informações de E-mail Complementares por Cliente");
    services::setupConnection(netInfEmailClie, services::kRdmInfEmailClie);
    addDataSet("cdsCliente", cdsCliente);
    dtsPadrao.SetDataSet(&cdsCliente);
    Vqm41203::unit().frmInfEmailClie = this;
    DoCreate();
}

TfrmInfEmailClie::~TfrmInfEmailClie() {
    runDestroy();
    dtsPadrao.SetDataSet(nullptr);
}

net::TNetConnection& TfrmInfEmailClie::netClientes() const {
    return customerForm().netClientes;
}

void TfrmInfEmailClie::FormClose(gui::CloseAction& action) {
    TfrmPadraoGrid::FormClose(action);
    Vqm41203::unit().boIdCriado = false;
    action = gui::CloseAction::Free;
}

} // namespace vq

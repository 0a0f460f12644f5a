#include "batch/Vqm41207.h"

#include "customer/Vqm41200.h"

namespace vq {

Vqm41207::UnitState& Vqm41207::unit() {
    static UnitState state;
    return state;
}

TfrmCadAutGrupClie::TfrmCadAutGrupClie(QWidget* parent) : TfrmRotiGeral("TfrmCadAutGrupClie", parent) {
    SetCaption("Cadastramento Automático Grupo de Clientes");
    Vqm41207::unit().frmCadAutGrupClie = this;
    DoCreate();
}

net::TNetConnection& TfrmCadAutGrupClie::netClientes() const {
    return customerForm().netClientes;
}

void TfrmCadAutGrupClie::FormClose(gui::CloseAction& action) {
    TfrmRotiGeral::FormClose(action);
    action = gui::CloseAction::Free;
}

} // namespace vq

#include "batch/Vqm41206.h"

#include "customer/Vqm41200.h"

namespace vq {

Vqm41206::UnitState& Vqm41206::unit() {
    static UnitState state;
    return state;
}

TfrmCadTabPrecoClie::TfrmCadTabPrecoClie(QWidget* parent) : TfrmRotiGeral("TfrmCadTabPrecoClie", parent) {
    SetCaption("Cadastramento Automático Tabela de Preço por Cliente");
    Vqm41206::unit().frmCadTabPrecoClie = this;
    DoCreate();
}

net::TNetConnection& TfrmCadTabPrecoClie::netClientes() const {
    return customerForm().netClientes;
}

void TfrmCadTabPrecoClie::FormClose(gui::CloseAction& action) {
    TfrmRotiGeral::FormClose(action);
    action = gui::CloseAction::Free;
}

} // namespace vq

#include "batch/Vqm41205.h"

#include "customer/Vqm41200.h"

namespace vq {

Vqm41205::UnitState& Vqm41205::unit() {
    static UnitState state;
    return state;
}

TfrmCadRetECF::TfrmCadRetECF(QWidget* parent) : TfrmRotiGeral("TfrmCadRetECF", parent) {
    SetCaption("Cadastramento Aut. Retenções ECF");
    Vqm41205::unit().frmCadRetECF = this;
    DoCreate();
}

net::TNetConnection& TfrmCadRetECF::netClientes() const {
    return customerForm().netClientes;
}

void TfrmCadRetECF::FormClose(gui::CloseAction& action) {
    TfrmRotiGeral::FormClose(action);
    action = gui::CloseAction::Free;
}

} // namespace vq

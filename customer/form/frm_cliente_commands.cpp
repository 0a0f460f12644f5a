// TfrmCliente: the commands that open the module's other forms.

#include "customer/Vqm41200.h"
#include "platform/data/error.h"
#include "platform/gui/buttons.h"
#include "platform/gui/menus.h"

namespace vq {
namespace {

// An entry the module has not filled (the form used outside the module) is a clear error, not a crash.
template <class Fn> const Fn& entry(const Fn& fn, const char* routine) {
    if (!fn)
        throw Error(std::string("A rotina ") + routine + " não está disponível.");
    return fn;
}

} // namespace

TfrmCliente& customerForm() {
    const Vqm41200::UnitState& u = Vqm41200::unit();
    // Between its close and its deferred delete the form still exists but its connection is closed.
    TfrmCliente* form = u.frmCliente;
    if (!form || !u.boStCriado)
        throw Error("O cadastro de clientes não está aberto.");
    return *form;
}

void TfrmCliente::sbtFiltroClick() {
    entry(customer::satellites().CriaFilCliente, "CriaFilCliente")(std::string());
    HabilitaCampos();
}

void TfrmCliente::RefreshData() {
    entry(customer::satellites().reapplyFilter, "de atualização do filtro")();
}

void TfrmCliente::sbtImportarClick() {
    entry(customer::satellites().CriaImpCliente, "CriaImpCliente")();
}

void TfrmCliente::sbtEmailClick() {
    entry(customer::satellites().CriaInfEmailClie, "CriaInfEmailClie")(currentCode());
}

void TfrmCliente::btpVendAdicClick() {
    // The module's entry also hands the code to the e-mail unit (Vqm41203.stCdCliente).
    entry(customer::satellites().CriaVendAdicClie, "CriaVendAdicClie")(currentCode());
}

void TfrmCliente::ButtonFlat1Click() {
    entry(customer::satellites().CriaListaTransp, "CriaListaTransp")();
}

void TfrmCliente::sbtCadAutClick() {
    cmd.pmnCadAuto->PopupAt(*cmd.sbtCadAut);
}

void TfrmCliente::showBatchForm(customer::BatchRoutine routine) {
    cmd.mnuCadAuto->SetChecked(true);
    entry(customer::satellites().showBatchForm, "de cadastramento automático")(routine);
}

void TfrmCliente::mnuCadAutECFClick() {
    showBatchForm(customer::BatchRoutine::RetECF);
}
void TfrmCliente::mnuCadAutTabPrecoCliClick() {
    showBatchForm(customer::BatchRoutine::TabPrecoClie);
}
void TfrmCliente::mnuCadAutGrupClieClick() {
    showBatchForm(customer::BatchRoutine::GrupClie);
}

} // namespace vq

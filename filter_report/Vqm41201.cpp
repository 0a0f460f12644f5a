#include "filter_report/Vqm41201.h"

namespace vq {

Vqm41201::UnitState& Vqm41201::unit() {
    static UnitState state;
    return state;
}

TfrmDadCliente::TfrmDadCliente(QWidget* parent) : TfrmDadosGerRel("TfrmDadCliente", parent) {
    SetCaption("Cliente");
    ReportCode = "Vqm412";
    Vqm41201::unit().frmDadCliente = this;
    DoCreate();
}

void TfrmDadCliente::FormCreate() {
    TfrmDadosGerRel::FormCreate();
    Vqm41201::UnitState& u = Vqm41201::unit();
    for (std::string* list :
         {&u.stCodCliente, &u.stCodPais, &u.stCodEstado, &u.stCodMun, &u.stCodRamoAtiv, &u.stCodSegmMerc})
        list->clear();
}

void TfrmDadCliente::FormClose(gui::CloseAction& action) {
    TfrmDadosGerRel::FormClose(action);
    action = gui::CloseAction::Free;
}

} // namespace vq

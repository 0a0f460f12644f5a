#include "side_lists/Vqm41209.h"

#include "customer/Vqm41200.h"
#include "framework/services/messages.h"

namespace vq {
namespace {

const std::vector<std::string> kMessages = {"Excl|Confirma exclusão?",
                                            "JURIDICA|Jurídica",
                                            "FISICA|Física",
                                            "OUTROS|Outros",
                                            "INSC_JURIDICA|Insc. Jurídica",
                                            "INSC_DEVE|Inscrição deve ser informada",
                                            "TRANSP|Transportadora",
                                            "N_NRINSJURTRAN_CAD|Inscrição não encontrada",
                                            "INSC_J_CAD|Transportadora já cadastrada para este cliente"};

} // namespace

Vqm41209::UnitState& Vqm41209::unit() {
    static UnitState state;
    return state;
}

TfrmListaTransp::TfrmListaTransp(QWidget* parent) : TfrmPadraoGrid("TfrmListaTransp", parent) {
    SetCaption("Transportadoras");
    msgPadrao->SetItems(kMessages);
    addDataSet("cdsPadrao", cdsPadrao);
    dtsPadrao.SetDataSet(&cdsPadrao);
    Vqm41209::unit().frmListaTransp = this;
    DoCreate();
}

TfrmListaTransp::~TfrmListaTransp() {
    runDestroy();
    dtsPadrao.SetDataSet(nullptr);
}

net::TNetConnection& TfrmListaTransp::netClientes() const {
    return customerForm().netClientes;
}

void TfrmListaTransp::sbtFecharClick() {
    TfrmPadraoGrid::sbtFecharClick();
    Vqm41200::unit().boIdCriado = false;
}

void TfrmListaTransp::FormClose(gui::CloseAction& action) {
    TfrmPadraoGrid::FormClose(action);
    action = gui::CloseAction::Free;
}

} // namespace vq

#pragma once
// Unit Vqm41209: the carrier list TfrmListaTransp (caption "Transportadoras"), a modal TfrmPadraoGrid
// over cdsPadrao, calling the server through the customer form's netClientes. Its created mark is
// Vqm41200's boIdCriado, cleared by the exit command.

#include "framework/forms/frm_padrao_grid.h"
#include "platform/data/client_data_set.h"

#include <QPointer>

namespace vq {

namespace net {
class TNetConnection;
}

class TfrmListaTransp : public TfrmPadraoGrid {
public:
    explicit TfrmListaTransp(QWidget* parent = nullptr);
    ~TfrmListaTransp() override;

    ClientDataSet cdsPadrao{"cdsPadrao"};
    net::TNetConnection& netClientes() const; // the customer form's

    void sbtFecharClick() override;
    void FormClose(gui::CloseAction& action) override;
};

namespace Vqm41209 {

struct UnitState {
    QPointer<TfrmListaTransp> frmListaTransp;
};

UnitState& unit();

} // namespace Vqm41209
} // namespace vq

#pragma once
// Unit Vqm41208: the additional salespeople TfrmVendAdicClie (caption "Vendedores Adicionais por
// Cliente"), a non-modal TfrmPadraoGrid over cdsVendAdicClie with its own connection netVendAdicClie,
// opened at creation and closed with the form; reused while its created mark is set.

#include "framework/forms/frm_padrao_grid.h"
#include "platform/data/client_data_set.h"
#include "platform/net/net_connection.h"

#include <QPointer>
#include <string>

namespace vq {

class TfrmVendAdicClie : public TfrmPadraoGrid {
public:
    explicit TfrmVendAdicClie(QWidget* parent = nullptr);
    ~TfrmVendAdicClie() override;

    ClientDataSet cdsVendAdicClie{"cdsVendAdicClie"};
    net::TNetConnection netVendAdicClie;

    // Re-points a reused list to another customer; its rows are read again on the next activation.
    void ShowFor(const std::string& code);

    void FormCreate() override;
    void FormClose(gui::CloseAction& action) override;
};

namespace Vqm41208 {

struct UnitState {
    QPointer<TfrmVendAdicClie> frmVendAdicClie;
    bool boIdCriado = false;
    bool boPrimVez = false; // first activation pending
    std::string stCliente;  // the customer the list shows
};

UnitState& unit();

} // namespace Vqm41208
} // namespace vq

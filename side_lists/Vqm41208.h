#pragma once
// Unit Vqm41208: the additional salespeople TfrmVendAdicClie (caption "Vendedores Adicionais por
// Cliente"), a non-modal TfrmPadraoGrid over cdsVendAdicClie with its own connection netVendAdicClie,
// opened at creation and closed with the form; reused while its created mark is set. Each posted or
// deleted row is sent at once through SetVendAdicClie; the commissions may total at most 100%.

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
    ClientDataSet cdsVendedor{"cdsVendedor"};
    ClientDataSet cdsVdVendAdicClie{"cdsVdVendAdicClie"};
    DataSource dtsVendedor{"dtsVendedor"};
    net::TNetConnection netVendAdicClie;

    // Re-points a reused list to another customer, unless a row is being edited (it stays on its own
    // customer then); the rows are read again on the next activation, or at once when already active.
    void ShowFor(const std::string& code);

    // The salesperson check of the CDVENDEDOR column; with `report` an empty code is an error too.
    void Vd_Codigo(bool report);

    void FormCreate() override;
    void FormActivate() override;
    void FormClose(gui::CloseAction& action) override;
    void RefreshData() override;
    void dtsPadraoStateChange() override;

private:
    // stCliente, or while the customer is new the code it will be saved with.
    std::string customerCode() const;
    void load();
    void search();
    void beforePost();
    void afterPost();
    void send();
    bool revertOnCancel_ = false; // the open edit is a refused row put back into edit
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

#pragma once
// Unit Vqm41203: the e-mail list TfrmInfEmailClie (caption "Informações de E-mail Complementares por
// Cliente"), a modal TfrmPadraoGrid over its own cdsCliente (one row per branch), reused while its created
// mark is set. Rows are edited, never added nor removed; each post sends SetEmailClie. It declares a
// connection to "VQM41203.rdmInfEmailClie" but calls the server through the customer form's netClientes.

#include "framework/forms/frm_padrao_grid.h"
#include "platform/data/client_data_set.h"
#include "platform/net/net_connection.h"

#include <QPointer>
#include <string>

namespace vq {

namespace gui {
class Edit;
}

class TfrmInfEmailClie : public TfrmPadraoGrid {
public:
    explicit TfrmInfEmailClie(QWidget* parent = nullptr);
    ~TfrmInfEmailClie() override;

    ClientDataSet cdsCliente{"cdsCliente"};
    net::TNetConnection netInfEmailClie;
    net::TNetConnection& netClientes() const; // the customer form's
    gui::Edit *edtInscricao = nullptr, *edtRazSocial = nullptr;

    void FormCreate() override;
    void FormClose(gui::CloseAction& action) override;
    void sbtIncluirClick() override;
    void RefreshData() override;
    void updateCommands() override;

private:
    void load();
    void showHeader();
    void cdsClienteAfterPost();
};

namespace Vqm41203 {

struct UnitState {
    QPointer<TfrmInfEmailClie> frmInfEmailClie;
    bool boIdCriado = false;
    std::string stCdCliente; // the customer the list shows
};

UnitState& unit();

} // namespace Vqm41203
} // namespace vq

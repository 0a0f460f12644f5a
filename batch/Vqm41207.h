#pragma once
// Unit Vqm41207: the customer group batch assignment TfrmCadAutGrupClie (caption "Cadastramento Automático
// Grupo de Clientes"), a TfrmRotiGeral created anew by each command of the customer form and shown modally;
// it reaches the server through the customer form's netClientes.

#include "framework/forms/frm_roti_geral.h"

#include <QPointer>
#include <string>

namespace vq {

namespace net {
class TNetConnection;
}

class TfrmCadAutGrupClie : public TfrmRotiGeral {
public:
    explicit TfrmCadAutGrupClie(QWidget* parent = nullptr);
    net::TNetConnection& netClientes() const; // the customer form's
    void FormClose(gui::CloseAction& action) override;
};

namespace Vqm41207 {

struct UnitState {
    QPointer<TfrmCadAutGrupClie> frmCadAutGrupClie;
    std::string stCodPais, stCodEstado, stCodMun, stListaCliente; // the selection
};

UnitState& unit();

} // namespace Vqm41207
} // namespace vq

#pragma once
// Unit Vqm41206: the base price table batch assignment TfrmCadTabPrecoClie (caption "Cadastramento Automático
// Tabela de Preço por Cliente"), a TfrmRotiGeral created anew by each command of the customer form and shown
// modally; it reaches the server through the customer form's netClientes.

#include "framework/forms/frm_roti_geral.h"

#include <QPointer>
#include <string>

namespace vq {

namespace net {
class TNetConnection;
}

class TfrmCadTabPrecoClie : public TfrmRotiGeral {
public:
    explicit TfrmCadTabPrecoClie(QWidget* parent = nullptr);
    net::TNetConnection& netClientes() const; // the customer form's
    void FormClose(gui::CloseAction& action) override;
};

namespace Vqm41206 {

struct UnitState {
    QPointer<TfrmCadTabPrecoClie> frmCadTabPrecoClie;
    std::string stCodPais, stCodEstado, stCodMun, stListaCliente; // the selection
};

UnitState& unit();

} // namespace Vqm41206
} // namespace vq

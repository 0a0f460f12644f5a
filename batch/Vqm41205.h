#pragma once
// Unit Vqm41205: the ECF retention batch assignment TfrmCadRetECF (caption "Cadastramento Aut. Retenções
// ECF"), a TfrmRotiGeral created anew by each command of the customer form and shown modally; it reaches the
// server through the customer form's netClientes.

#include "framework/forms/frm_roti_geral.h"

#include <QPointer>
#include <string>

namespace vq {

namespace net {
class TNetConnection;
}

class TfrmCadRetECF : public TfrmRotiGeral {
public:
    explicit TfrmCadRetECF(QWidget* parent = nullptr);
    net::TNetConnection& netClientes() const; // the customer form's
    void FormClose(gui::CloseAction& action) override;
};

namespace Vqm41205 {

struct UnitState {
    QPointer<TfrmCadRetECF> frmCadRetECF;
};

UnitState& unit();

} // namespace Vqm41205
} // namespace vq

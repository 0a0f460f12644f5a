#pragma once
// Unit Vqm41204: the customer import TfrmImportCliente (caption "Importação de Cliente"), a
// TfrmRotiGeral created anew by each launch, with its own connection netImportCliente to
// "Vqm41204.rdmImportCliente": connected at creation, disconnected before the inherited close.

#include "framework/forms/frm_roti_geral.h"
#include "platform/net/net_connection.h"

#include <QPointer>

namespace vq {

class TfrmImportCliente : public TfrmRotiGeral {
public:
    explicit TfrmImportCliente(QWidget* parent = nullptr);

    net::TNetConnection netImportCliente;

    void FormCreate() override;
    void FormClose(gui::CloseAction& action) override;
};

namespace Vqm41204 {

// arFields is the constant table of import/import_fields.h.
struct UnitState {
    QPointer<TfrmImportCliente> frmImportCliente;
};

UnitState& unit();

} // namespace Vqm41204
} // namespace vq

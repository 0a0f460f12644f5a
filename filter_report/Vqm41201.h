#pragma once
// Unit Vqm41201: the customer data report TfrmDadCliente (caption "Cliente", report code "Vqm412"), a
// TfrmDadosGerRel. Its six selections start empty at every opening and share nothing with the filter.

#include "framework/forms/frm_dados_ger_rel.h"

#include <QPointer>
#include <string>

namespace vq {

class TfrmDadCliente : public TfrmDadosGerRel {
public:
    explicit TfrmDadCliente(QWidget* parent = nullptr);
    void FormCreate() override;
    void FormClose(gui::CloseAction& action) override;
};

namespace Vqm41201 {

struct UnitState {
    QPointer<TfrmDadCliente> frmDadCliente;
    std::string stCodCliente, stCodPais, stCodEstado, stCodMun, stCodRamoAtiv, stCodSegmMerc;
};

UnitState& unit();

} // namespace Vqm41201
} // namespace vq

#pragma once
// Unit Vqm41206: the base price table batch assignment TfrmCadTabPrecoClie (caption "Cadastramento Automático
// Tabela de Preço por Cliente"), created anew by each command of the customer form and shown modally; it
// reaches the server through the customer form's netClientes. The customer choice, geography and confirm
// flow are the common TfrmCadAutClie's; this form adds the price table and its "Principal" mark.

#include "batch/batch_assignment_form.h"

#include <QPointer>
#include <string>

namespace vq {

class TBtnPesquisa;
namespace gui {
class CheckBox;
class Edit;
class MaskEdit;
} // namespace gui

class TfrmCadTabPrecoClie : public TfrmCadAutClie {
public:
    explicit TfrmCadTabPrecoClie(QWidget* parent = nullptr);
    ~TfrmCadTabPrecoClie() override;

    gui::MaskEdit* medCdPrecoBase = nullptr;
    gui::Edit* edtNmPrecoBase = nullptr;
    gui::CheckBox* chbPrincipal = nullptr;
    TBtnPesquisa* btnPrecoBase = nullptr;
    std::unique_ptr<TADOIBQuery> qryPrecoBase;

    void Vd_PrecoBase(bool report);

protected:
    void checkCode(bool report) override { Vd_PrecoBase(report); }
    std::string assignmentMethod() const override { return "setCadAutoTabPrecoClie"; }
    VariantArray assignmentArgs(const std::string& kind) const override;
};

namespace Vqm41206 {

struct UnitState {
    QPointer<TfrmCadTabPrecoClie> frmCadTabPrecoClie;
    std::string stCodPais, stCodEstado, stCodMun, stListaCliente; // the selection
};

UnitState& unit();

} // namespace Vqm41206
} // namespace vq

#pragma once
// Unit Vqm41207: the customer group batch assignment TfrmCadAutGrupClie (caption "Cadastramento Automático
// Grupo de Clientes"), created anew by each command of the customer form and shown modally; it reaches the
// server through the customer form's netClientes. Built on the common TfrmCadAutClie of the price table
// form, with the customer group in place of the price table.

#include "batch/batch_assignment_form.h"

#include <QPointer>
#include <string>

namespace vq {

class TBtnPesquisa;
namespace gui {
class Edit;
} // namespace gui

class TfrmCadAutGrupClie : public TfrmCadAutClie {
public:
    explicit TfrmCadAutGrupClie(QWidget* parent = nullptr);
    ~TfrmCadAutGrupClie() override;

    ClientDataSet cdsGrupoClie{"cdsGrupoClie"};
    gui::Edit* medCdGrupoClie = nullptr; // the whole code (10): a two-digit mask cut the stored codes
    gui::Edit* edtNmGrupoClie = nullptr;
    TBtnPesquisa* btnGrupoClie = nullptr;

    void vd_GrupoClie(bool report);

protected:
    void checkCode(bool report) override { vd_GrupoClie(report); }
    std::string assignmentMethod() const override { return "setCadAutGrupoClie"; }
    VariantArray assignmentArgs(const std::string& kind) const override;
};

namespace Vqm41207 {

struct UnitState {
    QPointer<TfrmCadAutGrupClie> frmCadAutGrupClie;
    std::string stCodPais, stCodEstado, stCodMun, stListaCliente; // the selection
};

UnitState& unit();

} // namespace Vqm41207
} // namespace vq

#pragma once
// Unit Vqm41205: the ECF retention batch assignment TfrmCadRetECF (caption "Cadastramento Aut. Retenções
// ECF"), a TfrmRotiGeral created anew by each command of the customer form and shown modally; it reaches the
// server through the customer form's netClientes. One call, setCadAuto, gives every chosen customer (all,
// or a picked list) an IRPJ and a CSLL retention code.

#include "framework/forms/frm_roti_geral.h"
#include "platform/data/client_data_set.h"

#include <QPointer>
#include <string>

namespace vq {

class TBtnPesquisa;
namespace net {
class TNetConnection;
}
namespace gui {
class Edit;
class MaskEdit;
class RadioButton;
class ToolButton;
} // namespace gui

class TfrmCadRetECF : public TfrmRotiGeral {
public:
    explicit TfrmCadRetECF(QWidget* parent = nullptr);
    ~TfrmCadRetECF() override;
    net::TNetConnection& netClientes() const; // the customer form's
    void FormCreate() override;
    void FormClose(gui::CloseAction& action) override;
    void sbtConfirmaClick() override;

    ClientDataSet cdsRetECF{"cdsRetECF"};
    ClientDataSet cdsClientesECF{"cdsClientesECF"};

    gui::RadioButton* rbtTodos = nullptr;
    gui::RadioButton* rbtLista = nullptr;
    gui::ToolButton* btpCliente = nullptr;
    gui::MaskEdit* medIRPJ = nullptr;
    gui::MaskEdit* medCSLL = nullptr;
    gui::Edit* edtNmIRPJ = nullptr;
    gui::Edit* edtNmCSLL = nullptr;
    TBtnPesquisa* btpIRPJ = nullptr;
    TBtnPesquisa* btpCSLL = nullptr;

    // The selection sent: the customer list ("T" for all) and the two sequentials (-1: none).
    std::string stCliente = "T";
    int nrSeqIRPJ = -1;
    int nrSeqCSLL = -1;

    void validaIRPJ();
    void validaCSLL();
    void btpClienteClick();

private:
    struct Retention; // one code edit with its button, name display and sequential
    Retention irpj();
    Retention csll();
    void valida(const Retention& r);
    void afterSearch(const Retention& r);
};

namespace Vqm41205 {

struct UnitState {
    QPointer<TfrmCadRetECF> frmCadRetECF;
};

UnitState& unit();

} // namespace Vqm41205
} // namespace vq

#pragma once
// Unit Vqm41202: the customer filter TfrmFilCliente (caption "Filtro de Cliente"), a TfrmFiltroPadrao
// whose confirmation calls GetCliente through the customer form's netClientes with the eight
// (list, all) pairs and loads the customer form's cdsCliente. The criteria without controls of their
// own on the dialog keep the state of their working lists.

#include "filter_report/filter_state.h"
#include "framework/forms/frm_filtro_padrao.h"

#include <array>

namespace vq::gui {
class GroupBox;
class ToolButton;
} // namespace vq::gui

namespace vq {

class TfrmCliente;
namespace filter {
class RadioButton;
}

class TfrmFilCliente : public TfrmFiltroPadrao {
public:
    explicit TfrmFilCliente(QWidget* parent = nullptr);

    gui::GroupBox* grbCliente = nullptr;
    filter::RadioButton *rbtTCliente = nullptr, *rbtCliente = nullptr;
    gui::ToolButton* btnCliente = nullptr;

    void sbtConfirmaClick() override;
    void sbtCancelClick() override;
    void FormCreate() override;
    void FormActivate() override;
    void FormClose(gui::CloseAction& action) override;
    void btnClienteClick();

    // Applies the criteria as they stand, showing nothing: GetCliente into the customer form.
    void AplicaFiltro();

    // Whether a criterion is on its list button.
    bool listChecked(const Vqm41202::Criterion& criterion) const;
    void setListChecked(const Vqm41202::Criterion& criterion, bool on);

private:
    void alignCustomerForm(TfrmCliente& form);
    std::size_t indexOf(const Vqm41202::Criterion& criterion) const;
    std::array<bool, 8> listChecked_{}; // criteria without radio buttons on the dialog
};

} // namespace vq

#pragma once
// Unit Vqm41202: the customer filter TfrmFilCliente (caption "Filtro de Cliente"), a TfrmFiltroPadrao.
// Eight criteria (filter_state.h), each "all" or a list picked with the list picker; confirming calls
// GetCliente through the customer form's netClientes with the eight (list, all) pairs, loads the
// customer form's cdsCliente and brings its pages, menus and commands into line.

#include "filter_report/filter_state.h"
#include "framework/forms/frm_filtro_padrao.h"
#include "platform/data/client_data_set.h"
#include "platform/db/tadoib_query.h"

#include <array>
#include <memory>

namespace vq::gui {
class GroupBox;
class RadioButton;
class ToolButton;
} // namespace vq::gui

namespace vq {

class TfrmFilCliente : public TfrmFiltroPadrao {
public:
    explicit TfrmFilCliente(QWidget* parent = nullptr);
    ~TfrmFilCliente() override;

    // One criterion's controls (names in the criteria table).
    struct CriterionControls {
        gui::GroupBox* group = nullptr;
        gui::RadioButton *all = nullptr, *list = nullptr;
        gui::ToolButton* search = nullptr;
    };
    const CriterionControls& controls(Vqm41202::Index i) const { return controls_[i]; }
    gui::RadioButton* rbtCliente = nullptr; // the list button focused at activation

    void sbtConfirmaClick() override;
    void sbtCancelClick() override;
    void saveOptions() override;
    bool loadOptions() override;
    void FormCreate() override;
    void FormActivate() override;
    void FormClose(gui::CloseAction& action) override;
    void searchClick(Vqm41202::Index i); // btnCliente ... btnOrigem

    // Applies the criteria as the radio buttons and working lists stand, showing nothing.
    void AplicaFiltro();

    // The customer form's refresh: a dialog created unseen applies the last confirmed selection, leaving
    // Filtro and the working lists as they are.
    static void applyLastConfirmed();

    bool listChecked(Vqm41202::Index i) const;

private:
    void radioClick(Vqm41202::Index i);
    void applySelection(const Vqm41202::TFILTRO& selection);
    void fillList(Vqm41202::Index i);
    ClientDataSet& listOf(Vqm41202::Index i) { return *lists_[i]; }

    std::array<CriterionControls, Vqm41202::kCriterionCount> controls_{};
    // What each picker lists: the query's rows or the remote method's, under the list's fields.
    std::array<std::unique_ptr<ClientDataSet>, Vqm41202::kCriterionCount> lists_;
    std::array<std::unique_ptr<TADOIBQuery>, Vqm41202::kCriterionCount> queries_;
};

} // namespace vq

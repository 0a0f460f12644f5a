#pragma once
// Unit Vqm41201: the customer data report TfrmDadCliente (caption "Cliente", report code "Vqm412"), a
// TfrmDadosGerRel. Six criteria (report_criteria.h), each "all" or a list picked with the list picker,
// the customer situation and two date ranges become the 16 parameters of the report's query. Its six
// selections start empty at every opening and share nothing with the filter.

#include "filter_report/report_criteria.h"
#include "framework/forms/frm_dados_ger_rel.h"

#include <QPointer>
#include <array>
#include <memory>
#include <string>

namespace vq {

class ClientDataSet;
class TADOIBQuery;
namespace gui {
class CheckBox;
class DateEdit;
class GroupBox;
class RadioButton;
class ToolButton;
} // namespace gui

class TfrmDadCliente : public TfrmDadosGerRel {
public:
    explicit TfrmDadCliente(QWidget* parent = nullptr);
    ~TfrmDadCliente() override;
    void FormCreate() override;
    void FormClose(gui::CloseAction& action) override;

    struct CriterionControls {
        gui::GroupBox* group = nullptr;
        gui::RadioButton *all = nullptr, *list = nullptr;
        gui::ToolButton* search = nullptr;
    };
    const CriterionControls& controls(Vqm41201::Index i) const { return controls_[i]; }

    gui::CheckBox *ckbSituaClie = nullptr, *ckbSituaClieInat = nullptr;
    gui::DateEdit *depDeClieDesde = nullptr, *depAteClieDesde = nullptr;
    gui::DateEdit *depDeNascFund = nullptr, *depAteNascFund = nullptr;

    void sbtPrintClick() override;
    void sbtPreviewClick() override;
    void sbtSalvarComoClick() override;
    void sbtReportEditClick() override;
    void rpddPadraoBeforeGetQueryParams(reports::ReportParams& params) override;

    void allClick(Vqm41201::Index i);
    void listClick(Vqm41201::Index i);
    void searchClick(Vqm41201::Index i); // btncliente ... btnSegmMerc

    // The checks of print, preview and save as; a failing one shows its message and aborts the command.
    void checkBeforeRun();
    // Step 1: the exit check of the date field that has the focus.
    void checkFocusedDate();

private:
    bool listChecked(Vqm41201::Index i) const;
    ClientDataSet& openChoices(Vqm41201::Index i);

    std::array<CriterionControls, Vqm41201::kCriterionCount> controls_{};
    std::array<std::unique_ptr<TADOIBQuery>, Vqm41201::kCriterionCount> queries_;
    std::array<std::unique_ptr<ClientDataSet>, Vqm41201::kCriterionCount> lists_;
};

namespace Vqm41201 {

struct UnitState {
    QPointer<TfrmDadCliente> frmDadCliente;
    std::string stCodCliente, stCodPais, stCodEstado, stCodMun, stCodRamoAtiv, stCodSegmMerc;
};

UnitState& unit();

} // namespace Vqm41201
} // namespace vq

#pragma once
// The customer's field history (caption "Histórico"), a read-only TfrmPadraoGrid over cdsHistCliente,
// loaded through GetHistCliente on the customer form's connection, newest first. Two combos narrow the
// rows to one field (cmbCampo) and one operator (cmbOperador); their first item, "(Todos)", shows all.

#include "framework/forms/frm_padrao_grid.h"
#include "platform/data/client_data_set.h"

#include <string>

namespace vq {

namespace gui {
class ComboBox;
}

class TfrmHistCliente : public TfrmPadraoGrid {
public:
    explicit TfrmHistCliente(const std::string& customerCode, QWidget* parent = nullptr);
    ~TfrmHistCliente() override;

    ClientDataSet cdsHistCliente{"cdsHistCliente"};
    gui::ComboBox *cmbCampo = nullptr, *cmbOperador = nullptr;

    void FormClose(gui::CloseAction& action) override;
    void sbtIncluirClick() override;
    void RefreshData() override;
    void updateCommands() override;

private:
    void load();
    void fillChoices();
    void applyFilter();
    std::string code_;
};

// Opens a new history window of the customer, non-modal; it frees itself when closed.
void showCustomerHistory(const std::string& customerCode);

} // namespace vq

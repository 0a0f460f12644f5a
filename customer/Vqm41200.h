#pragma once
// Unit Vqm41200: the customer maintenance form TfrmCliente (caption "Cliente"), a TfrmPadrao whose
// dtsPadrao shows cdsCliente, with its connection netClientes to "Vqm41200.rdmClientes". The filter,
// the e-mail list, the batch forms and the carrier list reach the server through netClientes.

#include "customer/customer_datasets.h"
#include "customer/form/satellites.h"
#include "customer/form/unit_state.h"
#include "framework/forms/frm_padrao.h"
#include "platform/net/net_connection.h"

#include <memory>
#include <string>

namespace vq::gui {
class ComboBox;
class DbEdit;
class Label;
class PopupMenu;
} // namespace vq::gui

namespace vq {

class TfrmCliente : public TfrmPadrao {
public:
    explicit TfrmCliente(QWidget* parent = nullptr);
    ~TfrmCliente() override;

    net::TNetConnection netClientes;

    customer::CustomerDataSets& data() const { return *data_; }
    ClientDataSet& cdsCliente() const { return data_->cdsCliente(); }
    // The current customer's CDCLIENTE ("" when there is none).
    std::string currentCode() const;

    // Components the module's commands use.
    gui::ToolButton *sbtFiltro = nullptr, *sbtImportar = nullptr, *sbtEmail = nullptr, *sbtCadAut = nullptr,
                    *btpVendAdic = nullptr, *btnPesqListaTransp = nullptr;
    gui::PopupMenu* pmnCadAuto = nullptr;
    gui::MenuItem *mnuOpcoes = nullptr, *mnuImportar = nullptr, *mnuFiltrar = nullptr,
                  *mnuEmailCliente = nullptr, *mnuCadAuto = nullptr;
    gui::TabSheet* tshEndeClie = nullptr;
    gui::DbEdit *dbeInscricao = nullptr, *dbeNrInsJurClie = nullptr;
    gui::ComboBox* dbePesqTransp = nullptr;
    gui::Label* lblTranspLista = nullptr;

    // Commands that open the module's other forms.
    void sbtFiltroClick();
    void sbtImportarClick();
    void sbtEmailClick();
    void btpVendAdicClick();
    void ButtonFlat1Click(); // the carrier-list button btnPesqListaTransp
    void sbtCadAutClick();   // pops pmnCadAuto up below the button
    void mnuCadAutECFClick();
    void mnuCadAutTabPrecoCliClick();
    void mnuCadAutGrupClieClick();

    // Lifecycle.
    void FormCreate() override;
    void FormActivate() override;
    void FormClose(gui::CloseAction& action) override;
    void dtsPadraoStateChange() override;
    bool changesAllowed() const override;
    void RefreshData() override;

    // Shows the carrier search controls of the chosen kind ("Padrão" or "Lista").
    void HabilitaCampos();
    // Enables the edit groups and grids as changes are allowed (boHabAlt), then the commands.
    void HabilitaAlteracao();
    void ControlaBotoes(bool browsing);

private:
    void buildLayout();
    void wireCommands();
    void startAutomaticRegistration();
    void showBatchForm(customer::BatchRoutine routine);

    std::unique_ptr<customer::CustomerDataSets> data_;
};

// The live customer form; the satellites that use its connection or datasets run only while it exists
// (Error "O cadastro de clientes não está aberto." otherwise).
TfrmCliente& customerForm();

} // namespace vq

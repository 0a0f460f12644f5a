#pragma once
// Unit Vqm41204: the customer import TfrmImportCliente (caption "Importação de Cliente"), a
// TfrmRotiGeral created anew by each launch, with its own connection netImportCliente to
// "Vqm41204.rdmImportCliente": connected at creation, disconnected before the inherited close.
//
// The user chooses a server-held layout (Panel5), loads its files into cdsCliente (btfCarregar) and
// confirms (sbtConfirma): every row is checked first, then new customers are inserted through Confirmar,
// registered ones renamed (SetUpCliente) and registered customers absent from the files reported
// (SetUpSitCliente). Concerns: layout choice (import_layout_choice.cpp), load (import_load.cpp), upload
// (import_upload.cpp).

#include "framework/forms/frm_roti_geral.h"
#include "platform/data/client_data_set.h"
#include "platform/data/data_source.h"
#include "platform/net/net_connection.h"

#include <QPointer>
#include <chrono>
#include <memory>
#include <vector>

namespace vq {

class TADOIBQuery;
namespace gui {
class Animation;
class Button;
class DbGrid;
class Edit;
class Label;
class ProgressBar;
} // namespace gui

class TfrmImportCliente : public TfrmRotiGeral {
public:
    explicit TfrmImportCliente(QWidget* parent = nullptr);
    ~TfrmImportCliente() override;

    net::TNetConnection netImportCliente;
    ClientDataSet cdsLayout{"cdsLayout"};
    ClientDataSet cdsArquivo{"cdsArquivo"};
    ClientDataSet cdsDescLayout{"cdsDescLayout"};
    ClientDataSet cdsCliente{"cdsCliente"};
    ClientDataSet cdsInsCliente{"cdsInsCliente"};
    DataSource dtsArquivo{"dtsArquivo"};
    DataSource dtsCliente{"dtsCliente"};
    std::unique_ptr<TADOIBQuery> qryVerifCliente;
    std::unique_ptr<TADOIBQuery> qryCliente;

    gui::Panel* Panel5 = nullptr;
    gui::Edit* edtCdLayout = nullptr;
    gui::Edit* edtNmLayout = nullptr;
    gui::ToolButton* btpLayout = nullptr;
    gui::DbGrid* dbgTabela = nullptr;
    gui::Button* btfCarregar = nullptr;
    gui::DbGrid* dbgDados = nullptr;
    gui::Panel* panAnimacao = nullptr;
    gui::Label* lblArquivo = nullptr;
    gui::ProgressBar* pgbImport = nullptr;
    gui::Animation* anmImport = nullptr;
    gui::Label* lblVerifica = nullptr;
    gui::Animation* anmVerifica = nullptr;
    gui::Button* btnCancelar = nullptr;

    // Layout choice
    void edtCdLayoutChange();
    void Vd_Layout(bool report);
    void btpLayoutClick();
    void Panel5Exit();
    // Load
    void btfCarregarClick();
    void btnCancelarClick();
    bool Loading() const { return loading_; }
    // Checking and upload
    void sbtConfirmaClick() override;
    void Verif_Dados();
    void Confirmar();

    void FormCreate() override;
    void FormClose(gui::CloseAction& action) override;

private:
    void loadFileList();
    void readFile(const std::string& path);
    bool yieldDue();
    void yieldToEvents();
    void setLoading(bool on);
    void showProgressPanel(bool loading);
    void hideProgressPanel();
    void sendRows();
    void sendNewCustomer();
    void reportAbsentCustomers();

    std::vector<long long> rowLines_; // the line of each row of cdsCliente, by record number - 1
    bool loaded_ = false;             // every file of the last load was read to its end
    bool loading_ = false;
    bool cancelRequested_ = false;
    bool closeRequested_ = false;
    std::chrono::steady_clock::time_point lastYield_{};
};

namespace Vqm41204 {

// arFields is the constant table of import/import_fields.h.
struct UnitState {
    QPointer<TfrmImportCliente> frmImportCliente;
};

UnitState& unit();

} // namespace Vqm41204
} // namespace vq

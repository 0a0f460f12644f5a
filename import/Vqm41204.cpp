#include "import/Vqm41204.h"

#include "framework/services/messages.h"
#include "framework/services/showavi.h"
#include "import/import_messages.h"
#include "import/import_rows.h"
#include "platform/db/tadoib_query.h"
#include "platform/gui/buttons.h"
#include "platform/gui/containers.h"
#include "platform/gui/db_grid.h"
#include "platform/gui/edit.h"
#include "platform/gui/form_builder.h"
#include "platform/gui/progress.h"
#include "services/app_server.h"

#include <QTimer>

namespace vq {
namespace {

using enum gui::Kind;

// clang-format off
constexpr gui::ControlSpec kLayout[] = {
    {Panel, "Panel5", "pnlRotina", "", "", "", {0, 0}},
    {Edit, "edtCdLayout", "Panel5", "Layout", "", "", {0, 0}, "width=12;maxLength=10"},
    {Edit, "edtNmLayout", "Panel5", "Nome", "", "", {0, 1}, "width=50;readOnly;color=disabled;noTab"},
    {ToolButton, "btpLayout", "Panel5", "...", "", "", {0, 2}, "hint=Pesquisar layout"},
    {DbGrid, "dbgTabela", "pnlRotina", "", "dtsArquivo", "", {1, 0}, "readOnly;lines=4"},
    {Button, "btfCarregar", "pnlRotina", "Carregar", "", "", {2, 0}, "hint=Carregar dados"},
    {DbGrid, "dbgDados", "pnlRotina", "", "dtsCliente", "", {3, 0}, "readOnly"},
    {Panel, "panAnimacao", "pnlRotina", "", "", "", {4, 0}, "hidden"},
    {Label, "lblArquivo", "panAnimacao", "", "", "", {0, 0}},
    {Animation, "anmImport", "panAnimacao", "", "", "", {0, 1}},
    {ProgressBar, "pgbImport", "panAnimacao", "", "", "", {1, 0}},
    {Button, "btnCancelar", "panAnimacao", "Cancelar", "", "", {1, 1}},
    {Label, "lblVerifica", "panAnimacao", "Verificando dados importados...", "", "", {2, 0}, "hidden"},
    {Animation, "anmVerifica", "panAnimacao", "", "", "", {2, 1}, "hidden"},
};
constexpr gui::ColumnSpec kColumns[] = {
    {"dbgTabela", "NMARQLAYIMP", "Arquivo", 60},
};
// clang-format on

constexpr FieldSpec kLayoutFields[] = {
    {"CDLAYOUTIMP", FieldType::String, 10, "Código"},
    {"NMLAYOUTIMP", FieldType::String, 50, "Nome"},
};
constexpr FieldSpec kFileFields[] = {{"NMARQLAYIMP", FieldType::String, 250, "Arquivo"}};
constexpr FieldSpec kColumnFields[] = {
    {"CDLAYOUTIMP", FieldType::String, 10}, {"NRSEQTABELAY", FieldType::String, 10},
    {"IDFUNARQLAY", FieldType::String, 3},  {"NRSEQCOLULAY", FieldType::String, 10},
    {"NRPOSICOLLAY", FieldType::Integer},   {"NRTAMCOLLAY", FieldType::Integer},
    {"NRCASASDECIM", FieldType::Integer},   {"DSDEFACOLLAY", FieldType::String, 50},
    {"IDGERSEQCOLU", FieldType::String, 1}, {"IDTDADCOLLAY", FieldType::String, 1},
    {"IDGERCODCOLU", FieldType::String, 1}, {"CDFRMTCOLLAY", FieldType::String, 3},
    {"NMTABELAIMP", FieldType::String, 30}, {"NMCOLUNAIMP", FieldType::String, 30},
};

std::vector<std::string> messageItems() {
    const auto items = import::importMessages();
    return {items.begin(), items.end()};
}

} // namespace

Vqm41204::UnitState& Vqm41204::unit() {
    static UnitState state;
    return state;
}

TfrmImportCliente::TfrmImportCliente(QWidget* parent) : TfrmRotiGeral("TfrmImportCliente", parent) {
    SetCaption("Importação de Cliente");
    msgPadrao->SetItems(messageItems());
    services::setupConnection(netImportCliente, services::kRdmImportCliente);

    cdsLayout.CreateFields(kLayoutFields);
    cdsArquivo.CreateFields(kFileFields);
    cdsDescLayout.CreateFields(kColumnFields);
    cdsCliente.CreateFields(import::importFieldSpecs());
    cdsInsCliente.CreateFields(import::importFieldSpecs());
    for (ClientDataSet* ds : {&cdsLayout, &cdsArquivo, &cdsDescLayout, &cdsCliente, &cdsInsCliente})
        addDataSet(ds->Name(), *ds);
    dtsArquivo.SetDataSet(&cdsArquivo);
    dtsCliente.SetDataSet(&cdsCliente);
    addDataSource("dtsArquivo", dtsArquivo);
    addDataSource("dtsCliente", dtsCliente);

    gui::buildForm(*this, kLayout);
    gui::buildColumns(*this, kColumns);
    Panel5 = component<gui::Panel>("Panel5");
    edtCdLayout = component<gui::Edit>("edtCdLayout");
    edtNmLayout = component<gui::Edit>("edtNmLayout");
    btpLayout = component<gui::ToolButton>("btpLayout");
    dbgTabela = component<gui::DbGrid>("dbgTabela");
    btfCarregar = component<gui::Button>("btfCarregar");
    dbgDados = component<gui::DbGrid>("dbgDados");
    panAnimacao = component<gui::Panel>("panAnimacao");
    lblArquivo = component<gui::Label>("lblArquivo");
    pgbImport = component<gui::ProgressBar>("pgbImport");
    anmImport = component<gui::Animation>("anmImport");
    lblVerifica = component<gui::Label>("lblVerifica");
    anmVerifica = component<gui::Animation>("anmVerifica");
    btnCancelar = component<gui::Button>("btnCancelar");
    gui::gridOf(*pnlRotina).setRowStretch(3, 1);

    edtCdLayout->OnChange = [this] { edtCdLayoutChange(); };
    edtCdLayout->OnExit = [this] { Vd_Layout(true); };
    btpLayout->OnClick = [this] { btpLayoutClick(); };
    Panel5->OnExit = [this] { Panel5Exit(); };
    btfCarregar->OnClick = [this] { btfCarregarClick(); };
    btnCancelar->OnClick = [this] { btnCancelarClick(); };
    // Closing during a load cancels it; the form closes once the load has unwound.
    OnCloseQuery = [this](bool& canClose) {
        if (!loading_)
            return;
        cancelRequested_ = closeRequested_ = true;
        canClose = false;
    };
    Vqm41204::unit().frmImportCliente = this;
    DoCreate();
}

TfrmImportCliente::~TfrmImportCliente() {
    runDestroy();
    dtsArquivo.SetDataSet(nullptr);
    dtsCliente.SetDataSet(nullptr);
}

void TfrmImportCliente::FormCreate() {
    TfrmRotiGeral::FormCreate();
    {
        Showavi::Scope opening(nullptr, Showavi::kOpeningForm);
        services::connectToServer(netImportCliente);
    }
    // Nothing to confirm before every file of a layout was read.
    sbtConfirma->SetEnabled(false);
}

void TfrmImportCliente::FormClose(gui::CloseAction& action) {
    netImportCliente.Close();
    TfrmRotiGeral::FormClose(action);
    action = gui::CloseAction::Free;
}

} // namespace vq

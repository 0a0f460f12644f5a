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
using gui::bind;
using gui::ColorRole;
using Self = TfrmImportCliente;

// clang-format off
constexpr gui::ControlSpec kLayout[] = {
    {Panel, "Panel5", "pnlRotina", "", "", "", {0, 0}, {}, bind<&Self::Panel5>()},
    {Edit, "edtCdLayout", "Panel5", "Layout", "", "", {0, 0}, {.width = 12, .maxLength = 10}, bind<&Self::edtCdLayout>()},
    {Edit, "edtNmLayout", "Panel5", "Nome", "", "", {0, 1}, {.color = ColorRole::Disabled, .width = 50, .readOnly = true, .noTab = true}, bind<&Self::edtNmLayout>()},
    {ToolButton, "btpLayout", "Panel5", "...", "", "", {0, 2}, {.hint = "Pesquisar layout"}, bind<&Self::btpLayout>()},
    {DbGrid, "dbgTabela", "pnlRotina", "", "dtsArquivo", "", {1, 0}, {.lines = 4, .readOnly = true}, bind<&Self::dbgTabela>()},
    {Button, "btfCarregar", "pnlRotina", "Carregar", "", "", {2, 0}, {.hint = "Carregar dados"}, bind<&Self::btfCarregar>()},
    {DbGrid, "dbgDados", "pnlRotina", "", "dtsCliente", "", {3, 0}, {.readOnly = true}, bind<&Self::dbgDados>()},
    {Panel, "panAnimacao", "pnlRotina", "", "", "", {4, 0}, {.hidden = true}, bind<&Self::panAnimacao>()},
    {Label, "lblArquivo", "panAnimacao", "", "", "", {0, 0}, {}, bind<&Self::lblArquivo>()},
    {Animation, "anmImport", "panAnimacao", "", "", "", {0, 1}, {}, bind<&Self::anmImport>()},
    {ProgressBar, "pgbImport", "panAnimacao", "", "", "", {1, 0}, {}, bind<&Self::pgbImport>()},
    {Button, "btnCancelar", "panAnimacao", "Cancelar", "", "", {1, 1}, {}, bind<&Self::btnCancelar>()},
    {Label, "lblVerifica", "panAnimacao", "Verificando dados importados...", "", "", {2, 0}, {.hidden = true}, bind<&Self::lblVerifica>()},
    {Animation, "anmVerifica", "panAnimacao", "", "", "", {2, 1}, {.hidden = true}, bind<&Self::anmVerifica>()},
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
    // The imported rows are never sent as a change log; logging 100,000 inserts would only cost memory.
    cdsCliente.SetLogChanges(false);
    for (ClientDataSet* ds : {&cdsLayout, &cdsArquivo, &cdsDescLayout, &cdsCliente, &cdsInsCliente})
        addDataSet(ds->Name(), *ds);
    dtsArquivo.SetDataSet(&cdsArquivo);
    dtsCliente.SetDataSet(&cdsCliente);
    addDataSource("dtsArquivo", dtsArquivo);
    addDataSource("dtsCliente", dtsCliente);

    gui::buildForm(*this, kLayout);
    gui::buildColumns(*this, kColumns);
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

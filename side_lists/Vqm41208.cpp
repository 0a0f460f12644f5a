#include "side_lists/Vqm41208.h"

#include "customer/Vqm41200.h"
#include "customer/customer_dataset_rules.h"
#include "framework/services/consiste_messages.h"
#include "framework/services/host_catalogue.h"
#include "framework/services/messages.h"
#include "framework/services/pesquisa.h"
#include "framework/services/showavi.h"
#include "framework/validation/consiste.h"
#include "platform/data/error.h"
#include "platform/gui/db_grid.h"
#include "platform/gui/form_builder.h"
#include "platform/gui/form_registry.h"
#include "services/app_server.h"

#include <cmath>

namespace vq {
namespace {

const std::vector<std::string> kMessages = {
    "Vend_cad|Vendedor já cadastrado.",
    "Nome_Inf|Nome deve ser informado.",
    "Id_Inf|Tratamento deve ser informado.",
    "Cod_Inf|Código deve ser informado.",
    "Get|Verificando registros no servidor...",
    "Set|Atualizando registros no servidor...",
    "Vendedor|Vendedor",
    "Vend_Dup|Vendedor já cadastrado.",
    "percentual_max|Soma do(s) percentual(is) da(s) comissão(ões) deve totalizar no máximo 100%.",
};

constexpr FieldSpec kFields[] = {
    FieldSpec{"CDCLIENTE", FieldType::String, 21}.hidden(),
    FieldSpec{"NMRAZSOCCLIE", FieldType::String, 150}.hidden(),
    FieldSpec{"CDVENDEDOR", FieldType::String, 4, "Código"},
    FieldSpec{"NMRAZSOCVEN", FieldType::String, 50, "Vendedor"},
    FieldSpec{"VRPECOMVEN", FieldType::Float, 0, "Comissão(%)"},
};

constexpr FieldSpec kSalespersonFields[] = {
    FieldSpec{"CDVENDEDOR", FieldType::String, 4, "Código"},
    FieldSpec{"NMRAZSOCVEN", FieldType::String, 50, "Razão Social"},
};

// clang-format off
constexpr gui::ColumnSpec kColumns[] = {
    {"dbgPadrao", "CDVENDEDOR", "Código", 6, {.ellipsis = true}},
    {"dbgPadrao", "NMRAZSOCVEN", "Vendedor", 40, {.readOnly = true}},
    {"dbgPadrao", "VRPECOMVEN", "Comissão(%)", 10},
};
// clang-format on

constexpr int kCodeColumn = 0;
constexpr int kCommissionColumn = 2;

bool inCodeColumn(const gui::DbGrid& grid) {
    const Field* f = grid.SelectedField();
    return f && f->FieldName() == "CDVENDEDOR";
}

// Keys that only move or insert, which leave an existing row's code as it is.
bool movesOnly(int key) {
    switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Insert:
        return true;
    default:
        return false;
    }
}

// Controls frozen and the current row kept while the rows are walked.
class RowWalk {
public:
    explicit RowWalk(ClientDataSet& ds) : ds_(ds), mark_(ds.GetBookmark()) { ds_.DisableControls(); }
    ~RowWalk() {
        if (mark_ != 0 && ds_.BookmarkValid(mark_))
            ds_.GotoBookmark(mark_);
        ds_.EnableControls();
    }
    RowWalk(const RowWalk&) = delete;
    RowWalk& operator=(const RowWalk&) = delete;

private:
    ClientDataSet& ds_;
    Bookmark mark_;
};

// The commissions of every row, in hundredths, so that 16,1 + 48,2 + 35,7 totals exactly 100.
long long commissionHundredths(ClientDataSet& ds) {
    long long total = 0;
    RowWalk walk(ds);
    for (ds.First(); !ds.Eof(); ds.Next())
        total += std::llround(ds.FieldByName("VRPECOMVEN").AsFloat() * 100.0);
    return total;
}

} // namespace

Vqm41208::UnitState& Vqm41208::unit() {
    static UnitState state;
    return state;
}

TfrmVendAdicClie::TfrmVendAdicClie(QWidget* parent) : TfrmPadraoGrid("TfrmVendAdicClie", parent) {
    SetCaption("Vendedores Adicionais por Cliente");
    msgPadrao->SetItems(kMessages);
    services::setupConnection(netVendAdicClie, services::kRdmClientes);
    cdsVendAdicClie.CreateFields(kFields);
    cdsVendedor.CreateFields(kSalespersonFields);
    addDataSet("cdsVendAdicClie", cdsVendAdicClie);
    addDataSet("cdsVendedor", cdsVendedor);
    addDataSet("cdsVdVendAdicClie", cdsVdVendAdicClie);
    dtsVendedor.SetDataSet(&cdsVendedor);
    addDataSource("dtsVendedor", dtsVendedor);
    dtsPadrao.SetDataSet(&cdsVendAdicClie);
    gui::buildColumns(*this, kColumns);

    cdsVendAdicClie.AfterInsert = [this](ClientDataSet&) { dbgPadrao->SetSelectedIndex(kCodeColumn); };
    cdsVendAdicClie.BeforePost = [this](ClientDataSet&) { beforePost(); };
    cdsVendAdicClie.AfterPost = [this](ClientDataSet&) { afterPost(); };
    cdsVendAdicClie.AfterDelete = [this](ClientDataSet&) { send(); };
    cdsVendAdicClie.AfterCancel = [this](ClientDataSet& ds) {
        // A row refused for its commission is still in the change log: cancelling it puts it back.
        if (std::exchange(revertOnCancel_, false))
            ds.RevertRecord();
    };
    dbgPadrao->OnColExit = [this] {
        if (cdsVendAdicClie.State() == DataSetState::Insert && inCodeColumn(*dbgPadrao))
            Vd_Codigo(false);
    };
    dbgPadrao->OnKeyDown = [this](int& key, Qt::KeyboardModifiers) {
        if (cdsVendAdicClie.State() != DataSetState::Insert && inCodeColumn(*dbgPadrao) && !movesOnly(key))
            key = 0;
    };
    dbgPadrao->OnEditButtonClick = [this] { search(); };
    Vqm41208::unit().frmVendAdicClie = this;
    DoCreate();
}

TfrmVendAdicClie::~TfrmVendAdicClie() {
    runDestroy();
    dtsPadrao.SetDataSet(nullptr);
    dtsVendedor.SetDataSet(nullptr);
}

void TfrmVendAdicClie::FormCreate() {
    TfrmPadraoGrid::FormCreate();
    Vqm41208::unit().boPrimVez = true;
    Showavi::Scope busy(this, Showavi::kOpeningForm);
    services::connectToServer(netVendAdicClie);
}

void TfrmVendAdicClie::FormActivate() {
    TfrmPadraoGrid::FormActivate();
    repaint();
    if (Vqm41208::unit().boPrimVez) {
        load();
        Vqm41208::unit().boPrimVez = false;
    }
}

void TfrmVendAdicClie::load() {
    Showavi::Scope busy(this, Showavi::kSearching, Msg(*this, "Get"));
    services::readInto(netVendAdicClie, "GetVendAdicClie", VariantArray{Variant(Vqm41208::unit().stCliente)},
                       cdsVendAdicClie);
}

void TfrmVendAdicClie::RefreshData() {
    load();
}

void TfrmVendAdicClie::ShowFor(const std::string& code) {
    Vqm41208::UnitState& u = Vqm41208::unit();
    // A row in edit or a change not yet sent belongs to the customer shown.
    if (u.stCliente == code || cdsVendAdicClie.editing() || cdsVendAdicClie.ChangeCount() > 0)
        return;
    u.stCliente = code;
    u.boPrimVez = true;
    cdsVendAdicClie.Close();
    if (gui::forms::active() == this) { // no activation will come
        load();
        u.boPrimVez = false;
    }
}

std::string TfrmVendAdicClie::customerCode() const {
    const std::string& code = Vqm41208::unit().stCliente;
    if (!code.empty())
        return code;
    return customer::requiredCustomerCode(customerForm().data());
}

void TfrmVendAdicClie::dtsPadraoStateChange() {
    // An existing row's code is its key: only a row being inserted takes a code.
    const int column = dbgPadrao->ColumnIndex("CDVENDEDOR");
    if (column >= 0) {
        dbgPadrao->Column(column).ReadOnly = cdsVendAdicClie.State() != DataSetState::Insert;
        dbgPadrao->columnsChanged();
    }
    TfrmPadraoGrid::dtsPadraoStateChange();
}

void TfrmVendAdicClie::Vd_Codigo(bool report) {
    Field& code = cdsVendAdicClie.FieldByName("CDVENDEDOR");
    try {
        const std::string text = code.AsString();
        if (Consiste::EmptyString(text)) {
            if (report)
                Consiste::MensErro(Msg(*this, "Cod_Inf"));
            return;
        }
        code.SetAsString(Consiste::Ajusta(text, 4));
        services::readInto(netVendAdicClie, "GetVendedor",
                           VariantArray{Variant(code.AsString()), Variant("")}, cdsVendedor);
        if (cdsVendedor.IsEmpty())
            Consiste::MensErro(HostMsg("Vend_Cad")); // the form's own "Vend_cad" says the opposite
        services::readInto(netVendAdicClie, "GetVdVendAdicClie",
                           VariantArray{Variant(customerCode()), Variant(code.AsString())},
                           cdsVdVendAdicClie);
        if (!cdsVdVendAdicClie.IsEmpty())
            Consiste::MensErro(Msg(*this, "Vend_Dup"));
        cdsVendAdicClie.FieldByName("NMRAZSOCVEN").SetValue(cdsVendedor.FieldByName("NMRAZSOCVEN").Value());
    } catch (...) {
        dbgPadrao->SetSelectedIndex(kCodeColumn);
        SetFocus(*dbgPadrao);
        throw;
    }
}

void TfrmVendAdicClie::search() {
    if (!inCodeColumn(*dbgPadrao))
        return;
    {
        Showavi::Scope busy(this, Showavi::kSearching);
        services::readInto(netVendAdicClie, "GetVendedor", VariantArray{Variant(""), Variant("T")},
                           cdsVendedor);
    }
    if (!Pesquisa::Pesquisar(dtsVendedor, Msg(*this, "Vendedor")))
        return;
    if (!cdsVendAdicClie.editing())
        cdsVendAdicClie.Edit();
    cdsVendAdicClie.FieldByName("CDVENDEDOR").SetValue(cdsVendedor.FieldByName("CDVENDEDOR").Value());
    cdsVendAdicClie.FieldByName("NMRAZSOCVEN").SetValue(cdsVendedor.FieldByName("NMRAZSOCVEN").Value());
}

void TfrmVendAdicClie::beforePost() {
    if (cdsVendAdicClie.State() == DataSetState::Insert)
        Vd_Codigo(true);
    cdsVendAdicClie.FieldByName("CDCLIENTE").SetValue(Variant(customerCode()));
}

void TfrmVendAdicClie::afterPost() {
    revertOnCancel_ = false;
    if (commissionHundredths(cdsVendAdicClie) > 100 * 100) {
        SetFocus(*dbgPadrao);
        dbgPadrao->SetSelectedIndex(kCommissionColumn);
        cdsVendAdicClie.Edit();
        revertOnCancel_ = true;
        Consiste::MensErro(Msg(*this, "percentual_max"));
    }
    send();
}

void TfrmVendAdicClie::send() {
    services::sendChanges(netVendAdicClie, cdsVendAdicClie, "SetVendAdicClie", this, Msg(*this, "Set"));
}

void TfrmVendAdicClie::FormClose(gui::CloseAction& action) {
    TfrmPadraoGrid::FormClose(action);
    Vqm41208::unit().boIdCriado = false;
    netVendAdicClie.Close();
    action = gui::CloseAction::Free;
}

} // namespace vq

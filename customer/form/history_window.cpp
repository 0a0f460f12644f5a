#include "customer/form/history_window.h"

#include "customer/Vqm41200.h"
#include "platform/gui/choices.h"
#include "platform/gui/db_grid.h"
#include "platform/gui/form_builder.h"
#include "services/app_server.h"

#include <set>

namespace vq {
namespace {

using enum gui::Kind;
using gui::bind;
using Self = TfrmHistCliente;

constexpr const char* kAll = "(Todos)";

// clang-format off
constexpr gui::ControlSpec kLayout[] = {
    {GroupBox, "grbFiltro", "", "Filtro", "", "", {2, 0}},
    {ComboBox, "cmbCampo", "grbFiltro", "Campo", "", "", {0, 0}, {.style = gui::ComboStyle::DropDownList, .width = 30}, bind<&Self::cmbCampo>()},
    {ComboBox, "cmbOperador", "grbFiltro", "Operador", "", "", {0, 1}, {.style = gui::ComboStyle::DropDownList, .width = 14}, bind<&Self::cmbOperador>()},
};

constexpr gui::ColumnSpec kColumns[] = {
    {"dbgPadrao", "DTHIST", "Data/Hora", 19, {.readOnly = true}},
    {"dbgPadrao", "NMTABHIST", "Tabela", 12, {.readOnly = true}},
    {"dbgPadrao", "DSCHAVEHIST", "Chave", 24, {.readOnly = true}},
    {"dbgPadrao", "NMCAMPOHIST", "Campo", 14, {.readOnly = true}},
    {"dbgPadrao", "IDACAOHIST", "Ação", 4, {.readOnly = true}},
    {"dbgPadrao", "DSVALANTHIST", "Valor Anterior", 24, {.readOnly = true}},
    {"dbgPadrao", "DSVALNOVHIST", "Valor Novo", 24, {.readOnly = true}},
    {"dbgPadrao", "CDOPERHIST", "Operador", 10, {.readOnly = true}},
    {"dbgPadrao", "CDMODERPHIST", "Módulo", 6, {.readOnly = true}},
    {"dbgPadrao", "NMMETHIST", "Método", 14, {.readOnly = true}},
    {"dbgPadrao", "CDMODHIST", "Serviço", 20, {.readOnly = true}},
};
// clang-format on

// "(Todos)" then every distinct value of the field, sorted.
std::vector<std::string> choices(ClientDataSet& ds, const char* field) {
    std::set<std::string> values;
    ds.First();
    while (!ds.Eof()) {
        values.insert(ds.FieldByName(field).AsString());
        ds.Next();
    }
    std::vector<std::string> out{kAll};
    out.insert(out.end(), values.begin(), values.end());
    return out;
}

} // namespace

TfrmHistCliente::TfrmHistCliente(const std::string& customerCode, QWidget* parent)
    : TfrmPadraoGrid("TfrmHistCliente", parent), code_(customerCode) {
    SetCaption("Histórico");
    addDataSet("cdsHistCliente", cdsHistCliente);
    dtsPadrao.SetDataSet(&cdsHistCliente);
    gui::buildForm(*this, kLayout);
    gui::buildColumns(*this, kColumns);
    dbgPadrao->SetReadOnly(true);
    cdsHistCliente.SetReadOnly(true);
    cdsHistCliente.OnFilterRecord = [this](ClientDataSet& ds, bool& accept) {
        const auto matches = [&](const gui::ComboBox* combo, const char* field) {
            return combo->ItemIndex() <= 0 || ds.FieldByName(field).AsString() == combo->Text();
        };
        accept = matches(cmbCampo, "NMCAMPOHIST") && matches(cmbOperador, "CDOPERHIST");
    };
    cmbCampo->OnChange = [this] { applyFilter(); };
    cmbOperador->OnChange = [this] { applyFilter(); };
    DoCreate();
    load();
}

TfrmHistCliente::~TfrmHistCliente() {
    runDestroy();
    dtsPadrao.SetDataSet(nullptr);
}

void TfrmHistCliente::load() {
    cdsHistCliente.SetFiltered(false);
    services::readInto(customerForm().netClientes, "GetHistCliente", VariantArray{Variant(code_)},
                       cdsHistCliente);
    fillChoices();
    applyFilter();
}

void TfrmHistCliente::fillChoices() {
    cmbCampo->SetItems(choices(cdsHistCliente, "NMCAMPOHIST"));
    cmbOperador->SetItems(choices(cdsHistCliente, "CDOPERHIST"));
    cmbCampo->SetItemIndex(0);
    cmbOperador->SetItemIndex(0);
}

void TfrmHistCliente::applyFilter() {
    cdsHistCliente.SetFiltered(true); // again, so the combos' choice applies
    cdsHistCliente.First();
}

void TfrmHistCliente::RefreshData() {
    load();
}

void TfrmHistCliente::sbtIncluirClick() {} // the history is never written here

void TfrmHistCliente::updateCommands() {
    TfrmPadraoGrid::updateCommands();
    for (Command c : {Command::Incluir, Command::Alterar, Command::Excluir, Command::Confirmar,
                      Command::Cancelar, Command::Imprimir})
        setCommandEnabled(c, false);
}

void TfrmHistCliente::FormClose(gui::CloseAction& action) {
    TfrmPadraoGrid::FormClose(action);
    action = gui::CloseAction::Free;
}

void showCustomerHistory(const std::string& customerCode) {
    auto* form = new TfrmHistCliente(customerCode); // frees itself on close (CloseAction::Free)
    form->Show();
}

void TfrmCliente::mnuHistoricoClick() {
    showCustomerHistory(currentCode());
}

} // namespace vq

// TfrmCliente, fiscal concern: the invoice additional texts (cdsMensCliente, grid dbgMensCliente in the
// group "Dados Adicionais para Nota Fiscal"): their events, checks, keys and the registered-message lookup.

#include "customer/Vqm41200.h"
#include "customer/customer_dataset_rules.h"
#include "customer/fiscal_rules.h"
#include "customer/form/form_support.h"
#include "customer/form/identity_support.h"
#include "framework/services/db_geral.h"
#include "framework/services/messages.h"
#include "framework/services/pesquisa.h"
#include "platform/gui/containers.h"
#include "platform/gui/db_controls.h"
#include "platform/gui/db_grid.h"

#include <utility>

namespace vq {
namespace {

using customer::form::failWith;

// A field's change handler detached for a scope and attached again however the scope ends.
class DetachedChange {
public:
    explicit DetachedChange(Field& field) : field_(field), saved_(std::exchange(field.OnChange, nullptr)) {}
    ~DetachedChange() { field_.OnChange = std::move(saved_); }
    DetachedChange(const DetachedChange&) = delete;
    DetachedChange& operator=(const DetachedChange&) = delete;

private:
    Field& field_;
    Field::FieldNotifyEvent saved_;
};

void editIfNeeded(ClientDataSet& texts) {
    if (texts.editing())
        return;
    if (texts.IsEmpty())
        texts.Append();
    else
        texts.Edit();
}

} // namespace

void TfrmCliente::wireInvoiceTexts() {
    ClientDataSet& texts = data_->cdsMensCliente();
    customer::runBefore(texts.BeforeInsert, [this](ClientDataSet&) { cdsMensClienteBeforeInsert(); });
    for (ClientDataSet::NotifyEvent* event : {&texts.AfterInsert, &texts.AfterEdit, &texts.AfterDelete})
        customer::runAfter(*event, [this](ClientDataSet&) { cdsMensClienteAfterChange(); });
    // After the customer code is stamped on the row.
    customer::runAfter(texts.BeforePost, [this](ClientDataSet&) { Vd_DadosAdicNF(); });
    texts.FieldByName("DSMENSCLIENTE").OnChange = [this](Field&) { cdsMensClienteDSMENSCLIENTEChange(); };

    gui::DbGrid& grid = *fiscalCtl.dbgMensCliente;
    grid.OnEditButtonClick = [this] { dbgMensClienteEditButtonClick(); };
    grid.OnKeyPress = [this](char16_t& key) { dbgMensClienteKeyPress(key); };
    grid.OnExit = [this] { dbgMensClienteExit(); };
    fiscalCtl.grbMensCliente->OnExit = [this] { grbMensClienteExit(); };
}

void TfrmCliente::cdsMensClienteBeforeInsert() {
    if (!currentCode().empty() || !cdsCliente().FieldByName("NRINSJURINFO").AsString().empty())
        return;
    try {
        failWith(*this, "Insc_Inf");
    } catch (...) {
        validationFailed(tshFormulario, form.dbeInscricao);
        throw;
    }
}

void TfrmCliente::cdsMensClienteAfterChange() {
    if (!customer::form::editing(dtsPadrao))
        editMasterIfBrowsing();
}

void TfrmCliente::Vd_DadosAdicNF() {
    ClientDataSet& texts = data_->cdsMensCliente();
    const std::pair<const char*, const char*> required[] = {{"DSMENSCLIENTE", "DESCRICAO_MSG_CLI_DEVE"},
                                                            {"IDENTRSAIDMENS", "ENTR/SAID_MSG_CLI_DEVE"}};
    for (const auto& [field, key] : required) {
        if (!texts.FieldByName(field).AsString().empty())
            continue;
        try {
            failWith(*this, key);
        } catch (...) {
            validationFailed(sheet(Tab::DadosAdic), fiscalCtl.dbgMensCliente);
            fiscalCtl.dbgMensCliente->SetSelectedField(field);
            throw;
        }
    }
}

// A typed text is no longer the registered message it came from.
void TfrmCliente::cdsMensClienteDSMENSCLIENTEChange() {
    ClientDataSet& texts = data_->cdsMensCliente();
    editIfNeeded(texts);
    texts.FieldByName("CDMENSAGEM").Clear();
}

void TfrmCliente::dbgMensClienteEditButtonClick() {
    useDBGeral(qryPesqMensagem);
    qryPesqMensagem.Close();
    if (!Pesquisa::Pesquisar(LookupSource(qryPesqMensagem), Msg(*this, "MENSAGEM"),
                             {{"CDMENSAGEM", "Código"}, {"DSMENSAGEM", "Descrição"}}, "CDMENSAGEM"))
        return;
    const std::string code = qryPesqMensagem.FieldByName("CDMENSAGEM").AsString();
    const std::string text = qryPesqMensagem.FieldByName("DSMENSAGEM").AsString();
    ClientDataSet& texts = data_->cdsMensCliente();
    editIfNeeded(texts);
    Field& description = texts.FieldByName("DSMENSCLIENTE");
    DetachedChange detached(description);
    texts.FieldByName("CDMENSAGEM").SetAsString(code);
    description.SetAsString(text);
}

void TfrmCliente::dbgMensClienteKeyPress(char16_t& key) {
    gui::DbGrid& grid = *fiscalCtl.dbgMensCliente;
    const Field* column = grid.SelectedField();
    if (!column || column->FieldName() != "IDENTRSAIDMENS")
        return;
    const customer::KeyEffect effect = customer::entryExitKey(key);
    if (effect.action == customer::KeyAction::Pass)
        return;
    if (effect.action == customer::KeyAction::Drop) {
        key = 0;
        return;
    }
    ClientDataSet& texts = data_->cdsMensCliente();
    editIfNeeded(texts);
    Field& field = texts.FieldByName("IDENTRSAIDMENS");
    if (effect.action == customer::KeyAction::Clear) {
        field.Clear();
        return; // an open cell editor loses its text too
    }
    field.SetAsString(effect.code);
    // An open cell editor then holds the code itself, which its text rule stores alike.
    key = static_cast<char16_t>(effect.code.front());
}

// A row inserted and left untouched is not kept.
void TfrmCliente::dbgMensClienteExit() {
    ClientDataSet& texts = data_->cdsMensCliente();
    if (texts.State() == DataSetState::Insert && !texts.Modified())
        texts.Cancel();
}

void TfrmCliente::grbMensClienteExit() {
    ClientDataSet& texts = data_->cdsMensCliente();
    if (texts.editing())
        texts.Post();
}

} // namespace vq

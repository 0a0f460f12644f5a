// TfrmCliente, fiscal concern: the fiscal page's combos and check boxes, the situation combo, the ECF
// retention codes, the ordering mode, and what the record's before-post check stores from them.

#include "customer/Vqm41200.h"
#include "customer/fiscal_rules.h"
#include "customer/form/form_support.h"
#include "customer/form/identity_support.h"
#include "customer/retention_codes.h"
#include "framework/services/btn_pesquisa.h"
#include "framework/services/consiste_messages.h"
#include "platform/gui/choices.h"
#include "platform/gui/containers.h"
#include "platform/gui/db_controls.h"
#include "services/app_server.h"

namespace vq {

using customer::form::assign;
using customer::form::failWith;
using customer::form::fieldText;

void TfrmCliente::editMasterIfBrowsing() {
    ClientDataSet& m = cdsCliente();
    if (m.Active() && !m.IsEmpty() && !m.editing())
        m.Edit();
}

void TfrmCliente::cbbEndCFOPChange() {
    editMasterIfBrowsing();
}

void TfrmCliente::cbbEndCFOPOPresChange() {
    editMasterIfBrowsing();
}

void TfrmCliente::cbbLancExpChange() {
    editMasterIfBrowsing();
}

void TfrmCliente::dbcContribuinteICMSClick() {
    if (cdsCliente().editing())
        assign(cdsCliente(), "IDCONTRIBICMS", fiscalCtl.dbcContribuinteICMS->Checked() ? "S" : "N");
}

void TfrmCliente::dbcConsFinalClick() {
    if (cdsCliente().editing())
        assign(cdsCliente(), "IDCONSFINAL", fiscalCtl.dbcConsFinal->Checked() ? "S" : "N");
}

void TfrmCliente::dbcDigiCSTKeyPress(char16_t& key) {
    const customer::KeyEffect effect = customer::cstDigitKey(key);
    if (effect.action != customer::KeyAction::Store)
        return;
    editMasterIfBrowsing();
    cdsCliente().FieldByName("CDCSTDIG1CLI").SetAsString(effect.code);
    key = 0; // stored: the combo follows the field
}

void TfrmCliente::dbcSituAtivKeyPress(char16_t& key) {
    if (const auto item = customer::situationKeyItem(key)) {
        key = 0;
        form.dbcSituAtiv->Choose(*item);
    }
}

void TfrmCliente::dbcSituAtivChange() {
    gui::ComboBox& combo = *form.dbcSituAtiv;
    if (!cdsCliente().editing() || combo.Text().empty())
        return;
    if (combo.ItemIndex() == 0)
        assign(cdsCliente(), "IDCLIEATIV", "S");
    else if (combo.ItemIndex() == 1)
        assign(cdsCliente(), "IDCLIEATIV", "N");
}

// ---- ECF retention codes

void TfrmCliente::retentionChosen(TBtnPesquisa& button, const char* codeField, const char* sequentialField,
                                  const char* descriptionField) {
    editMasterIfBrowsing();
    ClientDataSet& m = cdsCliente();
    m.FieldByName(sequentialField).SetValue(button.Value("NRSEQUENCIAL"));
    m.FieldByName(codeField).SetAsString(button.Text("CDRETECF"));
    m.FieldByName(descriptionField).SetAsString(button.Text("DSRETECF"));
}

void TfrmCliente::btpCodRecIRPJAfterPesq() {
    retentionChosen(*fiscalCtl.btpCodRecIRPJ, "CDRETIRPJ", "NRSEQRETIRPJ", "DSRETIRPJ");
}

void TfrmCliente::btpCodRecCSLLAfterPesq() {
    retentionChosen(*fiscalCtl.btpCodRecCSLL, "CDRETCSLL", "NRSEQRETCSLL", "DSRETCSLL");
}

// A typed code takes the registered row's sequential and description, as the lookup does: the
// bookkeeping reads the sequential, so keeping the previous one would file the old retention.
void TfrmCliente::retentionExit(gui::DbEdit& edit, const char* sequentialField,
                                const char* descriptionField) {
    ClientDataSet& m = cdsCliente();
    if (!m.editing())
        return;
    edit.beforeExit(); // the typed text, also when the check runs from the group's exit
    Field& code = *edit.Field();
    if (code.AsString().empty()) {
        assign(m, descriptionField, "");
        m.FieldByName(sequentialField).Clear();
        return;
    }
    ClientDataSet& retentions = data_->dataSet("cdsRetECF");
    const auto found = customer::findRetention(retentions, code.AsString());
    if (!found) {
        try {
            failWith(*this, "RETENCAO_N");
        } catch (...) {
            validationFailed(sheet(Tab::DadosFiscais), &edit);
            throw;
        }
    }
    m.FieldByName(sequentialField).SetAsFloat(found->sequential);
    assign(m, code.FieldName(), found->code);
    assign(m, descriptionField, found->description);
}

void TfrmCliente::dbeCdRetIRPJExit() {
    retentionExit(*fiscalCtl.dbeCdRetIRPJ, "NRSEQRETIRPJ", "DSRETIRPJ");
}

void TfrmCliente::dbeCdRetCSLLExit() {
    retentionExit(*fiscalCtl.dbeCdRetCSLL, "NRSEQRETCSLL", "DSRETCSLL");
}

void TfrmCliente::grbECFExit() {
    dbeCdRetIRPJExit();
    dbeCdRetCSLLExit();
}

void TfrmCliente::getRetECF() {
    VariantArray args;
    const Variant answer = Consiste::CheckResultServ(services::RemoteCall(netClientes)("getRetECF", args));
    if (!answer.is(VariantKind::Array) || answer.asArray().empty())
        throw Error("Resposta inválida do servidor para as retenções (ECF): " + answer.describe() + ".");
    data_->dataSet("cdsRetECF").SetData(answer.asArray()[0]);
}

// ---- The record's before-post check

void TfrmCliente::storeFiscalChoices() {
    ClientDataSet& m = cdsCliente();
    assign(m, "IDGERANFPEDI", customer::orderInvoiceCode(detail.cbbLancExp->ItemIndex()));
    // An inactivation is told to the server before the record's own save.
    if (form.dbcSituAtiv->Text().empty()) {
        assign(m, "IDCLIEATIV", "");
    } else if (form.dbcSituAtiv->ItemIndex() == 0) {
        assign(m, "IDCLIEATIV", "S");
    } else if (form.dbcSituAtiv->ItemIndex() == 1) {
        assign(m, "IDCLIEATIV", "N");
        VariantArray args{Variant(std::string("D")), Variant(fieldText(m, "CDCLIENTE"))};
        Consiste::CheckResultServ(netClientes.Call("Atualiza_Situacao", args), true, 0);
    }
    assign(m, "IDENDEMISCLI", customer::issueAddressCode(fiscalCtl.dbcEndEmissao->ItemIndex()));
    assign(m, "IDENDCFOPCLI", customer::cfopAddressCode(extra.cbbEndCFOP->ItemIndex()));
    assign(m, "IDENDCFOPCLIPRES", customer::cfopInPersonAddressCode(extra.cbbEndCFOPOPres->ItemIndex()));
    assign(m, "IDCONSFINAL", fiscalCtl.dbcConsFinal->Checked() ? "S" : "N");
    assign(m, "IDCONTRIBICMS", fiscalCtl.dbcContribuinteICMS->Checked() ? "S" : "N");
}

} // namespace vq

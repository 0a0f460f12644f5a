// TfrmCliente, payment concern: the kind of payment form (none, a fixed day, a registered payment form),
// the page adapted to it, and the payment form code with its lookup.

#include "customer/Vqm41200.h"
#include "customer/form/form_support.h"
#include "framework/services/btn_pesquisa.h"
#include "framework/services/consiste_messages.h"
#include "framework/services/db_geral.h"
#include "framework/services/messages.h"
#include "framework/validation/consiste.h"
#include "platform/gui/containers.h"
#include "platform/gui/db_controls.h"
#include "platform/gui/db_grid.h"
#include "platform/gui/page_control.h"
#include "platform/gui/text_controls.h"
#include "services/app_server.h"

namespace vq {

using customer::form::fieldText;

namespace {

// Suppresses the payment handlers while the form itself sets the radio group or the code.
class Adjusting {
public:
    explicit Adjusting(bool& flag) : flag_(flag), previous_(flag) { flag_ = true; }
    ~Adjusting() { flag_ = previous_; }
    Adjusting(const Adjusting&) = delete;
    Adjusting& operator=(const Adjusting&) = delete;

private:
    bool& flag_;
    bool previous_;
};

constexpr int kNoPaymentForm = 0;
constexpr int kFixedDay = 1;
constexpr int kByPaymentForm = 2;

} // namespace

// ---- Groups of the page

void TfrmCliente::clearFixedDay() {
    extra.speDiaFixo->clear();
    extra.speParcela->clear();
    ClientDataSet& master = cdsCliente();
    // Only a record being edited holds the cleared values; a record shown keeps what it has.
    if (master.editing()) {
        master.FieldByName("NRDIAPGFIXCL").Clear();
        master.FieldByName("NRPARCPGTOCL").Clear();
    }
    enableFixedDay(false);
}

void TfrmCliente::enableFixedDay(bool on) {
    const bool enabled = on && changesAllowed();
    for (gui::Control* c :
         std::initializer_list<gui::Control*>{extra.speDiaFixo, extra.speParcela, pay.lblCom, pay.lblParcelas,
                                              pay.lblParenteses, pay.dckProxMes})
        c->SetEnabled(enabled);
}

void TfrmCliente::enableFormCode(bool on) {
    pay.dbeCdFormPgto->SetEnabled(on && changesAllowed());
    pay.btpFormPgto->SetEnabled(on && changesAllowed());
}

void TfrmCliente::closeTerms() {
    ClientDataSet& terms = data_->cdsPrazoPgtoClie();
    if (terms.editing())
        terms.Cancel();
    terms.Close();
}

// ---- Choosing the kind

void TfrmCliente::drgFormPgtoClick() {
    if (adjustingPayment_ || !customer::form::editing(dtsPadrao))
        return;
    Adjusting adjusting(adjustingPayment_);
    ClientDataSet& master = cdsCliente();
    const int item = extra.drgFormPgto->ItemIndex();
    const auto clearFormCode = [&] {
        master.FieldByName("CDFORMPGTO").Clear();
        master.FieldByName("NMFORMPGTO").Clear();
    };
    if (item == kNoPaymentForm) {
        master.FieldByName("IDTPFORPGTCL").SetAsString("X");
        extra.drgFormPgto->SetItemIndex(0);
        clearFixedDay();
        master.FieldByName("IDUTDIAPGTCL").SetAsString("I");
        clearFormCode();
        enableFormCode(false);
        pay.dbgPrazoPgClie->SetVisible(false);
        closeTerms();
    } else if (item == kFixedDay) {
        master.FieldByName("IDTPFORPGTCL").SetAsString("F");
        extra.speDiaFixo->SetValue(1);
        master.FieldByName("NRDIAPGFIXCL").SetAsInteger(1);
        extra.speParcela->SetValue(1);
        master.FieldByName("NRPARCPGTOCL").SetAsInteger(1);
        enableFixedDay(true);
        master.FieldByName("IDUTDIAPGTCL").SetAsString("I");
        clearFormCode();
        enableFormCode(false);
        pay.dbgPrazoPgClie->SetVisible(false);
        closeTerms();
    } else if (item == kByPaymentForm) {
        clearFixedDay();
        master.FieldByName("IDUTDIAPGTCL").SetAsString("I");
        master.FieldByName("CDFORMPGTO").Clear();
        enableFormCode(true);
        master.FieldByName("NMFORMPGTO").Clear();
        pay.dbgPrazoPgClie->SetVisible(true);
        closeTerms();
        load(data_->cdsPrazoPgtoClie(), "GetPrazoPgtoClie");
        pay.dbgPrazoPgClie->SetSelectedIndex(0);
    }
}

void TfrmCliente::AjustaFormPgto() {
    if (!pay.dbgPrazoPgClie)
        return; // the form is still being built
    Adjusting adjusting(adjustingPayment_);
    ClientDataSet& master = cdsCliente();
    // The group is bound to the stored code; a record without a kind reads as "X" through the field's
    // display rule, its first item.
    if (extra.drgFormPgto->ItemIndex() < 0 && master.Active() && !master.IsEmpty() &&
        master.FieldByName("IDTPFORPGTCL").Text() == "X")
        extra.drgFormPgto->SetItemIndex(kNoPaymentForm);
    if (extra.drgFormPgto->ItemIndex() == kNoPaymentForm) {
        extra.drgFormPgto->SetItemIndex(0);
        clearFixedDay();
        enableFormCode(false);
        pay.dbgPrazoPgClie->SetVisible(false);
    }
    if (fieldText(master, "IDTPFORPGTCL") == "F") {
        extra.speDiaFixo->SetValue(static_cast<int>(master.FieldByName("NRDIAPGFIXCL").AsInteger()));
        extra.speParcela->SetValue(static_cast<int>(master.FieldByName("NRPARCPGTOCL").AsInteger()));
        enableFixedDay(true);
        enableFormCode(false);
        pay.dbgPrazoPgClie->SetVisible(false);
    }
    if (extra.drgFormPgto->ItemIndex() == kByPaymentForm) {
        clearFixedDay();
        enableFormCode(true);
        pay.dbgPrazoPgClie->SetVisible(true);
    }
}

void TfrmCliente::speDiaFixoChange() {
    ClientDataSet& master = cdsCliente();
    if (extra.speDiaFixo->Focused() && master.State() == DataSetState::Browse)
        master.Edit();
    // The day is kept at once, so a confirm given on this page saves what the spin edit shows.
    if (!adjustingPayment_ && master.editing() && fieldText(master, "IDTPFORPGTCL") == "F")
        master.FieldByName("NRDIAPGFIXCL").SetAsInteger(extra.speDiaFixo->Value());
}

void TfrmCliente::speParcelaChange() {
    ClientDataSet& master = cdsCliente();
    if (extra.speParcela->Focused() && master.State() == DataSetState::Browse)
        master.Edit();
    if (!adjustingPayment_ && master.editing() && fieldText(master, "IDTPFORPGTCL") == "F")
        master.FieldByName("NRPARCPGTOCL").SetAsInteger(extra.speParcela->Value());
}

void TfrmCliente::dckProxMesClick() {
    ClientDataSet& master = cdsCliente();
    if (master.editing())
        master.FieldByName("IDUTDIAPGTCL").SetAsString(pay.dckProxMes->Checked() ? "E" : "I");
}

// ---- Payment form code

void TfrmCliente::btpFormPgtoBeforePesq(bool& allow) {
    (void)allow;
    useDBGeral(qryFormPgto);
    qryFormPgto.Close();
    qryFormPgto.ParamByName("P_CDFORMPGTO") = "";
    qryFormPgto.ParamByName("P_TCDFORMPGTO") = "T";
    qryFormPgto.Open();
}

void TfrmCliente::btpFormPgtoAfterPesq() {
    ClientDataSet& master = cdsCliente();
    if (dtsPadrao.State() == DataSetState::Browse)
        master.Edit();
    master.FieldByName("CDFORMPGTO").SetAsString(pay.btpFormPgto->Text("CDFORMPGTO"));
    master.FieldByName("NMFORMPGTO").SetAsString(pay.btpFormPgto->Text("NMFORMPGTO"));
}

void TfrmCliente::dbeCdFormPgtoChange() {
    if (adjustingPayment_ || !customer::form::editing(dtsPadrao))
        return;
    cdsCliente().FieldByName("NMFORMPGTO").Clear();
    // A changed payment form starts a new schedule of terms.
    ClientDataSet& terms = data_->cdsPrazoPgtoClie();
    if (!terms.Active() || terms.IsEmpty())
        return;
    terms.First();
    while (!terms.IsEmpty())
        terms.Delete();
    if (onTab(Tab::FormPgto))
        terms.Insert();
}

void TfrmCliente::dbeCdFormPgtoExit() {
    if (customer::form::editing(dtsPadrao))
        Vd_FormaPgto(true);
}

void TfrmCliente::Vd_FormaPgto(bool report) {
    try {
        const std::string code = pay.dbeCdFormPgto->Text();
        if (Consiste::EmptyString(code)) {
            if (report)
                Consiste::MensErro(Msg(*this, "FormPgto_inf"));
            return;
        }
        ClientDataSet& master = cdsCliente();
        if (!master.editing())
            master.Edit();
        master.FieldByName("CDFORMPGTO").SetAsString(Consiste::Ajusta(code, 2));
        const std::string name = customer::form::lookUp(
            qryFormPgto,
            {{"P_CDFORMPGTO", master.FieldByName("CDFORMPGTO").AsString()}, {"P_TCDFORMPGTO", ""}},
            "NMFORMPGTO");
        if (qryFormPgto.IsEmpty())
            Consiste::MensErro(Msg(*this, "FormPgto_cad"));
        master.FieldByName("NMFORMPGTO").SetAsString(name);
    } catch (...) {
        validationFailed(sheet(Tab::FormPgto), pay.dbeCdFormPgto);
        throw;
    }
}

} // namespace vq

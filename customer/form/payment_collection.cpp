// TfrmCliente, payment concern: the collection fields of "Dados Adicionais" (fine, daily interest,
// receivable account, write-off and adjustment types, adjustment month), the payment modality of "Dados
// para Pedidos" and the validity limits of "Personalização", with their lookups and the save steps.

#include "customer/Vqm41200.h"
#include "customer/form/form_support.h"
#include "customer/payment_rules.h"
#include "framework/services/btn_pesquisa.h"
#include "framework/services/consiste_messages.h"
#include "framework/services/db_geral.h"
#include "framework/services/geral.h"
#include "framework/services/messages.h"
#include "framework/services/showavi.h"
#include "framework/validation/consiste.h"
#include "platform/data/text_ptbr.h"
#include "platform/gui/containers.h"
#include "platform/gui/db_controls.h"
#include "platform/gui/page_control.h"
#include "services/app_server.h"

namespace vq {

using customer::form::fieldText;

void TfrmCliente::readLookup(ClientDataSet& list, std::string_view method, std::string code,
                             std::string flag) {
    services::readInto(netClientes, method, VariantArray{Variant(std::move(code)), Variant(std::move(flag))},
                       list);
}

// ---- Fine and daily interest: checked while a customer is edited, not while one is inserted.

namespace {

struct RateCheck {
    const char* field;
    const char* belowKey;
    const char* aboveKey;
};
constexpr RateCheck kFine{"VRPEMULBCLI", "VrMulta_Menor", "VrMulta_Maior"};
constexpr RateCheck kInterest{"VRPEMORBCLI", "VrMora_Menor", "VrMora_Maior"};

} // namespace

static void checkRate(TfrmCliente& form, gui::DbEdit& edit, const RateCheck& check) {
    if (form.dtsPadrao.State() != DataSetState::Edit)
        return;
    Field& field = form.cdsCliente().FieldByName(check.field);
    const std::string text = edit.Text();
    if (text.empty())
        field.Clear();
    else
        field.SetText(text); // a text that is not a number fails here, without the page handling
    if (field.IsNull() || field.AsFloat() == 0)
        return;
    try {
        switch (customer::collectionRateFault(field.AsFloat())) {
        case customer::RangeFault::Below:
            Consiste::MensErro(Msg(form, check.belowKey));
            break;
        case customer::RangeFault::Above:
            Consiste::MensErro(Msg(form, check.aboveKey));
            break;
        case customer::RangeFault::None:
            break;
        }
    } catch (...) {
        form.validationFailed(form.sheet(customer::form::Tab::DadosAdic), &edit);
        throw;
    }
}

void TfrmCliente::Vd_VrMulta() {
    checkRate(*this, *extra.dbeVrMulta, kFine);
}

void TfrmCliente::Vd_VrMora() {
    checkRate(*this, *extra.dbeVrMora, kInterest);
}

void TfrmCliente::dbeVrMultaExit() {
    Vd_VrMulta();
}

// Also the exit handler of the discount until the due date, which has no range of its own.
void TfrmCliente::dbeVrMoraExit() {
    Vd_VrMora();
}

// ---- Receivable account type, write-off type, adjustment type

namespace {

// A code chosen in a lookup: the customer goes to edit, and the chosen row's fields are copied.
void copyChoice(TfrmCliente& form, TBtnPesquisa& button, std::initializer_list<const char*> fields) {
    if (form.dtsPadrao.State() == DataSetState::Browse)
        form.cdsCliente().Edit();
    for (const char* f : fields)
        form.cdsCliente().FieldByName(f).SetAsString(button.Text(f));
}

// A description shown beside its code is cleared when the code is typed over.
void clearWhileEditing(TfrmCliente& form, const char* field) {
    if (customer::form::editing(form.dtsPadrao))
        form.cdsCliente().FieldByName(field).Clear();
}

} // namespace

void TfrmCliente::btpContReceBeforePesq(bool& allow) {
    (void)allow;
    readLookup(lookupList("cdsTipContRec"), "GetTipContRec", "", "T");
}

void TfrmCliente::btpContReceAfterPesq() {
    copyChoice(*this, *pay.btpContRece, {"CDTPCTRECEB", "DSTPCTRECEB"});
}

void TfrmCliente::dbeCdContReceChange() {
    clearWhileEditing(*this, "DSTPCTRECEB");
}

void TfrmCliente::dbeCdContReceExit() {
    if (cdsCliente().editing())
        Vd_TipContRec(false);
}

void TfrmCliente::btnTipoBaixaBeforePesq(bool& allow) {
    (void)allow;
    readLookup(lookupList("cdsPesqTpBaixa"), "GetPesqTpBaixa", "", "T");
}

void TfrmCliente::btnTipoBaixaAfterPesq() {
    copyChoice(*this, *pay.btnTipoBaixa, {"CDTPBAIXAREC", "NMTPBAIXAREC"});
}

void TfrmCliente::dbeCdTpBaixaChange() {
    clearWhileEditing(*this, "NMTPBAIXAREC");
}

void TfrmCliente::dbeCdTpBaixaExit() {
    if (cdsCliente().editing())
        Vd_TpBaixaRec(false);
}

namespace {

// Checks one code of a lookup method on "Dados Adicionais": stored form, read, the name shown.
struct CodeCheck {
    const char* list;
    const char* method;
    const char* codeField;
    int width;
    const char* nameField; // in the list and in the customer record
    const char* notFoundKey;
};
constexpr CodeCheck kTipContRec{"cdsTipContRec", "GetTipContRec", "CDTPCTRECEB", 6,
                                "DSTPCTRECEB",   "TipContRec_cad"};
constexpr CodeCheck kTpBaixaRec{"cdsPesqTpBaixa", "GetPesqTpBaixa", "CDTPBAIXAREC", 2,
                                "NMTPBAIXAREC",   "TipBaixaRec_cad"};

} // namespace

static void checkCode(TfrmCliente& form, gui::DbEdit& edit, const CodeCheck& check, bool report) {
    const std::string code = edit.Text();
    // Every caller asks without report; only a filled code of a record being edited is looked up.
    if (report || Consiste::EmptyString(code) || !form.cdsCliente().editing())
        return;
    try {
        ClientDataSet& master = form.cdsCliente();
        master.FieldByName(check.codeField).SetAsString(Consiste::Ajusta(code, check.width));
        ClientDataSet& list = form.data().dataSet(check.list);
        services::readInto(
            form.netClientes, check.method,
            VariantArray{Variant(master.FieldByName(check.codeField).AsString()), Variant(std::string())},
            list);
        if (list.IsEmpty())
            Consiste::MensErro(Msg(form, check.notFoundKey));
        master.FieldByName(check.nameField).SetAsString(fieldText(list, check.nameField));
    } catch (...) {
        form.validationFailed(form.sheet(customer::form::Tab::DadosAdic), &edit);
        throw;
    }
}

void TfrmCliente::Vd_TipContRec(bool report) {
    checkCode(*this, *pay.dbeCdContRece, kTipContRec, report);
}

void TfrmCliente::Vd_TpBaixaRec(bool report) {
    checkCode(*this, *pay.dbeCdTpBaixa, kTpBaixaRec, report);
}

void TfrmCliente::btpCdTpAjustBeforePesq(bool& allow) {
    (void)allow;
    Showavi::Scope busy(this, Showavi::kSearching, Msg(*this, "Verif_Server"));
    readLookup(lookupList("cdsTpAjusteRec"), "GetTpAjusteRec", "", "T");
}

void TfrmCliente::btpCdTpAjustAfterPesq() {
    copyChoice(*this, *pay.btpCdTpAjust, {"CDAJUCTREC"});
}

void TfrmCliente::dbeCdTpAjustExit() {
    Vd_TpAjusteRec(false);
}

void TfrmCliente::Vd_TpAjusteRec(bool report) {
    if (!customer::form::editing(dtsPadrao))
        return;
    gui::DbEdit& edit = *pay.dbeCdTpAjust;
    try {
        const std::string code = edit.Text();
        if (Consiste::EmptyString(code)) {
            if (report)
                Consiste::MensErro(Msg(*this, "TpAjRec_inf"));
            return;
        }
        if (report && !edit.Focused())
            return;
        cdsCliente().FieldByName("CDAJUCTREC").SetAsString(Consiste::Ajusta(code, 4));
        ClientDataSet& list = lookupList("cdsTpAjusteRec");
        {
            Showavi::Scope busy(this, Showavi::kSearching, Msg(*this, "Verif_Server"));
            readLookup(list, "GetTpAjusteRec", fieldText(cdsCliente(), "CDAJUCTREC"), "N");
        }
        if (list.IsEmpty())
            Consiste::MensErro(Msg(*this, "TpAjRec_cad"));
    } catch (...) {
        validationFailed(sheet(Tab::DadosAdic), &edit);
        throw;
    }
}

// ---- Payment modality

void TfrmCliente::btpModPgtoBeforePesq(bool& allow) {
    (void)allow;
    useDBGeral(qryPesqModPgto);
    qryPesqModPgto.Close(); // the lookup opens it again
}

void TfrmCliente::btpModPgtoAfterPesq() {
    copyChoice(*this, *pay.btpModPgto, {"CDMODPGTO", "DSMODPGTO"});
}

void TfrmCliente::dbeCdModPgtoChange() {
    clearWhileEditing(*this, "DSMODPGTO");
}

void TfrmCliente::dbeCdModPgtoExit() {
    if (cdsCliente().editing())
        Vd_ModPagto();
}

void TfrmCliente::dbeCdModPgtoKeyPress(char16_t& key) {
    if (cdsCliente().editing() && !customer::modalityKeyAccepted(key))
        key = 0;
}

void TfrmCliente::Vd_ModPagto() {
    const std::string code = pay.dbeCdModPgto->Text();
    if (!customer::form::editing(dtsPadrao) || Consiste::EmptyString(code))
        return;
    try {
        ClientDataSet& master = cdsCliente();
        master.FieldByName("CDMODPGTO").SetAsString(Consiste::Ajusta(code, 5));
        const std::string description = customer::form::lookUp(
            qryModPgto, {{"P_CDMODPGTO", fieldText(master, "CDMODPGTO")}}, "DSMODPGTO");
        if (qryModPgto.IsEmpty())
            Consiste::MensErro(Msg(*this, "ModPgto_Nc"));
        master.FieldByName("DSMODPGTO").SetAsString(description);
    } catch (...) {
        validationFailed(nullptr, pay.dbeCdModPgto); // the page stays
        throw;
    }
}

void TfrmCliente::dbeMesesInadKeyPress(char16_t& key) {
    if (!customer::defaultMonthsKeyAccepted(key))
        key = 0;
}

// ---- Adjustment month (module 16 only) and validity limits

void TfrmCliente::Vd_MesReaj() {
    if (!cdsCliente().editing() || !extra.dbcMesReaj->Text().empty())
        return;
    try {
        Consiste::MensErro(Msg(*this, "MesReaj_Inf"));
    } catch (...) {
        const bool flag = boErroValida; // this check leaves the flag as it was
        validationFailed(sheet(Tab::DadosAdic), extra.dbcMesReaj);
        boErroValida = flag;
        throw;
    }
}

void TfrmCliente::Vd_NrDias() {
    const std::optional<double> days = parseNumber(pay.dbeNrDias->Text());
    if (!days || !customer::validityDaysTooMany(*days))
        return;
    try {
        Consiste::MensErro(Msg(*this, "NRDIAS_180"));
    } catch (...) {
        validationFailed(sheet(Tab::Personalizacao), pay.dbeNrDias);
        throw;
    }
}

void TfrmCliente::Vd_DtVencimento(bool report) {
    const Field& date = cdsCliente().FieldByName("DTVALARQPERS");
    if (!report || date.IsNull() || !customer::validityDateTooLate(date.AsDateTime(), Geral::Date()))
        return;
    try {
        Consiste::MensErro(Msg(*this, "DtVenc_inv"));
    } catch (...) {
        validationFailed(sheet(Tab::Personalizacao), pay.dbdDtVencimento);
        throw;
    }
}

void TfrmCliente::dbeNrDiasExit() {
    Vd_NrDias();
}

void TfrmCliente::dbdDtVencimentoExit() {
    Vd_Data_Geral(dtsPadrao, *pay.dbdDtVencimento, sheet(Tab::Personalizacao), pgcPadrao);
}

// ---- Page-leaving steps

// Leaving "Forma de Pagamento" with a registered payment form: the checks of the confirm, in its order.
void TfrmCliente::paymentExitChecks() {
    Vd_FormaPgto(true);
    Vd_VerifPrazo();
    Vd_Prazo(true);
    Vd_Percentual(true);
    Vd_VerifSomaPerc();
}

void TfrmCliente::additionalDataExitChecks() {
    Vd_VrMulta();
    Vd_VrMora();
    dbeVrMultaExit();
    dbeVrMoraExit();
}

} // namespace vq

// TfrmCliente: the confirm command. The pending edit's exit check first, then the steps of
// customer::confirmSteps() in their order under locked window updates, then the refresh and the focus.

#include "customer/Vqm41200.h"
#include "customer/classification_queries.h"
#include "customer/confirm_steps.h"
#include "customer/form/form_support.h"
#include "customer/payment_queries.h"
#include "framework/services/consiste_messages.h"
#include "framework/services/messages.h"
#include "platform/data/error.h"
#include "platform/gui/buttons.h"
#include "platform/gui/choices.h"
#include "platform/gui/containers.h"
#include "platform/gui/db_controls.h"
#include "platform/gui/menus.h"
#include "platform/gui/page_control.h"
#include "platform/gui/text_controls.h"
#include "platform/gui/ui_locks.h"

#include <utility>

namespace vq {

using customer::ConfirmStep;
using customer::form::fieldText;
using customer::form::lookUp;
using enum customer::form::Tab;

namespace {

// The order in which addresses are checked.
constexpr customer::AddressKind kAddressOrder[] = {
    customer::AddressKind::Normal, customer::AddressKind::Billing, customer::AddressKind::Export,
    customer::AddressKind::Exterior, customer::AddressKind::Delivery};

bool blank(const std::string& s) {
    return s.find_first_not_of(' ') == std::string::npos;
}

// Whatever ends the command: the payment form shows stIndex again once it was taken, the customer's
// controls are enabled again and the remembered code is forgotten.
class ConfirmScope {
public:
    explicit ConfirmScope(TfrmCliente& form, bool& indexTaken, std::string& code)
        : form_(form), indexTaken_(indexTaken), code_(code) {}
    ~ConfirmScope() {
        if (std::exchange(indexTaken_, false))
            form_.extra.drgFormPgto->SetItemIndex(Vqm41200::unit().stIndex);
        ClientDataSet& master = form_.cdsCliente();
        while (master.ControlsDisabled())
            master.EnableControls();
        code_.clear();
    }
    ConfirmScope(const ConfirmScope&) = delete;
    ConfirmScope& operator=(const ConfirmScope&) = delete;

private:
    TfrmCliente& form_;
    bool& indexTaken_;
    std::string& code_;
};

} // namespace

void TfrmCliente::sbtConfirmarClick() {
    // 1. The pending edit's exit check runs as the focus leaves it (the CNAE check waits for the passes).
    boErroValida = false;
    gui::Control* remembered = ActiveControl();
    {
        gui::Control* cnae = findComponent<gui::Control>("dbeCdCNAEFiscal");
        gui::NotifyEvent cnaeExit = cnae ? std::exchange(cnae->OnExit, nullptr) : nullptr;
        try {
            if (remembered)
                remembered->beforeExit();
            focusManager().selectNext(*pgcPadrao, remembered, true, true);
        } catch (const Abort&) {
            boErroValida = true; // already shown by the check
        }
        if (cnae)
            cnae->OnExit = std::move(cnaeExit);
    }
    {
        gui::WindowUpdateLock lock(*this);
        if (boErroValida)
            return;
        ConfirmScope scope(*this, paymentIndexTaken_, confirmCode_);
        // Text still pending in a bound control (typed where the focus is not) goes into its field
        // now: the steps read and complete the fields, and a post would otherwise write the old text
        // over what they set.
        for (std::string_view name : data_->dataSetNames())
            if (ClientDataSet& ds = data_->dataSet(name); ds.editing())
                ds.UpdateRecord();
        runConfirmSteps();
    }
    // 27. After the locked section.
    extra.drgFormPgto->SetItemIndex(Vqm41200::unit().stIndex);
    sbtVerificarClick();
    ClientDataSet& contacts = data_->cdsInterloc();
    if (activeTab() == Interloc) {
        if (contacts.Active() && !contacts.IsEmpty()) {
            detail.pgcInterloc->SetEnabled(true);
            detail.tshDadosInterloc->SetEnabled(true);
            detail.pgcInterloc->SetActivePage(detail.tshDadosInterloc);
        }
    } else if (remembered && remembered->CanFocus()) {
        SetFocus(*remembered);
    }
}

void TfrmCliente::runConfirmSteps() {
    for (const customer::ConfirmStepInfo& info : customer::confirmSteps())
        confirmStep(info.step);
}

void TfrmCliente::confirmStep(ConfirmStep step) {
    Vqm41200::UnitState& u = Vqm41200::unit();
    ClientDataSet& master = cdsCliente();
    const bool masterEditing = customer::form::editing(dtsPadrao);
    ClientDataSet& contacts = data_->cdsInterloc();
    const auto eachEditingAddress = [this](const auto& check) {
        for (customer::AddressKind kind : kAddressOrder)
            if (data_->address(kind).editing())
                check(addressPage(kind));
    };
    switch (step) {
    case ConfirmStep::RememberCode:
        confirmCode_ = currentCode();
        break;
    case ConfirmStep::FreightCode:
        if (master.Active() && master.State() != DataSetState::Browse)
            if (auto* freight = findComponent<gui::ComboBox>("dbcTipoPgto"))
                master.FieldByName("IDPGFRETTRANCLI")
                    .SetAsString(customer::freightCode(freight->ItemIndex()));
        break;
    case ConfirmStep::MasterFirstPass:
        if (masterEditing)
            confirmMasterFirstPass();
        break;
    case ConfirmStep::Qualification:
        if (master.Active() && !master.FieldByName("CDQUALIF").AsString().empty())
            Vd_Qualifica();
        break;
    case ConfirmStep::AddressFirstPass:
        eachEditingAddress([this](customer::form::AddressPage& page) {
            addressConfirmChecks(page, false, false);
            Vd_bairro(page);
        });
        break;
    case ConfirmStep::ContactFirstPass:
        if (contacts.editing()) {
            if (contacts.State() == DataSetState::Insert)
                Vd_CodInterloc(false);
            contactAddressChecks(true, false);
            Vd_CargoInterloc(true);
        }
        break;
    case ConfirmStep::MasterLookups:
        if (masterEditing)
            confirmMasterLookups();
        break;
    case ConfirmStep::MasterSecondPass:
        if (masterEditing) {
            Vd_Inscricao(true);
            Vd_InscEmissao(true);
            const std::string kind = master.FieldByName("IDTPIJURINFO").AsString();
            if (kind == "I" || kind == "J" || kind == "O")
                Vd_RazSoc(true);
            Vd_Fantasia(true);
        }
        break;
    case ConfirmStep::AddressSecondPass:
        eachEditingAddress(
            [this](customer::form::AddressPage& page) { addressConfirmChecks(page, false, true); });
        break;
    case ConfirmStep::ContactSecondPass:
        if (contacts.editing()) {
            if (contacts.State() == DataSetState::Insert)
                Vd_CodInterloc(true);
            Vd_NmInterloc();
            contactAddressChecks(true, false);
            Vd_CargoInterloc(true);
        }
        break;
    case ConfirmStep::PaymentTerms:
        if (activeTab() == FormPgto && extra.drgFormPgto->ItemIndex() == 2) {
            Vd_FormaPgto(true);
            Vd_VerifPrazo();
            Vd_Prazo(true);
            Vd_Percentual(true);
            Vd_VerifSomaPerc();
        }
        break;
    case ConfirmStep::PaymentFormIndex:
        u.stIndex = extra.drgFormPgto->ItemIndex();
        paymentIndexTaken_ = true;
        break;
    case ConfirmStep::MasterValues:
        if (masterEditing)
            confirmMasterValues();
        break;
    case ConfirmStep::AdjustmentMonth:
        if (extra.grbMesReaj->isVisibleTo(this))
            Vd_MesReaj();
        break;
    case ConfirmStep::ObservationText: {
        ClientDataSet& observations = data_->cdsObserv();
        if (observations.editing() && blank(observations.FieldByName("DSOBSERVCLIE").AsString()))
            Consiste::MensErro(Msg(*this, "inf_obs"));
        break;
    }
    case ConfirmStep::HomePage:
        if (master.editing())
            master.FieldByName("DSHOMEPACLI").SetAsString(form.edtHomePage->Text());
        break;
    case ConfirmStep::RestorePaymentForm:
        extra.drgFormPgto->SetItemIndex(u.stIndex);
        break;
    case ConfirmStep::PostDataSets:
        confirmPosts();
        break;
    case ConfirmStep::ProspectTransfer:
        // A failed conversion ends the command here, keeping the prospect chosen for another try.
        if (inModule(customer::ModuleRule::DuplicateTaxRefused))
            ApagaProspect(true);
        forgetProspect();
        break;
    case ConfirmStep::SendTermsAndMessages:
        sendTermsAndMessages();
        break;
    case ConfirmStep::PostLists:
        confirmPostLists();
        break;
    case ConfirmStep::PaymentFormAndPartners: {
        const std::string kind = fieldText(master, "IDTPFORPGTCL");
        if (activeTab() == FormPgto && (kind.empty() || kind == "X"))
            extra.drgFormPgto->SetItemIndex(0);
        if (data_->cdsSocios().editing())
            data_->cdsSocios().Post();
        break;
    }
    case ConfirmStep::Commands:
        ControlaBotoes(true);
        if (activeTab() == BancoPref && (!data_->cdsBancoPref().Active() || data_->cdsBancoPref().IsEmpty()))
            onlyInsertEnabled();
        break;
    case ConfirmStep::Reposition:
        if (!confirmCode_.empty() && master.Active() && !master.IsEmpty()) {
            master.DisableControls();
            master.Locate("CDCLIENTE", Variant(confirmCode_), LocateOptions{.CaseInsensitive = true});
        }
        break;
    }
}

void TfrmCliente::confirmMasterFirstPass() {
    ClientDataSet& master = cdsCliente();
    const bool prospectAware = inModule(customer::ModuleRule::RequiredSinceDates);
    const bool inserting = master.State() == DataSetState::Insert;
    Vd_Inscricao(false);
    Vd_InscEmissao(false);
    Vd_DtNascFund();
    if (prospectAware) {
        Vd_ClienteDesde(true);
        Vd_SegMerc(true);
        Vd_ProspectDesde(true);
    }
    const std::string kind = master.FieldByName("IDTPIJURINFO").AsString();
    if (!kind.empty()) {
        const bool allow = changesAllowed();
        if (kind == "I" || kind == "J" || kind == "O")
            Vd_RazSoc(false);
        if (kind == "O" || kind == "I") {
            form.dbeNrInsJurClie->SetEnabled(allow);
            form.dbeNmRazaoSoc->SetEnabled(allow);
        } else if (kind == "J") {
            if (inserting) {
                form.dbeNrInsJurClie->SetEnabled(false);
                form.lblInscAux->SetEnabled(false);
            }
        } else if (inserting) {
            form.dbeNrInsJurClie->SetEnabled(false);
            form.dbeNmRazaoSoc->SetEnabled(false);
            form.dbeNmCompRzScli->SetEnabled(false);
        }
    }
    Vd_Fantasia(false);
    if (prospectAware && !master.FieldByName("SGARQESPECLIE").AsString().empty())
        Vd_Sigla(true);
    Vd_CdRamoAtividade();
    Vd_SegMercado(false);
    Vd_CentCusto();
    Vd_Empresa(true);
    Vd_InscEstadual(true);
    Vd_InscMunicipal(true);
    Vd_dbeCdSerie();
}

void TfrmCliente::confirmMasterLookups() {
    Vd_ContCtbl(false);
    Vd_Indice(false);
    Vd_TipContRec(false);
    Vd_Vendedor(false);
    Vd_TpBaixaRec(false);
    // The names beside the modality and the registering branch, when nothing shows them yet.
    ClientDataSet& master = cdsCliente();
    const auto fillName = [&master](TADOIBQuery& query, const char* sql, const char* param, const char* code,
                                    const char* name) {
        Field& shown = master.FieldByName(name);
        const std::string key = master.FieldByName(code).AsString();
        if (!blank(shown.AsString()) || blank(key))
            return;
        query.setSql(sql);
        shown.SetAsString(lookUp(query, {{param, key}}, name));
    };
    fillName(qryModPgto, customer::kSqlModPgto, "P_CDMODPGTO", "CDMODPGTO", "DSMODPGTO");
    fillName(qryFiliOrig, customer::kSqlFiliOrig, "P_CDFILIAL", "CDFILORIGCLI", "NMFILIAL");
}

void TfrmCliente::confirmMasterValues() {
    Vd_ContCtbl(true);
    Vd_VrMulta();
    Vd_VrMora();
    customer::completeFineAndInterest(cdsCliente());
    Vd_ValorMenor("VRCAPITALCLI", "1");
    Vd_ValorMenor("VRPATLIQCLI", "2");
    Vd_ValorMenor("VRLIMCREDCLI", "3");
    Vd_ProdMatAplic();
}

void TfrmCliente::confirmPosts() {
    // Each post runs its dataset's checks, then its save (the terms and messages wait for step 22).
    for (std::string_view name : customer::postOrder()) {
        ClientDataSet& ds = data_->dataSet(name);
        if (ds.editing())
            ds.Post();
    }
}

// Rows posted while the customer had no saved code (or under an earlier tax number) go under the code it
// was saved with.
void TfrmCliente::stampSavedCode(ClientDataSet& dataSet) {
    const std::string code = currentCode();
    if (code.empty() || !dataSet.Active() || dataSet.ChangeCount() == 0)
        return;
    dataSet.DisableControls();
    const Bookmark mark = dataSet.IsEmpty() ? 0 : dataSet.GetBookmark();
    for (dataSet.First(); !dataSet.Eof(); dataSet.Next()) {
        Field& owner = dataSet.FieldByName("CDCLIENTE");
        if (owner.AsString() != code) {
            dataSet.Edit();
            owner.SetAsString(code);
            dataSet.Post();
        }
    }
    if (mark != 0 && dataSet.BookmarkValid(mark))
        dataSet.GotoBookmark(mark);
    dataSet.EnableControls();
}

void TfrmCliente::sendTermsAndMessages() {
    ClientDataSet& terms = data_->cdsPrazoPgtoClie();
    const std::string code = currentCode();
    if (Vqm41200::unit().stIndex != 2 && !code.empty()) {
        // Sent only now, after the posts: a confirm stopped by a check has removed nothing.
        callChecked("SetDelPrazoPagamento", {Variant(code)});
        // The stored terms are gone; rows typed here would come back or collide with the removal.
        if (terms.Active() && (terms.ChangeCount() > 0 || !terms.IsEmpty()))
            terms.EmptyDataSet();
    }
    if (terms.Active()) {
        stampSavedCode(terms);
        Confirmar(terms, "dspPrazoPgtoClie");
    }
    ClientDataSet& messages = data_->cdsMensCliente();
    if (messages.Active() && messages.ChangeCount() > 0) {
        stampSavedCode(messages);
        Confirmar(messages, "dspMensCliente");
    }
}

void TfrmCliente::confirmPostLists() {
    ClientDataSet& contacts = data_->cdsInterloc();
    if (contacts.editing())
        contacts.Post();
    ClientDataSet& observations = data_->cdsObserv();
    if (observations.editing()) {
        if (blank(observations.FieldByName("DSOBSERVCLIE").AsString())) {
            // An observation without text is not kept.
            const bool inserted = observations.State() == DataSetState::Insert;
            observations.Cancel();
            if (!inserted && !observations.IsEmpty())
                observations.Delete();
            throw Abort();
        }
        observations.Post();
    }
    ClientDataSet& banks = data_->cdsBancoPref();
    if (banks.editing())
        banks.Post();
}

} // namespace vq

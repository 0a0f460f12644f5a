// TfrmCliente: the customer code and the issuing registration (dbeInscricao, dbeNrInsJurClie).

#include "customer/Vqm41200.h"
#include "customer/form/form_support.h"
#include "customer/form/identity_support.h"
#include "customer/identity_rules.h"
#include "customer/strip_characters.h"
#include "framework/services/messages.h"
#include "framework/validation/consiste.h"
#include "platform/data/error.h"
#include "platform/gui/containers.h"
#include "platform/gui/db_controls.h"
#include "platform/gui/page_control.h"
#include "platform/gui/text_controls.h"
#include "services/app_server.h"

namespace vq {
namespace {

using customer::RegistrationEdit;
using customer::form::assign;
using customer::form::failWith;
using customer::form::fieldText;

bool codeCarriesRegistration(std::string_view kind) {
    return kind != "O" && kind != "I";
}

// Number of customers GetValidaCliente counts for (code, number, kind).
double countCustomers(net::TNetConnection& net, ClientDataSet& target, const std::string& code,
                      const std::string& number, const std::string& kind) {
    services::readInto(net, "GetValidaCliente", VariantArray{Variant(code), Variant(number), Variant(kind)},
                       target);
    return target.IsEmpty() ? 0.0 : target.FieldByName("NRREG").AsFloat();
}

} // namespace

std::string TfrmCliente::removeCaracteres(std::string_view text) {
    return customer::removeCaracteres(text);
}

void TfrmCliente::Vd_Inscricao(bool report) {
    if (dtsPadrao.State() != DataSetState::Insert)
        return;
    ClientDataSet& m = cdsCliente();
    try {
        const std::string typed = form.dbeInscricao->Text();
        if (Consiste::EmptyString(typed)) {
            hideSameRoot();
            if (report)
                failWith(*this, "Insc_inf");
            return;
        }
        if (report && !form.dbeInscricao->Focused())
            return;
        hideSameRoot(); // the number is checked again: a refused one names no company
        const auto reg = customer::classifyRegistration(typed, RegistrationEdit::Code);
        if (!reg)
            failWith(*this, "CGC_inv");
        const std::string kind(1, reg->kind);
        assign(m, "IDTPIJURINFO", kind);
        assign(m, "NRINSJURINFO", reg->number);
        const bool onForm = pgcPadrao->ActivePage() == tshFormulario;
        if (onForm) {
            m.FieldByName("NRINSJURINFO").SetEditMask(Consiste::PictPess(kind));
            form.dbeInscricao->refresh();
        }
        ClientDataSet& valida = data_->dataSet("cdsValidaCliente");
        if (countCustomers(netClientes, valida, kind + reg->number, "", "") > 0)
            failWith(*this, "Insc_cad");
        if (codeCarriesRegistration(kind)) {
            if (countCustomers(netClientes, valida, "", reg->number, kind) > 0)
                failWith(*this, "Insc_cad");
            assign(m, "NRINSJURCLIE", reg->number);
            if (m.State() != DataSetState::Edit)
                form.dbeNrInsJurClie->SetColor(gui::colors::Disabled);
            if (onForm) {
                m.FieldByName("NRINSJURCLIE").SetEditMask(Consiste::PictPess(kind));
                form.dbeNrInsJurClie->refresh();
            }
        }
        assign(m, "IDTPIJURCLIE", kind);
        // After the registration checks, so their calls keep their order; a notice, never a refusal.
        if (reg->kind == Consiste::kindCompany)
            showSameRoot(reg->number);
    } catch (...) {
        validationFailed(tshFormulario, form.dbeInscricao->CanFocus()
                                            ? static_cast<gui::Control*>(form.dbeInscricao)
                                            : static_cast<gui::Control*>(form.dbeNrInsJurClie));
        throw;
    }
}

void TfrmCliente::Vd_InscEmissao(bool report) {
    ClientDataSet& m = cdsCliente();
    if (!m.editing())
        return;
    try {
        const std::string typed = form.dbeNrInsJurClie->Text();
        if (Consiste::EmptyString(typed)) {
            if (report)
                failWith(*this, "Insc_inf");
            return;
        }
        if (report && !form.dbeNrInsJurClie->Focused())
            return;
        const auto reg = customer::classifyRegistration(typed, RegistrationEdit::Issuing);
        if (!reg)
            failWith(*this, "CGC_inv");
        const std::string kind(1, reg->kind);
        const std::string& number = reg->number;
        assign(m, "IDTPIJURCLIE", kind);
        assign(m, "NRINSJURCLIE", number);
        const bool inserting = m.State() == DataSetState::Insert;
        const auto duplicate = [&] {
            return customer::form::found(
                qryInsJurClie, {{"P_NRINSJURCLIE", Variant(number)}, {"P_IDTPIJURCLIE", Variant(kind)}});
        };
        const Field& issuing = m.FieldByName("NRINSJURCLIE");
        const bool unchanged = issuing.OldValue() == issuing.NewValue();
        if (codeCarriesRegistration(fieldText(m, "IDTPIJURINFO"))) {
            assign(m, "NRINSJURINFO", number);
            assign(m, "IDTPIJURINFO", kind);
            const std::string code = fieldText(m, "CDCLIENTE");
            // A customer is never its own duplicate: both lookups run only for another code.
            if ((code.size() > 1 ? code.substr(1, 20) : std::string()) != number) {
                if (customer::form::found(qryVerifCliente, {{"P_CDCLIENTE", Variant(kind + number)}}))
                    failWith(*this, "Insc_cad");
                if (!(inserting && unchanged) && duplicate())
                    failWith(*this, "Insc_cad");
            }
        } else if (boSaiInscEmis && (inserting || !unchanged) && duplicate()) {
            if (inModule(customer::ModuleRule::DuplicateTaxRefused))
                failWith(*this, "INSC_CLI_CAD");
            const auto answer = ShowMsg(Msg(*this, "Insc_Ja_Cad"), gui::MessageKind::Confirmation,
                                        gui::MessageButton::Yes | gui::MessageButton::No);
            if (answer != gui::MessageButton::Yes)
                throw Abort();
        }
    } catch (...) {
        validationFailed(tshFormulario, form.dbeNrInsJurClie);
        throw;
    }
}

// ---- Events of the registration edits

void TfrmCliente::dbeInscricaoEnter() {
    ClientDataSet& m = cdsCliente();
    if (!m.editing())
        return;
    m.FieldByName("NRINSJURINFO").SetEditMask(Consiste::PictPess("I"));
    m.FieldByName("NRINSJURCLIE").SetEditMask(Consiste::PictPess("I"));
    assign(m, "NRINSJURINFO", Consiste::AllTrim(fieldText(m, "NRINSJURINFO")));
    form.dbeInscricao->refresh();
    form.dbeNrInsJurClie->refresh();
    form.dbeInscricao->selectAll();
    form.lblInscAux->SetEnabled(true);
    form.dbeNrInsJurClie->SetEnabled(true);
    form.dbeNrInsJurClie->SetColor(gui::colors::Required);
}

void TfrmCliente::dbeInscricaoChange(gui::DbEdit& sender) {
    ClientDataSet& m = cdsCliente();
    // The service code shares the handler but must never write the customer code.
    if (&sender != form.dbeInscricao || m.State() != DataSetState::Insert)
        return;
    const std::string typed = form.dbeInscricao->Text();
    assign(m, "NRINSJURINFO", typed);
    if (typed.empty())
        assign(m, "IDTPIJURINFO", "");
    assign(m, "IDTPIJURCLIE", "");
}

void TfrmCliente::dbeInscricaoExit() {
    Vd_Inscricao(false);
}

void TfrmCliente::registrationExitCheck() {
    dbeInscricaoExit();
}

void TfrmCliente::dbeInscricaoKeyPress(char16_t& key) {
    if (cdsCliente().editing())
        key = customer::registrationKey(key, RegistrationEdit::Code);
}

void TfrmCliente::dbeCdAtendiKeyPress(char16_t& key) {
    key = customer::serviceCodeKey(key);
}

void TfrmCliente::edtHomePageKeyPress(char16_t& key) {
    ClientDataSet& m = cdsCliente();
    // Leaving the edit (Tab) or dropping its text (Esc) types nothing.
    if (key != 9 && key != 27 && m.Active() && m.State() == DataSetState::Browse)
        m.Edit();
}

void TfrmCliente::dbeNrInsJurClieKeyPress(char16_t& key) {
    if (cdsCliente().Active())
        key = customer::registrationKey(key, RegistrationEdit::Issuing);
}

void TfrmCliente::dbeNrInsJurClieEnter() {
    ClientDataSet& m = cdsCliente();
    Field& issuing = m.FieldByName("NRINSJURCLIE");
    if (m.State() == DataSetState::Insert) {
        issuing.SetEditMask("");
        assign(m, "NRINSJURCLIE", Consiste::AllTrim(fieldText(m, "NRINSJURCLIE")));
        form.dbeNrInsJurClie->refresh();
        form.dbeNrInsJurClie->selectAll();
        // Only a code known to carry the registration (F, J) takes the edit away; a code not yet
        // classified (an automatic registration's launch values) leaves it to be typed.
        const std::string kind = fieldText(m, "IDTPIJURINFO");
        if (kind == "F" || kind == "J") {
            form.lblInscAux->SetEnabled(false);
            for (gui::Control* c :
                 {static_cast<gui::Control*>(form.lblNmRazaoSoc),
                  static_cast<gui::Control*>(form.dbeNmRazaoSoc), static_cast<gui::Control*>(form.lblComp),
                  static_cast<gui::Control*>(form.dbeNmCompRzScli)})
                c->SetEnabled(true);
            form.dbeNmRazaoSoc->SetColor(gui::colors::Required);
            form.dbeNmCompRzScli->SetColor(gui::colors::Normal);
            form.dbeNrInsJurClie->SetColor(gui::colors::Disabled);
            form.dbeNrInsJurClie->SetEnabled(false);
            SetFocus(*form.dbeNmRazaoSoc);
        } else {
            form.lblInscAux->SetEnabled(true);
            form.dbeNrInsJurClie->SetEnabled(true);
        }
    }
    issuing.SetEditMask(Consiste::PictPess("I"));
    form.dbeNrInsJurClie->refresh();
}

void TfrmCliente::dbeNrInsJurClieExit() {
    customer::form::FlagScope leaving(boSaiInscEmis);
    ClientDataSet& m = cdsCliente();
    if (m.editing())
        assign(m, "NRINSJURCLIE", customer::issuingRegistrationOnExit(fieldText(m, "NRINSJURCLIE")));
    Vd_InscEmissao(false);
    m.FieldByName("NRINSJURCLIE").SetEditMask(Consiste::PictPess(fieldText(m, "IDTPIJURCLIE")));
    form.dbeNrInsJurClie->refresh();
}

} // namespace vq

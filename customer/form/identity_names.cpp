// TfrmCliente: company and trade names, key dates, the prospect modules' required fields, the CNAE and the
// numeric key filter of the value edits.

#include "customer/Vqm41200.h"
#include "customer/form/form_support.h"
#include "customer/form/identity_support.h"
#include "customer/identity_rules.h"
#include "framework/services/consiste_messages.h"
#include "framework/services/geral.h"
#include "framework/services/messages.h"
#include "framework/services/pesquisa.h"
#include "framework/services/showavi.h"
#include "framework/validation/consiste.h"
#include "platform/data/error.h"
#include "platform/data/text_ptbr.h"
#include "platform/gui/containers.h"
#include "platform/gui/db_controls.h"
#include "platform/gui/page_control.h"
#include "services/app_server.h"

#include <algorithm>

namespace vq {
namespace {

using customer::form::assign;
using customer::form::failWith;
using customer::form::fieldText;

bool isRegistrationKind(std::string_view kind) {
    return kind == "F" || kind == "J" || kind == "I" || kind == "O";
}

// A date edit with no digit typed is empty (its mask shows the separators).
bool blankDate(const gui::Edit& edit) {
    const std::string text = edit.Text();
    return std::none_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

// ---- Names

void TfrmCliente::dbeNmRazaoSocEnter() {
    const std::string kind = fieldText(cdsCliente(), "IDTPIJURINFO");
    if (!isRegistrationKind(kind))
        return;
    form.dbeNmRazaoSoc->SetEnabled(kind == "F" || changesAllowed());
    form.dbeNmRazaoSoc->SetColor(gui::colors::Required);
    form.lblNmRazaoSoc->SetEnabled(true);
    form.dbeNmCompRzScli->SetEnabled(true);
    form.lblComp->SetEnabled(true);
    form.dbeNmCompRzScli->SetColor(gui::colors::Normal);
}

void TfrmCliente::nameEnter() {
    dbeNmRazaoSocEnter();
}

void TfrmCliente::dbeNmFantasiaEnter() {
    const std::string kind = fieldText(cdsCliente(), "IDTPIJURINFO");
    if (kind == "F" || kind == "J") {
        form.dbeNrInsJurClie->SetColor(gui::colors::Disabled);
        form.dbeNrInsJurClie->SetEnabled(false);
    } else if (kind == "O" || kind == "I") {
        form.lblInscAux->SetEnabled(true);
        form.dbeNrInsJurClie->SetEnabled(true);
    }
}

// An individual's company name is the trade name until one is typed (standard rule set).
void TfrmCliente::dbeNmFantasiaChange() {
    ClientDataSet& m = cdsCliente();
    if (!m.editing() || inModule(customer::ModuleRule::RequiredSinceDates))
        return;
    if (fieldText(m, "IDTPIJURINFO") == "F" && fieldText(m, "NMRAZSOCCLIE").empty())
        assign(m, "NMRAZSOCCLIE", fieldText(m, "NMFANTCLIE"));
}

void TfrmCliente::dbeNmFantasiaExit() {
    dbeNmFantasiaChange();
    Vd_Fantasia(false);
}

void TfrmCliente::nameExitChecks() {
    Vd_RazSoc(false);
    dbeNmFantasiaExit();
}

void TfrmCliente::Vd_RazSoc(bool report) {
    if (report && Consiste::EmptyString(form.dbeNmRazaoSoc->Text())) {
        try {
            failWith(*this, "Raz_emp");
        } catch (...) {
            validationFailed(tshFormulario, form.dbeNmRazaoSoc);
            throw;
        }
    }
}

void TfrmCliente::Vd_Fantasia(bool report) {
    if (report && Consiste::EmptyString(form.dbeNmFantasia->Text())) {
        try {
            failWith(*this, "Fant_inf");
        } catch (...) {
            validationFailed(tshFormulario, form.dbeNmFantasia);
            throw;
        }
    }
}

// ---- Dates

void TfrmCliente::Vd_Data_Geral(DataSource& dataSource, gui::DbDateEdit& dateEdit, gui::TabSheet* tabSheet,
                                gui::PageControl* pageControl) {
    if (!customer::form::editing(dataSource) || blankDate(dateEdit))
        return;
    try {
        const std::string text = dateEdit.Text();
        const auto date = parseDate(text);
        if (!date) {
            SetFocus(dateEdit);
            Consiste::MensErro("'" + text + "' " + Msg(*this, "DATA_INV"));
        }
        if (date->days < 1) {
            SetFocus(dateEdit);
            Consiste::MensErro(Msg(*this, "DATA_INV") + " '" + text + "'");
        }
    } catch (...) {
        if (pageControl && tabSheet && pageControl->ActivePage() != tabSheet) {
            pageControl->SetActivePage(tabSheet);
            if (pageControl == pgcPadrao)
                pgcPadraoChange();
        }
        validationFailed(nullptr, &dateEdit);
        throw;
    }
}

void TfrmCliente::depClieDesdeExit() {
    Vd_Data_Geral(dtsPadrao, *form.depClieDesde, tshFormulario, pgcPadrao);
}

void TfrmCliente::depDtNascFundExit() {
    Vd_Data_Geral(dtsPadrao, *ident.depDtNascFund, tshFormulario, pgcPadrao);
}

void TfrmCliente::depProspDesdeExit() {
    Vd_Data_Geral(dtsPadrao, *form.depProspDesde, customer::form::pageOf(*form.depProspDesde, *pgcPadrao),
                  pgcPadrao);
}

void TfrmCliente::Vd_DtNascFund() {
    const ClientDataSet& m = cdsCliente();
    const Field& birth = m.FieldByName("DTNASCCLIE");
    const Field& since = m.FieldByName("DTCADACLIE");
    try {
        if (!birth.IsNull() && !since.IsNull() && since.AsDateTime() < birth.AsDateTime())
            failWith(*this, "Dt_Menor");
        if (!birth.IsNull() && birth.AsDateTime() > Geral::Date())
            failWith(*this, "Dt_Maior");
    } catch (...) {
        validationFailed(nullptr, ident.depDtNascFund);
        throw;
    }
}

// ---- Required in the prospect modules; their failure leaves boErroValida alone.

void TfrmCliente::Vd_ClienteDesde(bool report) {
    if (report && blankDate(*form.depClieDesde))
        requiredMissing("CLIDES_INF", *form.depClieDesde);
}

void TfrmCliente::Vd_SegMerc(bool report) {
    if (report && Consiste::EmptyString(form.dbeSegMerc->Text()))
        requiredMissing("SegMer_inf", *form.dbeSegMerc);
}

void TfrmCliente::Vd_ProspectDesde(bool report) {
    if (report && blankDate(*form.depProspDesde))
        requiredMissing("PROSDES_INF", *form.depProspDesde);
}

void TfrmCliente::requiredMissing(std::string_view key, gui::Control& control) {
    try {
        failWith(*this, key);
    } catch (...) {
        const bool flag = boErroValida;
        validationFailed(customer::form::pageOf(control, *pgcPadrao), &control);
        boErroValida = flag;
        throw;
    }
}

// ---- CNAE

void TfrmCliente::Vd_CNAEFiscal(bool report) {
    if (!customer::form::editing(dtsPadrao))
        return;
    ClientDataSet& m = cdsCliente();
    try {
        // Without reporting an empty code checks nothing: CNAEFiscal("") would refuse every customer.
        if (Consiste::EmptyString(ident.dbeCdCNAEFiscal->Text())) {
            if (report)
                failWith(*this, "CNAE_FISCAL_DEVE");
            return;
        }
        ClientDataSet& cnae = data_->dataSet("cdsCNAEFiscal");
        {
            Showavi::Scope busy(this, Showavi::kSearching);
            services::readInto(netClientes, "CNAEFiscal", VariantArray{Variant(fieldText(m, "CDCNAECLIE"))},
                               cnae);
        }
        if (cnae.IsEmpty())
            failWith(*this, "CNAE_FISCAL_N_CAD");
        assign(m, "DSCNAE", fieldText(cnae, "DSCNAE"));
    } catch (...) {
        validationFailed(tshFormulario, ident.dbeCdCNAEFiscal);
        throw;
    }
}

void TfrmCliente::dbeCdCNAEFiscalChange() {
    ClientDataSet& m = cdsCliente();
    if (m.editing())
        assign(m, "DSCNAE", "");
}

void TfrmCliente::dbeCdCNAEFiscalExit() {
    Vd_CNAEFiscal(false);
}

void TfrmCliente::btnCNAEFiscalClick() {
    ClientDataSet& cnae = data_->dataSet("cdsCNAEFiscal");
    {
        Showavi::Scope busy(this, Showavi::kSearching);
        services::readInto(netClientes, "CNAEFiscal", VariantArray{Variant(std::string("T"))}, cnae);
    }
    if (Field* code = cnae.FindField("CDCNAE"))
        code->SetEditMask("9999-9/99;0; ");
    if (!Pesquisa::Pesquisar(cnae, "Não há CNAE fiscal cadastrado.|CNAE Fiscal",
                             {{"CDCNAE", "Código"}, {"DSCNAE", "Descrição"}}, "CDCNAE"))
        return;
    ClientDataSet& m = cdsCliente();
    if (m.State() == DataSetState::Browse)
        m.Edit();
    assign(m, "CDCNAECLIE", fieldText(cnae, "CDCNAE"));
    assign(m, "DSCNAE", fieldText(cnae, "DSCNAE"));
}

// ---- Numeric value edits

void TfrmCliente::Vd_Caracter(gui::Edit& edit, char16_t& key) {
    key = customer::numericValueKey(key, edit.Text(), u',', dtsPadrao.State() != DataSetState::Inactive);
}

} // namespace vq

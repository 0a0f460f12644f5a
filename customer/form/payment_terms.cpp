// TfrmCliente, payment concern: the grid of payment terms (days and percentage of the amount), its events
// and its checks.

#include "customer/Vqm41200.h"
#include "customer/form/form_support.h"
#include "customer/payment_rules.h"
#include "framework/services/consiste_messages.h"
#include "framework/services/messages.h"
#include "platform/data/text_ptbr.h"
#include "platform/gui/db_controls.h"
#include "platform/gui/db_grid.h"
#include "platform/gui/page_control.h"

#include <vector>

namespace vq {

namespace {

constexpr std::string_view kDays = "NRDIASPGTOCL";
constexpr std::string_view kPercent = "VRPERCPGTOCL";

} // namespace

// The text of a term column: the cell editor's when it is open (written to the field first, so a text
// that is not a number meets the field's conversion), else the field's.
std::string TfrmCliente::termText(std::string_view field) {
    ClientDataSet& terms = data_->cdsPrazoPgtoClie();
    if (!terms.Active() || terms.IsEmpty())
        return {};
    gui::DbGrid& grid = *pay.dbgPrazoPgClie;
    if (grid.EditorMode() && grid.SelectedField() && grid.SelectedField()->FieldName() == field)
        grid.commitEditor();
    return terms.FieldByName(field).Text();
}

// A copy of the term rows for the duplicate-days search. The row being edited is left out: compared with
// itself, a term re-posted with its own days would read as a duplicate.
void TfrmCliente::snapshotTerms(bool leaveCurrentOut) {
    ClientDataSet& terms = data_->cdsPrazoPgtoClie();
    ClientDataSet& aux = data_->dataSet("cdsAuxPrazoPgtoClie");
    aux.Close();
    if (aux.FieldCount() == 0)
        aux.CreateFields(customer::paymentTermFields());
    aux.CreateDataSet();
    if (!terms.Active())
        return;
    const int current = terms.RecNo() - 1;
    for (int row = 0; row < terms.RecordCount(); ++row) {
        if (leaveCurrentOut && row == current)
            continue;
        aux.Append();
        for (int f = 0; f < aux.FieldCount(); ++f) {
            Field& field = aux.Fields(f);
            field.SetValue(terms.valueAt(row, terms.FieldByName(field.FieldName()).Index()));
        }
        aux.Post();
    }
}

void TfrmCliente::Vd_Prazo(bool report) {
    ClientDataSet& terms = data_->cdsPrazoPgtoClie();
    const std::string text = termText(kDays);
    Field* days = terms.Active() ? &terms.FieldByName(kDays) : nullptr;
    if (terms.editing() && !text.empty())
        days->SetText(text); // a text that is not a number fails here, without the page handling
    if (!onTab(Tab::FormPgto))
        return;
    try {
        if (text.empty()) {
            if (report)
                Consiste::MensErro(Msg(*this, "Prazo_inf"));
            return;
        }
        const double value = days->AsFloat();
        if (value < 0) {
            pay.dbgPrazoPgClie->SetSelectedField(kDays);
            Consiste::MensErro(Msg(*this, "Prazo_menor"));
        }
        const bool changed = terms.State() == DataSetState::Insert ||
                             (terms.State() == DataSetState::Edit && days->OldValue() != days->NewValue());
        if (changed) {
            ClientDataSet& aux = data_->dataSet("cdsAuxPrazoPgtoClie");
            std::vector<double> others;
            if (aux.Active())
                for (int row = 0; row < aux.RecordCount(); ++row)
                    others.push_back(aux.valueAt(row, aux.FieldByName(kDays).Index()).toDouble());
            if (customer::dayTaken(others, value))
                Consiste::MensErro(Msg(*this, "Prazo_JCAD"));
        }
    } catch (...) {
        validationFailed(sheet(Tab::FormPgto), pay.dbgPrazoPgClie);
        pay.dbgPrazoPgClie->SetSelectedField(kDays);
        throw;
    }
}

void TfrmCliente::Vd_Percentual(bool report) {
    ClientDataSet& terms = data_->cdsPrazoPgtoClie();
    const std::string text = termText(kPercent);
    if (text.empty()) {
        if (!report)
            return;
    }
    std::optional<double> value;
    if (!text.empty()) {
        value = parseNumber(text);
        if (!value) // the field's own conversion message
            terms.FieldByName(kPercent).SetText(text);
    }
    try {
        if (!value)
            Consiste::MensErro(Msg(*this, "Perc_inf"));
        switch (customer::percentFault(*value)) {
        case customer::PercentFault::NotAboveZero:
            Consiste::MensErro(Msg(*this, "Perc_maior"));
            break;
        case customer::PercentFault::AboveHundred:
            Consiste::MensErro(Msg(*this, "Percent_inv"));
            break;
        case customer::PercentFault::None:
            break;
        }
        if (terms.editing())
            terms.FieldByName(kPercent).SetAsFloat(*value);
    } catch (...) {
        validationFailed(sheet(Tab::FormPgto), pay.dbgPrazoPgClie);
        pay.dbgPrazoPgClie->SetSelectedField(kPercent);
        throw;
    }
}

void TfrmCliente::Vd_VerifPrazo() {
    ClientDataSet& terms = data_->cdsPrazoPgtoClie();
    if (!onTab(Tab::FormPgto) || (terms.Active() && !terms.IsEmpty()))
        return;
    try {
        Consiste::MensErro(Msg(*this, "Prazo_vazio"));
    } catch (...) {
        validationFailed(sheet(Tab::FormPgto), pay.dbgPrazoPgClie);
        throw;
    }
}

void TfrmCliente::Vd_VerifSomaPerc() {
    ClientDataSet& terms = data_->cdsPrazoPgtoClie();
    if (!terms.Active() || terms.IsEmpty())
        return;
    std::vector<double> percentages;
    {
        customer::form::ControlsDisabled still(terms);
        for (terms.First(); !terms.Eof(); terms.Next())
            percentages.push_back(terms.FieldByName(kPercent).AsFloat());
    }
    if (customer::percentagesComplete(percentages))
        return;
    try {
        Consiste::MensErro(Msg(*this, "SomaPerc"));
    } catch (...) {
        validationFailed(sheet(Tab::FormPgto), pay.dbgPrazoPgClie);
        throw;
    }
}

// ---- Grid and dataset events

void TfrmCliente::dbgPrazoPgClieColExit() {
    if (!customer::form::editing(*data_->sourceOf("cdsPrazoPgtoClie")))
        return;
    const Field* field = pay.dbgPrazoPgClie->SelectedField();
    if (!field)
        return;
    if (field->FieldName() == kDays)
        Vd_Prazo(false);
    else if (field->FieldName() == kPercent)
        Vd_Percentual(false);
}

void TfrmCliente::dbgPrazoPgClieExit() {
    ClientDataSet& terms = data_->cdsPrazoPgtoClie();
    if (terms.editing())
        terms.Post();
    if (cdsCliente().editing())
        Vd_VerifSomaPerc();
}

void TfrmCliente::dbgPrazoPgClieKeyPress(char16_t& key) {
    const Field* field = pay.dbgPrazoPgClie->SelectedField();
    if (!customer::termKeyAccepted(key, field && field->FieldName() == kDays))
        key = 0;
}

void TfrmCliente::dbgPrazoPgClieKeyDown(int& key, Qt::KeyboardModifiers modifiers) {
    gui::DbGrid& grid = *pay.dbgPrazoPgClie;
    ClientDataSet& terms = data_->cdsPrazoPgtoClie();
    if (key != Qt::Key_Delete || modifiers != Qt::ControlModifier || grid.EditorMode())
        return;
    key = 0; // the grid's own deletion would ask first
    if (grid.Editing() && !grid.ReadOnly() && terms.CanModify() && !terms.IsEmpty())
        terms.Delete();
}

void TfrmCliente::dtsPrazoPgtoClieStateChange() {
    if (Vqm41200::unit().boScroll || !customer::form::editing(*data_->sourceOf("cdsPrazoPgtoClie")))
        return;
    ClientDataSet& master = cdsCliente();
    if (master.State() == DataSetState::Browse)
        master.Edit();
    ControlaBotoes(false);
}

void TfrmCliente::cdsPrazoPgtoClieBeforeInsert() {
    snapshotTerms(false);
    pay.dbgPrazoPgClie->SetSelectedField(kDays);
}

void TfrmCliente::cdsPrazoPgtoClieBeforeEdit() {
    snapshotTerms(true);
}

void TfrmCliente::cdsPrazoPgtoClieBeforePost() {
    Vd_Prazo(true);
    if (extra.drgFormPgto->ItemIndex() == 2)
        Vd_Percentual(true);
}

void TfrmCliente::cdsPrazoPgtoClieAfterDelete() {
    if (dtsPadrao.State() == DataSetState::Browse)
        cdsCliente().Edit();
}

} // namespace vq

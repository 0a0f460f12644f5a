// TfrmCliente, preferred banks: the reduced account and instruction checks, the priority toggle, the
// row's events and the command and page control while the bank page is active.

#include "customer/Vqm41200.h"
#include "customer/bank_rules.h"
#include "customer/form/form_support.h"
#include "framework/services/consiste_messages.h"
#include "framework/services/db_geral.h"
#include "framework/services/messages.h"
#include "framework/services/showavi.h"
#include "framework/validation/consiste.h"
#include "platform/data/data_source.h"
#include "platform/gui/buttons.h"
#include "platform/gui/db_grid.h"
#include "platform/gui/menus.h"
#include "platform/gui/ui_locks.h"
#include "services/app_server.h"

namespace vq {

using customer::form::fieldText;

void TfrmCliente::Vd_ReduCont(bool report) {
    ClientDataSet& banks = data_->cdsBancoPref();
    if (data_->sourceOf("cdsBancoPref")->State() != DataSetState::Insert)
        return;
    try {
        const std::string typed = fieldText(banks, "CDREDUCONT");
        if (Consiste::EmptyString(typed)) {
            if (report)
                Consiste::MensErro(Msg(*this, "Red_deve"));
            return;
        }
        const std::string code = Consiste::Ajusta(typed, 3);
        useDBGeral(qryContCorr);
        qryContCorr.Close();
        qryContCorr.ParamByName("P_TCDREDUCONT").clear();
        qryContCorr.ParamByName("P_CDREDUCONT") = Variant(code);
        qryContCorr.Open();
        if (qryContCorr.IsEmpty())
            Consiste::MensErro(Msg(*this, "Red_n_cad"));
        ClientDataSet& found = lookupList("cdsVerifiBanco");
        services::readInto(netClientes, "GetVerifiBanco", VariantArray{Variant(currentCode()), Variant(code)},
                           found);
        if (!found.IsEmpty())
            Consiste::MensErro(Msg(*this, "Red_ja_cad"));
        for (const char* field : {"CDREDUCONT", "CDBANCO", "NMBANCO", "CDAGENCIA", "CDCONTCORR"})
            banks.FieldByName(field).SetAsString(qryContCorr.FieldByName(field).AsString());
        banks.FieldByName("CDCLIENTE").SetAsString(currentCode());
        dbgBancoPref->SetSelectedField("CDINS1COBRCL");
        dtsBancoPrefStateChange();
        if (fieldText(banks, "IDPRIORBPREF").empty())
            banks.FieldByName("IDPRIORBPREF").SetAsString("N");
    } catch (...) {
        validationFailed(sheet(Tab::BancoPref), dbgBancoPref);
        dbgBancoPref->SetSelectedField("CDREDUCONT");
        throw;
    }
}

void TfrmCliente::Vd_InstCobr(std::string_view field) {
    ClientDataSet& banks = data_->cdsBancoPref();
    const std::string nameField = field == "CDINS1COBRCL" ? "NMINSCOBR1" : "NMINSCOBR2";
    try {
        const std::string typed = fieldText(banks, field);
        // An empty instruction is no instruction: its name goes, nothing is looked up.
        if (Consiste::EmptyString(typed)) {
            if (!banks.FieldByName(nameField).IsNull())
                banks.FieldByName(nameField).Clear();
            return;
        }
        const std::string code = Consiste::Ajusta(typed, 2);
        if (code != typed)
            banks.FieldByName(field).SetAsString(code);
        const std::string bank = fieldText(banks, "CDBANCO");
        if (Consiste::EmptyString(bank)) {
            banks.FieldByName(field).Clear();
            dbgBancoPref->SetSelectedField("CDREDUCONT");
            Consiste::MensErro(Msg(*this, "cd_deve"));
        }
        ClientDataSet& instructions = lookupList("cdsPesqInstCobr");
        services::readInto(netClientes, "GetPesqInstCobr", VariantArray{Variant(bank), Variant(code)},
                           instructions);
        if (instructions.IsEmpty())
            Consiste::MensErro(Msg(*this, "INST_N_CAD"));
        banks.FieldByName(nameField).SetAsString(instructions.FieldByName("NMINSTCOBR").AsString());
    } catch (...) {
        validationFailed(sheet(Tab::BancoPref), dbgBancoPref);
        if (dbgBancoPref->SelectedField() && dbgBancoPref->SelectedField()->FieldName() != "CDREDUCONT")
            dbgBancoPref->SetSelectedField(field);
        throw;
    }
}

// ---- Priority toggle

void TfrmCliente::dbgBancoPrefCellClick(gui::GridColumn& column) {
    if (column.FieldName != "IDPRIORBPREF" || !changesAllowed())
        return;
    ClientDataSet& banks = data_->cdsBancoPref();
    if (!banks.Active())
        return;
    Field& mark = banks.FieldByName("IDPRIORBPREF");
    if (banks.editing()) {
        mark.SetAsString(customer::toggledMark(mark.AsString()));
        return;
    }
    if (banks.IsEmpty())
        return;
    if (mark.AsString() == "N") {
        ClientDataSet& others = lookupList("cdsBancoPrio");
        services::readInto(
            netClientes, "GetBancoPrio",
            VariantArray{Variant(fieldText(banks, "CDCLIENTE")), Variant(fieldText(banks, "CDREDUCONT"))},
            others);
        if (!others.IsEmpty())
            Consiste::MensErro(Msg(*this, "prioridade"));
    }
    customer::form::ControlsDisabled still(banks);
    banks.Edit();
    mark.SetAsString(customer::toggledMark(mark.AsString()));
    banks.Post(); // sends the row (after-post)
}

// ---- Row events

void TfrmCliente::cdsBancoPrefNewRecord() {
    if (dbgBancoPref->ColumnIndex("CDREDUCONT") >= 0)
        dbgBancoPref->SetSelectedField("CDREDUCONT");
}

void TfrmCliente::cdsBancoPrefBeforePost() {
    ClientDataSet& banks = data_->cdsBancoPref();
    Vd_ReduCont(true);
    if (!Vqm41200::unit().boCellClick) {
        Vd_InstCobr("CDINS1COBRCL");
        Vd_InstCobr("CDINS2COBRCL");
    }
    const Field& mark = banks.FieldByName("IDPRIORBPREF");
    if (mark.AsString() == "S" && mark.OldValue() != mark.NewValue()) {
        ClientDataSet& others = lookupList("cdsBancoPrio");
        {
            Showavi::Scope busy(this, 1);
            services::readInto(
                netClientes, "GetBancoPrio",
                VariantArray{Variant(fieldText(banks, "CDCLIENTE")), Variant(fieldText(banks, "CDREDUCONT"))},
                others);
        }
        if (!others.IsEmpty()) {
            validationFailed(sheet(Tab::BancoPref), dbgBancoPref);
            Consiste::MensErro(Msg(*this, "prioridade"));
        }
    }
}

void TfrmCliente::cdsBancoPrefAfterPost() {
    ControlaBPref_PriOper();
    sbtVerificarClick(); // the customer is read again
}

void TfrmCliente::dtsBancoPrefStateChange() {
    ControlaBPref_PriOper();
    const int column = dbgBancoPref->ColumnIndex("CDREDUCONT");
    if (column < 0)
        return;
    const bool inserting = data_->sourceOf("cdsBancoPref")->State() == DataSetState::Insert;
    gui::GridColumn& reduced = dbgBancoPref->Column(column);
    const auto wanted =
        inserting ? gui::GridColumn::ButtonStyle::Ellipsis : gui::GridColumn::ButtonStyle::Auto;
    if (reduced.Button != wanted)
        reduced.Button = wanted; // read when a cell editor opens; no reset, the current cell stays
}

void TfrmCliente::ControlaBPref_PriOper() {
    if (destroying_ || !onTab(Tab::BancoPref))
        return;
    const ClientDataSet& banks = data_->cdsBancoPref();
    const DataSource& source = *data_->sourceOf("cdsBancoPref");
    const bool editingRow = customer::form::editing(source);
    if (banks.Active()) {
        // An edited row counts as a pending change: it must be confirmable.
        if (banks.ChangeCount() > 0 || editingRow)
            ControlaBotoes(!editingRow);
        else
            onlyInsertEnabled();
    }
    lockOtherPages(sheet(Tab::BancoPref), source.State());
    cmd.sbtCadAut->SetEnabled(mnuIncluir->Enabled());
}

} // namespace vq

// TfrmCliente, financial situation: the guarantee and order-approval display rules, the value and date
// checks on leaving their edits, the pending-debt box and the approval combos.

#include "customer/Vqm41200.h"
#include "customer/financial_rules.h"
#include "customer/form/form_support.h"
#include "framework/services/consiste_messages.h"
#include "framework/services/messages.h"
#include "platform/data/data_source.h"
#include "platform/gui/buttons.h"
#include "platform/gui/choices.h"
#include "platform/gui/colors.h"
#include "platform/gui/db_controls.h"
#include "platform/gui/edit.h"
#include "platform/gui/page_control.h"

namespace vq {

namespace {

// The value edits Vd_ValorMenor checks, by the field it names.
struct ValueEdit {
    std::string_view field, edit, kind;
};
constexpr ValueEdit kValueEdits[] = {
    {"VRCAPITALCLI", "dbeVrCapital", "1"},
    {"VRPATLIQCLI", "dbePatrLiqu", "2"},
    {"VRLIMCREDCLI", "dbeLimitCred", "3"},
};

} // namespace

void TfrmCliente::buildFinancial() {
    data_->installDisplayRule("cdsCliente", customer::guaranteeKindRule());
    data_->installDisplayRule("cdsCliente", customer::guaranteeRankRule());
    // The approval fields: a stored "1" to "3" decides, otherwise the item chosen in the combo.
    const auto approval = [this](gui::ComboBox* combo, std::span<const std::string_view, 3> keys) {
        return [this, combo, keys](Field& sender, std::string& text, bool) {
            const std::string key = customer::approvalKey(sender.AsString(), combo->ItemIndex(), keys);
            text = key.empty() ? std::string() : Msg(*this, key);
        };
    };
    cdsCliente().FieldByName("IDPFINAPRPED").OnGetText =
        approval(detail.dbcAprovPed, std::span<const std::string_view, 3>(customer::kPendencyKeys));
    cdsCliente().FieldByName("IDSFINAPRPED").OnGetText =
        approval(detail.dbcSitFin, std::span<const std::string_view, 3>(customer::kSituationKeys));
}

void TfrmCliente::wireFinancial() {
    for (const ValueEdit& v : kValueEdits)
        if (auto* edit = findComponent<gui::DbEdit>(v.edit))
            edit->OnExit = [this, v] { dbeValueExit(v.field, v.kind); };
    // The guarantee value runs the credit limit's handler.
    if (auto* guarantee = findComponent<gui::DbEdit>("dbeVrGarantia")) {
        guarantee->OnExit = [this] { dbeValueExit("VRLIMCREDCLI", "3"); };
        guarantee->OnKeyPress = [this, guarantee](char16_t& key) { Vd_Caracter(*guarantee, key); };
    }
    if (auto* stock = findComponent<gui::DbEdit>("dbeMercEstoque"))
        stock->OnKeyPress = [this, stock](char16_t& key) { Vd_Caracter(*stock, key); };
    component<gui::DbDateEdit>("depValLimCredito")->OnExit = [this] { depValLimCreditoExit(); };
    component<gui::DbDateEdit>("dbdDtValidGarantia")->OnExit = [this] { depValLimCreditoExit(); };
    component<gui::DbDateEdit>("depValValores")->OnExit = [this] { depValValoresExit(); };
    form.chbIdSitFinCli->OnClick = [this] { chbIdSitFinCliClick(); };
    detail.dbcAprovPed->OnChange = [this] { dbcAprovPedChange(); };
    for (gui::ComboBox* combo : {detail.dbcAprovPed, detail.dbcSitFin}) {
        // The lists are chosen with the mouse.
        combo->OnKeyDown = [](int& key, Qt::KeyboardModifiers) { key = 0; };
        combo->OnKeyPress = [](char16_t& key) { key = 0; };
    }
    detail.nedDias->OnKeyPress = [this](char16_t& key) { nedDiasKeyPress(key); };
}

void TfrmCliente::Vd_ValorMenor(std::string_view field, std::string_view kind) {
    for (const ValueEdit& v : kValueEdits) {
        if (v.field != field)
            continue;
        auto* edit = findComponent<gui::DbEdit>(v.edit);
        if (!edit || !customer::valueBelowZero(edit->Text()))
            return;
        pgcPadrao->SetActivePage(sheet(Tab::SitFinanc));
        pgcPadraoChange();
        if (edit->CanFocus())
            edit->SetFocus();
        Consiste::MensErro(Msg(*this, std::string(kind) + "Vr_emp"));
    }
}

void TfrmCliente::dbeValueExit(std::string_view field, std::string_view kind) {
    if (customer::form::editing(dtsPadrao))
        Vd_ValorMenor(field, kind);
}

void TfrmCliente::depValLimCreditoExit() {
    Vd_Data_Geral(dtsPadrao, *component<gui::DbDateEdit>("depValLimCredito"), sheet(Tab::SitFinanc),
                  pgcPadrao);
}

void TfrmCliente::depValValoresExit() {
    Vd_Data_Geral(dtsPadrao, *component<gui::DbDateEdit>("depValValores"), sheet(Tab::SitFinanc), pgcPadrao);
}

void TfrmCliente::chbIdSitFinCliClick() {
    ClientDataSet& master = cdsCliente();
    if (Vqm41200::unit().boSitPenChk && master.Active() && master.State() == DataSetState::Browse &&
        !master.IsEmpty())
        master.Edit();
}

void TfrmCliente::dbcAprovPedChange() {
    const bool on = customer::approvalDaysEnabled(detail.dbcAprovPed->ItemIndex(), changesAllowed());
    detail.nedDias->SetEnabled(on);
    detail.nedDias->SetColor(on ? gui::colors::Normal : gui::colors::Disabled);
}

void TfrmCliente::nedDiasKeyPress(char16_t& key) {
    if (key == u',' || key == u'-') {
        key = 0;
        return;
    }
    ClientDataSet& master = cdsCliente();
    if (master.Active() && !master.IsEmpty() && master.State() == DataSetState::Browse)
        master.Edit();
}

} // namespace vq

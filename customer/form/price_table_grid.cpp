// TfrmCliente, base price tables: the grid on "Preço Base", its lookup, the principal mark's display rule,
// the check of a table code and the posts that leave one principal table.

#include "customer/Vqm41200.h"
#include "customer/bank_queries.h"
#include "customer/bank_rules.h"
#include "customer/customer_dataset_rules.h"
#include "customer/form/form_support.h"
#include "framework/services/consiste_messages.h"
#include "framework/services/db_geral.h"
#include "framework/services/messages.h"
#include "framework/services/pesquisa.h"
#include "framework/services/showavi.h"
#include "framework/validation/consiste.h"
#include "platform/data/data_source.h"
#include "platform/gui/db_grid.h"
#include "platform/gui/db_navigator.h"
#include "platform/gui/form_builder.h"
#include "platform/gui/menus.h"
#include "platform/gui/page_control.h"
#include "services/app_server.h"

#include <vector>

namespace vq {

using customer::form::fieldText;

namespace {

// clang-format off
constexpr gui::ColumnSpec kPriceColumns[] = {
    {"dbgPrecoBase", "CDPRECOBASE", "Código", 8, {.ellipsis = true}},
    {"dbgPrecoBase", "DSPRECOBASE", "Descrição", 30, {.readOnly = true}},
    {"dbgPrecoBase", "IDPRBASEPRIN", "Principal", 8, {.pick = "Sim|Não"}},
};
// clang-format on

constexpr std::string_view kCode = "CDPRECOBASE";
constexpr std::string_view kMark = "IDPRBASEPRIN";

} // namespace

void TfrmCliente::buildPriceTables() {
    dbgPrecoBase = component<gui::DbGrid>("dbgPrecoBase");
    gui::buildColumns(*this, kPriceColumns);
    customer::form::setDialectQuery(qryPrecoBase, customer::kPrecoBase);
    if (auto* navigator = findComponent<gui::DbNavigator>("dbnPrecoBase"))
        for (gui::NavButton b : {gui::NavButton::Insert, gui::NavButton::Delete, gui::NavButton::Edit,
                                 gui::NavButton::Post, gui::NavButton::Cancel, gui::NavButton::Refresh})
            navigator->SetButtonVisible(b, false);

    Field& mark = data_->cdsPrecoBaseCli().FieldByName(kMark);
    mark.OnGetText = [this](Field& sender, std::string& text, bool) {
        text = sender.AsString().empty() ? std::string() : Msg(*this, sender.AsString());
    };
    mark.OnSetText = [this](Field& sender, const std::string& text) {
        if (const auto value = customer::principalValue(text, Msg(*this, "S")))
            sender.SetAsString(*value);
    };
}

void TfrmCliente::wirePriceTables() {
    gui::DbGrid& grid = *dbgPrecoBase;
    grid.OnEditButtonClick = [this] { dbgPrecoBaseEditButtonClick(); };
    grid.OnColExit = [this] { dbgPrecoBaseColExit(); };
    grid.OnKeyDown = [this](int& key, Qt::KeyboardModifiers mods) { dbgPrecoBaseKeyDown(key, mods); };
    data_->sourceOf("cdsPrecoBaseCli")->OnStateChange = [this](DataSource&) { dtsPrecoBaseCliStateChange(); };
    ClientDataSet& prices = data_->cdsPrecoBaseCli();
    customer::runAfter(prices.AfterInsert, [this](ClientDataSet&) { cdsPrecoBaseCliAfterInsert(); });
    customer::runAfter(prices.AfterEdit, [this](ClientDataSet&) { cdsPrecoBaseCliAfterEdit(); });
    customer::runAfter(prices.AfterCancel, [this](ClientDataSet&) { cdsPrecoBaseCliAfterCancel(); });
    customer::runBefore(prices.BeforePost, [this](ClientDataSet&) { cdsPrecoBaseCliBeforePost(); });
    // The save wired with the dataset runs once, after the other principal rows are posted: the posts
    // that clear them neither loop back here nor send on their own.
    prices.AfterPost = [this, save = prices.AfterPost](ClientDataSet& ds) {
        if (clearingPrincipal_)
            return;
        const std::string code = fieldText(ds, kCode);
        const bool principal = fieldText(ds, kMark) == "S";
        cdsPrecoBaseCliAfterPost();
        if (save)
            save(ds);
        update();
        if (principal)
            ds.Locate(std::string(kCode), Variant(code));
    };
}

void TfrmCliente::dbgPrecoBaseEditButtonClick() {
    if (!changesAllowed())
        return;
    ClientDataSet& prices = data_->cdsPrecoBaseCli();
    useDBGeral(qryPrecoBase);
    qryPrecoBase.Close();
    qryPrecoBase.ParamByName("P_CDPRECOBASE").clear();
    qryPrecoBase.Open();
    if (!Pesquisa::Pesquisar(qryPrecoBase, Msg(*this, "N_PRECO_CAD") + "|" + Msg(*this, "PrecoBase")))
        return;
    if (prices.State() == DataSetState::Browse)
        prices.Edit();
    prices.FieldByName(kCode).SetAsString(qryPrecoBase.FieldByName("CDPRECOBASE").AsString());
    prices.FieldByName("DSPRECOBASE").SetAsString(qryPrecoBase.FieldByName("DSPRECOBASE").AsString());
}

void TfrmCliente::dbgPrecoBaseColExit() {
    const Field* field = dbgPrecoBase->SelectedField();
    if (!field || field->FieldName() != kCode)
        return;
    dbgPrecoBase->commitEditor();
    Vd_PrecoBase(true);
}

void TfrmCliente::dbgPrecoBaseKeyDown(int& key, Qt::KeyboardModifiers modifiers) {
    dropDeleteKeys(key, modifiers, data_->cdsPrecoBaseCli());
}

void TfrmCliente::Vd_PrecoBase(bool report) {
    ClientDataSet& prices = data_->cdsPrecoBaseCli();
    if (!prices.editing())
        return;
    try {
        const std::string typed = fieldText(prices, kCode);
        if (Consiste::EmptyString(typed)) {
            if (report)
                Consiste::MensErro(Msg(*this, "TbPrec_Inf"));
            return;
        }
        const std::string code = Consiste::Ajusta(typed, 2);
        if (code != typed)
            prices.FieldByName(kCode).SetAsString(code);
        useDBGeral(qryPrecoBase);
        qryPrecoBase.Close();
        qryPrecoBase.ParamByName("P_CDPRECOBASE") = Variant(code);
        qryPrecoBase.Open();
        if (qryPrecoBase.IsEmpty())
            Consiste::MensErro(Msg(*this, "TbPrec_cad"));
        prices.FieldByName("DSPRECOBASE").SetAsString(qryPrecoBase.FieldByName("DSPRECOBASE").AsString());
        if (data_->sourceOf("cdsPrecoBaseCli")->State() == DataSetState::Insert) {
            Variant answer;
            {
                Showavi::Scope busy(this, 1);
                VariantArray args{Variant(currentCode()), Variant(code)};
                answer = services::RemoteCall(netClientes)("ValidaPrecoBase", args);
            }
            // A failure is an error of its own, never read as "already there".
            if (!Consiste::CheckResultServ(answer, false).toBool())
                Consiste::MensErro(Msg(*this, "PrecBase_cad"));
        }
    } catch (...) {
        validationFailed(sheet(Tab::DadosPed), dbgPrecoBase);
        dbgPrecoBase->SetSelectedField(kCode);
        throw;
    }
}

void TfrmCliente::cdsPrecoBaseCliAfterInsert() {
    dbgPrecoBase->SetSelectedField(kCode);
    data_->cdsPrecoBaseCli().FieldByName(kMark).SetAsString("N");
}

void TfrmCliente::cdsPrecoBaseCliAfterEdit() {
    if (!clearingPrincipal_)
        dbgPrecoBase->SetSelectedField(kMark);
}

void TfrmCliente::cdsPrecoBaseCliAfterCancel() {
    ClientDataSet& prices = data_->cdsPrecoBaseCli();
    if (prices.ChangeCount() > 0)
        prices.CancelUpdates();
}

void TfrmCliente::cdsPrecoBaseCliBeforePost() {
    if (clearingPrincipal_)
        return;
    data_->cdsPrecoBaseCli().FieldByName("CDCLIENTE").SetAsString(currentCode());
    Vd_PrecoBase(true);
}

void TfrmCliente::cdsPrecoBaseCliAfterPost() {
    ClientDataSet& prices = data_->cdsPrecoBaseCli();
    if (fieldText(prices, kMark) != "S")
        return;
    const std::string code = fieldText(prices, kCode);
    customer::form::ControlsDisabled still(prices);
    customer::form::FlagScope clearing(clearingPrincipal_);
    for (prices.First(); !prices.Eof(); prices.Next()) {
        if (fieldText(prices, kMark) != "S" || fieldText(prices, kCode) == code)
            continue;
        prices.Edit();
        prices.FieldByName(kMark).SetAsString("N");
        prices.Post();
    }
}

void TfrmCliente::dtsPrecoBaseCliStateChange() {
    Vqm41200::UnitState& u = Vqm41200::unit();
    if (destroying_ || u.boScroll)
        return;
    const DataSource& source = *data_->sourceOf("cdsPrecoBaseCli");
    // Closed while a customer is read again counts as browsing: disabling the page shown would move
    // pgcGeral to the next page.
    const bool browse = !customer::form::editing(source);
    ControlaBotoes(browse);
    lockOtherPages(sheet(Tab::DadosPed), source.State());
    if (cdsCliente().State() == DataSetState::Browse) {
        detail.tshGeral->SetEnabled(browse);
        mnuGeral->SetEnabled(browse);
    }
    if (u.bohabilita) {
        detail.tshFormInter->SetEnabled(true);
        detail.tshEndeInter->SetEnabled(true);
        u.bohabilita = false;
    }
}

} // namespace vq

// TfrmCliente: what a change of current customer refreshes.

#include "customer/Vqm41200.h"
#include "customer/financial_rules.h"
#include "customer/form/form_support.h"
#include "customer/reload_rule.h"
#include "framework/services/db_geral.h"
#include "framework/services/showavi.h"
#include "framework/services/vorlane.h"
#include "framework/validation/consiste.h"
#include "platform/gui/buttons.h"
#include "platform/gui/choices.h"
#include "platform/gui/colors.h"
#include "platform/gui/containers.h"
#include "platform/gui/db_controls.h"
#include "platform/gui/edit.h"
#include "platform/gui/page_control.h"
#include "services/app_server.h"

#include <string>

namespace vq {

using customer::form::chooseByValue;
using customer::form::fieldText;
using customer::form::lookUp;
using enum customer::form::Tab;

namespace {

// While the record-change handling runs: boScroll set and the CFOP combos' change handlers detached,
// both restored however the handling ends. A record change inside the refresh leaves boScroll set for the
// rest of the refresh.
class ScrollScope {
public:
    explicit ScrollScope(TfrmCliente& form)
        : u_(Vqm41200::unit()), cfop_(*form.extra.cbbEndCFOP), cfopPres_(*form.extra.cbbEndCFOPOPres),
          onCfop_(std::exchange(cfop_.OnChange, nullptr)),
          onCfopPres_(std::exchange(cfopPres_.OnChange, nullptr)), outer_(std::exchange(u_.boScroll, true)) {}
    ~ScrollScope() {
        cfop_.OnChange = std::move(onCfop_);
        cfopPres_.OnChange = std::move(onCfopPres_);
        u_.boEndeClie = false;
        u_.boScroll = outer_;
    }
    ScrollScope(const ScrollScope&) = delete;
    ScrollScope& operator=(const ScrollScope&) = delete;

private:
    Vqm41200::UnitState& u_;
    gui::ComboBox& cfop_;
    gui::ComboBox& cfopPres_;
    gui::NotifyEvent onCfop_;
    gui::NotifyEvent onCfopPres_;
    bool outer_;
};

} // namespace

// ---- Lookups shown beside their codes

void TfrmCliente::showClassification(bool reloadBranch) {
    const ClientDataSet& master = cdsCliente();
    if (!master.Active() || master.IsEmpty())
        return;
    const std::string branch = fieldText(master, "CDATIVCLI");
    if (reloadBranch && !branch.empty()) {
        ClientDataSet& ramo = data_->dataSet("cdsRamoAtiv");
        VariantArray args{Variant(branch), Variant(std::string()),
                          Variant(std::to_string(Vorlane::DBPictObj(16).levels())), Variant(std::string())};
        services::readInto(netClientes, "GetRamoAtiv", args, ramo);
        form.medCdArvRamo->SetText(fieldText(ramo, "CDARVATIVCLI"));
        form.edtdsRamoAtiv->SetText(fieldText(ramo, "DSATIVCLI"));
    }
    form.edtHomePage->SetText(fieldText(master, "DSHOMEPACLI"));
    form.edtSegMerc->SetText(lookUp(
        qrySegMercado, {{"P_CDSEGMER", fieldText(master, "CDSEGMER")}, {"P_TCDSEGMER", ""}}, "DSSEGMER"));
    ClientDataSet& origem = data_->dataSet("cdsPesqDivulg");
    services::readInto(netClientes, "GetPesqDivulg",
                       VariantArray{Variant(fieldText(master, "CDMODODIVULG")), Variant(std::string())},
                       origem);
    form.edtOrigem->SetText(fieldText(origem, "NMMODODIVULG"));
    const std::string centre = fieldText(master, "CDCENTCUSTCLI");
    form.edtCentCusto->SetText(
        centre.empty()
            ? std::string()
            : lookUp(qryCentCustoCli, {{"P_CDCENTCUST", centre}, {"P_TCDCENTCUST", ""}}, "NMCENTCUST"));
}

void TfrmCliente::showLanguage() {
    ClientDataSet& idioma = data_->dataSet("cdsPesqIdioma");
    services::readInto(netClientes, "GetIdioma",
                       VariantArray{Variant(fieldText(cdsCliente(), "IDIDIOMA")), Variant(std::string())},
                       idioma);
    detail.edtNmIdioma->SetText(fieldText(idioma, "DSIDIOMA"));
}

void TfrmCliente::showRegion() {
    const std::string name =
        lookUp(qryRegiao, {{"P_CDREGIAO", fieldText(cdsCliente(), "CDREGIAOPED")}}, "NMREGIAOPED");
    if (!detail.dbeCdRegiao->Text().empty())
        detail.medNmRegiao->SetText(name);
}

void TfrmCliente::showFinancialPendency() {
    Vqm41200::UnitState& u = Vqm41200::unit();
    // Only the box set here is no change of the record; every other click is.
    u.boSitPenChk = false;
    form.chbIdSitFinCli->SetChecked(fieldText(cdsCliente(), "IDSITFINCLIE") == "P");
    u.boSitPenChk = true;
}

void TfrmCliente::applyMasterMasks() {
    ClientDataSet& master = cdsCliente();
    const std::string kind = fieldText(master, "IDTPIJURINFO");
    const Tab tab = activeTab();
    if ((tab == FolhaDados || tab == Formulario) && !kind.empty()) {
        master.FieldByName("NRINSJURINFO").SetEditMask(Consiste::PictPess(kind));
        master.FieldByName("NRINSJURCLIE").SetEditMask(Consiste::PictPess(fieldText(master, "IDTPIJURCLIE")));
        const bool allow = changesAllowed();
        if (kind == "F") {
            form.dbeNmRazaoSoc->SetEnabled(true);
        } else if (kind == "I" || kind == "J" || kind == "O") {
            form.dbeNmRazaoSoc->SetEnabled(allow);
            form.dbeNmRazaoSoc->SetColor(gui::colors::Required);
        }
        if (kind == "F" || kind == "I" || kind == "J" || kind == "O") {
            for (gui::Control* c :
                 {static_cast<gui::Control*>(form.lblNmRazaoSoc), static_cast<gui::Control*>(form.lblComp),
                  static_cast<gui::Control*>(form.dbeNmCompRzScli)})
                c->SetEnabled(allow);
            form.dbeNmCompRzScli->SetColor(gui::colors::Normal);
        }
        form.dbeInscricao->refresh();
        form.dbeNrInsJurClie->refresh();
    }
    form.dbeNrInsJurClie->SetColor(gui::colors::Required);
}

void TfrmCliente::applyPlainControls() {
    const ClientDataSet& master = cdsCliente();
    detail.cbbLancExp->SetItemIndex(fieldText(master, "IDGERANFPEDI") == "2" ? 1 : 0);
    const std::string approval = fieldText(master, "IDPFINAPRPED");
    const bool days = customer::approvalDaysEnabled(customer::approvalItem(approval), changesAllowed());
    detail.nedDias->SetEnabled(days);
    detail.nedDias->SetColor(days ? gui::colors::Normal : gui::colors::Disabled);
    detail.nedDias->SetText(fieldText(master, "NRDIAPFINAPR"));
    // An empty value selects the fourth, blank item.
    const auto pendency = [](gui::ComboBox& combo, const std::string& value) {
        if (value.empty())
            combo.SetItemIndex(3);
        else
            chooseByValue(combo, value);
    };
    pendency(*detail.dbcAprovPed, approval);
    pendency(*detail.dbcSitFin, fieldText(master, "IDSFINAPRPED"));
    chooseByValue(*extra.cbbEndCFOP, fieldText(master, "IDENDCFOPCLI"));
    chooseByValue(*extra.cbbEndCFOPOPres, fieldText(master, "IDENDCFOPCLIPRES"));
    const std::string active = fieldText(master, "IDCLIEATIV");
    chooseByValue(*form.dbcSituAtiv, active.empty() ? std::string("S") : active);
}

// ---- The current customer changed

void TfrmCliente::cdsClienteAfterScroll() {
    ClientDataSet& master = cdsCliente();
    Vqm41200::UnitState& u = Vqm41200::unit();
    const Tab tab = activeTab();
    const auto browsing = [](const ClientDataSet& ds) { return ds.Active() && !ds.editing(); };
    {
        u.stCodEx = fieldText(master, "CDEXCLIENTE");
        u.stCodAtend = fieldText(master, "CDIDCLIENTE");
        ScrollScope scroll(*this);
        if (tab == Formulario)
            showClassification(master.State() != DataSetState::Insert);
        showFinancialPendency();
        applyMasterMasks();
        if (tab == FormPgto)
            loadIfNeeded(data_->cdsPrazoPgtoClie(), "GetPrazoPgtoClie");
        u.boEndeClie = true;
        if (tab == EndeClie)
            loadAddress(addressPage(customer::AddressKind::Normal));
        for (const auto kind : {customer::AddressKind::Exterior, customer::AddressKind::Export,
                                customer::AddressKind::Delivery})
            if (sheet(tab) == addressPage(kind).sheet && browsing(data_->address(kind)))
                loadAddress(addressPage(kind));
        if (tab == BancoPref && browsing(data_->cdsBancoPref()))
            loadIfNeeded(data_->cdsBancoPref(), "GetBancoPref");
        if (tab == DadosAdic)
            InfoPaginaDadosAdicionais();
        detail.edtNmTransportadora->SetText(fieldText(master, "NMFANTTRAN"));
        detail.edtNmTipoTransp->SetText(fieldText(master, "NMTIPTRANS"));
        form.btpVendAdic->SetEnabled(fieldText(master, "IDUTGRFXVENDADIC") == "S");
        applyPlainControls();
    }
    AjustaFormPgto();
    if (!fieldText(master, "CDQUALIF").empty())
        Vd_Qualifica();
    if (tab == SitFinanc && detail.pgcSituFinanc->ActivePage() == detail.tshSocios) {
        if (customer::mayReplaceRows(data_->cdsSocios()))
            load(data_->cdsSocios(), "GetSocios");
        ControlaSituacaoFinanceira();
    }
    showRegion();
    if (tab == Personalizacao)
        showLanguage();
    form.lblInadimplente->SetVisible(fieldText(master, "IDCLIEATIV") == "N" &&
                                     fieldText(master, "IDCLINADIMPLENTE") == "S");
    hideSameRoot(); // the notice belongs to the number typed for the record left
    HabilitaCampos();
}

} // namespace vq

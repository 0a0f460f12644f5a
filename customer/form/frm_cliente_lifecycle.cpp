// TfrmCliente: creation, activation (automatic registration, the filter of a view launch) and the close
// sequence.

#include "contract/customer_filter.h"
#include "customer/Vqm41200.h"
#include "customer/form/form_support.h"
#include "framework/services/showavi.h"
#include "framework/services/vorlane.h"
#include "framework/validation/consiste.h"
#include "platform/gui/buttons.h"
#include "platform/gui/choices.h"
#include "platform/gui/colors.h"
#include "platform/gui/containers.h"
#include "platform/gui/db_controls.h"
#include "platform/gui/menus.h"
#include "platform/gui/page_control.h"
#include "services/app_server.h"
#include "services/screen_rules.h"

#include <utility>

namespace vq {

using customer::ModuleRule;
using customer::form::fieldText;
using enum customer::form::Tab;

namespace {

// Fields the framework treats specially (tag 1).
constexpr std::pair<const char*, const char*> kTaggedFields[] = {
    {"cdsObserv", "CDOPERADOR"}, {"cdsObserv", "NMOPERADOR"},        {"cdsBancoPref", "CDREDUCONT"},
    {"cdsBancoPref", "CDBANCO"}, {"cdsBancoPref", "CDCONTCORR"},     {"cdsBancoPref", "CDAGENCIA"},
    {"cdsCorres", "CDTIPOCORR"}, {"cdsPrecoBaseCli", "CDPRECOBASE"},
};

void setFieldMask(ClientDataSet& ds, const char* field, const std::string& mask) {
    if (Field* f = ds.FindField(field))
        f->SetEditMask(mask);
}

void colourRequired(gui::Control* control, bool required) {
    if (control)
        control->SetColor(required ? gui::colors::Required : gui::colors::Normal);
}

} // namespace

void TfrmCliente::FormCreate() {
    TfrmPadrao::FormCreate();

    ClientDataSet& ramo = data_->dataSet("cdsRamoAtiv");
    const std::string branchMask = Vorlane::DBPict(16);
    setFieldMask(ramo, "CDARVATIVCLI", branchMask);
    if (!branchMask.empty())
        setFieldMask(cdsCliente(), "CDATIVCLI", branchMask);
    ramo.CreateDataSet();

    const bool prospectAware = inModule(ModuleRule::RequiredSinceDates);
    for (gui::Control* c :
         {static_cast<gui::Control*>(form.depClieDesde), static_cast<gui::Control*>(form.dbeSegMerc),
          static_cast<gui::Control*>(form.depProspDesde)})
        colourRequired(c, prospectAware);
    cmd.sbtImpProsp->SetEnabled(prospectAware);
    if (!prospectAware)
        cmd.sbtImpProsp->SetVisible(false);

    for (const auto& [dataSet, field] : kTaggedFields)
        if (Field* f = data_->dataSet(dataSet).FindField(field))
            f->SetTag(1);

    {
        Showavi::Scope opening(this, Showavi::kOpeningForm);
        services::connectToServer(netClientes);
    }
    detail.pgcInterloc->SetActivePage(detail.tshDadosInterloc);
    pgcPadrao->SetActivePage(tshFolhaDados);

    const bool prospectTab = inModule(ModuleRule::ProspectTab);
    sheet(DadoProsp)->SetTabVisible(prospectTab);
    tabs[static_cast<std::size_t>(DadoProsp)].item->SetVisible(prospectTab);
    const bool prospectImport = inModule(ModuleRule::ProspectImport);
    cmd.sbtImpProsp->SetVisible(prospectImport);
    cmd.mnuImpProsp->SetVisible(prospectImport);

    Vqm41200::UnitState& u = Vqm41200::unit();
    u.stCodEx = fieldText(cdsCliente(), "CDEXCLIENTE");
    u.stCodAtend = fieldText(cdsCliente(), "CDIDCLIENTE");
    form.lblInadimplente->SetVisible(fieldText(cdsCliente(), "IDCLINADIMPLENTE") == "S");

    const std::string ledgerMask = Vorlane::DBPict(2);
    setFieldMask(cdsCliente(), "CDCONTCTBL", ledgerMask);
    setFieldMask(data_->dataSet("cdsContCtbl"), "CDCONTCTBL", ledgerMask);
    const std::string materialMask = Vorlane::DBPict(0);
    setFieldMask(cdsCliente(), "CDARVMATAPLIC", materialMask);
    setFieldMask(data_->dataSet("cdsProdMatAplic"), "CDARVMATAPLIC", materialMask);

    ClientDataSet& fiscal = data_->dataSet("cdsParamFiscal");
    services::readInto(netClientes, "GetParamFiscal", VariantArray{}, fiscal);
    const bool addressRequired = fieldText(fiscal, "IDUTENDMODFISC") == "S";
    for (const char* name : {"dbeEndeClie", "dbeCompEndCli", "dbeCdBairClie", "dbeCEPClie"})
        colourRequired(findComponent<gui::DbEdit>(name), addressRequired);

    getRetECF();
}

void TfrmCliente::FormActivate() {
    TfrmPadrao::FormActivate();
    update();
    if (services::smallScreen())
        services::setMaximized(*this, true);
    Vqm41200::UnitState& u = Vqm41200::unit();
    // Each flag is taken before its work runs: the filter's closing re-activates this form, and a
    // failed registration must not start again at every activation.
    if (std::exchange(u.boCadAut, false))
        startAutomaticRegistration();

    if (!netClientes.Connected()) {
        services::connectToServer(netClientes);
        load(data_->cdsEndeClieNorm(), "GetEndeClieNorm");
        load(data_->cdsInterloc(), "GetInterloc");
        ClientDataSet& master = cdsCliente();
        const std::string kind = fieldText(master, "IDTPIJURINFO");
        if (!kind.empty())
            u.stCliente = kind;
        const std::string ledgerMask = Vorlane::DBPict(2);
        setFieldMask(master, "CDCONTCTBL", ledgerMask);
        setFieldMask(data_->dataSet("cdsContCtbl"), "CDCONTCTBL", ledgerMask);
        setFieldMask(master, "NRINSJURINFO", Consiste::PictPess(kind.empty() ? u.stCliente : kind));
    }

    const bool personalisation = inModule(ModuleRule::Personalisation);
    sheet(Personalizacao)->SetTabVisible(personalisation);
    tabs[static_cast<std::size_t>(Personalizacao)].item->SetVisible(personalisation);
    extra.grbMesReaj->SetVisible(inModule(ModuleRule::AdjustmentMonth));
    const bool abbreviation = inModule(ModuleRule::FileAbbreviation);
    form.lblSigla->SetVisible(abbreviation);
    form.dbeSigla->SetVisible(abbreviation);
    const bool permit = inModule(ModuleRule::Permit);
    cmd.sbtAlvara->SetVisible(permit);
    cmd.mnuAlvara->SetVisible(permit);

    if (std::exchange(u.boCriaFiltro, false)) {
        customer::satellites().CriaFilCliente(u.stFiltroCdCliente);
        HabilitaAlteracao();
    }
    HabilitaCampos();
}

void TfrmCliente::startAutomaticRegistration() {
    const Vqm41200::UnitState& u = Vqm41200::unit();
    services::readInto(netClientes, contract::kGetCliente, contract::toArgs(contract::CustomerFilter{}),
                       cdsCliente());
    sbtIncluirClick();
    ClientDataSet& master = cdsCliente();
    master.FieldByName("NRINSJURINFO").SetAsString(u.stNrInsJur);
    master.FieldByName("NRINSJURCLIE").SetAsString(u.stNrInsJurClie);
    ClientDataSet& address = data_->cdsEndeClieNorm();
    if (!address.editing())
        address.Append();
    address.FieldByName("CDPAIS").SetAsString(u.stCdPais);
    address.FieldByName("SGESTADO").SetAsString(u.stSgEstado);
    address.FieldByName("CDMUNICIPIO").SetAsString(u.stCdMinicipio);
    if (form.dbeNrInsJurClie->CanFocus())
        form.dbeNrInsJurClie->SetFocus();
}

void TfrmCliente::FormClose(gui::CloseAction& action) {
    Vorlane::AtualizaLocalCache(Variant(VariantArray{Variant("CLIENTE"), Variant("ENDECLIE")}));
    netClientes.Close();
    Vqm41200::UnitState& u = Vqm41200::unit();
    u.boIdCriado = false;
    u.boStCriado = false;
    TfrmPadrao::FormClose(action);
    action = gui::CloseAction::Free;
}

} // namespace vq

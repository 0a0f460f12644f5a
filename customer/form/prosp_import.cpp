// TfrmCliente: a prospect offered when a customer is created and the import button, which copy the chosen
// prospect's identity (and, on creation, its main address) into the customer being edited.

#include "customer/Vqm41200.h"
#include "customer/customer_dataset_rules.h"
#include "customer/form/form_support.h"
#include "framework/services/messages.h"
#include "framework/services/pesquisa.h"
#include "platform/data/log.h"
#include "platform/gui/buttons.h"
#include "platform/gui/menus.h"
#include "platform/gui/seams.h"
#include "services/app_server.h"

namespace vq {

using customer::form::fieldText;

namespace {

// "Não há prospect cadastrado.|Prospect": the search dialog's empty text and title.
std::string searchCaption(const TfrmCliente& form) {
    return Msg(form, "Prosp_ne") + "|" + Msg(form, "Prosp");
}

} // namespace

void TfrmCliente::wireProspect() {
    for (std::string_view name : customer::prospectDataSetNames())
        data_->dataSet(name).CreateFields(customer::prospectDataSetFields(name));
    cmd.sbtImpProsp->OnClick = [this] { sbtImpProspClick(); };
    cmd.mnuImpProsp->OnClick = [this] { sbtImpProspClick(); };
    // A cancelled insert forgets its prospect; what it posted for the conversion is dropped with it.
    customer::runAfter(cdsCliente().AfterCancel, [this](ClientDataSet&) {
        if (!prospect_.chosen())
            return;
        cdsCliente().CancelUpdates();
        for (int k = 0; k < customer::kAddressKindCount; ++k)
            if (ClientDataSet& a = data_->address(static_cast<customer::AddressKind>(k)); a.Active())
                a.CancelUpdates();
        forgetProspect();
    });
}

void TfrmCliente::offerProspect() {
    ClientDataSet& prospects = data_->dataSet("cdsProspect");
    services::readInto(netClientes, "GetProspect", VariantArray{}, prospects);
    if (prospects.IsEmpty() || !gui::confirm(Msg(*this, "Imp_prosp")))
        return;
    if (!Pesquisa::Pesquisar(LookupSource(*data_->dataSource("dtsProspect")), searchCaption(*this)))
        return;
    // The prospect chosen now is the one converted, whatever the list shows at confirm.
    prospect_ = {fieldText(prospects, "CDPROSPECT"), true};
    Vqm41200::UnitState& u = Vqm41200::unit();
    u.boImpProsp = true;
    u.boImpInterloc = true;
    ClientDataSet& master = cdsCliente();
    if (!master.Active())
        master.CreateDataSet();
    if (master.State() != DataSetState::Insert)
        master.Append();
    ImportaProspect();
    cmd.sbtImpProsp->SetEnabled(false);
    cmd.mnuImpProsp->SetEnabled(false);
    services::readInto(netClientes, "GetEndeProsp", VariantArray{Variant(prospect_.code)},
                       data_->dataSet("cdsEndeProsp"));
    copyProspectAddress();
    log::info("Cliente: prospect " + prospect_.code + " escolhido para o novo cliente");
}

void TfrmCliente::sbtImpProspClick() {
    ClientDataSet& prospects = data_->dataSet("cdsProspect");
    services::readInto(netClientes, "GetProspect", VariantArray{}, prospects);
    if (!gui::confirm(Msg(*this, "imp_PropClie")))
        return;
    if (!Pesquisa::Pesquisar(LookupSource(*data_->dataSource("dtsProspect")), searchCaption(*this)))
        return;
    Vqm41200::UnitState& u = Vqm41200::unit();
    u.boImporta = true;
    try {
        ClientDataSet& master = cdsCliente();
        if (!master.editing())
            master.Edit();
        ImportaProspect();
    } catch (...) {
        u.boImporta = false;
        throw;
    }
    u.boImporta = false;
    cmd.sbtImpProsp->SetEnabled(true);
}

void TfrmCliente::ImportaProspect() {
    ClientDataSet& master = cdsCliente();
    if (master.editing())
        customer::copyProspectIdentity(data_->dataSet("cdsProspect"), master);
}

void TfrmCliente::copyProspectAddress() {
    ClientDataSet& prospectAddresses = data_->dataSet("cdsEndeProsp");
    if (!customer::locateProspectAddress(prospectAddresses, "P"))
        return;
    ClientDataSet& normal = data_->cdsEndeClieNorm();
    if (!normal.Active())
        normal.CreateDataSet();
    if (!normal.editing())
        normal.Append();
    customer::copyProspectAddress(prospectAddresses, normal);
}

void TfrmCliente::forgetProspect() {
    Vqm41200::UnitState& u = Vqm41200::unit();
    u.boImpProsp = false;
    u.boImpInterloc = false;
    prospect_ = {};
}

} // namespace vq

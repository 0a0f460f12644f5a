// TfrmCliente: the save primitive, the saves that follow each post and delete, and closing with changes
// that were never sent.

#include "customer/Vqm41200.h"
#include "customer/customer_dataset_rules.h"
#include "customer/form/form_support.h"
#include "framework/forms/form_texts.h"
#include "framework/services/consiste_messages.h"
#include "framework/services/vorlane.h"
#include "platform/data/error.h"
#include "platform/data/log.h"
#include "platform/gui/seams.h"
#include "services/app_server.h"

namespace vq {

using customer::SaveTiming;

namespace {

bool isAddress(const customer::CustomerDataSets& sets, const ClientDataSet& ds) {
    for (int k = 0; k < customer::kAddressKindCount; ++k)
        if (&sets.address(static_cast<customer::AddressKind>(k)) == &ds)
            return true;
    return false;
}

} // namespace

Variant TfrmCliente::callChecked(std::string_view method, VariantArray args) {
    return Consiste::CheckResultServ(services::RemoteCall(netClientes)(method, args), true,
                                     Consiste::ResultKind::Payload);
}

void TfrmCliente::Confirmar(ClientDataSet& dataSet, std::string_view provider) {
    try {
        if (services::applyUpdates(netClientes, dataSet, provider, this))
            update();
    } catch (...) {
        // The indicator is already hidden; the form shows the server's rows again, and the failure (shown
        // once by the result check) goes on to end the command.
        log::warn("Confirmar " + std::string(provider) + " de " + dataSet.Name() +
                  " falhou; atualizando o cadastro de clientes");
        try {
            sbtVerificarClick();
        } catch (const std::exception& e) {
            log::warn(std::string("Atualização após falha de gravação também falhou: ") + e.what());
        }
        throw;
    }
}

void TfrmCliente::saveAfterChange(ClientDataSet& dataSet) {
    Confirmar(dataSet, data_->descriptor(dataSet.Name()).provider);
}

void TfrmCliente::wireSaves() {
    ClientDataSet& master = cdsCliente();
    customer::runBefore(master.BeforePost, [this](ClientDataSet&) { cdsClienteBeforePost(); });
    customer::runAfter(master.AfterPost, [this](ClientDataSet&) { cdsClienteAfterPost(); });
    customer::runAfter(master.BeforeDelete, [this](ClientDataSet&) { cdsClienteBeforeDelete(); });
    customer::runAfter(master.AfterDelete, [this](ClientDataSet&) { cdsClienteAfterDelete(); });
    customer::runAfter(master.OnNewRecord, [this](ClientDataSet&) { cdsClienteNewRecord(); });
    customer::runAfter(master.AfterInsert, [this](ClientDataSet&) { cdsClienteAfterInsert(); });
    customer::runAfter(master.BeforeEdit, [this](ClientDataSet&) { cdsClienteBeforeEdit(); });
    customer::runAfter(master.AfterCancel, [this](ClientDataSet&) { cdsClienteAfterCancel(); });

    ClientDataSet& contacts = data_->cdsInterloc();
    const auto saveContacts = [this](ClientDataSet& ds) {
        saveAfterChange(ds);
        Vorlane::AtualizaLocalCache({"INTECLIE"});
    };
    customer::runAfter(contacts.AfterPost, saveContacts);
    customer::runAfter(contacts.AfterDelete, saveContacts);

    for (std::string_view name : data_->dataSetNames()) {
        ClientDataSet& ds = data_->dataSet(name);
        if (&ds == &master || &ds == &contacts ||
            data_->descriptor(name).save != SaveTiming::AfterPostAndDelete)
            continue;
        const auto save = [this](ClientDataSet& d) { saveAfterChange(d); };
        if (isAddress(*data_, ds)) {
            // A converted prospect's addresses are saved by the conversion.
            customer::runAfter(ds.AfterPost, [this, save](ClientDataSet& d) {
                if (!(Vqm41200::unit().boImpProsp && inModule(customer::ModuleRule::DuplicateTaxRefused)))
                    save(d);
            });
        } else {
            customer::runAfter(ds.AfterPost, save);
        }
        customer::runAfter(ds.AfterDelete, save);
    }
}

void TfrmCliente::cdsClienteAfterPost() {
    Vqm41200::UnitState& u = Vqm41200::unit();
    // A converted prospect's record is saved by the conversion.
    if (!(u.boImpProsp && inModule(customer::ModuleRule::DuplicateTaxRefused)))
        Confirmar(cdsCliente(), "dspCliente");
    u.stCodEx = customer::form::fieldText(cdsCliente(), "CDEXCLIENTE");
    u.stCodAtend = customer::form::fieldText(cdsCliente(), "CDIDCLIENTE");
}

bool TfrmCliente::hasPendingChanges() const {
    for (std::string_view name : data_->dataSetNames()) {
        if (data_->descriptor(name).save == SaveTiming::None)
            continue;
        const ClientDataSet& ds = data_->dataSet(name);
        if (ds.editing() || (ds.Active() && ds.ChangeCount() > 0))
            return true;
    }
    return false;
}

void TfrmCliente::FormCloseQuery(bool& canClose) {
    if (!data_ || !hasPendingChanges())
        return;
    // Terms and invoice messages wait for the confirm: closing would drop them without a word.
    if (!gui::confirm(forms::formText(*this, "Canc"))) {
        canClose = false;
        return;
    }
    for (std::string_view name : data_->dataSetNames()) {
        if (data_->descriptor(name).save == SaveTiming::None)
            continue;
        ClientDataSet& ds = data_->dataSet(name);
        if (ds.editing())
            ds.Cancel();
        if (ds.Active() && ds.ChangeCount() > 0)
            ds.CancelUpdates();
    }
}

} // namespace vq

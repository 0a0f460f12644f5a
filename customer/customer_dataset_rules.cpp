#include "customer/customer_dataset_rules.h"

#include "customer/customer_datasets.h"
#include "platform/data/error.h"

#include <string>
#include <utility>

namespace vq::customer {

void runBefore(ClientDataSet::NotifyEvent& event, ClientDataSet::NotifyEvent handler) {
    if (!event) {
        event = std::move(handler);
        return;
    }
    event = [first = std::move(handler), then = std::move(event)](ClientDataSet& ds) {
        first(ds);
        then(ds);
    };
}

void runAfter(ClientDataSet::NotifyEvent& event, ClientDataSet::NotifyEvent handler) {
    if (!event) {
        event = std::move(handler);
        return;
    }
    event = [first = std::move(event), then = std::move(handler)](ClientDataSet& ds) {
        first(ds);
        then(ds);
    };
}

std::string requiredCustomerCode(const CustomerDataSets& sets) {
    std::string code = sets.customerCode();
    if (code.empty())
        throw Error("Cliente sem código: informe o tipo e o número da inscrição do cliente antes de gravar "
                    "este registro.");
    return code;
}

namespace {

void stampCustomer(const CustomerDataSets& sets, ClientDataSet& ds) {
    ds.FieldByName("CDCLIENTE").SetValue(Variant(requiredCustomerCode(sets)));
}

void installAddressRules(CustomerDataSets& sets) {
    ClientDataSet& normal = sets.address(AddressKind::Normal);
    runAfter(normal.OnNewRecord, [](ClientDataSet& ds) {
        ds.FieldByName("IDTPENDECLIE").SetValue(Variant(addressKindCode(AddressKind::Normal)));
    });
    runAfter(normal.BeforePost, [&sets](ClientDataSet& ds) { stampCustomer(sets, ds); });

    for (AddressKind kind :
         {AddressKind::Billing, AddressKind::Exterior, AddressKind::Export, AddressKind::Delivery}) {
        // Whatever the row held: a row of this dataset is an address of this kind of this customer.
        runAfter(sets.address(kind).BeforePost, [&sets, kind](ClientDataSet& ds) {
            ds.FieldByName("IDTPENDECLIE").SetValue(Variant(addressKindCode(kind)));
            stampCustomer(sets, ds);
        });
    }
}

void installContactRules(CustomerDataSets& sets) {
    ClientDataSet& contacts = sets.cdsInterloc();
    runAfter(contacts.OnNewRecord,
             [](ClientDataSet& ds) { ds.FieldByName("IDENDEINCLIE").SetValue(Variant("R")); });
    runAfter(contacts.BeforePost, [&sets](ClientDataSet& ds) { stampCustomer(sets, ds); });

    // Correspondence belongs to the current contact; a contact still being inserted has no customer code
    // of its own yet, so the customer's is used then.
    runAfter(sets.cdsCorres().BeforePost, [&sets, &contacts](ClientDataSet& ds) {
        const std::string contact = contacts.Active() ? contacts.FieldByName("CDINTECLIE").AsString() : "";
        if (contact.empty())
            throw Error("Interlocutor sem código: informe o interlocutor antes de gravar a correspondência.");
        std::string customer = contacts.FieldByName("CDCLIENTE").AsString();
        if (customer.empty())
            customer = requiredCustomerCode(sets);
        ds.FieldByName("CDCLIENTE").SetValue(Variant(customer));
        ds.FieldByName("CDINTECLIE").SetValue(Variant(contact));
    });
}

void installObservationRules(CustomerDataSets& sets) {
    ClientDataSet& observations = sets.cdsObserv();
    runAfter(observations.OnNewRecord, [&sets](ClientDataSet& ds) {
        const CustomerServices& services = sets.services();
        if (services.now)
            ds.FieldByName("DTHROBSCLIE").SetValue(Variant(services.now()));
        if (services.currentOperator) {
            const OperatorInfo op = services.currentOperator();
            ds.FieldByName("CDOPERADOR").SetValue(Variant(op.code));
            ds.FieldByName("NMOPERADOR").SetValue(Variant(op.name));
        }
    });
    runAfter(observations.BeforePost, [&sets](ClientDataSet& ds) { stampCustomer(sets, ds); });
}

void installPaymentTermRules(CustomerDataSets& sets) {
    ClientDataSet& terms = sets.cdsPrazoPgtoClie();
    runAfter(terms.OnNewRecord, [&sets](ClientDataSet& ds) {
        const std::string code = sets.customerCode();
        if (!code.empty())
            ds.FieldByName("CDCLIENTE").SetValue(Variant(code));
    });
    // Terms entered before a new customer had its code would otherwise be saved without one.
    runAfter(terms.BeforePost, [&sets](ClientDataSet& ds) { stampCustomer(sets, ds); });
}

void installPriceTableRules(CustomerDataSets& sets) {
    ClientDataSet& prices = sets.cdsPrecoBaseCli();
    runAfter(prices.OnNewRecord,
             [](ClientDataSet& ds) { ds.FieldByName("IDPRBASEPRIN").SetValue(Variant("N")); });
    runAfter(prices.BeforePost, [&sets](ClientDataSet& ds) { stampCustomer(sets, ds); });
}

void installInvoiceMessageRules(CustomerDataSets& sets) {
    // customerCode() already falls back to kind + informing number while the customer is new.
    runAfter(sets.cdsMensCliente().BeforePost, [&sets](ClientDataSet& ds) { stampCustomer(sets, ds); });
}

} // namespace

void installDataSetRules(CustomerDataSets& sets) {
    installAddressRules(sets);
    installContactRules(sets);
    installObservationRules(sets);
    installPaymentTermRules(sets);
    installPriceTableRules(sets);
    installInvoiceMessageRules(sets);
}

} // namespace vq::customer

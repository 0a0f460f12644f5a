// Row rules: every detail row is stored under its kind and its customer, and new rows get their defaults.

#include "customer/customer_dataset_rules.h"
#include "customer_test_util.h"
#include "platform/data/error.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vq::customer {
namespace {

using testing::fakeServices;

class DataSetRules : public ::testing::Test {
protected:
    CustomerDataSets sets{fakeServices()};

    // A detail dataset opened with one row of another customer and another kind.
    static void openWithStrangeRow(ClientDataSet& ds) {
        DataPacket p(ds.fieldDescs());
        Row row(p.fields().size());
        row[static_cast<std::size_t>(p.fieldIndex("CDCLIENTE"))] = "J99999999000199";
        if (const int kind = p.fieldIndex("IDTPENDECLIE"); kind >= 0)
            row[static_cast<std::size_t>(kind)] = "P";
        p.addRow(row);
        ds.loadPacket(p);
    }
};

TEST_F(DataSetRules, BillingRowIsStoredAsBillingOfTheCurrentCustomer) {
    testing::openCustomer(sets.cdsCliente(), "000123");
    ClientDataSet& billing = sets.cdsEndeClieCobr();
    openWithStrangeRow(billing);
    billing.Edit();
    billing.FieldByName("DSENDECLIE").SetAsString("Rua das Flores, 10");
    billing.Post();
    EXPECT_EQ(billing.FieldByName("IDTPENDECLIE").AsString(), "C");
    EXPECT_EQ(billing.FieldByName("CDCLIENTE").AsString(), "000123");

    billing.Append();
    billing.Post();
    EXPECT_EQ(billing.FieldByName("IDTPENDECLIE").AsString(), "C");
    EXPECT_EQ(billing.FieldByName("CDCLIENTE").AsString(), "000123");
}

TEST_F(DataSetRules, EachSecondaryAddressStoresItsKind) {
    testing::openCustomer(sets.cdsCliente(), "F12345678909");
    const std::pair<AddressKind, const char*> kinds[] = {
        {AddressKind::Exterior, "E"}, {AddressKind::Export, "X"}, {AddressKind::Delivery, "T"}};
    for (const auto& [kind, code] : kinds) {
        ClientDataSet& ds = sets.address(kind);
        ds.CreateDataSet();
        ds.Append();
        EXPECT_TRUE(ds.FieldByName("IDTPENDECLIE").IsNull()) << "set when posted, not before";
        ds.Post();
        EXPECT_EQ(ds.FieldByName("IDTPENDECLIE").AsString(), code);
        EXPECT_EQ(ds.FieldByName("CDCLIENTE").AsString(), "F12345678909");
    }
}

TEST_F(DataSetRules, NormalAddressGetsItsKindWhenInserted) {
    testing::openCustomer(sets.cdsCliente(), "J1");
    ClientDataSet& normal = sets.cdsEndeClieNorm();
    normal.CreateDataSet();
    normal.Insert();
    EXPECT_EQ(normal.FieldByName("IDTPENDECLIE").AsString(), "P");
    EXPECT_FALSE(normal.Modified()); // a default, not an edit
    normal.Post();
    EXPECT_EQ(normal.FieldByName("CDCLIENTE").AsString(), "J1");
}

TEST_F(DataSetRules, InvoiceMessageOfANewCustomerCarriesKindAndInformingNumber) {
    ClientDataSet& cds = sets.cdsCliente();
    cds.CreateDataSet();
    cds.Insert();
    cds.FieldByName("IDTPIJURINFO").SetAsString("J");
    cds.FieldByName("NRINSJURINFO").SetAsString("11222333000181");

    ClientDataSet& messages = sets.cdsMensCliente();
    messages.CreateDataSet();
    messages.Append();
    messages.FieldByName("DSMENSCLIENTE").SetAsString("Entregar pela manhã");
    messages.Post();
    EXPECT_EQ(messages.FieldByName("CDCLIENTE").AsString(), "J11222333000181");

    // Once the customer has its code, rows take it.
    cds.FieldByName("CDCLIENTE").SetAsString("J11222333000181");
    cds.Post();
    cds.Edit();
    cds.FieldByName("CDCLIENTE").SetAsString("J00000000000191");
    cds.Post();
    messages.Edit();
    messages.Post();
    EXPECT_EQ(messages.FieldByName("CDCLIENTE").AsString(), "J00000000000191");
}

TEST_F(DataSetRules, DetailRowWithoutAnyCustomerCodeIsRefused) {
    ClientDataSet& cds = sets.cdsCliente();
    cds.CreateDataSet();
    cds.Insert(); // new customer, registration not typed yet
    ClientDataSet& prices = sets.cdsPrecoBaseCli();
    prices.CreateDataSet();
    prices.Append();
    prices.FieldByName("CDPRECOBASE").SetAsString("01");
    EXPECT_THROW(prices.Post(), Error);
    EXPECT_EQ(prices.State(), DataSetState::Insert); // the row stays for the user to finish
    EXPECT_EQ(prices.ChangeCount(), 0);
}

TEST_F(DataSetRules, NewRowDefaults) {
    testing::openCustomer(sets.cdsCliente(), "J1");

    ClientDataSet& contacts = sets.cdsInterloc();
    contacts.CreateDataSet();
    contacts.Append();
    EXPECT_EQ(contacts.FieldByName("IDENDEINCLIE").AsString(), "R");
    contacts.FieldByName("CDINTECLIE").SetAsString("01");
    contacts.Post();
    EXPECT_EQ(contacts.FieldByName("CDCLIENTE").AsString(), "J1");

    ClientDataSet& notes = sets.cdsObserv();
    notes.CreateDataSet();
    notes.Append();
    EXPECT_EQ(notes.FieldByName("DTHROBSCLIE").AsDateTime(), testing::kNow);
    EXPECT_EQ(notes.FieldByName("CDOPERADOR").AsString(), "OPER01");
    EXPECT_EQ(notes.FieldByName("NMOPERADOR").AsString(), "Maria Silva");
    notes.Post();
    EXPECT_EQ(notes.FieldByName("CDCLIENTE").AsString(), "J1");

    ClientDataSet& prices = sets.cdsPrecoBaseCli();
    prices.CreateDataSet();
    prices.Append();
    EXPECT_EQ(prices.FieldByName("IDPRBASEPRIN").AsString(), "N");
    prices.Post();
    EXPECT_EQ(prices.FieldByName("CDCLIENTE").AsString(), "J1");

    ClientDataSet& terms = sets.cdsPrazoPgtoClie();
    terms.CreateDataSet();
    terms.Append();
    EXPECT_EQ(terms.FieldByName("CDCLIENTE").AsString(), "J1");
}

TEST_F(DataSetRules, PaymentTermsOfANewCustomerGetTheCodeItWillHave) {
    ClientDataSet& cds = sets.cdsCliente();
    cds.CreateDataSet();
    cds.Insert();
    ClientDataSet& terms = sets.cdsPrazoPgtoClie();
    terms.CreateDataSet();
    terms.Append(); // before the registration is typed
    cds.FieldByName("IDTPIJURINFO").SetAsString("F");
    cds.FieldByName("NRINSJURINFO").SetAsString("12345678909");
    terms.FieldByName("NRDIASPGTOCL").SetAsFloat(30);
    terms.Post();
    EXPECT_EQ(terms.FieldByName("CDCLIENTE").AsString(), "F12345678909");
}

TEST_F(DataSetRules, CorrespondenceBelongsToTheCurrentContact) {
    testing::openCustomer(sets.cdsCliente(), "J1");
    ClientDataSet& contacts = sets.cdsInterloc();
    contacts.CreateDataSet();
    contacts.Append();
    contacts.FieldByName("CDINTECLIE").SetAsString("07");
    contacts.Post();

    ClientDataSet& corres = sets.cdsCorres();
    corres.CreateDataSet();
    corres.Append();
    corres.FieldByName("CDTIPOCORR").SetAsString("001");
    corres.Post();
    EXPECT_EQ(corres.FieldByName("CDCLIENTE").AsString(), "J1");
    EXPECT_EQ(corres.FieldByName("CDINTECLIE").AsString(), "07");

    contacts.Append(); // a contact without a code yet
    corres.Append();
    EXPECT_THROW(corres.Post(), Error);
}

TEST_F(DataSetRules, ChecksAddedByConcernUnitsRunBeforeTheKeyCopy) {
    testing::openCustomer(sets.cdsCliente(), "J1");
    ClientDataSet& contacts = sets.cdsInterloc();
    std::vector<std::string> order;
    runBefore(contacts.BeforePost,
              [&](ClientDataSet& ds) { order.push_back("check:" + ds.FieldByName("CDCLIENTE").AsString()); });
    runAfter(contacts.BeforePost,
             [&](ClientDataSet& ds) { order.push_back("after:" + ds.FieldByName("CDCLIENTE").AsString()); });
    contacts.CreateDataSet();
    contacts.Append();
    contacts.Post();
    EXPECT_EQ(order, (std::vector<std::string>{"check:", "after:J1"}));
}

} // namespace
} // namespace vq::customer

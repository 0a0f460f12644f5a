// The prospect conversion's copies into the customer's rows and the shape of its one call.

#include "customer/prosp_conversion.h"
#include "tests/customer/customer_test_util.h"

#include <gtest/gtest.h>

namespace vq::customer {
namespace {

using testing::fakeServices;

class ProspectConversion : public ::testing::Test {
protected:
    void SetUp() override {
        for (std::string_view name : prospectDataSetNames())
            sets.dataSet(name).CreateFields(prospectDataSetFields(name));
    }
    // One prospect with its normal and billing addresses.
    void loadProspect() {
        ClientDataSet& p = sets.dataSet("cdsProspect");
        p.CreateDataSet();
        p.Append();
        for (const auto& [field, value] : {std::pair{"CDPROSPECT", "JP1"},
                                           {"IDTPIJURPROS", "J"},
                                           {"NRINSJURPROS", "11222333000181"},
                                           {"NMRAZSOCPROS", "Prospect Ltda"},
                                           {"NMFANTPROS", "Prosp"},
                                           {"DSHOPAPROS", "www.p.com.br"},
                                           {"IDIDIOMA", "POR"},
                                           {"NRFUNCPROS", "12"}})
            p.FieldByName(field).SetAsString(value);
        p.FieldByName("VRFATUPROS").SetValue(Variant(1500.5));
        p.Post();
        ClientDataSet& a = sets.dataSet("cdsEndeProsp");
        a.CreateDataSet();
        for (const char* kind : {"C", "P"}) {
            a.Append();
            a.FieldByName("IDTPENDEPROS").SetAsString(kind);
            a.FieldByName("CDPAIS").SetAsString("0055");
            a.FieldByName("SGESTADO").SetAsString("SP");
            a.FieldByName("DSENDEPROS").SetAsString(std::string("Rua ") + kind);
            a.FieldByName("NMBAIRPROS").SetAsString("Centro");
            a.FieldByName("NRTELEXPROS").SetAsString("4433");
            a.FieldByName("NRCELULARPRO").SetAsString("11999990000");
            a.Post();
        }
    }
    CustomerDataSets sets{fakeServices()};
};

TEST_F(ProspectConversion, IdentityAndTheNormalAddressAreCopiedOverWhatTheCustomerHad) {
    loadProspect();
    ClientDataSet& master = sets.cdsCliente();
    master.CreateDataSet();
    master.Append();
    master.FieldByName("NMFANTCLIE").SetAsString("Antigo");
    copyProspectIdentity(sets.dataSet("cdsProspect"), master);
    EXPECT_EQ(master.FieldByName("NMRAZSOCCLIE").AsString(), "Prospect Ltda");
    EXPECT_EQ(master.FieldByName("NMFANTCLIE").AsString(), "Prosp");
    EXPECT_EQ(master.FieldByName("DSHOMEPACLI").AsString(), "www.p.com.br");
    EXPECT_EQ(master.FieldByName("IDIDIOMA").AsString(), "POR");
    EXPECT_EQ(master.FieldByName("NRINSJURCLIE").AsString(), "11222333000181");
    EXPECT_DOUBLE_EQ(master.FieldByName("VRFATUCLIE").AsFloat(), 1500.5);

    ClientDataSet& addresses = sets.dataSet("cdsEndeProsp");
    ASSERT_TRUE(locateProspectAddress(addresses, "P"));
    EXPECT_EQ(addresses.FieldByName("DSENDEPROS").AsString(), "Rua P");
    EXPECT_FALSE(locateProspectAddress(addresses, "T"));
    ASSERT_TRUE(locateProspectAddress(addresses, "P"));
    ClientDataSet& normal = sets.cdsEndeClieNorm();
    normal.CreateDataSet();
    normal.Append();
    copyProspectAddress(addresses, normal);
    EXPECT_EQ(normal.FieldByName("IDTPENDECLIE").AsString(), "P");
    EXPECT_EQ(normal.FieldByName("DSENDECLIE").AsString(), "Rua P");
    EXPECT_EQ(normal.FieldByName("SGESTADO").AsString(), "SP");
    EXPECT_EQ(normal.FieldByName("NMBAIRCLIE").AsString(), "Centro");
    EXPECT_EQ(normal.FieldByName("NRTELEXCLIE").AsString(), "4433");
    EXPECT_EQ(normal.FieldByName("NRCELULARCLI").AsString(), "11999990000");
}

TEST_F(ProspectConversion, TheCallCarriesOnlyPendingLogsAndTheChosenProspect) {
    ClientDataSet& master = sets.cdsCliente();
    testing::openCustomer(master, "J1");
    std::array<const ClientDataSet*, 5> addresses{};
    for (int k = 0; k < kAddressKindCount; ++k)
        addresses[static_cast<std::size_t>(k)] = &sets.address(static_cast<AddressKind>(k));
    ClientDataSet& billing = sets.address(AddressKind::Billing);
    billing.CreateDataSet();
    billing.Append();
    billing.FieldByName("CDCLIENTE").SetAsString("J1");
    billing.FieldByName("IDTPENDECLIE").SetAsString("C");
    billing.Post();

    const VariantArray args =
        convertProspectArguments("J1", {"JP1", true}, master, addresses, "OPER01", testing::kNow);
    ASSERT_EQ(args.size(), 7u);
    EXPECT_EQ(args[0], Variant("J1"));
    EXPECT_EQ(args[1], Variant("JP1"));
    EXPECT_TRUE(args[2].isNull()) << "nothing pending on the customer";
    const VariantArray& deltas = args[3].asArray();
    ASSERT_EQ(deltas.size(), 5u);
    EXPECT_TRUE(deltas[0].isNull());
    ASSERT_TRUE(deltas[1].is(VariantKind::Delta));
    EXPECT_EQ(deltas[1].asDelta().rowCount(), 1u);
    EXPECT_TRUE(deltas[4].isNull());
    EXPECT_EQ(args[4], Variant(true));
    EXPECT_EQ(args[5], Variant("OPER01"));
    EXPECT_EQ(args[6], Variant(testing::kNow));
}

TEST(ProspectConversionAnswer, IsReadOnlyInItsOwnShape) {
    const Variant good(VariantArray{
        Variant("J1"), Variant(VariantArray{Variant(VariantArray{Variant("01"), Variant("02")})})});
    const auto read = readConversionAnswer(good);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->customer, "J1");
    ASSERT_EQ(read->contacts.size(), 1u);
    EXPECT_EQ(read->contacts[0], (std::pair<std::string, std::string>{"01", "02"}));
    EXPECT_FALSE(readConversionAnswer(Variant(1)));
    EXPECT_FALSE(
        readConversionAnswer(Variant(VariantArray{Variant("J1"), Variant(VariantArray{Variant("01")})})));
}

} // namespace
} // namespace vq::customer

// Record layouts: what the datasets accept and refuse, and that every table names real fields.

#include "customer/customer_field_tables.h"
#include "customer_test_util.h"
#include "platform/data/error.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

namespace vq::customer {
namespace {

using testing::fakeServices;

TEST(CustomerFields, FieldCountsPerDataSet) {
    CustomerDataSets sets(fakeServices());
    EXPECT_EQ(sets.cdsCliente().FieldCount(), 167);
    EXPECT_EQ(sets.cdsEndeClieNorm().FieldCount(), 28);
    for (AddressKind kind :
         {AddressKind::Billing, AddressKind::Exterior, AddressKind::Export, AddressKind::Delivery})
        EXPECT_EQ(sets.address(kind).FieldCount(), 23);
    EXPECT_EQ(sets.cdsInterloc().FieldCount(), 29);
    EXPECT_EQ(sets.cdsCorres().FieldCount(), 4);
    EXPECT_EQ(sets.cdsObserv().FieldCount(), 5);
    EXPECT_EQ(sets.cdsPrazoPgtoClie().FieldCount(), 3);
    EXPECT_EQ(sets.cdsBancoPref().FieldCount(), 12);
    EXPECT_EQ(sets.cdsPrecoBaseCli().FieldCount(), 4);
    EXPECT_EQ(sets.cdsSocios().FieldCount(), 5);
    EXPECT_EQ(sets.cdsIndice().FieldCount(), 4);
    EXPECT_EQ(sets.cdsMensCliente().FieldCount(), 5);
    EXPECT_EQ(sets.dataSet("cdsContCtbl").FieldCount(), 4);
    EXPECT_EQ(sets.dataSet("cdsRetECF").FieldCount(), 6);
    EXPECT_EQ(sets.dataSet("cdsVendAdicClie").FieldCount(), 5);
    EXPECT_EQ(sets.dataSet("cdsInsEndClie").FieldCount(), 0); // fields come with its unit or packet
}

TEST(CustomerFields, NamesAreUniqueWithinEachTable) {
    CustomerDataSets sets(fakeServices());
    for (std::string_view name : sets.dataSetNames()) {
        const ClientDataSet& ds = sets.dataSet(name);
        std::set<std::string> seen;
        for (int i = 0; i < ds.FieldCount(); ++i)
            EXPECT_TRUE(seen.insert(ds.Fields(i).FieldName()).second)
                << name << "." << ds.Fields(i).FieldName();
    }
}

TEST(CustomerFields, TwentyCharacterFieldsAcceptTwentyAndRefuseTwentyOne) {
    CustomerDataSets sets(fakeServices());
    ClientDataSet& cds = sets.cdsCliente();
    cds.CreateDataSet();
    cds.Insert();
    for (const char* name : {"NRINSJURCLIE", "NRINSJURINFO", "CDCONTCTBL", "NRINSESTCLIE", "NRINSJURTRAN"}) {
        Field& f = cds.FieldByName(name);
        EXPECT_EQ(f.Size(), 20) << name;
        f.SetAsString(std::string(20, '7'));
        EXPECT_EQ(f.AsString(), std::string(20, '7'));
        try {
            f.SetAsString(std::string(21, '7'));
            ADD_FAILURE() << name << " took 21 characters";
        } catch (const FieldError& e) {
            EXPECT_NE(std::string(e.what()).find(name), std::string::npos) << e.what();
        }
        EXPECT_EQ(f.AsString(), std::string(20, '7')) << "a refused value leaves the old one";
    }
}

TEST(CustomerFields, StringWithoutSizeDefaultsToTwenty) {
    constexpr FieldSpec spec{"NRLIVRE"};
    ClientDataSet ds("cdsTeste");
    ds.CreateFields(std::span(&spec, 1));
    EXPECT_EQ(ds.FieldByName("NRLIVRE").Size(), 20);
}

TEST(CustomerFields, AddressMasksFollowTheKind) {
    CustomerDataSets sets(fakeServices());
    const auto mask = [&](AddressKind k, const char* f) { return sets.address(k).FieldByName(f).EditMask(); };
    EXPECT_EQ(mask(AddressKind::Normal, "CDPAIS"), "9999;0; ");
    EXPECT_EQ(mask(AddressKind::Normal, "SGESTADO"), "");
    EXPECT_EQ(mask(AddressKind::Billing, "SGESTADO"), ">ll;0; ");
    EXPECT_EQ(mask(AddressKind::Normal, "NRCEPCLIE"), "99.999-999;0;_");
    EXPECT_EQ(mask(AddressKind::Exterior, "NRCEPCLIE"), ""); // foreign postal codes are free text
    EXPECT_EQ(mask(AddressKind::Delivery, "NRRAMALCLIE"), "9999;0; ");
    EXPECT_EQ(mask(AddressKind::Normal, "NRRAMALCLIE"), "");
    EXPECT_EQ(sets.cdsEndeClieNorm().FieldByName("DSPTOREFECLI").Size(), 2000);
}

TEST(CustomerFields, ElectronicDocumentEmailsOnlyOnTheNormalAddress) {
    CustomerDataSets sets(fakeServices());
    for (const char* f :
         {"IDCOMPARQXMLCLI", "DSEMAILCLIENFE", "DSEMAILCLIECOP", "DSEMAILCLIECTE", "DSEMAILCLIEMDFE"}) {
        EXPECT_NE(sets.cdsEndeClieNorm().FindField(f), nullptr) << f;
        EXPECT_EQ(sets.cdsEndeClieCobr().FindField(f), nullptr) << f;
        EXPECT_EQ(sets.cdsEndEntrega().FindField(f), nullptr) << f;
    }
}

TEST(CustomerFields, LabelsFormatsAndMasks) {
    CustomerDataSets sets(fakeServices());
    const ClientDataSet& c = sets.cdsCliente();
    EXPECT_EQ(c.FieldByName("NRINSJURCLIE").DisplayLabel(), "Código"); // the grid's column title
    EXPECT_EQ(c.FieldByName("NMRAZSOCCLIE").DisplayLabel(), "Razão Social");
    EXPECT_EQ(c.FieldByName("VRGRANTCLIE").DisplayFormat(), "#,##0.00");
    EXPECT_EQ(c.FieldByName("CDCNAECLIE").EditMask(), "9999-9/99;0;");
    EXPECT_EQ(c.FieldByName("NRFUNCCLIE").EditMask(), "99999;1;");
    EXPECT_EQ(c.FieldByName("DTNASCCLIE").DataType(), FieldType::DateTime);
    EXPECT_EQ(c.FieldByName("DSATIVCLI").DisplayLabel(), "DSATIVCLI"); // carried without a control
    EXPECT_EQ(sets.cdsPrazoPgtoClie().FieldByName("VRPERCPGTOCL").DisplayFormat(), "#0.00 %");
    EXPECT_EQ(sets.cdsObserv().FieldByName("DSOBSERVCLIE").DataType(), FieldType::Blob);
}

TEST(CustomerFields, PacketThatDoesNotFitIsRefusedWhole) {
    CustomerDataSets sets(fakeServices());
    ClientDataSet& ds = sets.cdsEndeClieCobr();
    DataPacket ok({{"CDCLIENTE", FieldType::String, 21}, {"CDPAIS", FieldType::String, 4}});
    ok.addRow({"J1", "1058"});
    ds.loadPacket(ok);

    DataPacket bad({{"CDCLIENTE", FieldType::String, 21}, {"CDPAIS", FieldType::String, 40}});
    bad.addRow({"J2", "1058"});
    bad.addRow({"J3", std::string(25, '9')});
    try {
        ds.loadPacket(bad);
        FAIL() << "a 25-character country code was taken";
    } catch (const FieldError& e) {
        EXPECT_NE(std::string(e.what()).find("CDPAIS"), std::string::npos) << e.what();
    }
    ASSERT_EQ(ds.RecordCount(), 1);
    EXPECT_EQ(ds.FieldByName("CDCLIENTE").AsString(), "J1");
}

TEST(CustomerFields, EveryDescriptorHasItsDataSetAndSource) {
    CustomerDataSets sets(fakeServices());
    std::set<std::string_view> sources;
    for (const DataSetDescriptor& d : customerDataSetDescriptors()) {
        EXPECT_EQ(&sets.dataSet(d.name), sets.findDataSet(d.name));
        EXPECT_EQ(sets.dataSet(d.name).Name(), d.name);
        EXPECT_EQ(d.provider.empty(), d.save == SaveTiming::None) << d.name;
        if (d.dataSource.empty())
            continue;
        EXPECT_TRUE(sources.insert(d.dataSource).second) << d.dataSource;
        ASSERT_NE(sets.dataSource(d.dataSource), nullptr) << d.dataSource;
        EXPECT_EQ(sets.dataSource(d.dataSource)->DataSet(), &sets.dataSet(d.name));
    }
    for (const DataSetDescriptor& d : customerDataSetDescriptors()) {
        const std::string_view keys = d.keyFields;
        for (std::size_t start = 0; start < keys.size();) {
            const std::size_t end = std::min(keys.find(';', start), keys.size());
            EXPECT_NE(sets.dataSet(d.name).FindField(keys.substr(start, end - start)), nullptr) << d.name;
            start = end + 1;
        }
    }
    EXPECT_EQ(sets.sourceOf("cdsCliente"), nullptr); // shown through the base form's dtsPadrao
    EXPECT_EQ(sets.descriptor("cdsEndeClieCobr").provider, "dspEndeClieCobr");
    EXPECT_EQ(sets.descriptor("cdsEndeClieCobr").loadMethod, "GetEndeClieCobr");
    EXPECT_THROW(sets.dataSet("cdsNaoExiste"), Error);
}

TEST(CustomerFields, RuleTablesNameExistingFields) {
    CustomerDataSets sets(fakeServices());
    for (const FieldDisplayRule& r : customerDisplayRules())
        EXPECT_NE(sets.dataSet(r.dataSet).FindField(r.rule.field), nullptr) << r.rule.field;
    for (const PendingConversion& p : pendingConversions())
        EXPECT_NE(sets.dataSet(p.dataSet).FindField(p.field), nullptr) << p.field;
    for (const CheckBoxValues& c : customerCheckBoxes()) {
        const Field* f = sets.dataSet(c.dataSet).FindField(c.field);
        ASSERT_NE(f, nullptr) << c.field;
        EXPECT_EQ(f->Size(), 1) << c.field;
    }
}

} // namespace
} // namespace vq::customer

#include "dataset_test_util.h"
#include "platform/data/error.h"
#include "platform/data/variant_codec.h"

#include <gtest/gtest.h>

using namespace vq;
using vq::testing::customerPacket;
using vq::testing::kCustomerFields;

namespace {

DataPacket decoded(const DataPacket& p) {
    return decodePacket(encodePacket(p));
}

std::string refusal(ClientDataSet& cds, const DataPacket& p) {
    try {
        cds.loadPacket(p);
    } catch (const Error& e) {
        return e.what();
    }
    return "(aceito)";
}

} // namespace

TEST(DecodedPackets, LoadLikeTheirVariantRows) {
    const DataPacket eager = customerPacket(50);
    ClientDataSet fromEager("a"), fromDecoded("b");
    fromEager.CreateFields(kCustomerFields);
    fromDecoded.CreateFields(kCustomerFields);
    fromEager.loadPacket(eager);
    fromDecoded.loadPacket(decoded(eager));
    EXPECT_EQ(fromDecoded.RecordCount(), 50);
    EXPECT_EQ(fromDecoded.storageBytes(), fromEager.storageBytes());
    EXPECT_EQ(fromDecoded.Data(), fromEager.Data());
    fromDecoded.Last();
    EXPECT_EQ(fromDecoded.FieldByName("NMRAZSOCCLIE").AsString(), "Cliente 50");
    EXPECT_EQ(fromDecoded.FieldByName("DTCADACLIE").Value(), Variant(DateTime{45050.0}));

    // Without declared fields the packet's own fields are taken, with the default size for open texts.
    const DataPacket open = decoded(eager);
    ClientDataSet undeclared("c");
    undeclared.loadPacket(open);
    EXPECT_EQ(undeclared.Data().asPacket(), open);
}

TEST(DecodedPackets, IntegersInFloatFieldsBecomeFloats) {
    DataPacket p = customerPacket(2);
    p.mutableRows()[1][3] = 300; // VRLIMCREDCLI, an integer on the wire
    ClientDataSet cds("cds");
    cds.CreateFields(kCustomerFields);
    cds.loadPacket(decoded(p));
    cds.Last();
    const Variant limit = cds.FieldByName("VRLIMCREDCLI").Value();
    EXPECT_TRUE(limit.is(VariantKind::Double)) << limit.describe();
    EXPECT_EQ(limit, Variant(300.0));
    cds.First();
    EXPECT_EQ(cds.FieldByName("VRLIMCREDCLI").Value(), Variant(100.0));
}

TEST(DecodedPackets, DeclaredFieldsStillRuleSizesKindsAndPlaces) {
    // The packet allows 10 characters where the dataset holds 4: refused as from Variant rows.
    std::vector<FieldDesc> wide = customerPacket(0).fields();
    wide[2].size = 10;
    DataPacket p(wide);
    p.addRow({"C1", "Um", "1058", 1.0, 1, DateTime{1}, "A"});
    p.addRow({"C2", "Dois", "10580", 2.0, 2, DateTime{2}, "A"});
    ClientDataSet cds("cds");
    cds.CreateFields(kCustomerFields);
    cds.loadPacket(customerPacket(3));
    const std::string expected = refusal(cds, p);
    EXPECT_NE(expected.find("CDPAIS"), std::string::npos) << expected;
    EXPECT_EQ(refusal(cds, decoded(p)), expected);
    EXPECT_EQ(cds.RecordCount(), 3); // the dataset is left as it was

    // Open texts in a packet meet the dataset's default size.
    DataPacket open({{"NOME", FieldType::String, 0}});
    open.addRow({std::string(kDefaultStringSize + 1, 'x')});
    ClientDataSet undeclared("u");
    const std::string tooLong = refusal(undeclared, open);
    EXPECT_NE(tooLong, "(aceito)");
    EXPECT_EQ(refusal(undeclared, decoded(open)), tooLong);

    // Fields in another order, one the packet lacks, one of another type: matched by name and converted.
    ClientDataSet other("o");
    other.AddField({"QTDIAS", FieldType::Float});
    other.AddField({"CDCLIENTE", FieldType::String, 21});
    other.AddField({"EXTRA", FieldType::Integer});
    other.loadPacket(decoded(customerPacket(2)));
    other.Last();
    EXPECT_EQ(other.FieldByName("QTDIAS").Value(), Variant(2.0));
    EXPECT_EQ(other.FieldByName("CDCLIENTE").AsString(), "C2");
    EXPECT_TRUE(other.FieldByName("EXTRA").IsNull());
}

TEST(DecodedPackets, DataGoesOutPackedAndComesBackTheSame) {
    ClientDataSet cds("cds");
    vq::testing::openCustomers(cds, 5);
    cds.First();
    cds.Edit();
    cds.FieldByName("NMRAZSOCCLIE").SetAsString("Alterado");
    cds.Post();
    cds.Last();
    cds.Delete();

    const Variant data = cds.Data();
    const DataPacket& packet = data.asPacket();
    ASSERT_NE(packet.packedRows(), nullptr);
    ASSERT_EQ(packet.rowCount(), 4u);
    EXPECT_EQ(packet.row(0)[1], Variant("Alterado"));

    DataPacket expected = customerPacket(4);
    expected.mutableRows()[0][1] = "Alterado";
    EXPECT_EQ(packet, expected);
    EXPECT_EQ(encodePacket(packet), encodePacket(expected));

    ClientDataSet copy("copy");
    copy.CreateFields(kCustomerFields);
    copy.SetData(data);
    EXPECT_EQ(copy.ChangeCount(), 0);
    EXPECT_EQ(copy.Data(), data);
    cds.SetData(cds.Data());
    EXPECT_EQ(cds.ChangeCount(), 0);
    EXPECT_EQ(cds.RecordCount(), 4);
}

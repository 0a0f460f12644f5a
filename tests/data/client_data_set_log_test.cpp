// Change log merging, the delta's content, and loading packets.
#include "dataset_test_util.h"
#include "platform/data/error.h"
#include "platform/data/row_builder.h"
#include "platform/data/variant_codec.h"

#include <gtest/gtest.h>

using namespace vq;
using vq::testing::customerPacket;
using vq::testing::openCustomers;

namespace {

constexpr int kName = 1; // NMRAZSOCCLIE
constexpr int kPais = 2; // CDPAIS

void editName(ClientDataSet& cds, const std::string& code, const std::string& name) {
    ASSERT_TRUE(cds.Locate("CDCLIENTE", code));
    cds.Edit();
    cds.FieldByName("NMRAZSOCCLIE").SetAsString(name);
    cds.Post();
}

std::vector<char> statuses(const Delta& d) {
    std::vector<char> out;
    for (const auto& r : d.rows())
        out.push_back(static_cast<char>(r.status));
    return out;
}

} // namespace

TEST(ChangeLog, RepeatedEditsMergeIntoOneRowWithOriginalsAndOnlyChangedFields) {
    ClientDataSet cds("cds");
    openCustomers(cds, 3);
    editName(cds, "C2", "Primeira");
    editName(cds, "C2", "Segunda");
    EXPECT_EQ(cds.ChangeCount(), 1);
    EXPECT_EQ(cds.UpdateStatus(), UpdateStatus::Modified);
    EXPECT_EQ(cds.FieldByName("NMRAZSOCCLIE").OldValue(), Variant("Cliente 2"));

    const Delta d = cds.Delta().asDelta();
    ASSERT_EQ(d.rowCount(), 1u);
    const DeltaRow& row = d.rows()[0];
    EXPECT_EQ(row.status, UpdateStatus::Modified);
    EXPECT_EQ(row.oldValues[kName], Variant("Cliente 2"));
    ASSERT_EQ(row.changes.size(), 1u);
    EXPECT_EQ(row.changes[0], (FieldChange{kName, "Segunda"}));

    editName(cds, "C2", "Cliente 2"); // back to the original: nothing pending
    EXPECT_EQ(cds.ChangeCount(), 0);
    EXPECT_EQ(cds.buildDelta().rowCount(), 0u);
}

TEST(ChangeLog, InsertEditDeleteCombinations) {
    ClientDataSet cds("cds");
    openCustomers(cds, 4);

    editName(cds, "C3", "Editado"); // 1st change: C3
    cds.Append();                   // 2nd change: N1
    cds.FieldByName("CDCLIENTE").SetAsString("N1");
    cds.Post();
    editName(cds, "N1", "Nome novo"); // insert then edit stays inserted
    cds.Append();                     // insert then delete leaves nothing
    cds.FieldByName("CDCLIENTE").SetAsString("N2");
    cds.Post();
    cds.Delete();
    editName(cds, "C1", "Vai sumir"); // 3rd change: C1, edit then delete keeps the originals
    cds.Delete();
    editName(cds, "C3", "Editado de novo");

    EXPECT_EQ(cds.ChangeCount(), 3);
    const Delta d = cds.buildDelta();
    EXPECT_EQ(statuses(d), (std::vector<char>{'M', 'I', 'D'})); // order of first change
    EXPECT_EQ(d.rows()[0].oldValues[0], Variant("C3"));
    EXPECT_EQ(d.rows()[0].changes, (std::vector<FieldChange>{{kName, "Editado de novo"}}));
    EXPECT_EQ(d.rows()[1].newValues[0], Variant("N1"));
    EXPECT_EQ(d.rows()[1].newValues[kName], Variant("Nome novo"));
    EXPECT_EQ(d.rows()[2].oldValues[kName], Variant("Cliente 1"));
    EXPECT_EQ(d.rows()[2].oldValues[kPais], Variant("1058"));

    // The delta travels: it survives the wire codec unchanged.
    EXPECT_EQ(decodeVariant(encodeVariant(cds.Delta())).asDelta(), d);
}

TEST(ChangeLog, CancelUpdatesRestoresEverything) {
    ClientDataSet cds("cds");
    openCustomers(cds, 3);
    const Variant before = cds.Data();
    editName(cds, "C1", "X");
    ASSERT_TRUE(cds.Locate("CDCLIENTE", "C2"));
    const Bookmark c2 = cds.GetBookmark();
    cds.Delete();
    cds.Insert();
    cds.FieldByName("CDCLIENTE").SetAsString("N");
    cds.Post();
    cds.CancelUpdates();
    EXPECT_EQ(cds.ChangeCount(), 0);
    EXPECT_EQ(cds.Data().asPacket(), before.asPacket()); // rows and their order
    EXPECT_TRUE(cds.BookmarkValid(c2));                  // the restored row keeps its identity
}

TEST(ChangeLog, RevertRecordUndoesOnlyTheCurrentRow) {
    ClientDataSet cds("cds");
    openCustomers(cds, 3);
    editName(cds, "C1", "X");
    editName(cds, "C2", "Y");
    cds.RevertRecord();
    EXPECT_EQ(cds.FieldByName("NMRAZSOCCLIE").AsString(), "Cliente 2");
    EXPECT_EQ(cds.ChangeCount(), 1);

    cds.Append();
    cds.FieldByName("CDCLIENTE").SetAsString("N");
    cds.Post();
    cds.RevertRecord(); // an inserted row disappears
    EXPECT_EQ(cds.RecordCount(), 3);
    EXPECT_EQ(cds.ChangeCount(), 1);
}

TEST(ChangeLog, MergeAndUnloggedChanges) {
    ClientDataSet cds("cds");
    openCustomers(cds, 3);
    editName(cds, "C1", "X");
    cds.Last();
    cds.Delete();
    cds.MergeChangeLog();
    EXPECT_EQ(cds.ChangeCount(), 0);
    EXPECT_EQ(cds.RecordCount(), 2);
    editName(cds, "C1", "Y");
    EXPECT_EQ(cds.buildDelta().rows()[0].oldValues[kName], Variant("X")); // merged data is the baseline

    cds.MergeChangeLog();
    cds.SetLogChanges(false);
    editName(cds, "C2", "Z");
    cds.Append();
    cds.FieldByName("CDCLIENTE").SetAsString("N");
    cds.Post();
    cds.First();
    cds.Delete();
    EXPECT_EQ(cds.ChangeCount(), 0);
    EXPECT_EQ(cds.RecordCount(), 2);
    cds.CancelUpdates(); // nothing to undo
    EXPECT_EQ(cds.FieldByName("NMRAZSOCCLIE").AsString(), "Z");
}

TEST(DataPackets, OversizedValueRefusesTheWholePacketAndKeepsTheDataSet) {
    ClientDataSet cds("cdsCliente");
    openCustomers(cds, 2);
    cds.Last();
    DataPacket bad = customerPacket(3);
    bad.mutableRows()[2][kPais] = std::string(25, 'X'); // CDPAIS holds 4
    try {
        cds.SetData(std::make_shared<const DataPacket>(bad));
        FAIL() << "packet accepted";
    } catch (const FieldError& e) {
        EXPECT_NE(std::string(e.what()).find("CDPAIS"), std::string::npos);
    }
    EXPECT_EQ(cds.RecordCount(), 2);
    EXPECT_EQ(cds.RecNo(), 2);

    DataPacket wrongKind = customerPacket(1);
    wrongKind.mutableRows()[0][4] = "trinta"; // QTDIAS is an integer
    EXPECT_THROW(cds.loadPacket(wrongKind), FieldError);
    EXPECT_EQ(cds.RecordCount(), 2);
    EXPECT_THROW(cds.SetData(Variant("não é pacote")), Error);
}

TEST(DataPackets, FieldsMatchedByNameIgnoringCase) {
    ClientDataSet cds("cds");
    cds.CreateFields(vq::testing::kCustomerFields);
    DataPacket p({{"cdpais", FieldType::String, 10},
                  {"EXTRA", FieldType::Integer, 0},
                  {"cdcliente", FieldType::String, 30},
                  {"VRLIMCREDCLI", FieldType::Integer, 0}});
    p.addRow({"55", 1, "J1", 2500});
    cds.loadPacket(p);
    EXPECT_EQ(cds.FieldCount(), 7); // the declared fields stay; EXTRA is left out
    EXPECT_EQ(cds.FieldByName("CDCLIENTE").AsString(), "J1");
    EXPECT_EQ(cds.FieldByName("CDPAIS").AsString(), "55");
    EXPECT_EQ(cds.FieldByName("VRLIMCREDCLI").Value(), Variant(2500.0)); // brought to the field's kind
    EXPECT_TRUE(cds.FieldByName("QTDIAS").IsNull());                     // missing from the packet

    ClientDataSet open("semCampos");
    open.SetData(std::make_shared<const DataPacket>(p));
    EXPECT_EQ(open.FieldCount(), 4);
    EXPECT_EQ(open.FieldByName("EXTRA").AsInteger(), 1);

    // Data gives current rows only; loading it back gives the same rows with nothing pending.
    editName(cds, "J1", "Nome");
    ClientDataSet copy("copia");
    copy.CreateFields(vq::testing::kCustomerFields);
    copy.SetData(cds.Data());
    EXPECT_EQ(copy.FieldByName("NMRAZSOCCLIE").AsString(), "Nome");
    EXPECT_EQ(copy.ChangeCount(), 0);
}

// Bulk append: the same rows as Append/Post, logged as inserts, shown through the filter, cursor on the last.
TEST(BulkAppend, PackedRowsAreStoredAsAppendedAndLoggedAsInserts) {
    ClientDataSet bulk("bulk"), oneByOne("one");
    openCustomers(bulk, 2);
    openCustomers(oneByOne, 2);
    std::vector<PackedRow> rows;
    RowBuilder builder(static_cast<std::size_t>(bulk.FieldCount()));
    for (int i = 3; i <= 4; ++i) {
        builder.clear();
        builder.putText(0, VariantKind::String, "C" + std::to_string(i));
        builder.putDouble(3, 1.5 * i);
        builder.putInt(4, i);
        builder.putDateTime(5, 45000.0 + i);
        rows.push_back(builder.finish());
        oneByOne.Append();
        oneByOne.FieldByName("CDCLIENTE").SetAsString("C" + std::to_string(i));
        oneByOne.FieldByName("VRLIMCREDCLI").SetValue(1.5 * i);
        oneByOne.FieldByName("QTDIAS").SetValue(i);
        oneByOne.FieldByName("DTCADACLIE").SetValue(DateTime{45000.0 + i});
        oneByOne.Post();
    }
    bulk.appendPacked(rows);
    EXPECT_TRUE(rows.empty());
    ASSERT_EQ(bulk.RecordCount(), oneByOne.RecordCount());
    for (int r = 0; r < bulk.RecordCount(); ++r)
        for (int f = 0; f < bulk.FieldCount(); ++f)
            EXPECT_EQ(bulk.valueAt(r, f), oneByOne.valueAt(r, f)) << r << "," << f;
    EXPECT_EQ(bulk.RecNo(), 4);
    EXPECT_FALSE(bulk.Eof());
    EXPECT_EQ(bulk.FieldByName("CDCLIENTE").AsString(), "C4");
    EXPECT_EQ(statuses(bulk.buildDelta()), statuses(oneByOne.buildDelta()));
    EXPECT_EQ(bulk.ChangeCount(), 2);

    ClientDataSet filtered("filtered");
    openCustomers(filtered, 2);
    filtered.SetFilter("CDCLIENTE = 'X*'");
    filtered.SetFiltered(true);
    builder.clear();
    builder.putText(0, VariantKind::String, "X1");
    rows.push_back(builder.finish());
    builder.clear();
    builder.putText(0, VariantKind::String, "C9");
    rows.push_back(builder.finish());
    filtered.appendPacked(rows);
    EXPECT_EQ(filtered.RecordCount(), 1);
    EXPECT_EQ(filtered.FieldByName("CDCLIENTE").AsString(), "X1");
}

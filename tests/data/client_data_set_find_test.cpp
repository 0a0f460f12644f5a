// Locate, Lookup, bookmarks, IndexFieldNames and Filter.
#include "dataset_test_util.h"
#include "platform/data/error.h"

#include <gtest/gtest.h>

using namespace vq;
using vq::testing::openCustomers;

namespace {

DataPacket namesPacket() {
    DataPacket p({{"CDCLIENTE", FieldType::String, 21},
                  {"NMRAZSOCCLIE", FieldType::String, 100},
                  {"CDPAIS", FieldType::String, 4},
                  {"VRLIMCREDCLI", FieldType::Float, 0},
                  {"QTDIAS", FieldType::Integer, 0},
                  {"DTCADACLIE", FieldType::DateTime, 0},
                  {"IDCLIEATIV", FieldType::String, 1}});
    p.addRow({"J3", "Ótica Beira-Mar", "1058", 50.0, 30, nullptr, "A"});
    p.addRow({"f1", "açougue central", "1058", 10.0, nullptr, nullptr, "I"});
    p.addRow({"J2", "Armazém", "0639", 50.0, 10, nullptr, "A"});
    p.addRow({"F1", "Bar do Zé", nullptr, 20.0, 30, nullptr, "A"});
    return p;
}

std::vector<std::string> codes(ClientDataSet& cds) {
    std::vector<std::string> out;
    const Bookmark here = cds.GetBookmark();
    for (cds.First(); !cds.Eof(); cds.Next())
        out.push_back(cds.FieldByName("CDCLIENTE").AsString());
    if (cds.BookmarkValid(here))
        cds.GotoBookmark(here);
    return out;
}

class Finding : public ::testing::Test {
protected:
    void SetUp() override {
        cds.CreateFields(vq::testing::kCustomerFields);
        cds.loadPacket(namesPacket());
    }
    ClientDataSet cds{"cds"};
};

} // namespace

TEST_F(Finding, LocateOptions) {
    EXPECT_FALSE(cds.Locate("CDCLIENTE", "F1X"));
    EXPECT_TRUE(cds.Locate("CDCLIENTE", "F1"));
    EXPECT_EQ(cds.RecNo(), 4); // case matters by default: not "f1"
    EXPECT_TRUE(cds.Locate("cdcliente", "F1", {.CaseInsensitive = true}));
    EXPECT_EQ(cds.RecNo(), 2);
    EXPECT_TRUE(cds.Locate("NMRAZSOCCLIE", "ÓTICA", {.CaseInsensitive = true, .PartialKey = true}));
    EXPECT_EQ(cds.RecNo(), 1);
    EXPECT_FALSE(cds.Locate("NMRAZSOCCLIE", "Ótica")); // whole value without PartialKey
    EXPECT_TRUE(cds.Locate("VRLIMCREDCLI;QTDIAS", VariantArray{50, 10}));
    EXPECT_EQ(cds.FieldByName("CDCLIENTE").AsString(), "J2");
    EXPECT_TRUE(cds.Locate("CDPAIS", Variant{})); // null matches null
    EXPECT_EQ(cds.FieldByName("CDCLIENTE").AsString(), "F1");
    EXPECT_THROW(cds.Locate("NAOEXISTE", "x"), Error);

    EXPECT_EQ(cds.Lookup("CDCLIENTE", "J2", "NMRAZSOCCLIE"), Variant("Armazém"));
    EXPECT_EQ(cds.Lookup("CDCLIENTE", "J2", "CDPAIS;QTDIAS"), Variant(VariantArray{"0639", 10}));
    EXPECT_TRUE(cds.Lookup("CDCLIENTE", "ZZ", "CDPAIS").isNull());
    EXPECT_EQ(cds.FieldByName("CDCLIENTE").AsString(), "F1"); // Lookup does not move
}

TEST_F(Finding, BookmarksSurviveInsertsAndDeletes) {
    ASSERT_TRUE(cds.Locate("CDCLIENTE", "J2"));
    const Bookmark j2 = cds.GetBookmark();
    cds.First();
    cds.Insert();
    cds.FieldByName("CDCLIENTE").SetAsString("NOVO");
    cds.Post();
    ASSERT_TRUE(cds.Locate("CDCLIENTE", "f1"));
    const Bookmark f1 = cds.GetBookmark();
    cds.Delete();
    EXPECT_FALSE(cds.BookmarkValid(f1));
    EXPECT_THROW(cds.GotoBookmark(f1), Error);
    cds.GotoBookmark(j2);
    EXPECT_EQ(cds.FieldByName("CDCLIENTE").AsString(), "J2");
    EXPECT_EQ(cds.RecNo(), 3);

    cds.loadPacket(namesPacket()); // reloaded rows are new rows
    EXPECT_FALSE(cds.BookmarkValid(j2));
}

TEST_F(Finding, IndexFieldNamesSortsStablyAndFollowsEdits) {
    cds.Locate("CDCLIENTE", "F1");
    cds.SetIndexFieldNames("VRLIMCREDCLI");
    EXPECT_EQ(codes(cds), (std::vector<std::string>{"f1", "F1", "J3", "J2"})); // equal keys keep their order
    EXPECT_EQ(cds.FieldByName("CDCLIENTE").AsString(), "F1");                  // stays on its row

    cds.SetIndexFieldNames("CDPAIS;CDCLIENTE");
    EXPECT_EQ(codes(cds),
              (std::vector<std::string>{"F1", "J2", "J3", "f1"})); // null first, then by code point

    cds.Locate("CDCLIENTE", "J2");
    cds.Edit();
    cds.FieldByName("CDPAIS").SetAsString("9999");
    cds.Post();
    EXPECT_EQ(codes(cds), (std::vector<std::string>{"F1", "J3", "f1", "J2"}));
    EXPECT_EQ(cds.FieldByName("CDCLIENTE").AsString(), "J2"); // the cursor follows the row

    cds.Append();
    cds.FieldByName("CDCLIENTE").SetAsString("A0");
    cds.FieldByName("CDPAIS").SetAsString("0639");
    cds.Post();
    EXPECT_EQ(codes(cds), (std::vector<std::string>{"F1", "A0", "J3", "f1", "J2"}));
    EXPECT_THROW(cds.SetIndexFieldNames("NADA"), Error);

    cds.SetIndexFieldNames("");
    EXPECT_EQ(codes(cds), (std::vector<std::string>{"J3", "f1", "J2", "F1", "A0"})); // physical order
}

TEST_F(Finding, FilterExpressionsAndOnFilterRecord) {
    cds.SetFilter("IDCLIEATIV = 'A' AND (VRLIMCREDCLI >= 50 OR CDPAIS IS NULL)");
    cds.SetFiltered(true);
    EXPECT_EQ(codes(cds), (std::vector<std::string>{"J3", "J2", "F1"}));
    cds.SetFilter("NMRAZSOCCLIE = 'A*' or cdpais <> '1058'"); // null <> '1058' is not true
    EXPECT_EQ(codes(cds), (std::vector<std::string>{"J2"}));
    cds.SetFilter("NOT CDPAIS = NULL AND QTDIAS < 20.5");
    EXPECT_EQ(codes(cds), (std::vector<std::string>{"J2"}));

    // A posted row that no longer passes leaves the view.
    cds.Edit();
    cds.FieldByName("QTDIAS").SetAsInteger(99);
    cds.Post();
    EXPECT_TRUE(cds.IsEmpty());

    cds.SetFilter("");
    cds.OnFilterRecord = [](ClientDataSet& ds, bool& accept) {
        accept = ds.FieldByName("CDCLIENTE").AsString().starts_with("J");
    };
    cds.SetFiltered(true);
    EXPECT_EQ(codes(cds), (std::vector<std::string>{"J3", "J2"}));
    cds.SetFiltered(false);
    EXPECT_EQ(cds.RecordCount(), 4);

    for (const char* bad : {"CDPAIS =", "CDPAIS = 'x", "(CDPAIS = 'x'", "CDPAIS ~ 1", "= 1"})
        EXPECT_THROW(cds.SetFilter(bad), Error) << bad;
    EXPECT_THROW(cds.SetFilter("NAOEXISTE = 1"), Error);
}

TEST(Navigation, RecNoAndMoveBy) {
    ClientDataSet cds("cds");
    openCustomers(cds, 5);
    cds.SetRecNo(4);
    EXPECT_EQ(cds.FieldByName("CDCLIENTE").AsString(), "C4");
    EXPECT_EQ(cds.MoveBy(-2), -2);
    EXPECT_EQ(cds.RecNo(), 2);
    EXPECT_EQ(cds.MoveBy(10), 3);
    EXPECT_TRUE(cds.Eof());
    EXPECT_EQ(cds.MoveBy(0), 0);
}

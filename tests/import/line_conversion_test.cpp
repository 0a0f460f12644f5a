// Line conversion and row fill: cutting by characters, defaults, implied decimals, dates, the fields fed
// from the slots (codes, trimmed registration, fitting texts, integer ranges) and the failures' places.

#include "import/import_error.h"
#include "import/import_fields.h"
#include "import/import_rows.h"
#include "import/line_converter.h"
#include "server/schema/schema.h"

#include <gtest/gtest.h>

namespace vq::test {
namespace {

using import::ImportError;
using import::LayoutColumn;
using import::LineConverter;

LayoutColumn col(const char* name, int pos, int len, char type = 'T', int decimals = 0,
                 const char* def = "") {
    LayoutColumn c;
    c.position = pos;
    c.length = len;
    c.type = type;
    c.decimals = decimals;
    c.defaultValue = def;
    c.name = name;
    c.slot = import::findImportField(name);
    return c;
}

Variant slotOf(const LineConverter& c, const char* name) {
    return c.slot(static_cast<std::size_t>(import::findImportField(name))).value();
}

std::string failureOf(const std::function<void()>& fn) {
    try {
        fn();
    } catch (const ImportError& e) {
        return e.describe(e.key());
    }
    return {};
}

TEST(LineConversionTest, ValuesAreCutByCharactersAndTyped) {
    LineConverter c({col("NMRAZSOCCLIE", 1, 6), col("VRLIMCREDCLI", 7, 5, 'N', 2),
                     col("VRCAPITALCLI", 12, 4, 'N', 2), col("VRPATLIQCLI", 16, 4, 'N', 2),
                     col("DTNASCCLIE", 20, 10, 'D'), col("IDTIPOCLIE", 1, 1, 'T', 0, "X"),
                     col("NMFANTCLIE", 40, 5), col("NRMESVALPER", 40, 3, 'N'), col("NAOEXISTE", 1, 3)});
    // "JOSÉ  " is six characters and seven bytes.
    c.convert("JOS\xC3\x89  00150   51,5007/12/2026", "a.txt", 1);
    EXPECT_EQ(slotOf(c, "NMRAZSOCCLIE"), Variant("JOS\xC3\x89  "));
    EXPECT_EQ(slotOf(c, "VRLIMCREDCLI"), Variant(1.5));
    EXPECT_EQ(slotOf(c, "VRCAPITALCLI"), Variant(0.05)); // "   5" with two decimals
    EXPECT_EQ(slotOf(c, "VRPATLIQCLI"), Variant(1.5));   // a comma is taken as written
    EXPECT_EQ(slotOf(c, "DTNASCCLIE"), Variant(makeDateTime({2026, 12, 7})));
    EXPECT_EQ(slotOf(c, "IDTIPOCLIE"), Variant("X")); // the default ignores the line
    EXPECT_TRUE(slotOf(c, "NMFANTCLIE").isNull());    // the line ends before
    EXPECT_EQ(slotOf(c, "NRMESVALPER"), Variant(0));  // an empty number reads the integer 0

    // A slot keeps its value until a column writes it again.
    LineConverter d({col("NMRAZSOCCLIE", 1, 3)});
    d.convert("ABC", "a.txt", 1);
    d.convert("", "a.txt", 2);
    EXPECT_TRUE(slotOf(d, "NMRAZSOCCLIE").isNull());
    EXPECT_TRUE(slotOf(d, "IDTIPOCLIE").isNull());
}

TEST(LineConversionTest, NumbersAndDatesThatDoNotReadNameTheirPlace) {
    LineConverter n({col("VRLIMCREDCLI", 1, 4, 'N', 2)});
    EXPECT_EQ(failureOf([&] { n.convert(" 1x ", "a.txt", 7); }),
              "NUMERO_INV (arquivo a.txt, linha 7, campo VRLIMCREDCLI: \"1x\")");
    LineConverter d({col("DTCADACLIE", 1, 10, 'D')});
    EXPECT_EQ(failureOf([&] { d.convert("31/02/2026", "b.txt", 2); }),
              "DATA_INV (arquivo b.txt, linha 2, campo DTCADACLIE: \"31/02/2026\")");
}

class RowFillTest : public ::testing::Test {
protected:
    RowFillTest() {
        rows.CreateFields(import::importFieldSpecs());
        rows.CreateDataSet();
    }
    // Fills one row from `line` under `columns`; the error text, or "" when the row was posted.
    std::string fill(std::vector<LayoutColumn> columns, std::string_view line) {
        LineConverter c(std::move(columns));
        import::RowFiller filler(rows);
        std::vector<PackedRow> batch;
        const std::string failure = failureOf([&] {
            c.convert(line, "a.txt", 1);
            batch.push_back(filler.fill(c, "a.txt", 1));
        });
        rows.appendPacked(batch);
        return failure;
    }
    std::string text(const char* field) { return rows.FieldByName(field).AsString(); }
    ClientDataSet rows;
};

TEST_F(RowFillTest, FieldsAreFedFromTheirSlots) {
    ASSERT_EQ(fill({col("IDTPIJURCLIE", 1, 2), col("NRINSJURCLIE", 3, 14), col("CDVENDEDOR", 17, 3),
                    col("CDESCOLARIDA", 20, 1), col("NRTURNO", 21, 3, 'N'), col("QTCNDPG1CLIE", 24, 2, 'N'),
                    col("NMRAZSOCCLIE", 26, 60)},
                   std::string("F ") + "52998224725   " + "  7" + "2" + "   " + " 3" + "ACME" +
                       std::string(56, ' ')),
              "");
    EXPECT_EQ(text("CDCLIENTE"), "F52998224725");
    EXPECT_EQ(text("IDTPIJURCLIE"), "F");
    EXPECT_EQ(text("NRINSJURCLIE"), "52998224725");
    EXPECT_EQ(text("NMARQLAYIMP"), "a.txt");
    EXPECT_EQ(text("CDVENDEDOR"), "0007");
    EXPECT_EQ(text("CDESCOLARIDADE"), "2");
    EXPECT_EQ(text("NRTURNO"), "0"); // a text fed from an empty number
    EXPECT_EQ(rows.FieldByName("QTCNDPG1CLIE").AsInteger(), 3);
    EXPECT_EQ(text("NMRAZSOCCLIE"), "ACME"); // 60 characters lose their trailing blanks to fit 50
    EXPECT_EQ(rows.FieldByName("DTNASCCLIE").AsDateTime(), DateTime{});
    EXPECT_EQ(rows.FieldByName("VRLIMCREDCLI").AsFloat(), 0.0);
}

// Fixed-width columns pad names and codes: the padding is not stored; free text keeps its blanks.
TEST_F(RowFillTest, NamesAndCodesLoseThePaddingOfTheirColumns) {
    ASSERT_EQ(fill({col("NMRAZSOCCLIE", 1, 10), col("NMFANTCLIE", 11, 6), col("CDESTACIVIL", 17, 3),
                    col("CDINDICE", 20, 5), col("DSNATURCLIE", 25, 8)},
                   std::string("  ACME    ") + " BETA " + " C " + "  12 " + " SAO    "),
              "");
    EXPECT_EQ(text("NMRAZSOCCLIE"), "ACME");
    EXPECT_EQ(text("NMFANTCLIE"), "BETA");
    EXPECT_EQ(text("CDESTACIVIL"), "C");
    EXPECT_EQ(text("CDINDICE"), "0012");
    EXPECT_EQ(text("DSNATURCLIE"), " SAO    ");
}

TEST_F(RowFillTest, ValuesThatCannotFeedTheirFieldAreRefused) {
    EXPECT_EQ(fill({col("NMRAZSOCCLIE", 1, 60)}, std::string(51, 'A')),
              "TAM_INV (arquivo a.txt, linha 1, campo NMRAZSOCCLIE: \"" + std::string(51, 'A') + "\")");
    EXPECT_EQ(fill({col("QTCNDPG2CLIE", 1, 3, 'N', 1)}, "015"),
              "NUM_INV (arquivo a.txt, linha 1, campo QTCNDPG2CLIE: \"015\")");
    EXPECT_EQ(fill({col("NRPARCPGTOCL", 1, 5, 'N')}, "40000"),
              "NUM_INV (arquivo a.txt, linha 1, campo NRPARCPGTOCL: \"40000\")");
    EXPECT_EQ(fill({col("VRPEMARGLUCR", 1, 3)}, "abc"),
              "NUM_INV (arquivo a.txt, linha 1, campo VRPEMARGLUCR: \"abc\")");
    EXPECT_EQ(fill({col("DTCADACLIE", 1, 3)}, "abc"),
              "DATA_INV (arquivo a.txt, linha 1, campo DTCADACLIE: \"abc\")");
    EXPECT_EQ(fill({col("VRPEMARGLUCR", 1, 4)}, "2,5 "), "");
    EXPECT_EQ(rows.FieldByName("VRPEMARGLUCR").AsFloat(), 2.5);
    EXPECT_EQ(rows.RecordCount(), 1);
}

TEST(ImportColumnsTest, EveryFieldButTheFileNameFitsACustomerColumn) {
    EXPECT_EQ(import::importFieldSpecs().size(), 111U);
    for (const FieldSpec& f : import::importFieldSpecs()) {
        if (f.name == "NMARQLAYIMP")
            continue;
        const auto column = schema::findSchemaField("CLIENTE", f.name);
        ASSERT_TRUE(column) << f.name;
        if (f.type == FieldType::String)
            EXPECT_LE(f.size, column->size) << f.name;
        else
            EXPECT_NE(column->type, FieldType::String) << f.name;
    }
    for (const import::ImportColumn& c : import::importColumns()) {
        if (!c.slot.empty()) {
            EXPECT_GE(import::findImportField(c.slot), 0) << c.slot;
        }
    }
}

} // namespace
} // namespace vq::test

// Field values: size limits, kinds, text conversions and the field events.
#include "dataset_test_util.h"
#include "platform/data/error.h"

#include <gtest/gtest.h>

using namespace vq;
using vq::testing::openCustomers;

namespace {

class Fields : public ::testing::Test {
protected:
    void SetUp() override {
        openCustomers(cds, 2);
        cds.Edit();
    }
    Field& f(const char* name) { return cds.FieldByName(name); }
    ClientDataSet cds{"cdsCliente"};
};

} // namespace

TEST_F(Fields, TooLongTextIsRefusedNamingFieldAndSizeNeverCut) {
    try {
        f("CDPAIS").SetAsString("10580");
        FAIL() << "five characters accepted in a field of four";
    } catch (const FieldError& e) {
        const std::string what = e.what();
        EXPECT_NE(what.find("CDPAIS"), std::string::npos) << what;
        EXPECT_NE(what.find('4'), std::string::npos) << what;
    }
    EXPECT_EQ(f("CDPAIS").AsString(), "1058");
    f("CDPAIS").SetAsString("Açaí"); // four characters, more bytes
    EXPECT_EQ(f("CDPAIS").AsString(), "Açaí");

    ClientDataSet plain("plain");
    plain.AddField({"SEMTAMANHO"});
    EXPECT_EQ(plain.FieldByName("SEMTAMANHO").Size(), kDefaultStringSize);
}

TEST_F(Fields, WrongKindsAreRefusedLosslessOnesConverted) {
    EXPECT_THROW(f("CDPAIS").SetValue(12), FieldError);
    EXPECT_THROW(f("QTDIAS").SetValue(1.5), FieldError);
    EXPECT_THROW(f("QTDIAS").SetValue("30"), FieldError);
    EXPECT_THROW(f("DTCADACLIE").SetValue(true), FieldError);
    f("QTDIAS").SetValue(30.0);
    EXPECT_EQ(f("QTDIAS").Value(), Variant(30));
    f("VRLIMCREDCLI").SetValue(7);
    EXPECT_EQ(f("VRLIMCREDCLI").Value(), Variant(7.0));

    EXPECT_THROW(f("QTDIAS").SetAsString("1.000"), FieldError); // a thousands dot is not a number
    EXPECT_THROW(f("VRLIMCREDCLI").SetText("abc"), FieldError);
    EXPECT_THROW(f("DTCADACLIE").SetText("31/02/2024"), FieldError);
    EXPECT_EQ(f("QTDIAS").AsInteger(), 30); // refused writes left the value alone
}

TEST_F(Fields, TextConversionsArePtBr) {
    f("VRLIMCREDCLI").SetText("1234,5");
    EXPECT_DOUBLE_EQ(f("VRLIMCREDCLI").AsFloat(), 1234.5);
    EXPECT_EQ(f("VRLIMCREDCLI").Text(), "1234,5");
    EXPECT_EQ(f("VRLIMCREDCLI").DisplayText(), "1.234,50"); // display format
    f("DTCADACLIE").SetText("07/12/2026");
    EXPECT_EQ(f("DTCADACLIE").AsString(), "07/12/2026");
    f("QTDIAS").SetAsFloat(12.0);
    EXPECT_EQ(f("QTDIAS").AsString(), "12");
    f("CDPAIS").SetAsInteger(55);
    EXPECT_EQ(f("CDPAIS").AsString(), "55");
    f("QTDIAS").SetText("");
    EXPECT_TRUE(f("QTDIAS").IsNull());
    f("NMRAZSOCCLIE").SetAsString("");
    EXPECT_TRUE(f("NMRAZSOCCLIE").IsNull()); // empty text is no value
    EXPECT_EQ(f("NMRAZSOCCLIE").DisplayText(), "");

    ClientDataSet masked("masked");
    masked.AddField({"NRINSJURCLIE", FieldType::String, 20, "CPF", "000.000.000-00;0;_"});
    masked.CreateDataSet();
    masked.Append();
    masked.FieldByName("NRINSJURCLIE").SetAsString("12345678901");
    EXPECT_EQ(masked.FieldByName("NRINSJURCLIE").DisplayText(), "123.456.789-01");
    EXPECT_EQ(masked.FieldByName("NRINSJURCLIE").Text(), "12345678901");
}

TEST_F(Fields, GetTextAndSetTextHandlersConvertCodedValues) {
    Field& ativ = f("IDCLIEATIV");
    ativ.OnGetText = [](Field& sender, std::string& text, bool display) {
        if (display)
            text = sender.AsString() == "A" ? "Ativo" : "Inativo";
    };
    ativ.OnSetText = [](Field& sender, const std::string& text) {
        sender.SetAsString(text == "Ativo" ? "A" : "I");
    };
    EXPECT_EQ(ativ.DisplayText(), "Ativo");
    EXPECT_EQ(ativ.Text(), "A");
    ativ.SetText("Inativo");
    EXPECT_EQ(ativ.AsString(), "I");
    EXPECT_EQ(ativ.DisplayText(), "Inativo");
}

TEST_F(Fields, ValidateSeesTheNewValueAndCanRejectIt) {
    std::vector<std::string> seen;
    Field& pais = f("CDPAIS");
    pais.OnValidate = [&](Field& sender) {
        seen.push_back(sender.AsString());
        // What the write replaces, for rules that act on a real change only.
        EXPECT_EQ(sender.StoredValue(), Variant(seen.size() == 1 ? "1058" : "1600"));
        if (sender.AsString() == "9999")
            throw Error("País inexistente.");
    };
    pais.OnChange = [&](Field& sender) { seen.push_back("changed:" + sender.AsString()); };
    pais.SetAsString("1600");
    EXPECT_THROW(pais.SetAsString("9999"), Error);
    EXPECT_EQ(pais.AsString(), "1600");
    EXPECT_EQ(seen, (std::vector<std::string>{"1600", "changed:1600", "9999"}));
    EXPECT_EQ(pais.OldValue(), Variant("1058"));
    EXPECT_EQ(pais.NewValue(), Variant("1600"));
}

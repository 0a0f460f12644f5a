// Coded fields: what the master record shows for its codes and what a chosen text stores.

#include "customer_test_util.h"

#include <gtest/gtest.h>

namespace vq::customer {
namespace {

using testing::fakeServices;

class DisplayRules : public ::testing::Test {
protected:
    CustomerDataSets sets{fakeServices()};
    ClientDataSet& cds = sets.cdsCliente();

    void SetUp() override { testing::openCustomer(cds, "J11222333000181"); }
    Field& field(const char* name) { return cds.FieldByName(name); }
    void store(const char* name, const Variant& v) {
        cds.Edit();
        field(name).SetValue(v);
        cds.Post();
    }
};

TEST_F(DisplayRules, RegistrationKindShowsItsWordOnlyWhileBrowsing) {
    EXPECT_EQ(field("IDTPIJURINFO").DisplayText(), "Jurídica");
    EXPECT_EQ(field("IDTPIJURINFO").Text(), "Jurídica");
    cds.Edit();
    EXPECT_EQ(field("IDTPIJURINFO").Text(), "J"); // typed and shown as the code while editing
    field("IDTPIJURINFO").SetText("F");
    EXPECT_EQ(field("IDTPIJURINFO").AsString(), "F");
    field("IDTPIJURINFO").SetText("Insc. Jurídica");
    EXPECT_EQ(field("IDTPIJURINFO").AsString(), "I");
    cds.Post();
    EXPECT_EQ(field("IDTPIJURINFO").DisplayText(), "Insc. Jurídica");
    store("IDTPIJURINFO", "O");
    EXPECT_EQ(field("IDTPIJURINFO").DisplayText(), "Outros");
    store("IDTPIJURINFO", "Z");
    EXPECT_EQ(field("IDTPIJURINFO").DisplayText(), ""); // an unknown letter shows nothing
    store("IDTPIJURINFO", Variant{});
    EXPECT_EQ(field("IDTPIJURINFO").DisplayText(), "");
}

TEST_F(DisplayRules, RegistrationKindTextComesFromTheMessageLookup) {
    CustomerServices services = fakeServices();
    services.msg = [](std::string_view key) { return "<" + std::string(key) + ">"; };
    CustomerDataSets other(services);
    testing::openCustomer(other.cdsCliente(), "J1");
    EXPECT_EQ(other.cdsCliente().FieldByName("IDTPIJURINFO").DisplayText(), "<Jurídica>");
}

TEST_F(DisplayRules, EmptyPaymentFormKindShowsX) {
    EXPECT_TRUE(field("IDTPFORPGTCL").IsNull());
    EXPECT_EQ(field("IDTPFORPGTCL").Text(), "X");
    EXPECT_EQ(field("IDTPFORPGTCL").DisplayText(), "X");
    store("IDTPFORPGTCL", "V");
    EXPECT_EQ(field("IDTPFORPGTCL").Text(), "V");
    cds.Edit();
    field("IDTPFORPGTCL").SetText("F"); // the radio group stores the code itself
    EXPECT_EQ(field("IDTPFORPGTCL").AsString(), "F");
    field("IDTPFORPGTCL").SetText("");
    EXPECT_TRUE(field("IDTPFORPGTCL").IsNull());
    EXPECT_EQ(field("IDTPFORPGTCL").Text(), "X"); // also while editing
}

TEST_F(DisplayRules, ComboFieldsShowWordsAndStoreCodes) {
    store("IDCLIEATIV", "N");
    EXPECT_EQ(field("IDCLIEATIV").DisplayText(), "Inativo");
    cds.Edit();
    field("IDCLIEATIV").SetText("Ativo");
    EXPECT_EQ(field("IDCLIEATIV").AsString(), "S");
    field("IDCLIEATIV").SetText(""); // an empty combo text changes nothing
    EXPECT_EQ(field("IDCLIEATIV").AsString(), "S");
    field("IDCLIEATIV").SetText("Talvez"); // neither an item nor a code: not stored
    EXPECT_EQ(field("IDCLIEATIV").AsString(), "S");

    field("IDENDEMISCLI").SetText("Endereço de Exportação");
    EXPECT_EQ(field("IDENDEMISCLI").AsString(), "X");
    field("IDPESQTRANSP").SetText("Lista");
    EXPECT_EQ(field("IDPESQTRANSP").AsString(), "L");
    cds.Post();
    EXPECT_EQ(field("IDENDEMISCLI").DisplayText(), "Endereço de Exportação");
    EXPECT_EQ(field("IDPESQTRANSP").DisplayText(), "Lista");
    store("IDPESQTRANSP", "P");
    EXPECT_EQ(field("IDPESQTRANSP").DisplayText(), "Padrão");
}

TEST_F(DisplayRules, StoredValueRadioGroupsKeepTheirCodes) {
    // The radio group maps codes to items itself; the field's text stays the code.
    store("IDPRIPUBCLIE", "B");
    EXPECT_EQ(field("IDPRIPUBCLIE").DisplayText(), "B");
    const CodedDisplayRule* rule = findDisplayRule("cdsCliente", "IDPRIPUBCLIE");
    ASSERT_NE(rule, nullptr);
    EXPECT_EQ(codedItemTexts(*rule, testing::fakeMsg), (std::vector<std::string>{"Privado ", "Público"}));
    EXPECT_EQ(codedItemValues(*rule), (std::vector<std::string>{"V", "B"}));
    const CodedDisplayRule* cfop = findDisplayRule("cdsCliente", "IDENDCFOPCLI");
    ASSERT_NE(cfop, nullptr);
    EXPECT_EQ(codedItemValues(*cfop), (std::vector<std::string>{"P", "C", "E", "X", "T", "I"}));
}

TEST_F(DisplayRules, CarrierSearchItemsAreMessageTexts) {
    const CodedDisplayRule* rule = findDisplayRule("cdsCliente", "IDPESQTRANSP");
    ASSERT_NE(rule, nullptr);
    EXPECT_EQ(codedItemTexts(*rule, testing::fakeMsg), (std::vector<std::string>{"Padrão", "Lista"}));
    EXPECT_EQ(codedValue(*rule, "Padrão", testing::fakeMsg), "P");
    EXPECT_EQ(codedValue(*rule, "P", testing::fakeMsg), "P");
    EXPECT_EQ(codedValue(*rule, "TP_PADRAO", testing::fakeMsg), std::nullopt); // the key is not the text
}

TEST_F(DisplayRules, CheckBoxValues) {
    const CheckBoxValues* split = findCheckBox("cdsCliente", "IDGERNFCLIE");
    const CheckBoxValues* nextMonth = findCheckBox("cdsCliente", "IDUTDIAPGTCL");
    const CheckBoxValues* blocked = findCheckBox("cdsCliente", "IDBLOQUEADO");
    ASSERT_TRUE(split && nextMonth && blocked);
    EXPECT_EQ(split->unchecked, "1 ");

    cds.Edit();
    storeChecked(*split, field("IDGERNFCLIE"), false); // "1 " does not fit one character: stored as "1"
    EXPECT_EQ(field("IDGERNFCLIE").AsString(), "1");
    EXPECT_EQ(checkState(*split, field("IDGERNFCLIE")), CheckState::Unchecked);
    storeChecked(*split, field("IDGERNFCLIE"), true);
    EXPECT_EQ(field("IDGERNFCLIE").AsString(), "2");
    EXPECT_EQ(checkState(*split, field("IDGERNFCLIE")), CheckState::Checked);

    storeChecked(*nextMonth, field("IDUTDIAPGTCL"), true);
    EXPECT_EQ(field("IDUTDIAPGTCL").AsString(), "E");
    storeChecked(*nextMonth, field("IDUTDIAPGTCL"), false);
    EXPECT_EQ(field("IDUTDIAPGTCL").AsString(), "I");

    EXPECT_EQ(checkState(*blocked, field("IDBLOQUEADO")), CheckState::Neither); // null
    storeChecked(*blocked, field("IDBLOQUEADO"), true);
    EXPECT_EQ(field("IDBLOQUEADO").AsString(), "S");
}

TEST_F(DisplayRules, ConcernUnitsInstallTheirOwnConversions) {
    EXPECT_FALSE(field("NRMESREAJCLIE").OnGetText); // left to the payment unit
    static constexpr CodedValue kMonths[] = {{"01", "Janeiro"}, {"02", "Fevereiro"}};
    sets.installDisplayRule("cdsCliente", {.field = "NRMESREAJCLIE", .values = kMonths});
    store("NRMESREAJCLIE", "02");
    EXPECT_EQ(field("NRMESREAJCLIE").DisplayText(), "Fevereiro");
}

} // namespace
} // namespace vq::customer

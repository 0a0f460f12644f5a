// Address rules: the telephone key filters and the copy of the normal address, which never leaves a
// contact half copied.

#include "customer/address_rules.h"
#include "customer_test_util.h"
#include "platform/data/error.h"

#include <gtest/gtest.h>
#include <string>

namespace vq::customer {
namespace {

TEST(AddressKeyFilters, TelephonesTakeDigitsAndSeparatorsExtensionsOnlyDigits) {
    for (char16_t c : std::u16string(u"0123456789 ()-")) {
        EXPECT_TRUE(phoneKeyAccepted(c)) << static_cast<int>(c);
        EXPECT_EQ(extensionKeyAccepted(c), c >= u'0' && c <= u'9') << static_cast<int>(c);
    }
    for (char16_t c : {char16_t{7}, char16_t{8}, char16_t{13}, char16_t{27}}) {
        EXPECT_TRUE(phoneKeyAccepted(c));
        EXPECT_TRUE(extensionKeyAccepted(c));
    }
    for (char16_t c : std::u16string(u"aZ.+/,#*é~\x00A0\x3000"))
        EXPECT_FALSE(phoneKeyAccepted(c) || extensionKeyAccepted(c)) << static_cast<int>(c);
}

class AddressCopy : public ::testing::Test {
protected:
    CustomerDataSets sets{testing::fakeServices()};

    void SetUp() override {
        testing::openCustomer(sets.cdsCliente(), "J11222333000181");
        ClientDataSet& normal = sets.cdsEndeClieNorm();
        normal.CreateDataSet();
        normal.Append();
        for (std::string_view f : copiedAddressFields())
            normal.FieldByName(f).SetAsString(f == "NRCEPCLIE" ? "01310100"
                                                               : std::string(f.substr(0, 1)) + "9");
        normal.FieldByName("NMBAIRCLIE").SetAsString("Jardim Paulista");
        normal.Post();
    }
};

TEST_F(AddressCopy, EveryCopiedFieldArrivesAsStored) {
    ClientDataSet& billing = sets.cdsEndeClieCobr();
    billing.CreateDataSet();
    billing.Append();
    copyFields(sets.cdsEndeClieNorm(), billing, sameFields(copiedAddressFields()));
    EXPECT_EQ(copiedAddressFields().size(), 20u);
    for (std::string_view f : copiedAddressFields())
        EXPECT_EQ(billing.FieldByName(f).Value(), sets.cdsEndeClieNorm().FieldByName(f).Value()) << f;
}

TEST_F(AddressCopy, ADistrictTooLongForTheContactRefusesTheWholeCopy) {
    ClientDataSet& normal = sets.cdsEndeClieNorm();
    normal.Edit();
    normal.FieldByName("NMBAIRCLIE").SetAsString(std::string(31, 'b'));
    normal.Post();
    ClientDataSet& contact = sets.cdsInterloc();
    contact.CreateDataSet();
    contact.Append();
    contact.FieldByName("DSENDEINCLIE").SetAsString("Rua Antiga");
    try {
        copyFields(normal, contact, contactAddressFields());
        FAIL() << "copied a district the contact cannot hold";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Bairro com mais de 30 caracteres não cabe no endereço do interlocutor.");
    }
    EXPECT_EQ(contact.FieldByName("DSENDEINCLIE").AsString(), "Rua Antiga");
    EXPECT_TRUE(contact.FieldByName("CDPAIS").IsNull());

    // Thirty characters, accented ones counted as one, fit.
    normal.Edit();
    normal.FieldByName("NMBAIRCLIE").SetAsString("São João da Boa Vista Açaí Sul");
    normal.Post();
    copyFields(normal, contact, contactAddressFields());
    EXPECT_EQ(contact.FieldByName("NMBAIRINCLIE").AsString(), "São João da Boa Vista Açaí Sul");
    EXPECT_EQ(contact.FieldByName("DSENDEINCLIE").AsString(), normal.FieldByName("DSENDECLIE").AsString());
    EXPECT_EQ(contact.FieldByName("NRCEPINCLIE").AsString(), "01310100");
}

} // namespace
} // namespace vq::customer

// The classification lookups' Qt-free rules: freight kinds both ways, carrier numbers, tree codes, the
// abbreviation's keys and the instance table.

#include "customer/classification_rules.h"
#include "customer/classification_table.h"
#include "platform/data/error.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

namespace vq::customer {
namespace {

std::array<std::string, 6> freightTexts() {
    return {"0 - CIF", "1 - FOB", "2 - Terceiros", "3 - Remetente", "4 - Destinatário", "9 - Sem"};
}

TEST(Freight, ItemsAndStoredValuesBothWays) {
    const auto texts = freightTexts();
    for (std::size_t i = 0; i < kFreightKinds.size(); ++i) {
        EXPECT_EQ(freightItem(kFreightKinds[i].code), static_cast<int>(i));
        EXPECT_EQ(freightCodeOfText(texts[i], texts), kFreightKinds[i].code);
    }
    EXPECT_EQ(freightCodeOfText(texts[5], texts), "9");
    EXPECT_EQ(freightCodeOfText(texts[1], texts), "1");
    EXPECT_EQ(freightCodeOfText("", texts), "9");
    EXPECT_EQ(freightCodeOfText("1 - fob", texts), "");
    for (std::string_view unknown : {"", "5", "8", " 1", "10"})
        EXPECT_EQ(freightItem(unknown), -1) << unknown;
}

TEST(Carrier, NumbersAreStoredNormalisedAndWrongCheckDigitsFailBeforeAnyCall) {
    const CarrierNumber punctuated = classifyCarrier("10.203.040/0001-94");
    EXPECT_EQ(punctuated.kind, 'J');
    EXPECT_EQ(punctuated.number, "10203040000194");
    EXPECT_EQ(punctuated.faultKey, "");
    EXPECT_EQ(classifyCarrier("10203040000194").number, "10203040000194");

    EXPECT_EQ(classifyCarrier("10.203.040/0001-95").faultKey, "CGC_inv");
    EXPECT_EQ(classifyCarrier("10203040000195").faultKey, "CGC_inv");
    EXPECT_EQ(classifyCarrier("123.456.789-00").faultKey, "CPF_inv");
    const CarrierNumber person = classifyCarrier("529.982.247-25");
    EXPECT_EQ(person.kind, 'F');
    EXPECT_EQ(person.number, "52998224725");
    EXPECT_EQ(person.faultKey, "");

    // Other numbers keep the framework's kind, with their widths.
    const CarrierNumber other = classifyCarrier("12345678");
    EXPECT_EQ(other.kind, 'I');
    EXPECT_EQ(other.number, "00000000000012345678");
    const CarrierNumber free = classifyCarrier("123");
    EXPECT_EQ(free.kind, 'O');
    EXPECT_EQ(free.number, "00123");
    EXPECT_EQ(free.faultKey, "");
    EXPECT_EQ(classifyCarrier("ABC").number, "ABC");
}

TEST(TreeCode, ReadAsThePictureReadsIt) {
    EXPECT_EQ(treeCode("03.01.___"), "03.01");
    EXPECT_EQ(treeCode("03.01."), "03.01");
    EXPECT_EQ(treeCode("03.01"), "03.01");
    EXPECT_EQ(treeCode("1.1.2.01.001"), "1.1.2.01.001");
    EXPECT_EQ(treeCode("__.__.___"), "");
    EXPECT_EQ(treeCode(""), "");
}

TEST(Abbreviation, OnlyBackspaceAndLettersUpperCased) {
    EXPECT_EQ(abbreviationKey(u'a'), u'A');
    EXPECT_EQ(abbreviationKey(u'Z'), u'Z');
    EXPECT_EQ(abbreviationKey(8), 8);
    for (char16_t dropped : {u'1', u' ', u'-', u'ç', char16_t{13}})
        EXPECT_EQ(abbreviationKey(dropped), 0);
}

TEST(ClassificationTable, EveryInstanceIsCompleteAndFoundByName) {
    std::set<std::string_view> ids, buttons;
    for (const ClassificationLookup& l : classificationLookups()) {
        SCOPED_TRACE(std::string(l.id));
        EXPECT_TRUE(ids.insert(l.id).second);
        EXPECT_FALSE(l.page.empty());
        EXPECT_FALSE(l.codeEdit.empty());
        EXPECT_FALSE(l.field.empty());
        EXPECT_FALSE(l.notFoundKey.empty());
        if (l.button.empty())
            continue;
        EXPECT_TRUE(buttons.insert(l.button).second);
        EXPECT_FALSE(l.title.empty());
        EXPECT_FALSE(l.emptyText.empty());
        EXPECT_FALSE(l.group.empty());
        EXPECT_FALSE(l.codeColumn.empty());
        EXPECT_NE(l.list, LookupSource::None);
        if (l.check == LookupSource::Query) {
            EXPECT_FALSE(l.checkParam.empty());
        }
    }
    EXPECT_EQ(ids.size(), 17u);
    // The widths of the stored forms, and the currency index the banks page reuses.
    EXPECT_EQ(classificationLookup("Vendedor").width, 4);
    EXPECT_EQ(classificationLookup("GrupClie").width, 10);
    EXPECT_EQ(classificationLookup("GrupClie").checkFlag, "N");
    EXPECT_EQ(classificationLookup("Regiao").width, 3);
    EXPECT_EQ(classificationLookup("Indice").listName, "qryMoeda");
    EXPECT_TRUE(classificationLookup("Qualifica").has(RunsInBrowse));
    EXPECT_FALSE(classificationLookup("CentCusto").has(ChangesPage));
    EXPECT_FALSE(classificationLookup("Idioma").has(SetsErrorFlag));
    EXPECT_THROW(classificationLookup("Nada"), Error);
}

} // namespace
} // namespace vq::customer

// Fiscal attributes: the CPRB conversions, the coded fields of the fiscal page and of the invoice texts,
// the retention flags and lookups, the key rules and the codes stored for the choices.

#include "customer/fiscal_rules.h"
#include "customer/retention_codes.h"
#include "customer_test_util.h"
#include "platform/data/error.h"
#include "platform/data/utf8.h"

#include <gtest/gtest.h>

namespace vq::customer {
namespace {

using testing::fakeMsg;
using testing::fakeServices;

const std::string kSim = fakeMsg("cprbSIM");
const std::string kNao = fakeMsg("cprbNAO");

TEST(Cprb, ConversionsFollowTheFirstCharacter) {
    EXPECT_EQ(ConvDadoToCprb("1"), Tcprb::Contribuinte);
    EXPECT_EQ(ConvDadoToCprb(kSim), Tcprb::Contribuinte);
    EXPECT_EQ(ConvDadoToCprb("0"), Tcprb::NaoContribuinte);
    EXPECT_EQ(ConvDadoToCprb("X"), Tcprb::NaoContribuinte);
    EXPECT_EQ(ConvDadoToCprb(""), Tcprb::NaoContribuinte);
    EXPECT_EQ(ConvDadoToCprb(" 1"), Tcprb::NaoContribuinte);
    EXPECT_EQ(ConvCprbToDado(Tcprb::Contribuinte), "1");
    EXPECT_EQ(ConvCprbToDado(Tcprb::NaoContribuinte), "0");
    EXPECT_EQ(ConvCprbToInformacao(Tcprb::Contribuinte, fakeMsg), kSim);
    EXPECT_EQ(ConvCprbToInformacao(Tcprb::NaoContribuinte, fakeMsg), kNao);
    EXPECT_EQ(kSim.substr(0, 4), "1 - ");
}

class FiscalFields : public ::testing::Test {
protected:
    CustomerDataSets sets{fakeServices()};
    ClientDataSet& cds = sets.cdsCliente();

    void SetUp() override {
        installFiscalRules(sets);
        testing::openCustomer(cds, "J11222333000181");
    }
    Field& field(const char* name) { return cds.FieldByName(name); }
    std::string shown(const char* name, const Variant& stored) {
        cds.Edit();
        field(name).SetValue(stored);
        cds.Post();
        return field(name).Text();
    }
    std::string storedAfter(const char* name, const Variant& before, const std::string& text) {
        cds.Edit();
        field(name).SetValue(before);
        field(name).SetText(text);
        cds.Post();
        return field(name).IsNull() ? "<null>" : field(name).AsString();
    }
};

TEST_F(FiscalFields, CprbShowsItsTextAndStoresTheChosenCodeEvenOnANullIndicator) {
    EXPECT_EQ(shown("IDINDCPRB", "1"), kSim);
    EXPECT_EQ(shown("IDINDCPRB", "0"), kNao);
    EXPECT_EQ(shown("IDINDCPRB", "X"), kNao);
    EXPECT_EQ(shown("IDINDCPRB", Variant{}), "");
    EXPECT_EQ(storedAfter("IDINDCPRB", Variant{}, kSim), "1"); // a new customer's choice is kept
    EXPECT_EQ(storedAfter("IDINDCPRB", "1", kNao), "0");
    EXPECT_EQ(storedAfter("IDINDCPRB", "X", kSim), "1");
    EXPECT_EQ(storedAfter("IDINDCPRB", "1", ""), "1"); // no choice changes nothing
}

TEST_F(FiscalFields, IdentifierMapsItsFiveCodesAndShowsTheEmptyItemOtherwise) {
    const auto items = codedItemTexts(customerIdentifierRule(), fakeMsg);
    ASSERT_EQ(items.size(), 6u);
    EXPECT_EQ(items[0], "");
    EXPECT_EQ(shown("IDIDENTCLIE", "03"), "Pessoas Jurídicas de Direito Privado");
    EXPECT_EQ(shown("IDIDENTCLIE", "07"), "");
    EXPECT_EQ(field("IDIDENTCLIE").AsString(), "07"); // stays until the user chooses
    EXPECT_EQ(storedAfter("IDIDENTCLIE", "07", "Fabricante de Máquinas e Veículos"), "05");
    EXPECT_EQ(storedAfter("IDIDENTCLIE", "01", ""), "<null>"); // the empty item stores nothing
}

TEST_F(FiscalFields, CstFirstDigitShowsItsItemAndLeavesUnknownDigitsAlone) {
    const auto items = codedItemTexts(cstFirstDigitRule(), fakeMsg);
    ASSERT_EQ(items.size(), 9u);
    for (std::size_t i = 1; i < items.size(); ++i)
        EXPECT_LT(items[i - 1], items[i]); // the sorted combo keeps the digit order
    EXPECT_EQ(shown("CDCSTDIG1CLI", "6"), items[6]);
    EXPECT_EQ(shown("CDCSTDIG1CLI", "9"), "");
    EXPECT_EQ(shown("CDCSTDIG1CLI", "A"), "");
    EXPECT_EQ(storedAfter("CDCSTDIG1CLI", "A", items[8]), "8");
    EXPECT_EQ(storedAfter("CDCSTDIG1CLI", "2", "qualquer"), "2");
}

TEST_F(FiscalFields, PlaceholderShowsBlank) {
    for (const char* name :
         {"CDSERIE", "CDEXCLIENTE", "CDATIVCLI", "CDSEGMER", "CDQUALIF", "CDMODODIVULG", "DSHOMEPACLI"}) {
        EXPECT_EQ(shown(name, "*"), " ") << name;
        EXPECT_EQ(shown(name, "01"), "01") << name;
    }
}

TEST_F(FiscalFields, InvoiceTextEntryExitAndLength) {
    ClientDataSet& texts = sets.cdsMensCliente();
    texts.loadPacket(testing::emptyPacketOf(texts));
    texts.Append();
    Field& entryExit = texts.FieldByName("IDENTRSAIDMENS");
    entryExit.SetText("Saída");
    EXPECT_EQ(entryExit.AsString(), "S");
    EXPECT_EQ(entryExit.Text(), "Saída");
    entryExit.SetText("Qualquer");
    EXPECT_EQ(entryExit.AsString(), "S"); // any other text changes nothing
    entryExit.SetText("Ambos");
    EXPECT_EQ(entryExit.AsString(), "A");
    entryExit.SetText("");
    EXPECT_TRUE(entryExit.IsNull());

    Field& description = texts.FieldByName("DSMENSCLIENTE");
    std::string text(250, 'a');
    description.SetAsString(text);
    EXPECT_EQ(description.AsString(), text);
    description.SetAsString(std::string(249, 'x') + "ç"); // characters, not bytes
    EXPECT_THROW(description.SetAsString(text + "b"), FieldError);
    EXPECT_EQ(utf8Length(description.AsString()), 250u);
}

TEST(RetentionCodes, FlagsShowSimNaoAndCodesAreFoundInAnyCase) {
    CustomerDataSets sets(fakeServices());
    installFiscalRules(sets);
    ClientDataSet& list = sets.dataSet("cdsRetECF");
    EXPECT_FALSE(findRetention(list, "1708")); // closed
    DataPacket p(list.fieldDescs());
    p.addRow({1.0, "1708", "Serviços profissionais", "N", "S", "N"});
    p.addRow({2.0, "RF01", "Retenção na fonte", "S", "X", "N"});
    list.loadPacket(p);
    const auto found = findRetention(list, "rf01");
    ASSERT_TRUE(found);
    EXPECT_EQ(found->sequential, 2.0);
    EXPECT_EQ(found->code, "RF01");
    EXPECT_EQ(found->description, "Retenção na fonte");
    EXPECT_EQ(list.FieldByName("IDORGPUB").Text(), "Sim");
    EXPECT_EQ(list.FieldByName("IDCSLL").Text(), "Não");
    EXPECT_EQ(list.FieldByName("IDIRPJ").Text(), "");
    EXPECT_FALSE(findRetention(list, "9999"));
    EXPECT_FALSE(findRetention(list, ""));
    ASSERT_EQ(retentionLookupColumns().size(), 2u);
    EXPECT_EQ(retentionLookupColumns()[0].field, kRetentionKeyField);
}

TEST(FiscalKeys, CstSituationAndEntryExit) {
    EXPECT_EQ(cstDigitKey(u'0').code, "0");
    EXPECT_EQ(cstDigitKey(u'8').action, KeyAction::Store);
    EXPECT_EQ(cstDigitKey(u'9').action, KeyAction::Pass);
    EXPECT_EQ(cstDigitKey(u'a').action, KeyAction::Pass);
    EXPECT_EQ(situationKeyItem(u'a'), 0);
    EXPECT_EQ(situationKeyItem(u'I'), 1);
    EXPECT_FALSE(situationKeyItem(u'x'));
    EXPECT_EQ(entryExitKey(u'e').code, "E");
    EXPECT_EQ(entryExitKey(u'S').code, "S");
    EXPECT_EQ(entryExitKey(u'a').code, "A");
    EXPECT_EQ(entryExitKey(u'\b').action, KeyAction::Clear);
    for (char16_t pass : {u'\t', u'\r', u'&', u'(', u'.'})
        EXPECT_EQ(entryExitKey(pass).action, KeyAction::Pass);
    for (char16_t drop : {u'x', u'1', u' '})
        EXPECT_EQ(entryExitKey(drop).action, KeyAction::Drop);
}

TEST(FiscalChoices, StoredCodesForEveryItemAndNoSelection) {
    const char* issue[] = {"P", "P", "C", "E", "X", "T", "P"};
    const char* cfop[] = {"P", "P", "C", "E", "X", "T", "I"};
    const char* inPerson[] = {"I", "P", "C", "E", "X", "T", "I"};
    for (int item = -1; item <= 5; ++item) {
        const auto at = static_cast<std::size_t>(item + 1);
        EXPECT_EQ(issueAddressCode(item), issue[at]) << item;
        EXPECT_EQ(cfopAddressCode(item), cfop[at]) << item;
        EXPECT_EQ(cfopInPersonAddressCode(item), inPerson[at]) << item;
    }
    EXPECT_EQ(orderInvoiceCode(0), "1");
    EXPECT_EQ(orderInvoiceCode(1), "2");
    EXPECT_EQ(orderInvoiceCode(-1), "2");
    EXPECT_EQ(orderInvoiceItem("2"), 1);
    EXPECT_EQ(orderInvoiceItem("1"), 0);
    EXPECT_EQ(orderInvoiceItem(""), 0);
}

} // namespace
} // namespace vq::customer

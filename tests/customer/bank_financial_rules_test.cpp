// Display rules and small decisions of the preferred banks, base price tables, financial situation and
// partners.

#include "customer/bank_rules.h"
#include "customer/financial_rules.h"

#include <gtest/gtest.h>
#include <vector>

namespace vq::customer {
namespace {

TEST(BankRules, AccountNumberFollowsItsBanksMaskOrStaysAsStored) {
    EXPECT_EQ(accountNumberText("99999-9", "123456", false), "12345-6");
    EXPECT_EQ(accountNumberText("", "123456", false), "123456");
    EXPECT_EQ(accountNumberText("99999-9", "", true), "");
    EXPECT_EQ(toggledMark("S"), "N");
    EXPECT_EQ(toggledMark("N"), "S");
    EXPECT_EQ(toggledMark(""), "S");
}

TEST(PriceTableRules, PrincipalTextStoresSimAsSAndAnythingElseAsN) {
    EXPECT_EQ(principalValue("Sim", "Sim"), "S");
    EXPECT_EQ(principalValue("Não", "Sim"), "N");
    EXPECT_EQ(principalValue("x", "Sim"), "N");
    EXPECT_EQ(principalValue("sim", "Sim"), "N"); // the text exactly
    EXPECT_FALSE(principalValue("", "Sim").has_value());
}

TEST(FinancialRules, GuaranteeItemsStoreTheirCodes) {
    EXPECT_EQ(codeOfItem(guaranteeKindRule(), 4), "9");
    EXPECT_EQ(codeOfItem(guaranteeRankRule(), 4), "99");
    EXPECT_EQ(codeOfItem(guaranteeRankRule(), 0), "1");
    EXPECT_EQ(codeOfItem(guaranteeKindRule(), 5), "");
    EXPECT_EQ(codeOfItem(guaranteeKindRule(), -1), "");
    const MessageLookup same = [](std::string_view key) { return std::string(key); };
    EXPECT_EQ(codedText(guaranteeKindRule(), Variant("5"), same), ""); // unknown code shows nothing
    EXPECT_EQ(codedText(guaranteeRankRule(), Variant("99"), same), "99 - Outras");
    EXPECT_EQ(codedValue(guaranteeKindRule(), "9 - Outras", same), "9");
}

TEST(FinancialRules, ApprovalValueDecidesBeforeTheChosenItem) {
    const std::span<const std::string_view, 3> keys(kPendencyKeys);
    EXPECT_EQ(approvalKey("2", -1, keys), "VerP_N_Liber");
    EXPECT_EQ(approvalKey("3", 0, keys), "Nao_VerP"); // item 0 is tested with value "1"
    EXPECT_EQ(approvalKey("", 2, keys), "VerP_S_Liber");
    EXPECT_EQ(approvalKey("", 3, keys), "");
    EXPECT_EQ(approvalKey("7", -1, keys), "");
    EXPECT_EQ(approvalValue(0), "1");
    EXPECT_EQ(approvalValue(2), "3");
    EXPECT_EQ(approvalValue(3), "");
    EXPECT_EQ(approvalItem(""), 3);
    EXPECT_EQ(approvalItem("2"), 1);
    EXPECT_EQ(approvalItem("9"), 3);
}

TEST(FinancialRules, DaysAreTypedForItemsOneAndTwoOnlyWhileChangesAreAllowed) {
    EXPECT_TRUE(approvalDaysEnabled(1, true));
    EXPECT_TRUE(approvalDaysEnabled(2, true));
    EXPECT_FALSE(approvalDaysEnabled(1, false));
    EXPECT_FALSE(approvalDaysEnabled(2, false));
    EXPECT_FALSE(approvalDaysEnabled(0, true));
    EXPECT_FALSE(approvalDaysEnabled(3, true));
}

TEST(FinancialRules, ValueBelowZeroComparesTheTextByteWise) {
    EXPECT_TRUE(valueBelowZero("-1"));
    EXPECT_TRUE(valueBelowZero("-0,01"));
    EXPECT_TRUE(valueBelowZero(" 5")); // a blank sorts before "0", as written
    EXPECT_FALSE(valueBelowZero("0"));
    EXPECT_FALSE(valueBelowZero("0,00"));
    EXPECT_FALSE(valueBelowZero(""));
    EXPECT_FALSE(valueBelowZero("1.000,00"));
}

TEST(PartnerRules, NewPartnersTakeTheNextTwoDigitSequence) {
    EXPECT_EQ(nextPartnerSequence({}), "01");
    const std::vector<std::string> used{"01", "03", "", "xx"};
    EXPECT_EQ(nextPartnerSequence(used), "04");
    const std::vector<std::string> full{"98", "99"};
    EXPECT_FALSE(nextPartnerSequence(full).has_value());
    const std::vector<std::string> nine{"09"};
    EXPECT_EQ(nextPartnerSequence(nine), "10");
}

} // namespace
} // namespace vq::customer

// The confirm command's order and its decisions on the master record.

#include "customer/confirm_steps.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vq::customer {
namespace {

using enum ConfirmStep;

std::size_t positionOf(ConfirmStep step) {
    const auto steps = confirmSteps();
    const auto it = std::ranges::find(steps, step, &ConfirmStepInfo::step);
    EXPECT_NE(it, steps.end()) << static_cast<int>(step);
    return static_cast<std::size_t>(it - steps.begin());
}

TEST(ConfirmSteps, EveryCheckComesBeforeAnyPostAndTheServerIsToldOnlyAfterThePosts) {
    const auto steps = confirmSteps();
    for (std::size_t i = 0; i < steps.size(); ++i)
        EXPECT_EQ(static_cast<std::size_t>(steps[i].step), i) << steps[i].name << " is run once, in place";
    const std::size_t posts = positionOf(PostDataSets);
    for (ConfirmStep check :
         {MasterFirstPass, AddressFirstPass, ContactFirstPass, MasterLookups, MasterSecondPass,
          AddressSecondPass, ContactSecondPass, PaymentTerms, MasterValues, AdjustmentMonth, ObservationText})
        EXPECT_LT(positionOf(check), posts) << static_cast<int>(check);
    // The first pass looks filled codes up; the second requires what is mandatory.
    EXPECT_LT(positionOf(MasterFirstPass), positionOf(MasterSecondPass));
    EXPECT_LT(positionOf(AddressFirstPass), positionOf(AddressSecondPass));
    EXPECT_LT(positionOf(ContactFirstPass), positionOf(ContactSecondPass));
    // The payment form item is taken before the values, given back before the posts.
    EXPECT_LT(positionOf(PaymentFormIndex), positionOf(RestorePaymentForm));
    EXPECT_LT(positionOf(RestorePaymentForm), posts);
    // Payment-term removal and the terms' log go after every post and after the prospect's transfer.
    EXPECT_GT(positionOf(SendTermsAndMessages), positionOf(ProspectTransfer));
    EXPECT_GT(positionOf(ProspectTransfer), posts);
    EXPECT_EQ(positionOf(Reposition), steps.size() - 1);
}

TEST(ConfirmSteps, TheMasterIsPostedBeforeItsAddressesAndTermsAndMessagesLast) {
    const auto order = postOrder();
    const std::vector<std::string_view> posts(order.begin(), order.end());
    const auto at = [&posts](std::string_view name) {
        return std::ranges::find(posts, name) - posts.begin();
    };
    EXPECT_EQ(posts.size(), 10u);
    EXPECT_LT(at("cdsCliente"), at("cdsEndeClieNorm"));
    for (std::string_view address : {"cdsEndeClieCobr", "cdsEndeExt", "cdsEndeExp", "cdsEndEntrega"})
        EXPECT_LT(at("cdsCliente"), at(address)) << address;
    EXPECT_EQ(posts[posts.size() - 2], "cdsPrazoPgtoClie");
    EXPECT_EQ(posts.back(), "cdsMensCliente");
}

TEST(ConfirmSteps, FreightItemsGiveTheirCodesAndAnyOtherNoTransport) {
    EXPECT_EQ(freightCode(0), "0");
    EXPECT_EQ(freightCode(4), "4");
    EXPECT_EQ(freightCode(5), "9");
    EXPECT_EQ(freightCode(-1), "9");
    EXPECT_EQ(freightCode(12), "9");
}

class FineAndInterest : public ::testing::Test {
protected:
    void SetUp() override {
        master.AddField(FieldSpec("VRPEMULBCLI", FieldType::Float));
        master.AddField(FieldSpec("VRPEMORBCLI", FieldType::Float));
        master.CreateDataSet();
        master.Append();
    }
    Field& fine() { return master.FieldByName("VRPEMULBCLI"); }
    Field& interest() { return master.FieldByName("VRPEMORBCLI"); }
    ClientDataSet master{"cdsCliente"};
};

TEST_F(FineAndInterest, TheEmptyOneOfThePairBecomesZero) {
    fine().SetAsFloat(2);
    completeFineAndInterest(master);
    EXPECT_FALSE(interest().IsNull());
    EXPECT_DOUBLE_EQ(interest().AsFloat(), 0);
    EXPECT_DOUBLE_EQ(fine().AsFloat(), 2);

    master.Cancel();
    master.Append();
    interest().SetAsFloat(0.5);
    completeFineAndInterest(master);
    EXPECT_FALSE(fine().IsNull());
    EXPECT_DOUBLE_EQ(fine().AsFloat(), 0);
}

TEST_F(FineAndInterest, BothEmptyOrBothFilledAreLeftAlone) {
    completeFineAndInterest(master);
    EXPECT_TRUE(fine().IsNull());
    EXPECT_TRUE(interest().IsNull());
    fine().SetAsFloat(1);
    interest().SetAsFloat(3);
    completeFineAndInterest(master);
    EXPECT_DOUBLE_EQ(fine().AsFloat(), 1);
    EXPECT_DOUBLE_EQ(interest().AsFloat(), 3);
}

} // namespace
} // namespace vq::customer

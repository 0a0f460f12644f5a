// GetCliente's sixteen arguments: their order, their "all" encoding and the reading of what a client sent.

#include "contract/customer_filter.h"
#include "platform/data/error.h"

#include <gtest/gtest.h>

namespace vq::contract {
namespace {

TEST(CustomerFilterArgs, EveryCriterionAllByDefault) {
    VariantArray expected;
    for (int i = 0; i < 8; ++i)
        expected.insert(expected.end(), {Variant(""), Variant("T")});
    EXPECT_EQ(toArgs(CustomerFilter{}), expected);
}

TEST(CustomerFilterArgs, PairsFollowTheMethodsOrder) {
    CustomerFilter f;
    f.customer = {false, "_C_"};
    f.activityBranch = {false, "_R_"};
    f.country = {false, "_P_"};
    f.state = {false, "_E_"};
    f.segment = {false, "_S_"};
    f.origin = {false, "_O_"};
    f.qualification = {false, "_Q_"};
    f.municipality = {false, "_M_"};
    const VariantArray args = toArgs(f);
    ASSERT_EQ(args.size(), 16u);
    const char* lists[] = {"_C_", "_R_", "_P_", "_E_", "_S_", "_O_", "_Q_", "_M_"};
    for (std::size_t i = 0; i < 8; ++i) {
        EXPECT_EQ(args[2 * i], Variant(lists[i])) << i;
        EXPECT_EQ(args[2 * i + 1], Variant("")) << i;
    }
    EXPECT_EQ(customerFilterFromArgs(args), f);
}

TEST(CustomerFilterArgs, AllDropsTheListAndAnEmptyListStaysAList) {
    CustomerFilter f;
    f.state = {true, "_SP_"};
    f.origin = {false, ""};
    const VariantArray args = toArgs(f);
    EXPECT_EQ(args[6], Variant(""));
    EXPECT_EQ(args[7], Variant("T"));
    EXPECT_EQ(args[10], Variant(""));
    EXPECT_EQ(args[11], Variant(""));
    const CustomerFilter back = customerFilterFromArgs(args);
    EXPECT_EQ(back.state, (FilterCriterion{true, ""}));
    EXPECT_EQ(back.origin, (FilterCriterion{false, ""}));
}

TEST(CustomerFilterArgs, ReadingWhatAClientSent) {
    VariantArray args = toArgs(CustomerFilter{});
    args[1] = Variant(" t "); // a padded switch is still "all"
    args[4] = Variant("_0032_");
    args[5] = Variant(); // a null switch is no switch
    const CustomerFilter f = customerFilterFromArgs(args);
    EXPECT_TRUE(f.customer.all);
    EXPECT_EQ(f.country, (FilterCriterion{false, "_0032_"}));

    args.pop_back();
    EXPECT_THROW(customerFilterFromArgs(args), Error);
    EXPECT_THROW(customerFilterFromArgs({}), Error);
}

} // namespace
} // namespace vq::contract

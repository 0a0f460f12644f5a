// The payment concern's Qt-free rules: the adjustment month, the terms' sum and days, the validity limits
// and the key filters.

#include "customer/payment_rules.h"

#include <gtest/gtest.h>
#include <vector>

namespace vq::customer {
namespace {

TEST(AdjustmentMonth, StoredCodesReadAsMonthNamesAndItemsStoreTwoDigits) {
    EXPECT_EQ(adjustmentMonthName("01"), "Janeiro");
    EXPECT_EQ(adjustmentMonthName("03"), "Março");
    EXPECT_EQ(adjustmentMonthName("12"), "Dezembro");
    for (std::string_view other : {"", "00", "13", "1", " 1", "1 ", "ab", "001"})
        EXPECT_EQ(adjustmentMonthName(other), "") << other;
    EXPECT_EQ(adjustmentMonthCode(0), "01");
    EXPECT_EQ(adjustmentMonthCode(9), "10");
    EXPECT_EQ(adjustmentMonthCode(11), "12");
    EXPECT_EQ(adjustmentMonthCode(-1), "");
    EXPECT_EQ(adjustmentMonthCode(12), "");
    // Both ways agree for every item.
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(adjustmentMonthName(adjustmentMonthCode(i)),
                  adjustmentMonthNames()[static_cast<std::size_t>(i)]);
}

TEST(TermPercentages, SumsWithinAMillionthOfAHundredAreComplete) {
    // The decimal fractions do not add up exactly in double precision.
    const std::vector<double> thirds{10.1, 66.6, 23.3};
    EXPECT_NE(10.1 + 66.6 + 23.3, 100.0);
    EXPECT_TRUE(percentagesComplete(thirds));
    EXPECT_TRUE(percentagesComplete(std::vector<double>{50, 50}));
    EXPECT_TRUE(percentagesComplete(std::vector<double>{100}));
    EXPECT_FALSE(percentagesComplete(std::vector<double>{50, 49.99}));
    EXPECT_FALSE(percentagesComplete(std::vector<double>{50, 50.01}));
    EXPECT_FALSE(percentagesComplete(std::vector<double>{}));
    EXPECT_FALSE(percentagesComplete(std::vector<double>{99.99999}));
}

TEST(TermPercentages, OneTermIsAboveZeroAndAtMostAHundred) {
    EXPECT_EQ(percentFault(0), PercentFault::NotAboveZero);
    EXPECT_EQ(percentFault(-1), PercentFault::NotAboveZero);
    EXPECT_EQ(percentFault(0.01), PercentFault::None);
    EXPECT_EQ(percentFault(100), PercentFault::None);
    EXPECT_EQ(percentFault(100.01), PercentFault::AboveHundred);
}

TEST(TermDays, ADayIsTakenOnlyWhenAnotherTermHasIt) {
    const std::vector<double> others{0, 30, 60};
    EXPECT_TRUE(dayTaken(others, 30));
    EXPECT_TRUE(dayTaken(others, 0));
    EXPECT_FALSE(dayTaken(others, 90));
    EXPECT_FALSE(dayTaken(others, 30.5));
    EXPECT_FALSE(dayTaken(std::vector<double>{}, 30));
}

TEST(CollectionRates, FineAndInterestRunFromZeroToAHundred) {
    EXPECT_EQ(collectionRateFault(0), RangeFault::None);
    EXPECT_EQ(collectionRateFault(100), RangeFault::None);
    EXPECT_EQ(collectionRateFault(100.01), RangeFault::Above);
    EXPECT_EQ(collectionRateFault(-0.01), RangeFault::Below);
}

TEST(Validity, DaysAndDateReachAtMost180DaysAhead) {
    EXPECT_FALSE(validityDaysTooMany(180));
    EXPECT_TRUE(validityDaysTooMany(181));
    const DateTime today = makeDateTime(CivilDate{2026, 12, 7}, CivilTime{15, 30});
    EXPECT_FALSE(validityDateTooLate(makeDateTime(CivilDate{2027, 6, 5}), today)); // +180
    EXPECT_TRUE(validityDateTooLate(makeDateTime(CivilDate{2027, 6, 6}), today));  // +181
    // Compared by day: a time of day on the last day passes.
    EXPECT_FALSE(validityDateTooLate(makeDateTime(CivilDate{2027, 6, 5}, CivilTime{23, 59}), today));
    EXPECT_FALSE(validityDateTooLate(makeDateTime(CivilDate{2020, 1, 1}), today));
}

TEST(KeyFilters, TermsMonthsOfDefaultAndModality) {
    // The days column drops only the comma; the other columns take controls, 37 to 40, comma and digits.
    EXPECT_FALSE(termKeyAccepted(u',', true));
    EXPECT_TRUE(termKeyAccepted(u'5', true));
    EXPECT_TRUE(termKeyAccepted(u'a', true));
    EXPECT_TRUE(termKeyAccepted(u',', false));
    for (char16_t k : {char16_t{8}, char16_t{9}, char16_t{13}, u'%', u'&', u'\'', u'(', u'0', u'9'})
        EXPECT_TRUE(termKeyAccepted(k, false)) << static_cast<int>(k);
    for (char16_t k : {u'a', u'.', u')', u'-', u' '})
        EXPECT_FALSE(termKeyAccepted(k, false)) << static_cast<int>(k);
    EXPECT_TRUE(defaultMonthsKeyAccepted(u'('));
    EXPECT_TRUE(defaultMonthsKeyAccepted(u'7'));
    EXPECT_FALSE(defaultMonthsKeyAccepted(u','));
    EXPECT_FALSE(defaultMonthsKeyAccepted(u'x'));
    EXPECT_TRUE(modalityKeyAccepted(8));
    EXPECT_TRUE(modalityKeyAccepted(u'3'));
    EXPECT_FALSE(modalityKeyAccepted(9));
    EXPECT_FALSE(modalityKeyAccepted(u'a'));
}

} // namespace
} // namespace vq::customer

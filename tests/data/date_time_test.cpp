#include "platform/data/date_time.h"

#include <gtest/gtest.h>

#include <limits>

using namespace vq;

TEST(DateTime, EpochAndKnownDays) {
    EXPECT_EQ(daysFromCivil({1899, 12, 30}), 0);
    EXPECT_EQ(daysFromCivil({1900, 1, 1}), 2);
    EXPECT_EQ(daysFromCivil({2026, 12, 7}), 46363);
    EXPECT_EQ(civilFromDays(46363), (CivilDate{2026, 12, 7}));
    EXPECT_EQ(civilFromDays(-1), (CivilDate{1899, 12, 29}));
    for (std::int64_t d = -800000; d < 3000000; d += 997)
        EXPECT_EQ(daysFromCivil(civilFromDays(d)), d);
}

TEST(DateTime, TimeFractionRoundTripsAndRollsOver) {
    const DateTime dt = makeDateTime({2024, 2, 29}, {23, 59, 58, 500});
    const CivilTime t = timePart(dt);
    EXPECT_EQ(datePart(dt), (CivilDate{2024, 2, 29}));
    EXPECT_EQ(t.hour, 23);
    EXPECT_EQ(t.minute, 59);
    EXPECT_EQ(t.second, 58);
    EXPECT_EQ(t.millisecond, 500);
    const DateTime almostMidnight{daysFromCivil({2024, 2, 29}) + 0.99999999999};
    EXPECT_EQ(datePart(almostMidnight), (CivilDate{2024, 3, 1}));
    EXPECT_EQ(timePart(almostMidnight).hour, 0);
}

TEST(DateTime, Validity) {
    EXPECT_TRUE(isValidCivilDate({2024, 2, 29}));
    EXPECT_FALSE(isValidCivilDate({2023, 2, 29}));
    EXPECT_FALSE(isValidCivilDate({1900, 2, 29}));
    EXPECT_TRUE(isValidCivilDate({2000, 2, 29}));
    EXPECT_FALSE(isValidCivilDate({2024, 13, 1}));
    EXPECT_FALSE(isValidCivilDate({2024, 4, 31}));
    EXPECT_FALSE(isValidCivilDate({0, 1, 1}));
}

TEST(DateTime, OutOfCalendarValuesReadAsZeroDate) {
    for (double d : {1.3e166, -1e300, std::numeric_limits<double>::quiet_NaN(), 2958466.0, -693594.0}) {
        EXPECT_EQ(datePart(DateTime{d}), (CivilDate{1899, 12, 30})) << d;
        EXPECT_EQ(timePart(DateTime{d}).hour, 0) << d;
    }
    EXPECT_EQ(datePart(DateTime{2958465.5}), (CivilDate{9999, 12, 31}));
    EXPECT_EQ(datePart(DateTime{-693593.0}), (CivilDate{1, 1, 1}));
}

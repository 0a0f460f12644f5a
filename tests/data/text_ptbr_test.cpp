#include "platform/data/text_ptbr.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <random>

using namespace vq;

TEST(TextPtBr, FormatsNumbersWithDecimalComma) {
    EXPECT_EQ(formatNumber(1234.5), "1234,5");
    EXPECT_EQ(formatNumber(-0.001), "-0,001");
    EXPECT_EQ(formatNumber(0.1), "0,1");
    EXPECT_EQ(formatNumber(100), "100");
    EXPECT_EQ(formatNumber(0.30000000000000004), "0,30000000000000004");
    EXPECT_EQ(formatNumber(123456789012345.0), "123456789012345");
    EXPECT_EQ(formatNumber(1e15), "1E15");
    EXPECT_EQ(formatNumber(-1.5e20), "-1,5E20");
    EXPECT_EQ(formatNumber(1.5e-7), "1,5E-7");
    EXPECT_EQ(formatNumber(0.00001), "0,00001");
    EXPECT_EQ(formatNumber(-0.0), "0");
    EXPECT_EQ(formatNumber(std::numeric_limits<double>::quiet_NaN()), "NAN");
    EXPECT_EQ(formatNumber(-std::numeric_limits<double>::infinity()), "-INF");
}

TEST(TextPtBr, NumbersRoundTrip) {
    std::mt19937_64 gen(42);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-30, 30);
    for (int i = 0; i < 2000; ++i) {
        const double v = mantissa(gen) * std::pow(10.0, exponent(gen));
        const auto back = parseNumber(formatNumber(v));
        ASSERT_TRUE(back) << formatNumber(v);
        EXPECT_EQ(*back, v) << formatNumber(v);
    }
    for (double v : {std::numeric_limits<double>::max(), std::numeric_limits<double>::denorm_min(), 5e-324})
        EXPECT_EQ(parseNumber(formatNumber(v)), v);
}

TEST(TextPtBr, ParsesTypedNumbers) {
    EXPECT_EQ(parseNumber("1234,5"), 1234.5);
    EXPECT_EQ(parseNumber(" -1,5 "), -1.5);
    EXPECT_EQ(parseNumber("+2"), 2.0);
    EXPECT_EQ(parseNumber(",5"), 0.5);
    EXPECT_EQ(parseNumber("5,"), 5.0);
    EXPECT_EQ(parseNumber("1E20"), 1e20);
    EXPECT_EQ(parseNumber("1,5e-3"), 0.0015);
    for (const char* bad : {"1.234", "1.234,5", "1.5", "1,2,3", "abc", "", " ", "-", ",", "1e", "1e+", "NaN",
                            "inf", "1e999", "12a", "1 2", "--1", "+-1", "R$ 5"})
        EXPECT_FALSE(parseNumber(bad)) << bad;
}

TEST(TextPtBr, ParsesIntegersWithinRange) {
    EXPECT_EQ(parseInteger("42"), 42);
    EXPECT_EQ(parseInteger(" -7 "), -7);
    EXPECT_EQ(parseInteger("+3"), 3);
    EXPECT_EQ(parseInteger("9223372036854775807"), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(parseInteger("-9223372036854775808"), std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(parseInteger("255", 0, 255), 255);
    EXPECT_FALSE(parseInteger("256", 0, 255));
    EXPECT_FALSE(parseInteger("-1", 0, 255));
    for (const char* bad : {"9223372036854775808", "1.000", "1,0", "", "-", "+", "+-1", "-+1", "1e3", "0x10"})
        EXPECT_FALSE(parseInteger(bad)) << bad;
}

TEST(TextPtBr, FormatsDatesAndTimes) {
    EXPECT_EQ(formatDate(makeDateTime({2026, 12, 7})), "07/12/2026");
    EXPECT_EQ(formatDate(makeDateTime({1, 1, 1})), "01/01/0001");
    EXPECT_EQ(formatDate(DateTime{0}), "");
    EXPECT_EQ(formatDateTime(DateTime{0}), "");
    EXPECT_EQ(formatDateTime(makeDateTime({2024, 2, 29}, {13, 5, 9})), "29/02/2024 13:05:09");
    EXPECT_EQ(formatDateTime(makeDateTime({1899, 12, 29}, {12, 0, 0})), "29/12/1899 12:00:00");
    EXPECT_EQ(formatTime(makeDateTime({2024, 2, 29}, {8, 0, 1})), "08:00:01");
    EXPECT_EQ(formatTime(DateTime{0}), "00:00:00");
    EXPECT_EQ(formatDate(DateTime{std::numeric_limits<double>::quiet_NaN()}), "");
    EXPECT_EQ(formatDate(DateTime{1e12}), "");
    EXPECT_EQ(formatDateTime(DateTime{-1e300}), "");
    EXPECT_EQ(formatTime(DateTime{std::numeric_limits<double>::infinity()}), "");
}

TEST(TextPtBr, ParsesDatesCheckingTheCalendar) {
    EXPECT_EQ(parseDate("07/12/2026"), makeDateTime({2026, 12, 7}));
    EXPECT_EQ(parseDate(" 7/1/2026 "), makeDateTime({2026, 1, 7}));
    EXPECT_EQ(parseDate("29/02/2024"), makeDateTime({2024, 2, 29}));
    EXPECT_EQ(parseDate("07/12/26"), makeDateTime({2026, 12, 7}));
    EXPECT_EQ(parseDate("07/12/49"), makeDateTime({2049, 12, 7}));
    EXPECT_EQ(parseDate("07/12/75"), makeDateTime({1975, 12, 7}));
    for (const char* bad : {"31/02/2024", "29/02/2023", "00/12/2026", "07/13/2026", "07/12/026", "07-12-2026",
                            "", "07/12/2026x", "123/12/2026", "07/12/20261", "07/12/0000", "07/12"})
        EXPECT_FALSE(parseDate(bad)) << bad;
}

TEST(TextPtBr, ParsesDateTimesAndTimes) {
    EXPECT_EQ(parseDateTime("07/12/2026 13:05:09"), makeDateTime({2026, 12, 7}, {13, 5, 9}));
    EXPECT_EQ(parseDateTime("07/12/2026  13:05"), makeDateTime({2026, 12, 7}, {13, 5}));
    EXPECT_EQ(parseDateTime("07/12/2026"), makeDateTime({2026, 12, 7}));
    for (const char* bad : {"07/12/202613:05", "07/12/2026 24:00:00", "07/12/2026 23:60",
                            "07/12/2026 10:00:61", "07/12/2026 10", "31/04/2026 10:00"})
        EXPECT_FALSE(parseDateTime(bad)) << bad;
    EXPECT_EQ(parseTime("08:30"), makeDateTime({}, {8, 30}));
    EXPECT_EQ(parseTime("8:30:15"), makeDateTime({}, {8, 30, 15}));
    EXPECT_FALSE(parseTime("08:3"));
    EXPECT_FALSE(parseTime("25:00"));
    for (const char* text : {"01/01/0001 00:00:00", "29/12/1899 12:00:00", "31/12/9999 23:59:59"})
        EXPECT_EQ(formatDateTime(*parseDateTime(text)), text);
}

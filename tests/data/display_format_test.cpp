#include "platform/data/display_format.h"

#include <gtest/gtest.h>
#include <limits>

using namespace vq;

TEST(DisplayFormat, DocumentedExamples) {
    EXPECT_EQ(formatFloat("#,##0.00", 1234567.891), "1.234.567,89");
    EXPECT_EQ(formatFloat("#0.00 %", 1234567.891), "1234567,89 %");
    EXPECT_EQ(formatFloat("#,##0.00", -1234.5), "-1.234,50");
    EXPECT_EQ(formatFloat("#,##0.00", 0), "0,00");
    EXPECT_EQ(formatFloat("#,##0.00", 0.125), "0,13");
}

TEST(DisplayFormat, RoundsHalfAwayFromZeroOnTheShownDigits) {
    EXPECT_EQ(formatFloat("#,##0.00", -0.125), "-0,13");
    EXPECT_EQ(formatFloat("0.00", 2.675), "2,68");
    EXPECT_EQ(formatFloat("0.00", 1.005), "1,01");
    EXPECT_EQ(formatFloat("0.00", 9.995), "10,00");
    EXPECT_EQ(formatFloat("#,##0.00", 999999.995), "1.000.000,00");
    EXPECT_EQ(formatFloat("0", 2.5), "3");
    EXPECT_EQ(formatFloat("0", -2.5), "-3");
    EXPECT_EQ(formatFloat("0.00", 0.004), "0,00");
    EXPECT_EQ(formatFloat("0.00", 0.005), "0,01");
    EXPECT_EQ(formatFloat("0.00", 1e-300), "0,00");
}

TEST(DisplayFormat, PlaceholdersAndGrouping) {
    EXPECT_EQ(formatFloat("0.##", 1), "1");
    EXPECT_EQ(formatFloat("0.##", 1.5), "1,5");
    EXPECT_EQ(formatFloat("0.0#", 1.256), "1,26");
    EXPECT_EQ(formatFloat("0.0#", 2), "2,0");
    EXPECT_EQ(formatFloat("#.##", 0.5), ",5");
    EXPECT_EQ(formatFloat(".00", 12.5), "12,50");
    EXPECT_EQ(formatFloat("000", 5), "005");
    EXPECT_EQ(formatFloat("00-00", 1234), "12-34");
    EXPECT_EQ(formatFloat("00-00", 123456), "1234-56");
    EXPECT_EQ(formatFloat("#,##0", 123), "123");
    EXPECT_EQ(formatFloat("#,##0", 1000), "1.000");
    EXPECT_EQ(formatFloat("#,##0", 1234567890), "1.234.567.890");
    EXPECT_EQ(formatFloat("#,##0", 1e20), "100.000.000.000.000.000.000");
    EXPECT_EQ(formatFloat("0.00,", 1234.5), "1234,50"); // a comma after the point does not group
}

TEST(DisplayFormat, SectionsAndLiterals) {
    const char* f = "#,##0.00;(#,##0.00);'zero'";
    EXPECT_EQ(formatFloat(f, 1234.5), "1.234,50");
    EXPECT_EQ(formatFloat(f, -5), "(5,00)");
    EXPECT_EQ(formatFloat(f, 0), "zero");
    EXPECT_EQ(formatFloat(f, -0.001), "zero");
    // Rounded to zero never shows a minus sign.
    EXPECT_EQ(formatFloat("0.00;(0.00)", -0.001), "0,00");
    EXPECT_EQ(formatFloat("0.00", -0.001), "0,00");
    EXPECT_EQ(formatFloat("0.00;;'nada'", -2), "-2,00");
    EXPECT_EQ(formatFloat("'R$ '#,##0.00", 1234.5), "R$ 1.234,50");
    EXPECT_EQ(formatFloat("'R$ '#,##0.00", -1234.5), "-R$ 1.234,50");
    EXPECT_EQ(formatFloat("\"US$\" 0", 5), "US$ 5");
    EXPECT_EQ(formatFloat("'a;b' 0", 5), "a;b 5");
    EXPECT_EQ(formatFloat("0 %", 12), "12 %");
    EXPECT_EQ(formatFloat("0 'unid.'", 3), "3 unid.");
}

TEST(DisplayFormat, EmptyFormatAndSpecialValues) {
    EXPECT_EQ(formatFloat("", 1234.5), "1234,5");
    EXPECT_EQ(formatFloat("", -0.25), "-0,25");
    EXPECT_EQ(formatFloat("#,##0.00", std::numeric_limits<double>::quiet_NaN()), "NAN");
    EXPECT_EQ(formatFloat("#,##0.00", std::numeric_limits<double>::infinity()), "INF");
    EXPECT_EQ(formatFloat("#,##0.00", -std::numeric_limits<double>::infinity()), "-INF");
    EXPECT_EQ(formatFloat("#,##0.00", std::numeric_limits<double>::max()).size(), 414u);
}

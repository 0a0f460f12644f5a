#include "framework/validation/consiste.h"

#include <gtest/gtest.h>

using namespace vq::Consiste;

TEST(ConsisteText, BlanksAndTrim) {
    EXPECT_TRUE(EmptyString(""));
    EXPECT_TRUE(EmptyString(" \t\r\n\v\f"));
    EXPECT_FALSE(EmptyString(" x "));
    EXPECT_FALSE(EmptyString(std::string_view("\0", 1))); // NUL is a character, not a blank
    EXPECT_FALSE(EmptyString("\xC2\xA0"));                // nor is a no-break space

    EXPECT_EQ(AllTrim("  a b \t\n"), "a b");
    EXPECT_EQ(AllTrim("   "), "");
    EXPECT_EQ(AllTrim(""), "");
    EXPECT_EQ(AllTrim(" \xC3\xA7 "), "\xC3\xA7"); // UTF-8 text survives untouched
}

TEST(ConsisteText, AjustaPadsNumericCodes) {
    EXPECT_EQ(Ajusta("1", 2), "01");
    EXPECT_EQ(Ajusta(" 7 ", 4), "0007");
    EXPECT_EQ(Ajusta("12", 2), "12");
    EXPECT_EQ(Ajusta("0", 3), "000");
    // Surplus leading zeros go, since they do not change the code.
    EXPECT_EQ(Ajusta("007", 2), "07");
    EXPECT_EQ(Ajusta("0000", 2), "00");
}

TEST(ConsisteText, AjustaKeepsOtherCodesAsTyped) {
    EXPECT_EQ(Ajusta(" ab ", 4), "ab");
    EXPECT_EQ(Ajusta("A1", 2), "A1");
    EXPECT_EQ(Ajusta("1 2", 4), "1 2");
    EXPECT_EQ(Ajusta("-1", 3), "-1");
    EXPECT_EQ(Ajusta("", 3), "");
    EXPECT_EQ(Ajusta("   ", 3), "");
}

TEST(ConsisteText, AjustaNeverCutsALongCode) {
    EXPECT_EQ(Ajusta("123", 2), "123");
    EXPECT_EQ(Ajusta("000123", 2), "123");
    EXPECT_EQ(Ajusta("ABC", 2), "ABC");
    EXPECT_EQ(Ajusta("12", 0), "12");
    EXPECT_EQ(Ajusta("12", -5), "12");
}

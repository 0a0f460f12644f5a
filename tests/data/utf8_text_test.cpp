#include "platform/data/utf8_text.h"

#include <gtest/gtest.h>

using namespace vq;

TEST(Utf8Text, DecodeEncodeAndLength) {
    const std::string text = "ação €𝄞";
    EXPECT_EQ(utf8::decode(text).size(), 7u);
    EXPECT_EQ(utf8::encode(utf8::decode(text)), text);
    EXPECT_EQ(utf8::decode("ç"), U"ç");
    // Truncated, overlong, surrogate and stray continuation bytes become one U+FFFD per bad byte.
    EXPECT_EQ(utf8::decode("a\xC3"), U"a\uFFFD");
    EXPECT_EQ(utf8::decode("\xC0\xAF"), U"\uFFFD\uFFFD");
    EXPECT_EQ(utf8::decode("\xED\xA0\x80"), U"\uFFFD\uFFFD\uFFFD");
    EXPECT_EQ(utf8::decode("\x80x"), U"\uFFFDx");
    EXPECT_EQ(utf8::encode(std::u32string(1, char32_t{0xD800})), "\xEF\xBF\xBD");
}

TEST(Utf8Text, LettersAndCase) {
    for (char32_t c : std::u32string(U"aZçÇãÃéÉñßªΩжŁ"))
        EXPECT_TRUE(utf8::isLetter(c)) << static_cast<unsigned>(c);
    for (char32_t c : std::u32string(U"0 -.×÷€º9"))
        EXPECT_EQ(utf8::isLetter(c), c == U'º') << static_cast<unsigned>(c);
    EXPECT_TRUE(utf8::isDigit(U'7'));
    EXPECT_FALSE(utf8::isDigit(U'٣'));

    EXPECT_EQ(utf8::toUpper("ação são joão ü ÿ"), "AÇÃO SÃO JOÃO Ü Ÿ");
    EXPECT_EQ(utf8::toLower("AÇÃO Ÿ ŁÓDŹ ΆΣΩ ЖЁ"), "ação ÿ łódź άσω жё");
    EXPECT_EQ(utf8::toUpper("łódź άσω жё ß"), "ŁÓDŹ ΆΣΩ ЖЁ ß");
    EXPECT_EQ(utf8::toUpper(U'×'), U'×');
    EXPECT_EQ(utf8::toLower(U'÷'), U'÷');
}

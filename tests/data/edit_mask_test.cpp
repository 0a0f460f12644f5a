#include "platform/data/edit_mask.h"

#include <gtest/gtest.h>

using namespace vq;

namespace {
constexpr const char* kCpf = "000.000.000-00;0;_";
constexpr const char* kCnpj = "00.000.000/0000-00;0;_";
constexpr const char* kCep = "99.999-999;0;_";
} // namespace

TEST(EditMask, ParsesTheThreeParts) {
    const EditMask cep = parseEditMask(kCep);
    EXPECT_EQ(cep.size(), 10u);
    EXPECT_FALSE(cep.saveLiterals);
    EXPECT_EQ(cep.blank, U'_');
    EXPECT_TRUE(cep.elements[2].isLiteral());
    EXPECT_EQ(cep.elements[2].literal, U'.');

    const EditMask counts = parseEditMask("99999;1;");
    EXPECT_TRUE(counts.saveLiterals);
    EXPECT_EQ(counts.blank, U'_');
    EXPECT_EQ(parseEditMask("9999;0; ").blank, U' ');
    EXPECT_EQ(parseEditMask("9999-9/99;0;").blank, U'_');
    EXPECT_TRUE(parseEditMask("999").saveLiterals);
    EXPECT_TRUE(parseEditMask("999;x;_").saveLiterals);
    EXPECT_EQ(parseEditMask("999;0;•").blank, U'•');

    const EditMask escaped = parseEditMask("\\;99;0;*");
    ASSERT_EQ(escaped.size(), 3u);
    EXPECT_EQ(escaped.elements[0].literal, U';');
    EXPECT_EQ(escaped.blank, U'*');

    const EditMask cased = parseEditMask(">l<l<>l!");
    ASSERT_EQ(cased.size(), 3u);
    EXPECT_EQ(cased.elements[0].charCase, MaskCase::Upper);
    EXPECT_EQ(cased.elements[1].charCase, MaskCase::Lower);
    EXPECT_EQ(cased.elements[2].charCase, MaskCase::Unchanged);
    EXPECT_TRUE(cased.fillFromRight);
    EXPECT_TRUE(parseEditMask(";0; ").empty());
}

TEST(EditMask, TaxNumbersWithoutStoredLiterals) {
    EXPECT_EQ(formatMaskText(kCpf, "12345678901"), "123.456.789-01");
    EXPECT_EQ(applyMask(kCpf, "123.456.789-01"), "12345678901");
    EXPECT_EQ(applyMask(kCpf, "12345678901"), "12345678901");
    EXPECT_EQ(applyMask(kCpf, "123.456.789-0199"), "12345678901");
    EXPECT_EQ(formatMaskText(kCpf, "1234567890199"), "123.456.789-01");
    EXPECT_EQ(formatMaskText(kCpf, "123"), "123.   .   -  ");
    EXPECT_EQ(formatMaskText(kCnpj, "11222333000181"), "11.222.333/0001-81");
    EXPECT_EQ(applyMask(kCnpj, "11.222.333/0001-81"), "11222333000181");
    EXPECT_EQ(applyMask(kCnpj, "11222333000181xyz"), "11222333000181");
    // The registration-kind masks: optional-digit CPF and the alphanumeric CNPJ.
    EXPECT_EQ(formatMaskText("999.999.999-99;0;_", "12345678901"), "123.456.789-01");
    const char* cnpj = ">AA.AAA.AAA/AAAA-99;0;_";
    EXPECT_EQ(applyMask(cnpj, "12.abc.345/01de-35"), "12ABC34501DE35");
    EXPECT_EQ(formatMaskText(cnpj, "12ABC34501DE35"), "12.ABC.345/01DE-35");
    EXPECT_EQ(firstMissingPosition(parseEditMask(cnpj), "12ABC345"), 11u);
}

TEST(EditMask, TaxNumbersWithStoredLiterals) {
    const char* cpf = "000.000.000-00;1;_";
    EXPECT_EQ(applyMask(cpf, "12345678901"), "123.456.789-01");
    EXPECT_EQ(applyMask(cpf, "123.456.789-01"), "123.456.789-01");
    EXPECT_EQ(formatMaskText(cpf, "123.456.789-01"), "123.456.789-01");
    // A value saved before the mask had literals still lines up.
    EXPECT_EQ(formatMaskText(cpf, "12345678901"), "123.456.789-01");
    EXPECT_EQ(applyMask(cpf, "123.45"), "123.45");
    EXPECT_EQ(formatMaskText(cpf, "123.45"), "123.45 .   -  ");
    EXPECT_EQ(applyMask("(99);1;_", "1"), "(1");
    EXPECT_EQ(applyMask("(99);1;_", "12"), "(12)");
    EXPECT_EQ(formatMaskText("(99);1;_", "(1"), "(1 )");
    EXPECT_EQ(applyMask(cpf, ""), "");
    EXPECT_EQ(applyMask(cpf, "___.___.___-__"), "");
}

TEST(EditMask, PostalCode) {
    EXPECT_EQ(formatMaskText(kCep, "01310100"), "01.310-100");
    EXPECT_EQ(formatMaskText(kCep, "0131"), "01.31 -   ");
    EXPECT_EQ(formatMaskText(kCep, ""), "  .   -   ");
    EXPECT_EQ(applyMask(kCep, "01.310-100"), "01310100");
    EXPECT_EQ(applyMask(kCep, "01310-100"), "01310100");
    EXPECT_EQ(applyMask(kCep, "0131"), "0131");
    EXPECT_EQ(applyMask(kCep, "  .   -   "), "");
    EXPECT_EQ(applyMask(kCep, "__.___-___"), "");
    EXPECT_EQ(applyMask(kCep, "01.31_-___"), "0131");
    // A literal typed early leaves the positions before it empty, stored as spaces.
    EXPECT_EQ(applyMask(kCep, "1.234"), "1 234");
    EXPECT_EQ(maskEditText(parseEditMask(kCep), "0131"), "01.31_-___");
}

TEST(EditMask, ModuleFieldMasks) {
    EXPECT_EQ(formatMaskText("9999-9/99;0; ", "1234567"), "1234-5/67");
    EXPECT_EQ(applyMask("9999-9/99;0; ", "1234-5/67"), "1234567");
    EXPECT_EQ(formatMaskText("9999-9/99;0; ", "12"), "12  - /  ");
    EXPECT_EQ(maskEditText(parseEditMask("9999-9/99;0;"), "12"), "12__-_/__");
    EXPECT_EQ(formatMaskText("9999;0; ", "55"), "55  ");
    EXPECT_EQ(applyMask("9999;0; ", "0055"), "0055");
    EXPECT_EQ(applyMask("9999;0; ", "5a5"), "55");
    EXPECT_EQ(formatMaskText("9999-9;0; ", "12345"), "1234-5");
    EXPECT_EQ(applyMask("9999-9;0; ", "1234-5"), "12345");
    EXPECT_EQ(applyMask("99999;1;", "12"), "12");
    EXPECT_EQ(formatMaskText("99999;1;", "12"), "12   ");
    EXPECT_EQ(maskEditText(parseEditMask("99999;1;"), "12"), "12___");
    EXPECT_EQ(applyMask("999;0; ", "7"), "7");
    EXPECT_EQ(formatMaskText("999;0; ", "7"), "7  ");
    EXPECT_EQ(applyMask("99;0; ", "123"), "12");
    // Display shows the stored text as it is, even where the mask would refuse it.
    EXPECT_EQ(formatMaskText("999;0; ", "1x"), "1x ");
}

TEST(EditMask, CaseConversionAndLetters) {
    EXPECT_EQ(applyMask(">ll;0; ", "sp"), "SP");
    EXPECT_EQ(applyMask(">ll;0; ", "s1p"), "SP");
    EXPECT_EQ(applyMask(">ll;0; ", "são"), "SÃ");
    EXPECT_EQ(formatMaskText(">ll;0; ", "sp"), "sp");
    EXPECT_EQ(applyMask(">aaa;0; ", "a1b"), "A1B");
    EXPECT_EQ(applyMask(">aaa;0; ", "ç-1"), "Ç1");
    EXPECT_EQ(applyMask("<LLL;0;_", "ÁÉÎ"), "áéî");
    EXPECT_EQ(applyMask(">L<L<>L;0;_", "abC"), "AbC");
    EXPECT_EQ(applyMask("CCC;0;_", "a b"), "a b");
}

TEST(EditMask, EscapedLiteralsAndUnicodeLiterals) {
    EXPECT_EQ(formatMaskText("\\A-999;0;_", "123"), "A-123");
    EXPECT_EQ(applyMask("\\A-999;0;_", "A-123"), "123");
    EXPECT_EQ(applyMask("\\A99;1;_", "12"), "A12");
    EXPECT_EQ(formatMaskText("\\\\9;0;_", "5"), "\\5");
    EXPECT_EQ(formatMaskText("99º;1;_", "12"), "12º");
    EXPECT_EQ(applyMask("99º;1;_", "12º"), "12º");
    EXPECT_EQ(maskEditText(parseEditMask("999;0;•"), ""), "•••");
}

TEST(EditMask, FillFromTheRight) {
    EXPECT_EQ(applyMask("!999;0; ", "5"), "  5");
    EXPECT_EQ(formatMaskText("!999;0; ", "5"), "  5");
    EXPECT_EQ(formatMaskText("!999;0; ", "12345"), "345");
    EXPECT_EQ(maskEditText(parseEditMask("!999;0;_"), "5"), "__5");
    EXPECT_EQ(applyMask("!99/99;1;_", "1/2"), " 1/ 2");
    // Empty positions on the right stay, so the value does not move when shown again.
    const EditMask right = parseEditMask("!999;0;_");
    EXPECT_EQ(applyMask(right, "5__"), "5  ");
    EXPECT_EQ(maskEditText(right, "5  "), "5__");
}

TEST(EditMask, EmptyMaskLeavesTextAlone) {
    EXPECT_EQ(formatMaskText("", "abc"), "abc");
    EXPECT_EQ(applyMask(";0; ", "x.y"), "x.y");
    EXPECT_TRUE(maskComplete("", "x"));
}

TEST(EditMask, RequiredPositions) {
    const EditMask cpf = parseEditMask(kCpf);
    EXPECT_EQ(firstMissingPosition(cpf, "123456"), 8u);
    EXPECT_EQ(firstMissingPosition(cpf, "123.456.789-0_"), 13u);
    EXPECT_FALSE(firstMissingPosition(cpf, "123.456.789-01"));
    EXPECT_TRUE(maskComplete(kCpf, "12345678901"));
    EXPECT_FALSE(maskComplete(kCpf, "1234567890"));
    // Nothing typed at all: whether that is allowed is the field's Required rule.
    EXPECT_TRUE(maskComplete(kCpf, ""));
    EXPECT_TRUE(maskComplete(kCpf, "___.___.___-__"));
    EXPECT_TRUE(maskComplete(kCep, "1"));
    EXPECT_EQ(firstMissingPosition(parseEditMask("LL-00;0;_"), "A"), 1u);
}

TEST(EditMask, EditingHelpers) {
    const EditMask cpf = parseEditMask(kCpf);
    EXPECT_EQ(maskEditText(cpf, ""), "___.___.___-__");
    EXPECT_EQ(nextEditablePosition(cpf, 0), 0u);
    EXPECT_EQ(nextEditablePosition(cpf, 3), 4u);
    EXPECT_EQ(nextEditablePosition(cpf, 11), 12u);
    EXPECT_FALSE(nextEditablePosition(cpf, 14));
    EXPECT_EQ(previousEditablePosition(cpf, 4), 2u);
    EXPECT_EQ(previousEditablePosition(cpf, 100), 13u);
    EXPECT_FALSE(previousEditablePosition(cpf, 0));

    EXPECT_EQ(acceptMaskChar(cpf, 0, U'7'), U'7');
    EXPECT_FALSE(acceptMaskChar(cpf, 0, U'x'));
    EXPECT_FALSE(acceptMaskChar(cpf, 3, U'.'));
    EXPECT_FALSE(acceptMaskChar(cpf, 99, U'1'));
    const EditMask state = parseEditMask(">ll;0; ");
    EXPECT_EQ(acceptMaskChar(state, 1, U'ç'), U'Ç');
    EXPECT_FALSE(acceptMaskChar(state, 1, U'1'));
    EXPECT_EQ(acceptMaskChar(parseEditMask("#"), 0, U'-'), U'-');
    EXPECT_FALSE(acceptMaskChar(parseEditMask("C"), 0, U'\n'));
    // The edit text goes back through applyMask unchanged in meaning.
    EXPECT_EQ(applyMask(cpf, maskEditText(cpf, "123456")), "123456");
}

TEST(EditMask, MalformedUtf8DoesNotBreakTheLayout) {
    EXPECT_EQ(applyMask("999;0;_", "\xff"
                                   "1\xc3"),
              "1");
    EXPECT_EQ(formatMaskText("CC;0;_", "\xc3"), "\xEF\xBF\xBD ");
}

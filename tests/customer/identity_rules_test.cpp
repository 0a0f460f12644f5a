// The registration edits' exit and kind rules over the public tax-number vectors, the key filters and the
// placeholder text.

#include "customer/identity_rules.h"
#include "framework/validation/consiste.h"
#include "tests/framework_validation/test_vectors.h"

#include <gtest/gtest.h>

namespace vq::customer {
namespace {

using testing::readVectors;

std::string upperAscii(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return s;
}

bool hasLetter(std::string_view s) {
    for (char c : s)
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))
            return true;
    return false;
}

TEST(IdentityRules, AlphanumericCnpjKeepsItsLettersAndAnInvalidOneIsRefused) {
    int alphanumeric = 0;
    for (const auto& line : readVectors("tax_ids.tsv")) {
        const std::string& kind = line.fields.at(0);
        const std::string& value = line.fields.at(1);
        const bool valid = line.fields.at(2) == "valid";
        SCOPED_TRACE(kind + " '" + value + "' line " + std::to_string(line.lineNumber));
        // Typed as the key filters let it through: letters upper-cased, other signs dropped.
        std::string typed;
        for (char c : value) {
            const char16_t k = registrationKey(static_cast<unsigned char>(c), RegistrationEdit::Issuing);
            if (k != 0)
                typed.push_back(static_cast<char>(k));
        }
        if (kind == "CNPJ-ALFA") {
            const std::string compact = compactRegistration(upperAscii(value));
            if (!alphanumericCnpjShape(compact))
                continue;
            ++alphanumeric;
            // Leaving the issuing edit keeps a CNPJ-shaped text whole.
            EXPECT_EQ(issuingRegistrationOnExit(upperAscii(value)), upperAscii(value));
            for (RegistrationEdit edit : {RegistrationEdit::Code, RegistrationEdit::Issuing}) {
                const auto reg = classifyRegistration(upperAscii(value), edit);
                if (valid) {
                    ASSERT_TRUE(reg.has_value());
                    EXPECT_EQ(reg->kind, 'J');
                    EXPECT_EQ(reg->number, compact);
                } else {
                    EXPECT_FALSE(reg.has_value());
                }
            }
            EXPECT_EQ(typed, compact);
        } else if (!hasLetter(value)) {
            // Numbers without letters: the exit strips as before, and the kind is the framework's.
            const std::string stripped = issuingRegistrationOnExit(value);
            std::string framework = "C" + stripped;
            const char expected = Consiste::Ajusta_Inscricao(framework);
            const auto reg = classifyRegistration(stripped, RegistrationEdit::Issuing);
            ASSERT_TRUE(reg.has_value());
            EXPECT_EQ(reg->kind, expected);
            if (valid) {
                EXPECT_EQ(reg->kind, kind == "CPF" ? 'F' : 'J');
            } else if (stripped == compactRegistration(value)) { // signs like "!" are stripped away
                EXPECT_NE(reg->kind, kind == "CPF" ? 'F' : 'J');
            }
        }
    }
    EXPECT_GE(alphanumeric, 10);
}

TEST(IdentityRules, LettersThatAreNoCnpj) {
    // The code edit refuses any lettered number that is no valid CNPJ; the issuing one only a CNPJ-shaped
    // one.
    EXPECT_FALSE(classifyRegistration("ABC123", RegistrationEdit::Code).has_value());
    const auto free = classifyRegistration("ABC123", RegistrationEdit::Issuing);
    ASSERT_TRUE(free.has_value());
    EXPECT_EQ(free->kind, 'O');
    EXPECT_FALSE(classifyRegistration("12ABC34501DE99", RegistrationEdit::Issuing).has_value());
    // Fourteen digits failing the check stay "other legal registration".
    EXPECT_EQ(classifyRegistration("11444777000162", RegistrationEdit::Code)->kind, 'I');
    EXPECT_EQ(issuingRegistrationOnExit("12.345-6/78 W"), "12345678W");
    EXPECT_EQ(issuingRegistrationOnExit("12.abc.345/01de-35"), "12.abc.345/01de-35");
}

TEST(IdentityRules, KeyFilters) {
    EXPECT_EQ(registrationKey(u'a', RegistrationEdit::Code), u'A');
    EXPECT_EQ(registrationKey(8, RegistrationEdit::Code), 8);
    EXPECT_EQ(registrationKey(8, RegistrationEdit::Issuing), 0);
    EXPECT_EQ(registrationKey(22, RegistrationEdit::Issuing), 22);
    EXPECT_EQ(registrationKey(u'.', RegistrationEdit::Code), 0);
    EXPECT_EQ(serviceCodeKey(u'a'), 0);
    EXPECT_EQ(serviceCodeKey(u'7'), u'7');
    EXPECT_EQ(companyCodeKey(u'z'), u'z');
    EXPECT_EQ(companyCodeKey(8), 0);
    // "1e2+3,4,5" typed into a value edit.
    std::string text;
    for (char16_t k : std::u16string(u"1e2+3,4,5"))
        if (char16_t kept = numericValueKey(k, text, u',', true))
            text.push_back(static_cast<char>(kept));
    EXPECT_EQ(text, "123,45");
    EXPECT_EQ(numericValueKey(u'e', "", u',', false), u'e');
    EXPECT_EQ(numericValueKey(u'-', "", u',', false), 0);
}

TEST(IdentityRules, PlaceholderShowsAsOneBlank) {
    EXPECT_EQ(placeholderText("*"), " ");
    EXPECT_EQ(placeholderText("SP01"), "SP01");
    EXPECT_EQ(placeholderText(""), "");
}

} // namespace
} // namespace vq::customer

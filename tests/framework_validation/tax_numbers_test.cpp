#include "framework/validation/consiste.h"
#include "tests/framework_validation/test_vectors.h"

#include <cctype>
#include <gtest/gtest.h>
#include <random>
#include <string>

using namespace vq::Consiste;

namespace {

// Independent check-digit arithmetic for generating numbers: weights run from `top` down and wrap to 9
// after 2, as the federal rules publish them.
char checkDigit(const std::string& body, int top) {
    int sum = 0;
    int weight = top;
    for (std::size_t i = 0; i < body.size(); ++i) {
        sum += (body[i] - '0') * weight;
        weight = weight == 2 ? 9 : weight - 1;
    }
    const int rest = sum % 11;
    return static_cast<char>('0' + (rest < 2 ? 0 : 11 - rest));
}

std::string makeCpf(std::mt19937& rng) {
    std::uniform_int_distribution<int> digit(0, 9);
    std::string n;
    for (int i = 0; i < 9; ++i)
        n += static_cast<char>('0' + digit(rng));
    // CPF weights do not wrap: 10..2 and 11..2.
    int sum = 0;
    for (int i = 0; i < 9; ++i)
        sum += (n[i] - '0') * (10 - i);
    n += static_cast<char>('0' + (sum % 11 < 2 ? 0 : 11 - sum % 11));
    sum = 0;
    for (int i = 0; i < 10; ++i)
        sum += (n[i] - '0') * (11 - i);
    n += static_cast<char>('0' + (sum % 11 < 2 ? 0 : 11 - sum % 11));
    return n;
}

std::string makeCnpj(std::mt19937& rng, bool letters) {
    const std::string alphabet = letters ? "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ" : "0123456789";
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::string n;
    for (int i = 0; i < 12; ++i)
        n += alphabet[pick(rng)];
    n += checkDigit(n, 5);
    n += checkDigit(n, 6);
    return n;
}

// The last check digit moved to another value always breaks the number.
std::string withWrongLastDigit(std::string n) {
    n.back() = static_cast<char>('0' + (n.back() - '0' + 1) % 10);
    return n;
}

} // namespace

TEST(TaxNumbers, AgreeWithPublicVectors) {
    const auto lines = vq::testing::readVectors("tax_ids.tsv");
    ASSERT_GT(lines.size(), 80u);
    for (const auto& line : lines) {
        ASSERT_GE(line.fields.size(), 3u) << "line " << line.lineNumber;
        const std::string& kind = line.fields[0];
        const std::string& value = line.fields[1];
        const bool expected = line.fields[2] == "valid";
        const bool answer = kind == "CPF" ? CPFOk(value) : CGCOk(value);
        EXPECT_EQ(answer, expected) << "line " << line.lineNumber << ": " << kind << " '" << value << "'";
    }
}

TEST(TaxNumbers, GeneratedNumbersPassAndAMovedDigitFails) {
    std::mt19937 rng(20260701);
    for (int i = 0; i < 500; ++i) {
        const std::string cpf = makeCpf(rng);
        if (cpf.find_first_not_of(cpf[0]) == std::string::npos)
            continue;
        EXPECT_TRUE(CPFOk(cpf)) << cpf;
        EXPECT_TRUE(
            CPFOk(cpf.substr(0, 3) + "." + cpf.substr(3, 3) + "." + cpf.substr(6, 3) + "-" + cpf.substr(9)));
        EXPECT_FALSE(CPFOk(withWrongLastDigit(cpf))) << cpf;
        EXPECT_FALSE(CPFOk(cpf + "0")) << cpf;

        for (const bool letters : {false, true}) {
            const std::string cnpj = makeCnpj(rng, letters);
            EXPECT_TRUE(CGCOk(cnpj)) << cnpj;
            EXPECT_FALSE(CGCOk(withWrongLastDigit(cnpj))) << cnpj;
            std::string lower = cnpj;
            for (char& c : lower)
                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            EXPECT_TRUE(CGCOk(" " + lower.substr(0, 2) + "." + lower.substr(2, 3) + "." + lower.substr(5, 3) +
                              "/" + lower.substr(8, 4) + "-" + lower.substr(12) + " "))
                << lower;
            EXPECT_FALSE(CPFOk(cnpj));
        }
    }
}

TEST(TaxNumbers, LettersOnlyWhereTheNewCnpjAllowsThem) {
    EXPECT_TRUE(CGCOk("12.ABC.345/01DE-35"));
    EXPECT_FALSE(CGCOk("12.ABC.345/01DE-3Z")); // check digits stay numeric
    EXPECT_FALSE(CGCOk("12.ABC.345/01D\xC3\x89-35"));
    EXPECT_FALSE(CPFOk("123.456.789-0A"));
    EXPECT_FALSE(CPFOk("123_456_789_09"));
    EXPECT_TRUE(CPFOk("\t123.456.789/09\n"));
}

TEST(AjustaInscricao, RecognisesTheKindAndNormalises) {
    struct Case {
        const char* typed;
        char kind;
        const char* number;
    };
    const Case cases[] = {
        {"C123.456.789-09", 'F', "12345678909"},
        {"C 11.222.333/0001-81 ", 'J', "11222333000181"},
        {"C12.abc.345/01de-35", 'J', "12ABC34501DE35"},
        {"C12345678900", 'I', "12345678900"},       // eleven digits, wrong check digits
        {"C11222333000180", 'I', "11222333000180"}, // fourteen digits, wrong check digits
        {"C123456", 'I', "123456"},
        {"C12345678901234567890", 'I', "12345678901234567890"},
        {"C123456789012345678901", 'O', "123456789012345678901"},
        {"C12345", 'O', "12345"},
        {"C1", 'O', "1"},
        {"CAB-12", 'O', "AB12"},
        {"C11111111111", 'I', "11111111111"},
        {"C", 'O', ""},
        {"C   ", 'O', ""},
        {"12345678909", 'F', "12345678909"}, // without the marker the whole text is the number
    };
    for (const Case& c : cases) {
        std::string text = c.typed;
        EXPECT_EQ(Ajusta_Inscricao(text), c.kind) << c.typed;
        EXPECT_EQ(text, c.number) << c.typed;
    }
}

TEST(AjustaInscricao, NormalisedNumberKeepsItsKind) {
    std::mt19937 rng(41200);
    for (int i = 0; i < 200; ++i) {
        for (std::string number : {makeCpf(rng), makeCnpj(rng, i % 2 == 1)}) {
            std::string text = "C" + number;
            const char kind = Ajusta_Inscricao(text);
            EXPECT_EQ(kind, number.size() == 11 ? 'F' : 'J') << number;
            std::string again = "C" + text;
            EXPECT_EQ(Ajusta_Inscricao(again), kind);
            EXPECT_EQ(again, text);
        }
    }
}

TEST(PictPess, MaskPerKind) {
    EXPECT_EQ(PictPess('F'), "999.999.999-99;0;_");
    EXPECT_EQ(PictPess("J"), ">AA.AAA.AAA/AAAA-99;0;_");
    EXPECT_EQ(PictPess(" f "), PictPess('F'));
    EXPECT_EQ(PictPess('I'), "");
    EXPECT_EQ(PictPess('O'), "");
    EXPECT_EQ(PictPess(""), "");
    EXPECT_EQ(PictPess("FJ"), "");
    EXPECT_EQ(PictPess('\0'), "");
}

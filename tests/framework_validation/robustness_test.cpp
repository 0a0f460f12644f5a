// Any text reaches these helpers from the keyboard or an import file: they must answer, never crash.

#include "framework/validation/consiste.h"
#include "framework/validation/lib71800.h"

#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

using namespace vq::Consiste;

namespace {

std::vector<std::string> awkwardTexts() {
    std::vector<std::string> texts = {
        "",
        " ",
        "\t\r\n",
        "C",
        "CC",
        "-",
        "./-",
        "...........",
        "ISENTO",
        "P",
        "P-",
        std::string(100, '9'),
        std::string(100, ' '),
        std::string(100, 'x'),
        std::string(1000, '0'),
        "\xff\xfe\xfd",
        "\xC3",
        "\xC3\xA7\xC3\xA3o",
        std::string("12\0"
                    "34",
                    5),
        "C\x80\x81",
        "123.456.789-09\xff",
        "!@#$%^&*()_+{}|:\"<>?",
        "0\t1\t2",
        "-1",
        "+1",
        "1e9",
        "０１２", // full-width digits
    };
    std::mt19937 rng(71800);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<std::size_t> length(0, 120);
    for (int i = 0; i < 2000; ++i) {
        std::string s(length(rng), '\0');
        for (char& c : s)
            c = static_cast<char>(i % 2 ? byte(rng) : "0123456789./- PCab"[byte(rng) % 18]);
        texts.push_back(std::move(s));
    }
    return texts;
}

} // namespace

TEST(Robustness, EveryHelperAnswersAnyText) {
    const std::string kinds = "FJIO";
    for (const std::string& text : awkwardTexts()) {
        const std::string trimmed = AllTrim(text);
        EXPECT_EQ(EmptyString(text), trimmed.empty());
        EXPECT_EQ(AllTrim(trimmed), trimmed);

        for (const int width : {0, 2, 5, 20}) {
            const std::string stored = Ajusta(text, width);
            EXPECT_EQ(Ajusta(stored, width), stored);
        }

        const bool cpf = CPFOk(text);
        const bool cnpj = CGCOk(text);
        std::string number = "C" + text;
        const char kind = Ajusta_Inscricao(number);
        ASSERT_NE(kinds.find(kind), std::string::npos);
        EXPECT_EQ(kind == 'F', cpf && number.size() == 11);
        EXPECT_EQ(kind == 'J', cnpj && number.size() == 14);
        EXPECT_NO_THROW((void)PictPess(text));
        EXPECT_NO_THROW((void)PictPess(kind));

        EXPECT_NO_THROW((void)vq::Lib71800::ConsisteInscEstad("SP", text));
        EXPECT_NO_THROW((void)vq::Lib71800::ConsisteInscEstad(text, text));
        EXPECT_NO_THROW((void)vq::Lib71800::ConsisteInscEstad("TO", text));
    }
}

TEST(Robustness, EveryStateAnswersEveryLength) {
    const char* states[] = {"AC", "AL", "AM", "AP", "BA", "CE", "DF", "ES", "GO",
                            "MA", "MG", "MS", "MT", "PA", "PB", "PE", "PI", "PR",
                            "RJ", "RN", "RO", "RR", "RS", "SC", "SE", "SP", "TO"};
    for (const char* uf : states) {
        for (std::size_t length = 0; length <= 30; ++length) {
            EXPECT_NO_THROW((void)vq::Lib71800::ConsisteInscEstad(uf, std::string(length, '7')));
            EXPECT_NO_THROW((void)vq::Lib71800::ConsisteInscEstad(uf, "P" + std::string(length, '1')));
        }
    }
}

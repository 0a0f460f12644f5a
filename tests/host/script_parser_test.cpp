#include "host/script_parser.h"

#include <gtest/gtest.h>

namespace vq::host {
namespace {

using Words = std::vector<std::string>;

TEST(ScriptParser, SplitsWordsWithQuotesAndEscapes) {
    EXPECT_EQ(splitWords("type dbeNmRazaoSoc \"ACME LTDA\"", 1),
              (Words{"type", "dbeNmRazaoSoc", "ACME LTDA"}));
    EXPECT_EQ(splitWords("  set   a\t\"\"  ", 1), (Words{"set", "a", ""}));
    EXPECT_EQ(splitWords(R"(expect info "Diga \"sim\" agora")", 1),
              (Words{"expect", "info", "Diga \"sim\" agora"}));
    EXPECT_EQ(splitWords(R"(settings operator_name="Maria Silva")", 1),
              (Words{"settings", "operator_name=Maria Silva"}));
}

TEST(ScriptParser, CommentsEndTheLineOutsideQuotesOnly) {
    const auto lines =
        parseScript("# heading\n\nclick sbtConfirma   # confirm\nexpect error \"Nº #1\" # x\n");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].line, 3);
    EXPECT_EQ(lines[0].words, (Words{"click", "sbtConfirma"}));
    EXPECT_EQ(lines[1].line, 4);
    EXPECT_EQ(lines[1].words, (Words{"expect", "error", "Nº #1"}));
}

TEST(ScriptParser, KeepsTheRawArgumentsForJson) {
    const auto lines = parseScript("call IniProc [\"VISUALIZA_CLIENTE\", false, \"J1\"]  # view\r\n");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].rest, "IniProc [\"VISUALIZA_CLIENTE\", false, \"J1\"]");
    EXPECT_EQ(lines[0].words.front(), "call");
}

TEST(ScriptParser, UnterminatedQuoteNamesItsLine) {
    try {
        parseScript("click a\n\ntype b \"open\n");
        FAIL() << "no error";
    } catch (const ScriptError& e) {
        EXPECT_EQ(e.line(), 3);
        EXPECT_NE(std::string(e.what()).find("linha 3"), std::string::npos);
    }
}

} // namespace
} // namespace vq::host

#include "framework/validation/lib71800.h"
#include "framework/validation/state_rules.h"
#include "tests/framework_validation/test_vectors.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

using vq::Lib71800::ConsisteInscEstad;

TEST(StateRegistration, AgreesWithPublicVectors) {
    const auto lines = vq::testing::readVectors("state_registrations.tsv");
    ASSERT_GT(lines.size(), 4000u);
    std::map<std::string, int> validPerState;
    for (const auto& line : lines) {
        ASSERT_GE(line.fields.size(), 3u) << "line " << line.lineNumber;
        const std::string& uf = line.fields[0];
        const std::string& number = line.fields[1];
        const bool expected = line.fields[2] == "valid";
        EXPECT_EQ(ConsisteInscEstad(uf, number), expected)
            << "line " << line.lineNumber << ": " << uf << " '" << number << "'";
        validPerState[uf] += expected ? 1 : 0;
    }
    // Every rule has been seen accepting something, so none can pass by refusing everything.
    for (const auto& rule : vq::validation::stateRules())
        EXPECT_GT(validPerState[std::string(rule.uf)], 0) << rule.uf;
}

TEST(StateRegistration, AMovedCheckDigitFails) {
    int mutated = 0;
    for (const auto& line : vq::testing::readVectors("state_registrations.tsv")) {
        std::string number = line.fields[1];
        const bool producer =
            number.find_first_of("Pp") != std::string::npos; // ends in an order, not a digit
        if (line.fields[2] != "valid" || producer || number.find("11.094.402") != std::string::npos)
            continue;
        char& last = number[number.find_last_of("0123456789")];
        last = static_cast<char>('0' + (last - '0' + 1) % 10);
        EXPECT_FALSE(ConsisteInscEstad(line.fields[0], number))
            << "line " << line.lineNumber << ": " << number;
        ++mutated;
    }
    EXPECT_GT(mutated, 4000);
}

TEST(StateRegistration, ExemptWordIsValidForEveryKnownState) {
    ASSERT_EQ(vq::validation::stateRules().size(), 27u);
    std::set<std::string_view> seen;
    for (const auto& rule : vq::validation::stateRules()) {
        seen.insert(rule.uf);
        EXPECT_TRUE(ConsisteInscEstad(rule.uf, "ISENTO")) << rule.uf;
        EXPECT_TRUE(ConsisteInscEstad(rule.uf, " isento ")) << rule.uf;
        EXPECT_FALSE(ConsisteInscEstad(rule.uf, "ISENTA")) << rule.uf;
        EXPECT_FALSE(ConsisteInscEstad(rule.uf, "IS.ENTO")) << rule.uf;
        EXPECT_FALSE(ConsisteInscEstad(rule.uf, "")) << rule.uf;
        EXPECT_FALSE(ConsisteInscEstad(rule.uf, "  ")) << rule.uf;
        EXPECT_FALSE(ConsisteInscEstad(rule.uf, "0")) << rule.uf;
    }
    EXPECT_EQ(seen.size(), 27u);
}

TEST(StateRegistration, StateAbbreviation) {
    EXPECT_TRUE(ConsisteInscEstad("sp", "110.042.490.114"));
    EXPECT_TRUE(ConsisteInscEstad(" SP ", "110.042.490.114"));
    EXPECT_FALSE(ConsisteInscEstad("EX", "ISENTO"));
    EXPECT_FALSE(ConsisteInscEstad("", "ISENTO"));
    EXPECT_FALSE(ConsisteInscEstad("S P", "110.042.490.114"));
    EXPECT_FALSE(ConsisteInscEstad("SPX", "110.042.490.114"));
    EXPECT_FALSE(ConsisteInscEstad("RJ", "110.042.490.114")); // right number, wrong state
}

TEST(StateRegistration, OnlySeparatorsAndTheProducerMarkAreAccepted) {
    EXPECT_TRUE(ConsisteInscEstad("SP", "p-01100424.3/002"));
    EXPECT_FALSE(ConsisteInscEstad("RJ", "P99999993"));
    EXPECT_FALSE(ConsisteInscEstad("RJ", "99.999.99_3"));
    EXPECT_FALSE(ConsisteInscEstad("RJ", "99.999.99-3x"));
    EXPECT_TRUE(ConsisteInscEstad("RJ", "99 999 99 3"));
    EXPECT_FALSE(ConsisteInscEstad("RJ", "0000000-0"));
    // A registration padded far beyond any state's length is refused, not reduced.
    EXPECT_FALSE(ConsisteInscEstad("MT", "000000000000013000001-9"));
}

TEST(StateRegistration, ShorterMatoGrossoNumbersAreZeroPadded) {
    EXPECT_TRUE(ConsisteInscEstad("MT", "0013000001-9"));
    EXPECT_TRUE(ConsisteInscEstad("MT", "013000001-9"));
    EXPECT_TRUE(ConsisteInscEstad("MT", "13000001-9"));
    EXPECT_FALSE(ConsisteInscEstad("MT", "3000001-9"));
}

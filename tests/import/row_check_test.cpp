// Verif_Dados: the checks in their order and the registration kinds.

#include "import/row_check.h"

#include <gtest/gtest.h>

namespace vq::test {
namespace {

using import::rowProblem;

TEST(RowCheckTest, ChecksRunInOrder) {
    EXPECT_EQ(rowProblem({"", "", "", ""}), "CdCliNull");
    EXPECT_EQ(rowProblem({"X1", " ", "", ""}), "TipoInsDeve");
    EXPECT_EQ(rowProblem({"X1", "X", "", ""}), "NrInscDeve");
    EXPECT_EQ(rowProblem({"X1", "X", "1", "  "}), "RazaoDeve");
    EXPECT_EQ(rowProblem({"X1", "X", "1", "ACME"}), "TpInscInv");
    EXPECT_EQ(rowProblem({"F52998224724", "F", "52998224724", "ACME"}), "CPFInv");
    EXPECT_EQ(rowProblem({"F52998224725", "F", "52998224725", "ACME"}), "");
    EXPECT_EQ(rowProblem({"J11222333000180", "J", "11222333000180", "ACME"}), "CGCInv");
    EXPECT_EQ(rowProblem({"J11222333000181", "J", "11222333000181", "ACME"}), "");
    EXPECT_EQ(rowProblem({"I1", "I", "abc", "ACME"}), "");
    EXPECT_EQ(rowProblem({"O1", "O", "1", "ACME"}), "");
}

} // namespace
} // namespace vq::test

// The "all" switch: what counts as "T" and what does not.

#include "contract/all_flag.h"

#include <gtest/gtest.h>

namespace vq::contract {
namespace {

TEST(AllFlag, TInEitherCaseWithBlanksAround) {
    for (const char* all : {"T", "t", " T", "T ", "  T  "})
        EXPECT_TRUE(isAllFlag(all)) << '"' << all << '"';
    EXPECT_TRUE(isAllFlag(kAllFlag));
}

TEST(AllFlag, AnythingElseIsAKeyOrList) {
    for (const char* other : {"", " ", "N", "F", "TT", "T T", "_T_", "Todos", "\tT"})
        EXPECT_FALSE(isAllFlag(other)) << '"' << other << '"';
}

} // namespace
} // namespace vq::contract

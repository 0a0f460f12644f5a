// Constant tables of the units: the characters stripped from tax numbers and the importable columns.

#include "customer/strip_characters.h"
#include "import/import_fields.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>

namespace vq {
namespace {

TEST(StrippedCharacters, HoldsTheFullTableOfSingleCharacters) {
    const auto table = customer::strippedCharacters();
    ASSERT_EQ(table.size(), 156u);
    EXPECT_EQ(table.front(), "á");
    EXPECT_EQ(table.back(), "\n");
    // 'e', 'i', 'o', 'c', '*', '"' and '¨' repeat; every entry is one character.
    EXPECT_EQ(std::set<std::string_view>(table.begin(), table.end()).size(), 156u - 12u);
    for (std::string_view entry : table)
        EXPECT_TRUE(entry.size() == 1 || (entry.size() == 2 && static_cast<unsigned char>(entry[0]) >= 0xC2))
            << entry;
}

TEST(StrippedCharacters, LeaveDigitsAndCharactersOutsideTheTable) {
    EXPECT_EQ(customer::removeCaracteres("11.222.333/0001-81"), "11222333000181");
    EXPECT_EQ(customer::removeCaracteres(" Çábc 12\r\n3 wW é§ƒ"), "123wW");
    EXPECT_EQ(customer::removeCaracteres("€5"), "€5") << "a character outside the table survives whole";
}

TEST(ImportFields, AreTheSortedTableFoundInAnyCase) {
    const auto fields = import::arFields();
    ASSERT_EQ(fields.size(), 111u);
    EXPECT_TRUE(std::is_sorted(fields.begin(), fields.end()));
    EXPECT_EQ(import::findImportField("CDATIVCLI"), 0);
    EXPECT_EQ(import::findImportField("vrtestnivcli"), 110);
    EXPECT_EQ(import::findImportField("NMRAZSOCCLIE"), 80);
    EXPECT_EQ(import::findImportField("NMRAZSOC"), -1);
    EXPECT_EQ(import::findImportField(""), -1);
}

} // namespace
} // namespace vq

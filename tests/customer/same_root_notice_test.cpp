// The list the same-root notice shows: code, name and municipality of each company, blanks trimmed, a
// missing municipality without parentheses, and no more companies than asked for.

#include "customer/same_root_notice.h"

#include <gtest/gtest.h>

namespace vq::customer {
namespace {

DataPacket companies(std::initializer_list<std::array<Variant, 3>> rows) {
    DataPacket p({FieldDesc{"CDCLIENTE", FieldType::String, 21},
                  FieldDesc{"NMRAZSOCCLIE", FieldType::String, 100},
                  FieldDesc{"NMMUNICIPIO", FieldType::String, 30}});
    for (const auto& r : rows)
        p.addRow({r[0], r[1], r[2]});
    return p;
}

TEST(SameRootNotice, NamesEachCompanyWithItsMunicipalityWhenKnown) {
    const DataPacket p = companies({{"J11222333000181", "Matriz Ltda   ", "SAO PAULO  "},
                                    {"J11222333000262", "Filial Ltda", Variant()},
                                    {"J11222333000343", "Outra Filial", "  "}});
    EXPECT_EQ(sameRootList(p), "J11222333000181 - Matriz Ltda (SAO PAULO); J11222333000262 - Filial Ltda; "
                               "J11222333000343 - Outra Filial");
    EXPECT_EQ(sameRootList(p, 1), "J11222333000181 - Matriz Ltda (SAO PAULO)");
    EXPECT_EQ(sameRootList(companies({})), "");
}

} // namespace
} // namespace vq::customer

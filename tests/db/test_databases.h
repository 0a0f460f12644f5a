#pragma once
// Tests that run once per database kind: SQLite in memory and a fresh database on the private PostgreSQL
// server (skipped when PostgreSQL is unavailable).

#include "platform/db/connection.h"
#include "tests/support/pg_fixture.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace vq::test {

class DialectTest : public ::testing::TestWithParam<db::Dialect> {
protected:
    void SetUp() override {
        if (GetParam() == db::Dialect::PostgreSQL && !sharedPgServer())
            GTEST_SKIP() << pgUnavailableReason();
    }

    // A new, empty database of the test's kind.
    std::unique_ptr<db::Connection> open() {
        if (GetParam() == db::Dialect::SQLite)
            return std::make_unique<db::Connection>("sqlite::memory:");
        return std::make_unique<db::Connection>(sharedPgServer()->createDatabase());
    }
};

inline std::string dialectParamName(const ::testing::TestParamInfo<db::Dialect>& info) {
    return info.param == db::Dialect::SQLite ? "SQLite" : "PostgreSQL";
}

} // namespace vq::test

#define VQ_FOR_BOTH_DIALECTS(Suite)                                                                          \
    INSTANTIATE_TEST_SUITE_P(Db, Suite,                                                                      \
                             ::testing::Values(vq::db::Dialect::SQLite, vq::db::Dialect::PostgreSQL),        \
                             vq::test::dialectParamName)

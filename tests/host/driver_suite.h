// One host session (the real module over its embedded server) shared by the tests of a suite. Under ctest
// each test runs in a process of its own, so a test never depends on what an earlier one left.
#pragma once

#include "host/driver.h"
#include "platform/db/connection.h"
#include "tests/host/e2e_support.h"

#include <QDir>
#include <cstdio>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <string_view>
#include <unistd.h>

namespace vq::host::e2e {

inline constexpr const char* kOpen =
    "call IniProc null\nform TfrmFilCliente\nclick sbtConfirma\nform TfrmCliente\n";
inline constexpr const char* kClose = "close TfrmCliente\n";

// The module under test and a demo database of `seed` customers (0: the driver's default).
inline DriverOptions moduleOptions(int seed = 0) {
    DriverOptions o;
    o.moduleDir = VQ_HOST_MODULE_DIR;
    if (seed > 0)
        o.seedCustomers = seed;
    return o;
}

// `Self` may give `static DriverOptions options()`, and `static constexpr const char* kDatabaseFile` to
// run over a SQLite file of its own (named after it) that db() reads and writes behind the form's back.
template <class Self> class DriverSuite : public ::testing::Test {
protected:
    static constexpr const char* kDatabaseFile = nullptr;
    static DriverOptions options() { return moduleOptions(); }

    static void SetUpTestSuite() {
        DriverOptions o = Self::options();
        if (Self::kDatabaseFile) {
            path_ = QDir::tempPath().toStdString() + "/" + Self::kDatabaseFile + "_" +
                    std::to_string(::getpid()) + ".db";
            std::remove(path_.c_str());
            o.defaultDatabaseUrl = "sqlite:" + path_;
        }
        driver_ = std::make_unique<Driver>(std::move(o));
    }
    static void TearDownTestSuite() {
        db_.reset();
        driver_.reset();
        if (!path_.empty())
            std::remove(path_.c_str());
        path_.clear();
    }

    // The script's result, expected to end well.
    static DriverResult run(std::string_view script) {
        DriverResult r = driver_->run(script);
        EXPECT_EQ(r.exitCode, 0) << describe(r);
        return r;
    }
    static db::Connection& db() {
        if (!db_)
            db_ = std::make_unique<db::Connection>("sqlite:" + path_);
        return *db_;
    }

    static inline std::unique_ptr<Driver> driver_;
    static inline std::string path_;
    static inline std::unique_ptr<db::Connection> db_;
};

} // namespace vq::host::e2e

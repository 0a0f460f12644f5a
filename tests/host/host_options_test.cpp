#include "framework/services/framework_settings.h"
#include "host/host_options.h"
#include "platform/data/error.h"

#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>

namespace vq::host {
namespace {

TEST(HostOptions, CommandLineOverridesTheSettingsFile) {
    QTemporaryDir dir;
    const std::string ini = dir.filePath("erp.ini").toStdString();
    {
        FrameworkSettings s = FrameworkSettings::defaults();
        s.operatorCode = "FILE01";
        s.activeModule = 9;
        s.save(ini);
    }
    const HostOptions options =
        parseHostOptions({"--settings", ini, "--server", "10.0.0.5:9000", "--operator", "CLI01",
                          "--operator-name", "Ana Lima", "--module-dir", "/opt/erp", "--no-open"});
    EXPECT_EQ(options.moduleDir, "/opt/erp");
    EXPECT_FALSE(options.openModule);
    const FrameworkSettings s = loadSettings(options);
    EXPECT_EQ(s.serverHost, "10.0.0.5");
    EXPECT_EQ(s.serverPort, 9000);
    EXPECT_EQ(s.operatorCode, "CLI01");
    EXPECT_EQ(s.operatorName, "Ana Lima");
    EXPECT_EQ(s.activeModule, 9) << "kept from the file";
}

TEST(HostOptions, BadCommandLinesAreRefused) {
    EXPECT_THROW(parseHostOptions({"--bogus"}), Error);
    EXPECT_THROW(parseHostOptions({"--server"}), Error);
    EXPECT_THROW(parseHostOptions({"--seed", "muitos"}), Error);
    EXPECT_THROW(loadSettings(parseHostOptions({"--settings", "/nonexistent/erp.ini"})), Error);
    EXPECT_THROW(loadSettings(parseHostOptions({"--module", "abc"})), Error);
    EXPECT_EQ(parseHostOptions({"--script", "-", "--seed", "0"}).seedCustomers, 0);
}

} // namespace
} // namespace vq::host

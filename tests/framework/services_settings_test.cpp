#include "framework/services/framework_settings.h"
#include "framework/services/geral.h"
#include "framework/services/tabvalid.h"
#include "framework/services/vorlane.h"
#include "platform/data/error.h"
#include "services_test_support.h"

#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>

namespace vq {
namespace {

class SettingsTest : public ::testing::Test {
protected:
    test::SettingsRestorer restore;
    QTemporaryDir dir;
    std::string path(const char* name) const { return (dir.path() + "/" + name).toStdString(); }
};

TEST_F(SettingsTest, LoadsTheIniFileOverTheDefaults) {
    std::ofstream(path("erp.ini"))
        << "[server]\nhost=10.0.0.5\nport=7010\n"
           "[operator]\ncode=OPER01\nname=\"Silva, Maria\"\n"
           "[module]\nactive=16\n[masks]\n2=9.99.999\n[session]\ndate=2026-12-07\n";
    FrameworkSettings s = FrameworkSettings::defaults();
    EXPECT_FALSE(s.load(path("none.ini")));
    ASSERT_TRUE(s.load(path("erp.ini")));
    EXPECT_EQ(s.serverHost, "10.0.0.5");
    EXPECT_EQ(s.serverPort, 7010);
    EXPECT_EQ(s.operatorCode, "OPER01");
    EXPECT_EQ(s.operatorName, "Silva, Maria");
    EXPECT_EQ(s.activeModule, 16);
    EXPECT_EQ(s.picture(2).levels(), 3);
    EXPECT_EQ(s.picture(16).pattern(), "99.99.999"); // kept from the defaults
    ASSERT_TRUE(s.workDate);
    EXPECT_EQ(*s.workDate, (CivilDate{2026, 12, 7}));

    FrameworkSettings copy;
    s.save(path("copy.ini"));
    ASSERT_TRUE(copy.load(path("copy.ini")));
    EXPECT_EQ(copy.operatorName, s.operatorName);
    EXPECT_EQ(copy.picture(2).pattern(), "9.99.999");
    EXPECT_EQ(copy.workDate, s.workDate);

    std::ofstream(path("bad.ini")) << "[server]\nport=setenta\n";
    try {
        s.load(path("bad.ini"));
        ADD_FAILURE() << "a bad port was accepted";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("bad.ini"), std::string::npos);
        EXPECT_NE(std::string(e.what()).find("port"), std::string::npos);
    }
    EXPECT_EQ(s.serverPort, 7010);
}

TEST_F(SettingsTest, OverridesApplyAllOrNothing) {
    FrameworkSettings s = FrameworkSettings::defaults();
    s.apply({{"server", "erp.local:7100"},
             {"operator", "OPER02"},
             {"operator_name", "João"},
             {"module", "63"},
             {"mask.16", "9.9.99"}});
    EXPECT_EQ(s.serverHost, "erp.local");
    EXPECT_EQ(s.serverPort, 7100);
    EXPECT_EQ(s.operatorName, "João");
    EXPECT_EQ(s.activeModule, 63);
    EXPECT_EQ(s.picture(16).levels(), 3);

    EXPECT_THROW(s.apply({{"operator", "OUTRO"}, {"port", "70000"}}), Error);
    EXPECT_THROW(s.apply({{"idioma", "pt"}}), Error);
    EXPECT_THROW(s.apply({{"date", "2026-02-30"}}), Error);
    EXPECT_THROW(s.apply({{"mask.2", ".99"}}), Error);
    EXPECT_EQ(s.operatorCode, "OPER02"); // the failed batch changed nothing
    s.apply("server", "[::1]:7200");
    EXPECT_EQ(s.serverHost, "::1");

    // A list: the first server, then the ones tried when it cannot be connected.
    s.apply("server", "10.0.0.5:8090, 10.0.0.6:8091");
    EXPECT_EQ(s.serverHost, "10.0.0.5");
    EXPECT_EQ(s.fallbackServers, (std::vector<net::ServerAddress>{{"10.0.0.6", 8091}}));
    s.save(path("list.ini"));
    FrameworkSettings listed;
    ASSERT_TRUE(listed.load(path("list.ini")));
    EXPECT_EQ(listed.fallbackServers, s.fallbackServers);
    EXPECT_THROW(s.apply("server", "10.0.0.7:8090,"), Error);
    EXPECT_EQ(s.fallbackServers.size(), 1u);
    s.apply("server", "10.0.0.7:8090");
    EXPECT_TRUE(s.fallbackServers.empty());
}

TEST_F(SettingsTest, HostFactsComeFromTheSettings) {
    frameworkSettings().apply({{"server", "127.0.0.1:7300"},
                               {"operator", "OPER01"},
                               {"operator_name", "Maria Silva"},
                               {"module", "16"},
                               {"date", "2026-12-07"}});
    EXPECT_EQ(Vorlane::WebURL(), "127.0.0.1");
    EXPECT_EQ(Vorlane::WebPort(), 7300);
    EXPECT_EQ(Vorlane::Operador(), "OPER01");
    EXPECT_EQ(Vorlane::NomeOperador(), "Maria Silva");
    EXPECT_EQ(Geral::ModuloAtiv(), 16);
    EXPECT_EQ(datePart(Geral::Now()), (CivilDate{2026, 12, 7}));
    EXPECT_EQ(Geral::Date(), makeDateTime({2026, 12, 7}));
    EXPECT_EQ(Vorlane::DBPict(16), "99.99.999;1;_");
    EXPECT_EQ(Vorlane::DBPictObj(2).levels(), 5);
    EXPECT_EQ(Vorlane::DBPict(99), "");
}

TEST_F(SettingsTest, CodedFieldsMustFillWholeLevels) {
    const CodedPicture p("9.99.999;1;_");
    EXPECT_EQ(p.levelSizes(), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(p.levelOf("1"), 1);
    EXPECT_EQ(p.levelOf("1.01"), 2);
    EXPECT_EQ(p.levelOf("1.01.___"), 2); // as a masked editor leaves it
    EXPECT_EQ(p.levelOf("1.01.001"), 3);
    EXPECT_FALSE(p.levelOf("1.0"));
    EXPECT_FALSE(p.levelOf("1.01.00"));
    EXPECT_FALSE(p.levelOf("1..001"));
    EXPECT_FALSE(p.levelOf("101001"));
    EXPECT_FALSE(p.levelOf("1.01.001.1"));
    EXPECT_FALSE(p.levelOf("A.01"));
    EXPECT_FALSE(p.levelOf("  "));

    frameworkSettings().apply("mask.2", "9.99.999");
    test::MessageRecorder messages;
    EXPECT_TRUE(Tabvalid::ValidEx("1.01", 2));
    EXPECT_FALSE(Tabvalid::ValidEx("1.0", 2, false));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_THROW(Tabvalid::ValidEx("1.0", 2), Abort);
    ASSERT_EQ(messages.shown.size(), 1U);
    EXPECT_NE(messages.shown[0].text.find("9.99.999"), std::string::npos);
    EXPECT_TRUE(Tabvalid::ValidEx("qualquer", 77)); // a kind without a picture takes any filled code
    EXPECT_FALSE(Tabvalid::ValidEx(" ", 77, false));
}

TEST(VorlaneTest, LoadBplOpensRegisteredModulesAndNamesMissingOnes) {
    test::MessageRecorder messages;
    VariantArray received;
    Vorlane::registerModule("VQM87100", [&](const VariantArray& values) { received = values; });
    EXPECT_TRUE(Vorlane::LoadBPL("Vqm87100", {"J11222333000181", "11222333000181", "ACME", "J"}));
    EXPECT_EQ(received.size(), 4U);
    EXPECT_TRUE(messages.shown.empty());
    Vorlane::unregisterModule("VQM87100");

    EXPECT_FALSE(Vorlane::LoadBPL("Vqm53800"));
    ASSERT_EQ(messages.shown.size(), 1U);
    EXPECT_EQ(messages.shown[0].kind, gui::MessageKind::Error);
    EXPECT_EQ(messages.shown[0].text, "Módulo Vqm53800 não está disponível nesta instalação.");
}

TEST(VorlaneTest, LocalCacheRequestsAreRecordedAndHandedToTheHost) {
    Vorlane::clearLocalCacheRequests();
    std::vector<std::string> handled;
    Vorlane::setLocalCacheHandler([&](const std::vector<std::string>& tables) { handled = tables; });
    Vorlane::AtualizaLocalCache(Variant(VariantArray{"CLIENTE", "ENDECLIE"}));
    Vorlane::AtualizaLocalCache({"INTECLIE"});
    Vorlane::setLocalCacheHandler(nullptr);
    EXPECT_EQ(handled, (std::vector<std::string>{"INTECLIE"}));
    ASSERT_EQ(Vorlane::localCacheRequests().size(), 2U);
    EXPECT_EQ(Vorlane::localCacheRequests()[0], (std::vector<std::string>{"CLIENTE", "ENDECLIE"}));
}

} // namespace
} // namespace vq

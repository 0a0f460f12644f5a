// The read and write conventions over a fake remote call: what is sent, what is loaded or merged, and
// that a failure is shown once, aborts, and leaves the rows and the change log as they were.

#include "framework/services/framework_settings.h"
#include "framework/services/showavi.h"
#include "platform/data/error.h"
#include "services/app_server.h"
#include "tests/framework/services_test_support.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace vq::services {
namespace {

struct Call {
    std::string method;
    VariantArray args;
    bool busyShown = false;
};

// Records the calls and answers each with `answer` (or throws when `fail` is set).
struct FakeServer {
    std::vector<Call> calls;
    Variant answer = true;
    bool fail = false;

    RemoteCall caller() {
        return [this](std::string_view method, VariantArray& args) {
            calls.push_back({std::string(method), args, Showavi::current().active});
            if (fail)
                throw Error("Conexão perdida com o servidor.");
            return answer;
        };
    }
};

constexpr FieldSpec kTermFields[] = {{"CDCLIENTE", FieldType::String, 4}, {"NRDIAS", FieldType::Float}};

Variant termsPacket(const ClientDataSet& ds, int rows) {
    DataPacket p(ds.fieldDescs());
    for (int i = 1; i <= rows; ++i)
        p.addRow({"J1", 30.0 * i});
    return Variant(std::make_shared<const DataPacket>(std::move(p)));
}

class AppServerConventions : public ::testing::Test {
protected:
    void SetUp() override {
        terms.CreateFields(kTermFields);
        server.answer = termsPacket(terms, 1);
        readInto(server.caller(), "GetPrazoPgtoClie", {Variant("J1")}, terms);
        server.calls.clear();
        server.answer = true;
    }

    void addTerm() {
        terms.Append();
        terms.FieldByName("CDCLIENTE").SetAsString("J1");
        terms.FieldByName("NRDIAS").SetAsFloat(60);
        terms.Post();
    }

    test::MessageRecorder messages;
    ClientDataSet terms{"cdsPrazoPgtoClie"};
    FakeServer server;
};

TEST_F(AppServerConventions, ReadCallsTheMethodAndLoadsTheAnswer) {
    server.answer = termsPacket(terms, 3);
    VariantArray args{Variant("J1")};
    readInto(server.caller(), "GetPrazoPgtoClie", args, terms);
    ASSERT_EQ(server.calls.size(), 1u);
    EXPECT_EQ(server.calls[0].method, "GetPrazoPgtoClie");
    EXPECT_EQ(server.calls[0].args, (VariantArray{Variant("J1")}));
    EXPECT_EQ(terms.RecordCount(), 3);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(AppServerConventions, AFailedReadIsShownOnceAndKeepsTheRows) {
    server.answer = ServerError{"Cliente não encontrado."};
    EXPECT_THROW(readInto(server.caller(), "GetPrazoPgtoClie", {Variant("J1")}, terms), Abort);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Cliente não encontrado.");
    EXPECT_EQ(terms.RecordCount(), 1);

    // A packet that does not fit is refused whole.
    DataPacket wide({{"CDCLIENTE", FieldType::String, 40}});
    wide.addRow({std::string(30, 'x')});
    server.answer = Variant(std::make_shared<const DataPacket>(std::move(wide)));
    EXPECT_THROW(readInto(server.caller(), "GetPrazoPgtoClie", {Variant("J1")}, terms), FieldError);
    EXPECT_EQ(terms.RecordCount(), 1);
}

TEST_F(AppServerConventions, SaveSendsDeltaAndProviderUnderTheBusyIndicatorThenMerges) {
    EXPECT_FALSE(applyUpdates(server.caller(), terms, "dspPrazoPgtoClie")) << "nothing to send";
    EXPECT_TRUE(server.calls.empty());

    addTerm();
    EXPECT_TRUE(applyUpdates(server.caller(), terms, "dspPrazoPgtoClie"));
    ASSERT_EQ(server.calls.size(), 1u);
    const Call& call = server.calls[0];
    EXPECT_EQ(call.method, "Confirmar");
    ASSERT_EQ(call.args.size(), 2u);
    ASSERT_TRUE(call.args[0].is(VariantKind::Delta));
    EXPECT_EQ(call.args[0].asDelta().rowCount(), 1u);
    EXPECT_EQ(call.args[0].asDelta().rows()[0].status, UpdateStatus::Inserted);
    EXPECT_EQ(call.args[1], Variant("dspPrazoPgtoClie"));
    EXPECT_TRUE(call.busyShown);
    EXPECT_FALSE(Showavi::current().active);
    EXPECT_EQ(terms.ChangeCount(), 0);
    EXPECT_EQ(terms.RecordCount(), 2);
}

TEST_F(AppServerConventions, AFailedSaveKeepsTheChangeLogAndHidesTheIndicator) {
    addTerm();
    server.answer = ServerError{"Registro alterado por outro usuário."};
    EXPECT_THROW(applyUpdates(server.caller(), terms, "dspPrazoPgtoClie"), Abort);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Registro alterado por outro usuário.");
    EXPECT_EQ(terms.ChangeCount(), 1);
    EXPECT_FALSE(Showavi::current().active);

    server.fail = true;
    EXPECT_THROW(applyUpdates(server.caller(), terms, "dspPrazoPgtoClie"), Error);
    EXPECT_EQ(terms.ChangeCount(), 1);
    EXPECT_FALSE(Showavi::current().active);

    server.fail = false;
    server.answer = true;
    EXPECT_TRUE(applyUpdates(server.caller(), terms, "dspPrazoPgtoClie"));
    EXPECT_EQ(terms.ChangeCount(), 0);
}

TEST_F(AppServerConventions, WithoutChangeLoggingTheLogIsLeftAlone) {
    addTerm();
    terms.SetLogChanges(false);
    EXPECT_TRUE(applyUpdates(server.caller(), terms, "dspPrazoPgtoClie"));
    EXPECT_EQ(terms.ChangeCount(), 1);
}

// A connection takes the configured servers, but keeps the order it learned by moving on while the
// configuration names the same servers.
TEST(ServerSetup, ConnectionsKeepTheServerTheyMovedTo) {
    FrameworkSettings& settings = frameworkSettings();
    const FrameworkSettings saved = settings;
    settings.apply("server", "10.0.0.5:8090,10.0.0.6:8090");
    net::TNetConnection net;
    setupConnection(net, kRdmClientes);
    EXPECT_EQ(net.Host, "10.0.0.5");
    EXPECT_EQ(net.Fallbacks, (std::vector<net::ServerAddress>{{"10.0.0.6", 8090}}));

    net.Host = "10.0.0.6"; // as Open leaves it after the first could not be connected
    net.Fallbacks = {{"10.0.0.5", 8090}};
    setupConnection(net, kRdmClientes);
    EXPECT_EQ(net.Host, "10.0.0.6");

    settings.apply("server", "10.0.0.7:8090");
    setupConnection(net, kRdmClientes);
    EXPECT_EQ(net.Host, "10.0.0.7");
    EXPECT_TRUE(net.Fallbacks.empty());
    settings = saved;
}

} // namespace
} // namespace vq::services

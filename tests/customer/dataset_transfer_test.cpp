// Loading from and saving to the server through a fake remote call.

#include "customer/dataset_transfer.h"
#include "customer_test_util.h"
#include "platform/data/error.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace vq::customer {
namespace {

using testing::fakeServices;

struct Call {
    std::string method;
    VariantArray args;
};

// Records the calls and answers each with `answer` (or throws when `fail` is set).
struct FakeServer {
    std::vector<Call> calls;
    Variant answer = true;
    bool fail = false;

    RemoteCall caller() {
        return [this](std::string_view method, VariantArray& args) {
            calls.push_back({std::string(method), args});
            if (fail)
                throw Error("Conexão perdida com o servidor.");
            return answer;
        };
    }
};

Variant packetVariant(DataPacket p) {
    return Variant(std::make_shared<const DataPacket>(std::move(p)));
}

DataPacket termsPacket(const ClientDataSet& ds, int rows) {
    DataPacket p(ds.fieldDescs());
    for (int i = 1; i <= rows; ++i)
        p.addRow({"J1", 30.0 * i, 100.0 / rows});
    return p;
}

class Transfer : public ::testing::Test {
protected:
    CustomerDataSets sets{fakeServices()};
    ClientDataSet& terms = sets.cdsPrazoPgtoClie();
    FakeServer server;

    void SetUp() override { testing::openCustomer(sets.cdsCliente(), "J1"); }
};

TEST_F(Transfer, LoadTakesThePacketAndRaisesServerErrors) {
    loadDataSet(terms, packetVariant(termsPacket(terms, 2)));
    EXPECT_EQ(terms.RecordCount(), 2);
    try {
        loadDataSet(terms, Variant(ServerError{"Cliente não encontrado."}));
        FAIL();
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Cliente não encontrado.");
    }
    EXPECT_EQ(terms.RecordCount(), 2) << "a failed load leaves the rows";
}

TEST_F(Transfer, FetchCallsTheMethodWithItsArguments) {
    server.answer = packetVariant(termsPacket(terms, 3));
    fetchDataSet(terms, server.caller(), "GetPrazoPgtoClie", {Variant("J1")});
    ASSERT_EQ(server.calls.size(), 1u);
    EXPECT_EQ(server.calls[0].method, "GetPrazoPgtoClie");
    EXPECT_EQ(server.calls[0].args, (VariantArray{Variant("J1")}));
    EXPECT_EQ(terms.RecordCount(), 3);
}

TEST_F(Transfer, SaveSendsDeltaAndProviderThenMerges) {
    loadDataSet(terms, packetVariant(termsPacket(terms, 1)));
    EXPECT_FALSE(saveDataSet(terms, "dspPrazoPgtoClie", server.caller())) << "nothing to send";
    EXPECT_TRUE(server.calls.empty());

    terms.Append();
    terms.FieldByName("NRDIASPGTOCL").SetAsFloat(60);
    terms.Post();
    EXPECT_TRUE(saveDataSet(terms, "dspPrazoPgtoClie", server.caller()));
    ASSERT_EQ(server.calls.size(), 1u);
    const Call& call = server.calls[0];
    EXPECT_EQ(call.method, "Confirmar");
    ASSERT_EQ(call.args.size(), 2u);
    ASSERT_TRUE(call.args[0].is(VariantKind::Delta));
    EXPECT_EQ(call.args[0].asDelta().rowCount(), 1u);
    EXPECT_EQ(call.args[0].asDelta().rows()[0].status, UpdateStatus::Inserted);
    EXPECT_EQ(call.args[1], Variant("dspPrazoPgtoClie"));
    EXPECT_EQ(terms.ChangeCount(), 0);
    EXPECT_EQ(terms.RecordCount(), 2);
}

TEST_F(Transfer, NothingIsMergedWhenTheSaveFails) {
    loadDataSet(terms, packetVariant(termsPacket(terms, 1)));
    terms.Edit();
    terms.FieldByName("VRPERCPGTOCL").SetAsFloat(50);
    terms.Post();

    server.answer = ServerError{"Registro alterado por outro usuário."};
    EXPECT_THROW(saveDataSet(terms, "dspPrazoPgtoClie", server.caller()), Error);
    EXPECT_EQ(terms.ChangeCount(), 1);

    server.fail = true;
    EXPECT_THROW(saveDataSet(terms, "dspPrazoPgtoClie", server.caller()), Error);
    EXPECT_EQ(terms.ChangeCount(), 1);

    server.fail = false;
    server.answer = true;
    EXPECT_TRUE(saveDataSet(terms, "dspPrazoPgtoClie", server.caller()));
    EXPECT_EQ(terms.ChangeCount(), 0);
}

TEST_F(Transfer, WithoutChangeLoggingTheLogIsLeftAlone) {
    loadDataSet(terms, packetVariant(termsPacket(terms, 1)));
    terms.Append();
    terms.Post();
    terms.SetLogChanges(false);
    EXPECT_TRUE(saveDataSet(terms, "dspPrazoPgtoClie", server.caller()));
    EXPECT_EQ(terms.ChangeCount(), 1);
}

TEST_F(Transfer, InjectedResultCheckIsUsed) {
    int checked = 0;
    const ResultCheck check = [&](const Variant& r) {
        ++checked;
        return r;
    };
    loadDataSet(terms, packetVariant(termsPacket(terms, 1)), check);
    terms.Append();
    terms.Post();
    saveDataSet(terms, "dspPrazoPgtoClie", server.caller(), check);
    EXPECT_EQ(checked, 2);
}

TEST_F(Transfer, AdditionalDataLoadsBothOrReportsTheServerText) {
    ClientDataSet& index = sets.cdsIndice();
    ClientDataSet& messages = sets.cdsMensCliente();
    DataPacket indexRows(index.fieldDescs());
    indexRows.addRow({"0001", "Real", "N", "M"});
    DataPacket messageRows(messages.fieldDescs());
    messageRows.addRow({"J1", "00001", "001", "S", "Frágil"});

    loadAdditionalData(index, messages,
                       VariantArray{"S", packetVariant(indexRows), packetVariant(messageRows)});
    EXPECT_EQ(index.RecordCount(), 1);
    EXPECT_EQ(messages.FieldByName("DSMENSCLIENTE").AsString(), "Frágil");

    try {
        loadAdditionalData(index, messages, VariantArray{"N", "Cliente bloqueado."});
        FAIL();
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Cliente bloqueado.");
    }
    EXPECT_THROW(loadAdditionalData(index, messages, Variant("Sem acesso.")), Error);

    // A messages packet that does not fit leaves the index as it was.
    DataPacket otherIndex(index.fieldDescs());
    DataPacket badMessages({{"DSMENSCLIENTE", FieldType::String, 400}});
    badMessages.addRow({std::string(300, 'x')});
    EXPECT_THROW(loadAdditionalData(index, messages,
                                    VariantArray{"S", packetVariant(otherIndex), packetVariant(badMessages)}),
                 FieldError);
    EXPECT_EQ(index.RecordCount(), 1);
}

} // namespace
} // namespace vq::customer

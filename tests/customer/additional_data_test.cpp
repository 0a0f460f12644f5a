// The additional-data tab's datasets from one checked answer: both loaded, or neither.

#include "customer/additional_data.h"
#include "customer_test_util.h"
#include "platform/data/error.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace vq::customer {
namespace {

using testing::fakeServices;

Variant packetVariant(DataPacket p) {
    return Variant(std::make_shared<const DataPacket>(std::move(p)));
}

class AdditionalData : public ::testing::Test {
protected:
    CustomerDataSets sets{fakeServices()};
    ClientDataSet& index = sets.cdsIndice();
    ClientDataSet& messages = sets.cdsMensCliente();

    void SetUp() override {
        DataPacket indexRows(index.fieldDescs());
        indexRows.addRow({"0001", "Real", "N", "M"});
        DataPacket messageRows(messages.fieldDescs());
        messageRows.addRow({"J1", "00001", "001", "S", "Frágil"});
        loadAdditionalData(index, messages,
                           VariantArray{"S", packetVariant(indexRows), packetVariant(messageRows)});
    }
};

TEST_F(AdditionalData, BothPacketsAreLoaded) {
    EXPECT_EQ(index.RecordCount(), 1);
    EXPECT_EQ(index.FieldByName("CDINDICE").AsString(), "0001");
    EXPECT_EQ(messages.FieldByName("DSMENSCLIENTE").AsString(), "Frágil");
}

TEST_F(AdditionalData, AMessagesPacketThatDoesNotFitLeavesTheIndexAsItWas) {
    DataPacket otherIndex(index.fieldDescs());
    DataPacket badMessages({{"DSMENSCLIENTE", FieldType::String, 400}});
    badMessages.addRow({std::string(300, 'x')});
    EXPECT_THROW(loadAdditionalData(index, messages,
                                    VariantArray{"S", packetVariant(otherIndex), packetVariant(badMessages)}),
                 FieldError);
    EXPECT_EQ(index.RecordCount(), 1);

    // An index that was closed is closed again.
    index.Close();
    EXPECT_THROW(loadAdditionalData(index, messages,
                                    VariantArray{"S", packetVariant(otherIndex), packetVariant(badMessages)}),
                 FieldError);
    EXPECT_FALSE(index.Active());
}

TEST_F(AdditionalData, AnAnswerWithoutBothPacketsIsRefused) {
    EXPECT_THROW(loadAdditionalData(index, messages, VariantArray{"S"}), Error);
    EXPECT_THROW(loadAdditionalData(index, messages, Variant("S")), Error);
    EXPECT_THROW(loadAdditionalData(index, messages, VariantArray{"S", 1, 2}), Error);
    EXPECT_EQ(index.RecordCount(), 1);
    EXPECT_EQ(messages.RecordCount(), 1);
}

} // namespace
} // namespace vq::customer

#pragma once
// Fixtures of the customer dataset tests: the datasets with fake host services, and packet builders.

#include "customer/customer_datasets.h"
#include "customer/customer_display_rules.h"
#include "customer/customer_messages.h"
#include "platform/data/packet.h"

#include <memory>
#include <string>
#include <string_view>

namespace vq::customer::testing {

inline const DateTime kNow = makeDateTime({2026, 12, 7}, {10, 30, 0});

inline std::string fakeMsg(std::string_view key) {
    for (auto texts : {msgPadraoTexts(), msgPadrao02Texts()})
        for (const MessageText& m : texts)
            if (m.key == key)
                return std::string(m.text);
    return "?" + std::string(key);
}

inline CustomerServices fakeServices() {
    return CustomerServices{fakeMsg,
                            [] {
                                return OperatorInfo{"OPER01", "Maria Silva"};
                            },
                            [] { return kNow; }};
}

// A packet with the dataset's own field layout and no rows.
inline DataPacket emptyPacketOf(const ClientDataSet& ds) {
    return DataPacket(ds.fieldDescs());
}

// cdsCliente opened with one customer of the given code.
inline void openCustomer(ClientDataSet& cds, std::string_view code) {
    DataPacket p({{"CDCLIENTE", FieldType::String, 21},
                  {"IDTPIJURINFO", FieldType::String, 1},
                  {"NRINSJURINFO", FieldType::String, 20}});
    p.addRow({std::string(code), "J", "11222333000181"});
    cds.loadPacket(p);
}

} // namespace vq::customer::testing

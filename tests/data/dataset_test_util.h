#pragma once
// Shared fixtures of the dataset tests: a small customer-like field table and an event recorder.

#include "platform/data/client_data_set.h"
#include "platform/data/data_source.h"

#include <string>
#include <utility>
#include <vector>

namespace vq::testing {

inline constexpr FieldSpec kCustomerFields[] = {
    FieldSpec{"CDCLIENTE", FieldType::String, 21, "Código"}.asRequired(),
    {"NMRAZSOCCLIE", FieldType::String, 100, "Razão Social"},
    {"CDPAIS", FieldType::String, 4, "País"},
    FieldSpec{"VRLIMCREDCLI", FieldType::Float, 0, "Limite"}.withFormat("#,##0.00"),
    {"QTDIAS", FieldType::Integer},
    {"DTCADACLIE", FieldType::DateTime},
    {"IDCLIEATIV", FieldType::String, 1},
};

inline DataPacket customerPacket(int rows) {
    DataPacket p({{"CDCLIENTE", FieldType::String, 21},
                  {"NMRAZSOCCLIE", FieldType::String, 100},
                  {"CDPAIS", FieldType::String, 4},
                  {"VRLIMCREDCLI", FieldType::Float, 0},
                  {"QTDIAS", FieldType::Integer, 0},
                  {"DTCADACLIE", FieldType::DateTime, 0},
                  {"IDCLIEATIV", FieldType::String, 1}});
    for (int i = 1; i <= rows; ++i)
        p.addRow({"C" + std::to_string(i), "Cliente " + std::to_string(i), "1058", 100.0 * i, i,
                  DateTime{45000.0 + i}, i % 2 ? "A" : "I"});
    return p;
}

// A dataset declared from kCustomerFields and loaded with `rows` rows C1..Cn.
inline void openCustomers(ClientDataSet& cds, int rows) {
    cds.CreateFields(kCustomerFields);
    cds.loadPacket(customerPacket(rows));
}

// Records dataset and data-source events by name, in order.
struct EventLog {
    std::vector<std::string> events;

    void watch(ClientDataSet& cds) {
        auto rec = [this](const char* name) {
            return [this, name](ClientDataSet&) { events.emplace_back(name); };
        };
        cds.BeforeOpen = rec("BeforeOpen");
        cds.AfterOpen = rec("AfterOpen");
        cds.BeforeClose = rec("BeforeClose");
        cds.AfterClose = rec("AfterClose");
        cds.BeforeInsert = rec("BeforeInsert");
        cds.AfterInsert = rec("AfterInsert");
        cds.OnNewRecord = rec("OnNewRecord");
        cds.BeforeEdit = rec("BeforeEdit");
        cds.AfterEdit = rec("AfterEdit");
        cds.BeforePost = rec("BeforePost");
        cds.AfterPost = rec("AfterPost");
        cds.BeforeCancel = rec("BeforeCancel");
        cds.AfterCancel = rec("AfterCancel");
        cds.BeforeDelete = rec("BeforeDelete");
        cds.AfterDelete = rec("AfterDelete");
        cds.BeforeScroll = rec("BeforeScroll");
        cds.AfterScroll = rec("AfterScroll");
    }

    void watch(DataSource& ds) {
        ds.OnStateChange = [this](DataSource& s) {
            events.push_back("StateChange:" + std::to_string(static_cast<int>(s.State())));
        };
        ds.OnDataChange = [this](DataSource&, Field* f) {
            events.push_back(f ? "DataChange:" + f->FieldName() : "DataChange");
        };
    }

    std::vector<std::string> take() { return std::exchange(events, {}); }
};

} // namespace vq::testing

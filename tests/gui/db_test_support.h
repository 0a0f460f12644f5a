#pragma once
// A customer-like dataset for the data-aware control tests: C1..Cn with a masked tax number, a
// formatted credit limit and coded flags.

#include "platform/data/client_data_set.h"
#include "platform/data/data_source.h"

#include <string>

namespace vq::gui::test {

inline constexpr FieldSpec kFields[] = {
    {"CDCLIENTE", FieldType::String, 21, "Código"},
    {"NMCLIENTE", FieldType::String, 40, "Nome"},
    FieldSpec{"NRINSJURCLIE", FieldType::String, 14, "CNPJ"}.withMask("00.000.000/0000-00;0;_"),
    {"IDCLIEATIV", FieldType::String, 1, "Situação"},
    FieldSpec{"VRLIMCREDCLI", FieldType::Float, 0, "Limite"}.withFormat("#,##0.00"),
    {"IDPRIPUBCLIE", FieldType::String, 1, "Tipo"},
};

inline void openCustomers(ClientDataSet& cds, int rows) {
    cds.CreateFields(kFields);
    DataPacket p({{"CDCLIENTE", FieldType::String, 21},
                  {"NMCLIENTE", FieldType::String, 40},
                  {"NRINSJURCLIE", FieldType::String, 14},
                  {"IDCLIEATIV", FieldType::String, 1},
                  {"VRLIMCREDCLI", FieldType::Float, 0},
                  {"IDPRIPUBCLIE", FieldType::String, 1}});
    for (int i = 1; i <= rows; ++i)
        p.addRow({"C" + std::to_string(i), "Cliente " + std::to_string(i),
                  "1122233300018" + std::to_string(i % 10), i % 2 ? "S" : "N", 1234.5 * i,
                  i % 2 ? "V" : "B"});
    cds.loadPacket(p);
}

} // namespace vq::gui::test

// Writes the seed corpora of the fuzz targets: fuzz_seed_generator <fuzz/corpus dir>.
#include "platform/data/packet.h"
#include "platform/data/variant_codec.h"
#include "platform/net/framing.h"
#include "platform/net/rpc_message.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>

using namespace vq;
using namespace vq::net;

namespace {

void put(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

std::shared_ptr<const DataPacket> packet() {
    auto p = std::make_shared<DataPacket>(std::vector<FieldDesc>{{"CDCLIENTE", FieldType::String, 21},
                                                                 {"VRLIMCREDCLI", FieldType::Float, 0},
                                                                 {"QTDIAS", FieldType::Integer, 0},
                                                                 {"DTCADCLIE", FieldType::DateTime, 0},
                                                                 {"DSOBS", FieldType::Blob, 0},
                                                                 {"IDATIVO", FieldType::Boolean, 0}});
    p->addRow({"J11222333000181", 1500.5, 30, DateTime{46363.5}, "obs", true});
    p->addRow({"F12345678909", nullptr, nullptr, nullptr, nullptr, false});
    return p;
}

std::shared_ptr<const Delta> delta() {
    auto d = std::make_shared<Delta>(
        std::vector<FieldDesc>{{"CDCLIENTE", FieldType::String, 21}, {"NRSEQ", FieldType::SmallInt, 0}});
    d->addRow({UpdateStatus::Inserted, {}, {"J1", 1}, {}});
    d->addRow({UpdateStatus::Modified, {"J2", 2}, {}, {{1, 3}}});
    d->addRow({UpdateStatus::Deleted, {"J3", 4}, {}, {}});
    return d;
}

std::string request(std::uint32_t id, const char* method, VariantArray args) {
    return makeFrame(encodeRequest({id, "Fuzz.rdm", method, std::move(args)}));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: fuzz_seed_generator <fuzz/corpus dir>\n";
        return 2;
    }
    const std::filesystem::path root = argv[1];
    const auto packets = root / "packet";
    const auto frames = root / "rpc_frame";
    std::filesystem::create_directories(packets);
    std::filesystem::create_directories(frames);

    const VariantArray mixed{Variant(),
                             true,
                             -7,
                             2.5,
                             "ação",
                             DateTime{1.25},
                             Bytes{"\x01\x02"},
                             VariantArray{1, VariantArray{"x"}},
                             ServerError{"erro"}};
    put(packets / "variant_array", '\0' + encodeVariant(mixed));
    put(packets / "variant_packet", '\0' + encodeVariant(packet()));
    put(packets / "variant_delta", '\0' + encodeVariant(delta()));
    put(packets / "packet_payload", '\1' + encodePacket(*packet()));
    put(packets / "delta_payload", '\2' + encodeDelta(*delta()));

    put(frames / "echo_packet", request(1, "Echo", {packet()}));
    put(frames / "inc_then_fail", request(2, "Inc", {5, "a"}) + request(3, "Fail", {}));
    put(frames / "confirmar", request(4, "Confirmar", {delta(), "dspCliente"}));
    put(frames / "hello_then_echo", makeFrame(encodeHello({"segredo"})) + request(5, "Echo", {mixed}));
    put(frames / "wrong_shapes",
        request(6, "Inc", {"a"}) + request(7, "Nada", {}) + request(8, "Echo", {1, 2}));
    put(frames / "malformed_with_id", makeFrame(encodeRequest({9, "Fuzz.rdm", "Echo", {}}).substr(0, 14)));
    std::string continued; // the echo_packet request cut into frames of 7 bytes
    const std::string echo = encodeRequest({1, "Fuzz.rdm", "Echo", {packet()}});
    for (const auto& f : splitIntoFrames(echo, 7))
        continued.append(f.header.data(), f.header.size()).append(f.body);
    put(frames / "continued_frames", continued);
    std::cout << "seeds written under " << root << "\n";
    return 0;
}

// The client dataset on a customer-shaped packet: 100,000 rows of ~200 fields, most short or null.
// Baselines, measured in the same run: msgpack-cxx unpacking the same bytes into generic objects, and a
// plain scan of the decoded packet's rows. Counters carry the ratios; nothing is asserted.
#define MSGPACK_NO_BOOST
#include "platform/data/client_data_set.h"
#include "platform/data/value_compare.h"
#include "platform/data/variant_codec.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <malloc.h>
#include <msgpack.hpp>

using namespace vq;

namespace {

constexpr int kRows = 100'000;
constexpr int kFields = 200;
constexpr int kEditedRows = 1'000;

using Clock = std::chrono::steady_clock;
double secondsSince(Clock::time_point t) {
    return std::chrono::duration<double>(Clock::now() - t).count();
}

// Appends instead of operator+: g++ 12 at -O3 raises a false -Wrestrict on "literal" + std::string.
template <class... Parts> std::string cat(const Parts&... parts) {
    std::string out;
    (out.append(parts), ...);
    return out;
}

// A wide record like the customer master: codes, names, flags, amounts and dates; about 60% null.
std::vector<FieldDesc> customerFields() {
    std::vector<FieldDesc> fields = {{"CDCLIENTE", FieldType::String, 21},
                                     {"NMRAZSOCCLIE", FieldType::String, 100},
                                     {"NMFANTCLIE", FieldType::String, 50},
                                     {"NRINSJURCLIE", FieldType::String, 20}};
    for (int i = static_cast<int>(fields.size()); i < kFields; ++i) {
        const std::string name = cat("CAMPO", std::to_string(i));
        switch (i % 10) {
        case 0:
            fields.push_back({name, FieldType::Float, 0});
            break;
        case 1:
            fields.push_back({name, FieldType::DateTime, 0});
            break;
        case 2:
            fields.push_back({name, FieldType::Integer, 0});
            break;
        case 3:
        case 4:
            fields.push_back({name, FieldType::String, 40});
            break;
        default:
            fields.push_back({name, FieldType::String, 1});
            break; // flags "S"/"N"
        }
    }
    return fields;
}

Variant sampleValue(const FieldDesc& f, int field, int row) {
    if (field >= 4 && (field * 7 + row) % 10 < 6)
        return {};
    switch (f.type) {
    case FieldType::Float:
        return 0.01 * (row % 100'000) + field;
    case FieldType::DateTime:
        return DateTime{40000.0 + row % 5000};
    case FieldType::Integer:
        return row % 1000;
    default:
        break;
    }
    if (field == 0)
        return cat("J", std::to_string(10'000'000'000'000LL + row));
    if (f.size == 1)
        return (row + field) % 2 ? "S" : "N";
    return cat("Texto ", std::to_string(row % 977), " campo ", std::to_string(field));
}

struct Fixture {
    std::vector<FieldDesc> fields = customerFields();
    std::string payload; // the packet as it travels (ext payload of a data packet)
    std::vector<FieldSpec> specs;
    std::size_t variantBytes = 0;

    Fixture() {
        DataPacket p(fields);
        p.mutableRows().reserve(kRows);
        for (int r = 0; r < kRows; ++r) {
            Row row;
            row.reserve(kFields);
            for (int i = 0; i < kFields; ++i)
                row.push_back(sampleValue(fields[static_cast<std::size_t>(i)], i, r));
            p.mutableRows().push_back(std::move(row));
        }
        payload = encodePacket(p);
        // The same rows held as std::vector<Variant>: the layout the store replaces.
        for (const Row& row : p.rows()) {
            variantBytes += sizeof(Row) + row.capacity() * sizeof(Variant);
            for (const Variant& v : row)
                if (v.is(VariantKind::String) && v.asString().size() > 15)
                    variantBytes += (v.asString().size() + 1 + 8 + 15) / 16 * 16;
        }
        for (const auto& f : fields)
            specs.emplace_back(f.name, f.type, f.size);
    }

    void declare(ClientDataSet& cds) const { cds.CreateFields(specs); }
};

const Fixture& fixture() {
    static const Fixture f;
    return f;
}

// Decode + load against msgpack-cxx unpacking the same bytes; plus memory of the loaded dataset.
void BM_DecodeAndLoadPacket(benchmark::State& state) {
    const Fixture& fx = fixture();
    double baseline = 0, decode = 0, load = 0;
    std::size_t storeBytes = 0, heapBytes = 0;
    for (auto _ : state) {
        auto t = Clock::now();
        {
            msgpack::object_handle oh = msgpack::unpack(fx.payload.data(), fx.payload.size());
            benchmark::DoNotOptimize(oh.get().type);
        }
        baseline += secondsSince(t);

        t = Clock::now();
        const DataPacket packet = decodePacket(fx.payload);
        const double decoded = secondsSince(t);
        decode += decoded;

        ClientDataSet cds("cdsCliente");
        fx.declare(cds);
        const std::size_t heapBefore = mallinfo2().uordblks;
        t = Clock::now();
        cds.loadPacket(packet);
        const double loaded = secondsSince(t);
        load += loaded;
        heapBytes = mallinfo2().uordblks - heapBefore;
        storeBytes = cds.storageBytes();
        state.SetIterationTime(decoded + loaded);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["msgpack_cxx_ms"] = 1000 * baseline / n;
    state.counters["decode_ms"] = 1000 * decode / n;
    state.counters["load_ms"] = 1000 * load / n;
    state.counters["ratio_vs_msgpack_cxx"] = (decode + load) / baseline;
    state.counters["packet_bytes_per_row"] = static_cast<double>(fx.payload.size()) / kRows;
    state.counters["store_bytes_per_row"] = static_cast<double>(storeBytes) / kRows;
    state.counters["heap_bytes_per_row"] = static_cast<double>(heapBytes) / kRows;
    state.counters["variant_rows_bytes_per_row"] = static_cast<double>(fx.variantBytes) / kRows;
    state.counters["store_vs_packet"] =
        static_cast<double>(storeBytes) / static_cast<double>(fx.payload.size());
}
BENCHMARK(BM_DecodeAndLoadPacket)->Unit(benchmark::kMillisecond)->Iterations(3)->UseManualTime();

ClientDataSet& loadedDataSet() {
    static ClientDataSet cds("cdsCliente");
    if (!cds.Active()) {
        fixture().declare(cds);
        cds.loadPacket(decodePacket(fixture().payload));
    }
    return cds;
}

// 1,000 rows edited (two fields each), then the delta built; baseline: msgpack-cxx unpacking the delta.
void BM_DeltaOfEditedRows(benchmark::State& state) {
    ClientDataSet& cds = loadedDataSet();
    double edits = 0, build = 0, baseline = 0;
    std::size_t deltaRows = 0;
    for (auto _ : state) {
        cds.CancelUpdates();
        auto t = Clock::now();
        cds.First();
        for (int i = 0; i < kEditedRows; ++i) {
            if (i > 0)
                cds.MoveBy(kRows / kEditedRows);
            cds.Edit();
            cds.FieldByName("NMFANTCLIE").SetAsString(cat("Editado ", std::to_string(i)));
            cds.FieldByName("CAMPO10").SetAsFloat(i * 1.5);
            cds.Post();
        }
        edits += secondsSince(t);
        t = Clock::now();
        const Variant delta = cds.Delta();
        const double built = secondsSince(t);
        build += built;
        state.SetIterationTime(built);
        deltaRows = delta.asDelta().rowCount();
        const std::string bytes = encodeDelta(delta.asDelta());
        t = Clock::now();
        {
            msgpack::object_handle oh = msgpack::unpack(bytes.data(), bytes.size());
            benchmark::DoNotOptimize(oh.get().type);
        }
        baseline += secondsSince(t);
    }
    cds.CancelUpdates();
    const double n = static_cast<double>(state.iterations());
    state.counters["delta_rows"] = static_cast<double>(deltaRows);
    state.counters["edit_post_us_per_row"] = 1e6 * edits / n / kEditedRows;
    state.counters["delta_build_ms"] = 1000 * build / n;
    state.counters["ratio_vs_msgpack_cxx_unpack"] = build / baseline;
}
BENCHMARK(BM_DeltaOfEditedRows)->Unit(benchmark::kMillisecond)->Iterations(5)->UseManualTime();

// Locate of the last row, ignoring case, against a scan of the decoded packet doing the same compare.
void BM_LocateLastRowCaseInsensitive(benchmark::State& state) {
    ClientDataSet& cds = loadedDataSet();
    static const DataPacket packet = decodePacket(fixture().payload);
    packet.rows(); // decoded rows are made on first use: not part of the scan measured
    const std::string key = cat("j", std::to_string(10'000'000'000'000LL + kRows - 1));
    double ours = 0, baseline = 0;
    for (auto _ : state) {
        cds.First();
        auto t = Clock::now();
        const bool found = cds.Locate("CDCLIENTE", key, {.CaseInsensitive = true});
        const double took = secondsSince(t);
        ours += took;
        state.SetIterationTime(took);
        benchmark::DoNotOptimize(found);
        t = Clock::now();
        std::size_t at = 0;
        for (std::size_t r = 0; r < packet.rowCount(); ++r)
            if (textMatches(packet.row(r)[0].asString(), key, true, false)) {
                at = r;
                break;
            }
        baseline += secondsSince(t);
        benchmark::DoNotOptimize(at);
    }
    state.counters["found_recno"] = cds.RecNo();
    state.counters["ratio_vs_packet_scan"] = ours / baseline;
}
BENCHMARK(BM_LocateLastRowCaseInsensitive)->Unit(benchmark::kMillisecond)->Iterations(5)->UseManualTime();

} // namespace

BENCHMARK_MAIN();

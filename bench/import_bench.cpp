// Customer import: 100,000 Windows-1252 CRLF lines of 40 columns. Baseline: std::getline over the same file.
// Reports the reader alone and read + convert + append to cdsCliente + Verif_Dados as ratios to the
// baseline, the lines per second of the whole, and the bytes each imported row keeps. Goals: reader <= 3x,
// whole <= 50x and >= 25,000 lines/s. Last run (Release, CPU time): reader 2.3-2.4x, whole 34-38x,
// 200,000-240,000 lines/s, 650 bytes a row (docs/import.md).

#include "import/import_fields.h"
#include "import/import_file_reader.h"
#include "import/import_rows.h"
#include "import/line_converter.h"
#include "import/row_check.h"

#include <benchmark/benchmark.h>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using namespace vq;
// CPU time of this thread: the machine is shared, and waiting for a core is not the import's cost.
struct Clock {
    using time_point = double;
    static double now() {
        timespec ts{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
        return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
    }
};
double secondsSince(double t) {
    return Clock::now() - t;
}

constexpr int kLines = 100000;

struct Col {
    const char* name;
    int length;
    char type;
    int decimals;
};

// 40 columns, about 420 characters a line.
constexpr Col kCols[] = {
    {"IDTPIJURCLIE", 1, 'T', 0},  {"NRINSJURCLIE", 14, 'T', 0}, {"NMRAZSOCCLIE", 50, 'T', 0},
    {"NMFANTCLIE", 30, 'T', 0},   {"NRINSESTCLIE", 15, 'T', 0}, {"CDVENDEDOR", 4, 'T', 0},
    {"CDSEGMER", 5, 'T', 0},      {"CDATIVCLI", 5, 'T', 0},     {"CDFORMPGTO", 2, 'T', 0},
    {"CDINDICE", 4, 'T', 0},      {"CDCONTCTBL", 12, 'T', 0},   {"IDCLIEATIV", 1, 'T', 0},
    {"IDSEXOCLIE", 1, 'T', 0},    {"IDTIPOCLIE", 1, 'T', 0},    {"DSHOMEPACLI", 40, 'T', 0},
    {"NMMAECLIE", 40, 'T', 0},    {"NMPAICLIE", 40, 'T', 0},    {"DSNATURCLIE", 20, 'T', 0},
    {"NRRGCLIE", 12, 'T', 0},     {"NRTURNO", 2, 'T', 0},       {"VRLIMCREDCLI", 12, 'N', 2},
    {"VRCAPITALCLI", 12, 'N', 2}, {"VRPATLIQCLI", 12, 'N', 2},  {"VRPEMARGLUCR", 6, 'N', 2},
    {"VRPERPG1CLIE", 6, 'N', 2},  {"VRPERPG2CLIE", 6, 'N', 2},  {"QTCNDPG1CLIE", 3, 'N', 0},
    {"QTCNDPG2CLIE", 3, 'N', 0},  {"NRPARCPGTOCL", 2, 'N', 0},  {"NRDIAPGFIXCL", 2, 'N', 0},
    {"DTCADACLIE", 10, 'D', 0},   {"DTNASCCLIE", 10, 'D', 0},   {"DTVALLIMCLI", 10, 'D', 0},
    {"IDCONTRIBCLI", 1, 'T', 0},  {"IDUTLICEUSO", 1, 'T', 0},   {"CDPERFCLIE", 3, 'T', 0},
    {"CDREFERENCIA", 3, 'T', 0},  {"CDTPCTRECEB", 6, 'T', 0},   {"IDFORMPGCLIE", 1, 'T', 0},
    {"NMRESPCLIE", 30, 'T', 0},
};

std::string cpf(int n) {
    std::string d = std::to_string(100000000 + n).substr(0, 9);
    for (int len = 9; len <= 10; ++len) {
        int sum = 0;
        for (int i = 0; i < len; ++i)
            sum += (d[static_cast<std::size_t>(i)] - '0') * (len + 1 - i);
        const int r = (sum * 10) % 11;
        d.push_back(static_cast<char>('0' + (r == 10 ? 0 : r)));
    }
    return d;
}

std::string field(std::string value, int length) {
    value.resize(static_cast<std::size_t>(length), ' ');
    return value;
}

struct Fixture {
    std::filesystem::path dir;
    std::string path;
    std::vector<import::LayoutColumn> columns;
    std::uint64_t bytes = 0;

    Fixture() {
        dir = std::filesystem::temp_directory_path() / "vq-import-bench";
        std::filesystem::create_directories(dir);
        path = (dir / "clientes.txt").string();
        int position = 1;
        for (const Col& c : kCols) {
            import::LayoutColumn lc;
            lc.position = position;
            lc.length = c.length;
            lc.type = c.type;
            lc.decimals = c.decimals;
            lc.name = c.name;
            lc.slot = import::findImportField(c.name);
            columns.push_back(lc);
            position += c.length;
        }
        std::ofstream out(path, std::ios::binary);
        for (int i = 0; i < kLines; ++i) {
            const std::string n = std::to_string(i);
            std::string line;
            for (const Col& c : kCols) {
                const std::string name = c.name;
                std::string v;
                if (name == "IDTPIJURCLIE")
                    v = "F";
                else if (name == "NRINSJURCLIE")
                    v = cpf(i);
                else if (c.type == 'D')
                    v = "07/12/2026";
                else if (c.type == 'N')
                    v = std::to_string(i % 97);
                else if (name.starts_with("NM") || name.starts_with("DS"))
                    v = "JOS\xC9 DA CONCEI\xC7\xC3O " + n; // Windows-1252
                else
                    v = std::to_string(i % 7);
                line += field(v, c.length);
            }
            out << line << "\r\n";
        }
        out.close();
        bytes = std::filesystem::file_size(path);
    }
    ~Fixture() {
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

double baselineGetline(const std::string& path) {
    const auto t = Clock::now();
    std::ifstream in(path, std::ios::binary);
    std::string line;
    std::size_t total = 0;
    while (std::getline(in, line))
        total += line.size();
    benchmark::DoNotOptimize(total);
    return secondsSince(t);
}

double readerAlone(const std::string& path) {
    const auto t = Clock::now();
    import::ImportFileReader reader(path);
    std::string_view line;
    std::size_t total = 0;
    while (reader.readLine(line))
        total += line.size();
    benchmark::DoNotOptimize(total);
    return secondsSince(t);
}

double wholeImport(Fixture& fx, std::size_t& storeBytes) {
    const auto t = Clock::now();
    ClientDataSet rows("cdsCliente");
    rows.CreateFields(import::importFieldSpecs());
    rows.SetLogChanges(false);
    rows.CreateDataSet();
    import::LineConverter converter(fx.columns);
    import::RowFiller filler(rows);
    Field& code = rows.FieldByName("CDCLIENTE");
    Field& kind = rows.FieldByName("IDTPIJURCLIE");
    Field& number = rows.FieldByName("NRINSJURCLIE");
    Field& name = rows.FieldByName("NMRAZSOCCLIE");
    import::ImportFileReader reader(fx.path);
    std::string_view line;
    std::vector<PackedRow> batch;
    while (reader.readLine(line)) {
        converter.convert(line, reader.fileName(), reader.lineNumber());
        batch.push_back(filler.fill(converter, reader.fileName(), reader.lineNumber()));
        if (batch.size() == 4096)
            rows.appendPacked(batch);
    }
    rows.appendPacked(batch);
    int bad = 0;
    for (rows.First(); !rows.Eof(); rows.Next()) {
        const std::string c = code.AsString(), k = kind.AsString(), nr = number.AsString(),
                          nm = name.AsString();
        bad += !import::rowProblem({c, k, nr, nm}).empty();
    }
    if (bad != 0 || rows.RecordCount() != kLines)
        throw std::runtime_error("unexpected import result");
    storeBytes = rows.storageBytes();
    return secondsSince(t);
}

void BM_ImportCustomers(benchmark::State& state) {
    Fixture& fx = fixture();
    double baseline = 0, reader = 0, whole = 0;
    std::size_t storeBytes = 0;
    for (auto _ : state) {
        const double b = baselineGetline(fx.path);
        const double r = readerAlone(fx.path);
        const double w = wholeImport(fx, storeBytes);
        baseline += b;
        reader += r;
        whole += w;
        state.SetIterationTime(w);
    }
    const auto n = static_cast<double>(state.iterations());
    state.counters["getline_ms"] = 1000 * baseline / n;
    state.counters["reader_ms"] = 1000 * reader / n;
    state.counters["import_ms"] = 1000 * whole / n;
    state.counters["reader_vs_getline"] = reader / baseline;
    state.counters["import_vs_getline"] = whole / baseline;
    state.counters["import_lines_per_s"] = kLines * n / whole;
    state.counters["file_bytes_per_line"] = static_cast<double>(fx.bytes) / kLines;
    state.counters["store_bytes_per_row"] = static_cast<double>(storeBytes) / kLines;
}
BENCHMARK(BM_ImportCustomers)->Unit(benchmark::kMillisecond)->Iterations(3)->UseManualTime();

} // namespace

BENCHMARK_MAIN();

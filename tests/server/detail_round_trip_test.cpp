// The customer form's datasets against the real server: each is loaded through its method, changed in
// the client (edit, insert, delete), saved with Confirmar and reloaded, and must come back as it was sent.
// Texts fill their fields to the last character, with accents and characters outside the BMP, so a width
// counted in bytes or UTF-16 units anywhere on the way fails here.

#include "contract/customer_filter.h"
#include "customer/additional_data.h"
#include "customer/customer_datasets.h"
#include "framework/services/consiste_messages.h"
#include "platform/data/error.h"
#include "platform/data/utf8_text.h"
#include "platform/net/net_connection.h"
#include "server/core/app_server.h"
#include "server/core/provider.h"
#include "services/app_server.h"
#include "tests/framework/services_test_support.h"
#include "tests/server/server_fixture.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <string>
#include <vector>

namespace vq::test {
namespace {

using customer::CustomerDataSets;

struct RoundTripCase {
    std::string_view dataSet;
    std::string_view keyField; // set by the test per row; empty when the row rules set the key
    std::array<std::string_view, 3> keys;
    std::string_view editField;
    bool oneRow = false; // one address of each kind per customer
};

constexpr RoundTripCase kCases[] = {
    {"cdsCliente", "CDCLIENTE", {"DM1", "DM2", "DM3"}, "NMFANTCLIE"},
    {"cdsEndeClieNorm", "", {}, "DSENDECLIE", true},
    {"cdsEndeClieCobr", "", {}, "DSENDECLIE", true},
    {"cdsEndeExt", "", {}, "DSENDECLIE", true},
    {"cdsEndeExp", "", {}, "DSENDECLIE", true},
    {"cdsEndEntrega", "", {}, "DSENDECLIE", true},
    {"cdsInterloc", "CDINTECLIE", {"01", "02", "03"}, "NMINTECLIE"},
    {"cdsCorres", "CDTIPOCORR", {"001", "002", "003"}, "CDTIPOCORR"},
    {"cdsObserv", "", {}, "DSOBSERVCLIE"},
    {"cdsPrazoPgtoClie", "NRDIASPGTOCL", {"30", "60", "90"}, "VRPERCPGTOCL"},
    {"cdsBancoPref", "CDBANCO", {"001", "033", "237"}, "CDCONTCORR"},
    {"cdsPrecoBaseCli", "CDPRECOBASE", {"01", "02", "03"}, "IDPRBASEPRIN"},
    {"cdsSocios", "NRSEQSOCCLIE", {"01", "02", "03"}, "NMSOCIOCLIE"},
    {"cdsIndice", "CDINDICE", {"0901", "0902", "0903"}, "NMINDICE"},
    {"cdsMensCliente", "NRMENSCLIENTE", {"00001", "00002", "00003"}, "DSMENSCLIENTE"},
    {"cdsContCtbl", "CDCONTCTBL", {"9.1", "9.2", "9.3"}, "NMCONTCTBL"},
};

// Set by the row rules (or below, as the form's handlers do), never by the filler.
constexpr std::string_view kRuleSetFields[] = {"CDCLIENTE", "CDINTECLIE", "IDTPENDECLIE", "DTHROBSCLIE"};

// A long formatted note with accents and line breaks: observations keep it whole.
std::string longNote(int n) {
    std::string text = "{\\rtf1 Observação " + std::to_string(n) + "\\par\n";
    while (text.size() < 6000)
        text += "Linha com acentuação: ção, é, ü — e aspas ' \" ;\n";
    return text + "}";
}

Variant typed(const Field& field, std::string_view text) {
    if (field.DataType() == FieldType::Float)
        return Variant(std::stod(std::string(text)));
    return Variant(std::string(text));
}

// Exactly `size` characters, distinct per row and column: an accent first, then the row and column, then
// accented text and 4-byte characters to the end.
std::string fullWidth(int size, int row, int column) {
    std::u32string text = utf8::decode("ç" + std::to_string(row) + "𝄞" + std::to_string(column) + " ");
    const std::u32string pad = utf8::decode("ação 𝄞 Ü ");
    while (text.size() < static_cast<std::size_t>(size))
        text += pad;
    return utf8::encode(text.substr(0, static_cast<std::size_t>(size)));
}

// A value of the field's type that fills it, distinct per row.
Variant filler(const Field& field, int row, int column) {
    switch (field.DataType()) {
    case FieldType::Float:
        return Variant(row * 10.0 + column + 0.25);
    case FieldType::DateTime:
        return Variant(makeDateTime({2024, 1 + row, 1 + column % 28}));
    case FieldType::Blob:
        return Variant(longNote(row));
    default:
        if (field.Size() == 1) // one character: still distinct per row
            return Variant(utf8::encode(std::u32string(1, U"çé𝄞ü"[row % 4])));
        return Variant(fullWidth(field.Size() > 0 ? field.Size() : 20, row, column));
    }
}

// One seeded server per database kind, started on first use and stopped after each suite.
struct TestServer {
    std::unique_ptr<TempDbFile> file;
    std::string url;
    std::unique_ptr<server::ServerHandle> handle;
};

// The whole value: describe() shortens long texts, and blobs must come back whole.
std::string fullText(const Variant& v) {
    if (v.is(VariantKind::String))
        return "\"" + v.asString() + "\"";
    if (v.is(VariantKind::Bytes))
        return "bytes:" + v.toBytes().data;
    if (v.is(VariantKind::DateTime)) // to the second
        return "dt:" + std::to_string(std::llround(v.toDateTime().days * 86400.0));
    return v.describe();
}

class DetailRoundTripTest : public ::testing::TestWithParam<RoundTripCase> {
protected:
    static void TearDownTestSuite() { servers().clear(); }

    virtual db::Dialect dialect() const { return db::Dialect::SQLite; }

    static std::map<db::Dialect, TestServer>& servers() {
        static std::map<db::Dialect, TestServer> all;
        return all;
    }

    TestServer& testServer() {
        TestServer& s = servers()[dialect()];
        if (!s.handle) {
            if (dialect() == db::Dialect::SQLite) {
                s.file = std::make_unique<TempDbFile>();
                s.url = s.file->url();
            } else {
                s.url = sharedPgServer()->createDatabase();
            }
            server::ServerConfig config;
            config.port = 0;
            config.databaseUrl = s.url;
            config.threads = 2;
            config.seed = seed::SeedOptions{5};
            s.handle = server::startServer(config);
        }
        return s;
    }

    void SetUp() override {
        if (dialect() == db::Dialect::PostgreSQL && !sharedPgServer())
            GTEST_SKIP() << pgUnavailableReason();
        TestServer& server = testServer();
        url_ = server.url;
        conn_.ServerName = "Vqm41200.rdmClientes";
        conn_.Port = server.handle->port();
        conn_.SetTimeout(60000);
        // Each case has a customer of its own, so cases do not see each other's rows.
        code_ = "DT" + std::to_string(caseIndex());
        db::Connection db(url_);
        db.execute("INSERT INTO CLIENTE (CDCLIENTE, NMRAZSOCCLIE, IDTPIJURCLIE, NRINSJURCLIE) VALUES (:C, "
                   "'Cliente de teste', 'J', :C)",
                   {{"C", code_}});
        db.execute("INSERT INTO INTECLIE (CDCLIENTE, CDINTECLIE, NMINTECLIE) VALUES (:C, '07', 'Contato')",
                   {{"C", code_}});
        customer::CustomerServices services;
        services.msg = [](std::string_view key) { return std::string(key); };
        services.currentOperator = [] { return customer::OperatorInfo{"OPER01", "Operador"}; };
        services.now = [this] { return makeDateTime({2025, 3, 1}, {10, 0, ++seconds_}); };
        sets_ = std::make_unique<CustomerDataSets>(std::move(services));
        selectCustomer(code_);
        services::readInto(conn_, "GetInterloc", {code_}, sets_->cdsInterloc());
    }

    void TearDown() override {
        // A refused call ends in a silent Abort; its text is in what was shown.
        if (HasFailure())
            for (const gui::Message& m : messages_.shown)
                ADD_FAILURE() << "shown: " << m.text;
    }

    // Each case works on a customer of its own.
    static int caseIndex() {
        const std::string_view dataSet = GetParam().dataSet;
        for (std::size_t i = 0; i < std::size(kCases); ++i)
            if (kCases[i].dataSet == dataSet)
                return static_cast<int>(i);
        return -1;
    }

    void selectCustomer(const std::string& list) {
        contract::CustomerFilter filter;
        filter.customer = {false, "_" + list + "_"};
        services::readInto(conn_, contract::kGetCliente, contract::toArgs(filter), sets_->cdsCliente());
    }

    void load(ClientDataSet& ds) {
        const std::string name = ds.Name();
        if (name == "cdsCliente")
            return selectCustomer("DM1_DM2_DM3");
        if (name == "cdsCorres")
            return services::readInto(conn_, "GetCorres", {code_, "07"}, ds);
        if (name == "cdsContCtbl")
            return services::readInto(conn_, "GetContCtbl", {"", "T", 9}, ds);
        if (name == "cdsIndice" || name == "cdsMensCliente") {
            VariantArray args{"", "T", code_};
            const Variant answer = Consiste::CheckResultServ(conn_.Call("GetInfoPaginaDadosAdicionais", args),
                                                             true, Consiste::ResultKind::StatusArray);
            return customer::loadAdditionalData(sets_->cdsIndice(), sets_->cdsMensCliente(), answer);
        }
        services::readInto(conn_, sets_->descriptor(name).loadMethod, {code_}, ds);
    }

    // The rows as the provider stores them (table columns only), in key order.
    std::vector<std::string> stored(const ClientDataSet& ds) const {
        const server::Provider& p = server::requireProvider(sets_->descriptor(ds.Name()).provider);
        std::vector<std::string> rows;
        for (int r = 0; r < ds.RecordCount(); ++r) {
            std::string row;
            for (int f = 0; f < ds.FieldCount(); ++f)
                if (const auto* col = p.column(ds.Fields(f).FieldName()); col && col->writable)
                    row += col->name + "=" + fullText(ds.valueAt(r, f)) + "|";
            rows.push_back(std::move(row));
        }
        std::sort(rows.begin(), rows.end());
        return rows;
    }

    void fillRow(ClientDataSet& ds, const RoundTripCase& c, int row) {
        const server::Provider& p = server::requireProvider(sets_->descriptor(ds.Name()).provider);
        for (int f = 0; f < ds.FieldCount(); ++f) {
            Field& field = ds.Fields(f);
            const auto* col = p.column(field.FieldName());
            const bool ruled = std::find(std::begin(kRuleSetFields), std::end(kRuleSetFields),
                                         field.FieldName()) != std::end(kRuleSetFields);
            if (!col || !col->writable || ruled)
                continue;
            const Variant value = filler(field, row, f);
            field.SetValue(value);
            EXPECT_EQ(fullText(field.Value()), fullText(value)) << field.FieldName(); // taken whole
        }
        if (Field* owner = ds.FindField("CDCLIENTE"); owner && ds.Name() != "cdsCliente")
            owner->SetValue(Variant(code_)); // the form's own handlers set it where no row rule does
        if (!c.keyField.empty())
            ds.FieldByName(c.keyField)
                .SetValue(typed(ds.FieldByName(c.keyField), c.keys[static_cast<std::size_t>(row)]));
    }

    void insertRow(ClientDataSet& ds, const RoundTripCase& c, int row) {
        ds.Append();
        fillRow(ds, c, row);
        ds.Post();
    }

    // Saves, then reloads: what comes back is what was sent.
    void saveAndReload(ClientDataSet& ds, const std::string& step) {
        SCOPED_TRACE(step);
        const std::vector<std::string> sent = stored(ds);
        ASSERT_TRUE(services::applyUpdates(conn_, ds, sets_->descriptor(ds.Name()).provider));
        EXPECT_EQ(ds.ChangeCount(), 0);
        load(ds);
        EXPECT_EQ(stored(ds), sent);
    }

    void runRoundTrip(const RoundTripCase& c);

    std::string url_;
    net::TNetConnection conn_;
    MessageRecorder messages_;
    std::string code_;
    int seconds_ = 0;
    std::unique_ptr<CustomerDataSets> sets_;
};

void DetailRoundTripTest::runRoundTrip(const RoundTripCase& c) {
    ClientDataSet& ds = sets_->dataSet(c.dataSet);
    load(ds);
    const int before = ds.RecordCount();

    insertRow(ds, c, 0);
    if (!c.oneRow)
        insertRow(ds, c, 1);
    ASSERT_NO_FATAL_FAILURE(saveAndReload(ds, "insert"));
    EXPECT_EQ(ds.RecordCount(), before + (c.oneRow ? 1 : 2));

    // Edit the first inserted row.
    ds.First();
    for (; !ds.Eof(); ds.Next()) {
        bool ours = true;
        if (!c.keyField.empty())
            ours = ds.FieldByName(c.keyField).Value() == typed(ds.FieldByName(c.keyField), c.keys[0]);
        if (ours)
            break;
    }
    ASSERT_FALSE(ds.Eof());
    ds.Edit();
    Field& edited = ds.FieldByName(c.editField);
    edited.SetValue(c.editField == c.keyField ? typed(edited, "009") : filler(edited, 7, 3));
    ds.Post();
    ASSERT_NO_FATAL_FAILURE(saveAndReload(ds, "edit"));

    // Delete the row just edited; another one takes its place where the key allows.
    ds.First();
    const int count = ds.RecordCount();
    ds.Delete();
    if (!c.oneRow)
        insertRow(ds, c, 2);
    ASSERT_NO_FATAL_FAILURE(saveAndReload(ds, "delete"));
    EXPECT_EQ(ds.RecordCount(), c.oneRow ? count - 1 : count);
}

TEST_P(DetailRoundTripTest, EditInsertAndDeleteComeBackAsSent) {
    runRoundTrip(GetParam());
}

std::string caseName(const ::testing::TestParamInfo<RoundTripCase>& info) {
    return std::string(info.param.dataSet);
}

INSTANTIATE_TEST_SUITE_P(Datasets, DetailRoundTripTest, ::testing::ValuesIn(kCases), caseName);

// The same on PostgreSQL, where VARCHAR(N) itself holds the width.
class DetailRoundTripPgTest : public DetailRoundTripTest {
protected:
    db::Dialect dialect() const override { return db::Dialect::PostgreSQL; }
};

TEST_P(DetailRoundTripPgTest, EditInsertAndDeleteComeBackAsSent) {
    runRoundTrip(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Datasets, DetailRoundTripPgTest, ::testing::ValuesIn(kCases), caseName);

} // namespace
} // namespace vq::test

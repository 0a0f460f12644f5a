#include "framework/services/btn_pesquisa.h"
#include "framework/services/db_geral.h"
#include "framework/services/pesquisa.h"
#include "platform/data/client_data_set.h"
#include "platform/data/data_source.h"
#include "platform/data/error.h"
#include "platform/db/connection.h"
#include "services_test_support.h"

#include <array>
#include <gtest/gtest.h>
#include <memory>

namespace vq {
namespace {

using gui::ChoiceRequest;
using gui::RowChoice;
using gui::RowsChoice;
using LookupSeam = gui::Seam<RowChoice(const ChoiceRequest&)>;
using PickerSeam = gui::Seam<RowsChoice(const ChoiceRequest&)>;

constexpr std::array<FieldSpec, 3> kPaisFields{{
    FieldSpec{"CDPAIS", FieldType::String, 4, "Código"},
    FieldSpec{"NMPAIS", FieldType::String, 30, "Nome"},
    FieldSpec{"IDMARCADO", FieldType::String, 1}.hidden(),
}};

class LookupTest : public ::testing::Test {
protected:
    void SetUp() override {
        cdsPais.CreateFields(kPaisFields);
        cdsPais.CreateDataSet();
        for (const auto& [code, name] : std::array<std::pair<const char*, const char*>, 4>{
                 {{"0105", "Brasil"}, {"0063", "Argentina"}, {"0586", "Paraguai"}, {"0845", "Uruguai"}}}) {
            cdsPais.Append();
            cdsPais.FieldByName("CDPAIS").SetAsString(code);
            cdsPais.FieldByName("NMPAIS").SetAsString(name);
            cdsPais.Post();
        }
        cdsPais.First();
    }
    ClientDataSet cdsPais{"cdsPais"};
    DataSource dtsPais{"dtsPais", &cdsPais};
    test::MessageRecorder messages;
    std::vector<ChoiceRequest> requests;
};

TEST_F(LookupTest, ListPickerPreselectsTheListAndWritesTheChosenCodes) {
    std::string list = "_0586_ _9999_"; // an unknown code and stray characters are ignored
    gui::SeamOverride<PickerSeam> picker(gui::seams::listPicker(), [&](const ChoiceRequest& r) -> RowsChoice {
        requests.push_back(r);
        return std::vector<std::size_t>{3, 0, 3};
    });
    ASSERT_TRUE(Pesqlista::PesquisaLista(dtsPais, "CDPAIS", "País|Não há país cadastrado.", false, list));
    EXPECT_EQ(list, "_0105__0845_");
    ASSERT_EQ(requests.size(), 1U);
    const ChoiceRequest& r = requests[0];
    EXPECT_EQ(r.caption, "País");
    EXPECT_EQ(r.emptyText, "Não há país cadastrado.");
    EXPECT_EQ(r.columns, (std::vector<std::string>{"Código", "Nome"})); // hidden fields stay hidden
    EXPECT_EQ(r.keys, (std::vector<std::string>{"0105", "0063", "0586", "0845"}));
    EXPECT_EQ(r.rows[2], (std::vector<std::string>{"0586", "Paraguai"}));
    EXPECT_EQ(r.selected, (std::vector<std::size_t>{2}));
    EXPECT_TRUE(Pesqlista::listContains(list, "0845"));
    EXPECT_FALSE(Pesqlista::listContains(list, "084"));
}

TEST_F(LookupTest, ListPickerCancelledOrEmptyLeavesTheList) {
    std::string list = "_0063_";
    int calls = 0;
    gui::SeamOverride<PickerSeam> picker(gui::seams::listPicker(), [&](const ChoiceRequest&) -> RowsChoice {
        ++calls;
        return std::nullopt;
    });
    EXPECT_FALSE(Pesqlista::PesquisaLista(cdsPais, "CDPAIS", "País|Vazio", false, list));
    EXPECT_EQ(list, "_0063_");

    cdsPais.EmptyDataSet();
    EXPECT_FALSE(Pesqlista::PesquisaLista(cdsPais, "CDPAIS", "País|Não há país cadastrado.", false, list));
    EXPECT_EQ(calls, 1); // no picker over an empty list: its text is shown instead
    ASSERT_EQ(messages.shown.size(), 1U);
    EXPECT_EQ(messages.shown[0].kind, gui::MessageKind::Info);
    EXPECT_EQ(messages.shown[0].text, "Não há país cadastrado.");
    EXPECT_EQ(list, "_0063_");
}

TEST(ListFormTest, CodesRoundTrip) {
    EXPECT_EQ(Pesqlista::makeList({"J11222333000181"}), "_J11222333000181_");
    EXPECT_EQ(Pesqlista::makeList({" 01 ", "", "0105SP"}), "_01__0105SP_");
    EXPECT_EQ(Pesqlista::listCodes("_01__0105SP_"), (std::vector<std::string>{"01", "0105SP"}));
    EXPECT_TRUE(Pesqlista::listCodes("").empty());
    EXPECT_TRUE(Pesqlista::listCodes("T").empty());
}

TEST_F(LookupTest, PesquisarPositionsOnTheChoiceAndReadsItsCaption) {
    gui::SeamOverride<LookupSeam> lookup(gui::seams::lookup(), [&](const ChoiceRequest& r) -> RowChoice {
        requests.push_back(r);
        return 2;
    });
    ASSERT_TRUE(Pesquisa::Pesquisar(dtsPais, "Não há conta corrente cadastrada.|Conta Corrente",
                                    {{"NMPAIS", "País"}}, "CDPAIS"));
    EXPECT_EQ(cdsPais.FieldByName("CDPAIS").AsString(), "0586");
    EXPECT_EQ(requests[0].caption, "Conta Corrente");
    EXPECT_EQ(requests[0].emptyText, "Não há conta corrente cadastrada.");
    EXPECT_EQ(requests[0].columns, (std::vector<std::string>{"País"}));
    EXPECT_EQ(requests[0].keys[0], "0105");
}

TEST_F(LookupTest, ProcuraLocatesTheRowFromTheCurrentOne) {
    cdsPais.SetRecNo(2);
    gui::SeamOverride<LookupSeam> search(gui::seams::search(), [&](const ChoiceRequest& r) -> RowChoice {
        requests.push_back(r);
        return 3;
    });
    ASSERT_TRUE(Procurar::Procura(cdsPais));
    EXPECT_EQ(cdsPais.RecNo(), 4);
    EXPECT_EQ(cdsPais.FieldByName("NMPAIS").AsString(), "Uruguai");
    EXPECT_EQ(requests[0].selected, (std::vector<std::size_t>{1}));
    EXPECT_EQ(requests[0].fields, (std::vector<std::string>{"CDPAIS", "NMPAIS"}));

    gui::SeamOverride<LookupSeam> outOfRange(gui::seams::search(),
                                             [](const ChoiceRequest&) -> RowChoice { return 9; });
    EXPECT_THROW(Procurar::Procura(cdsPais), Error);
    EXPECT_EQ(cdsPais.RecNo(), 4);
}

TEST_F(LookupTest, LookupButtonRunsItsEventsAroundTheChoice) {
    TBtnPesquisa btpPais(nullptr, "btpPais");
    btpPais.Title = "País";
    btpPais.EmptyText = "Não há país cadastrado.";
    btpPais.SetListSource(dtsPais);
    bool allow = false;
    std::vector<std::string> events;
    btpPais.OnBeforePesq = [&](bool& a) {
        events.push_back("before");
        a = allow;
    };
    btpPais.OnAfterPesq = [&] { events.push_back("after " + cdsPais.FieldByName("NMPAIS").AsString()); };
    gui::SeamOverride<LookupSeam> lookup(gui::seams::lookup(), [&](const ChoiceRequest& r) -> RowChoice {
        requests.push_back(r);
        return 1;
    });
    btpPais.Click();
    EXPECT_TRUE(requests.empty());
    EXPECT_FALSE(btpPais.Chosen());

    allow = true;
    btpPais.Click();
    EXPECT_EQ(events, (std::vector<std::string>{"before", "before", "after Argentina"}));
    ASSERT_EQ(requests.size(), 1U);
    EXPECT_EQ(requests[0].caption, "País");
    EXPECT_TRUE(btpPais.Chosen());
    EXPECT_EQ(btpPais.Text("cdpais"), "0063");
    EXPECT_TRUE(btpPais.Value("NAOEXISTE").isNull());
}

TEST_F(LookupTest, LookupButtonOverSqlOnTheSharedConnection) {
    auto connection = std::make_shared<db::Connection>("sqlite::memory:");
    connection->execute("CREATE TABLE PAIS (CDPAIS VARCHAR(4), NMPAIS VARCHAR(30))");
    connection->execute("INSERT INTO PAIS VALUES ('0105', 'Brasil'), ('0063', 'Argentina')");
    TBtnPesquisa btpPais(nullptr, "btpPais");
    btpPais.SetListSql("SELECT CDPAIS, NMPAIS FROM PAIS WHERE (CDPAIS = :P_CDPAIS OR :P_TCDPAIS = 'T') "
                       "ORDER BY CDPAIS");
    btpPais.OnBeforePesq = [&](bool&) {
        btpPais.ListQuery()->Close();
        btpPais.ListQuery()->ParamByName("P_CDPAIS") = "";
        btpPais.ListQuery()->ParamByName("P_TCDPAIS") = "T";
    };
    gui::SeamOverride<LookupSeam> lookup(gui::seams::lookup(), [&](const ChoiceRequest& r) -> RowChoice {
        requests.push_back(r);
        return 1;
    });
    setDtmDBGeral(nullptr);
    EXPECT_THROW(btpPais.Execute(), Error); // no shared connection yet: a clear error, not a crash
    setDtmDBGeral(connection);
    ASSERT_TRUE(btpPais.Execute());
    EXPECT_EQ(requests.back().keys, (std::vector<std::string>{"0063", "0105"}));
    EXPECT_EQ(btpPais.Text("NMPAIS"), "Brasil");
    EXPECT_EQ(btpPais.ListQuery()->FieldByName("CDPAIS").AsString(), "0105");
    setDtmDBGeral(nullptr);
}

} // namespace
} // namespace vq

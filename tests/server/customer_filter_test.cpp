// GetCliente's criteria: all flags, "_code_" lists matched by substring, address-based geography, and
// list text that looks like SQL.

#include "server/core/customer_filter.h"
#include "tests/server/server_fixture.h"

#include <algorithm>

namespace vq::test {
namespace {

using contract::CustomerFilter;
using Criterion = contract::FilterCriterion CustomerFilter::*;

CustomerFilter everything() {
    return {};
}

constexpr Criterion kCustomer = &CustomerFilter::customer, kBranch = &CustomerFilter::activityBranch,
                    kCountry = &CustomerFilter::country, kState = &CustomerFilter::state,
                    kSegment = &CustomerFilter::segment, kOrigin = &CustomerFilter::origin,
                    kQualification = &CustomerFilter::qualification,
                    kMunicipality = &CustomerFilter::municipality;

class CustomerFilterTest : public ServerDbTest {
protected:
    void SetUp() override {
        ServerDbTest::SetUp();
        if (IsSkipped())
            return;
        // code, branch, segment, origin, qualification; normal address country/state/municipality
        addCustomer("J1", "0000000002", "00001", "00002", "01", "0055", "SP", "0001");
        addCustomer("J10", "0000000003", "00001", "00003", "02", "0055", "SP", "0002");
        addCustomer("F123", "0000000002", "00002", "00002", "01", "0055", "RJ", "0001");
        addCustomer("J55", "0000000007", "00003", "00001", "03", "0032", "", "");
        exec("INSERT INTO CLIENTE (CDCLIENTE, NMRAZSOCCLIE) VALUES ('O999', 'Sem Endereço')");
    }

    void addCustomer(const std::string& code, const std::string& branch, const std::string& segment,
                     const std::string& origin, const std::string& qualification, const std::string& country,
                     const std::string& state, const std::string& municipality) {
        exec("INSERT INTO CLIENTE (CDCLIENTE, NMRAZSOCCLIE, CDATIVCLI, CDSEGMER, CDMODODIVULG, CDQUALIF) "
             "VALUES (:P0, :P1, :P2, :P3, :P4, :P5)",
             {code, "Cliente " + code, branch, segment, origin, qualification});
        exec("INSERT INTO ENDECLIE (CDCLIENTE, IDTPENDECLIE, CDPAIS, SGESTADO, CDMUNICIPIO) VALUES (:P0, "
             "'P', :P1, "
             ":P2, :P3)",
             {code, country, state.empty() ? Variant() : Variant(state),
              municipality.empty() ? Variant() : Variant(municipality)});
    }

    std::vector<std::string> codes(const CustomerFilter& f) {
        const DataPacket p = server::selectCustomers(conn(), f);
        const auto at = static_cast<std::size_t>(p.fieldIndex("CDCLIENTE"));
        std::vector<std::string> out;
        for (const auto& r : p.rows())
            out.push_back(r[at].toString());
        std::sort(out.begin(), out.end());
        return out;
    }
    std::vector<std::string> only(Criterion c, std::string list) {
        auto f = everything();
        f.*c = {false, std::move(list)};
        return codes(f);
    }
    using Codes = std::vector<std::string>;
};

TEST_P(CustomerFilterTest, AllFlagsSelectEveryCustomerWithTheWholeRecord) {
    EXPECT_EQ(codes(everything()), (Codes{"F123", "J1", "J10", "J55", "O999"}));
    EXPECT_EQ(server::selectCustomers(conn(), everything()).fields().size(), 167u);
}

TEST_P(CustomerFilterTest, ListsMatchWholeCodesOnly) {
    EXPECT_EQ(only(kCustomer, "_J1_"), (Codes{"J1"})); // not J10
    EXPECT_EQ(only(kCustomer, "_J10__F123_"), (Codes{"F123", "J10"}));
    EXPECT_EQ(only(kBranch, "_0000000002_"), (Codes{"F123", "J1"}));
    EXPECT_EQ(only(kSegment, "_00001_"), (Codes{"J1", "J10"}));
    EXPECT_EQ(only(kOrigin, "_00002_"), (Codes{"F123", "J1"}));
    EXPECT_EQ(only(kQualification, "_03_"), (Codes{"J55"}));
    EXPECT_EQ(only(kCustomer, ""), Codes{}); // a list criterion with no codes selects nothing
}

TEST_P(CustomerFilterTest, GeographyComesFromTheNormalAddress) {
    EXPECT_EQ(only(kCountry, "_0055_"), (Codes{"F123", "J1", "J10"}));
    EXPECT_EQ(only(kState, "_SP_"), (Codes{"J1", "J10"}));
    EXPECT_EQ(only(kState, "_0055RJ_"), (Codes{"F123"}));
    EXPECT_EQ(only(kMunicipality, "_0055SP0001_"), (Codes{"J1"}));
    EXPECT_EQ(only(kMunicipality, "_0055SP0001__0055RJ0001_"), (Codes{"F123", "J1"}));
    auto f = everything();
    f.state = {false, "_SP_"};
    f.segment = {false, "_00001_"};
    f.qualification = {false, "_02_"};
    EXPECT_EQ(codes(f), (Codes{"J10"}));
}

TEST_P(CustomerFilterTest, ListTextIsDataNeverSql) {
    EXPECT_EQ(only(kCustomer, "_x' OR '1'='1_"), Codes{});
    EXPECT_EQ(only(kState, "_') OR 1=1 --_"), Codes{});
    EXPECT_EQ(only(kMunicipality, "%"), Codes{});
}

TEST_P(CustomerFilterTest, SixteenArgumentsPairUpInCallOrder) {
    VariantArray args;
    for (int i = 0; i < 8; ++i) {
        args.emplace_back(i == 2 ? "_0032_" : ""); // the third pair is the country
        args.emplace_back(i == 2 ? "" : "T");
    }
    EXPECT_EQ(codes(contract::customerFilterFromArgs(args)), (Codes{"J55"}));
}

INSTANTIATE_TEST_SUITE_P(Db, CustomerFilterTest,
                         ::testing::Values(db::Dialect::SQLite, db::Dialect::PostgreSQL), dialectName);

} // namespace
} // namespace vq::test

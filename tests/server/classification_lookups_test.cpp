// The classification, receivable, bank, carrier and contact lookups through the running server over the
// seeded database: lists, single codes, keys that need two parts, and the answers shaped for their forms.

#include "tests/server/seeded_server.h"

namespace vq::test {
namespace {

using Names = std::vector<std::string>;

class ClassificationLookupsTest : public SeededServerTest {
protected:
    void exec(const std::string& sql) { server_->db().execute(sql); }
};

struct CodeLookup {
    std::string_view method, table, code, name, known, knownName, check; // check: the switch the form sends
};

constexpr CodeLookup kCodeLookups[] = {
    {"GetVendedor", "VENDEDOR", "CDVENDEDOR", "NMRAZSOCVEN", "0003", "Ricardo Almeida Santos", ""},
    {"GetQualifica", "QUALIFICACAO", "CDQUALIF", "DSQUALIF", "02", "Cliente Prata", ""},
    {"GetPesqGrupClie", "GRUPCLIE", "CDGRUPCLIE", "NMGRUPCLIE", "0000000003", "Distribuidores", "N"},
    {"GetTipContRec", "TPCTRECEB", "CDTPCTRECEB", "DSTPCTRECEB", "000002", "Duplicata de Serviço", ""},
    {"GetTpAjusteRec", "TPAJUCTREC", "CDAJUCTREC", "DSAJUCTREC", "0003", "Multa", "N"},
    {"GetPesqTpBaixa", "TPBAIXAREC", "CDTPBAIXAREC", "NMTPBAIXAREC", "04", "Devolução de Mercadoria", ""},
    {"GetTipoCorr", "TIPOCORR", "CDTIPOCORR", "NMTIPOCORR", "003", "Notas Fiscais", ""},
    {"GetCargoInterloc", "CARGOINTER", "CDCARGOINTERLOC", "NMCARGOINTERLOC", "00004", "Contador", ""},
    {"GetOperador", "OPERADOR", "CDOPERADOR", "NMOPERADOR", "OPER02", "João Pereira", ""},
};

TEST_P(ClassificationLookupsTest, CodeAndSwitchLookupsListEveryRowOrFindTheCheckedCode) {
    for (const CodeLookup& l : kCodeLookups) {
        SCOPED_TRACE(std::string(l.method));
        const DataPacket all = rows(l.method, {"", "T"});
        EXPECT_EQ(static_cast<std::int64_t>(all.rowCount()),
                  count("SELECT COUNT(*) FROM " + std::string(l.table)));
        EXPECT_GE(all.rowCount(), 4u);
        EXPECT_NE(all.fieldIndex(l.code), -1);
        const DataPacket one = rows(l.method, {std::string(l.known), std::string(l.check)});
        ASSERT_EQ(one.rowCount(), 1u);
        EXPECT_EQ(fieldOf(one, 0, l.name), Variant(l.knownName));
        EXPECT_EQ(rows(l.method, {"9999", std::string(l.check)}).rowCount(), 0u);
        EXPECT_EQ(rows(l.method, {"' OR ''='", ""}).rowCount(), 0u);
    }
    // The filter's qualifications carry the picker's mark column.
    EXPECT_EQ(fieldNames(rows("GetQualifica", {"", "T"})), (Names{"IDMARCADO", "CDQUALIF", "DSQUALIF"}));
}

TEST_P(ClassificationLookupsTest, LookupsWhoseBlankCodeOrTreeCodeMeansEveryRow) {
    // Employees: the search sends two blanks, the check (code, "VD").
    EXPECT_EQ(static_cast<std::int64_t>(rows("GetFuncionario", {"", ""}).rowCount()),
              count("SELECT COUNT(*) FROM FUNCIONARIO"));
    const DataPacket helena = rows("GetFuncionario", {"0000000003", "VD"});
    ASSERT_EQ(helena.rowCount(), 1u);
    EXPECT_EQ(fieldOf(helena, 0, "NMFUNC"), Variant("Helena Figueiredo"));
    EXPECT_EQ(rows("GetFuncionario", {"0000000099", "VD"}).rowCount(), 0u);

    // Applied-material products by tree code, "T" for all.
    const DataPacket products = rows("GetProdMatAplic", {"T"});
    EXPECT_EQ(fieldNames(products), (Names{"CDPRODUTO", "NMPRODUTO", "CDARVPROD"}));
    EXPECT_EQ(static_cast<std::int64_t>(products.rowCount()), count("SELECT COUNT(*) FROM PRODUTO"));
    const DataPacket pipe = rows("GetProdMatAplic", {"1.02.002"});
    ASSERT_EQ(pipe.rowCount(), 1u);
    EXPECT_EQ(fieldOf(pipe, 0, "CDPRODUTO"), Variant("0000000004"));
    EXPECT_EQ(rows("GetProdMatAplic", {""}).rowCount(), 0u);

    // A bank's agencies and instructions: every one of that bank for a blank code, never another bank's.
    const DataPacket agencies = rows("GetPesqAgencia", {"", "001"});
    EXPECT_EQ(agencies.rowCount(), 2u);
    for (std::size_t i = 0; i < agencies.rowCount(); ++i)
        EXPECT_EQ(fieldOf(agencies, i, "CDBANCO"), Variant("001"));
    EXPECT_EQ(rows("GetPesqAgencia", {"23451", "237"}).rowCount(), 1u);
    EXPECT_EQ(rows("GetPesqAgencia", {"23451", "001"}).rowCount(), 0u);
    EXPECT_EQ(rows("GetPesqInstCobr", {"237", ""}).rowCount(), 2u);
    const DataPacket interest = rows("GetPesqInstCobr", {"237", "03"});
    ASSERT_EQ(interest.rowCount(), 1u);
    EXPECT_EQ(fieldOf(interest, 0, "NMINSTCOBR"), Variant("Cobrar juros de mora de 1% ao mês"));
    EXPECT_EQ(rows("GetPesqInstCobr", {"", ""}).rowCount(), 0u);
}

TEST_P(ClassificationLookupsTest, CarriersAndTheCustomersCarrierList) {
    const Variant lists = call("GetTipoTransp", {});
    ASSERT_TRUE(lists.is(VariantKind::Array)) << lists.describe();
    ASSERT_EQ(lists.asArray().size(), 2u);
    const DataPacket& types = lists.asArray()[0].asPacket();
    const DataPacket& carriers = lists.asArray()[1].asPacket();
    EXPECT_EQ(static_cast<std::int64_t>(types.rowCount()), count("SELECT COUNT(*) FROM TIPOTRANSP"));
    EXPECT_EQ(static_cast<std::int64_t>(carriers.rowCount()), count("SELECT COUNT(*) FROM TRANSPORT"));
    EXPECT_EQ(fieldNames(carriers),
              (Names{"IDTPIJURTRAN", "NRINSJURTRAN", "NMFANTTRAN", "CDTIPTRANS", "NMTIPTRANS"}));

    const std::string number = fieldOf(carriers, 0, "NRINSJURTRAN").toString();
    const DataPacket one = rows("GetVd_Transportadora", {"J", number});
    ASSERT_EQ(one.rowCount(), 1u);
    EXPECT_FALSE(fieldOf(one, 0, "NMTIPTRANS").toString().empty());
    EXPECT_EQ(rows("GetVd_Transportadora", {"F", number}).rowCount(), 0u);
    EXPECT_EQ(fieldOf(rows("GetVd_TipoTransp", {"0002"}), 0, "NMTIPTRANS"), Variant("Aéreo"));

    // The carrier list of a seeded customer, and the search that refuses a carrier already in it.
    const std::string customer = "JLK1";
    exec("INSERT INTO TRANSCLIEPED (CDCLIENTE, NRINSJURTRAN, IDTPIJURTRAN) VALUES ('JLK1', '" + number +
         "', 'J')");
    const DataPacket list = rows("GetTransCliePed", {customer});
    EXPECT_EQ(fieldNames(list), (Names{"NRINSJURTRAN", "NMFANTTRAN", "IDTPIJURTRAN", "CDCLIENTE"}));
    ASSERT_GE(list.rowCount(), 1u);
    EXPECT_FALSE(fieldOf(list, 0, "NMFANTTRAN").toString().empty());
    const std::string listed = fieldOf(list, 0, "NRINSJURTRAN").toString();

    const Variant every = call("GetPesquisaListaTransp", {true, "", ""});
    ASSERT_TRUE(every.is(VariantKind::Packet)) << every.describe();
    EXPECT_EQ(every.asPacket().rowCount(), carriers.rowCount());
    const Variant already = call("GetPesquisaListaTransp", {false, customer, listed});
    ASSERT_TRUE(already.is(VariantKind::Array)) << already.describe();
    EXPECT_EQ(already.asArray().at(0).asPacket().rowCount(), 1u);
    EXPECT_EQ(already.asArray().at(1), Variant(1));
    const Variant unknown = call("GetPesquisaListaTransp", {false, customer, "00000000000000"});
    EXPECT_EQ(unknown.asArray().at(0).asPacket().rowCount(), 0u);
    EXPECT_EQ(unknown.asArray().at(1), Variant(0));
}

TEST_P(ClassificationLookupsTest, CustomerChecksByCodeTaxNumberAbbreviationContactAndAddress) {
    const auto first =
        server_->db().query("SELECT CDCLIENTE, NRINSJURCLIE, IDTPIJURCLIE FROM CLIENTE ORDER BY CDCLIENTE");
    const std::string code = first.rows().at(0).at(0).toString();
    const std::string number = first.rows().at(0).at(1).toString();
    const std::string kind = first.rows().at(0).at(2).toString();

    const DataPacket byCode = rows("GetValidaCliente", {code, "", ""});
    EXPECT_EQ(byCode.fields(), (std::vector<FieldDesc>{{"NRREG", FieldType::Float, 0}}));
    EXPECT_EQ(fieldOf(byCode, 0, "NRREG"), Variant(1.0));
    EXPECT_EQ(fieldOf(rows("GetValidaCliente", {"", number, kind}), 0, "NRREG"), Variant(1.0));
    EXPECT_EQ(fieldOf(rows("GetValidaCliente", {"", number, kind == "J" ? "F" : "J"}), 0, "NRREG"),
              Variant(0.0));
    EXPECT_EQ(fieldOf(rows("GetValidaCliente", {"Jnada", "", ""}), 0, "NRREG"), Variant(0.0));
    const Variant neither = call("GetValidaCliente", {"", "", ""});
    ASSERT_TRUE(neither.is(VariantKind::ServerError));
    EXPECT_EQ(neither.asServerError().message,
              "Informe o código do cliente, ou a inscrição com o seu tipo, a verificar.");

    // An abbreviation is taken when another customer uses it; the caller's own number, typed through its
    // mask, does not count.
    server_->db().execute("UPDATE CLIENTE SET SGARQESPECLIE = 'ABC' WHERE CDCLIENTE = :C", {{"C", code}});
    EXPECT_EQ(rows("GetVdSigla", {"ABC", "99.999.999/0001-91"}).rowCount(), 1u);
    EXPECT_EQ(rows("GetVdSigla", {"abc ", "99999999000191"}).rowCount(), 1u);
    std::string masked = number;
    if (masked.size() == 14)
        masked = masked.substr(0, 2) + "." + masked.substr(2, 3) + "." + masked.substr(5, 3) + "/" +
                 masked.substr(8, 4) + "-" + masked.substr(12);
    EXPECT_EQ(rows("GetVdSigla", {"ABC", masked}).rowCount(), 0u);
    EXPECT_EQ(rows("GetVdSigla", {"XYZ", ""}).rowCount(), 0u);
    EXPECT_EQ(rows("GetVdSigla", {"  ", ""}).rowCount(), 0u);
    server_->db().execute("UPDATE CLIENTE SET SGARQESPECLIE = NULL WHERE CDCLIENTE = :C", {{"C", code}});

    // A contact, an address kind and an additional salesperson of one customer.
    exec("INSERT INTO INTECLIE (CDCLIENTE, CDINTECLIE, NMINTECLIE) VALUES ('JLK2', '01', 'Rita')");
    EXPECT_EQ(rows("GetVerificaInterlocutor", {"JLK2", "01"}).rowCount(), 1u);
    EXPECT_EQ(rows("GetVerificaInterlocutor", {"JLK2", "02"}).rowCount(), 0u);
    const DataPacket normal = rows("GetInsEndeClie", {code, "P"});
    ASSERT_EQ(normal.rowCount(), 1u);
    EXPECT_EQ(fieldOf(normal, 0, "IDTPENDECLIE"), Variant("P"));
    EXPECT_EQ(rows("GetInsEndeClie", {code, "Z"}).rowCount(), 0u);

    const std::string withSeller = "JLK2";
    exec("INSERT INTO VENDADICCLIE (CDCLIENTE, CDVENDEDOR, VRPECOMVEN) VALUES ('JLK2', '0005', 3)");
    VariantArray args{withSeller, "0005"};
    ASSERT_EQ(conn_.Call("GetVdVendAdicClie", args).asPacket().rowCount(), 1u);
    EXPECT_EQ(args[0], Variant(withSeller)); // by reference, unchanged
    EXPECT_EQ(rows("GetVdVendAdicClie", {withSeller, "9999"}).rowCount(), 0u);
}

TEST_P(ClassificationLookupsTest, PreferredBankAccountAlreadyChosenByTheCustomer) {
    exec("INSERT INTO BANCOPREF (CDCLIENTE, CDBANCO, CDREDUCONT, IDPRIORBPREF) VALUES ('JLK3', '237', '002', "
         "'S')");
    const std::string customer = "JLK3";
    const std::string account = "002";
    const DataPacket found = rows("GetVerifiBanco", {customer, account});
    EXPECT_EQ(fieldNames(found), (Names{"CDBANCO", "CDCLIENTE"}));
    EXPECT_EQ(found.rowCount(), 1u);
    EXPECT_EQ(rows("GetVerifiBanco", {customer, "999"}).rowCount(), 0u);
    EXPECT_EQ(rows("GetVerifiBanco", {"Jnada", account}).rowCount(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Db, ClassificationLookupsTest,
                         ::testing::Values(db::Dialect::SQLite, db::Dialect::PostgreSQL), dialectName);

} // namespace
} // namespace vq::test

// TfrmCliente: the identity controls' handles, handlers, lookup queries and display rules.

#include "customer/Vqm41200.h"
#include "customer/identity_rules.h"
#include "platform/gui/buttons.h"
#include "platform/gui/db_controls.h"

namespace vq {
namespace {

// clang-format off
struct QuerySql {
    TADOIBQuery TfrmCliente::*query;
    const char* sql;         // as stored
    const char* dialectSql;  // SQLite and PostgreSQL, where the stored text does not run there
    const char* oracleSql;
};
constexpr QuerySql kQueries[] = {
    {&TfrmCliente::qryPesqCdExterno,
     "SELECT CDEXCLIENTE FROM CLIENTE WHERE CDEXCLIENTE = :P_CDEXCLIENTE", nullptr, nullptr},
    // The service code is compared as a number: "0123" is the code 123.
    {&TfrmCliente::qryVerifiCdAtend,
     "SELECT CDIDCLIENTE FROM CLIENTE WHERE CDIDCLIENTE = :P_CDIDCLIENTE", nullptr, nullptr},
    {&TfrmCliente::qryVerifCliente,
     "SELECT IDTPIJURCLIE, NRINSJURCLIE FROM CLIENTE WHERE (CDCLIENTE = :P_CDCLIENTE) AND IDCLIEATIV = 'S'", nullptr, nullptr},
    {&TfrmCliente::qryInsJurClie,
     "SELECT NRINSJURCLIE FROM CLIENTE WHERE (NRINSJURCLIE = :P_NRINSJURCLIE) AND (IDTPIJURCLIE = :P_IDTPIJURCLIE)", nullptr, nullptr},
    {&TfrmCliente::qryEmpresa,
     "SELECT CDEMPRESA, NMEMPRESA FROM EMPRESA E WHERE (CDEMPRESA = ISNULL(:P_CDEMPRESA,CDEMPRESA)) ORDER BY CDEMPRESA",
     "SELECT CDEMPRESA, NMEMPRESA FROM EMPRESA E WHERE (CDEMPRESA = COALESCE(:P_CDEMPRESA,CDEMPRESA)) ORDER BY CDEMPRESA",
     "SELECT CDEMPRESA, NMEMPRESA FROM EMPRESA E WHERE (CDEMPRESA = NVL(:P_CDEMPRESA,CDEMPRESA)) ORDER BY CDEMPRESA"},
    {&TfrmCliente::qryInscEstad,
     "SELECT CDINSCESTA, NRINSJURIEST, NMREPRINSEST, SGESTADO, IDTPIJURIEST FROM INSCRESTAD WHERE (CDEMPRESA = :P_CDEMPRESA) AND ((CDINSCESTA = :P_CDINSCESTA) OR ('T' = :P_TCDINSCESTA)) ORDER BY CDINSCESTA", nullptr, nullptr},
    {&TfrmCliente::qryInscMunicip,
     "SELECT CDINSCMUNI FROM INSCRMUNICIP WHERE (CDEMPRESA = :P_CDEMPRESA) AND ((CDINSCMUNI = :P_CDINSCMUNI) OR ('T' = :P_TCDINSCMUNI)) ORDER BY CDINSCMUNI", nullptr, nullptr},
};

constexpr const char* kServiceCodeSqlite =
    "SELECT CDIDCLIENTE FROM CLIENTE WHERE CASE WHEN CDIDCLIENTE <> '' AND CDIDCLIENTE NOT GLOB '*[^0-9]*' "
    "THEN CAST(CDIDCLIENTE AS REAL) END = :P_CDIDCLIENTE";
constexpr const char* kServiceCodePostgres =
    "SELECT CDIDCLIENTE FROM CLIENTE WHERE CASE WHEN CDIDCLIENTE ~ '^[0-9]+$' "
    "THEN CAST(CDIDCLIENTE AS DOUBLE PRECISION) END = :P_CDIDCLIENTE";

// The value edits that take numbers typed by hand (Vd_Caracter).
constexpr const char* kNumericEdits[] = {
    "dbeMargemLucro", "dbeVrMulta", "dbeVrMora", "dbeVrDesc", "dbeVrCapital",
    "dbeAIntegralizar", "dbeIntegralizado", "dbeReservas", "dbeLimitCred", "dbePatrLiqu",
};
// clang-format on

} // namespace

void TfrmCliente::bindIdentity() {
    const auto bind = [this]<class T>(T*& member, const char* name) { member = component<T>(name); };
    bind(ident.dbeCdInscEsta, "dbeCdInscEsta");
    bind(ident.dbeCodExterno, "dbeCodExterno");
    bind(ident.dbeCdAtendi, "dbeCdAtendi");
    bind(ident.depDtNascFund, "depDtNascFund");
    bind(ident.dbeCdCNAEFiscal, "dbeCdCNAEFiscal");
    bind(ident.dbeDsCNAEFiscal, "dbeDsCNAEFiscal");
    bind(ident.btnCNAEFiscal, "btnCNAEFiscal");
    bind(ident.dbeCDEmpresa, "dbeCDEmpresa");
    bind(ident.sbtProcuraEmpresa, "sbtProcuraEmpresa");
    bind(ident.dbeEmpresa, "dbeEmpresa");
    bind(ident.dbeInscEsta, "dbeInscEsta");
    bind(ident.btpInscEst, "btpInscEst");
    bind(ident.dbeInscMuni, "dbeInscMuni");
    bind(ident.btpInscMuni, "btpInscMuni");
    for (const QuerySql& q : kQueries) {
        TADOIBQuery& query = this->*q.query;
        query.setSql(q.sql);
        if (q.dialectSql) {
            query.setDialectSql("SQL_SQLITE", q.dialectSql);
            query.setDialectSql("SQL_POSTGRESQL", q.dialectSql);
        }
        if (q.oracleSql)
            query.setDialectSql("SQL_ORACLE", q.oracleSql);
    }
    qryVerifiCdAtend.setDialectSql("SQL_SQLITE", kServiceCodeSqlite);
    qryVerifiCdAtend.setDialectSql("SQL_POSTGRESQL", kServiceCodePostgres);
    // "*" is the placeholder of "nothing chosen": shown as one blank.
    for (const char* name : {"CDINSCESTA", "CDINSCMUNI", "CDIDCLIENTE"})
        cdsCliente().FieldByName(name).OnGetText = [](Field& field, std::string& text, bool) {
            text = customer::placeholderText(field.AsString());
        };
}

void TfrmCliente::wireIdentity() {
    gui::DbEdit& inscricao = *form.dbeInscricao;
    gui::DbEdit& atendimento = *ident.dbeCdAtendi;
    inscricao.OnEnter = [this] { dbeInscricaoEnter(); };
    atendimento.OnEnter = [this] { dbeInscricaoEnter(); };
    inscricao.OnChange = [this, &inscricao] { dbeInscricaoChange(inscricao); };
    atendimento.OnChange = [this, &atendimento] { dbeInscricaoChange(atendimento); };
    inscricao.OnExit = [this] { dbeInscricaoExit(); };
    inscricao.OnKeyPress = [this](char16_t& key) { dbeInscricaoKeyPress(key); };
    atendimento.OnKeyPress = [this](char16_t& key) { dbeCdAtendiKeyPress(key); };
    form.edtHomePage->OnKeyPress = [this](char16_t& key) { edtHomePageKeyPress(key); };
    form.dbeNrInsJurClie->OnKeyPress = [this](char16_t& key) { dbeNrInsJurClieKeyPress(key); };
    form.dbeNrInsJurClie->OnEnter = [this] { dbeNrInsJurClieEnter(); };
    form.dbeNrInsJurClie->OnExit = [this] { dbeNrInsJurClieExit(); };
    form.dbeNmRazaoSoc->OnEnter = [this] { dbeNmRazaoSocEnter(); };
    form.dbeNmCompRzScli->OnEnter = [this] { dbeNmRazaoSocEnter(); };
    form.dbeNmRazaoSoc->OnExit = [this] { Vd_RazSoc(false); };
    form.dbeNmFantasia->OnEnter = [this] { dbeNmFantasiaEnter(); };
    form.dbeNmFantasia->OnChange = [this] { dbeNmFantasiaChange(); };
    form.dbeNmFantasia->OnExit = [this] { dbeNmFantasiaExit(); };
    form.depClieDesde->OnExit = [this] { depClieDesdeExit(); };
    ident.depDtNascFund->OnExit = [this] { depDtNascFundExit(); };
    form.depProspDesde->OnExit = [this] { depProspDesdeExit(); };
    ident.dbeCdCNAEFiscal->OnChange = [this] { dbeCdCNAEFiscalChange(); };
    ident.dbeCdCNAEFiscal->OnExit = [this] { dbeCdCNAEFiscalExit(); };
    ident.btnCNAEFiscal->OnClick = [this] { btnCNAEFiscalClick(); };
    ident.dbeCDEmpresa->OnChange = [this] { dbeCDEmpresaChange(); };
    ident.dbeCDEmpresa->OnExit = [this] { dbeCDEmpresaExit(); };
    ident.dbeCDEmpresa->OnKeyPress = [](char16_t& key) { key = customer::companyCodeKey(key); };
    ident.dbeInscEsta->OnChange = [this] { dbeInscEstaChange(); };
    ident.dbeInscEsta->OnExit = [this] { dbeInscEstaExit(); };
    ident.dbeInscMuni->OnChange = [this] { dbeInscMuniChange(); };
    ident.dbeInscMuni->OnExit = [this] { dbeInscMuniExit(); };
    ident.sbtProcuraEmpresa->OnClick = [this] { sbtProcuraEmpresaClick(); };
    ident.btpInscEst->OnClick = [this] { btpInscEstClick(); };
    ident.btpInscMuni->OnClick = [this] { btpInscMuniClick(); };
    for (const char* name : kNumericEdits)
        if (auto* edit = findComponent<gui::Edit>(name))
            edit->OnKeyPress = [this, edit](char16_t& key) { Vd_Caracter(*edit, key); };
    cdsCliente().BeforePost = [this](ClientDataSet&) { cdsClienteBeforePost(); };
}

} // namespace vq

// TfrmCliente: the identity controls' handles, handlers, lookup queries and display rules.

#include "customer/Vqm41200.h"
#include "customer/identity_queries.h"
#include "customer/identity_rules.h"
#include "platform/gui/buttons.h"
#include "platform/gui/db_controls.h"

namespace vq {
namespace {

// clang-format off
struct QueryMember {
    std::string_view name;
    TADOIBQuery TfrmCliente::*query;
};
constexpr QueryMember kQueries[] = {
    {"qryPesqCdExterno", &TfrmCliente::qryPesqCdExterno},
    {"qryVerifiCdAtend", &TfrmCliente::qryVerifiCdAtend},
    {"qryVerifCliente", &TfrmCliente::qryVerifCliente},
    {"qryInsJurClie", &TfrmCliente::qryInsJurClie},
    {"qryEmpresa", &TfrmCliente::qryEmpresa},
    {"qryInscEstad", &TfrmCliente::qryInscEstad},
    {"qryInscMunicip", &TfrmCliente::qryInscMunicip},
};

// The value edits that take numbers typed by hand (Vd_Caracter); the payment unit wires its own three
// (dbeVrMulta, dbeVrMora, dbeVrDesc).
constexpr const char* kNumericEdits[] = {
    "dbeMargemLucro", "dbeVrCapital", "dbeAIntegralizar", "dbeIntegralizado",
    "dbeReservas", "dbeLimitCred", "dbePatrLiqu",
};
// clang-format on

} // namespace

void TfrmCliente::bindIdentity() {
    const auto bind = [this]<class T>(T*& member, const char* name) { member = component<T>(name); };
    bind(ident.dbeCodExterno, "dbeCodExterno");
    bind(ident.dbeCdAtendi, "dbeCdAtendi");
    bind(ident.depDtNascFund, "depDtNascFund");
    bind(ident.dbeCdCNAEFiscal, "dbeCdCNAEFiscal");
    bind(ident.btnCNAEFiscal, "btnCNAEFiscal");
    bind(ident.dbeCDEmpresa, "dbeCDEmpresa");
    bind(ident.sbtProcuraEmpresa, "sbtProcuraEmpresa");
    bind(ident.dbeEmpresa, "dbeEmpresa");
    bind(ident.dbeInscEsta, "dbeInscEsta");
    bind(ident.btpInscEst, "btpInscEst");
    bind(ident.dbeInscMuni, "dbeInscMuni");
    bind(ident.btpInscMuni, "btpInscMuni");
    for (const customer::QueryText& text : customer::identityQueries())
        for (const QueryMember& q : kQueries)
            if (q.name == text.name) {
                TADOIBQuery& query = this->*q.query;
                query.setSql(std::string(text.sql));
                if (!text.sqlite.empty())
                    query.setDialectSql("SQL_SQLITE", std::string(text.sqlite));
                if (!text.postgresql.empty())
                    query.setDialectSql("SQL_POSTGRESQL", std::string(text.postgresql));
                if (!text.oracle.empty())
                    query.setDialectSql("SQL_ORACLE", std::string(text.oracle));
            }
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
}

} // namespace vq

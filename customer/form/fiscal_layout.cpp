// TfrmCliente, fiscal concern: its rows on the fiscal page, the order page and the permit menu, its
// lookup buttons, the invoice-text grid's columns, its queries, the items its combos take from the
// display rules, and the wiring of its events.

#include "customer/customer_display_rules.h"
#include "customer/fiscal_rules.h"
#include "customer/form/layouts.h"
#include "customer/retention_codes.h"
#include "framework/services/btn_pesquisa.h"
#include "framework/services/messages.h"

namespace vq {
namespace {

using enum gui::Kind;
using customer::form::FiscalControls;
using customer::form::Self;
using gui::bind;

// clang-format off
constexpr gui::ControlSpec kFiscal[] = {
    {DbComboBox, "dbcEndEmissao", "grbDadosFiscais", "Endereço para Emissão", "dtsPadrao", "IDENDEMISCLI", {2, 0}, {.style = gui::ComboStyle::DropDownList}, bind<&Self::fiscalCtl, &FiscalControls::dbcEndEmissao>()},
    {DbComboBox, "dbcCPRB", "grbDadosFiscais", "C.P.R.B.", "dtsPadrao", "IDINDCPRB", {3, 0}, {.style = gui::ComboStyle::DropDownList}, bind<&Self::fiscalCtl, &FiscalControls::dbcCPRB>()},
    {DbComboBox, "cbbIdentClie", "grbDadosFiscais", "Identificador do Cliente", "dtsPadrao", "IDIDENTCLIE", {4, 0}, {.style = gui::ComboStyle::DropDownList}, bind<&Self::fiscalCtl, &FiscalControls::cbbIdentClie>()},
    {DbComboBox, "dbcDigiCST", "grbDadosFiscais", "Dígito 1 do C.S.T.", "dtsPadrao", "CDCSTDIG1CLI", {5, 0}, {.style = gui::ComboStyle::DropDownList}, bind<&Self::fiscalCtl, &FiscalControls::dbcDigiCST>()},
    {DbCheckBox, "dbcContribuinteICMS", "grbDadosFiscais", "Contribuinte do ICMS", "dtsPadrao", "IDCONTRIBICMS", {6, 0}, {.values = "S|N"}, bind<&Self::fiscalCtl, &FiscalControls::dbcContribuinteICMS>()},
    {DbCheckBox, "dbcConsFinal", "grbDadosFiscais", "Consumidor Final", "dtsPadrao", "IDCONSFINAL", {7, 0}, {.values = "S|N"}, bind<&Self::fiscalCtl, &FiscalControls::dbcConsFinal>()},
    // Register Y570; the lookup buttons sit in the free cells beside the codes.
    {GroupBox, "grbECF", "tshDadosFiscais", "Escrituração Contábil Fiscal (Registro  Y570)", "", "", {1, 0}, {}, bind<&Self::fiscalCtl, &FiscalControls::grbECF>()},
    {DbEdit, "dbeCdRetIRPJ", "grbECF", "Código da Retenção (IRPJ)", "dtsPadrao", "CDRETIRPJ", {0, 0}, {.width = 10}, bind<&Self::fiscalCtl, &FiscalControls::dbeCdRetIRPJ>()},
    {DbEdit, "dbeDsRetIRPJ", "grbECF", "", "dtsPadrao", "DSRETIRPJ", {0, 2}, {.width = 50, .readOnly = true, .noTab = true}, bind<&Self::fiscalCtl, &FiscalControls::dbeDsRetIRPJ>()},
    {DbEdit, "dbeCdRetCSLL", "grbECF", "Código da Retenção (CSLL)", "dtsPadrao", "CDRETCSLL", {1, 0}, {.width = 10}, bind<&Self::fiscalCtl, &FiscalControls::dbeCdRetCSLL>()},
    {DbEdit, "dbeDsRetCSLL", "grbECF", "", "dtsPadrao", "DSRETCSLL", {1, 2}, {.width = 50, .readOnly = true, .noTab = true}, bind<&Self::fiscalCtl, &FiscalControls::dbeDsRetCSLL>()},
    // Invoice series, beside the company values its lookup filters by; its button at {3, 1}.
    {DbEdit, "dbeCdSerie", "grbFaturamento", "Série", "dtsPadrao", "CDSERIE", {3, 0}, {.width = 5}, bind<&Self::fiscalCtl, &FiscalControls::dbeCdSerie>()},
    // Permits.
    {PopupMenu, "pmnAlvara", "", "", "", "", {}, {}, bind<&Self::fiscalCtl, &FiscalControls::pmnAlvara>()},
    {MenuItem, "mnuAlvaraPEd", "pmnAlvara", "Alvará", "", "", {}, {}, bind<&Self::fiscalCtl, &FiscalControls::mnuAlvaraPEd>()},
    {MenuItem, "mnuAlvaraGer", "pmnAlvara", "Alvarás e Licenciamentos de produção e comercialização", "", "", {}, {}, bind<&Self::fiscalCtl, &FiscalControls::mnuAlvaraGer>()},
};

constexpr gui::ColumnSpec kTextColumns[] = {
    {"dbgMensCliente", "CDMENSAGEM", "Cód.", 4, {.readOnly = true}},
    {"dbgMensCliente", "IDENTRSAIDMENS", "Entrada/Saída", 12, {.pick = "Entrada|Saída|Ambos"}},
    {"dbgMensCliente", "DSMENSCLIENTE", "Descrição", 60, {.ellipsis = true}},
};
// clang-format on

constexpr const char* kSqlPesqMensagem =
    "SELECT CDMENSAGEM, DSMENSAGEM FROM MENSAGEM WHERE IDSITUACAOMENS = 'A' ORDER BY CDMENSAGEM";
constexpr const char* kSqlSerieNF =
    "SELECT CDSERIE, DSSERIE FROM SERIENF WHERE CDEMPRESA = :P_CDEMPRESA AND CDINSCESTA = :P_CDINSCESTA AND "
    "CDINSCMUNI = :P_CDINSCMUNI AND (CDSERIE = :P_CDSERIE OR :P_TCDSERIE = 'T') ORDER BY CDSERIE";

struct LookupButtonRow {
    TBtnPesquisa* FiscalControls::*member;
    const char *name, *group, *title, *emptyText;
    int row, col;
};
constexpr LookupButtonRow kLookupButtons[] = {
    {&FiscalControls::btpCodRecIRPJ, "btpCodRecIRPJ", "grbECF", "Código da Retenção (IRPJ)",
     "Não há retenção cadastrada.", 0, 1},
    {&FiscalControls::btpCodRecCSLL, "btpCodRecCSLL", "grbECF", "Código da Retenção (CSLL)",
     "Não há retenção cadastrada.", 1, 1},
    {&FiscalControls::btpSerieNF, "btpSerieNF", "grbFaturamento", "Série", "Não há série cadastrada.", 3, 1},
};

} // namespace

void TfrmCliente::buildFiscal() {
    gui::buildForm(*this, kFiscal);
    gui::buildColumns(*this, kTextColumns);
    auto& f = fiscalCtl;
    for (const LookupButtonRow& row : kLookupButtons) {
        auto* group = component<gui::GroupBox>(row.group);
        auto* button = new TBtnPesquisa(group, row.name); // owned by its group box
        button->Title = row.title;
        button->EmptyText = row.emptyText;
        gui::gridOf(*group).addWidget(button, row.row, row.col);
        f.*row.member = button;
    }
    qryPesqMensagem.setSql(kSqlPesqMensagem);
    qrySerieNF.setSql(kSqlSerieNF);

    customer::installFiscalRules(*data_);
    // The combos' items are the texts the display rules show.
    const customer::MessageLookup msg = data_->services().msg;
    f.dbcEndEmissao->SetItems(
        customer::codedItemTexts(*customer::findDisplayRule("cdsCliente", "IDENDEMISCLI"), msg));
    f.dbcCPRB->SetItems({customer::ConvCprbToInformacao(customer::Tcprb::NaoContribuinte, msg),
                         customer::ConvCprbToInformacao(customer::Tcprb::Contribuinte, msg)});
    f.cbbIdentClie->SetItems(customer::codedItemTexts(customer::customerIdentifierRule(), msg));
    f.dbcDigiCST->SetItems(customer::codedItemTexts(customer::cstFirstDigitRule(), msg));

    ClientDataSet& retentions = data_->dataSet("cdsRetECF");
    const std::vector<LookupColumn> columns = customer::retentionLookupColumnsAs<LookupColumn>();
    for (TBtnPesquisa* button : {f.btpCodRecIRPJ, f.btpCodRecCSLL}) {
        button->SetListSource(retentions);
        button->Columns = columns;
        button->KeyField = std::string(customer::kRetentionKeyField);
    }
    f.btpSerieNF->SetListSource(qrySerieNF);
    f.btpSerieNF->Columns = {{"CDSERIE", "Série"}, {"DSSERIE", "Descrição"}};
}

void TfrmCliente::wireFiscal() {
    auto& f = fiscalCtl;
    detail.cbbLancExp->OnChange = [this] { cbbLancExpChange(); };
    f.dbcContribuinteICMS->OnClick = [this] { dbcContribuinteICMSClick(); };
    f.dbcConsFinal->OnClick = [this] { dbcConsFinalClick(); };
    f.dbcDigiCST->OnKeyPress = [this](char16_t& key) { dbcDigiCSTKeyPress(key); };
    form.dbcSituAtiv->OnKeyPress = [this](char16_t& key) { dbcSituAtivKeyPress(key); };
    form.dbcSituAtiv->OnChange = [this] { dbcSituAtivChange(); };

    f.btpCodRecIRPJ->OnAfterPesq = [this] { btpCodRecIRPJAfterPesq(); };
    f.btpCodRecCSLL->OnAfterPesq = [this] { btpCodRecCSLLAfterPesq(); };
    f.dbeCdRetIRPJ->OnExit = [this] { dbeCdRetIRPJExit(); };
    f.dbeCdRetCSLL->OnExit = [this] { dbeCdRetCSLLExit(); };
    f.grbECF->OnExit = [this] { grbECFExit(); };

    f.dbeCdSerie->OnExit = [this] { dbeCdSerieExit(); };
    f.btpSerieNF->OnBeforePesq = [this](bool& allow) { btpSerieNFBeforePesq(allow); };
    f.btpSerieNF->OnAfterPesq = [this] { btpSerieNFAfterPesq(); };

    cmd.sbtAlvara->OnClick = [this] { sbtAlvaraClick(); };
    cmd.mnuAlvara->OnClick = [this] { mnuAlvaraClick(); };
    f.mnuAlvaraPEd->OnClick = [this] { mnuAlvaraPEdClick(); };
    f.mnuAlvaraGer->OnClick = [this] { mnuAlvaraGerClick(); };

    wireInvoiceTexts();
}

} // namespace vq

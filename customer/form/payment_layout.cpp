// TfrmCliente, payment concern: the handles on its controls, its lookup buttons, the terms grid's columns,
// its queries, the adjustment month's display rule, and the wiring of its events.

#include "customer/Vqm41200.h"
#include "customer/customer_dataset_rules.h"
#include "customer/field_builders.h"
#include "customer/payment_queries.h"
#include "customer/payment_rules.h"
#include "framework/services/btn_pesquisa.h"
#include "platform/data/error.h"
#include "platform/data/text_ptbr.h"
#include "platform/gui/containers.h"
#include "platform/gui/db_controls.h"
#include "platform/gui/db_grid.h"
#include "platform/gui/form_builder.h"
#include "platform/gui/text_controls.h"

namespace vq {
namespace {

// The lookup buttons, placed in the cell their layout table leaves free beside the code edit.
struct LookupButtonRow {
    TBtnPesquisa* customer::form::PaymentControls::*member;
    const char *name, *group, *title, *emptyText;
    int row, col;
};
constexpr LookupButtonRow kLookupButtons[] = {
    {&customer::form::PaymentControls::btpFormPgto, "btpFormPgto", "grbFormPgto", "Forma de Pagamento",
     "Não há forma de pagamento cadastrada.", 2, 1},
    {&customer::form::PaymentControls::btpContRece, "btpContRece", "grbDadosAdic", "Tipo de Conta a Receber",
     "Não há conta a receber cadastrada.", 2, 1},
    {&customer::form::PaymentControls::btnTipoBaixa, "btnTipoBaixa", "grbDadosAdic", "Tipo de Baixa",
     "Não há tipo de baixa cadastrada.", 3, 1},
    {&customer::form::PaymentControls::btpCdTpAjust, "btpCdTpAjust", "grbDadosAdic",
     "Tipo de Ajuste de Conta a Pagar", "Não há tipo de ajuste conta receber cadastrado.", 4, 1},
    {&customer::form::PaymentControls::btpModPgto, "btpModPgto", "grbPedidos", "Modalidade de Pagamento",
     "Não há modalidade de pagamento cadastrada.", 6, 1},
};

constexpr gui::ColumnSpec kTermColumns[] = {
    {"dbgPrazoPgClie", "NRDIASPGTOCL", "Prazo (dias)", 12},
    {"dbgPrazoPgClie", "VRPERCPGTOCL", "Percentual", 12},
};

// The fields of the lookup lists filled by remote methods (the packets carry the same names).
using customer::str;
constexpr FieldSpec kTipContRecFields[] = {str("CDTPCTRECEB", 6, "Código"),
                                           str("DSTPCTRECEB", 40, "Descrição")};
constexpr FieldSpec kPesqTpBaixaFields[] = {str("CDTPBAIXAREC", 2, "Código"),
                                            str("NMTPBAIXAREC", 50, "Nome")};
constexpr FieldSpec kTpAjusteRecFields[] = {str("CDAJUCTREC", 4, "Código"),
                                            str("DSAJUCTREC", 40, "Descrição")};

} // namespace

ClientDataSet& TfrmCliente::lookupList(std::string_view name) {
    return data_->dataSet(name);
}

void TfrmCliente::buildPayment() {
    // The layout rows fill the handles; the lookup buttons are made here.
    auto& p = pay;
    for (const LookupButtonRow& row : kLookupButtons) {
        auto* group = component<gui::GroupBox>(row.group);
        auto* button = new TBtnPesquisa(group, row.name); // owned by its group box
        button->Title = row.title;
        button->EmptyText = row.emptyText;
        gui::gridOf(*group).addWidget(button, row.row, row.col);
        p.*row.member = button;
    }
    gui::buildColumns(*this, kTermColumns);

    qryFormPgto.setSql(customer::kSqlFormPgto);
    qryPesqModPgto.setSql(customer::kSqlPesqModPgto);
    qryModPgto.setSql(customer::kSqlModPgto);
    p.btpFormPgto->SetListSource(qryFormPgto);
    p.btpFormPgto->Columns = {{"CDFORMPGTO", "Código"}, {"NMFORMPGTO", "Nome"}};
    p.btpModPgto->SetListSource(qryPesqModPgto);
    p.btpModPgto->Columns = {{"CDMODPGTO", "Código"}, {"DSMODPGTO", "Nome"}};
    lookupList("cdsTipContRec").CreateFields(kTipContRecFields);
    lookupList("cdsPesqTpBaixa").CreateFields(kPesqTpBaixaFields);
    lookupList("cdsTpAjusteRec").CreateFields(kTpAjusteRecFields);
    p.btpContRece->SetListSource(lookupList("cdsTipContRec"));
    p.btnTipoBaixa->SetListSource(lookupList("cdsPesqTpBaixa"));
    p.btpCdTpAjust->SetListSource(lookupList("cdsTpAjusteRec"));

    // Float fields with a largest value refuse a larger one; it is never stored.
    const auto limit = [](Field& field, double max) {
        field.OnValidate = [max](Field& f) {
            if (!f.IsNull() && f.AsFloat() > max)
                throw FieldError("Campo " + f.DisplayLabel() + ": o valor " + formatNumber(f.AsFloat()) +
                                 " é maior que o máximo permitido, " + formatNumber(max) + ".");
        };
    };
    limit(data_->cdsPrazoPgtoClie().FieldByName("NRDIASPGTOCL"), 999);
    limit(cdsCliente().FieldByName("NRMESBLQCLIINAD"), 999999);

    // Adjustment month: stored "01" to "12", shown as the combo's month names; the stored value is the
    // chosen item's, the text itself is never parsed.
    Field& month = cdsCliente().FieldByName("NRMESREAJCLIE");
    month.OnGetText = [](Field& sender, std::string& text, bool) {
        text = sender.IsNull() ? std::string() : customer::adjustmentMonthName(sender.AsString());
    };
    month.OnSetText = [this](Field& sender, const std::string& text) {
        if (text.empty())
            return;
        const auto names = customer::adjustmentMonthNames();
        int index = extra.dbcMesReaj->ItemIndex();
        for (std::size_t i = 0; i < names.size(); ++i)
            if (names[i] == text)
                index = static_cast<int>(i); // the item being chosen
        const std::string code = customer::adjustmentMonthCode(index);
        if (!code.empty())
            sender.SetAsString(code);
    };
}

void TfrmCliente::wirePayment() {
    auto& p = pay;
    extra.drgFormPgto->OnClick = [this] { drgFormPgtoClick(); };
    extra.speDiaFixo->OnChange = [this] { speDiaFixoChange(); };
    extra.speParcela->OnChange = [this] { speParcelaChange(); };
    p.dckProxMes->OnClick = [this] { dckProxMesClick(); };
    p.btpFormPgto->OnBeforePesq = [this](bool& allow) { btpFormPgtoBeforePesq(allow); };
    p.btpFormPgto->OnAfterPesq = [this] { btpFormPgtoAfterPesq(); };
    p.dbeCdFormPgto->OnChange = [this] { dbeCdFormPgtoChange(); };
    p.dbeCdFormPgto->OnExit = [this] { dbeCdFormPgtoExit(); };
    p.dbgPrazoPgClie->OnColExit = [this] { dbgPrazoPgClieColExit(); };
    p.dbgPrazoPgClie->OnExit = [this] { dbgPrazoPgClieExit(); };
    p.dbgPrazoPgClie->OnKeyPress = [this](char16_t& key) { dbgPrazoPgClieKeyPress(key); };
    p.dbgPrazoPgClie->OnKeyDown = [this](int& key, Qt::KeyboardModifiers mods) {
        dbgPrazoPgClieKeyDown(key, mods);
    };
    data_->sourceOf("cdsPrazoPgtoClie")->OnStateChange = [this](DataSource&) {
        dtsPrazoPgtoClieStateChange();
    };
    ClientDataSet& terms = data_->cdsPrazoPgtoClie();
    terms.BeforeInsert = [this](ClientDataSet&) { cdsPrazoPgtoClieBeforeInsert(); };
    terms.BeforeEdit = [this](ClientDataSet&) { cdsPrazoPgtoClieBeforeEdit(); };
    customer::runBefore(terms.BeforePost, [this](ClientDataSet&) { cdsPrazoPgtoClieBeforePost(); });
    terms.AfterDelete = [this](ClientDataSet&) { cdsPrazoPgtoClieAfterDelete(); };

    extra.dbeVrMulta->OnExit = [this] { dbeVrMultaExit(); };
    extra.dbeVrMora->OnExit = [this] { dbeVrMoraExit(); };
    p.dbeVrDesc->OnExit = [this] { dbeVrMoraExit(); }; // one handler for both, as the interest edit's
    for (gui::DbEdit* edit : {extra.dbeVrMulta, extra.dbeVrMora, p.dbeVrDesc})
        edit->OnKeyPress = [this, edit](char16_t& key) { Vd_Caracter(*edit, key); };
    p.btpContRece->OnBeforePesq = [this](bool& allow) { btpContReceBeforePesq(allow); };
    p.btpContRece->OnAfterPesq = [this] { btpContReceAfterPesq(); };
    p.dbeCdContRece->OnChange = [this] { dbeCdContReceChange(); };
    p.dbeCdContRece->OnExit = [this] { dbeCdContReceExit(); };
    p.btnTipoBaixa->OnBeforePesq = [this](bool& allow) { btnTipoBaixaBeforePesq(allow); };
    p.btnTipoBaixa->OnAfterPesq = [this] { btnTipoBaixaAfterPesq(); };
    p.dbeCdTpBaixa->OnChange = [this] { dbeCdTpBaixaChange(); };
    p.dbeCdTpBaixa->OnExit = [this] { dbeCdTpBaixaExit(); };
    p.btpCdTpAjust->OnBeforePesq = [this](bool& allow) { btpCdTpAjustBeforePesq(allow); };
    p.btpCdTpAjust->OnAfterPesq = [this] { btpCdTpAjustAfterPesq(); };
    p.dbeCdTpAjust->OnExit = [this] { dbeCdTpAjustExit(); };
    p.btpModPgto->OnBeforePesq = [this](bool& allow) { btpModPgtoBeforePesq(allow); };
    p.btpModPgto->OnAfterPesq = [this] { btpModPgtoAfterPesq(); };
    p.dbeCdModPgto->OnChange = [this] { dbeCdModPgtoChange(); };
    p.dbeCdModPgto->OnExit = [this] { dbeCdModPgtoExit(); };
    p.dbeCdModPgto->OnKeyPress = [this](char16_t& key) { dbeCdModPgtoKeyPress(key); };
    p.dbeMesesInad->OnKeyPress = [this](char16_t& key) { dbeMesesInadKeyPress(key); };
    p.dbeNrDias->OnExit = [this] { dbeNrDiasExit(); };
    p.dbdDtVencimento->OnExit = [this] { dbdDtVencimentoExit(); };
}

} // namespace vq

// TfrmCliente: cdsClienteBeforePost, the completion and checks of the customer record before it is posted,
// in their fixed order. Controls of concerns not yet built are skipped until their layout adds them.

#include "customer/Vqm41200.h"
#include "customer/form/form_support.h"
#include "customer/form/identity_support.h"
#include "framework/services/consiste_messages.h"
#include "framework/services/vorlane.h"
#include "framework/validation/consiste.h"
#include "platform/gui/buttons.h"
#include "platform/gui/choices.h"
#include "platform/gui/db_controls.h"
#include "platform/gui/page_control.h"
#include "platform/gui/text_controls.h"
#include "services/app_server.h"

#include <cmath>
#include <cstdlib>

namespace vq {
namespace {

using customer::form::assign;
using customer::form::failWith;
using customer::form::fieldText;

std::string yesNo(bool on) {
    return on ? "S" : "N";
}

} // namespace

void TfrmCliente::cdsClienteBeforePost() {
    ClientDataSet& m = cdsCliente();
    const bool prospect = inModule(customer::ModuleRule::RequiredSinceDates);
    const auto find = [this]<class T>(const char* name) { return findComponent<T>(name); };

    // 1-2
    if (m.State() == DataSetState::Insert) {
        assign(m, "IDGRAVOBSCLIPED", "S");
        assign(m, "CDOPERINCLUSAO", Vorlane::Operador());
    }
    if (prospect) {
        Vd_ClienteDesde(true);
        Vd_SegMerc(true);
        Vd_ProspectDesde(true);
    }
    // 3: the code is composed only while inserting.
    if (dtsPadrao.State() == DataSetState::Insert) {
        assign(m, "CDCLIENTE", fieldText(m, "IDTPIJURINFO") + fieldText(m, "NRINSJURINFO"));
        if (fieldText(m, "IDPRIPUBCLIE").empty()) {
            try {
                failWith(*this, "TipoClie");
            } catch (...) {
                validationFailed(sheet(Tab::DadosAdic), form.rdgTipoCliente);
                throw;
            }
        }
        const std::string kind = fieldText(m, "IDTPIJURINFO");
        if ((kind != "O" && kind != "I") || fieldText(m, "IDTPIJURCLIE").empty()) {
            assign(m, "IDTPIJURCLIE", kind);
            assign(m, "NRINSJURCLIE", fieldText(m, "NRINSJURINFO"));
        }
    }
    // 4
    if (auto* due = find.operator()<gui::DbDateEdit>("dbdDtVencimento"))
        due->beforeExit();
    Vd_DtVencimento(true);
    Vd_NrDias();
    if (auto* origin = find.operator()<gui::DbEdit>("dbeOrigem"))
        vd_Divulg(*origin);
    if (auto* mode = find.operator()<gui::DbEdit>("dbeCdModoDivulg"))
        vd_Divulg(*mode);
    Vd_ModPagto();
    Vd_CNAEFiscal(false);
    Vd_Idioma();
    Vd_Endereco();
    // 5-6: a code taken by another customer; the stored code is only looked up again when it changed.
    uniqueCodeCheck("CDEXCLIENTE", Vqm41200::unit().stCodEx, qryPesqCdExterno, "P_CDEXCLIENTE",
                    ident.dbeCodExterno, "CdExt_ja_cad");
    uniqueCodeCheck("CDIDCLIENTE", Vqm41200::unit().stCodAtend, qryVerifiCdAtend, "P_CDIDCLIENTE",
                    ident.dbeCdAtendi, "cdatendi_cad");
    // 7-8
    if (fieldText(m, "IDLIBATDCLIINAD").empty())
        assign(m, "IDLIBATDCLIINAD", "N");
    if (m.FieldByName("IDCONSISTEPERFOS").IsNull())
        assign(m, "IDCONSISTEPERFOS", "N");
    if (auto* box = find.operator()<gui::CheckBox>("dckDescICMS"))
        assign(m, "IDUTDESCICMS", yesNo(box->Checked()));
    if (auto* box = find.operator()<gui::CheckBox>("dckCliPrincipal"))
        assign(m, "IDCLIPRINCIPAL", yesNo(box->Checked()));
    // 9 (with 8's ordering mode, 14's address choices and 15-16's fiscal marks: nothing between them
    // reads those fields or calls the server).
    storeFiscalChoices();
    // 10
    if (!prospect && fieldText(m, "IDTPIJURINFO") == "F" && fieldText(m, "NMRAZSOCCLIE").empty())
        assign(m, "NMRAZSOCCLIE", fieldText(m, "NMFANTCLIE"));
    // 11
    const std::string payment = fieldText(m, "IDTPFORPGTCL");
    if (payment == "X") {
        assign(m, "IDTPFORPGTCL", "*");
        assign(m, "CDFORMPGTO", "");
    } else if (payment == "F") {
        for (gui::SpinEdit* spin : {extra.speDiaFixo, extra.speParcela})
            if (spin->Value() < 1)
                spin->SetValue(1);
        m.FieldByName("NRDIAPGFIXCL").SetAsInteger(extra.speDiaFixo->Value());
        m.FieldByName("NRPARCPGTOCL").SetAsInteger(extra.speParcela->Value());
        assign(m, "CDFORMPGTO", "");
    }
    // 12-13
    if (auto* index = find.operator()<gui::DbEdit>("dbeSgIndice"); index && index->Text().empty())
        for (const char* f : {"CDINDICE", "CDTPINDICE", "IDPERVALOR"})
            assign(m, f, "");
    if (auto* box = find.operator()<gui::CheckBox>("dbcIDGERNFCLIE"))
        assign(m, "IDGERNFCLIE", box->Checked() ? "2" : "1");
    if (auto* box = find.operator()<gui::CheckBox>("dbcPosLigExt"))
        assign(m, "IDLIGEXTCLIE", yesNo(box->Checked()));
    // 15-16
    assign(m, "IDSITFINCLIE", form.chbIdSitFinCli->Checked() ? "P" : "N");
    if (form.dbePesqTransp->ItemIndex() == 1) {
        assign(m, "IDPESQTRANSP", "L");
        assign(m, "NRINSJURTRAN", "");
    } else {
        assign(m, "IDPESQTRANSP", "P");
    }
    // 17-18
    Vd_GrupClie();
    Vd_Regiao();
    Vd_FiliCad();
    checkDates();
    // 19-20
    if (fieldText(m, "IDCALCDVCLIE").empty())
        assign(m, "IDCALCDVCLIE", "1");
    const double days = detail.nedDias->Text().empty() ? 0.0 : detail.nedDias->Value();
    assign(m, "NRDIAPFINAPR", days != 0.0 ? std::to_string(std::lround(days)) : std::string());
    if (const int item = detail.dbcAprovPed->ItemIndex(); item >= 0) {
        assign(m, "IDPFINAPRPED", item == 3 ? std::string() : std::to_string(item + 1));
        if (item == 3)
            assign(m, "NRDIAPFINAPR", "");
    }
    if (const int item = detail.dbcSitFin->ItemIndex(); item >= 0)
        assign(m, "IDSFINAPRPED", item == 3 ? std::string() : std::to_string(item + 1));
    // 21-22
    if (onTab(Tab::DadosFiscais))
        for (const char* f : {"CDRETIRPJ", "CDRETCSLL"}) {
            const std::string code = fieldText(m, f);
            ClientDataSet& retentions = data_->dataSet("cdsRetECF");
            if (!code.empty() && !(retentions.Active() && retentions.Locate("CDRETECF", Variant(code)))) {
                if (auto* edit = find.operator()<gui::DbEdit>(f == std::string("CDRETIRPJ") ? "dbeCdRetIRPJ"
                                                                                            : "dbeCdRetCSLL"))
                    if (edit->CanFocus())
                        SetFocus(*edit);
                failWith(*this, "RETENCAO_N");
            }
        }
    if (fieldText(m, "CDRETCSLL").empty())
        m.FieldByName("NRSEQRETCSLL").SetAsInteger(-1);
    if (fieldText(m, "CDRETIRPJ").empty())
        m.FieldByName("NRSEQRETIRPJ").SetAsInteger(-1);
    // 23
    if (detail.dcbIDUTGRFXVENDADIC->Checked()) {
        assign(m, "IDUTGRFXVENDADIC", "S");
        ClientDataSet& group = data_->dataSet("cdsVendAdicClie");
        services::readInto(netClientes, "GetVendAdicClie", VariantArray{Variant(fieldText(m, "CDCLIENTE"))},
                           group);
        if (group.IsEmpty())
            failWith(*this, "VendAdicClie_Inf");
    } else {
        assign(m, "IDUTGRFXVENDADIC", "N");
    }
}

void TfrmCliente::uniqueCodeCheck(const char* field, std::string& stored, TADOIBQuery& query,
                                  const char* parameter, gui::DbEdit* edit, const char* key) {
    ClientDataSet& m = cdsCliente();
    const std::string code = fieldText(m, field);
    if (code.empty())
        return;
    bool setHere = false;
    if (stored.empty()) {
        stored = code + "1";
        setHere = true;
    }
    if (stored == code)
        return;
    // The service code is numeric: the query compares it as a number.
    const Variant value = std::string_view(field) == "CDIDCLIENTE"
                              ? Variant(std::strtod(code.c_str(), nullptr))
                              : Variant(code);
    if (!customer::form::found(query, {{parameter, value}}))
        return;
    if (setHere)
        stored.clear();
    try {
        failWith(*this, key);
    } catch (...) {
        validationFailed(tshFormulario, edit);
        throw;
    }
}

// Step 18: the general date check on each date edit that exists, with its page.
void TfrmCliente::checkDates() {
    struct DateRow {
        const char* edit;
        DataSource* source;
        gui::PageControl* pages;
    };
    DataSource* contacts = dataSource("dtsInterloc");
    const DateRow rows[] = {
        {"depClieDesde", &dtsPadrao, pgcPadrao},     {"depDtNasc", contacts, detail.pgcInterloc},
        {"depValLimCredito", &dtsPadrao, pgcPadrao}, {"depValValores", &dtsPadrao, pgcPadrao},
        {"dbdDtVencimento", &dtsPadrao, pgcPadrao},  {"depProspDesde", &dtsPadrao, pgcPadrao}};
    for (const DateRow& r : rows) {
        auto* edit = findComponent<gui::DbDateEdit>(r.edit);
        if (!edit || !r.source || !r.pages)
            continue;
        Vd_Data_Geral(*r.source, *edit, customer::form::pageOf(*edit, *r.pages), r.pages);
    }
}

} // namespace vq

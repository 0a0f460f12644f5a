// The report form's commands: the checks before print, preview and save as, the report edit, and the
// parameter routine the report engine calls before it runs the query.

#include "filter_report/Vqm41201.h"
#include "framework/reports/report_params.h"
#include "framework/services/consiste_messages.h"
#include "framework/services/messages.h"
#include "framework/validation/consiste.h"
#include "platform/gui/buttons.h"
#include "platform/gui/edit.h"
#include "platform/gui/radio_button.h"

namespace vq {
namespace {

using Vqm41201::Criterion;
using Vqm41201::Index;

// Writes a parameter only when the report's query declares it.
void setDeclared(reports::ReportParams& params, std::string_view name, Variant value) {
    if (Qrddlgs::ExistParam(params, name))
        params.SetValue(name, std::move(value));
}

bool isZero(DateTime date) {
    return date == DateTime{};
}

bool blank(const gui::DateEdit& date) {
    return Consiste::EmptyString(date.Text());
}

// A date range: both dates when either is given, else zero dates and the "all" flag.
void setRange(reports::ReportParams& params, const gui::DateEdit& from, const gui::DateEdit& to,
              std::string_view ini, std::string_view fin, std::string_view flag) {
    if (!Qrddlgs::ExistParam(params, ini) || !Qrddlgs::ExistParam(params, fin) ||
        !Qrddlgs::ExistParam(params, flag))
        return;
    const DateTime de = from.Date(), ate = to.Date();
    const bool given = !isZero(de) || !isZero(ate);
    params.SetValue(ini, given ? de : DateTime{});
    params.SetValue(fin, given ? ate : DateTime{});
    params.SetValue(flag, std::string(given ? "" : "T"));
}

} // namespace

void TfrmDadCliente::rpddPadraoBeforeGetQueryParams(reports::ReportParams& params) {
    const Vqm41201::UnitState& u = Vqm41201::unit();
    for (const Criterion& c : Vqm41201::criteria()) {
        const auto i = static_cast<Index>(&c - Vqm41201::criteria().data());
        if (!Qrddlgs::ExistParam(params, c.param))
            continue;
        if (controls_[i].all->Checked())
            params.SetValue(c.param, std::string("T"));
        else if (listChecked(i))
            params.SetValue(c.param, u.*c.selection);
        if (i == Vqm41201::kMunicipio && listChecked(Vqm41201::kEstado) &&
            Consiste::EmptyString(u.stCodEstado))
            Consiste::MensErro(Msg(*this, "Estado_inf"));
    }
    const bool ativo = ckbSituaClie->Checked(), inativo = ckbSituaClieInat->Checked();
    setDeclared(params, "P_IDCLIEATIV", std::string(ativo ? "S" : ""));
    setDeclared(params, "P_TCLIEATIV", std::string(ativo ? "" : "T"));
    setDeclared(params, "P_IDCLIEINAT", std::string(inativo ? "N" : ""));
    setDeclared(params, "P_TCLIEINAT", std::string(inativo ? "" : "T"));
    setRange(params, *depDeClieDesde, *depAteClieDesde, "P_CLIEDESDEINI", "P_CLIEDESDEFIN", "P_TCLIEDESDE");
    setRange(params, *depDeNascFund, *depAteNascFund, "P_NASCFUNDINI", "P_NASCFUNDFIN", "P_TNASCFUND");
}

void TfrmDadCliente::checkFocusedDate() {
    for (auto [from, to] :
         {std::pair{depDeClieDesde, depAteClieDesde}, std::pair{depDeNascFund, depAteNascFund}}) {
        if (from->Focused())
            from->beforeExit();
        else if (to->Focused())
            to->beforeExit();
    }
}

void TfrmDadCliente::checkBeforeRun() {
    checkFocusedDate();
    if (!ckbSituaClie->Checked() && !ckbSituaClieInat->Checked()) {
        if (ckbSituaClie->CanFocus())
            ckbSituaClie->SetFocus();
        Consiste::MensErro(Msg(*this, "SituaClie"));
    }
    const Vqm41201::UnitState& u = Vqm41201::unit();
    for (Index i : Vqm41201::kCheckOrder) {
        const Criterion& c = Vqm41201::criterion(i);
        if (!listChecked(i) || !Consiste::EmptyString(u.*c.selection))
            continue;
        if (controls_[i].list->CanFocus())
            controls_[i].list->SetFocus();
        Consiste::MensErro(Msg(*this, c.requiredKey));
    }
    struct Range {
        gui::DateEdit *from, *to;
        const char *fromMissing, *toMissing, *reversed;
    };
    for (const Range& r :
         {Range{depDeClieDesde, depAteClieDesde, "ClieDesdeIni_NI", "ClieDesdeAte_NI", "ClieDesde_Maior"},
          Range{depDeNascFund, depAteNascFund, "NascFundIni_NI", "NascFundAte_NI", "NascFund_Maior"}}) {
        const DateTime de = r.from->Date(), ate = r.to->Date();
        gui::DateEdit* focus = nullptr;
        const char* key = nullptr;
        if (isZero(de) && !isZero(ate))
            focus = r.from, key = r.fromMissing;
        else if (!isZero(de) && isZero(ate))
            focus = r.to, key = r.toMissing;
        else if (!blank(*r.from) && !blank(*r.to) && ate < de)
            focus = r.from, key = r.reversed;
        if (!key)
            continue;
        if (focus->CanFocus())
            focus->SetFocus();
        Consiste::MensErro(Msg(*this, key));
    }
}

void TfrmDadCliente::sbtPrintClick() {
    checkBeforeRun();
    TfrmDadosGerRel::sbtPrintClick();
}

void TfrmDadCliente::sbtPreviewClick() {
    checkBeforeRun();
    TfrmDadosGerRel::sbtPreviewClick();
}

void TfrmDadCliente::sbtSalvarComoClick() {
    checkBeforeRun();
    TfrmDadosGerRel::sbtSalvarComoClick();
}

void TfrmDadCliente::sbtReportEditClick() {
    checkFocusedDate();
    TfrmDadosGerRel::sbtReportEditClick();
}

} // namespace vq

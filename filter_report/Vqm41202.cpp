#include "filter_report/Vqm41202.h"

#include "customer/Vqm41200.h"
#include "filter_report/radio_button.h"
#include "framework/services/consiste_messages.h"
#include "framework/services/db_geral.h"
#include "framework/services/messages.h"
#include "framework/services/pesquisa.h"
#include "framework/validation/consiste.h"
#include "platform/data/error.h"
#include "platform/gui/buttons.h"
#include "platform/gui/containers.h"
#include "platform/gui/form_builder.h"
#include "platform/gui/page_control.h"
#include "services/app_server.h"

namespace vq {
namespace {

using enum gui::Kind;
using gui::bind;
using Self = TfrmFilCliente;
using Vqm41202::Criterion;

// clang-format off
constexpr gui::ControlSpec kLayout[] = {
    {GroupBox, "grbCliente", "pnlFiltro", "Cliente", "", "", {0, 0}, {}, bind<&Self::grbCliente>()},
    {ToolButton, "btnCliente", "grbCliente", "...", "", "", {0, 2}, {.hint = "Escolher clientes (F9)", .disabled = true}, bind<&Self::btnCliente>()},
};
// clang-format on

const std::vector<std::string> kMessages = {"pais|País",
                                            "estado|Estado",
                                            "qualifica|Qualificação",
                                            "ramo|Ramo de Atividade",
                                            "Segmen|Segmento de Mercado",
                                            "Cli_inf|Cliente deve ser informado",
                                            "pais_inf|País deve ser informado",
                                            "esta_inf|Estado deve ser informado",
                                            "qua_inf|Qualificação deve ser informada",
                                            "Cliente|Cliente",
                                            "ramo_inf|Ramo de Atividade deve ser informado",
                                            "seg_inf|Segmento de mercado deve ser informado",
                                            "ORI|Origem",
                                            "ori_inf|Origem deve ser informada",
                                            "Muni_inf|Município deve ser informado.",
                                            "NAO_HA_Mun|Não há município cadastrado para o estado informado.",
                                            "MUNICIPIO|Município"};

// Orders in which the criteria are checked and sent.
constexpr std::string_view kCheckOrder[] = {"TCLIENTE", "TPAIS",     "TESTADO", "TMUNICIPIO",
                                            "TRAMO",    "TSEGMENTO", "TORIGEM", "TQUALIFICACAO"};
constexpr std::string_view kGetClienteOrder[] = {"TCLIENTE",  "TRAMO",   "TPAIS",         "TESTADO",
                                                 "TSEGMENTO", "TORIGEM", "TQUALIFICACAO", "TMUNICIPIO"};

constexpr const char* kCustomerSql = "SELECT NRINSJURCLIE, IDTPIJURCLIE, NMFANTCLIE, NMRAZSOCCLIE, CDCLIENTE "
                                     "FROM CLIENTE ORDER BY CDCLIENTE";

} // namespace

TfrmFilCliente::TfrmFilCliente(QWidget* parent) : TfrmFiltroPadrao("TfrmFilCliente", parent) {
    SetCaption("Filtro de Cliente");
    msgPadrao->SetItems(kMessages);
    gui::buildForm(*this, kLayout);
    rbtTCliente = &filter::addRadioButton(*grbCliente, "rbtTCliente", "Todos", 0, 0);
    rbtCliente = &filter::addRadioButton(*grbCliente, "rbtCliente", "Lista", 0, 1);
    rbtTCliente->SetChecked(true);
    rbtTCliente->OnClick = [this] { btnCliente->SetEnabled(false); };
    rbtCliente->OnClick = [this] { btnCliente->SetEnabled(true); };
    btnCliente->OnClick = [this] { btnClienteClick(); };
    Vqm41202::unit().frmFilCliente = this;
    DoCreate();
}

std::size_t TfrmFilCliente::indexOf(const Criterion& criterion) const {
    return static_cast<std::size_t>(&criterion - Vqm41202::criteria().data());
}

bool TfrmFilCliente::listChecked(const Criterion& criterion) const {
    if (auto* button = findComponent<filter::RadioButton>(criterion.listButton))
        return button->Checked();
    return listChecked_[indexOf(criterion)];
}

void TfrmFilCliente::setListChecked(const Criterion& criterion, bool on) {
    listChecked_[indexOf(criterion)] = on;
    if (auto* button = findComponent<filter::RadioButton>(on ? criterion.listButton : criterion.allButton))
        button->SetChecked(true);
}

void TfrmFilCliente::FormCreate() {
    TfrmFiltroPadrao::FormCreate();
    Vqm41202::UnitState& u = Vqm41202::unit();
    for (const Criterion& c : Vqm41202::criteria()) {
        Vqm41202::FilterEntry& entry = u.Filtro.*c.entry;
        const std::string& list = u.*c.list;
        entry = list.empty() ? Vqm41202::FilterEntry{} : Vqm41202::FilterEntry{false, list};
        if (!list.empty())
            setListChecked(c, true);
    }
}

void TfrmFilCliente::FormActivate() {
    TfrmFiltroPadrao::FormActivate();
    Vqm41202::UnitState& u = Vqm41202::unit();
    for (const Criterion& c : Vqm41202::criteria())
        setListChecked(c, !(u.Filtro.*c.entry).all);
    if (rbtCliente->Checked() && rbtCliente->CanFocus())
        rbtCliente->SetFocus();
    for (const Criterion& c : Vqm41202::criteria())
        u.*c.list = (u.Filtro.*c.entry).list;
}

void TfrmFilCliente::sbtConfirmaClick() {
    Vqm41202::UnitState& u = Vqm41202::unit();
    for (std::string_view name : kCheckOrder) {
        const Criterion& c = Vqm41202::criterion(name);
        if (!listChecked(c) || !Consiste::EmptyString(u.*c.list))
            continue;
        if (auto* button = findComponent<filter::RadioButton>(c.listButton); button && button->CanFocus())
            button->SetFocus();
        Consiste::MensErro(Msg(*this, c.requiredKey), true);
    }
    AplicaFiltro();
    for (const Criterion& c : Vqm41202::criteria()) {
        Vqm41202::FilterEntry& entry = u.Filtro.*c.entry;
        entry.all = !listChecked(c);
        if (entry.all)
            (u.*c.list).clear();
        entry.list = u.*c.list;
    }
    TfrmFiltroPadrao::sbtConfirmaClick();
}

void TfrmFilCliente::sbtCancelClick() {
    TfrmFiltroPadrao::sbtCancelClick();
    Vqm41202::UnitState& u = Vqm41202::unit();
    for (const Criterion& c : Vqm41202::criteria())
        if ((u.Filtro.*c.entry).all)
            (u.*c.list).clear();
    if (TfrmCliente* form = Vqm41200::unit().frmCliente) {
        if (!form->cdsCliente().Active())
            form->cdsCliente().CreateDataSet();
        alignCustomerForm(*form);
    }
}

void TfrmFilCliente::AplicaFiltro() {
    TfrmCliente& form = customerForm();
    const Vqm41202::UnitState& u = Vqm41202::unit();
    VariantArray args;
    for (std::string_view name : kGetClienteOrder) {
        const Criterion& c = Vqm41202::criterion(name);
        const bool list = listChecked(c);
        args.emplace_back(list ? u.*c.list : std::string());
        args.emplace_back(list ? std::string() : std::string("T"));
    }
    services::readInto(form.netClientes, "GetCliente", args, form.cdsCliente());
    alignCustomerForm(form);
}

void TfrmFilCliente::alignCustomerForm(TfrmCliente& form) {
    // An empty selection leaves nothing to show but the first page and the insert command.
    const bool empty = form.cdsCliente().IsEmpty();
    if (empty) {
        form.pgcPadrao->SetActivePageIndex(0);
        form.pgcPadraoChange();
    }
    form.pgcPadrao->SetEnabled(!empty);
    form.ControlaBotoes(true);
    if (!empty)
        form.pgcPadraoChange();
}

void TfrmFilCliente::btnClienteClick() {
    std::unique_ptr<TADOIBQuery> qryCliente = newQuery("qryCliente");
    qryCliente->setSql(kCustomerSql);
    Pesqlista::PesquisaLista(*qryCliente, "CDCLIENTE",
                             Msg(*this, "Cliente") + "|" + Msg(*this, "NAO_HA_CLIENTE"), false,
                             Vqm41202::unit().stCliente);
}

void TfrmFilCliente::FormClose(gui::CloseAction& action) {
    TfrmFiltroPadrao::FormClose(action);
    action = gui::CloseAction::Free;
}

} // namespace vq

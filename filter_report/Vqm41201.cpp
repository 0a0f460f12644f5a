#include "filter_report/Vqm41201.h"

#include "filter_report/criteria_layout.h"
#include "filter_report/filter_queries.h"
#include "filter_report/report_queries.h"
#include "filter_report/report_vqm412.h"
#include "framework/services/consiste_messages.h"
#include "framework/services/db_geral.h"
#include "framework/services/messages.h"
#include "framework/services/pesquisa.h"
#include "framework/services/showavi.h"
#include "platform/data/client_data_set.h"
#include "platform/db/tadoib_query.h"
#include "platform/gui/buttons.h"
#include "platform/gui/containers.h"
#include "platform/gui/edit.h"
#include "platform/gui/form_builder.h"
#include "platform/gui/radio_button.h"

#include <vector>

namespace vq {
namespace {

using enum gui::Kind;
using gui::bind;
using Self = TfrmDadCliente;
using Vqm41201::Criterion;
using Vqm41201::Index;

constexpr int kCriteriaRows =
    static_cast<int>(Vqm41201::kCriterionCount) / filter_report::kCriterionGroupColumns;

// Per criterion a group box with its all and list buttons and its search button, two groups a row.
std::vector<gui::ControlSpec> criteriaLayout() {
    std::vector<gui::ControlSpec> rows;
    int n = 0;
    for (const Criterion& c : Vqm41201::criteria())
        filter_report::appendCriterionGroup(
            rows, "pnlParametros",
            {c.groupBox, c.groupCaption, c.allButton, "Todos", c.listButton, c.searchButton, c.groupCaption},
            n++);
    return rows;
}

// clang-format off
constexpr gui::ControlSpec kOtherControls[] = {
    {GroupBox, "grbSituacao", "pnlParametros", "Situação", "", "", {kCriteriaRows, 0, 1, 2}},
    {CheckBox, "ckbSituaClie", "grbSituacao", "Cliente Ativo", "", "", {0, 0}, {.checked = true}, bind<&Self::ckbSituaClie>()},
    {CheckBox, "ckbSituaClieInat", "grbSituacao", "Cliente Inativo", "", "", {0, 1}, {}, bind<&Self::ckbSituaClieInat>()},
    {GroupBox, "grbCliedesde", "pnlParametros", "Cliente desde", "", "", {kCriteriaRows + 1, 0}},
    {DateEdit, "depDeClieDesde", "grbCliedesde", "De", "", "", {0, 0}, {.width = 10}, bind<&Self::depDeClieDesde>()},
    {DateEdit, "depAteClieDesde", "grbCliedesde", "Até", "", "", {0, 1}, {.width = 10}, bind<&Self::depAteClieDesde>()},
    {GroupBox, "grbNascFund", "pnlParametros", "Nascimento/Fundação", "", "", {kCriteriaRows + 1, 1}},
    {DateEdit, "depDeNascFund", "grbNascFund", "De", "", "", {0, 0}, {.width = 10}, bind<&Self::depDeNascFund>()},
    {DateEdit, "depAteNascFund", "grbNascFund", "Até", "", "", {0, 1}, {.width = 10}, bind<&Self::depAteNascFund>()},
};
// clang-format on

} // namespace

Vqm41201::UnitState& Vqm41201::unit() {
    static UnitState state;
    return state;
}

TfrmDadCliente::TfrmDadCliente(QWidget* parent) : TfrmDadosGerRel("TfrmDadCliente", parent) {
    SetCaption("Cliente");
    ReportCode = "Vqm412";
    Vqm41201::registerVqm412();
    msgPadrao->SetItems(Vqm41201::messageItems());
    std::vector<gui::ControlSpec> rows = criteriaLayout();
    rows.insert(rows.end(), std::begin(kOtherControls), std::end(kOtherControls));
    gui::buildForm(*this, rows);
    for (const Criterion& c : Vqm41201::criteria()) {
        const auto i = static_cast<Index>(&c - Vqm41201::criteria().data());
        CriterionControls& k = controls_[i];
        k.group = component<gui::GroupBox>(c.groupBox);
        k.all = component<gui::RadioButton>(c.allButton);
        k.list = component<gui::RadioButton>(c.listButton);
        k.search = component<gui::ToolButton>(c.searchButton);
        k.all->OnClick = [this, i] { allClick(i); };
        k.list->OnClick = [this, i] { listClick(i); };
        k.search->OnClick = [this, i] { searchClick(i); };
        const Vqm41201::ChoiceSource& source = Vqm41201::choiceSource(c.source);
        lists_[i] = std::make_unique<ClientDataSet>(std::string(c.source));
        lists_[i]->CreateFields(source.fields);
        addDataSet(std::string(c.source), *lists_[i]);
    }
    Vqm41202::showTaxNumberMasked(*lists_[Vqm41201::kCliente]);
    Vqm41201::unit().frmDadCliente = this;
    DoCreate();
}

TfrmDadCliente::~TfrmDadCliente() = default;

void TfrmDadCliente::FormCreate() {
    TfrmDadosGerRel::FormCreate();
    Vqm41201::UnitState& u = Vqm41201::unit();
    for (const Criterion& c : Vqm41201::criteria())
        (u.*c.selection).clear();
    for (gui::DateEdit* date : {depDeClieDesde, depAteClieDesde, depDeNascFund, depAteNascFund})
        date->Clear();
}

void TfrmDadCliente::FormClose(gui::CloseAction& action) {
    TfrmDadosGerRel::FormClose(action);
    action = gui::CloseAction::Free;
}

bool TfrmDadCliente::listChecked(Index i) const {
    return controls_[i].list->Checked();
}

void TfrmDadCliente::allClick(Index i) {
    const CriterionControls& k = controls_[i];
    k.search->SetEnabled(false);
    if (Vqm41201::criterion(i).allTabStop)
        k.all->SetTabStop(true);
    Vqm41201::UnitState& u = Vqm41201::unit();
    // All countries make the state and municipality choices start over; all states the municipality's.
    if (i == Vqm41201::kPais) {
        u.stCodEstado.clear();
        u.stCodMun.clear();
        controls_[Vqm41201::kEstado].all->SetChecked(true);
        controls_[Vqm41201::kMunicipio].all->SetChecked(true);
    } else if (i == Vqm41201::kEstado) {
        u.stCodMun.clear();
        controls_[Vqm41201::kMunicipio].all->SetChecked(true);
    }
}

void TfrmDadCliente::listClick(Index i) {
    const CriterionControls& k = controls_[i];
    k.search->SetEnabled(true);
    k.all->SetTabStop(false);
}

ClientDataSet& TfrmDadCliente::openChoices(Index i) {
    const Criterion& c = Vqm41201::criterion(i);
    std::unique_ptr<TADOIBQuery>& query = queries_[i];
    if (!query) {
        query = newQuery(std::string(c.source));
        query->setSql(Vqm41201::choiceSource(c.source).sql);
    }
    query->Close();
    // The country choice restricts the states; country and state restrict the municipalities.
    const Vqm41201::UnitState& u = Vqm41201::unit();
    auto restrictBy = [&](Index by, const char* param, const char* allParam) {
        const bool onList = listChecked(by);
        query->ParamByName(param) = onList ? u.*Vqm41201::criterion(by).selection : std::string();
        query->ParamByName(allParam) = onList ? std::string() : std::string("T");
    };
    if (i == Vqm41201::kEstado)
        restrictBy(Vqm41201::kPais, "P_CDPAIS", "P_TODOS");
    if (i == Vqm41201::kMunicipio) {
        restrictBy(Vqm41201::kPais, "P_CDPAIS", "P_TCDPAIS");
        restrictBy(Vqm41201::kEstado, "P_SGESTADO", "P_TSGESTADO");
    }
    {
        const Showavi::Scope busy(this, Showavi::kSearching);
        query->Open();
    }
    lists_[i]->SetData(Variant(query->Data()));
    return *lists_[i];
}

void TfrmDadCliente::searchClick(Index i) {
    const Criterion& c = Vqm41201::criterion(i);
    ClientDataSet& list = openChoices(i);
    // States and municipalities are refused only when restricted by a list; an empty table of the others.
    const bool restricted = (i == Vqm41201::kEstado && listChecked(Vqm41201::kPais)) ||
                            (i == Vqm41201::kMunicipio && listChecked(Vqm41201::kEstado)) ||
                            (i != Vqm41201::kEstado && i != Vqm41201::kMunicipio);
    if (restricted && list.IsEmpty())
        Consiste::MensErro(Msg(*this, c.sourceEmptyKey));
    Vqm41201::UnitState& u = Vqm41201::unit();
    const bool chosen = Pesqlista::PesquisaLista(
        list, c.keyField, Msg(*this, c.titleKey) + "|" + Msg(*this, c.emptyKey), false, u.*c.selection);
    if (!chosen)
        return;
    // New countries make the state and municipality choices start over; new states the municipality's.
    auto resetToAll = [&](Index r) {
        (u.*Vqm41201::criterion(r).selection).clear();
        controls_[r].all->SetChecked(true);
        controls_[r].list->SetTabStop(false);
    };
    if (i == Vqm41201::kPais) {
        resetToAll(Vqm41201::kEstado);
        resetToAll(Vqm41201::kMunicipio);
    } else if (i == Vqm41201::kEstado) {
        resetToAll(Vqm41201::kMunicipio);
    }
}

} // namespace vq

#include "filter_report/Vqm41202.h"

#include "contract/customer_filter.h"
#include "customer/Vqm41200.h"
#include "filter_report/criteria_layout.h"
#include "filter_report/filter_alignment.h"
#include "filter_report/filter_queries.h"
#include "framework/services/consiste_messages.h"
#include "framework/services/db_geral.h"
#include "framework/services/messages.h"
#include "framework/services/pesquisa.h"
#include "framework/services/vorlane.h"
#include "framework/validation/consiste.h"
#include "platform/gui/buttons.h"
#include "platform/gui/containers.h"
#include "platform/gui/form_builder.h"
#include "platform/gui/radio_button.h"
#include "services/app_server.h"

#include <vector>

namespace vq {
namespace {

using enum gui::Kind;
using Vqm41202::Criterion;
using Vqm41202::Index;

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

// The criteria table drives the layout: per criterion a group box with its all and list buttons and
// its search button, two groups a row.
std::vector<gui::ControlSpec> criteriaLayout() {
    std::vector<gui::ControlSpec> rows;
    int n = 0;
    for (const Criterion& c : Vqm41202::criteria())
        filter_report::appendCriterionGroup(rows, "pnlFiltro",
                                            {c.groupBox, c.groupCaption, c.allButton, c.allCaption,
                                             c.listButton, c.searchButton, c.searchTitle},
                                            n++);
    return rows;
}

} // namespace

TfrmFilCliente::TfrmFilCliente(QWidget* parent) : TfrmFiltroPadrao("TfrmFilCliente", parent) {
    SetCaption("Filtro de Cliente");
    msgPadrao->SetItems(kMessages);
    const std::vector<gui::ControlSpec> rows = criteriaLayout();
    gui::buildForm(*this, rows);
    for (const Criterion& c : Vqm41202::criteria()) {
        const auto i = static_cast<Index>(&c - Vqm41202::criteria().data());
        CriterionControls& k = controls_[i];
        k.group = component<gui::GroupBox>(c.groupBox);
        k.all = component<gui::RadioButton>(c.allButton);
        k.list = component<gui::RadioButton>(c.listButton);
        k.search = component<gui::ToolButton>(c.searchButton);
        k.all->OnClick = [this, i] { radioClick(i); };
        k.list->OnClick = [this, i] { radioClick(i); };
        k.search->OnClick = [this, i] { searchClick(i); };
        lists_[i] = std::make_unique<ClientDataSet>(std::string(c.source));
        lists_[i]->CreateFields(Vqm41202::listFields(c.source));
        addDataSet(std::string(c.source), *lists_[i]);
    }
    rbtCliente = controls_[Vqm41202::kCliente].list;
    Vqm41202::showTaxNumberMasked(*lists_[Vqm41202::kCliente]);
    Vqm41202::unit().frmFilCliente = this;
    DoCreate();
}

TfrmFilCliente::~TfrmFilCliente() = default;

bool TfrmFilCliente::listChecked(Index i) const {
    return controls_[i].list->Checked();
}

void TfrmFilCliente::radioClick(Index i) {
    const CriterionControls& k = controls_[i];
    const bool list = k.list->Checked();
    k.search->SetEnabled(list);
    if (Vqm41202::criterion(i).rule == Vqm41202::RadioRule::TabStop)
        k.all->SetTabStop(!list);
}

void TfrmFilCliente::FormCreate() {
    TfrmFiltroPadrao::FormCreate();
    Vqm41202::UnitState& u = Vqm41202::unit();
    for (Index i : Vqm41202::kScreenOrder) {
        const Criterion& c = Vqm41202::criterion(i);
        const std::string& list = u.*c.list;
        u.Filtro.*c.entry = list.empty() ? Vqm41202::FilterEntry{} : Vqm41202::FilterEntry{false, list};
        if (!list.empty())
            controls_[i].list->SetChecked(true);
    }
    listOf(Vqm41202::kRamo).FieldByName("CDARVATIVCLI").SetEditMask(Vorlane::DBPict(16));
}

void TfrmFilCliente::FormActivate() {
    TfrmFiltroPadrao::FormActivate();
    update();
    Vqm41202::UnitState& u = Vqm41202::unit();
    for (Index i : Vqm41202::kScreenOrder) {
        const bool all = (u.Filtro.*Vqm41202::criterion(i).entry).all;
        (all ? controls_[i].all : controls_[i].list)->SetChecked(true);
    }
    if (rbtCliente->Checked() && rbtCliente->CanFocus())
        rbtCliente->SetFocus();
    for (Index i : Vqm41202::kScreenOrder) {
        const Criterion& c = Vqm41202::criterion(i);
        u.*c.list = (u.Filtro.*c.entry).list;
    }
}

void TfrmFilCliente::sbtConfirmaClick() {
    Vqm41202::UnitState& u = Vqm41202::unit();
    for (Index i : Vqm41202::kCheckOrder) {
        const Criterion& c = Vqm41202::criterion(i);
        if (!listChecked(i) || !Consiste::EmptyString(u.*c.list))
            continue;
        if (controls_[i].list->CanFocus())
            controls_[i].list->SetFocus();
        Consiste::MensErro(Msg(*this, c.requiredKey), true);
    }
    AplicaFiltro();
    for (Index i : Vqm41202::kScreenOrder) {
        const Criterion& c = Vqm41202::criterion(i);
        Vqm41202::FilterEntry& entry = u.Filtro.*c.entry;
        entry.all = controls_[i].all->Checked();
        if (entry.all)
            (u.*c.list).clear();
        entry.list = u.*c.list;
    }
    u.lastConfirmed = u.Filtro;
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
        filter::alignAfterCancel(*form);
    }
}

void TfrmFilCliente::AplicaFiltro() {
    const Vqm41202::UnitState& u = Vqm41202::unit();
    Vqm41202::TFILTRO selection;
    for (const Criterion& c : Vqm41202::criteria()) {
        const auto i = static_cast<Index>(&c - Vqm41202::criteria().data());
        const bool list = listChecked(i);
        selection.*c.entry = {!list, list ? u.*c.list : std::string()};
    }
    applySelection(selection);
}

void TfrmFilCliente::applySelection(const Vqm41202::TFILTRO& selection) {
    TfrmCliente& form = customerForm();
    contract::CustomerFilter sent;
    for (const Criterion& c : Vqm41202::criteria())
        sent.*c.sent = selection.*c.entry;
    services::readInto(form.netClientes, contract::kGetCliente, contract::toArgs(sent), form.cdsCliente());
    filter::alignAfterApply(form);
}

void TfrmFilCliente::applyLastConfirmed() {
    Vqm41202::UnitState& u = Vqm41202::unit();
    const Vqm41202::TFILTRO kept = u.Filtro; // creation rewrites it from the working lists
    auto dialog = std::make_unique<TfrmFilCliente>();
    u.Filtro = kept;
    dialog->applySelection(u.lastConfirmed);
}

void TfrmFilCliente::fillList(Index i) {
    const Criterion& c = Vqm41202::criterion(i);
    ClientDataSet& list = listOf(i);
    if (const Vqm41202::ListQuery* q = Vqm41202::findListQuery(c.source)) {
        std::unique_ptr<TADOIBQuery>& query = queries_[i];
        if (!query) {
            query = newQuery(std::string(q->name));
            query->setSql(std::string(q->sql));
            for (const auto& [key, text] :
                 {std::pair{"SQL_ORACLE", q->oracle}, std::pair{"SQL_MSSQL", q->mssql},
                  std::pair{"SQL_IB", q->interbase}})
                if (!text.empty())
                    query->setDialectSql(key, std::string(text));
        }
        query->Close();
        // The country choice restricts the states; country and state restrict the municipalities.
        const Vqm41202::UnitState& u = Vqm41202::unit();
        auto restrictBy = [&](Index by, const char* param, const char* allParam) {
            const bool onList = listChecked(by);
            query->ParamByName(param) = onList ? u.*Vqm41202::criterion(by).list : std::string();
            query->ParamByName(allParam) = onList ? std::string() : std::string("T");
        };
        if (i == Vqm41202::kEstado || i == Vqm41202::kMunicipio)
            restrictBy(Vqm41202::kPais, "P_CDPAIS", "P_TCDPAIS");
        if (i == Vqm41202::kMunicipio)
            restrictBy(Vqm41202::kEstado, "P_SGESTADO", "P_TSGESTADO");
        query->Open();
        list.SetData(Variant(query->Data()));
        return;
    }
    VariantArray args;
    if (i == Vqm41202::kRamo)
        args = {Variant(""), Variant("T"), Variant(std::to_string(Vorlane::DBPictObj(16).levels())),
                Variant("")};
    else if (i == Vqm41202::kQualifica)
        args = {Variant(""), Variant("T")};
    services::readInto(customerForm().netClientes, c.method, args, list);
}

void TfrmFilCliente::searchClick(Index i) {
    const Criterion& c = Vqm41202::criterion(i);
    fillList(i);
    Vqm41202::UnitState& u = Vqm41202::unit();
    const bool chosen = Pesqlista::PesquisaLista(
        listOf(i), c.keyField, Msg(*this, c.titleKey) + "|" + Msg(*this, c.emptyKey), false, u.*c.list);
    // New countries make the state choice start over; the municipality list stays.
    if (chosen && i == Vqm41202::kPais) {
        u.stEstado.clear();
        controls_[Vqm41202::kEstado].all->SetChecked(true);
    }
}

void TfrmFilCliente::saveOptions() {
    const Vqm41202::UnitState& u = Vqm41202::unit();
    for (Index i : Vqm41202::kScreenOrder) {
        const Criterion& c = Vqm41202::criterion(i);
        Opcoes.SetValues(c.optionKey, u.*c.list);
    }
    TfrmFiltroPadrao::saveOptions();
}

bool TfrmFilCliente::loadOptions() {
    if (!TfrmFiltroPadrao::loadOptions())
        return false;
    Vqm41202::UnitState& u = Vqm41202::unit();
    for (Index i : Vqm41202::kScreenOrder) {
        const Criterion& c = Vqm41202::criterion(i);
        u.*c.list = Opcoes.Values(c.optionKey);
    }
    return true;
}

void TfrmFilCliente::FormClose(gui::CloseAction& action) {
    TfrmFiltroPadrao::FormClose(action);
    action = gui::CloseAction::Free;
}

} // namespace vq

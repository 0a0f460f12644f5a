// The common rule of the classification lookups, for every row of the instance table.

#include "customer/form/classification_lookup.h"

#include "customer/Vqm41200.h"
#include "customer/classification_queries.h"
#include "customer/form/form_support.h"
#include "customer/identity_rules.h"
#include "framework/services/btn_pesquisa.h"
#include "framework/services/consiste_messages.h"
#include "framework/services/db_geral.h"
#include "framework/services/messages.h"
#include "framework/services/showavi.h"
#include "framework/validation/consiste.h"
#include "platform/data/error.h"
#include "platform/gui/containers.h"
#include "platform/gui/db_controls.h"
#include "platform/gui/page_control.h"
#include "services/app_server.h"

#include <string>

namespace vq::customer::form {
namespace {

// The form's queries by the names the table gives, with their texts.
struct QueryRow {
    TADOIBQuery TfrmCliente::*query;
    const char* name;
    const char* sql;
};
constexpr QueryRow kQueries[] = {
    {&TfrmCliente::qrySegMercado, "qrySegMercado", kSqlSegMercado},
    {&TfrmCliente::qryCentCustoCli, "qryCentCustoCli", kSqlCentCustoCli},
    {&TfrmCliente::qryRegiao, "qryRegiao", kSqlRegiao},
    {&TfrmCliente::qryPesqRegiao, "qryPesqRegiao", kSqlPesqRegiao},
    {&TfrmCliente::qryFiliOrig, "qryFiliOrig", kSqlFiliOrig},
    {&TfrmCliente::qryPesqFiliOrig, "qryPesqFiliOrig", kSqlPesqFiliOrig},
    {&TfrmCliente::qryMoeda, "qryMoeda", kSqlMoeda},
};

std::string str(std::string_view s) {
    return std::string(s);
}

} // namespace

ClassificationLookups::ClassificationLookups(TfrmCliente& form) : form_(form) {}
ClassificationLookups::~ClassificationLookups() = default;

TADOIBQuery* ClassificationLookups::query(std::string_view name) {
    for (const QueryRow& q : kQueries)
        if (name == q.name)
            return &(form_.*q.query);
    return nullptr;
}

ClientDataSet& ClassificationLookups::dataSet(std::string_view name) {
    return form_.data().dataSet(name);
}

void ClassificationLookups::build() {
    for (const QueryRow& q : kQueries)
        (form_.*q.query).setSql(q.sql);
    const auto& rows = classificationLookups();
    instances_.reserve(rows.size());
    for (const ClassificationLookup& row : rows) {
        LookupInstance l;
        l.row = &row;
        l.code = form_.findComponent<gui::Edit>(str(row.codeEdit));
        if (!l.code)
            throw Error("Controle de consulta não encontrado: " + str(row.codeEdit));
        if (!row.nameEdit.empty()) {
            l.name = form_.findComponent<gui::Edit>(str(row.nameEdit));
            l.nameIsPlain = dynamic_cast<gui::DbEdit*>(l.name) == nullptr;
        }
        l.page = form_.findComponent<gui::TabSheet>(str(row.page));
        if (row.list == LookupSource::Query || row.list == LookupSource::ClosedQuery)
            l.listQuery = query(row.listName);
        if (row.check == LookupSource::Query)
            l.checkQuery = query(row.checkName);
        if (!row.button.empty()) {
            auto* group = form_.findComponent<gui::GroupBox>(str(row.group));
            if (!group)
                throw Error("Grupo da consulta não encontrado: " + str(row.group));
            l.button = new TBtnPesquisa(group, row.button); // owned by its group box
            l.button->Title = str(row.title);
            l.button->EmptyText = str(row.emptyText);
            l.button->KeyField = str(row.codeColumn);
            if (l.listQuery)
                l.button->SetListSource(*l.listQuery);
            else
                l.button->SetListSource(dataSet(row.listSet));
            if (!row.nameColumn.empty())
                l.button->Columns = {{str(row.codeColumn), "Código"}, {str(row.nameColumn), "Nome"}};
            gui::gridOf(*group).addWidget(l.button, row.row, row.col);
        }
        instances_.push_back(std::move(l));
    }
    for (LookupInstance& l : instances_)
        wire(l);
}

void ClassificationLookups::wire(LookupInstance& l) {
    l.beforeSearch = [this, &l] { loadList(l); };
    l.afterSearch = [this, &l] { copyChoice(l); };
    l.change = [this, &l] { clearName(l); };
    l.exit = [this, &l] { check(l, false); };
    if (l.row->has(DigitsOnly))
        l.keyPress = [this](char16_t& key) {
            if (form_.cdsCliente().editing())
                key = customer::serviceCodeKey(key);
        };
    if (l.button) {
        l.button->OnBeforePesq = [&l](bool&) { l.beforeSearch(); };
        l.button->OnAfterPesq = [&l] { l.afterSearch(); };
    }
    l.code->OnChange = [&l] {
        if (l.change)
            l.change();
    };
    l.code->OnExit = [&l] {
        if (l.exit)
            l.exit();
    };
    l.code->OnKeyPress = [&l](char16_t& key) {
        if (l.keyPress)
            l.keyPress(key);
    };
}

LookupInstance& ClassificationLookups::operator[](std::string_view id) {
    for (LookupInstance& l : instances_)
        if (l.row->id == id)
            return l;
    throw Error("Consulta de classificação desconhecida: " + str(id));
}

bool ClassificationLookups::editing(const LookupInstance& l) const {
    return l.row->has(FormSource) ? customer::form::editing(form_.dtsPadrao) : form_.cdsCliente().editing();
}

void ClassificationLookups::loadList(LookupInstance& l) {
    const ClassificationLookup& r = *l.row;
    if (l.listQuery) {
        useDBGeral(*l.listQuery);
        l.listQuery->Close(); // the lookup opens it again
        if (r.list == LookupSource::Query) {
            l.listQuery->ParamByName(str(r.checkParam)).setValue(Variant(std::string()));
            if (!r.allParam.empty())
                l.listQuery->ParamByName(str(r.allParam)).setValue(Variant(std::string("T")));
        }
        return;
    }
    Showavi::Scope busy(&form_, Showavi::kSearching, Msg(form_, "Verif_Server"));
    services::readInto(form_.netClientes, r.listName, VariantArray{Variant(std::string()), Variant("T")},
                       dataSet(r.listSet));
}

void ClassificationLookups::copyChoice(LookupInstance& l) {
    ClientDataSet& master = form_.cdsCliente();
    if (!master.editing())
        master.Edit();
    master.FieldByName(l.row->field).SetAsString(l.button->Text(l.row->codeColumn));
    showName(l, l.button->Text(l.row->nameColumn));
}

void ClassificationLookups::clearName(LookupInstance& l) {
    if (!l.row->has(AlwaysClearName) && !editing(l))
        return;
    if (l.nameIsPlain && l.name)
        l.name->SetText("");
    if (!l.row->nameField.empty() && form_.cdsCliente().editing())
        form_.cdsCliente().FieldByName(l.row->nameField).Clear();
}

void ClassificationLookups::showName(LookupInstance& l, const std::string& name) {
    if (l.nameIsPlain && l.name)
        l.name->SetText(name);
    if (!l.row->nameField.empty() && form_.cdsCliente().editing())
        form_.cdsCliente().FieldByName(l.row->nameField).SetAsString(name);
}

bool ClassificationLookups::find(LookupInstance& l, const std::string& code, std::string& name) {
    const ClassificationLookup& r = *l.row;
    if (l.checkQuery) {
        TADOIBQuery& q = *l.checkQuery;
        useDBGeral(q);
        q.Close();
        q.ParamByName(str(r.checkParam)).setValue(Variant(code));
        if (!r.allParam.empty())
            q.ParamByName(str(r.allParam)).setValue(Variant(std::string()));
        q.Open();
        if (q.IsEmpty())
            return false;
        name = q.FieldByName(r.nameColumn).AsString();
        return true;
    }
    ClientDataSet& answer = dataSet(r.checkSet);
    VariantArray args{Variant(code)};
    if (!r.has(CodeOnly))
        args.push_back(Variant(str(r.checkFlag)));
    {
        Showavi::Scope busy(&form_, Showavi::kSearching, Msg(form_, "Verif_Server"));
        services::readInto(form_.netClientes, r.checkName, std::move(args), answer);
    }
    if (answer.IsEmpty())
        return false;
    name = fieldText(answer, r.nameColumn);
    return true;
}

void ClassificationLookups::check(LookupInstance& l, bool report) {
    const ClassificationLookup& r = *l.row;
    const bool edits = editing(l);
    if (!edits && !r.has(RunsInBrowse))
        return;
    try {
        const std::string typed = Consiste::AllTrim(l.code->Text());
        if (typed.empty()) {
            if (report && !r.requiredKey.empty())
                Consiste::MensErro(Msg(form_, r.requiredKey));
            return;
        }
        const std::string code = r.width > 0 ? Consiste::Ajusta(typed, r.width) : typed;
        // A code longer than its width is not cut: no such code exists.
        if (r.width > 0 && code.size() > static_cast<std::size_t>(r.width))
            Consiste::MensErro(Msg(form_, r.notFoundKey));
        if (edits)
            form_.cdsCliente().FieldByName(r.field).SetAsString(code);
        std::string name;
        if (!find(l, code, name))
            Consiste::MensErro(Msg(form_, r.notFoundKey));
        showName(l, name);
    } catch (...) {
        failed(l);
        throw;
    }
}

void ClassificationLookups::failed(LookupInstance& l) {
    const ClassificationLookup& r = *l.row;
    const bool flag = form_.boErroValida;
    gui::TabSheet* page = r.has(ChangesPage) ? l.page : nullptr;
    const bool orders = page && page == form_.sheet(TfrmCliente::Tab::DadosPed);
    if (page && page == form_.sheet(TfrmCliente::Tab::SitFinanc) && form_.detail.pgcSituFinanc) {
        form_.detail.pgcSituFinanc->SetActivePage(form_.detail.tshSituFinaGeral);
        form_.pgcSituFinancChange();
    }
    form_.validationFailed(page, l.code, orders);
    if (!r.has(SetsErrorFlag))
        form_.boErroValida = flag;
}

} // namespace vq::customer::form

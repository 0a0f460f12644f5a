#include "framework/services/btn_pesquisa.h"

#include "framework/services/db_geral.h"
#include "framework/services/pesquisa.h"
#include "platform/data/client_data_set.h"
#include "platform/data/error.h"
#include "platform/data/utf8_text.h"
#include "platform/db/tadoib_query.h"
#include "platform/gui/qt_text.h"

namespace vq {

TBtnPesquisa::TBtnPesquisa(QWidget* parent, std::string_view name) : gui::ToolButton(parent) {
    setObjectName(gui::qs(name));
    setText(QStringLiteral("..."));
    OnClick = [this] { Execute(); };
}

TBtnPesquisa::~TBtnPesquisa() = default;

void TBtnPesquisa::SetListSql(std::string sql, db::Connection* connection) {
    ownQuery_ = std::make_unique<TADOIBQuery>(connection, gui::ss(objectName()));
    ownQuery_->setSql(std::move(sql));
    ownUsesShared_ = connection == nullptr;
    source_.emplace(*ownQuery_);
}

bool TBtnPesquisa::Execute() {
    chosen_ = false;
    choice_.clear();
    bool allow = true;
    if (OnBeforePesq)
        OnBeforePesq(allow);
    if (!allow)
        return false;
    if (!source_)
        throw Error("Botão de pesquisa " + gui::ss(objectName()) + " sem lista de pesquisa.");
    if (ownQuery_ && ownUsesShared_ && !ownQuery_->Active())
        useDBGeral(*ownQuery_);
    if (!Pesquisa::Pesquisar(*source_, EmptyText + "|" + Title, Columns, KeyField))
        return false;
    captureChoice(*source_);
    chosen_ = true;
    if (OnAfterPesq)
        OnAfterPesq();
    return true;
}

void TBtnPesquisa::captureChoice(const LookupSource& source) {
    if (ClientDataSet* ds = source.dataSet()) {
        for (int i = 0; i < ds->FieldCount(); ++i)
            choice_.emplace_back(ds->Fields(i).FieldName(), ds->Fields(i).Value());
        return;
    }
    TADOIBQuery& q = *source.query();
    for (const FieldDesc& f : q.Fields())
        choice_.emplace_back(f.name, q.FieldByName(f.name).Value());
}

Variant TBtnPesquisa::Value(std::string_view field) const {
    const std::string wanted = utf8::toUpper(field);
    for (const auto& [name, value] : choice_)
        if (utf8::toUpper(name) == wanted)
            return value;
    return {};
}

std::string TBtnPesquisa::Text(std::string_view field) const {
    return Value(field).toString();
}

} // namespace vq

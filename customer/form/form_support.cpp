#include "customer/form/form_support.h"

#include "customer/bank_queries.h"
#include "framework/services/db_geral.h"
#include "platform/db/tadoib_query.h"
#include "platform/gui/choices.h"

namespace vq::customer::form {

std::string fieldText(const ClientDataSet& dataSet, std::string_view field) {
    if (!dataSet.Active() || dataSet.IsEmpty())
        return {};
    return dataSet.FieldByName(field).AsString();
}

bool editing(const DataSource& source) {
    return source.State() == DataSetState::Edit || source.State() == DataSetState::Insert;
}

void chooseByValue(gui::ComboBox& combo, std::string_view value) {
    int index = -1;
    for (std::size_t i = 0; i < combo.Values.size(); ++i)
        if (combo.Values[i] == value)
            index = static_cast<int>(i);
    combo.SetItemIndex(index);
}

std::string lookUp(TADOIBQuery& query, std::initializer_list<std::pair<const char*, std::string>> params,
                   const char* field) {
    useDBGeral(query);
    query.Close();
    for (const auto& [name, value] : params)
        query.ParamByName(name).setValue(Variant(value));
    query.Open();
    return query.IsEmpty() ? std::string() : query.FieldByName(field).AsString();
}

void setDialectQuery(TADOIBQuery& query, const DialectQuery& texts) {
    query.setSql(std::string(texts.generic));
    query.setDialectSql("SQL_ORACLE", std::string(texts.oracle));
    query.setDialectSql("SQL_MSSQL", std::string(texts.mssql));
    query.setDialectSql("SQL_IB", std::string(texts.interbase));
}

} // namespace vq::customer::form

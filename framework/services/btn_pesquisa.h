#pragma once
// The lookup button: a tool button that lists the rows of its ListSource (a client dataset, a data source,
// a query, or a SQL text it runs on a connection) and lets the user choose one. A click runs
//   OnBeforePesq(allow)  -> usually (re)loads the list; allow = false stops here
//   the lookup           -> Pesquisa::Pesquisar with "EmptyText|Title"; nothing chosen stops here
//   OnAfterPesq()        -> reads the choice: the source is positioned on the chosen row, and the row's
//                           values stay readable through Value()/Text() until the next search.
// OnClick starts as Execute(); a form that assigns its own OnClick calls Execute() from it to search.

#include "framework/services/lookup_source.h"
#include "platform/data/variant.h"
#include "platform/gui/buttons.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vq {

class TADOIBQuery;
namespace db {
class Connection;
}

class TBtnPesquisa : public gui::ToolButton {
public:
    explicit TBtnPesquisa(QWidget* parent = nullptr, std::string_view name = {});
    ~TBtnPesquisa() override;

    std::string Title;
    std::string EmptyText;
    std::vector<LookupColumn> Columns; // empty: the source's visible fields
    std::string KeyField;              // codes a driver may answer with; empty: the first column
    std::function<void(bool& allow)> OnBeforePesq;
    gui::NotifyEvent OnAfterPesq;

    void SetListSource(ClientDataSet& dataSet) { source_.emplace(dataSet); }
    void SetListSource(DataSource& source) { source_.emplace(source); }
    void SetListSource(TADOIBQuery& query) { source_.emplace(query); }
    // A query of the button's own over `sql`, on `connection` (nullptr: the shared connection dtmDBGeral,
    // taken when the search runs). Its parameters are set through ListQuery() in OnBeforePesq.
    void SetListSql(std::string sql, db::Connection* connection = nullptr);
    TADOIBQuery* ListQuery() const { return ownQuery_.get(); }

    // Runs the search; true when a row was chosen.
    bool Execute();

    bool Chosen() const { return chosen_; }
    // A field of the row chosen by the last search (null / "" when none or no such field).
    Variant Value(std::string_view field) const;
    std::string Text(std::string_view field) const;

private:
    void captureChoice(const LookupSource& source);

    std::optional<LookupSource> source_;
    std::unique_ptr<TADOIBQuery> ownQuery_;
    bool ownUsesShared_ = false;
    bool chosen_ = false;
    std::vector<std::pair<std::string, Variant>> choice_; // field name -> value
};

} // namespace vq

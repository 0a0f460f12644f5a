#pragma once
// What the lookups list: a client dataset (directly or through its data source) or a database query.
// Rows are rendered as the user sees them (display texts of the visible fields, or of the columns the
// caller names; a query's columns through their "on get text", TADOIBQuery::setOnGetText) and the
// source can be positioned on a chosen row, so the caller reads the choice from the source itself, as
// the classic lookups leave it.

#include <string>
#include <string_view>
#include <vector>

namespace vq {

class ClientDataSet;
class DataSource;
class TADOIBQuery;

struct LookupColumn {
    std::string field;
    std::string title; // empty: the field's display label (or its name)
};

class LookupSource {
public:
    LookupSource(ClientDataSet& dataSet) : dataSet_(&dataSet) {}
    LookupSource(DataSource& source);
    LookupSource(TADOIBQuery& query) : query_(&query) {}

    ClientDataSet* dataSet() const { return dataSet_; }
    TADOIBQuery* query() const { return query_; }
    std::string name() const;

    void open() const; // a closed query is opened (with its current parameters); a dataset is left as is
    int rowCount() const;
    // The given columns with their titles filled in; with none, every visible field (every query column).
    std::vector<LookupColumn> columns(const std::vector<LookupColumn>& wanted = {}) const;
    std::vector<std::vector<std::string>> rows(const std::vector<LookupColumn>& columns) const;
    // The raw text of one field in every row (keys for list pickers), trimmed of blanks at both ends.
    std::vector<std::string> values(std::string_view field) const;
    void positionOn(int row) const;
    int currentRow() const; // -1 when empty

private:
    ClientDataSet* dataSet_ = nullptr;
    TADOIBQuery* query_ = nullptr;
};

} // namespace vq

#pragma once
// The filter's choice sources as data: the five lookup queries (default text for SQLite and PostgreSQL,
// the Oracle, SQL Server and InterBase texts kept beside it) and the record layout of each list the
// picker shows (labels, hidden keys, display widths).

#include "platform/data/field.h"

#include <span>
#include <string_view>

namespace vq {
class ClientDataSet;
}

namespace vq::Vqm41202 {

struct ListQuery {
    std::string_view name; // qryCliente ...
    std::string_view sql;
    // "" where the default text serves that database too (InterBase has PARAM, as the default text).
    std::string_view oracle, mssql, interbase;
};

std::span<const ListQuery> listQueries();
const ListQuery* findListQuery(std::string_view name); // nullptr for the remote lists

// The fields of a picker list (a query's or a remote list dataset's); empty when unknown.
std::span<const FieldSpec> listFields(std::string_view source);

// A customer list's tax number (NRINSJURCLIE) shown with the mask of the row's kind (IDTPIJURCLIE).
void showTaxNumberMasked(ClientDataSet& list);

} // namespace vq::Vqm41202

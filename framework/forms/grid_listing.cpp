#include "framework/forms/grid_listing.h"

#include "platform/data/client_data_set.h"
#include "platform/data/error.h"
#include "platform/gui/db_grid.h"

#include <algorithm>

namespace vq::forms {
namespace {

constexpr double kMmPerChar = 2.0;

reports::ReportColumn columnFor(const Field& field, const std::string& title, int chars) {
    reports::ReportColumn c;
    c.field = field.FieldName();
    c.title = title.empty() ? field.DisplayLabel() : title;
    c.width = std::clamp((chars > 0 ? chars : field.DisplayWidth()) * kMmPerChar, 10.0, 80.0);
    const FieldType t = field.DataType();
    if (t == FieldType::Integer || t == FieldType::SmallInt || t == FieldType::Float)
        c.align = reports::Align::Right;
    return c;
}

} // namespace

reports::ReportDefinition gridListing(const gui::DbGrid& grid, std::string title) {
    ClientDataSet* ds = grid.DataSet();
    if (!ds)
        throw Error("A grade " + grid.objectName().toStdString() + " não tem dados para imprimir.");
    reports::ReportDefinition d;
    d.code = grid.objectName().toStdString();
    d.title = std::move(title);
    if (!grid.Columns().empty()) {
        for (const auto& col : grid.Columns())
            if (col.Visible)
                if (Field* f = ds->FindField(col.FieldName))
                    d.columns.push_back(columnFor(*f, col.Title, col.Width));
    } else {
        for (int i = 0; i < ds->FieldCount(); ++i)
            if (ds->Fields(i).Visible())
                d.columns.push_back(columnFor(ds->Fields(i), {}, 0));
    }
    if (d.columns.empty())
        throw Error("A grade " + d.code + " não tem colunas para imprimir.");
    return d;
}

} // namespace vq::forms

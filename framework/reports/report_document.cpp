#include "framework/reports/report_document.h"

#include "platform/data/client_data_set.h"
#include "platform/data/display_format.h"
#include "platform/data/error.h"
#include "platform/data/field.h"
#include "platform/data/text_ptbr.h"

#include <QDateTime>

namespace vq::reports {
namespace {

// Keeps the dataset's position and its controls quiet while the snapshot walks it.
class WalkGuard {
public:
    explicit WalkGuard(ClientDataSet& data) : data_(data), mark_(data.GetBookmark()) {
        data_.DisableControls();
    }
    ~WalkGuard() {
        if (mark_ != 0 && data_.BookmarkValid(mark_)) {
            try {
                data_.GotoBookmark(mark_);
            } catch (...) { // the row vanished meanwhile: staying elsewhere is harmless
            }
        }
        data_.EnableControls();
    }
    WalkGuard(const WalkGuard&) = delete;
    WalkGuard& operator=(const WalkGuard&) = delete;

private:
    ClientDataSet& data_;
    Bookmark mark_;
};

Field& fieldOf(ClientDataSet& data, const std::string& name, const ReportDefinition& definition) {
    Field* f = data.FindField(name);
    if (!f)
        throw Error("Campo " + name + " não existe nos dados do relatório " + definition.code + ".");
    return *f;
}

bool isNumeric(FieldType t) {
    return t == FieldType::Integer || t == FieldType::SmallInt || t == FieldType::Float;
}

} // namespace

std::string cellText(const Field& field, const ReportColumn& column) {
    if (column.format.empty() || field.IsNull())
        return field.DisplayText();
    if (isNumeric(field.DataType()))
        return formatFloat(column.format, field.AsFloat());
    if (field.DataType() == FieldType::DateTime) {
        const DateTime value = field.AsDateTime();
        if (value.days == 0)
            return {};
        return column.format.find("hh") != std::string::npos ? formatDateTime(value).substr(0, 16)
                                                             : formatDate(value);
    }
    return field.DisplayText();
}

ReportDocument takeSnapshot(const ReportDefinition& definition, ClientDataSet& data, std::string printedAt) {
    ReportDocument doc;
    doc.definition = definition;
    doc.printedAt = std::move(printedAt);
    if (!data.Active())
        throw Error("Os dados do relatório " + definition.code + " não estão abertos.");

    std::vector<Field*> cols;
    for (const auto& c : definition.columns) {
        Field& f = fieldOf(data, c.field, definition);
        cols.push_back(&f);
        doc.columnTitles.push_back(c.title.empty() ? f.DisplayLabel() : c.title);
    }
    std::vector<Field*> groups;
    for (const auto& g : definition.groups) {
        Field& f = fieldOf(data, g.field, definition);
        groups.push_back(&f);
        doc.groupTitles.push_back(g.title.empty() ? f.DisplayLabel() : g.title);
    }

    WalkGuard guard(data);
    doc.rows.reserve(static_cast<std::size_t>(data.RecordCount()));
    for (data.First(); !data.Eof(); data.Next()) {
        ReportRow row;
        for (std::size_t i = 0; i < cols.size(); ++i)
            row.cells.push_back(cellText(*cols[i], definition.columns[i]));
        for (Field* g : groups)
            row.groupValues.push_back(g->DisplayText());
        doc.rows.push_back(std::move(row));
    }
    return doc;
}

std::string nowText() {
    return QDateTime::currentDateTime().toString(QStringLiteral("dd/MM/yyyy HH:mm")).toStdString();
}

} // namespace vq::reports

#include "framework/services/lookup_source.h"

#include "framework/validation/consiste.h"
#include "platform/data/client_data_set.h"
#include "platform/data/data_source.h"
#include "platform/data/error.h"
#include "platform/data/field_value.h"
#include "platform/db/tadoib_query.h"

namespace vq {
namespace {

std::string queryText(const FieldDesc& field, const Variant& value) {
    return formattedText(field, {}, {}, value);
}

// Column positions of `columns` in a query's packet (Error for a name the query lacks).
std::vector<int> packetColumns(const DataPacket& packet, const std::vector<LookupColumn>& columns,
                               const std::string& name) {
    std::vector<int> at;
    for (const auto& c : columns) {
        const int i = packet.fieldIndex(c.field);
        if (i < 0)
            throw Error("Pesquisa em " + name + ": campo " + c.field + " não existe.");
        at.push_back(i);
    }
    return at;
}

} // namespace

LookupSource::LookupSource(DataSource& source) : dataSet_(source.DataSet()) {
    if (!dataSet_)
        throw Error("Pesquisa em " + source.Name() + ": fonte de dados sem conjunto de dados.");
}

std::string LookupSource::name() const {
    return dataSet_ ? dataSet_->Name() : query_->name();
}

void LookupSource::open() const {
    if (query_ && !query_->Active())
        query_->Open();
}

int LookupSource::rowCount() const {
    if (dataSet_)
        return dataSet_->Active() ? dataSet_->RecordCount() : 0;
    return query_->Active() ? query_->RecordCount() : 0;
}

std::vector<LookupColumn> LookupSource::columns(const std::vector<LookupColumn>& wanted) const {
    std::vector<LookupColumn> out;
    if (dataSet_) {
        auto titled = [](const Field& f, std::string title) {
            return LookupColumn{f.FieldName(), title.empty() ? f.DisplayLabel() : std::move(title)};
        };
        if (!wanted.empty()) {
            for (const auto& c : wanted)
                out.push_back(titled(dataSet_->FieldByName(c.field), c.title));
            return out;
        }
        for (int i = 0; i < dataSet_->FieldCount(); ++i)
            if (const Field& f = dataSet_->Fields(i); f.Visible())
                out.push_back(titled(f, {}));
        return out;
    }
    if (!wanted.empty()) {
        for (const auto& c : wanted)
            out.push_back({c.field, c.title.empty() ? query_->DisplayLabel(c.field) : c.title});
        return out;
    }
    for (const FieldDesc& f : query_->Fields())
        out.push_back({f.name, query_->DisplayLabel(f.name)});
    return out;
}

std::vector<std::vector<std::string>> LookupSource::rows(const std::vector<LookupColumn>& columns) const {
    std::vector<std::vector<std::string>> out;
    const int count = rowCount();
    out.reserve(static_cast<std::size_t>(count));
    if (dataSet_) {
        std::vector<Field*> fields;
        for (const auto& c : columns)
            fields.push_back(&dataSet_->FieldByName(c.field));
        for (int r = 0; r < count; ++r) {
            std::vector<std::string> row;
            dataSet_->withRowAt(r, [&] {
                for (const Field* f : fields)
                    row.push_back(f->DisplayText());
            });
            out.push_back(std::move(row));
        }
        return out;
    }
    if (count == 0)
        return out;
    const auto packet = query_->Data();
    const std::vector<int> at = packetColumns(*packet, columns, name());
    if (query_->hasGetText()) {
        // Columns with an "on get text" read their row: the query visits each one.
        for (int r = 0; r < count; ++r) {
            std::vector<std::string> row;
            query_->withRowAt(static_cast<std::size_t>(r), [&] {
                for (const auto& c : columns)
                    row.push_back(query_->DisplayText(c.field));
            });
            out.push_back(std::move(row));
        }
        return out;
    }
    for (const Row& values : packet->rows()) {
        std::vector<std::string> row;
        for (const int i : at)
            row.push_back(queryText(packet->fields()[static_cast<std::size_t>(i)],
                                    values[static_cast<std::size_t>(i)]));
        out.push_back(std::move(row));
    }
    return out;
}

std::vector<std::string> LookupSource::values(std::string_view field) const {
    std::vector<std::string> out;
    const int count = rowCount();
    if (dataSet_) {
        const Field& f = dataSet_->FieldByName(field);
        for (int r = 0; r < count; ++r)
            dataSet_->withRowAt(r, [&] { out.push_back(Consiste::AllTrim(f.AsString())); });
        return out;
    }
    if (count == 0)
        return out;
    const auto packet = query_->Data();
    const int i = packetColumns(*packet, {{std::string(field), {}}}, name()).front();
    for (const Row& values : packet->rows())
        out.push_back(Consiste::AllTrim(values[static_cast<std::size_t>(i)].toString()));
    return out;
}

void LookupSource::positionOn(int row) const {
    if (dataSet_) {
        dataSet_->SetRecNo(row + 1);
        return;
    }
    query_->First();
    for (int i = 0; i < row && !query_->Eof(); ++i)
        query_->Next();
}

int LookupSource::currentRow() const {
    if (dataSet_ && dataSet_->Active() && !dataSet_->IsEmpty())
        return dataSet_->RecNo() - 1;
    return -1;
}

} // namespace vq

// ClientDataSet: fields, opening and closing, loading packets, notifications.
#include "platform/data/client_data_set.h"

#include "platform/data/data_source.h"
#include "platform/data/dataset_filter.h"
#include "platform/data/error.h"
#include "platform/data/field_value.h"

#include <algorithm>

namespace vq {

namespace {
std::string upper(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return out;
}
} // namespace

ClientDataSet::ClientDataSet(std::string name) : name_(std::move(name)) {}

ClientDataSet::~ClientDataSet() {
    const auto sources = sources_;
    sources_.clear();
    for (DataSource* s : sources)
        s->dataSetDestroyed();
}

// ---- fields ----

Field& ClientDataSet::AddField(const FieldSpec& spec) {
    if (Active())
        throw Error(name_ + ": campos só podem ser definidos com o conjunto de dados fechado.");
    if (spec.name.empty())
        throw Error(name_ + ": campo sem nome.");
    const std::string key = upper(spec.name);
    if (fieldIndex_.contains(key))
        throw Error(name_ + ": campo " + std::string(spec.name) + " definido duas vezes.");
    if (!fieldsDeclared_ && !fields_.empty())
        ClearFields(); // fields taken from an earlier packet give way to declared ones
    fields_.push_back(std::make_unique<Field>(*this, spec, FieldCount()));
    fieldIndex_.emplace(key, FieldCount() - 1);
    fieldsDeclared_ = true;
    return *fields_.back();
}

void ClientDataSet::CreateFields(std::span<const FieldSpec> specs) {
    for (const FieldSpec& spec : specs)
        AddField(spec);
}

void ClientDataSet::ClearFields() {
    if (Active())
        throw Error(name_ + ": campos só podem ser removidos com o conjunto de dados fechado.");
    fields_.clear();
    fieldIndex_.clear();
    fieldsDeclared_ = false;
}

Field& ClientDataSet::Fields(int index) const {
    if (index < 0 || index >= FieldCount())
        throw Error(name_ + ": índice de campo " + std::to_string(index) + " fora da faixa.");
    return *fields_[static_cast<std::size_t>(index)];
}

Field* ClientDataSet::FindField(std::string_view name) const {
    const auto it = fieldIndex_.find(upper(name));
    return it == fieldIndex_.end() ? nullptr : fields_[static_cast<std::size_t>(it->second)].get();
}

Field& ClientDataSet::FieldByName(std::string_view name) const {
    if (Field* f = FindField(name))
        return *f;
    throw Error(name_ + ": campo " + std::string(name) + " não encontrado.");
}

std::vector<FieldDesc> ClientDataSet::fieldDescs() const {
    std::vector<FieldDesc> out;
    out.reserve(fields_.size());
    for (const auto& f : fields_)
        out.push_back(f->desc());
    return out;
}

void ClientDataSet::recreateFields(const std::vector<FieldDesc>& descs) {
    fields_.clear();
    fieldIndex_.clear();
    for (const FieldDesc& d : descs) {
        FieldSpec spec;
        spec.name = d.name;
        spec.type = d.type;
        spec.size = d.size;
        fields_.push_back(std::make_unique<Field>(*this, spec, FieldCount()));
        fieldIndex_.emplace(upper(d.name), FieldCount() - 1);
    }
    fieldsDeclared_ = false;
}

// ---- opening and closing ----

void ClientDataSet::checkActive() const {
    if (!Active())
        throw Error(name_ + ": operação com o conjunto de dados fechado.");
}

void ClientDataSet::CreateDataSet() {
    if (fields_.empty())
        throw Error(name_ + ": nenhum campo definido.");
    Close();
    openWith(RecordStore(fields_.size(), store_.nextId()), {});
}

void ClientDataSet::Open() {
    if (Active())
        return;
    CreateDataSet();
}

void ClientDataSet::openWith(RecordStore store, std::vector<RowId> order) {
    fire(BeforeOpen);
    store_ = std::move(store);
    order_ = std::move(order);
    log_.clear();
    state_ = DataSetState::Browse;
    try {
        indexFields_ = fieldIndexes(indexFieldNames_);
        rebuildView();
    } catch (...) {
        resetData();
        state_ = DataSetState::Inactive;
        throw;
    }
    cursor_ = view_.empty() ? -1 : 0;
    bof_ = true;
    eof_ = view_.empty();
    notify(DataEvent::ActiveChanged);
    notify(DataEvent::DataSetChanged);
    fire(AfterOpen);
    if (!view_.empty())
        fire(AfterScroll);
}

void ClientDataSet::resetData() {
    store_ = RecordStore(fields_.size(), store_.nextId()); // ids keep growing: old bookmarks stay invalid
    log_.clear();
    order_.clear();
    view_.clear();
    editBuffer_.clear();
    editId_ = insertBefore_ = 0;
    modified_ = false;
    cursor_ = -1;
    bof_ = eof_ = true;
}

void ClientDataSet::Close() {
    if (!Active())
        return;
    fire(BeforeClose);
    state_ = DataSetState::Inactive;
    resetData();
    notify(DataEvent::ActiveChanged);
    fire(AfterClose);
}

// ---- packets ----

namespace {
// Packed rows that the store can take byte for byte: same fields in the same places, every value of its
// field's own kind, and texts already held to a size no larger than the dataset's.
bool storableAsIs(const DataPacket& packet, const std::vector<FieldDesc>& fields,
                  const std::vector<int>& source) {
    const PackedRows* packed = packet.packedRows();
    if (!packed || fields.size() != packet.fields().size())
        return false;
    for (std::size_t j = 0; j < fields.size(); ++j) {
        const FieldDesc& from = packet.fields()[j];
        if (source[j] != static_cast<int>(j) || from.type != fields[j].type || packed->foreignKind[j])
            return false;
        if (from.type == FieldType::String && fields[j].size > 0 &&
            (from.size <= 0 || from.size > fields[j].size))
            return false;
    }
    return true;
}
} // namespace

std::pair<RecordStore, std::vector<RowId>>
ClientDataSet::prepare(const DataPacket& packet, const std::vector<FieldDesc>& fields) const {
    std::vector<int> source(fields.size());
    for (std::size_t j = 0; j < fields.size(); ++j)
        source[j] = packet.fieldIndex(fields[j].name);
    RecordStore store(fields.size(), store_.nextId());
    store.reserve(packet.rowCount());
    std::vector<RowId> order;
    order.reserve(packet.rowCount());
    if (storableAsIs(packet, fields, source)) {
        for (const PackedRow& row : packet.packedRows()->rows) {
            const RowId id = store.newId();
            store.putPacked(id, row.clone());
            order.push_back(id);
        }
        return {std::move(store), std::move(order)};
    }
    const Variant null;
    std::vector<Variant> converted(fields.size());
    std::vector<const Variant*> values(fields.size());
    packet.forEachRow([&](const Row& row) {
        if (row.size() != packet.fields().size())
            throw FieldError(name_ + ": linha do pacote com " + std::to_string(row.size()) +
                             " valores para " + std::to_string(packet.fields().size()) + " campos.");
        for (std::size_t j = 0; j < fields.size(); ++j) {
            const Variant& v = source[j] < 0 ? null : row[static_cast<std::size_t>(source[j])];
            if (hasFieldKind(fields[j].type, v.kind())) {
                checkFits(fields[j], v);
                values[j] = &v;
            } else {
                converted[j] = fitValue(fields[j], v);
                values[j] = &converted[j];
            }
        }
        const RowId id = store.newId();
        store.putPacked(id, store.codec().pack([&](std::size_t j) -> const Variant& { return *values[j]; }));
        order.push_back(id);
    });
    return {std::move(store), std::move(order)};
}

void ClientDataSet::loadPacket(const DataPacket& packet) {
    std::vector<FieldDesc> fields = fieldsDeclared_ ? fieldDescs() : packet.fields();
    if (!fieldsDeclared_)
        for (FieldDesc& f : fields)
            if (f.type == FieldType::String && f.size <= 0)
                f.size = kDefaultStringSize;
    auto [store, order] = prepare(packet, fields); // may refuse: nothing has changed yet
    Close();
    if (!fieldsDeclared_)
        recreateFields(fields);
    openWith(std::move(store), std::move(order));
}

void ClientDataSet::SetData(const Variant& data) {
    if (data.isNull()) {
        if (fields_.empty())
            Close();
        else
            CreateDataSet();
        return;
    }
    if (!data.is(VariantKind::Packet))
        throw Error(name_ + ": dados recebidos (" + data.describe() + ") não são um pacote de dados.");
    loadPacket(data.asPacket());
}

// The store's rows are already checked and of their fields' own kinds: they go out packed as they are.
DataPacket ClientDataSet::dataPacket() const {
    auto packed = std::make_shared<PackedRows>(fields_.size());
    packed->rows.reserve(order_.size());
    for (RowId id : order_)
        if (log_.status(id) != vq::UpdateStatus::Deleted)
            packed->rows.push_back(store_.packed(id).clone());
    return DataPacket(fieldDescs(), std::move(packed));
}

Variant ClientDataSet::Data() const {
    if (!Active())
        return {};
    return std::make_shared<const DataPacket>(dataPacket());
}

void ClientDataSet::EmptyDataSet() {
    checkActive();
    CheckBrowseMode();
    store_ = RecordStore(fields_.size(), store_.nextId());
    log_.clear();
    order_.clear();
    view_.clear();
    cursor_ = -1;
    bof_ = eof_ = true;
    notify(DataEvent::DataSetChanged);
}

// ---- notifications ----

void ClientDataSet::fire(const NotifyEvent& event) {
    if (event)
        event(*this);
}

void ClientDataSet::notify(DataEvent event, Field* field) {
    if (disableCount_ > 0)
        return; // caught up by EnableControls
    const auto sources = sources_;
    for (DataSource* s : sources)
        if (std::find(sources_.begin(), sources_.end(), s) != sources_.end())
            s->dataEvent(event, field);
}

void ClientDataSet::attach(DataSource* source) {
    if (std::find(sources_.begin(), sources_.end(), source) == sources_.end())
        sources_.push_back(source);
}

void ClientDataSet::detach(DataSource* source) {
    std::erase(sources_, source);
}

void ClientDataSet::DisableControls() {
    if (disableCount_++ == 0)
        disableState_ = state_;
}

void ClientDataSet::EnableControls() {
    if (disableCount_ == 0 || --disableCount_ > 0)
        return;
    if (state_ != disableState_) {
        const bool activity = (state_ == DataSetState::Inactive) != (disableState_ == DataSetState::Inactive);
        notify(activity ? DataEvent::ActiveChanged : DataEvent::StateChanged);
    }
    if (Active())
        notify(DataEvent::DataSetChanged);
}

} // namespace vq

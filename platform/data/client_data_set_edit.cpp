// ClientDataSet: field values, the edit state machine and the change log.
#include "platform/data/client_data_set.h"
#include "platform/data/data_source.h"
#include "platform/data/error.h"
#include "platform/data/value_compare.h"

#include <algorithm>
#include <unordered_set>

namespace vq {

// ---- field values ----

Variant ClientDataSet::fieldValue(int field) const {
    checkActive();
    const RowId id = readId_ ? *readId_ : currentId();
    if (id == 0)
        return {};
    if (id == editId_ && editing())
        return editBuffer_[static_cast<std::size_t>(field)];
    return store_.value(id, static_cast<std::size_t>(field));
}

Variant ClientDataSet::oldFieldValue(int field) const {
    checkActive();
    const RowId id = readId_ ? *readId_ : currentId();
    if (id == 0 || !store_.contains(id))
        return {}; // a row being inserted has no old values
    if (log_.status(id) == vq::UpdateStatus::Inserted)
        return {};
    if (const PackedRow* original = log_.original(id))
        return store_.codec().value(*original, static_cast<std::size_t>(field));
    return store_.value(id, static_cast<std::size_t>(field));
}

void ClientDataSet::checkFieldWritable(const Field& field) const {
    checkActive();
    if (readId_ || !editing())
        throw Error("Campo " + field.FieldName() + ": " + name_ + " não está em edição nem inclusão.");
    if (field.ReadOnly())
        throw FieldError("Campo " + field.FieldName() + ": somente leitura.");
}

void ClientDataSet::writeField(Field& field, Variant value) {
    checkFieldWritable(field);
    editBuffer_[static_cast<std::size_t>(field.Index())] = std::move(value);
    modified_ = true;
    if (field.OnChange)
        field.OnChange(field);
    notify(DataEvent::FieldChanged, &field);
}

void ClientDataSet::checkCanModify() const {
    checkActive();
    if (readOnly_)
        throw Error("Não é possível modificar " + name_ + ": somente leitura.");
}

void ClientDataSet::checkRequired() const {
    for (const auto& f : fields_) {
        if (!f->Required())
            continue;
        const Variant& v = editBuffer_[static_cast<std::size_t>(f->Index())];
        if (v.isNull() || (v.is(VariantKind::String) && v.asString().empty()))
            throw FieldError("O campo \"" + f->DisplayLabel() + "\" deve ser informado.");
    }
}

// ---- state machine ----

void ClientDataSet::UpdateRecord() {
    if (editing())
        notify(DataEvent::UpdateData);
}

void ClientDataSet::CheckBrowseMode() {
    checkActive();
    if (!editing())
        return;
    UpdateRecord();
    if (modified_)
        Post();
    else
        Cancel();
}

void ClientDataSet::Insert() {
    beginInsert(false);
}

void ClientDataSet::Append() {
    beginInsert(true);
}

void ClientDataSet::beginInsert(bool append) {
    CheckBrowseMode();
    checkCanModify();
    fire(BeforeInsert);
    fire(BeforeScroll);
    const RowId id = store_.newId();
    const bool atEnd = append || cursor_ < 0;
    insertBefore_ = atEnd ? 0 : currentId();
    const int row = atEnd ? static_cast<int>(view_.size()) : cursor_;
    view_.insert(view_.begin() + row, id);
    cursor_ = row;
    editBuffer_.assign(fields_.size(), Variant{});
    editId_ = id;
    state_ = DataSetState::Insert;
    bof_ = eof_ = false;
    notify(DataEvent::StateChanged);
    try {
        fire(OnNewRecord);
    } catch (...) {
        endEdit();
        view_.erase(view_.begin() + row);
        cursor_ = std::min(row, static_cast<int>(view_.size()) - 1);
        notify(DataEvent::StateChanged);
        notify(DataEvent::DataSetChanged);
        throw;
    }
    modified_ = false; // values set by OnNewRecord are defaults, not edits
    notify(DataEvent::DataSetChanged);
    fire(AfterInsert);
    fire(AfterScroll);
}

void ClientDataSet::Edit() {
    if (editing())
        return;
    CheckBrowseMode();
    checkCanModify();
    if (view_.empty()) {
        Append();
        return;
    }
    fire(BeforeEdit);
    editId_ = currentId();
    editBuffer_ = store_.row(editId_);
    state_ = DataSetState::Edit;
    modified_ = false;
    notify(DataEvent::StateChanged);
    notify(DataEvent::RecordChanged);
    fire(AfterEdit);
}

void ClientDataSet::endEdit() {
    state_ = DataSetState::Browse;
    editBuffer_.clear();
    editId_ = insertBefore_ = 0;
    modified_ = false;
}

void ClientDataSet::writeRecord() {
    const RowId id = editId_;
    if (state_ == DataSetState::Insert) {
        // An append goes at the end without a scan, so loading n rows stays linear.
        const auto place = insertBefore_ == 0
                               ? static_cast<std::ptrdiff_t>(order_.size())
                               : std::find(order_.begin(), order_.end(), insertBefore_) - order_.begin();
        // Room first, so that the insert below cannot fail after the store write; growth stays geometric
        // (reserving one more each time would copy the whole order on every append).
        if (order_.size() == order_.capacity())
            order_.reserve(std::max<std::size_t>(16, order_.size() * 2));
        store_.put(id, editBuffer_);
        order_.insert(order_.begin() + place, id);
        if (logChanges_)
            log_.inserted(id);
        return;
    }
    if (logChanges_)
        log_.beforeModify(id, store_);
    store_.put(id, editBuffer_);
    if (logChanges_)
        log_.afterModify(id, store_);
}

void ClientDataSet::Post() {
    checkActive();
    if (!editing())
        throw Error(name_ + ": não está em edição nem inclusão.");
    UpdateRecord();
    fire(BeforePost);
    checkRequired();
    const bool inserting = state_ == DataSetState::Insert;
    const RowId id = editId_;
    bool keyChanged = inserting;
    for (int f : indexFields_)
        if (!keyChanged && compareValues(store_.value(id, static_cast<std::size_t>(f)),
                                         editBuffer_[static_cast<std::size_t>(f)]) != 0)
            keyChanged = true;
    writeRecord();
    endEdit();
    const bool reorder = filtered_ || (!indexFields_.empty() && keyChanged);
    if (reorder) {
        const int row = cursor_;
        rebuildView();
        positionOn(id, row);
    }
    notify(DataEvent::StateChanged);
    notify(reorder ? DataEvent::DataSetChanged : DataEvent::RecordChanged);
    fire(AfterPost);
}

void ClientDataSet::appendPacked(std::vector<PackedRow>& rows) {
    if (rows.empty())
        return;
    CheckBrowseMode();
    checkCanModify();
    order_.reserve(std::max(order_.size() * 2, order_.size() + rows.size()));
    const bool reorder = filtered_ || !indexFields_.empty();
    if (!reorder)
        view_.reserve(std::max(view_.size() * 2, view_.size() + rows.size()));
    RowId last = 0;
    for (PackedRow& row : rows) {
        last = store_.newId();
        store_.putPacked(last, std::move(row));
        order_.push_back(last);
        if (!reorder)
            view_.push_back(last);
        if (logChanges_)
            log_.inserted(last);
    }
    rows.clear();
    if (reorder)
        rebuildView();
    positionOn(last, static_cast<int>(view_.size()) - 1);
    if (!view_.empty())
        bof_ = eof_ = false;
    notify(DataEvent::DataSetChanged);
}

void ClientDataSet::Cancel() {
    if (!editing())
        return;
    fire(BeforeCancel);
    const bool inserting = state_ == DataSetState::Insert;
    endEdit();
    if (inserting) {
        view_.erase(view_.begin() + cursor_);
        cursor_ = std::min(cursor_, static_cast<int>(view_.size()) - 1);
        bof_ = eof_ = view_.empty();
    }
    notify(DataEvent::StateChanged);
    notify(inserting ? DataEvent::DataSetChanged : DataEvent::RecordChanged);
    fire(AfterCancel);
}

void ClientDataSet::removeFromOrder(RowId id) {
    const auto it = std::find(order_.begin(), order_.end(), id);
    if (it != order_.end())
        order_.erase(it);
}

void ClientDataSet::Delete() {
    checkActive();
    if (state_ == DataSetState::Insert) {
        Cancel();
        return;
    }
    if (view_.empty())
        throw Error(name_ + ": não há registro para excluir.");
    checkCanModify();
    fire(BeforeDelete);
    fire(BeforeScroll);
    const RowId id = currentId();
    const bool removeNow = logChanges_ ? log_.deleted(id) : true;
    if (!logChanges_)
        log_.forget(id);
    if (removeNow) {
        store_.erase(id);
        removeFromOrder(id);
    }
    const bool wasEditing = editing();
    endEdit();
    const bool wasLast = cursor_ == static_cast<int>(view_.size()) - 1;
    view_.erase(view_.begin() + cursor_);
    cursor_ = std::min(cursor_, static_cast<int>(view_.size()) - 1);
    eof_ = view_.empty() || wasLast;
    bof_ = view_.empty();
    if (wasEditing)
        notify(DataEvent::StateChanged);
    notify(DataEvent::DataSetChanged);
    fire(AfterDelete);
    fire(AfterScroll);
}

// ---- change log ----

Variant ClientDataSet::Delta() const {
    return std::make_shared<const vq::Delta>(buildDelta());
}

vq::Delta ClientDataSet::buildDelta() const {
    return log_.buildDelta(fieldDescs(), store_);
}

int ClientDataSet::ChangeCount() const {
    return static_cast<int>(log_.size());
}

vq::UpdateStatus ClientDataSet::UpdateStatus() const {
    if (state_ == DataSetState::Insert)
        return vq::UpdateStatus::Inserted;
    const RowId id = currentId();
    return id == 0 ? vq::UpdateStatus::Unmodified : log_.status(id);
}

void ClientDataSet::applyRemoved(const std::vector<RowId>& ids) {
    if (ids.empty())
        return;
    const std::unordered_set<RowId> gone(ids.begin(), ids.end());
    std::erase_if(order_, [&](RowId id) { return gone.contains(id); });
}

void ClientDataSet::MergeChangeLog() {
    checkActive();
    applyRemoved(log_.merge(store_));
}

void ClientDataSet::CancelUpdates() {
    checkActive();
    Cancel();
    const RowId current = currentId();
    applyRemoved(log_.revertAll(store_));
    const int row = cursor_;
    rebuildView();
    positionOn(current, row);
    notify(DataEvent::DataSetChanged);
}

void ClientDataSet::RevertRecord() {
    checkActive();
    Cancel();
    const RowId id = currentId();
    if (id == 0 || log_.status(id) == vq::UpdateStatus::Unmodified)
        return;
    const int row = cursor_;
    if (log_.revert(id, store_))
        removeFromOrder(id);
    rebuildView();
    positionOn(id, row);
    notify(DataEvent::DataSetChanged);
}

} // namespace vq

#include "platform/data/data_source.h"

#include <algorithm>

namespace vq {

// ---- DataLink ----

DataLink::~DataLink() {
    setDataSource(nullptr);
}

void DataLink::setDataSource(DataSource* source) {
    if (source == source_)
        return;
    if (source_)
        source_->removeLink(this);
    if (source)
        source->addLink(this); // sets source_ and tells the link
    else
        source_ = nullptr;
}

ClientDataSet* DataLink::dataSet() const {
    return source_ ? source_->DataSet() : nullptr;
}

bool DataLink::active() const {
    return source_ && source_->State() != DataSetState::Inactive;
}

bool DataLink::editing() const {
    const DataSetState s = source_ ? source_->State() : DataSetState::Inactive;
    return s == DataSetState::Edit || s == DataSetState::Insert;
}

// ---- DataSource ----

DataSource::DataSource(std::string name, ClientDataSet* dataSet) : name_(std::move(name)) {
    SetDataSet(dataSet);
}

DataSource::~DataSource() {
    if (dataSet_)
        dataSet_->detach(this);
    for (DataLink* link : links_)
        link->source_ = nullptr;
}

DataSetState DataSource::State() const {
    return dataSet_ && enabled_ ? dataSet_->State() : DataSetState::Inactive;
}

template <class F> void DataSource::eachLink(F&& f) {
    const auto links = links_; // a handler may add or remove links
    for (DataLink* link : links)
        if (std::find(links_.begin(), links_.end(), link) != links_.end())
            f(*link);
}

void DataSource::checkState() {
    const DataSetState now = State();
    if (now == lastState_)
        return;
    lastState_ = now;
    if (OnStateChange)
        OnStateChange(*this);
}

void DataSource::SetDataSet(ClientDataSet* dataSet) {
    if (dataSet == dataSet_)
        return;
    if (dataSet_)
        dataSet_->detach(this);
    dataSet_ = dataSet;
    if (dataSet_)
        dataSet_->attach(this);
    eachLink([](DataLink& l) { l.activeChanged(); });
    checkState();
}

void DataSource::SetEnabled(bool enabled) {
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    eachLink([](DataLink& l) { l.activeChanged(); });
    checkState();
}

void DataSource::dataSetDestroyed() {
    dataSet_ = nullptr;
    eachLink([](DataLink& l) { l.activeChanged(); });
    checkState();
}

void DataSource::addLink(DataLink* link) {
    if (!link || std::find(links_.begin(), links_.end(), link) != links_.end())
        return;
    if (link->source_ && link->source_ != this)
        link->source_->removeLink(link);
    links_.push_back(link);
    link->source_ = this;
    link->activeChanged();
}

void DataSource::removeLink(DataLink* link) {
    if (!link)
        return;
    std::erase(links_, link);
    if (link->source_ == this)
        link->source_ = nullptr;
}

void DataSource::dataEvent(DataEvent event, Field* field) {
    if (!enabled_)
        return;
    switch (event) {
    case DataEvent::ActiveChanged:
        eachLink([](DataLink& l) { l.activeChanged(); });
        checkState();
        break;
    case DataEvent::StateChanged:
        eachLink([](DataLink& l) { l.editingChanged(); });
        checkState();
        break;
    case DataEvent::DataSetChanged:
        eachLink([](DataLink& l) { l.dataSetChanged(); });
        break;
    case DataEvent::Scrolled:
        eachLink([](DataLink& l) { l.dataSetScrolled(); });
        break;
    case DataEvent::RecordChanged:
    case DataEvent::FieldChanged:
        eachLink([&](DataLink& l) { l.recordChanged(field); });
        break;
    case DataEvent::UpdateData:
        if (OnUpdateData)
            OnUpdateData(*this);
        eachLink([](DataLink& l) { l.updateData(); });
        return;
    }
    if (event != DataEvent::ActiveChanged && event != DataEvent::StateChanged && OnDataChange)
        OnDataChange(*this, event == DataEvent::FieldChanged ? field : nullptr);
}

// ---- FieldDataLink ----

void FieldDataLink::setFieldName(std::string name) {
    fieldName_ = std::move(name);
    bindField();
    if (onActiveChange)
        onActiveChange();
    recordChanged(nullptr);
}

void FieldDataLink::bindField() {
    ClientDataSet* ds = dataSet();
    field_ = active() && ds && !fieldName_.empty() ? ds->FindField(fieldName_) : nullptr;
}

bool FieldDataLink::canModify() const {
    const ClientDataSet* ds = dataSet();
    return field_ && ds && ds->CanModify() && !field_->ReadOnly() && active();
}

bool FieldDataLink::edit() {
    if (canModify() && !editing())
        dataSet()->Edit();
    return editing();
}

void FieldDataLink::reset() {
    recordChanged(nullptr);
}

void FieldDataLink::activeChanged() {
    bindField();
    modified_ = false;
    if (onActiveChange)
        onActiveChange();
    if (onDataChange)
        onDataChange();
}

void FieldDataLink::editingChanged() {
    if (onEditingChange)
        onEditingChange();
}

void FieldDataLink::recordChanged(Field* field) {
    if (field && field != field_)
        return;
    modified_ = false;
    if (onDataChange)
        onDataChange();
}

void FieldDataLink::updateData() {
    if (!modified_)
        return;
    if (field_ && onUpdateData)
        onUpdateData();
    modified_ = false;
}

} // namespace vq

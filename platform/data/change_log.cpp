#include "platform/data/change_log.h"

#include <algorithm>

namespace vq {

UpdateStatus ChangeLog::status(RowId id) const {
    const auto it = entries_.find(id);
    return it == entries_.end() ? UpdateStatus::Unmodified : it->second.status;
}

const PackedRow* ChangeLog::original(RowId id) const {
    const auto it = entries_.find(id);
    return it == entries_.end() || it->second.original.empty() ? nullptr : &it->second.original;
}

void ChangeLog::inserted(RowId id) {
    entries_[id] = Entry{UpdateStatus::Inserted, nextSequence_++, {}};
}

void ChangeLog::beforeModify(RowId id, const RecordStore& store) {
    if (entries_.contains(id))
        return; // inserted stays inserted; modified keeps the values before its first edit
    entries_[id] = Entry{UpdateStatus::Modified, nextSequence_++, store.packed(id).clone()};
}

void ChangeLog::afterModify(RowId id, const RecordStore& store) {
    const auto it = entries_.find(id);
    if (it == entries_.end() || it->second.status != UpdateStatus::Modified)
        return;
    if (RowCodec::sameBytes(it->second.original, store.packed(id)))
        entries_.erase(it);
}

bool ChangeLog::deleted(RowId id) {
    const auto it = entries_.find(id);
    if (it == entries_.end()) {
        entries_[id] = Entry{UpdateStatus::Deleted, nextSequence_++, {}};
        return false;
    }
    if (it->second.status == UpdateStatus::Inserted) {
        entries_.erase(it);
        return true;
    }
    it->second.status = UpdateStatus::Deleted; // keeps its original values and its place in the order
    return false;
}

bool ChangeLog::revert(RowId id, RecordStore& store) {
    const auto it = entries_.find(id);
    if (it == entries_.end())
        return false;
    Entry entry = std::move(it->second);
    entries_.erase(it);
    if (entry.status == UpdateStatus::Inserted) {
        store.erase(id);
        return true;
    }
    if (!entry.original.empty())
        store.putPacked(id, std::move(entry.original));
    return false;
}

std::vector<RowId> ChangeLog::revertAll(RecordStore& store) {
    std::vector<RowId> ids;
    ids.reserve(entries_.size());
    for (const auto& [id, entry] : entries_)
        ids.push_back(id);
    std::vector<RowId> removed;
    for (RowId id : ids)
        if (revert(id, store))
            removed.push_back(id);
    return removed;
}

std::vector<RowId> ChangeLog::merge(RecordStore& store) {
    std::vector<RowId> removed;
    for (const auto& [id, entry] : entries_)
        if (entry.status == UpdateStatus::Deleted) {
            store.erase(id);
            removed.push_back(id);
        }
    entries_.clear();
    return removed;
}

std::vector<std::pair<RowId, const ChangeLog::Entry*>> ChangeLog::ordered() const {
    std::vector<std::pair<RowId, const Entry*>> out;
    out.reserve(entries_.size());
    for (const auto& [id, entry] : entries_)
        out.emplace_back(id, &entry);
    std::sort(out.begin(), out.end(),
              [](const auto& a, const auto& b) { return a.second->sequence < b.second->sequence; });
    return out;
}

Delta ChangeLog::buildDelta(const std::vector<FieldDesc>& fields, const RecordStore& store) const {
    Delta delta(fields);
    const RowCodec& codec = store.codec();
    for (const auto& [id, entry] : ordered()) {
        DeltaRow row;
        row.status = entry->status;
        switch (entry->status) {
        case UpdateStatus::Inserted:
            row.newValues = store.row(id);
            break;
        case UpdateStatus::Modified: {
            const PackedRow& current = store.packed(id);
            for (int f : codec.changedFields(entry->original, current))
                row.changes.push_back({f, codec.value(current, static_cast<std::size_t>(f))});
            if (row.changes.empty())
                continue;
            row.oldValues = codec.unpack(entry->original);
            break;
        }
        default:
            row.oldValues = entry->original.empty() ? store.row(id) : codec.unpack(entry->original);
            break;
        }
        delta.addRow(std::move(row));
    }
    return delta;
}

} // namespace vq

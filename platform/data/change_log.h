#pragma once
// A dataset's pending changes since the last merge: for each changed row its status, its original values
// and the order of its first change. The merge rules (edit twice, insert then edit, insert then delete...)
// live here so that the dataset only reports what happened to a row.

#include "platform/data/packet.h"
#include "platform/data/record_store.h"

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace vq {

class ChangeLog {
public:
    bool empty() const { return entries_.empty(); }
    // Rows with a pending net change.
    std::size_t size() const { return entries_.size(); }
    UpdateStatus status(RowId id) const;
    void clear() { entries_.clear(); }
    // The row's values before its pending changes; null when the store row is still the original.
    const PackedRow* original(RowId id) const;

    // A new row was stored.
    void inserted(RowId id);
    // Call before the store receives a row's new values: the first change keeps the original.
    void beforeModify(RowId id, const RecordStore& store);
    // Call after: a row edited back to its original values has no pending change any more.
    void afterModify(RowId id, const RecordStore& store);
    // The row was deleted. True when it must leave the store now (it was inserted and never sent); else
    // it stays in the store, hidden, until the log is merged or cancelled.
    bool deleted(RowId id);
    // Forgets a row without undoing anything (a change made while changes are not logged).
    void forget(RowId id) { entries_.erase(id); }

    // Undoes every change of one row. True when the row left the store (it had been inserted).
    bool revert(RowId id, RecordStore& store);
    // Undoes everything; returns the inserted rows that left the store.
    std::vector<RowId> revertAll(RecordStore& store);
    // The current data becomes the baseline; returns the deleted rows that left the store.
    std::vector<RowId> merge(RecordStore& store);

    // Changed rows in the order of their first change.
    Delta buildDelta(const std::vector<FieldDesc>& fields, const RecordStore& store) const;

private:
    struct Entry {
        UpdateStatus status = UpdateStatus::Unmodified;
        std::uint64_t sequence = 0;
        PackedRow original; // Modified; Deleted after a modification. Empty: the store row is the original.
    };
    std::vector<std::pair<RowId, const Entry*>> ordered() const;

    std::unordered_map<RowId, Entry> entries_;
    std::uint64_t nextSequence_ = 0;
};

} // namespace vq

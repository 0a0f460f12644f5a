#pragma once
// In-memory dataset with the classic client-dataset behaviour: states, events in the classic order, a
// change log with its delta, locate, bookmarks, an index on fields and a filter.
//
// Data() gives the current rows (inserted and edited rows as they are now, deleted rows left out) as a
// packet without the pending log; SetData() replaces rows and log (a loaded packet has no log). So
// SetData(Data()) gives the same rows with nothing pending. The delta is sent with Delta().

#include "platform/data/change_log.h"
#include "platform/data/field.h"
#include "platform/data/packet.h"
#include "platform/data/record_store.h"

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vq {

class DataSource;
class FilterExpression;
enum class DataEvent : int;

enum class DataSetState { Inactive = 0, Browse = 1, Edit = 2, Insert = 3 };

struct LocateOptions {
    bool CaseInsensitive = false;
    bool PartialKey = false; // a string value matches a field that starts with it
};

using Bookmark = RowId; // 0: none

class ClientDataSet {
public:
    using NotifyEvent = std::function<void(ClientDataSet& dataSet)>;
    using FilterRecordEvent = std::function<void(ClientDataSet& dataSet, bool& accept)>;

    explicit ClientDataSet(std::string name = {});
    ~ClientDataSet();
    ClientDataSet(const ClientDataSet&) = delete;
    ClientDataSet& operator=(const ClientDataSet&) = delete;

    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }

    // Fields. Declared while inactive; a dataset with no declared fields takes them from each packet.
    void CreateFields(std::span<const FieldSpec> specs);
    Field& AddField(const FieldSpec& spec);
    void ClearFields();
    int FieldCount() const { return static_cast<int>(fields_.size()); }
    Field& Fields(int index) const;
    Field& FieldByName(std::string_view name) const; // Error when there is no such field
    Field* FindField(std::string_view name) const;
    std::vector<FieldDesc> fieldDescs() const;

    // Opening and closing. Open and CreateDataSet start empty; SetData opens with the packet's rows.
    // Close discards rows, log and pending edits.
    void CreateDataSet();
    void Open();
    void Close();
    bool Active() const { return state_ != DataSetState::Inactive; }
    void SetActive(bool active) { active ? Open() : Close(); }
    DataSetState State() const { return state_; }
    bool editing() const { return state_ == DataSetState::Edit || state_ == DataSetState::Insert; }

    Variant Data() const;
    DataPacket dataPacket() const;
    // A packet whose values do not fit the fields is refused whole (FieldError naming the field) and
    // leaves the dataset as it was. Fields are matched by name, ignoring case; a declared field missing
    // from the packet is null, a packet field not declared is left out.
    void SetData(const Variant& data);
    void loadPacket(const DataPacket& packet);
    void EmptyDataSet();

    // Editing
    void Insert();
    void Append();
    void Edit();
    void Post();
    void Cancel();
    void Delete();
    void CheckBrowseMode(); // post a modified row, cancel an untouched one
    // Bulk load: appends rows already packed in the fields' own kinds and sizes (RowBuilder), without the
    // per-row events, in one pass; logged as inserts when LogChanges; one DataSetChanged; the cursor on
    // the last row. `rows` is left empty.
    void appendPacked(std::vector<PackedRow>& rows);
    void UpdateRecord(); // ask bound controls to write their pending text
    bool Modified() const { return modified_; }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool on) { readOnly_ = on; }
    bool CanModify() const { return Active() && !readOnly_; }

    // Change log
    Variant Delta() const; // a Variant holding the delta
    vq::Delta buildDelta() const;
    int ChangeCount() const;
    bool LogChanges() const { return logChanges_; }
    void SetLogChanges(bool on) { logChanges_ = on; }
    void MergeChangeLog();
    void CancelUpdates();
    void RevertRecord();
    vq::UpdateStatus UpdateStatus() const;

    // Navigation
    void First();
    void Last();
    void Next() { MoveBy(1); }
    void Prior() { MoveBy(-1); }
    int MoveBy(int distance);
    bool Bof() const { return bof_; }
    bool Eof() const { return eof_; }
    bool IsEmpty() const { return view_.empty(); }
    int RecordCount() const;
    int RecNo() const { return cursor_ + 1; } // 1-based; 0 when empty
    void SetRecNo(int recNo);
    Bookmark GetBookmark() const;
    void GotoBookmark(Bookmark bookmark); // Error when the row is gone or hidden
    bool BookmarkValid(Bookmark bookmark) const;
    // fields "A;B"; values: one Variant, or an array with one value per field.
    bool Locate(std::string_view fields, const Variant& values, LocateOptions options = {});
    // The result fields of the first matching row (one value, or an array); null when none. No move.
    Variant Lookup(std::string_view keyFields, const Variant& keyValues, std::string_view resultFields);

    // Order and filter. IndexFieldNames "A;B" sorts ascending, stable, nulls first, text by code point.
    // Filter expressions: FIELD = 'text', <>, <, >, <=, >=, numbers, NULL, IS [NOT] NULL, AND, OR, NOT,
    // parentheses; 'AB*' with = matches a prefix. OnFilterRecord applies too while Filtered; after
    // assigning it, SetFiltered(true) again applies it.
    const std::string& IndexFieldNames() const { return indexFieldNames_; }
    void SetIndexFieldNames(std::string names);
    const std::string& Filter() const { return filterText_; }
    void SetFilter(std::string expression); // Error when it does not parse
    bool Filtered() const { return filtered_; }
    void SetFiltered(bool on);

    // Data-aware controls. Disabling is nested; it mutes data-source notifications only.
    void DisableControls();
    void EnableControls();
    bool ControlsDisabled() const { return disableCount_ > 0; }

    // For grids: a value of any visible row, and field reads redirected to a row while fn runs.
    Variant valueAt(int row, int field) const;
    void withRowAt(int row, const std::function<void()>& fn);
    // Bytes the rows and the log hold (the store's own accounting).
    std::size_t storageBytes() const { return store_.bytesUsed(); }

    NotifyEvent BeforeOpen, AfterOpen, BeforeClose, AfterClose;
    NotifyEvent BeforeInsert, AfterInsert, OnNewRecord, BeforeEdit, AfterEdit;
    NotifyEvent BeforePost, AfterPost, BeforeCancel, AfterCancel, BeforeDelete, AfterDelete;
    NotifyEvent BeforeScroll, AfterScroll;
    FilterRecordEvent OnFilterRecord;

private:
    friend class Field;
    friend class DataSource;

    // fields and values
    Variant fieldValue(int field) const;
    Variant oldFieldValue(int field) const;
    void checkFieldWritable(const Field& field) const;
    void writeField(Field& field, Variant value);
    void checkActive() const;
    void checkCanModify() const;
    void checkRequired() const;
    RowId currentId() const { return cursor_ >= 0 ? view_[static_cast<std::size_t>(cursor_)] : 0; }
    int rowOf(RowId id) const; // position in the view, -1 when not shown

    // opening and loading
    void openWith(RecordStore store, std::vector<RowId> order);
    std::pair<RecordStore, std::vector<RowId>> prepare(const DataPacket& packet,
                                                       const std::vector<FieldDesc>& fields) const;
    void recreateFields(const std::vector<FieldDesc>& fields);
    void resetData();

    // editing
    void beginInsert(bool append);
    void writeRecord();
    void endEdit();
    void removeFromOrder(RowId id);
    void applyRemoved(const std::vector<RowId>& ids);

    // view
    void rebuildView();
    bool accepts(RowId id);
    std::vector<int> fieldIndexes(std::string_view names) const;
    void positionOn(RowId id, int fallback);
    void scrollTo(int row, bool bof, bool eof);
    int findRow(const std::vector<int>& fields, const VariantArray& values,
                const LocateOptions& options) const;

    // notifications
    void fire(const NotifyEvent& event);
    void notify(DataEvent event, Field* field = nullptr);
    void attach(DataSource* source);
    void detach(DataSource* source);

    std::string name_;
    std::vector<std::unique_ptr<Field>> fields_;
    std::unordered_map<std::string, int> fieldIndex_; // upper-case name -> index
    bool fieldsDeclared_ = false;

    DataSetState state_ = DataSetState::Inactive;
    RecordStore store_;
    ChangeLog log_;
    std::vector<RowId> order_; // rows in their physical order, deleted ones too until merged
    std::vector<RowId> view_;  // rows shown: filtered, sorted, with a row being inserted
    int cursor_ = -1;
    bool bof_ = true;
    bool eof_ = true;

    Row editBuffer_;
    RowId editId_ = 0;
    RowId insertBefore_ = 0; // physical place of the row being inserted (0: at the end)
    bool modified_ = false;
    std::optional<RowId> readId_; // field reads redirected by withRowAt / OnFilterRecord

    bool readOnly_ = false;
    bool logChanges_ = true;
    std::string indexFieldNames_;
    std::vector<int> indexFields_;
    std::string filterText_;
    std::unique_ptr<FilterExpression> filter_;
    bool filtered_ = false;

    int disableCount_ = 0;
    DataSetState disableState_ = DataSetState::Inactive;
    std::vector<DataSource*> sources_;
};

} // namespace vq

#pragma once
// The link between a dataset and the controls that show it. A DataSource passes the dataset's changes to
// its links (the data-aware controls) and raises OnStateChange / OnDataChange for the form.

#include "platform/data/client_data_set.h"

#include <functional>
#include <string>
#include <vector>

namespace vq {

class DataSource;
class Field;

// What a dataset tells its data sources.
enum class DataEvent : int {
    ActiveChanged,  // opened or closed
    StateChanged,   // browse / edit / insert
    DataSetChanged, // rows added, removed, reordered or reloaded
    Scrolled,       // the current row moved
    RecordChanged,  // the current row's values were replaced (post, cancel, edit)
    FieldChanged,   // one field of the current row was written
    UpdateData,     // controls must write their pending text into the fields now
};

// Base of every data-aware control's link to a DataSource. Override what the control needs.
class DataLink {
public:
    DataLink() = default;
    virtual ~DataLink();
    DataLink(const DataLink&) = delete;
    DataLink& operator=(const DataLink&) = delete;

    DataSource* dataSource() const { return source_; }
    void setDataSource(DataSource* source);
    ClientDataSet* dataSet() const;
    bool active() const;  // bound to an enabled source whose dataset is open
    bool editing() const; // ... and in edit or insert state

    virtual void activeChanged() {}
    virtual void editingChanged() {}
    virtual void dataSetChanged() {}
    virtual void dataSetScrolled() {}
    virtual void recordChanged(Field* field) { (void)field; } // null: the whole record
    virtual void updateData() {}

private:
    friend class DataSource;
    DataSource* source_ = nullptr;
};

class DataSource {
public:
    using StateChangeEvent = std::function<void(DataSource& sender)>;
    using DataChangeEvent = std::function<void(DataSource& sender, Field* field)>;

    explicit DataSource(std::string name = {}, ClientDataSet* dataSet = nullptr);
    ~DataSource();
    DataSource(const DataSource&) = delete;
    DataSource& operator=(const DataSource&) = delete;

    const std::string& Name() const { return name_; }
    ClientDataSet* DataSet() const { return dataSet_; }
    void SetDataSet(ClientDataSet* dataSet);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    // The dataset's state; Inactive without a dataset or while disabled.
    DataSetState State() const;

    StateChangeEvent OnStateChange; // only when State() really changes
    DataChangeEvent OnDataChange;   // once per change; field is null when more than one field changed
    StateChangeEvent OnUpdateData;  // before controls write their pending text

    void addLink(DataLink* link);
    void removeLink(DataLink* link);

private:
    friend class ClientDataSet;
    void dataEvent(DataEvent event, Field* field);
    void dataSetDestroyed();
    void checkState();
    template <class F> void eachLink(F&& f);

    std::string name_;
    ClientDataSet* dataSet_ = nullptr;
    bool enabled_ = true;
    DataSetState lastState_ = DataSetState::Inactive;
    std::vector<DataLink*> links_;
};

// The link of a control bound to one field (edits, check boxes, combo boxes...). It tracks whether the
// control holds text the user changed, and asks for it back before a post.
class FieldDataLink : public DataLink {
public:
    const std::string& fieldName() const { return fieldName_; }
    void setFieldName(std::string name);
    Field* field() const { return field_; }

    bool canModify() const; // editing is possible: dataset modifiable, field not read-only
    bool edit();            // puts the dataset in edit when it can; true when editing
    void modified() { modified_ = true; }
    bool isModified() const { return modified_; }
    void reset(); // drops the control's pending text by reloading it from the field

    std::function<void()> onDataChange;    // reload the control from field()
    std::function<void()> onEditingChange; // read-only look may change
    std::function<void()> onUpdateData;    // write the control's text into field()
    std::function<void()> onActiveChange;

    void activeChanged() override;
    void editingChanged() override;
    void dataSetChanged() override { recordChanged(nullptr); }
    void dataSetScrolled() override { recordChanged(nullptr); }
    void recordChanged(Field* field) override;
    void updateData() override;

private:
    void bindField();

    std::string fieldName_;
    Field* field_ = nullptr;
    bool modified_ = false;
};

} // namespace vq

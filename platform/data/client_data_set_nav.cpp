// ClientDataSet: the view (index and filter), moves, bookmarks, Locate and Lookup.
#include "platform/data/client_data_set.h"
#include "platform/data/data_source.h"
#include "platform/data/dataset_filter.h"
#include "platform/data/error.h"
#include "platform/data/field_value.h"
#include "platform/data/value_compare.h"

#include <algorithm>

namespace vq {

// ---- view ----

std::vector<int> ClientDataSet::fieldIndexes(std::string_view names) const {
    std::vector<int> out;
    for (std::string_view name : splitFieldList(names))
        out.push_back(FieldByName(name).Index());
    return out;
}

bool ClientDataSet::accepts(RowId id) {
    if (filter_ && !filter_->evaluate([&](int f) { return store_.value(id, static_cast<std::size_t>(f)); }))
        return false;
    if (!OnFilterRecord)
        return true;
    bool accept = true;
    readId_ = id;
    try {
        OnFilterRecord(*this, accept);
    } catch (...) {
        readId_.reset();
        throw;
    }
    readId_.reset();
    return accept;
}

void ClientDataSet::rebuildView() {
    std::vector<RowId> view;
    view.reserve(order_.size());
    const bool anyDeleted = !log_.empty();
    if (filtered_ && filter_)
        filter_->bind([&](std::string_view name) {
            const Field* f = FindField(name);
            return f ? f->Index() : -1;
        });
    for (RowId id : order_) {
        if (anyDeleted && log_.status(id) == vq::UpdateStatus::Deleted)
            continue;
        if (filtered_ && !accepts(id))
            continue;
        view.push_back(id);
    }
    if (!indexFields_.empty()) {
        // Keys are read once; the sort then compares decoded values.
        std::vector<std::pair<Row, RowId>> keyed;
        keyed.reserve(view.size());
        for (RowId id : view) {
            Row key;
            key.reserve(indexFields_.size());
            for (int f : indexFields_)
                key.push_back(store_.value(id, static_cast<std::size_t>(f)));
            keyed.emplace_back(std::move(key), id);
        }
        std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) {
            for (std::size_t i = 0; i < a.first.size(); ++i)
                if (const int c = compareValues(a.first[i], b.first[i]); c != 0)
                    return c < 0;
            return false;
        });
        for (std::size_t i = 0; i < keyed.size(); ++i)
            view[i] = keyed[i].second;
    }
    view_ = std::move(view);
}

int ClientDataSet::rowOf(RowId id) const {
    if (id == 0)
        return -1;
    const auto it = std::find(view_.begin(), view_.end(), id);
    return it == view_.end() ? -1 : static_cast<int>(it - view_.begin());
}

void ClientDataSet::positionOn(RowId id, int fallback) {
    const int row = rowOf(id);
    cursor_ = row >= 0 ? row : std::min(std::max(fallback, 0), static_cast<int>(view_.size()) - 1);
    if (view_.empty())
        bof_ = eof_ = true;
}

void ClientDataSet::SetIndexFieldNames(std::string names) {
    if (!Active()) {
        indexFieldNames_ = std::move(names);
        return;
    }
    CheckBrowseMode();
    std::vector<int> fields = fieldIndexes(names); // Error on an unknown field: nothing changes
    indexFieldNames_ = std::move(names);
    indexFields_ = std::move(fields);
    const RowId current = currentId();
    rebuildView();
    positionOn(current, 0);
    notify(DataEvent::DataSetChanged);
}

void ClientDataSet::SetFilter(std::string expression) {
    std::unique_ptr<FilterExpression> parsed;
    if (expression.find_first_not_of(" \t\r\n") != std::string::npos)
        parsed = FilterExpression::parse(expression);
    if (parsed && Active())
        parsed->bind([&](std::string_view name) {
            const Field* f = FindField(name);
            return f ? f->Index() : -1;
        });
    filter_ = std::move(parsed);
    filterText_ = std::move(expression);
    if (filtered_)
        SetFiltered(true);
}

void ClientDataSet::SetFiltered(bool on) {
    filtered_ = on;
    if (!Active())
        return;
    CheckBrowseMode();
    fire(BeforeScroll);
    rebuildView();
    cursor_ = view_.empty() ? -1 : 0;
    bof_ = true;
    eof_ = view_.empty();
    notify(DataEvent::DataSetChanged);
    fire(AfterScroll);
}

// ---- moves ----

int ClientDataSet::RecordCount() const {
    return static_cast<int>(view_.size()) - (state_ == DataSetState::Insert ? 1 : 0);
}

void ClientDataSet::scrollTo(int row, bool bof, bool eof) {
    cursor_ = row;
    bof_ = bof;
    eof_ = eof;
    notify(DataEvent::Scrolled);
    fire(AfterScroll);
}

void ClientDataSet::First() {
    CheckBrowseMode();
    fire(BeforeScroll);
    scrollTo(view_.empty() ? -1 : 0, true, view_.empty());
}

void ClientDataSet::Last() {
    CheckBrowseMode();
    fire(BeforeScroll);
    scrollTo(static_cast<int>(view_.size()) - 1, view_.empty(), true);
}

int ClientDataSet::MoveBy(int distance) {
    CheckBrowseMode();
    fire(BeforeScroll);
    if (view_.empty()) {
        bof_ = eof_ = true;
        return 0;
    }
    const long last = static_cast<long>(view_.size()) - 1;
    long target = static_cast<long>(cursor_) + distance;
    bool bof = false, eof = false;
    if (target > last) {
        target = last;
        eof = true;
    } else if (target < 0) {
        target = 0;
        bof = true;
    }
    const int moved = static_cast<int>(target) - cursor_;
    if (moved == 0) {
        bof_ = bof;
        eof_ = eof;
        return 0;
    }
    scrollTo(static_cast<int>(target), bof, eof);
    return moved;
}

void ClientDataSet::SetRecNo(int recNo) {
    checkActive();
    MoveBy(recNo - RecNo());
}

// ---- bookmarks ----

Bookmark ClientDataSet::GetBookmark() const {
    checkActive();
    return state_ == DataSetState::Insert ? 0 : currentId();
}

bool ClientDataSet::BookmarkValid(Bookmark bookmark) const {
    return Active() && bookmark != 0 && store_.contains(bookmark) && rowOf(bookmark) >= 0;
}

void ClientDataSet::GotoBookmark(Bookmark bookmark) {
    CheckBrowseMode();
    const int row = BookmarkValid(bookmark) ? rowOf(bookmark) : -1;
    if (row < 0)
        throw Error(name_ + ": registro não encontrado.");
    fire(BeforeScroll);
    scrollTo(row, false, false);
}

// ---- Locate and Lookup ----

namespace {

// A Locate key prepared once: its text (lower-cased when case is ignored) for text comparisons.
struct LocateKey {
    Variant value;
    std::string text;
};

bool matchesRow(const RecordStore& store, RowId id, const std::vector<int>& fields,
                const std::vector<LocateKey>& keys, const LocateOptions& options) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const LocateKey& key = keys[i];
        std::string_view stored;
        if (key.value.is(VariantKind::String) &&
            store.textAt(id, static_cast<std::size_t>(fields[i]), stored)) {
            if (!textMatches(stored, key.text, options.CaseInsensitive, options.PartialKey))
                return false;
            continue; // text read in place, nothing decoded
        }
        const Variant v = store.value(id, static_cast<std::size_t>(fields[i]));
        if (v.isNull() || key.value.isNull()) {
            if (v.isNull() != key.value.isNull())
                return false;
            continue;
        }
        if (v.is(VariantKind::String) || key.value.is(VariantKind::String)) {
            const std::string text = v.is(VariantKind::String) ? std::string() : valueText(v);
            const std::string_view value = v.is(VariantKind::String) ? std::string_view(v.asString()) : text;
            if (!textMatches(value, key.text, options.CaseInsensitive, options.PartialKey))
                return false;
        } else if (compareValues(v, key.value) != 0) {
            return false;
        }
    }
    return true;
}

} // namespace

int ClientDataSet::findRow(const std::vector<int>& fields, const VariantArray& values,
                           const LocateOptions& options) const {
    if (values.size() != fields.size())
        throw Error(name_ + ": " + std::to_string(values.size()) + " valores para " +
                    std::to_string(fields.size()) + " campos de busca.");
    std::vector<LocateKey> keys;
    for (const Variant& v : values)
        keys.push_back({v, valueText(v)});
    for (std::size_t row = 0; row < view_.size(); ++row)
        if (view_[row] != editId_ || state_ != DataSetState::Insert)
            if (matchesRow(store_, view_[row], fields, keys, options))
                return static_cast<int>(row);
    return -1;
}

namespace {
VariantArray keyList(const Variant& values, std::size_t fieldCount) {
    if (fieldCount != 1 && values.is(VariantKind::Array))
        return values.asArray();
    if (fieldCount == 1 && values.is(VariantKind::Array) && values.asArray().size() == 1)
        return values.asArray();
    return VariantArray{values};
}
} // namespace

bool ClientDataSet::Locate(std::string_view fields, const Variant& values, LocateOptions options) {
    CheckBrowseMode();
    const std::vector<int> indexes = fieldIndexes(fields);
    const int row = findRow(indexes, keyList(values, indexes.size()), options);
    if (row < 0)
        return false;
    fire(BeforeScroll);
    scrollTo(row, false, false);
    return true;
}

Variant ClientDataSet::Lookup(std::string_view keyFields, const Variant& keyValues,
                              std::string_view resultFields) {
    checkActive();
    const std::vector<int> keys = fieldIndexes(keyFields);
    const std::vector<int> results = fieldIndexes(resultFields);
    const int row = findRow(keys, keyList(keyValues, keys.size()), {});
    if (row < 0)
        return {};
    const RowId id = view_[static_cast<std::size_t>(row)];
    VariantArray out;
    for (int f : results)
        out.push_back(id == editId_ && editing() ? editBuffer_[static_cast<std::size_t>(f)]
                                                 : store_.value(id, static_cast<std::size_t>(f)));
    if (out.size() == 1)
        return out.front();
    return out;
}

// ---- grids ----

Variant ClientDataSet::valueAt(int row, int field) const {
    checkActive();
    if (row < 0 || row >= static_cast<int>(view_.size()) || field < 0 || field >= FieldCount())
        return {};
    const RowId id = view_[static_cast<std::size_t>(row)];
    if (id == editId_ && editing())
        return editBuffer_[static_cast<std::size_t>(field)];
    return store_.value(id, static_cast<std::size_t>(field));
}

void ClientDataSet::withRowAt(int row, const std::function<void()>& fn) {
    checkActive();
    if (row < 0 || row >= static_cast<int>(view_.size()))
        throw Error(name_ + ": linha " + std::to_string(row) + " fora da faixa.");
    const std::optional<RowId> saved = readId_;
    readId_ = view_[static_cast<std::size_t>(row)];
    try {
        fn();
    } catch (...) {
        readId_ = saved;
        throw;
    }
    readId_ = saved;
}

} // namespace vq

#include "platform/gui/dataset_model.h"

#include "platform/data/client_data_set.h"
#include "platform/data/log.h"
#include "platform/gui/db_grid.h"
#include "platform/gui/guard.h"
#include "platform/gui/qt_text.h"

namespace vq::gui {

DataSetModel::DataSetModel(DbGrid& grid) : QAbstractTableModel(&grid), grid_(grid) {}

int DataSetModel::rowCount(const QModelIndex& parent) const {
    const ClientDataSet* ds = dataSet();
    if (parent.isValid() || !active() || !ds)
        return 0;
    return ds->RecordCount() + (ds->State() == DataSetState::Insert ? 1 : 0);
}

int DataSetModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(grid_.Columns().size());
}

vq::Field* DataSetModel::field(int column) const {
    const ClientDataSet* ds = dataSet();
    if (!ds || !active() || column < 0 || column >= columnCount())
        return nullptr;
    return ds->FindField(grid_.Columns()[static_cast<std::size_t>(column)].FieldName);
}

std::string DataSetModel::cellText(int row, int column) const {
    vq::Field* f = field(column);
    ClientDataSet* ds = dataSet();
    if (!f || !ds || row < 0 || row >= rowCount())
        return {};
    std::string text;
    ds->withRowAt(row, [&] { text = f->DisplayText(); });
    return text;
}

QVariant DataSetModel::data(const QModelIndex& index, int role) const {
    vq::Field* f = field(index.column());
    if (!f || !index.isValid())
        return {};
    try {
        switch (role) {
        case Qt::DisplayRole:
            return qs(cellText(index.row(), index.column()));
        case Qt::EditRole: {
            std::string text;
            dataSet()->withRowAt(index.row(), [&] { text = f->Text(); });
            return qs(text);
        }
        case Qt::TextAlignmentRole: {
            const FieldType t = f->DataType();
            const bool numeric = t == FieldType::Integer || t == FieldType::SmallInt || t == FieldType::Float;
            return QVariant::fromValue(Qt::Alignment(numeric ? Qt::AlignRight : Qt::AlignLeft) |
                                       Qt::AlignVCenter);
        }
        default:
            return {};
        }
    } catch (const std::exception& e) {
        // Painting must go on; a failing get-text handler is logged, not shown.
        log::error("gui: grid " + grid_.Name() + ": " + e.what());
        return {};
    }
}

bool DataSetModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    vq::Field* f = field(index.column());
    ClientDataSet* ds = dataSet();
    if (role != Qt::EditRole || !f || !ds)
        return false;
    try {
        if (index.row() != ds->RecNo() - 1)
            return false; // only the current row takes writes
        if (!ds->editing())
            ds->Edit();
        f->SetText(ss(value.toString()));
        return true;
    } catch (...) {
        if (captureErrors && !*captureErrors)
            *captureErrors = std::current_exception();
        else
            reportException(std::current_exception(), "grade");
        return false;
    }
}

Qt::ItemFlags DataSetModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    if (index.isValid() && grid_.canEditColumn(index.column()))
        f |= Qt::ItemIsEditable;
    return f;
}

QVariant DataSetModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return {};
    const GridColumn& c = grid_.Columns()[static_cast<std::size_t>(section)];
    if (!c.Title.empty())
        return qs(c.Title);
    vq::Field* f = field(section);
    return qs(f ? f->DisplayLabel() : c.FieldName);
}

void DataSetModel::reset() {
    beginResetModel();
    endResetModel();
    rowsShown_ = rowCount();
    grid_.modelReset();
}

void DataSetModel::refresh() {
    if (rowCount() != rowsShown_) {
        reset();
        return;
    }
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    grid_.syncCurrent();
}

void DataSetModel::activeChanged() {
    grid_.datasetOpened();
    reset();
}

void DataSetModel::editingChanged() {
    // An insert adds a row and its cancel takes it away; otherwise the rows stay and only repaint.
    if (rowCount() != rowsShown_) {
        reset();
        return;
    }
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

void DataSetModel::dataSetChanged() {
    reset();
}

void DataSetModel::dataSetScrolled() {
    grid_.syncCurrent();
}

void DataSetModel::recordChanged(vq::Field*) {
    const ClientDataSet* ds = dataSet();
    if (!ds || !active() || ds->RecNo() <= 0)
        return;
    const int row = ds->RecNo() - 1;
    if (row < rowCount())
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

void DataSetModel::updateData() {
    grid_.commitEditor();
}

} // namespace vq::gui

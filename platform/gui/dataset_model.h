#pragma once
// A table model over a dataset for DbGrid: one row per visible row (the row being inserted too), one
// column per grid column. It follows the dataset through its DataSource link.

#include "platform/data/data_source.h"

#include <QAbstractTableModel>
#include <exception>
#include <string>
#include <vector>

namespace vq::gui {

class DbGrid;

struct GridColumn {
    enum class ButtonStyle { Auto, Ellipsis };

    std::string FieldName;
    std::string Title; // empty: the field's DisplayLabel
    int Width = 0;     // characters; 0: the field's DisplayWidth
    bool ReadOnly = false;
    bool Visible = true;
    std::vector<std::string> PickList;
    ButtonStyle Button = ButtonStyle::Auto;
};

class DataSetModel : public QAbstractTableModel, public DataLink {
public:
    explicit DataSetModel(DbGrid& grid);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    vq::Field* field(int column) const;              // nullptr for an unknown field or a closed dataset
    std::string cellText(int row, int column) const; // the field's display text at that row
    // While set, a failing write is kept here instead of being shown (for writes our code asked for).
    std::exception_ptr* captureErrors = nullptr;
    void reset();   // rows and columns from scratch
    void refresh(); // a reset when the row count changed, else a repaint of every row

    void activeChanged() override;
    void editingChanged() override;
    void dataSetChanged() override;
    void dataSetScrolled() override;
    void recordChanged(vq::Field* field) override;
    void updateData() override;

private:
    DbGrid& grid_;
    int rowsShown_ = 0;
};

} // namespace vq::gui

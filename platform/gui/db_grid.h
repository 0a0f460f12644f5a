#pragma once
// Data grid: a QTableView over a dataset. Columns name their field, title, width, pick list, ellipsis
// button and read-only flag. Moving to another row moves the dataset (its implicit post may refuse:
// the cell stays); moving to another column runs OnColExit (which may refuse by raising) and
// OnColEnter. Typing into a cell first puts the dataset in edit. The cell editor's text is written
// when it closes, or when the dataset asks before a post.
//
// Keys, as users of such grids expect: Insert inserts, Ctrl+Delete deletes after a confirmation, Down
// on the last row appends, Esc cancels the row's pending edit or insert (a cell editor holding typed text
// first only drops that text), whether the key reaches the grid or its open cell editor. OnKeyDown/
// OnKeyPress see them first (also while a cell editor is open) and may drop them.

#include "platform/gui/control.h"
#include "platform/gui/dataset_model.h"

#include <QPainter>
#include <QTableView>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vq::gui {

class GridDelegate;

class DbGrid : public ControlOf<QTableView> {
public:
    explicit DbGrid(QWidget* parent = nullptr);

    NotifyEvent OnColEnter;
    NotifyEvent OnColExit;
    NotifyEvent OnEditButtonClick;
    std::function<void(GridColumn& column)> OnCellClick;
    // Runs for every cell painted, with the dataset's field reads redirected to that cell's row.
    std::function<void(QPainter& canvas, const QRect& rect, int dataCol, GridColumn& column, bool selected)>
        OnDrawColumnCell;
    bool DefaultDrawing = true;

    vq::DataSource* DataSource() const { return model_->dataSource(); }
    void SetDataSource(vq::DataSource* source) { model_->setDataSource(source); }
    ClientDataSet* DataSet() const { return model_->dataSet(); }

    // Columns; without any set, every visible field of the dataset is shown.
    const std::vector<GridColumn>& Columns() const { return columns_; }
    void SetColumns(std::vector<GridColumn> columns);
    GridColumn& Column(int index);
    int ColumnIndex(std::string_view fieldName) const; // -1 when absent
    void columnsChanged();                             // after changing a column through Column()

    int SelectedIndex() const { return selected_; }
    void SetSelectedIndex(int index); // no OnColExit/OnColEnter
    vq::Field* SelectedField() const { return model_->field(selected_); }
    void SetSelectedField(std::string_view fieldName);

    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool on);
    bool Editing() const { return editing_; } // cells can be edited in place
    void SetEditing(bool on);
    bool EditorMode() const { return state() == QAbstractItemView::EditingState; }

    // For code and the driver, as the user would do it; exceptions reach the caller.
    void MoveTo(int row, int column); // OnColExit, dataset move, OnColEnter
    void SetCellText(int row, std::string_view fieldName, std::string_view text);
    void EditButtonClick();
    void CellClick(int column);

    std::string CellText(int row, int column) const { return model_->cellText(row, column); }
    DataSetModel& dataModel() const { return *model_; }

    // Used by the model and the delegate.
    bool canEditColumn(int column) const;  // a cell editor may open (writable, or for its ellipsis)
    bool columnWritable(int column) const; // typing may change the field
    void syncCurrent();
    void datasetOpened();
    void modelReset(); // the header lost its sizes: apply the columns' widths again
    void commitEditor();
    void editorKeys(QWidget& editor);
    bool escapeKey();          // Esc, from the grid or its cell editor; false when it does nothing here
    bool escapeWanted() const; // an open cell editor or a row being edited: Esc is the grid's

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    bool event(QEvent* e) override;
    void handleKey(QKeyEvent* e) override;

private:
    void changeCell(int row, int column, int previousColumn); // throws; restores the cell on failure
    void applyColumnWidths();
    bool gridKey(QKeyEvent* e);

    DataSetModel* model_;
    GridDelegate* delegate_;
    std::vector<GridColumn> columns_;
    std::vector<int> userWidths_; // pixels, per column, once the user resized it
    int applyingWidths_ = 0;
    bool customColumns_ = false;
    int selected_ = 0;
    bool readOnly_ = false;
    bool editing_ = true;
    int syncing_ = 0;
    bool forwardingKey_ = false;
};

} // namespace vq::gui

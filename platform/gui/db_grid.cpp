#include "platform/gui/db_grid.h"

#include "platform/data/client_data_set.h"
#include "platform/data/error.h"
#include "platform/gui/count_scope.h"
#include "platform/gui/grid_delegate.h"
#include "platform/gui/guard.h"
#include "platform/gui/qt_text.h"
#include "platform/gui/seams.h"

#include <QApplication>
#include <QHeaderView>

namespace vq::gui {
namespace {

// Runs the grid's key slots for keys typed into a cell editor (not for the key that opened it, which
// the grid has already seen).
class EditorKeyFilter : public QObject {
public:
    EditorKeyFilter(DbGrid& grid, QWidget& editor, const bool& forwarding)
        : QObject(&editor), grid_(grid), forwarding_(forwarding) {}

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::ShortcutOverride && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape) {
            e->accept(); // the editor's Esc, not a window shortcut's
            return true;
        }
        if (e->type() != QEvent::KeyPress || forwarding_ || resending_)
            return false;
        auto* key = static_cast<QKeyEvent*>(e);
        if (key->key() == Qt::Key_Return && (key->modifiers() & Qt::ControlModifier)) {
            guarded("grade", [this] { grid_.EditButtonClick(); });
            return true;
        }
        std::unique_ptr<QKeyEvent> replacement;
        QKeyEvent* pass = grid_.filterKey(key, replacement);
        if (!pass)
            return true;
        // The grid's Esc, not only the delegate's (which would close the editor and leave the row).
        if (pass->key() == Qt::Key_Escape && grid_.escapeKey())
            return true;
        if (pass == key)
            return false;
        resending_ = true;
        QApplication::sendEvent(watched, pass);
        resending_ = false;
        return true;
    }

private:
    DbGrid& grid_;
    const bool& forwarding_;
    bool resending_ = false;
};

} // namespace

DbGrid::DbGrid(QWidget* parent)
    : ControlOf<QTableView>(parent), model_(new DataSetModel(*this)), delegate_(new GridDelegate(*this)) {
    setModel(model_);
    setItemDelegate(delegate_);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(AnyKeyPressed | EditKeyPressed | DoubleClicked);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column, int, int size) {
        if (applyingWidths_ || column < 0 || column >= static_cast<int>(columns_.size()))
            return;
        userWidths_.resize(columns_.size(), 0);
        userWidths_[static_cast<std::size_t>(column)] = size;
    });
    connect(this, &QAbstractItemView::clicked, this,
            [this](const QModelIndex& index) { guarded("grade", [&] { CellClick(index.column()); }); });
}

void DbGrid::SetColumns(std::vector<GridColumn> columns) {
    columns_ = std::move(columns);
    customColumns_ = true;
    columnsChanged();
}

GridColumn& DbGrid::Column(int index) {
    if (index < 0 || index >= static_cast<int>(columns_.size()))
        throw Error("Coluna " + std::to_string(index) + " inexistente na grade " + Name() + ".");
    return columns_[static_cast<std::size_t>(index)];
}

int DbGrid::ColumnIndex(std::string_view fieldName) const {
    for (std::size_t i = 0; i < columns_.size(); ++i)
        if (qs(columns_[i].FieldName).compare(qs(fieldName), Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    return -1;
}

void DbGrid::columnsChanged() {
    userWidths_.clear();
    model_->reset();
}

void DbGrid::modelReset() {
    applyColumnWidths();
    syncCurrent();
}

void DbGrid::applyColumnWidths() {
    CountScope s(applyingWidths_);
    const int charWidth = fontMetrics().averageCharWidth();
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        const GridColumn& c = columns_[i];
        vq::Field* f = model_->field(static_cast<int>(i));
        const int chars = c.Width > 0 ? c.Width : (f ? f->DisplayWidth() : 10);
        const int user = i < userWidths_.size() ? userWidths_[i] : 0;
        setColumnWidth(static_cast<int>(i), user > 0 ? user : charWidth * std::min(chars, 60) + 10);
        setColumnHidden(static_cast<int>(i), !c.Visible);
    }
}

void DbGrid::datasetOpened() {
    if (customColumns_)
        return;
    columns_.clear();
    userWidths_.clear();
    if (ClientDataSet* ds = DataSet(); ds && model_->active())
        for (int i = 0; i < ds->FieldCount(); ++i)
            if (const vq::Field& f = ds->Fields(i); f.Visible()) {
                GridColumn c;
                c.FieldName = f.FieldName();
                columns_.push_back(std::move(c));
            }
}

bool DbGrid::columnWritable(int column) const {
    const ClientDataSet* ds = DataSet();
    const vq::Field* f = model_->field(column);
    return editing_ && !readOnly_ && f && ds && ds->CanModify() && !f->ReadOnly() &&
           !columns_[static_cast<std::size_t>(column)].ReadOnly;
}

bool DbGrid::canEditColumn(int column) const {
    if (column < 0 || column >= static_cast<int>(columns_.size()) || !model_->field(column))
        return false;
    return columnWritable(column) || (editing_ && columns_[static_cast<std::size_t>(column)].Button ==
                                                      GridColumn::ButtonStyle::Ellipsis);
}

void DbGrid::SetReadOnly(bool on) {
    readOnly_ = on;
    if (on && EditorMode())
        closePersistentEditor(currentIndex());
}

void DbGrid::SetEditing(bool on) {
    editing_ = on;
    setEditTriggers(on ? (AnyKeyPressed | EditKeyPressed | DoubleClicked) : NoEditTriggers);
}

void DbGrid::SetSelectedIndex(int index) {
    if (index < 0 || index >= static_cast<int>(columns_.size()))
        return;
    selected_ = index;
    syncCurrent();
}

void DbGrid::SetSelectedField(std::string_view fieldName) {
    const int index = ColumnIndex(fieldName);
    if (index < 0)
        throw Error("Campo " + std::string(fieldName) + " não está na grade " + Name() + ".");
    SetSelectedIndex(index);
}

void DbGrid::syncCurrent() {
    ClientDataSet* ds = DataSet();
    if (!ds || !model_->active() || model_->rowCount() == 0 || model_->columnCount() == 0)
        return;
    const int row = ds->RecNo() - 1;
    if (row < 0 || row >= model_->rowCount())
        return;
    const int column = std::clamp(selected_, 0, model_->columnCount() - 1);
    const QModelIndex index = model_->index(row, column);
    if (index == currentIndex())
        return;
    CountScope s(syncing_);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    scrollTo(index);
}

void DbGrid::changeCell(int row, int column, int previousColumn) {
    ClientDataSet* ds = DataSet();
    const int oldSelected = selected_;
    auto restore = [&] {
        selected_ = oldSelected;
        syncCurrent();
    };
    if (column != previousColumn && OnColExit) {
        try {
            OnColExit();
        } catch (...) {
            restore();
            throw;
        }
    }
    selected_ = column;
    if (ds && model_->active() && row != ds->RecNo() - 1) {
        try {
            ds->MoveBy(row - (ds->RecNo() - 1));
        } catch (...) {
            restore();
            throw;
        }
    }
    syncCurrent();
    if (column != previousColumn && OnColEnter)
        OnColEnter();
}

void DbGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous); // writes and closes an open cell editor
    if (syncing_ || !current.isValid())
        return;
    guarded("grade", [&] { changeCell(current.row(), current.column(), selected_); });
}

void DbGrid::MoveTo(int row, int column) {
    if (row < 0 || row >= model_->rowCount() || column < 0 || column >= model_->columnCount())
        throw Error("Célula (" + std::to_string(row) + ", " + std::to_string(column) + ") fora da grade " +
                    Name() + ".");
    changeCell(row, column, selected_);
}

void DbGrid::SetCellText(int row, std::string_view fieldName, std::string_view text) {
    const int column = ColumnIndex(fieldName);
    if (column < 0)
        throw Error("Campo " + std::string(fieldName) + " não está na grade " + Name() + ".");
    MoveTo(row, column);
    if (!columnWritable(column))
        throw Error("A coluna " + std::string(fieldName) + " da grade " + Name() + " não pode ser editada.");
    ClientDataSet* ds = DataSet();
    if (!ds->editing())
        ds->Edit();
    model_->field(column)->SetText(text);
}

void DbGrid::EditButtonClick() {
    if (OnEditButtonClick)
        OnEditButtonClick();
}

void DbGrid::CellClick(int column) {
    if (OnCellClick && column >= 0 && column < static_cast<int>(columns_.size()))
        OnCellClick(columns_[static_cast<std::size_t>(column)]);
}

bool DbGrid::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    const bool opens = state() != EditingState && index.isValid() && (editTriggers() & trigger) &&
                       columnWritable(index.column());
    if (!opens)
        return QTableView::edit(index, trigger, event);
    if (trigger == AnyKeyPressed) {
        const auto* key = static_cast<const QKeyEvent*>(event);
        if (!key || key->text().isEmpty() || !key->text().at(0).isPrint())
            return QTableView::edit(index, trigger, event);
    }
    ClientDataSet* ds = DataSet();
    bool editing = false;
    guarded("grade", [&] {
        if (!ds->editing())
            ds->Edit(); // an empty dataset appends instead
        editing = ds->editing();
    });
    if (!editing)
        return false;
    return QTableView::edit(model_->index(ds->RecNo() - 1, index.column()), trigger, event);
}

bool DbGrid::escapeWanted() const {
    const ClientDataSet* ds = DataSet();
    return EditorMode() || (ds && model_->active() && ds->editing());
}

// A window shortcut on Esc (a form's close or cancel button) would take the key before the grid sees it.
bool DbGrid::event(QEvent* e) {
    if (e->type() == QEvent::ShortcutOverride && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape &&
        escapeWanted()) {
        e->accept();
        return true;
    }
    return ControlOf<QTableView>::event(e);
}

// Esc as users of such grids expect it: an open cell editor holding typed text drops that text and
// closes, the row keeping its state; otherwise the editor closes and the row's pending edit or insert is
// cancelled (an appended row goes away). Esc reaching the grid itself while its editor is open (the focus
// elsewhere) acts the same as in the editor.
bool DbGrid::escapeKey() {
    bool closed = false;
    if (QWidget* editor = delegate_->currentEditor(); EditorMode() && editor) {
        const bool typed = delegate_->editorChanged(*editor, currentIndex());
        closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
        if (typed)
            return true;
        closed = true;
    }
    ClientDataSet* ds = DataSet();
    if (!ds || !model_->active() || !ds->editing())
        return closed;
    guarded("grade", [&] { ds->Cancel(); });
    return true;
}

bool DbGrid::gridKey(QKeyEvent* e) {
    ClientDataSet* ds = DataSet();
    if (e->key() == Qt::Key_Escape && escapeKey())
        return true;
    // A key that reaches the grid while its cell editor is open (the focus elsewhere) acts as it does in
    // the editor: Ctrl+Enter presses the edit button of the cell.
    if (EditorMode() && e->key() == Qt::Key_Return && (e->modifiers() & Qt::ControlModifier)) {
        guarded("grade", [this] { EditButtonClick(); });
        return true;
    }
    if (EditorMode() || !ds || !model_->active())
        return false;
    const bool modifiable = editing_ && !readOnly_ && ds->CanModify();
    const auto mods = e->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && mods == Qt::ControlModifier) {
        // Ctrl+Enter clicks the ellipsis of the current column, as it does with a cell editor open.
        const int column = currentIndex().isValid() ? currentIndex().column() : selected_;
        if (editing_ && column >= 0 && column < static_cast<int>(columns_.size()) &&
            columns_[static_cast<std::size_t>(column)].Button == GridColumn::ButtonStyle::Ellipsis) {
            guarded("grade", [&] { EditButtonClick(); });
            return true;
        }
    }
    if (e->key() == Qt::Key_Insert && mods == Qt::NoModifier && modifiable) {
        guarded("grade", [&] { ds->Insert(); });
        return true;
    }
    if (e->key() == Qt::Key_Delete && mods == Qt::ControlModifier && modifiable && !ds->IsEmpty()) {
        guarded("grade", [&] {
            if (confirm("Excluir registro?"))
                ds->Delete();
        });
        return true;
    }
    // Ctrl+Enter presses the ellipsis of the current cell, as it does while the cell is being edited.
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && mods == Qt::ControlModifier &&
        selected_ >= 0 && selected_ < static_cast<int>(columns_.size()) &&
        columns_[static_cast<std::size_t>(selected_)].Button == GridColumn::ButtonStyle::Ellipsis) {
        guarded("grade", [this] { EditButtonClick(); });
        return true;
    }
    if (e->key() == Qt::Key_Down && mods == Qt::NoModifier && modifiable &&
        ds->RecNo() >= model_->rowCount()) {
        if (ds->State() != DataSetState::Insert || ds->Modified())
            guarded("grade", [&] { ds->Append(); });
        return true;
    }
    return false;
}

void DbGrid::handleKey(QKeyEvent* e) {
    if (gridKey(e))
        return;
    forwardingKey_ = true;
    QTableView::keyPressEvent(e);
    forwardingKey_ = false;
}

void DbGrid::editorKeys(QWidget& editor) {
    editor.installEventFilter(new EditorKeyFilter(*this, editor, forwardingKey_));
}

void DbGrid::commitEditor() {
    QWidget* editor = delegate_->currentEditor();
    if (!EditorMode() || !editor)
        return;
    std::exception_ptr error;
    model_->captureErrors = &error;
    commitData(editor);
    model_->captureErrors = nullptr;
    if (error)
        std::rethrow_exception(error);
}

} // namespace vq::gui

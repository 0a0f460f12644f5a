#pragma once
// Cell editors and cell painting of DbGrid: a line edit (with an ellipsis button for such columns) or
// an editable combo for pick lists; owner drawing through the grid's OnDrawColumnCell.

#include <QPointer>
#include <QStyledItemDelegate>

namespace vq::gui {

class DbGrid;

class GridDelegate : public QStyledItemDelegate {
public:
    explicit GridDelegate(DbGrid& grid);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

    QWidget* currentEditor() const { return editor_.data(); }
    // The editor holds another text than the cell's field: the user typed in it.
    bool editorChanged(const QWidget& editor, const QModelIndex& index) const;

private:
    DbGrid& grid_;
    mutable QPointer<QWidget> editor_;
};

} // namespace vq::gui

#include "platform/gui/grid_delegate.h"

#include "platform/data/client_data_set.h"
#include "platform/data/log.h"
#include "platform/gui/db_grid.h"
#include "platform/gui/guard.h"
#include "platform/gui/qt_text.h"

#include <QComboBox>
#include <QLineEdit>
#include <QResizeEvent>
#include <QToolButton>

namespace vq::gui {
namespace {

// A cell editor with the ellipsis button at its right end.
class EllipsisEdit : public QLineEdit {
public:
    EllipsisEdit(QWidget* parent, DbGrid& grid) : QLineEdit(parent), button_(new QToolButton(this)) {
        button_->setText(QStringLiteral("…"));
        button_->setFocusPolicy(Qt::NoFocus);
        button_->setCursor(Qt::ArrowCursor);
        QObject::connect(button_, &QToolButton::clicked, this,
                         [&grid] { guarded("grade", [&] { grid.EditButtonClick(); }); });
    }

protected:
    void resizeEvent(QResizeEvent* e) override {
        QLineEdit::resizeEvent(e);
        const int w = height();
        button_->setGeometry(width() - w, 0, w, height());
        setTextMargins(0, 0, w, 0);
    }

private:
    QToolButton* button_;
};

QString editorText(const QWidget* editor) {
    if (auto* combo = qobject_cast<const QComboBox*>(editor))
        return combo->currentText();
    if (auto* line = qobject_cast<const QLineEdit*>(editor))
        return line->text();
    return {};
}

} // namespace

GridDelegate::GridDelegate(DbGrid& grid) : QStyledItemDelegate(&grid), grid_(grid) {}

QWidget* GridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                    const QModelIndex& index) const {
    const GridColumn& column = grid_.Columns()[static_cast<std::size_t>(index.column())];
    vq::Field* f = grid_.dataModel().field(index.column());
    const bool writable = grid_.columnWritable(index.column());
    QWidget* editor = nullptr;
    if (!column.PickList.empty() && writable) {
        auto* combo = new QComboBox(parent);
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        for (const auto& item : column.PickList)
            combo->addItem(qs(item));
        editor = combo;
    } else {
        QLineEdit* line = column.Button == GridColumn::ButtonStyle::Ellipsis ? new EllipsisEdit(parent, grid_)
                                                                             : new QLineEdit(parent);
        line->setReadOnly(!writable);
        line->setFrame(false);
        if (f && f->DataType() == FieldType::String && f->Size() > 0)
            line->setMaxLength(f->Size());
        editor = line;
    }
    editor_ = editor;
    return editor;
}

void GridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    // Installed here, after the view's own filter, so the grid's key slots see keys first.
    if (!editor->property("vqKeys").toBool()) {
        editor->setProperty("vqKeys", true);
        grid_.editorKeys(*editor);
    }
    const QString text = index.data(Qt::EditRole).toString();
    if (auto* combo = qobject_cast<QComboBox*>(editor))
        combo->setEditText(text);
    else if (auto* line = qobject_cast<QLineEdit*>(editor))
        line->setText(text);
}

bool GridDelegate::editorChanged(const QWidget& editor, const QModelIndex& index) const {
    return editorText(&editor) != index.data(Qt::EditRole).toString();
}

void GridDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
    if (!grid_.columnWritable(index.column()))
        return;
    const QString text = editorText(editor);
    if (text == index.data(Qt::EditRole).toString())
        return; // untouched: no write, the row stays unmodified
    model->setData(index, text, Qt::EditRole);
}

void GridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
    if (!grid_.OnDrawColumnCell || grid_.DefaultDrawing)
        QStyledItemDelegate::paint(painter, option, index);
    ClientDataSet* ds = grid_.DataSet();
    if (!grid_.OnDrawColumnCell || !ds)
        return;
    painter->save();
    try {
        GridColumn& column = grid_.Column(index.column());
        ds->withRowAt(index.row(), [&] {
            grid_.OnDrawColumnCell(*painter, option.rect, index.column(), column,
                                   (option.state & QStyle::State_Selected) != 0);
        });
    } catch (const std::exception& e) {
        // No dialog from inside a paint: it would paint again behind it.
        log::error("gui: drawing grid " + grid_.Name() + ": " + e.what());
    } catch (...) {
        log::error("gui: drawing grid " + grid_.Name() + " failed");
    }
    painter->restore();
}

} // namespace vq::gui

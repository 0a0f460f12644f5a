#include "framework/services/consiste_controls.h"

#include "platform/gui/db_grid.h"
#include "platform/gui/form_base.h"
#include "platform/gui/qt_text.h"
#include "platform/gui/ui_locks.h"

namespace vq::Consiste {

void SetChildEnabled(QWidget& container, bool enabled) {
    gui::SetChildEnabled(container, enabled);
}

bool SelectNextControl(gui::FormBase& form, bool forward, bool checkTabStop) {
    return form.SelectNext(form.ActiveControl(), forward, checkTabStop);
}

int IndiceCol(const gui::DbGrid& grid, std::string_view column) {
    return grid.ColumnIndex(column);
}

void GridText(QPainter& painter, const QRect& cell, std::string_view text) {
    constexpr int kInset = 3;
    painter.save();
    painter.setClipRect(cell);
    const QRect inner = cell.adjusted(kInset, kInset, 0, 0);
    painter.drawText(inner, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, gui::qs(text));
    painter.restore();
}

void InsereImagem(QPainter& painter, const QRect& cell, const QPixmap& image, const QColor& background) {
    painter.save();
    painter.setClipRect(cell);
    painter.fillRect(cell, background);
    if (!image.isNull()) {
        QPixmap shown = image;
        if (image.width() > cell.width() || image.height() > cell.height())
            shown = image.scaled(cell.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
        const QPoint at(cell.left() + (cell.width() - shown.width()) / 2,
                        cell.top() + (cell.height() - shown.height()) / 2);
        painter.drawPixmap(at, shown);
    }
    painter.restore();
}

QColor colorFromValue(int value) {
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

} // namespace vq::Consiste

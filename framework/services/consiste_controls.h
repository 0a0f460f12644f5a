#pragma once
// Consiste's helpers for controls and grid cells.

#include <QColor>
#include <QPainter>
#include <QPixmap>
#include <QRect>
#include <QWidget>
#include <string_view>

namespace vq::gui {
class DbGrid;
class FormBase;
} // namespace vq::gui

namespace vq::Consiste {

// Enables or disables every control inside `container` (not the container itself).
void SetChildEnabled(QWidget& container, bool enabled);

// Moves the focus from the form's active control to the next (or previous) one that can take it; exit
// and enter handlers run now and their exceptions reach the caller. False when there is none.
bool SelectNextControl(gui::FormBase& form, bool forward = true, bool checkTabStop = true);

// Position of the grid column showing `column` (a field name, any case); -1 when the grid has none.
int IndiceCol(const gui::DbGrid& grid, std::string_view column);

// Draws a cell's text the classic way: 3 pixels from the cell's left and top edges, clipped to the cell.
void GridText(QPainter& painter, const QRect& cell, std::string_view text);

// Fills a cell with `background` and draws `image` centred in it (scaled down when it does not fit).
void InsereImagem(QPainter& painter, const QRect& cell, const QPixmap& image, const QColor& background);

// The colour value of the classic 0x00BBGGRR form (e.g. 32896 = 0x008080, olive), as the callers give it.
QColor colorFromValue(int value);

} // namespace vq::Consiste

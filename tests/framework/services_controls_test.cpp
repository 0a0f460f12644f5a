#include "framework/services/consiste_controls.h"
#include "platform/gui/db_grid.h"

#include <QImage>
#include <gtest/gtest.h>

namespace vq {
namespace {

TEST(ConsisteControlsTest, IndiceColFindsTheColumnOfAField) {
    gui::DbGrid grid;
    std::vector<gui::GridColumn> columns(2);
    columns[0].FieldName = "CDREDUCONT";
    columns[1].FieldName = "IDPRIORBPREF";
    grid.SetColumns(columns);
    EXPECT_EQ(Consiste::IndiceCol(grid, "idpriorbpref"), 1);
    EXPECT_EQ(Consiste::IndiceCol(grid, "CDBANCO"), -1);
}

TEST(ConsisteControlsTest, InsereImagemFillsTheCellAndCentresTheImage) {
    QImage canvas(40, 20, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPixmap check(4, 4);
    check.fill(Qt::red);
    QPixmap huge(100, 100);
    huge.fill(Qt::blue);
    {
        QPainter painter(&canvas);
        Consiste::InsereImagem(painter, QRect(0, 0, 20, 20), check, Consiste::colorFromValue(32896));
        Consiste::InsereImagem(painter, QRect(20, 0, 10, 10), huge, Qt::black); // scaled into its cell
    }
    EXPECT_EQ(QColor(canvas.pixel(0, 0)), QColor(128, 128, 0)); // 32896 = 0x008080: olive in the BGR order
    EXPECT_EQ(QColor(canvas.pixel(10, 10)), QColor(Qt::red));
    EXPECT_EQ(QColor(canvas.pixel(7, 7)), QColor(128, 128, 0));
    EXPECT_EQ(QColor(canvas.pixel(25, 5)), QColor(Qt::blue));
    EXPECT_EQ(QColor(canvas.pixel(25, 15)), QColor(Qt::white)); // nothing drawn outside the cell
    EXPECT_EQ(QColor(canvas.pixel(35, 5)), QColor(Qt::white));
}

} // namespace
} // namespace vq

// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintSheet.h"
#include "PictureCache.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

class PrintSheetTest : public ::testing::Test {
protected:
    // The sheet drawn into an image filled with blue first.
    QImage drawn(QSize size, bool scaled) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::blue);
        QPainter painter(&image);
        if (scaled)
            sheet.paintScaled(painter, QRectF(QPointF(), size), page);
        else
            sheet.paint(painter, page);
        return image;
    }
    // A point on the line through the middle of a row, between two columns.
    static QPoint onRowLine(int row) {
        return PrintSheet::gridOrigin() +
               QPoint(GridPainter::columnCentre(4) + GridPainter::PitchX / 4,
                      GridPainter::rowCentre(row));
    }

    PictureCache cache;
    PrintSheet sheet{cache};
    PrintPage page;
};

TEST_F(PrintSheetTest, TheCoordinateLinesShowOnlyWhenAskedFor) {
    const QColor line(0, 160, 0);
    EXPECT_NE(drawn(PrintSheet::size(), false).pixelColor(onRowLine(5)), line);
    page.coordinateLines = true;
    const QImage image = drawn(PrintSheet::size(), false);
    EXPECT_EQ(image.pixelColor(onRowLine(5)), line);
    EXPECT_EQ(image.pixelColor(onRowLine(12)), line);
    const QPoint column =
        PrintSheet::gridOrigin() + QPoint(GridPainter::columnCentre(10), 3 * GridPainter::PitchY);
    EXPECT_EQ(image.pixelColor(column), line);
}

TEST_F(PrintSheetTest, ScaledToAWidePaperItKeepsItsProportions) {
    const QSize sheetSize = PrintSheet::size();
    const QSize paper(sheetSize.height() * 4, sheetSize.height() * 2); // twice as tall as the sheet
    const QImage image = drawn(paper, true);
    const int width = sheetSize.width() * 2, left = (paper.width() - width) / 2;
    EXPECT_EQ(image.pixelColor(left - 4, paper.height() / 2), QColor(Qt::blue));
    EXPECT_EQ(image.pixelColor(left + 4, paper.height() / 2), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(left + width - 4, paper.height() - 4), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(left + width + 4, paper.height() / 2), QColor(Qt::blue));
}

} // namespace

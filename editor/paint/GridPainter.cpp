// SPDX-License-Identifier: GPL-3.0-or-later
#include "GridPainter.h"

#include "PictureCache.h"

#include <QPainter>

QSize GridPainter::size() {
    return {Left + PitchX * LadderMap::Columns + 8, Top + PitchY * LadderMap::Rows + 4};
}

QRect GridPainter::pictureRect(int cell) {
    return {Left + PitchX * LadderMap::columnOf(cell), Top + PitchY * LadderMap::rowOf(cell),
            PitchX, PictureHeight};
}

QRect GridPainter::labelRect(int cell) {
    return pictureRect(cell).translated(0, LabelTop).adjusted(0, 0, 0, LabelHeight - PictureHeight);
}

void GridPainter::drawPicture(QPainter& painter, const GridScene& scene, int cell) const {
    const QPixmap& pixmap = pictures_.get(scene.cells[cell].picture);
    if (!pixmap.isNull()) painter.drawPixmap(pictureRect(cell), pixmap);
    if (cell == scene.borderedCell) {
        painter.setPen(QPen(Qt::black, 2));
        painter.drawRect(pictureRect(cell).adjusted(1, 1, -1, -1));
    }
}

void GridPainter::drawLabel(QPainter& painter, const CellView& view, int cell) {
    const QRect rect = labelRect(cell);
    if (view.labelOpaque) painter.fillRect(rect, Qt::white);
    if (view.labelText.isEmpty()) return;
    painter.setPen(QColor::fromRgb(view.labelColour));
    painter.drawText(rect, Qt::AlignCenter | Qt::TextSingleLine, view.labelText);
}

void GridPainter::drawGuides(QPainter& painter) {
    // One device pixel at every scale: a scaled pen of one pixel is drawn
    // one or two pixels wide by turns.
    QPen guide(Qt::darkGray, 1, Qt::DotLine);
    guide.setCosmetic(true);
    painter.setPen(guide);
    for (int column = 0; column < LadderMap::Columns; ++column)
        painter.drawLine(columnCentre(column), 0, columnCentre(column), size().height());
}

void GridPainter::drawRowNumbers(QPainter& painter, const GridScene& scene) {
    painter.setPen(QPen(Qt::black, 2));
    painter.drawLine(Left, 0, Left, size().height());
    for (int row = 0; row < LadderMap::Rows; ++row) {
        const QRect rect(0, Top + PitchY * row + 8, RowNumberWidth, 18);
        const Colour background =
            scene.rowBackgrounds ? (*scene.rowBackgrounds)[row] : PageView::White;
        painter.fillRect(rect, QColor::fromRgb(background));
        painter.drawText(rect, Qt::AlignCenter, scene.rowNumbers[row]);
    }
}

void GridPainter::drawCoordinateLines(QPainter& painter) {
    painter.setPen(QPen(QColor(0, 160, 0), 1));
    const QSize extent = size();
    for (int column = 0; column < LadderMap::Columns; ++column)
        painter.drawLine(columnCentre(column), Top, columnCentre(column), extent.height());
    for (int row = 0; row < LadderMap::Rows; ++row)
        painter.drawLine(Left, rowCentre(row), extent.width(), rowCentre(row));
}

void GridPainter::paint(QPainter& painter, const GridScene& scene) const {
    painter.fillRect(QRect(QPoint(), size()), Qt::white);
    // Pixel sizes: the sheet is scaled as a whole onto the paper, fonts with it.
    QFont small = painter.font();
    small.setPixelSize(11);
    painter.setFont(small);
    for (int cell = 0; cell < PageView::Cells; ++cell)
        if (!scene.cells[cell].pictureInFront) drawPicture(painter, scene, cell);
    drawGuides(painter);
    for (int cell = 0; cell < PageView::Cells; ++cell)
        if (scene.cells[cell].pictureInFront) drawPicture(painter, scene, cell);
    for (int cell = 0; cell < PageView::Cells; ++cell)
        drawLabel(painter, scene.cells[cell], cell);
    drawRowNumbers(painter, scene);
    if (scene.coordinateLines) drawCoordinateLines(painter);
}

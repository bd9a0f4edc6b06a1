// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PageView.h"

#include <QRect>
#include <QSize>

class PictureCache;
class QPainter;

// What one drawing of the grid shows. The grid view draws the page on screen
// with its marks; the print window draws its copy of the page.
struct GridScene {
    const std::array<CellView, PageView::Cells>& cells;
    const std::array<QString, PageView::Rows>& rowNumbers;
    // Row-number backgrounds; none draws them all white.
    const std::array<Colour, PageView::Rows>* rowBackgrounds = nullptr;
    int borderedCell = PageView::NoCell; // the marked cell while its border blinks on
    bool coordinateLines = false;
};

// Draws the ladder grid: the cell pictures with their labels under them, the
// row numbers, the left rail and the dotted column guides through the column
// centres. Empty cells lie behind the guides, elements in front; an opaque
// label hides the guide and a transparent one lets it show, which draws the
// vertical connection to the row below. The coordinate lines go over all.
class GridPainter {
public:
    // Pixel geometry: one twip of the original layout is 1/15 pixel.
    static constexpr int Twips = 15;
    static constexpr int RowNumberWidth = 30;
    static constexpr int Left = RowNumberWidth + 8; // the left rail
    static constexpr int Top = 16;
    static constexpr int PitchX = 64;
    static constexpr int PitchY = 48;
    static constexpr int PictureHeight = 35;
    static constexpr int LabelTop = 32;
    static constexpr int LabelHeight = 17;

    static QSize size();
    static QRect pictureRect(int cell);
    static QRect labelRect(int cell);
    static int columnCentre(int column) { return Left + PitchX * column + PitchX / 2; }
    static int rowCentre(int row) { return Top + PitchY * row + PitchY / 2; }

    explicit GridPainter(PictureCache& pictures) : pictures_(pictures) {}

    // Draws the grid with its top left corner at the painter's origin.
    void paint(QPainter& painter, const GridScene& scene) const;

private:
    void drawPicture(QPainter& painter, const GridScene& scene, int cell) const;
    static void drawLabel(QPainter& painter, const CellView& view, int cell);
    static void drawGuides(QPainter& painter);
    static void drawRowNumbers(QPainter& painter, const GridScene& scene);
    static void drawCoordinateLines(QPainter& painter);

    PictureCache& pictures_;
};

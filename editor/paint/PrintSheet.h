// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "GridPainter.h"

#include <QRectF>
#include <QSize>

class PictureCache;
class QPainter;
struct PrintPage;

// The print window's whole client area: the project and page headings over
// the frame "PLC MAP" holding the grid, with the check's marks when the page
// carries findings. The print window on screen, the printer and obelc's PDF
// all draw it from here.
class PrintSheet {
public:
    static constexpr int Margin = 8;
    static constexpr int HeadingHeight = 24;
    static constexpr int FrameTitleHeight = 16;

    static QSize size();
    // Where the grid's top left corner lies on the sheet.
    static QPoint gridOrigin();

    explicit PrintSheet(PictureCache& pictures) : grid_(pictures) {}

    // Draws the sheet with its top left corner at the painter's origin.
    void paint(QPainter& painter, const PrintPage& page) const;
    // Draws it as large as fits into target, keeping its proportions,
    // centred across and at the top.
    void paintScaled(QPainter& painter, const QRectF& target, const PrintPage& page) const;

private:
    GridPainter grid_;
};

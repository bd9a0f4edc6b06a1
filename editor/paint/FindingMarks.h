// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Finding.h"

#include <QColor>
#include <QList>
#include <QRect>

#include <map>

class QPainter;

// How a cell with a finding of the program check is marked: a frame round
// its picture and a flag in its top right corner, red for an error, orange
// for a warning, drawn over whichever icon set the cell shows; the finding
// chosen in the list gets a heavier frame. On screen the pen is in device
// pixels, so the mark reads the same at every scale of the grid; on the
// print it is in the sheet's pixels and scales with the sheet.
class FindingMarks {
public:
    // The cells of a page with findings, true where one is an error: one
    // mark a cell, an error outweighing a warning.
    using Cells = std::map<int, bool>;
    static Cells onPage(const QList<Finding>& findings, int page);

    static QColor colour(bool error);
    // picture: the cell's picture as drawn.
    static void paint(QPainter& painter, const QRect& picture, bool error, bool chosen);
    // The marks of a page over a grid drawn at the painter's origin.
    static void paintOnSheet(QPainter& painter, const Cells& cells);

private:
    static void draw(QPainter& painter, const QRect& picture, bool error, int width, bool cosmetic);
};

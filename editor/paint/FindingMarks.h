// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QRect>

class QPainter;

// How a cell with a finding of the program check is marked: a frame round
// its picture and a flag in its top right corner, red for an error, orange
// for a warning, drawn over whichever icon set the cell shows; the finding
// chosen in the list gets a heavier frame. The pen is in device pixels, so
// the mark reads the same at every scale of the grid.
class FindingMarks {
public:
    static QColor colour(bool error);
    // picture: the cell's picture as drawn.
    static void paint(QPainter& painter, const QRect& picture, bool error, bool chosen);
};

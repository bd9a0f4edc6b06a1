// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TrendLog.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QRectF>
#include <QStringList>

#include <optional>

class QPainter;

// What one picture of the trend shows.
struct TrendPicture {
    const TrendLog* log = nullptr;
    QList<TrendTrace> traces;
    QStringList labels; // one a trace
    qint64 from = 0;    // the time span, ms since the epoch
    qint64 to = 0;
    bool hex = false;
    // The time the cursor reads; without it the legend reads the span's end.
    std::optional<qint64> cursor;
};

// Draws the trend: a legend with each trace's value, the bytes as lines over
// a value axis, each bit as a step in a lane of its own below them, the time
// axis, the polls that brought no answer as grey bands with the lines broken
// there, and the cursor. The window and obelc's picture files both draw
// with it.
class TrendPainter {
public:
    TrendPainter(const TrendPicture& picture, const QRectF& area, const QFont& font);

    void paint(QPainter& painter) const;
    // Where the traces are drawn, and the time at x in there.
    const QRectF& plot() const { return plot_; }
    qint64 timeAt(double x) const;
    double xAt(qint64 ms) const;

    static QColor colour(int trace);
    // A value as the legend and the axis write it.
    static QString valueText(int value, bool hex);

    // The picture as a PNG or SVG file of that size in pixels, written
    // whole or not at all; false, with why, otherwise.
    static bool writePng(const QString& path, const TrendPicture& picture, const QSize& size,
                         QString* error);
    static bool writeSvg(const QString& path, const TrendPicture& picture, const QSize& size,
                         QString* error);

private:
    struct Range {
        int low;
        int high;
    };
    void paintLegend(QPainter& painter) const;
    void paintTimeAxis(QPainter& painter) const;
    void paintValueAxis(QPainter& painter, Range range) const;
    void paintTrace(QPainter& painter, int index, const QRectF& band, Range range) const;
    void paintCursor(QPainter& painter) const;
    Range byteRange() const;
    int bitTraces() const;
    QRectF bitLane(int lane) const;

    const TrendPicture& picture_;
    QRectF area_;
    QFont font_;
    double line_;  // the height of a line of text
    int columns_;  // of the legend
    QRectF plot_;  // all traces
    QRectF bytes_; // the byte traces' part of it
    double laneHeight_ = 0;
};

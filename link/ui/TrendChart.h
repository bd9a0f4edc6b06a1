// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TrendPainter.h"

#include <QWidget>

#include <optional>

class Trend;

// The trend's picture in the window, drawn by the same painter as obelc's
// files. A click or a drag puts the cursor at a time, which the legend
// reads; a double click takes it away.
class TrendChart : public QWidget {
    Q_OBJECT
public:
    explicit TrendChart(const Trend& trend, QWidget* parent = nullptr);

    // What the chart shows now, cursor included.
    TrendPicture picture() const;
    std::optional<qint64> cursor() const { return cursor_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void placeCursor(double x);

    const Trend& trend_;
    std::optional<qint64> cursor_;
};

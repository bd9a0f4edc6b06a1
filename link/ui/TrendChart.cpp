// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrendChart.h"

#include "Trend.h"

#include <QMouseEvent>
#include <QPainter>

TrendChart::TrendChart(const Trend& trend, QWidget* parent) : QWidget(parent), trend_(trend) {
    setMinimumSize(480, 240);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::CrossCursor);
    setToolTip(QStringLiteral("Click or drag to read the values at a time; double-click to "
                              "take the cursor away"));
}

TrendPicture TrendChart::picture() const {
    return {&trend_.log(),    trend_.traces(), trend_.labels(), trend_.viewStart(),
            trend_.viewEnd(), trend_.hex(),    cursor_};
}

void TrendChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const TrendPicture shown = picture();
    TrendPainter(shown, rect(), font()).paint(painter);
}

void TrendChart::mousePressEvent(QMouseEvent* event) {
    placeCursor(event->position().x());
}

void TrendChart::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton) placeCursor(event->position().x());
}

void TrendChart::mouseDoubleClickEvent(QMouseEvent*) {
    cursor_.reset();
    update();
}

void TrendChart::placeCursor(double x) {
    const TrendPicture shown = picture();
    const TrendPainter painter(shown, rect(), font());
    const QRectF plot = painter.plot();
    cursor_ = painter.timeAt(std::clamp(x, plot.left(), plot.right()));
    update();
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "FindingMarks.h"

#include <QPainter>
#include <QPolygon>

#include <algorithm>

QColor FindingMarks::colour(bool error) {
    return error ? QColor(220, 0, 0) : QColor(255, 140, 0);
}

void FindingMarks::paint(QPainter& painter, const QRect& picture, bool error, bool chosen) {
    painter.save();
    QPen frame(colour(error), chosen ? 4 : 2);
    frame.setCosmetic(true);
    painter.setPen(frame);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(picture.adjusted(1, 1, -2, -2));
    const int flag = std::max(8, picture.height() / 3);
    const QPoint corner = picture.topRight();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour(error));
    painter.drawPolygon(QPolygon({corner, corner - QPoint(flag, 0), corner + QPoint(0, flag)}));
    painter.restore();
}

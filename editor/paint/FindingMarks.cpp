// SPDX-License-Identifier: GPL-3.0-or-later
#include "FindingMarks.h"

#include "GridPainter.h"

#include <QPainter>
#include <QPolygon>

#include <algorithm>

FindingMarks::Cells FindingMarks::onPage(const QList<Finding>& findings, int page) {
    Cells cells;
    for (const Finding& finding : findings)
        if (finding.page == page) cells[finding.cell] |= finding.isError();
    return cells;
}

QColor FindingMarks::colour(bool error) {
    return error ? QColor(220, 0, 0) : QColor(255, 140, 0);
}

void FindingMarks::paint(QPainter& painter, const QRect& picture, bool error, bool chosen) {
    draw(painter, picture, error, chosen ? 4 : 2, true);
}

void FindingMarks::paintOnSheet(QPainter& painter, const Cells& cells) {
    for (const auto& [cell, error] : cells)
        draw(painter, GridPainter::pictureRect(cell), error, 2, false);
}

void FindingMarks::draw(QPainter& painter, const QRect& picture, bool error, int width,
                        bool cosmetic) {
    painter.save();
    QPen frame(colour(error), width);
    frame.setCosmetic(cosmetic);
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

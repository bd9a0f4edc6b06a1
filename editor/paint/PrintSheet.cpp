// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintSheet.h"

#include "FindingMarks.h"
#include "PageView.h"

#include <QPainter>

#include <algorithm>

QSize PrintSheet::size() {
    const QSize grid = GridPainter::size();
    return {grid.width() + 4 * Margin,
            HeadingHeight + FrameTitleHeight + grid.height() + 3 * Margin};
}

QPoint PrintSheet::gridOrigin() {
    return {2 * Margin, HeadingHeight + FrameTitleHeight + Margin};
}

void PrintSheet::paint(QPainter& painter, const PrintPage& page) const {
    const QSize extent = size();
    painter.fillRect(QRect(QPoint(), extent), Qt::white);

    QFont font = painter.font();
    font.setPixelSize(14);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const int half = extent.width() / 2;
    painter.drawText(QRect(Margin, 0, half - Margin, HeadingHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, page.heading1);
    painter.drawText(QRect(half, 0, half - Margin, HeadingHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     page.heading2);

    const QRect frame(Margin, HeadingHeight + FrameTitleHeight / 2, extent.width() - 2 * Margin,
                      extent.height() - HeadingHeight - FrameTitleHeight / 2 - Margin);
    painter.setPen(QPen(Qt::gray, 1));
    painter.drawRect(frame);
    const QString title = QStringLiteral(" PLC MAP ");
    const QRect titleRect(2 * Margin, HeadingHeight, painter.fontMetrics().horizontalAdvance(title),
                          FrameTitleHeight);
    painter.fillRect(titleRect, Qt::white);
    painter.setPen(Qt::black);
    painter.drawText(titleRect, Qt::AlignCenter, title);

    painter.save();
    painter.translate(gridOrigin());
    grid_.paint(painter,
                {page.cells, page.rowNumbers, nullptr, PageView::NoCell, page.coordinateLines});
    if (page.findings)
        FindingMarks::paintOnSheet(painter, FindingMarks::onPage(*page.findings, page.page));
    painter.restore();
}

void PrintSheet::paintScaled(QPainter& painter, const QRectF& target, const PrintPage& page) const {
    const QSize extent = size();
    const double scale =
        std::min(target.width() / extent.width(), target.height() / extent.height());
    painter.save();
    painter.translate(target.left() + (target.width() - extent.width() * scale) / 2, target.top());
    painter.scale(scale, scale);
    paint(painter, page);
    painter.restore();
}

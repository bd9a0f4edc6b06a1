// SPDX-License-Identifier: GPL-3.0-or-later
#include "CrossReferencePrint.h"

#include <QPagedPaintDevice>
#include <QPainter>

void CrossReferencePrint::paint(QPainter& painter, QPagedPaintDevice& device,
                                const QString& heading,
                                const QList<CrossReference::Group>& groups) {
    QFont plain = painter.font();
    plain.setPointSize(10);
    plain.setBold(false);
    QFont bold = plain;
    bold.setBold(true);
    painter.setFont(plain);
    const int step = painter.fontMetrics().lineSpacing();
    const QRect area(0, 0, device.width(), device.height());
    int y = area.height(); // a new page first
    const auto line = [&](const QString& text, const QFont& font) {
        if (y + step > area.height()) {
            device.newPage();
            y = 0;
        }
        painter.setFont(font);
        painter.drawText(QRect(0, y, area.width(), step), Qt::AlignLeft | Qt::AlignVCenter, text);
        y += step;
    };

    line(heading, bold);
    if (groups.isEmpty()) line(QStringLiteral("No cell holds a label."), plain);
    for (const auto& group : groups) {
        y += step / 2;
        line(group.title, bold);
        for (const auto& entry : group.entries)
            line(QStringLiteral("    ") + CrossReference::line(entry), plain);
    }
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "Finding.h"

#include "LadderMap.h"

QString Finding::severityName() const {
    return isError() ? QStringLiteral("error") : QStringLiteral("warning");
}

QString Finding::place() const {
    return QString::number(page + 1) + u':' + QString::number(LadderMap::rowOf(cell) + 1) + u':' +
           QString::number(LadderMap::columnOf(cell) + 1);
}

QString Finding::line(const QString& mapName) const {
    return QStringLiteral("%1:%2: %3: %4").arg(mapName, place(), severityName(), message);
}

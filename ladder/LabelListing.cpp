// SPDX-License-Identifier: GPL-3.0-or-later
#include "LabelListing.h"

#include "LadderMap.h"

QList<LabelListing::Use> LabelListing::uses(const LadderMap& map) {
    QList<Use> out;
    for (int page = 0; page < LadderMap::Pages; ++page)
        for (int cell = 0; cell < LadderMap::CellsPerPage; ++cell)
            if (const QString& label = map.cell(page, cell).B; !label.trimmed().isEmpty())
                out.append({page + 1, LadderMap::rowOf(cell) + 1, label});
    return out;
}

QString LabelListing::text(const LadderMap& map) {
    QString text;
    for (const Use& use : uses(map))
        text += QStringLiteral(" %1, %2 == %3\r\n").arg(use.page).arg(use.row).arg(use.label);
    return text;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "MapComparison.h"

#include "MapFile.h"
#include "MapText.h"

namespace {

QStringList differentFields(const CellRecord& before, const CellRecord& after) {
    QStringList fields;
    if (before.A != after.A) fields << QStringLiteral("element");
    if (before.B != after.B) fields << QStringLiteral("label");
    if (before.C != after.C) fields << QStringLiteral("mark");
    if (before.D != after.D) fields << QStringLiteral("template");
    return fields;
}

} // namespace

QList<MapComparison::Change> MapComparison::compare(const LadderMap& before, const LadderMap& after,
                                                    const ElementCatalogue& catalogue) {
    QList<Change> changes;
    for (int page = 0; page < LadderMap::Pages; ++page)
        for (int cell = 0; cell < LadderMap::CellsPerPage; ++cell) {
            const bool was = !MapFile::isBlank(page, cell, before);
            const bool is = !MapFile::isBlank(page, cell, after);
            if (!was && !is) continue;
            Change change{page, cell, Kind::Changed, {}, {}, {}, false};
            if (was) change.before = MapFile::written(before.cell(page, cell));
            if (is) change.after = MapFile::written(after.cell(page, cell));
            if (!was) {
                change.kind = Kind::Added;
            } else if (!is) {
                change.kind = Kind::Removed;
            } else {
                change.fields = differentFields(change.before, change.after);
                if (change.fields.isEmpty()) continue;
                change.templateRefreshed =
                    change.fields.contains(QStringLiteral("template")) &&
                    change.before.A == change.after.A && LadderMap::holdsElement(change.after.A) &&
                    change.after.D == MapText::catalogueTemplate(change.after, catalogue);
            }
            changes << change;
        }
    return changes;
}

const char* MapComparison::kindName(Kind kind) {
    switch (kind) {
    case Kind::Added:
        return "added";
    case Kind::Removed:
        return "removed";
    case Kind::Changed:
        break;
    }
    return "changed";
}

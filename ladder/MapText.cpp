// SPDX-License-Identifier: GPL-3.0-or-later
#include "MapText.h"

#include "ElementCatalogue.h"
#include "LadderMap.h"
#include "MapFile.h"

namespace {

bool rowHoldsCells(const LadderMap& map, int page, int row) {
    for (int column = 0; column < LadderMap::Columns; ++column)
        if (!MapFile::isBlank(page, LadderMap::cellAt(row, column), map)) return true;
    return false;
}

bool branchLeavesRow(const LadderMap& map, int page, int row) {
    for (int column = 0; column < LadderMap::Columns; ++column)
        if (LadderMap::branchGoesDown(map.cell(page, LadderMap::cellAt(row, column)).C))
            return true;
    return false;
}

QString showRow(const LadderMap& map, int page, int row, const ElementCatalogue& catalogue) {
    QString text;
    for (int column = 0; column < LadderMap::Columns; ++column) {
        const int cell = LadderMap::cellAt(row, column);
        if (MapFile::isBlank(page, cell, map)) continue;
        text += QStringLiteral("    row %1 column %2: %3\n")
                    .arg(row + 1)
                    .arg(column + 1)
                    .arg(MapText::describe(MapFile::written(map.cell(page, cell)), catalogue));
    }
    return text;
}

QString showPage(const LadderMap& map, int page, const ElementCatalogue& catalogue) {
    QString text;
    bool joined = false; // the row above sends a branch into this one
    for (int row = 0; row < LadderMap::Rows; ++row) {
        if (!rowHoldsCells(map, page, row)) {
            joined = false;
            continue;
        }
        if (!joined) text += QStringLiteral("  rung at row %1\n").arg(row + 1);
        text += showRow(map, page, row, catalogue);
        joined = branchLeavesRow(map, page, row);
    }
    return text;
}

} // namespace

QString MapText::show(const LadderMap& map, const ElementCatalogue& catalogue) {
    QStringList pages;
    for (int page = 0; page < LadderMap::Pages; ++page) {
        const QString rungs = showPage(map, page, catalogue);
        if (!rungs.isEmpty()) pages << QStringLiteral("page %1\n").arg(page + 1) + rungs;
    }
    return pages.join(u'\n');
}

QString MapText::place(int page, int cell) {
    return QStringLiteral("page %1 row %2 column %3")
        .arg(page + 1)
        .arg(LadderMap::rowOf(cell) + 1)
        .arg(LadderMap::columnOf(cell) + 1);
}

QString MapText::element(const QString& bitmapName, const ElementCatalogue& catalogue) {
    const QString name = bitmapName.trimmed();
    if (name.isEmpty()) return QStringLiteral("no element");
    const int slot = catalogue.lookup(name);
    if (slot < 0) return name + QStringLiteral(" (not in the catalogue)");
    const QString shown = catalogue.name(slot).trimmed();
    return shown.isEmpty() ? name : name + u' ' + shown;
}

QString MapText::catalogueTemplate(const CellRecord& cell, const ElementCatalogue& catalogue) {
    if (!LadderMap::holdsElement(cell.A)) return {};
    const int slot = catalogue.lookup(cell.A);
    return slot < 0 ? QString() : MapFile::encodeTemplate(catalogue.templateOf(slot));
}

QString MapText::describe(const CellRecord& cell, const ElementCatalogue& catalogue) {
    QString text = element(cell.A, catalogue);
    if (!cell.B.isEmpty()) text += QStringLiteral(", label ") + cell.B;
    if (cell.C == u"0")
        text += QStringLiteral(", branch goes down");
    else if (cell.C != u"1")
        text += QStringLiteral(", mark \"%1\"").arg(cell.C);
    if (cell.D != catalogueTemplate(cell, catalogue))
        text += QStringLiteral(", template \"%1\"").arg(cell.D);
    return text;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class ElementCatalogue;
class LadderMap;
struct CellRecord;

// The map as readable text, page by page and rung by rung, a line a cell:
// its row and column, its element with the catalogue's name, its label, a
// branch going down, and its mark and template where they are not the usual
// ones. A rung is a row with the rows its branches reach below it. The same
// map and catalogue always give the same text, so that version control can
// compare maps through it.
class MapText {
public:
    static QString show(const LadderMap& map, const ElementCatalogue& catalogue);

    // "page 1 row 2 column 3", counted from 1.
    static QString place(int page, int cell);
    // "no.bmp 常開接點", "no element" or "x.bmp (not in the catalogue)".
    static QString element(const QString& bitmapName, const ElementCatalogue& catalogue);
    // The template the catalogue gives the cell's element, as a map file
    // writes it; "" for a cell without an element or an element it lacks.
    static QString catalogueTemplate(const CellRecord& cell, const ElementCatalogue& catalogue);
    // Everything about the cell but its place, from its written fields.
    static QString describe(const CellRecord& cell, const ElementCatalogue& catalogue);
};

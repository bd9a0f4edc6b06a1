// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

class ElementCatalogue;
class LadderMap;

// The instruction lines each converted cell hands the assembler: the cell's
// piece of the conversion through def\ps.def and the fixed replacements,
// then through the assembler's source replacement, read line by line as the
// assembler reads them.
class CellInstructions {
public:
    struct Reading {
        QStringList lines; // trimmed, without the line end, as the assembler parses them
        // What the replacements joined to the line before: a line piece
        // with a label adds the label to the instruction before it.
        QString glued;
    };
    struct Cell {
        int page = 0;
        int cell = 0;
        QString templateText; // as the conversion assigned it
        int reading = 0;      // cells with the same piece share one reading
    };
    std::vector<Cell> cells; // in the order of the text
    std::vector<Reading> readings;

    // The map is the conversion's copy: it assigns templates.
    static CellInstructions of(LadderMap map, const ElementCatalogue& catalogue,
                               const QStringList& psLines, const QStringList& replaceLines);
};

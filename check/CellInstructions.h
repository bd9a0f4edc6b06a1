// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

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

    // The readings of the conversion's distinct pieces (LadderToText::Walk's
    // texts), in their order.
    static std::vector<Reading> of(const QStringList& pieces, const QStringList& psLines,
                                   const QStringList& replaceLines);
};

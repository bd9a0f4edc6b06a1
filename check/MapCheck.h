// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Finding.h"

#include <QList>
#include <QStringList>

class ElementCatalogue;
class LadderMap;
class ProgramFolder;

// The check of a map before it reaches the controller. It reads the map as
// the conversion and the assembler will (the element templates, def\ps.def,
// def\Replace.def and the instruction set are its data) and finds, on the
// cells where they are: labels that do not fit their element, words that are
// no instruction, operands missing, not numbers or outside their fields, an
// output set by two coils, labels placed twice, jumps to a label that no
// label element carries; and the elements the conversion passes over, and
// what "#2" cuts off a label. The cells the conversion converts are checked.
class MapCheck {
public:
    // In the order of page, row and column.
    static QList<Finding> run(const LadderMap& map, const ElementCatalogue& catalogue,
                              const QStringList& psLines, const QStringList& replaceLines);
    // With def\ps.def and def\Replace.def of the program folder.
    static QList<Finding> run(const LadderMap& map, const ElementCatalogue& catalogue,
                              const ProgramFolder& folder);
    static int errors(const QList<Finding>& findings);
};

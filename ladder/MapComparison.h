// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LadderMap.h"

#include <QList>
#include <QStringList>

class ElementCatalogue;

// Two maps compared cell by cell, in the order of page and cell, on the
// fields as their files hold them. A template that changed to the one the
// catalogue gives the same element is told apart: the page display refreshes
// templates, so a map saved again after the catalogue changed differs there
// without anyone editing it.
class MapComparison {
public:
    enum class Kind { Added, Removed, Changed };
    struct Change {
        int page = 0;
        int cell = 0;
        Kind kind = Kind::Changed;
        CellRecord before; // written fields; empty for an added cell
        CellRecord after;  // written fields; empty for a removed cell
        // Of "element", "label", "mark", "template": those that differ.
        QStringList fields;
        bool templateRefreshed = false;
    };

    static QList<Change> compare(const LadderMap& before, const LadderMap& after,
                                 const ElementCatalogue& catalogue);
    static const char* kindName(Kind kind);
};

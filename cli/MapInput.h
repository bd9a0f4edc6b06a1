// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class ElementCatalogue;
class LadderMap;
class ProgramFolder;
class QTextStream;

// What obelc's map commands read as Obel does: the element catalogue of the
// program folder and a map file, with the pages in use given or from
// def/mpage.def. Lines that are not map lines are counted and named on err;
// a file of such lines only is refused.
class MapInput {
public:
    // False after telling err why the map could not be read.
    static bool load(const ProgramFolder& folder, const QString& mapFile, int pages,
                     ElementCatalogue& catalogue, LadderMap& map, QTextStream& err);
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class ElementCatalogue;
class LadderMap;
class QTextStream;

// The arguments of obelc's commands that read maps without drawing them
// (show, diff): -C PROGRAM_DIR, the flags each allows, and map files.
class MapReading {
public:
    struct Arguments {
        QString programDir;
        QStringList flags; // those given, of the ones allowed
        QStringList maps;
        bool help = false;
    };

    // A usage error, or "" when args hold the allowed flags and exactly
    // mapCount map files.
    static QString parse(const QStringList& args, const QStringList& allowedFlags, int mapCount,
                         Arguments& arguments);

    // Reads the program folder's element catalogue, with the element names,
    // and a map file as Obel loads it; false after telling err why not.
    static bool load(const QString& programDir, const QString& mapFile, ElementCatalogue& catalogue,
                     LadderMap& map, QTextStream& err);
};

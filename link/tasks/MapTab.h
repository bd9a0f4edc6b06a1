// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class ProgramFolder;

// def/map.tab: the names of the tracer's cells, one "NAME#comment" item a
// cell from cell 0 on, items separated by commas or line ends. The first
// item without "#" ends the list.
class MapTab {
public:
    static QString path(const ProgramFolder& folder);
    // At most max items; none when the file is not there.
    static QStringList items(const ProgramFolder& folder, int max);
    // What a cell's label shows: the text before the first "#", trimmed.
    static QString caption(const QString& item);
};

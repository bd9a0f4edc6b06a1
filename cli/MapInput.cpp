// SPDX-License-Identifier: GPL-3.0-or-later
#include "MapInput.h"

#include "DefinitionFiles.h"
#include "ElementCatalogue.h"
#include "LadderMap.h"
#include "MapFile.h"

#include <QFile>
#include <QStringList>
#include <QTextStream>

bool MapInput::load(const ProgramFolder& folder, const QString& mapFile, int pages,
                    ElementCatalogue& catalogue, LadderMap& map, QTextStream& err) {
    const DefinitionFiles files(folder);
    files.loadTemplates(catalogue);
    files.loadPaletteBitmaps(catalogue);

    map.setPagesInUse(pages ? pages : files.readPageCount().value_or(1));
    QFile file(mapFile);
    if (!file.open(QIODevice::ReadOnly)) {
        err << "obelc: cannot read " << mapFile << ": " << file.errorString() << "\n";
        return false;
    }
    map.clr_map();
    const MapFile::ReadResult read = MapFile::read(file, map);
    if (read.skipped == 0) return true;
    QStringList lines;
    for (const int line : read.firstSkipped)
        lines << QString::number(line);
    if (read.skipped > read.firstSkipped.size()) lines << QStringLiteral("...");
    const bool one = read.skipped == 1;
    const QString which = QStringLiteral("%1 %2 (%3 %4)")
                              .arg(read.skipped)
                              .arg(one ? QStringLiteral("line that is not a map line")
                                       : QStringLiteral("lines that are not map lines"),
                                   one ? QStringLiteral("line") : QStringLiteral("lines"),
                                   lines.join(QStringLiteral(", ")));
    // A file with lines and not one of them a map line is not a map at all.
    if (read.cells == 0) {
        err << "obelc: " << mapFile << " is not a map, nothing written: " << which << "\n";
        return false;
    }
    err << "obelc: " << mapFile << ": skipped " << which << "\n";
    return true;
}

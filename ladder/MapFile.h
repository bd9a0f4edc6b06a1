// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringView>

class LadderMap;
class QIODevice;
struct CellRecord;

// The map file: one line per cell that is not blank,
//   (page-cell)  A=bitmap B=label C=mark D=template
// with the template's line ends written as "~" and its blanks dropped.
// Reading takes each marker's first occurrence and skips a line it cannot
// place, so any bytes at all can be read without harm.
class MapFile {
public:
    // Lines longer than this are skipped whole; no real map comes near it,
    // and it keeps the memory a hostile file can claim bounded.
    static constexpr qsizetype MaxLineBytes = 32 * 1024;

    struct ReadResult {
        int cells = 0;   // lines stored into the map
        int skipped = 0; // lines that could not be placed
        // The numbers (from 1) of the first skipped lines.
        QList<int> firstSkipped;
    };
    static constexpr qsizetype SkippedLinesNamed = 5;

    // Pages 0 to lastPage inclusive (beyond page 21 there is nothing).
    static QString write(const LadderMap& map, int lastPage);
    static QString line(int page, int cell, const LadderMap& map);
    // The cell's fields as a line of the file holds them: trimmed, the
    // template encoded.
    static CellRecord written(const CellRecord& cell);
    static bool isBlank(int page, int cell, const LadderMap& map);
    static QString encodeTemplate(const QString& text);
    static QString decodeTemplate(QStringView text);

    // Stores one line into the map; false when the line was skipped.
    static bool readLine(QStringView line, LadderMap& map);
    // Reads an opened file into the map (which the caller cleared). Lines are
    // read one at a time, so the file's size does not matter.
    static ReadResult read(QIODevice& file, LadderMap& map);

    // The companion's name: ".MAP" in any letter case becomes ".CHR".
    static QString companionName(const QString& mapName);
};

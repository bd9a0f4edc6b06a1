// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class ProgramDownload;

// The one line the assembler window's status shows when "Assm" has ended:
// what reached the controller over which line, how long it took and the state
// the controller was left in, or where and why the road ended.
class DownloadReport {
public:
    struct Context {
        QString program;     // "LATCH"
        QString line;        // "COM5 → virtual controller"
        bool withController; // "WR"
        bool lineOpen;
    };

    static QString text(const ProgramDownload& download, const Context& context);
    // The program's name for the report: the map's without its extension,
    // else the source file's, else "program".
    static QString programName(const QString& mapName, const QString& sourceName);
};

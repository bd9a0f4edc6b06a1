// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The program map: the contiguous runs of a code image (the main program
// from address 0, then each ORG block and macro block) with their sizes.
class ProgramMap {
public:
    // The image text, the map's heading and one line per run.
    static QString text(const QString& imageText);
    // The lines of the runs alone.
    static QString runs(const QString& imageText);
};

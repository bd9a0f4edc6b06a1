// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class QTextStream;

// obelc show [-C PROGRAM_DIR] MAPFILE: the map as readable text, page by
// page and rung by rung; the same map always reads the same, so that git
// can show changes of maps through it (a textconv driver).
class ShowCommand {
public:
    static const char* usage();
    // Returns the exit status: 0 done, 1 a file or folder failed, 2 bad usage.
    static int run(const QStringList& args, QTextStream& out, QTextStream& err);
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class QTextStream;

// obelc print [-C PROGRAM_DIR] [--page N | --all] [--coordinates] MAPFILE OUT.pdf:
// the print window of Obel drawn into a PDF without a window; --all prints
// every page in use and a cross-reference of the labels after them.
class PrintCommand {
public:
    static const char* usage();
    // Returns the exit status: 0 done, 1 a file or folder failed, 2 bad usage.
    // Needs the application drawing needs (see MapPdf::headless).
    static int run(const QStringList& args, QTextStream& out, QTextStream& err);
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class QTextStream;

// obelc export [-C PROGRAM_DIR] [--format svg|png] [--page N | --all] [--dpi N]
// [--coordinates] MAPFILE OUT: the print window of a page as a picture for
// documents, from the painter the screen, the print and the PDF use.
class ExportCommand {
public:
    static const char* usage();
    // Returns the exit status: 0 done, 1 a file or folder failed, 2 bad usage.
    // Needs the application drawing needs (see MapPdf::headless).
    static int run(const QStringList& args, QTextStream& out, QTextStream& err);
};

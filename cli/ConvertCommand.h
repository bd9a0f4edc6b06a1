// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class QTextStream;

// obelc convert [-C PROGRAM_DIR] [--pages N] MAPFILE: loads the catalogue
// and the map as Obel does, converts, writes the ".hrim" file into the
// program folder's plc folder and prints the instruction text.
class ConvertCommand {
public:
    static const char* usage();
    // Returns the exit status: 0 done, 1 a file or folder failed, 2 bad usage.
    static int run(const QStringList& args, QTextStream& out, QTextStream& err);
};

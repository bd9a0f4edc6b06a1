// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class QTextStream;

// obelc assemble [-C PROGRAM_DIR] [--name MAPNAME] [--macros] [--listing]
// [--map] SOURCE|-: prepares and assembles a source as Obel's assembler does
// without a controller and prints the code image, the listing or the
// program map.
class AssembleCommand {
public:
    static const char* usage();
    // Returns the exit status: 0 done, 1 an assembly or file error, 2 bad usage.
    static int run(const QStringList& args, QTextStream& out, QTextStream& err);
};
